// Desktop entries as mail clients have them, and the command each is given:
// the entry's command line, then the client's words for the message.
#include "mail_clients.h"

#include <string>

#include <gio/gdesktopappinfo.h>
#include <gtest/gtest.h>

static std::string Command(const char* lines, const MapiMessage& message) {
  char* files[] = {const_cast<char*>("/c/a b.txt")};
  g_autofree char* entry = g_strconcat("[Desktop Entry]\nType=Application\nName=KMail\n", lines, nullptr);
  g_autoptr(GKeyFile) file = g_key_file_new();
  EXPECT_TRUE(g_key_file_load_from_data(file, entry, static_cast<gsize>(-1), G_KEY_FILE_NONE, nullptr));
  g_autoptr(GDesktopAppInfo) client = g_desktop_app_info_new_from_keyfile(file);  // if env is there
  g_auto(GStrv) words = client != nullptr ? MailClientCommand(G_APP_INFO(client), &message, files) : nullptr;
  g_autofree char* joined = words != nullptr ? g_strjoinv("|", words) : nullptr;
  if (client != nullptr && !MailClientTakesFiles(G_APP_INFO(client))) return "(takes no file)";
  return joined != nullptr ? joined : "(none)";
}

static MapiRecipDesc recipients[4] = {
    {0, MAPI_BCC, const_cast<char*>("Carol"), const_cast<char*>("smtp:c,d@example.org"), 0, nullptr},
    {0, MAPI_TO, nullptr, const_cast<char*>("SMTP:ann@example.org"), 0, nullptr},
    {0, MAPI_CC, const_cast<char*>("bob+x@example.org"), nullptr, 0, nullptr},
    {0, MAPI_ORIG, nullptr, const_cast<char*>("me@example.org"), 0, nullptr}};
static MapiFileDesc attachment = {};
static const MapiMessage kFull = {0, const_cast<char*>("S"), const_cast<char*>("B"), nullptr, nullptr,
                                  nullptr, 0, nullptr, 0, nullptr, 1, &attachment};
// Another caller's: blank texts are left out, and with no attachment so is
// the option that would take one (Mutt would read "-a --").
static const MapiMessage kBare = {0, const_cast<char*>(" "), const_cast<char*>("\n \n"), nullptr, nullptr,
                                  nullptr, 0, nullptr, 0, nullptr, 0, nullptr};
// Recipients, which the program never sends.
static const MapiMessage kAddressed = {0, const_cast<char*>("-s"), nullptr, nullptr, nullptr,
                                       nullptr, 0, nullptr, 4, recipients, 0, nullptr};

TEST(MailClientsTest, EntryCommandLineThenMessage) {
  const struct {
    const char* lines;
    const MapiMessage& message;
    const char* command;
  } kCases[] = {
      {"Exec=env \"HINT=a b\" 100%% /opt/thunderbird-esr --name=%c %U @@u @@\n", kFull,
       "env|HINT=a b|100%|/opt/thunderbird-esr|--name=KMail|-compose|subject=S,body=B,attachment='file:///c/a%20b.txt'"},
      {"Exec=env mutt %i %m\nIcon=mail\n", kFull, "env|mutt|--icon|mail|-a|/c/a b.txt|--|mailto:?subject=S&body=B"},
      {"Exec=env HINT=/x/thunderbird_thunderbird.desktop /opt/mail %u\n", kFull, "(none)"},
      {"Exec=env x\nX-Flatpak=eu.betterbird.Betterbird\n", kBare, "env|x|-compose|"},
      {"Exec=env x %u\nX-SnapInstanceName=thunderbird\n", kBare, "env|x|-compose|"},
      {"Exec=env run --command=kmail org.kde.kmail2 @@u %u @@\n", kBare, "env|run|--command=kmail|org.kde.kmail2|--composer|--"},
      {"Exec=env claws-mail %u\n", kBare, "env|claws-mail|--compose|mailto:"},
      {"Exec=env kmail %u\n", kBare, "env|kmail|--composer|--"},
      {"Exec=env neomutt %u\n", kBare, "env|neomutt|--|mailto:"},
      {"Exec=env balsa -m %U\n", kBare, "env|balsa|-m|mailto:"},
      // A browser by its category or its sandbox, but never a mail client.
      {"Exec=env x %u\nCategories=Network;WebBrowser;\n", kFull, "(takes no file)"},
      {"Exec=env x @@u %u @@\nX-Flatpak=org.chromium.Chromium\n", kFull, "(takes no file)"},
      {"Exec=env thunderbird %u\nCategories=Network;WebBrowser;\n", kBare, "env|thunderbird|-compose|"},
      {"Exec=env thunderbird %u\n", kAddressed,
       "env|thunderbird|-compose|to='ann@example.org',cc='bob+x@example.org',bcc='c%2Cd@example.org',subject=-s"},
      {"Exec=env sylpheed %u\n", kAddressed,
       "env|sylpheed|--compose|mailto:ann@example.org?cc=bob+x@example.org&bcc=c%2Cd@example.org&subject=-s"},
      {"Exec=env kmail %u\n", kAddressed,  // its addressees after "--"
       "env|kmail|--composer|--subject=-s|--cc=bob+x@example.org|--bcc=c,d@example.org|--|ann@example.org"},
  };
  for (const auto& test : kCases) EXPECT_EQ(Command(test.lines, test.message), test.command) << test.lines;
}
