#include "mail_clients.h"

#include <string.h>

#include "compose.h"
#include "desktop_entry.h"

namespace {

// A word, or a run of words, of a client's command line for a message.
enum Part {
  kWord,         // `text`
  kFilesOption,  // `text`, if there are attachments
  kCompose,      // Thunderbird's compose string
  kMailto,       // the mailto: URI without the attachments
  kMailtoLf,     // the same, its body's line breaks bare line feeds
  kSubject,      // `text` and the subject, as one word, unless it is blank
  kBody,         // `text` and the body, as one word, unless it is blank
  kFiles,        // for each attachment, `text` and its path as one word
  kFileUris,     // for each attachment, `text` as a word, then its file:// URL
  kAddresses,    // for each recipient of `recipient_class`, `text` and its address
};

// An entry of a row that is not used, {kWord, null}, adds nothing.
struct Argument {
  Part part;
  const char* text;
  ULONG recipient_class = 0;
};

const int kMostNames = 20;

// A row of the table: one mail client, or a family that takes the same
// options.
struct MailClientKind {
  const char* programs[kMostNames];   // what the names of its programs begin with
  const char* sandboxes[kMostNames];  // its Flatpak app ids and snap names
  // Its words for a message. None for a client that can take no file: it is
  // started as any mailto: handler, with the URI alone.
  Argument arguments[8];
  // A value of Categories in its desktop entry that makes a client of this
  // kind where no row names it.
  const char* category = nullptr;
};

bool TakesFiles(const MailClientKind& kind) {
  return kind.arguments[0].part != kWord || kind.arguments[0].text != nullptr;
}

// Where a client reads a mailto: URI's attach field, it is not in the table.
const MailClientKind kMailClients[] = {
    // Thunderbird, and Betterbird and Debian's old Icedove, which take the
    // same options.
    {{"thunderbird", "betterbird", "icedove"},
     {"org.mozilla.Thunderbird", "eu.betterbird.Betterbird", "thunderbird"},
     {{kWord, "-compose"}, {kCompose, ""}}},
    // Sylpheed ignores attach=; Claws Mail warns of it every time.
    {{"sylpheed", "claws-mail"},
     {},
     {{kWord, "--compose"}, {kMailto, ""}, {kFilesOption, "--attach"}, {kFiles, ""}}},
    // KMail cuts a mailto: subject at "&", even one sent as %26. Its
    // addressees are the words after "--".
    {{"kmail"},
     {"org.kde.kmail2"},
     {{kWord, "--composer"}, {kSubject, "--subject="}, {kBody, "--body="}, {kFiles, "--attach="},
      {kAddresses, "--cc=", MAPI_CC}, {kAddresses, "--bcc=", MAPI_BCC}, {kWord, "--"},
      {kAddresses, "", MAPI_TO}}},
    // Mutt and NeoMutt drop attach= by design: a link must not attach local
    // files. Everything after "--" is an address. They keep a CR of the
    // body in the text.
    {{"mutt", "neomutt"}, {}, {{kFilesOption, "-a"}, {kFiles, ""}, {kWord, "--"}, {kMailtoLf, ""}}},
    // Balsa opens a file chooser for attach=, for the user to confirm.
    {{"balsa"}, {}, {{kWord, "-m"}, {kMailto, ""}, {kFileUris, "-a"}}},
    // Those that take no file come after every client that takes one, so
    // that a mail client is never one of them, whatever its entry says.
    // Web browsers, and the web apps they install, which are their own
    // command lines with --app-id= or --app=: the link opens a web mail
    // page, and no web page is ever handed a local file.
    {{"firefox", "chromium", "google-chrome", "chrome", "microsoft-edge", "msedge", "brave",
      "vivaldi", "opera", "epiphany", "falkon", "librewolf", "konqueror", "midori",
      "qutebrowser", "waterfox", "palemoon", "floorp"},
     {"org.mozilla.firefox", "org.chromium.Chromium", "com.google.Chrome", "com.microsoft.Edge",
      "com.brave.Browser", "io.gitlab.librewolf-community", "org.gnome.Epiphany",
      "com.vivaldi.Vivaldi", "com.opera.Opera", "org.kde.falkon", "org.kde.konqueror",
      "firefox", "chromium", "brave", "opera"},
     {},
     "WebBrowser"},
    // aerc's mailto: links have no field for a file, nor has it an option.
    {{"aerc"}, {}, {}},
};

// Whether `word` names a program whose name begins with `program`: a
// path's basename, or an option's value; not a desktop entry's file name,
// such as a snap's BAMF_DESKTOP_FILE_HINT=….desktop.
bool NamesProgram(const char* word, const char* program) {
  const char* value = strrchr(word, '=');
  const char* name = strrchr(value != nullptr ? value : word, '/');
  name = name != nullptr ? name + 1 : value != nullptr ? value + 1 : word;
  return g_str_has_prefix(name, program) && !g_str_has_suffix(name, ".desktop");
}

bool InList(const char* const list[kMostNames], const char* name) {
  for (int i = 0; i < kMostNames && list[i] != nullptr; ++i) {
    if (g_strcmp0(list[i], name) == 0) return true;
  }
  return false;
}

// The first row whose category `client`'s desktop entry lists, or null.
const MailClientKind* FindKindByCategory(GAppInfo* client) {
  char* categories = DesktopEntryString(client, "Categories");
  char** listed = g_strsplit(categories != nullptr ? categories : "", ";", -1);
  const MailClientKind* found = nullptr;
  for (const MailClientKind& kind : kMailClients) {
    if (kind.category != nullptr && g_strv_contains(listed, kind.category)) {
      found = &kind;
      break;
    }
  }
  g_strfreev(listed);
  g_free(categories);
  return found;
}

// The row of `client`, whose desktop entry's command line is `words` (null
// if it has none): the first that names it, or else the first whose
// category it has.
const MailClientKind* FindMailClientKind(GAppInfo* client, char* const words[]) {
  char* flatpak = DesktopEntryString(client, "X-Flatpak");
  char* snap = DesktopEntryString(client, "X-SnapInstanceName");
  const MailClientKind* found = nullptr;
  for (const MailClientKind& kind : kMailClients) {
    bool named = (flatpak != nullptr && InList(kind.sandboxes, flatpak)) ||
                 (snap != nullptr && InList(kind.sandboxes, snap));
    for (char* const* word = words; !named && word != nullptr && *word != nullptr; ++word) {
      for (int i = 0; !named && i < kMostNames && kind.programs[i] != nullptr; ++i)
        named = NamesProgram(*word, kind.programs[i]);
    }
    if (named) {
      found = &kind;
      break;
    }
  }
  g_free(snap);
  g_free(flatpak);
  return found != nullptr ? found : FindKindByCategory(client);
}

// Appends to `words` those that hand `message` to a client of `kind`.
void AddMessageArguments(GPtrArray* words, const MailClientKind* kind,
                         const MapiMessage* message, char* const attachments[]) {
  MapiMessage without_files = *message;
  without_files.nFileCount = 0;
  for (const Argument& argument : kind->arguments) {
    const char* text = argument.text;
    switch (argument.part) {
      case kWord:
        if (text != nullptr) g_ptr_array_add(words, g_strdup(text));
        break;
      case kFilesOption:
        if (message->nFileCount > 0) g_ptr_array_add(words, g_strdup(text));
        break;
      case kCompose:
        g_ptr_array_add(words, BuildThunderbirdCompose(message, attachments));
        break;
      case kMailto:
      case kMailtoLf:
        g_ptr_array_add(words, BuildMailtoUri(&without_files, nullptr, argument.part == kMailtoLf));
        break;
      case kSubject:
        if (!IsBlank(message->lpszSubject))
          g_ptr_array_add(words, g_strconcat(text, message->lpszSubject, nullptr));
        break;
      case kBody:
        if (!IsBlank(message->lpszNoteText))
          g_ptr_array_add(words, g_strconcat(text, message->lpszNoteText, nullptr));
        break;
      case kFiles:
        for (ULONG i = 0; i < message->nFileCount; ++i)
          g_ptr_array_add(words, g_strconcat(text, attachments[i], nullptr));
        break;
      case kAddresses:
        for (ULONG i = 0; i < message->nRecipCount; ++i) {
          if (message->lpRecips[i].ulRecipClass == argument.recipient_class)
            g_ptr_array_add(words, g_strconcat(text, RecipientAddress(message->lpRecips[i]), nullptr));
        }
        break;
      case kFileUris:
        for (ULONG i = 0; i < message->nFileCount; ++i) {
          g_ptr_array_add(words, g_strdup(text));
          g_ptr_array_add(words, BuildFileUri(attachments[i]));
        }
        break;
    }
  }
}

}  // namespace

bool MailClientTakesFiles(GAppInfo* client) {
  char** entry = ClientCommandLine(client);
  const MailClientKind* kind = FindMailClientKind(client, entry);
  g_strfreev(entry);
  return kind == nullptr || TakesFiles(*kind);
}

char** MailClientCommand(GAppInfo* client, const MapiMessage* message,
                         char* const attachments[]) {
  char** entry = ClientCommandLine(client);
  const MailClientKind* kind = entry != nullptr ? FindMailClientKind(client, entry) : nullptr;
  if (kind == nullptr || !TakesFiles(*kind)) {
    g_strfreev(entry);
    return nullptr;
  }
  GPtrArray* command = g_ptr_array_new();
  for (char** word = entry; *word != nullptr; ++word) g_ptr_array_add(command, *word);
  g_free(entry);  // its words are the command's now
  AddMessageArguments(command, kind, message, attachments);
  g_ptr_array_add(command, nullptr);
  return reinterpret_cast<char**>(g_ptr_array_free(command, FALSE));
}
