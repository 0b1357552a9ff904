// Recipients, which the program never sends, and calls it never makes.
#include "compose.h"

#include <dlfcn.h>

#include <string>

#include <glib.h>
#include <gtest/gtest.h>

static std::string Take(char* text) {
  std::string taken(text);
  g_free(text);
  return taken;
}

TEST(ComposeTest, Recipients) {
  MapiRecipDesc recipients[4] = {
      {0, MAPI_TO, nullptr, const_cast<char*>("SMTP:ann@example.org"), 0, nullptr},
      {0, MAPI_CC, const_cast<char*>("bob+x@example.org"), nullptr, 0, nullptr},
      {0, MAPI_BCC, const_cast<char*>("Carol"), const_cast<char*>("smtp:c,d@example.org"), 0, nullptr},
      {0, MAPI_ORIG, nullptr, const_cast<char*>("me@example.org"), 0, nullptr}};
  MapiMessage message = {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 4, recipients, 0, nullptr};
  ASSERT_EQ(CheckRecipients(&message), SUCCESS_SUCCESS);
  EXPECT_EQ(Take(BuildMailtoUri(&message, nullptr)),
            "mailto:ann@example.org?cc=bob+x@example.org&bcc=c%2Cd@example.org");
  EXPECT_EQ(Take(BuildThunderbirdCompose(&message, nullptr)),
            "to='ann@example.org',cc='bob+x@example.org',bcc='c%2Cd@example.org'");
  message.nRecipCount = 1;  // what a client could take for an option or a message
  for (const char* address : {"--attach", "mailto:x@example.org?attach=/etc/passwd", ""}) {
    recipients[0].lpszAddress = const_cast<char*>(address);
    EXPECT_EQ(CheckRecipients(&message), 25u) << address;  // MAPI_E_INVALID_RECIPS
  }
  recipients[0].ulRecipClass = MAPI_BCC + 1;
  EXPECT_EQ(CheckRecipients(&message), 15u);  // MAPI_E_BAD_RECIPTYPE
}

// The library as the program loads it, with a mail client registered (one
// that takes the message and exits 0), so that a refusal is the call's own.
TEST(MailLibraryTest, RefusesWhatItCannotDo) {
  g_autofree char* build = g_path_get_dirname(POSTLARK_MAIL_LIBRARY);
  g_autofree char* home = g_build_filename(build, "mail_library_test", nullptr);
  g_autofree char* entries = g_build_filename(home, "applications", nullptr);
  g_autofree char* entry = g_build_filename(entries, "true.desktop", nullptr);
  g_autofree char* defaults = g_build_filename(home, "mimeapps.list", nullptr);
  ASSERT_EQ(g_mkdir_with_parents(entries, 0700), 0);
  ASSERT_TRUE(g_file_set_contents(entry, "[Desktop Entry]\nType=Application\nName=T\nExec=true %u\n", -1, nullptr));
  ASSERT_TRUE(g_file_set_contents(defaults, "[Default Applications]\nx-scheme-handler/mailto=true.desktop\n", -1, nullptr));
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) g_setenv(name, home, TRUE);
  for (const char* name : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) g_setenv(name, "/none", TRUE);
  void* library = dlopen(POSTLARK_MAIL_LIBRARY, RTLD_NOW);
  auto send = reinterpret_cast<LPMAPISENDMAIL>(dlsym(library, "MAPISendMail"));
  ASSERT_NE(send, nullptr) << dlerror();
  MapiMessage message = {};
  EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 0u);  // the client takes it
  EXPECT_EQ(send(0, 0, &message, MAPI_LOGON_UI, 0), 26u);  // no dialog: not supported
  EXPECT_EQ(send(0, 0, nullptr, MAPI_DIALOG, 0), 2u);
  message.nFileCount = 1;  // counted but not given
  EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 2u);
  dlclose(library);
}
