#include "portal.h"

#include <fcntl.h>
#include <unistd.h>

#include <gio/gio.h>
#include <gio/gunixfdlist.h>

#include "session_bus.h"

namespace {

const char kDocuments[] = "org.freedesktop.portal.Documents";
const char kDocumentsPath[] = "/org/freedesktop/portal/documents";
// Not persistent: an entry ends with the portal's session, and so never
// outlives the snapshot it shows.
const guint32 kAddFlags = 0;

GVariant* CallDocuments(GDBusConnection* bus, const char* method, GVariant* arguments,
                        const char* reply_type, GUnixFDList* descriptors = nullptr) {
  return g_dbus_connection_call_with_unix_fd_list_sync(
      bus, kDocuments, kDocumentsPath, kDocuments, method, arguments,
      G_VARIANT_TYPE(reply_type), G_DBUS_CALL_FLAGS_NONE, kPortalTimeoutMilliseconds,
      descriptors, nullptr, nullptr, nullptr);
}

// The portal's answer to AddFull for `files`, or null. Each file goes as an
// O_PATH descriptor, which proves that we may read it and opens nothing.
GVariant* AddFiles(GDBusConnection* bus, const char* app_id, char* const files[],
                   unsigned long count) {
  GUnixFDList* descriptors = g_unix_fd_list_new();
  GVariantBuilder handles;
  g_variant_builder_init(&handles, G_VARIANT_TYPE("ah"));
  for (unsigned long i = 0; i < count; ++i) {
    int descriptor = open(files[i], O_PATH | O_CLOEXEC);
    int index = descriptor < 0 ? -1 : g_unix_fd_list_append(descriptors, descriptor, nullptr);
    if (descriptor >= 0) close(descriptor);
    if (index < 0) break;
    g_variant_builder_add(&handles, "h", index);
  }
  GVariant* added = nullptr;
  if (static_cast<unsigned long>(g_unix_fd_list_get_length(descriptors)) == count) {
    const char* read_only[] = {"read", nullptr};
    added = CallDocuments(bus, "AddFull",
                          g_variant_new("(ahus^as)", &handles, kAddFlags, app_id, read_only),
                          "(asa{sv})", descriptors);
  } else {
    g_variant_builder_clear(&handles);
  }
  g_object_unref(descriptors);
  return added;
}

}  // namespace

ULONG ExportToSandbox(const char* app_id, char* const files[], unsigned long count,
                      char*** paths) {
  *paths = nullptr;
  GDBusConnection* bus = ConnectToSessionBus();
  if (bus == nullptr) return MAPI_E_ATTACHMENT_WRITE_FAILURE;
  GVariant* mount = CallDocuments(bus, "GetMountPoint", nullptr, "(ay)");
  GVariant* added = mount != nullptr ? AddFiles(bus, app_id, files, count) : nullptr;
  if (added != nullptr) {
    const char* mount_point = nullptr;
    g_variant_get(mount, "(^&ay)", &mount_point);
    const char** ids = nullptr;
    g_variant_get(added, "(^a&s@a{sv})", &ids, nullptr);
    // The sandbox sees each file as <mount point>/<document id>/<its name>.
    bool complete = *mount_point != '\0' && g_strv_length(const_cast<char**>(ids)) == count;
    *paths = g_new0(char*, count + 1);
    for (unsigned long i = 0; complete && i < count; ++i) {
      char* name = g_path_get_basename(files[i]);
      complete = *ids[i] != '\0';
      (*paths)[i] = g_build_filename(mount_point, ids[i], name, nullptr);
      g_free(name);
    }
    g_free(ids);
    if (!complete) g_clear_pointer(paths, g_strfreev);
    g_variant_unref(added);
  }
  if (mount != nullptr) g_variant_unref(mount);
  g_dbus_connection_close_sync(bus, nullptr, nullptr);
  g_object_unref(bus);
  return *paths != nullptr ? SUCCESS_SUCCESS : MAPI_E_ATTACHMENT_WRITE_FAILURE;
}
