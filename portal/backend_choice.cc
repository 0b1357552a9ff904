#include "backend_choice.h"

#include <errno.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include <initializer_list>

#include <glib.h>
#include <glib/gstdio.h>

namespace {

const char kEmailKey[] = "org.freedesktop.impl.portal.Email";
// The first line of every file --enable writes: --disable removes a file
// only where it starts so.
const char kMark[] = "# Written by postlark-portal --enable; postlark-portal --disable removes it.\n";
const char kOurPortal[] =
    "[portal]\nDBusName=org.freedesktop.impl.portal.desktop.postlark\n"
    "Interfaces=org.freedesktop.impl.portal.Email\nUseIn=%s\n";

// The portal's version, as major * 1000 + minor; 0 where it cannot be told.
int PortalVersion() {
  const char* frontend = g_getenv("POSTLARK_PORTAL_FRONTEND");
  const char* argv[] = {frontend != nullptr ? frontend : "/usr/libexec/xdg-desktop-portal", "--version", nullptr};
  char* out = nullptr;
  int major = 0, minor = 0;
  if (g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_STDERR_TO_DEV_NULL, nullptr, nullptr,
                   &out, nullptr, nullptr, nullptr) &&
      sscanf(out, "xdg-desktop-portal %d.%d", &major, &minor) != 2)
    major = minor = 0;
  g_free(out);
  return major * 1000 + minor;
}

// The user's desktops, lower-case, as the portal matches them; null where
// XDG_CURRENT_DESKTOP names none. Free with g_strfreev.
char** Desktops() {
  const char* current = g_getenv("XDG_CURRENT_DESKTOP");
  if (current == nullptr || *current == '\0') return nullptr;
  char* lower = g_ascii_strdown(current, -1);
  char** desktops = g_strsplit(lower, ":", -1);
  g_free(lower);
  return desktops;
}

bool IsOurs(const char* path) {
  char* text = nullptr;
  bool ours = g_file_get_contents(path, &text, nullptr, nullptr) && g_str_has_prefix(text, kMark);
  g_free(text);
  return ours;
}

// The portals.conf that xdg-desktop-portal 1.17 and later reads for
// `desktops`: the first found, in each folder <desktop>-portals.conf before
// portals.conf. Null for none. Free with g_free.
char* FindPortalsConf(char** desktops) {
  GPtrArray* folders = g_ptr_array_new_with_free_func(g_free);
  g_ptr_array_add(folders, g_strdup(g_get_user_config_dir()));
  for (const char* const* dir = g_get_system_config_dirs(); *dir != nullptr; ++dir)
    g_ptr_array_add(folders, g_strdup(*dir));
  g_ptr_array_add(folders, g_strdup("/etc"));
  g_ptr_array_add(folders, g_strdup(g_get_user_data_dir()));
  for (const char* const* dir = g_get_system_data_dirs(); *dir != nullptr; ++dir)
    g_ptr_array_add(folders, g_strdup(*dir));
  g_ptr_array_add(folders, g_strdup("/usr/share"));
  char* found = nullptr;
  for (guint i = 0; found == nullptr && i < folders->len; ++i) {
    auto* folder = static_cast<const char*>(g_ptr_array_index(folders, i));
    for (char** desktop = desktops; found == nullptr && *desktop != nullptr; ++desktop) {
      char* name = g_strconcat(*desktop, "-portals.conf", nullptr);
      found = g_build_filename(folder, "xdg-desktop-portal", name, nullptr);
      g_free(name);
      if (!g_file_test(found, G_FILE_TEST_IS_REGULAR)) g_clear_pointer(&found, g_free);
    }
    if (found == nullptr) {
      found = g_build_filename(folder, "xdg-desktop-portal", "portals.conf", nullptr);
      if (!g_file_test(found, G_FILE_TEST_IS_REGULAR)) g_clear_pointer(&found, g_free);
    }
  }
  g_ptr_array_unref(folders);
  return found;
}

// Where --enable writes, for each road.
char* UserPortalsConf(const char* desktop) {
  char* name = g_strconcat(desktop, "-portals.conf", nullptr);
  char* path = g_build_filename(g_get_user_config_dir(), "xdg-desktop-portal", name, nullptr);
  g_free(name);
  return path;
}
char* DropIn() {
  return g_build_filename(g_get_user_config_dir(), "systemd", "user", "xdg-desktop-portal.service.d",
                          "postlark.conf", nullptr);
}
char* PortalFolder() { return g_build_filename(g_get_user_data_dir(), "postlark", "portals", nullptr); }

bool Write(const char* path, const char* text) {
  char* folder = g_path_get_dirname(path);
  GError* error = nullptr;
  bool written = g_mkdir_with_parents(folder, 0755) == 0 && g_file_set_contents(path, text, -1, &error);
  if (written) printf("Wrote %s\n", path);
  else fprintf(stderr, "postlark-portal: cannot write %s%s%s\n", path, error ? ": " : "", error ? error->message : "");
  g_clear_error(&error);
  g_free(folder);
  return written;
}

// The lines of `source` (null: none) with postlark first for Email under
// [preferred], and no other Email line there.
char* PreferPostlark(const char* source) {
  char* text = nullptr;
  if (source == nullptr || !g_file_get_contents(source, &text, nullptr, nullptr)) text = g_strdup("");
  GString* out = g_string_new(kMark);
  if (source != nullptr) g_string_append_printf(out, "# The lines of %s, with postlark first for Email.\n", source);
  char** lines = g_strsplit(text, "\n", -1);
  bool preferred = false, added = false;
  for (char** line = lines; *line != nullptr; ++line) {
    char* stripped = g_strstrip(g_strdup(*line));
    if (*stripped == '[') preferred = strcmp(stripped, "[preferred]") == 0;
    bool email = preferred && g_str_has_prefix(stripped, kEmailKey) &&
                 strchr(" =", stripped[sizeof kEmailKey - 1]) != nullptr;
    g_free(stripped);
    if (email) continue;  // ours stands in its place
    if (**line != '\0' || line[1] != nullptr) g_string_append_printf(out, "%s\n", *line);
    if (preferred && !added) {
      g_string_append_printf(out, "%s=postlark;\n", kEmailKey);
      added = true;
    }
  }
  if (!added) g_string_append_printf(out, "[preferred]\n%s=postlark;\n", kEmailKey);
  g_strfreev(lines);
  g_free(text);
  return g_string_free(out, FALSE);
}

// The folder of portal files the portal reads before 1.17.
char* SystemPortalFolder() {
  const char* folder = g_getenv("XDG_DESKTOP_PORTAL_DIR");
  char* ours = PortalFolder();
  char* chosen = g_strdup(folder != nullptr && strcmp(folder, ours) != 0 ? folder : "/usr/share/xdg-desktop-portal/portals");
  g_free(ours);
  return chosen;
}

// Before 1.17: a folder with every portal file of the system's, linked,
// and postlark's own first by name, taken for the user's desktop.
bool WritePortalFolder(const char* desktop) {
  char* folder = PortalFolder();
  char* system = SystemPortalFolder();
  bool done = g_mkdir_with_parents(folder, 0755) == 0;
  GDir* dir = g_dir_open(system, 0, nullptr);
  for (const char* name; done && dir != nullptr && (name = g_dir_read_name(dir)) != nullptr;) {
    if (!g_str_has_suffix(name, ".portal") || strcmp(name, "postlark.portal") == 0) continue;
    char* target = g_build_filename(system, name, nullptr);
    char* link = g_build_filename(folder, name, nullptr);
    g_unlink(link);
    done = symlink(target, link) == 0;
    g_free(target);
    g_free(link);
  }
  if (dir != nullptr) g_dir_close(dir);
  char* first = g_build_filename(folder, "0-postlark.portal", nullptr);
  char* text = g_strdup_printf(kOurPortal, desktop);
  char* marked = g_strconcat(kMark, text, nullptr);
  done = done && Write(first, marked);
  char* drop_in = DropIn();
  char* environment = g_strdup_printf("%s[Service]\nEnvironment=XDG_DESKTOP_PORTAL_DIR=%s\n", kMark, folder);
  done = done && Write(drop_in, environment);
  for (char* p : {folder, system, first, text, marked, drop_in, environment}) g_free(p);
  return done;
}

// Has the user's service manager take the change, where one runs.
void RestartPortal() {
  char* manager = g_build_filename(g_get_user_runtime_dir(), "systemd", "private", nullptr);
  bool running = g_file_test(manager, G_FILE_TEST_EXISTS);
  g_free(manager);
  if (!running) {
    printf("No service manager of yours runs: the portal takes it when it next starts.\n");
    return;
  }
  const char* reload[] = {"systemctl", "--user", "daemon-reload", nullptr};
  const char* restart[] = {"systemctl", "--user", "try-restart", "xdg-desktop-portal.service", nullptr};
  int status = 1;
  for (const char** argv : {reload, restart})
    if (!g_spawn_sync(nullptr, const_cast<char**>(argv), nullptr, G_SPAWN_SEARCH_PATH, nullptr, nullptr,
                      nullptr, nullptr, &status, nullptr) ||
        !g_spawn_check_wait_status(status, nullptr)) {
      printf("Could not restart xdg-desktop-portal.service: log out and in again.\n");
      return;
    }
  printf("Restarted xdg-desktop-portal.service.\n");
}

// Removes `path` where --enable wrote it; sets `*failed` where it could not.
bool RemoveIfOurs(const char* path, bool* failed) {
  if (!g_file_test(path, G_FILE_TEST_EXISTS) || !IsOurs(path)) return false;
  if (g_unlink(path) != 0) {
    fprintf(stderr, "postlark-portal: cannot remove %s: %s\n", path, g_strerror(errno));
    *failed = true;
    return false;
  }
  printf("Removed %s\n", path);
  return true;
}

}  // namespace

int EnableBackend() {
  char** desktops = Desktops();
  if (desktops == nullptr) {
    fprintf(stderr, "postlark-portal: XDG_CURRENT_DESKTOP names no desktop to choose the backend for\n");
    return 1;
  }
  int version = PortalVersion();
  bool done = false;
  if (version >= 1017) {
    char* target = UserPortalsConf(desktops[0]);
    char* source = FindPortalsConf(desktops);
    if (source != nullptr && strcmp(source, target) == 0 && IsOurs(source)) {
      printf("Email is postlark's already: %s\n", source);
      done = true;
    } else if (source != nullptr && strcmp(source, target) == 0) {
      fprintf(stderr, "postlark-portal: %s is your own: add \"%s=postlark;\" under [preferred] there\n", source,
              kEmailKey);
    } else {
      char* text = PreferPostlark(source);
      done = Write(target, text);
      g_free(text);
    }
    g_free(source);
    g_free(target);
  } else if (version > 0) {
    done = WritePortalFolder(desktops[0]);
  } else {
    fprintf(stderr, "postlark-portal: xdg-desktop-portal is not installed, or did not tell its version\n");
  }
  if (done) RestartPortal();
  g_strfreev(desktops);
  return done ? 0 : 1;
}

int DisableBackend() {
  char** desktops = Desktops();
  bool removed = false, failed = false;
  for (char** desktop = desktops; desktop != nullptr && *desktop != nullptr; ++desktop) {
    char* conf = UserPortalsConf(*desktop);
    removed = RemoveIfOurs(conf, &failed) || removed;
    g_free(conf);
  }
  char* drop_in = DropIn();
  char* folder = PortalFolder();
  if (RemoveIfOurs(drop_in, &failed)) {
    removed = true;
    // The folder holds what --enable put there alone: its links, and ours.
    GDir* dir = g_dir_open(folder, 0, nullptr);
    for (const char* name; dir != nullptr && (name = g_dir_read_name(dir)) != nullptr;) {
      char* path = g_build_filename(folder, name, nullptr);
      if (g_file_test(path, G_FILE_TEST_IS_SYMLINK) || strcmp(name, "0-postlark.portal") == 0) g_unlink(path);
      g_free(path);
    }
    if (dir != nullptr) g_dir_close(dir);
    if (g_rmdir(folder) == 0) printf("Removed %s\n", folder);
  }
  g_free(drop_in);
  g_free(folder);
  g_strfreev(desktops);
  if (removed) RestartPortal();
  else if (!failed) printf("Nothing to remove: postlark-portal --enable wrote nothing here.\n");
  return failed ? 1 : 0;
}

int ShowBackend() {
  char** desktops = Desktops();
  if (desktops == nullptr) {
    fprintf(stderr, "postlark-portal: XDG_CURRENT_DESKTOP names no desktop\n");
    return 1;
  }
  int version = PortalVersion();
  if (version >= 1017) {
    char* conf = FindPortalsConf(desktops);
    GKeyFile* file = g_key_file_new();
    char* chosen = nullptr;
    if (conf != nullptr && g_key_file_load_from_file(file, conf, G_KEY_FILE_NONE, nullptr)) {
      chosen = g_key_file_get_string(file, "preferred", kEmailKey, nullptr);
      if (chosen == nullptr) chosen = g_key_file_get_string(file, "preferred", "default", nullptr);
    }
    // The first of the backends named, as the portal tries them.
    if (chosen != nullptr) chosen[strcspn(chosen, ";")] = '\0';
    if (chosen != nullptr) printf("Email: %s (%s)\n", chosen, conf);
    else printf("Email: the first backend that serves it (%s)\n", conf != nullptr ? conf : "no portals.conf");
    g_free(chosen);
    g_key_file_unref(file);
    g_free(conf);
  } else {
    char* drop_in = DropIn();
    if (IsOurs(drop_in)) printf("Email: postlark (%s)\n", drop_in);
    else printf("Email: the first backend whose UseIn names %s, by file name\n", desktops[0]);
    g_free(drop_in);
  }
  g_strfreev(desktops);
  return 0;
}
