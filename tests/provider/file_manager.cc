// A stand-in file manager: owns org.freedesktop.FileManager1 on the session
// bus, which starts it on demand, and appends each call of ShowItems to
// $FAKE_SHOWN; while $FAKE_SHOWN.hang exists it answers none. It takes its
// name a second and a half after it starts, as a file manager may on a cold
// start, and ends with the bus.
#include <stdio.h>

#include <gio/gio.h>

static void Call(GDBusConnection*, const char*, const char*, const char*, const char* method,
                 GVariant* parameters, GDBusMethodInvocation* invocation, gpointer) {
  g_autofree char* text = g_variant_print(parameters, FALSE);
  g_autofree char* hang = g_strconcat(g_getenv("FAKE_SHOWN"), ".hang", nullptr);
  FILE* file = fopen(g_getenv("FAKE_SHOWN"), "a");
  if (file != nullptr) fprintf(file, "%s %s\n", method, text), fclose(file);
  if (!g_file_test(hang, G_FILE_TEST_EXISTS)) g_dbus_method_invocation_return_value(invocation, nullptr);
}

int main() {
  g_usleep(1500 * 1000);
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(
      "<node><interface name='org.freedesktop.FileManager1'><method name='ShowItems'><arg type='as'/>"
      "<arg type='s'/></method></interface></node>", nullptr);
  const GDBusInterfaceVTable calls = {Call, nullptr, nullptr, {}};
  g_dbus_connection_register_object(bus, "/org/freedesktop/FileManager1", node->interfaces[0], &calls,
                                    nullptr, nullptr, nullptr);
  g_bus_own_name_on_connection(bus, "org.freedesktop.FileManager1", G_BUS_NAME_OWNER_FLAGS_NONE,
                               nullptr, nullptr, nullptr, nullptr);
  g_main_loop_run(g_main_loop_new(nullptr, FALSE));
}
