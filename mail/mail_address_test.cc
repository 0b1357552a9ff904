#include "mail_address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "address|name" for what `text` holds, or "none".
std::string Found(const wchar_t* text) {
  FoundAddress found;
  if (!FindMailAddress(text, &found)) return "none";
  std::string name;
  for (size_t i = 0; i < found.name_length; ++i) name += static_cast<char>(found.name[i]);
  return std::string(found.address) + (found.name != nullptr ? "|" + name : "");
}

TEST(MailAddressTest, EveryFormProgramsWrite) {
  EXPECT_EQ(Found(L"ann@example.com"), "ann@example.com");
  EXPECT_EQ(Found(L"  ann@example.com\t"), "ann@example.com");
  EXPECT_EQ(Found(L"SMTP:ann@example.com"), "ann@example.com");
  EXPECT_EQ(Found(L"smtp:SmTp: ann@example.com"), "ann@example.com");
  EXPECT_EQ(Found(L"Ann Example <ann@example.com>"), "ann@example.com|Ann Example");
  EXPECT_EQ(Found(L"\"Example, Ann\" <SMTP:ann@example.com> "), "ann@example.com|Example, Ann");
  EXPECT_EQ(Found(L"<ann@example.com>"), "ann@example.com");
  EXPECT_EQ(Found(L"Ann Example[SMTP:ann@example.com]"), "ann@example.com|Ann Example");
  EXPECT_EQ(Found(L"Ann [smtp:ann@example.com]"), "ann@example.com|Ann");
  EXPECT_EQ(Found(L"\"\" <ann@example.com>"), "ann@example.com");
}

TEST(MailAddressTest, NoAddressOrMoreThanOne) {
  for (const wchar_t* text : {static_cast<const wchar_t*>(nullptr), L"", L"SMTP:", L"Support Team", L"Ann <>",
                              L"Ann <ann>", L"Ann <ann@example.com", L"ann@example.com>",
                              L"SMTP:ann@example.com, bob@example.com", L"Ann [FAX:123]",
                              L"Ann <ann@example.com>\r\nBcc: x@y", L"\u00e4nn@example.com", L"ann@exa mple.com"}) {
    EXPECT_EQ(Found(text), "none") << (text == nullptr ? "null" : "a text");
  }
  std::wstring longest = std::wstring(64, L'a') + L"@" + std::wstring(189, L'b');
  EXPECT_EQ(Found(longest.c_str()).size(), 254u);
  EXPECT_EQ(Found((longest + L"b").c_str()), "none");
}

}  // namespace
