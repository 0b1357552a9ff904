// The Exec line as a client's desktop entry may have it, words quoted.
#include "desktop_entry.h"

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

TEST(DesktopEntryTest, CommandLineKeepsWordsAndDropsPlaceholders) {
  const char entry[] = "[Desktop Entry]\nType=Application\nName=T\n"
      "Exec=env \"HINT=a b\" 100%% /opt/thunderbird-esr --name=%c %U @@u @@\n";
  GKeyFile* file = g_key_file_new();
  ASSERT_TRUE(g_key_file_load_from_data(file, entry, sizeof entry - 1, G_KEY_FILE_NONE, nullptr));
  GAppInfo* client = G_APP_INFO(g_desktop_app_info_new_from_keyfile(file));
  ASSERT_NE(client, nullptr);
  char** words = ClientCommandLine(client);
  char* joined = g_strjoinv("|", words);
  EXPECT_STREQ(joined, "env|HINT=a b|100%|/opt/thunderbird-esr|--name=");
  EXPECT_TRUE(IsThunderbird(client));
  EXPECT_EQ(SandboxAppId(client), nullptr);
  g_free(joined);
  g_strfreev(words);
  g_object_unref(client);
  g_key_file_unref(file);
}
