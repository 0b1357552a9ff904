// Desktop entries as mail clients have them: the command line kept, and the
// client known by it.
#include "desktop_entry.h"

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

#include "mail_clients.h"

static GDesktopAppInfo* Entry(const char* lines) {
  g_autofree char* entry = g_strconcat("[Desktop Entry]\nType=Application\nName=KMail\n", lines, nullptr);
  g_autoptr(GKeyFile) file = g_key_file_new();
  EXPECT_TRUE(g_key_file_load_from_data(file, entry, static_cast<gsize>(-1), G_KEY_FILE_NONE, nullptr));
  return g_desktop_app_info_new_from_keyfile(file);
}

// The words kept (GIO takes an entry only if its program is there: env is),
// and whether the client is one of the table's.
TEST(DesktopEntryTest, CommandLineAndClient) {
  const struct {
    const char* lines;
    const char* words;
    bool known;
  } kCases[] = {
      {"Exec=env \"HINT=a b\" 100%% /opt/thunderbird-esr --name=%c %U @@u @@\n",
       "env|HINT=a b|100%|/opt/thunderbird-esr|--name=KMail", true},
      {"Exec=env kmail -qwindowtitle %c %u\n", "env|kmail|-qwindowtitle|KMail", true},
      {"Exec=env balsa -m %U\n", "env|balsa", true},  // -m took the URL
      {"Exec=env mail %i %m\nIcon=mail\n", "env|mail|--icon|mail", false},
      {"Exec=env HINT=/x/thunderbird_thunderbird.desktop /opt/mail %u\n",
       "env|HINT=/x/thunderbird_thunderbird.desktop|/opt/mail", false},
      {"Exec=env run --command=kmail org.kde.kmail2 @@u %u @@\n", "env|run|--command=kmail|org.kde.kmail2", true},
      {"Exec=env x\nX-Flatpak=eu.betterbird.Betterbird\n", "env|x", true},
      {"Exec=env x %u\nX-SnapInstanceName=thunderbird\n", "env|x", true},
  };
  for (const auto& test : kCases) {
    g_autoptr(GDesktopAppInfo) client = Entry(test.lines);
    ASSERT_NE(client, nullptr) << test.lines;
    g_auto(GStrv) words = ClientCommandLine(G_APP_INFO(client));
    g_autofree char* joined = g_strjoinv("|", words);
    EXPECT_STREQ(joined, test.words) << test.lines;
    EXPECT_EQ(FindMailClientKind(G_APP_INFO(client)) != nullptr, test.known) << test.lines;
  }
}

// Postlark sends no recipients, but the library takes them: KMail gets each
// where it reads it, an addressee after "--".
TEST(DesktopEntryTest, KMailGetsRecipientsAsWords) {
  g_autoptr(GDesktopAppInfo) client = Entry("Exec=env kmail %u\n");
  const MailClientKind* kmail = FindMailClientKind(G_APP_INFO(client));
  ASSERT_NE(kmail, nullptr);
  MapiRecipDesc recipients[3] = {
      {0, MAPI_BCC, nullptr, const_cast<char*>("c@example.org"), 0, nullptr},
      {0, MAPI_TO, nullptr, const_cast<char*>("SMTP:ann@example.org"), 0, nullptr},
      {0, MAPI_CC, const_cast<char*>("bob@example.org"), nullptr, 0, nullptr}};
  MapiMessage message = {0, const_cast<char*>("-s"), const_cast<char*>(" "), nullptr, nullptr,
                         nullptr, 0, nullptr, 3, recipients, 0, nullptr};
  g_auto(GStrv) words = MessageArguments(kmail, &message, nullptr);
  g_autofree char* joined = g_strjoinv("|", words);
  EXPECT_STREQ(joined, "--composer|--subject=-s|--cc=bob@example.org|--bcc=c@example.org|--|ann@example.org");
}
