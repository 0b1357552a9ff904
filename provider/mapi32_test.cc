// Calls the program never makes, and recipients it never sends, to the library
// with a client registered (one that exits 0): each refusal is the call's own.
#include <dlfcn.h>

#include <string>

#include <glib.h>
#include <gtest/gtest.h>

#include "simple_mapi.h"

TEST(MailLibraryTest, RefusesWhatItCannotDo) {
  std::string home = POSTLARK_MAIL_LIBRARY ".test";
  ASSERT_EQ(g_mkdir_with_parents((home + "/applications").c_str(), 0700), 0);
  ASSERT_TRUE(g_file_set_contents((home + "/applications/true.desktop").c_str(),
                                  "[Desktop Entry]\nType=Application\nName=T\nExec=true %u\n", -1, nullptr));
  ASSERT_TRUE(g_file_set_contents((home + "/mimeapps.list").c_str(),
                                  "[Default Applications]\nx-scheme-handler/mailto=true.desktop\n", -1, nullptr));
  for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) g_setenv(name, home.c_str(), TRUE);
  for (const char* name : {"XDG_DATA_DIRS", "XDG_CONFIG_DIRS"}) g_setenv(name, "/none", TRUE);
  void* library = dlopen(POSTLARK_MAIL_LIBRARY, RTLD_NOW);
  auto send = reinterpret_cast<LPMAPISENDMAIL>(dlsym(library, "MAPISendMail"));
  ASSERT_NE(send, nullptr) << dlerror();
  MapiRecipDesc recipient = {0, MAPI_TO, nullptr, const_cast<char*>("ann@example.org"), 0, nullptr};
  MapiMessage message = {0, nullptr, nullptr, nullptr, nullptr, nullptr, 0, nullptr, 1, &recipient, 0, nullptr};
  EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 0u);  // the client takes it
  EXPECT_EQ(send(0, 0, &message, MAPI_LOGON_UI, 0), 26u);  // no dialog: not supported
  EXPECT_EQ(send(0, 0, nullptr, MAPI_DIALOG, 0), 2u);
  // What a client could take for an option, or for a message of its own.
  for (const char* address : {"--attach", "mailto:x@example.org?attach=/etc/passwd", ""}) {
    recipient.lpszAddress = const_cast<char*>(address);
    EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 25u) << address;  // MAPI_E_INVALID_RECIPS
  }
  recipient.ulRecipClass = MAPI_BCC + 1;
  EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 15u);  // MAPI_E_BAD_RECIPTYPE
  message.nRecipCount = 0;
  message.nFileCount = 1;  // counted but not given
  EXPECT_EQ(send(0, 0, &message, MAPI_DIALOG, 0), 2u);
  dlclose(library);
}
