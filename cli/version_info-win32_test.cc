// Reads the version resource back from the built program, as Explorer does.
#include <windows.h>

#include <stdio.h>

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

// The application manifest, as the loader reads it: run as the invoking
// user, on Windows 7 to 11 as themselves, and nothing else.
TEST(VersionInfoTest, ProgramCarriesItsManifest) {
  HMODULE program = LoadLibraryExA(POSTLARK_PROGRAM, nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(found, nullptr);
  std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                       SizeofResource(program, found));
  FreeLibrary(program);
  printf("%s", manifest.c_str());
  EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
  for (const char* os : {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                         "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"})
    EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"{") + os + "}\"/>"), std::string::npos) << os;
  EXPECT_EQ(manifest.find("activeCodePage"), std::string::npos);
  EXPECT_EQ(manifest.find("longPathAware"), std::string::npos);
}
