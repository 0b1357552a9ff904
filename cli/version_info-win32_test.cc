// Reads the version resource back from the built program, as Explorer does.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

TEST(VersionInfoTest, ProgramTellsWhatItIs) {
  DWORD size = GetFileVersionInfoSizeA(POSTLARK_PROGRAM, nullptr);
  std::vector<char> block(size + 1);
  ASSERT_TRUE(GetFileVersionInfoA(POSTLARK_PROGRAM, 0, size, block.data()));
  auto text = [&](const char* name) {
    void* value = nullptr;
    UINT length = 0;
    std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    return VerQueryValueA(block.data(), query.c_str(), &value, &length) && length > 0
               ? std::string(static_cast<const char*>(value)) : std::string("(missing)");
  };
  EXPECT_EQ(text("ProductName"), "Postlark");
  EXPECT_EQ(text("OriginalFilename"), "Postlark.exe");
  EXPECT_EQ(text("FileVersion"), POSTLARK_VERSION);
  EXPECT_EQ(text("ProductVersion"), POSTLARK_VERSION);
  EXPECT_NE(text("FileDescription"), "(missing)");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(POSTLARK_VERSION_MAJOR << 16 | POSTLARK_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}
