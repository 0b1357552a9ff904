// The Exec line as a client's desktop entry may have it, words quoted.
#include "desktop_entry.h"

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

TEST(DesktopEntryTest, CommandLineKeepsWordsAndDropsPlaceholders) {
  const char entry[] = "[Desktop Entry]\nType=Application\nName=T\n"
      "Exec=env \"HINT=a b\" 100%% /opt/thunderbird-esr --name=%c %U @@u @@\n";
  g_autoptr(GKeyFile) file = g_key_file_new();
  ASSERT_TRUE(g_key_file_load_from_data(file, entry, sizeof entry - 1, G_KEY_FILE_NONE, nullptr));
  g_autoptr(GDesktopAppInfo) client = g_desktop_app_info_new_from_keyfile(file);
  ASSERT_NE(client, nullptr);
  g_auto(GStrv) words = ClientCommandLine(G_APP_INFO(client));
  g_autofree char* joined = g_strjoinv("|", words);
  EXPECT_STREQ(joined, "env|HINT=a b|100%|/opt/thunderbird-esr|--name=");
  EXPECT_TRUE(IsThunderbird(G_APP_INFO(client)));
  EXPECT_EQ(SandboxAppId(G_APP_INFO(client)), nullptr);
}
