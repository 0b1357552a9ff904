#include "file_manager.h"

#include <gio/gio.h>

#include "compose.h"
#include "session_bus.h"

namespace {

const char kFileManager[] = "org.freedesktop.FileManager1";
const char kFileManagerPath[] = "/org/freedesktop/FileManager1";

}  // namespace

void WakeFileManager() {
  GDBusConnection* bus = ConnectToSessionBus();
  if (bus == nullptr) return;
  GDBusMessage* start = g_dbus_message_new_method_call(
      "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "StartServiceByName");
  g_dbus_message_set_body(start, g_variant_new("(su)", kFileManager, 0u));
  g_dbus_message_set_flags(start, G_DBUS_MESSAGE_FLAGS_NO_REPLY_EXPECTED);
  g_dbus_connection_send_message(bus, start, G_DBUS_SEND_MESSAGE_FLAGS_NONE, nullptr, nullptr);
  g_object_unref(start);
  g_dbus_connection_flush_sync(bus, nullptr, nullptr);
  g_dbus_connection_close_sync(bus, nullptr, nullptr);
  g_object_unref(bus);
}

void ShowInFileManager(char* const files[], unsigned long count) {
  GDBusConnection* bus = ConnectToSessionBus();
  if (bus == nullptr) return;
  GVariantBuilder uris;
  g_variant_builder_init(&uris, G_VARIANT_TYPE("as"));
  for (unsigned long i = 0; i < count; ++i) {
    char* uri = BuildFileUri(files[i]);
    g_variant_builder_add(&uris, "s", uri);
    g_free(uri);
  }
  // An empty startup id: there is no launch of ours for it to carry on.
  GVariant* reply = g_dbus_connection_call_sync(
      bus, kFileManager, kFileManagerPath, kFileManager, "ShowItems",
      g_variant_new("(ass)", &uris, ""), nullptr, G_DBUS_CALL_FLAGS_NONE,
      kFileManagerTimeoutMilliseconds, nullptr, nullptr);
  if (reply != nullptr) g_variant_unref(reply);
  g_dbus_connection_close_sync(bus, nullptr, nullptr);
  g_object_unref(bus);
}
