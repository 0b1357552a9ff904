// Desktop entries as mail clients have them, and the command each is given:
// the entry's command line kept, the client known by it, then its words for
// the message.
#include "mail_clients.h"

#include <string>

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

static std::string Command(const char* lines, const MapiMessage* message, char* const files[]) {
  g_autofree char* entry = g_strconcat("[Desktop Entry]\nType=Application\nName=KMail\n", lines, nullptr);
  g_autoptr(GKeyFile) file = g_key_file_new();
  EXPECT_TRUE(g_key_file_load_from_data(file, entry, static_cast<gsize>(-1), G_KEY_FILE_NONE, nullptr));
  // GIO takes an entry only if its program is there: env is.
  g_autoptr(GDesktopAppInfo) client = g_desktop_app_info_new_from_keyfile(file);
  if (client == nullptr) return "(no entry)";
  g_auto(GStrv) words = MailClientCommand(G_APP_INFO(client), message, files);
  g_autofree char* joined = words != nullptr ? g_strjoinv("|", words) : nullptr;
  return joined != nullptr ? joined : "(not in the table)";
}

TEST(MailClientsTest, EntryCommandLineThenMessage) {
  char* files[] = {const_cast<char*>("/c/a b.txt")};
  MapiFileDesc attachment = {};
  MapiMessage message = {0, const_cast<char*>("S"), const_cast<char*>("B"), nullptr, nullptr,
                         nullptr, 0, nullptr, 0, nullptr, 1, &attachment};
  // Another caller's: blank texts are left out, and with no attachment so is
  // the option that would take one (Mutt would read "-a --").
  MapiMessage bare = {0, const_cast<char*>(" "), const_cast<char*>("\n"), nullptr, nullptr,
                      nullptr, 0, nullptr, 0, nullptr, 0, nullptr};
  // Recipients, which the program never sends: KMail's addressees follow "--".
  MapiRecipDesc recipients[3] = {
      {0, MAPI_BCC, nullptr, const_cast<char*>("c@example.org"), 0, nullptr},
      {0, MAPI_TO, nullptr, const_cast<char*>("SMTP:ann@example.org"), 0, nullptr},
      {0, MAPI_CC, const_cast<char*>("bob@example.org"), nullptr, 0, nullptr}};
  MapiMessage addressed = {0, const_cast<char*>("-s"), nullptr, nullptr, nullptr,
                           nullptr, 0, nullptr, 3, recipients, 0, nullptr};
  const struct {
    const char* lines;
    const MapiMessage* message;
    const char* command;
  } kCases[] = {
      {"Exec=env \"HINT=a b\" 100%% /opt/thunderbird-esr --name=%c %U @@u @@\n", &message,
       "env|HINT=a b|100%|/opt/thunderbird-esr|--name=KMail|-compose|"
       "subject=S,body=B,attachment='file:///c/a%20b.txt'"},
      {"Exec=env mutt %i %m\nIcon=mail\n", &message, "env|mutt|--icon|mail|-a|/c/a b.txt|--|mailto:?subject=S&body=B"},
      {"Exec=env HINT=/x/thunderbird_thunderbird.desktop /opt/mail %u\n", &message, "(not in the table)"},
      {"Exec=env x\nX-Flatpak=eu.betterbird.Betterbird\n", &bare, "env|x|-compose|"},
      {"Exec=env claws-mail %u\n", &bare, "env|claws-mail|--compose|mailto:"},
      {"Exec=env kmail %u\n", &bare, "env|kmail|--composer|--"},
      {"Exec=env neomutt %u\n", &bare, "env|neomutt|--|mailto:"},
      {"Exec=env balsa -m %U\n", &bare, "env|balsa|-m|mailto:"},
      {"Exec=env kmail %u\n", &addressed,
       "env|kmail|--composer|--subject=-s|--cc=bob@example.org|--bcc=c@example.org|--|ann@example.org"},
  };
  for (const auto& test : kCases)
    EXPECT_EQ(Command(test.lines, test.message, files), test.command) << test.lines;
}
