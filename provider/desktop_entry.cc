#include "desktop_entry.h"

#include <string.h>

#include <gio/gdesktopappinfo.h>

namespace {

// A whole word that is a field code among `codes`.
bool IsFieldCode(const char* word, const char* codes) {
  return word[0] == '%' && word[1] != '\0' && strchr(codes, word[1]) != nullptr && word[2] == '\0';
}

// A marker around the files that `flatpak run --file-forwarding` forwards
// into the sandbox.
bool IsForwardingMarker(const char* word) {
  return strcmp(word, "@@") == 0 || strcmp(word, "@@u") == 0 || strcmp(word, "@@f") == 0;
}

// `word` with %c (the client's name), %k (its desktop entry's path) and %%
// expanded; any other field code is left out, as there is nothing of ours to
// put in its place.
char* ExpandFieldCodes(GAppInfo* client, const char* word) {
  GString* out = g_string_new(nullptr);
  for (const char* in = word; *in != '\0'; ++in) {
    if (*in != '%') {
      g_string_append_c(out, *in);
    } else if (in[1] != '\0') {
      ++in;
      if (*in == '%') g_string_append_c(out, '%');
      if (*in == 'c') g_string_append(out, g_app_info_get_name(client));
      if (*in == 'k' && G_IS_DESKTOP_APP_INFO(client)) {
        const char* path = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(client));
        if (path != nullptr) g_string_append(out, path);
      }
    }
  }
  return g_string_free(out, FALSE);
}

}  // namespace

char* DesktopEntryString(GAppInfo* client, const char* key) {
  if (!G_IS_DESKTOP_APP_INFO(client)) return nullptr;
  return g_desktop_app_info_get_string(G_DESKTOP_APP_INFO(client), key);
}

char* SandboxAppId(GAppInfo* client) {
  char* flatpak = DesktopEntryString(client, "X-Flatpak");
  if (flatpak != nullptr && *flatpak != '\0') return flatpak;
  g_free(flatpak);
  char* snap = DesktopEntryString(client, "X-SnapInstanceName");
  char* app_id = snap != nullptr && *snap != '\0' ? g_strconcat("snap.", snap, nullptr) : nullptr;
  g_free(snap);
  return app_id;
}

char** ClientCommandLine(GAppInfo* client) {
  char* exec = DesktopEntryString(client, "Exec");
  char** words = nullptr;
  // The Desktop Entry quoting is the shell's double quoting; this only
  // splits, it runs nothing.
  bool parsed = exec != nullptr && g_shell_parse_argv(exec, nullptr, &words, nullptr);
  g_free(exec);
  if (!parsed) return nullptr;
  GPtrArray* kept = g_ptr_array_new_with_free_func(g_free);
  for (char** word = words; *word != nullptr; ++word) {
    if (IsFieldCode(*word, "fFuU")) {
      // The files or URLs a launcher is given: we hand them over in the
      // client's own way. An option right before took one as its value, and
      // goes too; not one with a value of its own, nor the program itself.
      auto* last = kept->len > 1 ? static_cast<char*>(kept->pdata[kept->len - 1]) : nullptr;
      if (last != nullptr && last[0] == '-' && strchr(last, '=') == nullptr)
        g_ptr_array_remove_index(kept, kept->len - 1);
    } else if (strcmp(*word, "%i") == 0) {
      char* icon = DesktopEntryString(client, "Icon");
      if (icon != nullptr && *icon != '\0') {
        g_ptr_array_add(kept, g_strdup("--icon"));
        g_ptr_array_add(kept, icon);
      } else {
        g_free(icon);
      }
    } else if (!IsForwardingMarker(*word)) {
      char* expanded = ExpandFieldCodes(client, *word);
      // A field code that stood alone and gave nothing leaves no word.
      if (*expanded == '\0' && (*word)[0] == '%' && g_ascii_isalpha((*word)[1]) &&
          (*word)[2] == '\0') {
        g_free(expanded);
      } else {
        g_ptr_array_add(kept, expanded);
      }
    }
  }
  g_strfreev(words);
  if (kept->len == 0) {
    g_ptr_array_unref(kept);
    return nullptr;
  }
  g_ptr_array_add(kept, nullptr);
  return reinterpret_cast<char**>(g_ptr_array_free(kept, FALSE));
}
