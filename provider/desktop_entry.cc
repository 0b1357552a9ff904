#include "desktop_entry.h"

#include <string.h>

#include <gio/gdesktopappinfo.h>

namespace {

// The value of `key` in `client`'s desktop entry, or null. Free it with g_free.
char* EntryString(GAppInfo* client, const char* key) {
  if (!G_IS_DESKTOP_APP_INFO(client)) return nullptr;
  return g_desktop_app_info_get_string(G_DESKTOP_APP_INFO(client), key);
}

// A word that stands for what a launcher puts in, and that we put in
// ourselves or not at all: a field code, or a marker around the files that
// `flatpak run --file-forwarding` forwards into the sandbox.
bool IsPlaceholder(const char* word) {
  if (word[0] == '%' && g_ascii_isalpha(word[1]) && word[2] == '\0') return true;
  return strcmp(word, "@@") == 0 || strcmp(word, "@@u") == 0 || strcmp(word, "@@f") == 0;
}

// Within a word "%%" stands for "%"; any other field code is left out, as
// there is nothing of ours to put in its place.
void ExpandPercents(char* word) {
  char* out = word;
  for (const char* in = word; *in != '\0'; ++in) {
    if (*in != '%') {
      *out++ = *in;
    } else if (in[1] != '\0') {
      if (*++in == '%') *out++ = '%';
    }
  }
  *out = '\0';
}

// "thunderbird…" as a program's name, in a path or an option's value; not a
// desktop entry's file name, such as a snap's BAMF_DESKTOP_FILE_HINT.
bool NamesThunderbird(const char* word) {
  const char* value = strrchr(word, '=');
  const char* name = strrchr(value != nullptr ? value : word, '/');
  name = name != nullptr ? name + 1 : value != nullptr ? value + 1 : word;
  return g_str_has_prefix(name, "thunderbird") && !g_str_has_suffix(name, ".desktop");
}

}  // namespace

char* SandboxAppId(GAppInfo* client) {
  char* flatpak = EntryString(client, "X-Flatpak");
  if (flatpak != nullptr && *flatpak != '\0') return flatpak;
  g_free(flatpak);
  char* snap = EntryString(client, "X-SnapInstanceName");
  char* app_id = snap != nullptr && *snap != '\0' ? g_strconcat("snap.", snap, nullptr) : nullptr;
  g_free(snap);
  return app_id;
}

bool IsThunderbird(GAppInfo* client) {
  char* flatpak = EntryString(client, "X-Flatpak");
  char* snap = EntryString(client, "X-SnapInstanceName");
  bool thunderbird = g_strcmp0(flatpak, "org.mozilla.Thunderbird") == 0 ||
                     g_strcmp0(snap, "thunderbird") == 0;
  g_free(flatpak);
  g_free(snap);
  char** words = ClientCommandLine(client);
  for (char** word = words; !thunderbird && word != nullptr && *word != nullptr; ++word)
    thunderbird = NamesThunderbird(*word);
  g_strfreev(words);
  return thunderbird;
}

char** ClientCommandLine(GAppInfo* client) {
  char* exec = EntryString(client, "Exec");
  char** words = nullptr;
  // The Desktop Entry quoting is the shell's double quoting; this only
  // splits, it runs nothing.
  bool parsed = exec != nullptr && g_shell_parse_argv(exec, nullptr, &words, nullptr);
  g_free(exec);
  if (!parsed) return nullptr;
  size_t kept = 0;
  for (size_t i = 0; words[i] != nullptr; ++i) {
    if (IsPlaceholder(words[i])) {
      g_free(words[i]);
      continue;
    }
    ExpandPercents(words[i]);
    words[kept++] = words[i];
  }
  words[kept] = nullptr;
  if (kept > 0) return words;
  g_strfreev(words);
  return nullptr;
}
