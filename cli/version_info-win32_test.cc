// Reads the version resource back from the built program, as Explorer's
// Properties do.

#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string VersionString(const std::vector<char>& block, const char* name) {
  std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueA(block.data(), query.c_str(), &value, &length) || length == 0)
    return "(missing)";
  return std::string(static_cast<const char*>(value));
}

TEST(VersionInfoTest, ProgramTellsWhatItIs) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeA(POSTLARK_PROGRAM, &ignored);
  ASSERT_GT(size, 0u) << "no version resource in " << POSTLARK_PROGRAM;
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(POSTLARK_PROGRAM, 0, size, block.data()));

  EXPECT_EQ(VersionString(block, "ProductName"), "Postlark");
  EXPECT_EQ(VersionString(block, "OriginalFilename"), "Postlark.exe");
  EXPECT_EQ(VersionString(block, "FileVersion"), POSTLARK_VERSION);
  EXPECT_EQ(VersionString(block, "ProductVersion"), POSTLARK_VERSION);
  EXPECT_NE(VersionString(block, "FileDescription"), "(missing)");

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS,
            static_cast<DWORD>(POSTLARK_VERSION_MAJOR << 16 | POSTLARK_VERSION_MINOR));
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
