// postlark-portal: the desktop's Email portal, served by Postlark's Linux
// mail library. xdg-desktop-portal calls ComposeEmail here for every
// program that mails through the portal (a file manager's "Email…", a
// sandboxed app's mailto: link), and each call opens one new message in
// the user's mail client, as MAPISendMail opens it. Started by D-Bus
// activation; ends by itself once idle.

#include <signal.h>
#include <stdio.h>
#include <string.h>

#include <gio/gio.h>

#include "backend_choice.h"
#include "email_request.h"
#include "send_mail.h"

namespace {

const char kBusName[] = "org.freedesktop.impl.portal.desktop.postlark";
const char kObjectPath[] = "/org/freedesktop/portal/desktop";
const char kInterface[] =
    "<node><interface name='org.freedesktop.impl.portal.Email'>"
    "<method name='ComposeEmail'>"
    "<arg type='o' name='handle' direction='in'/><arg type='s' name='app_id' direction='in'/>"
    "<arg type='s' name='parent_window' direction='in'/><arg type='a{sv}' name='options' direction='in'/>"
    "<arg type='u' name='response' direction='out'/><arg type='a{sv}' name='results' direction='out'/>"
    "</method>"
    "<property name='version' type='u' access='read'/>"
    "</interface></node>";
// How long the service waits for another call before it ends.
const unsigned kIdleSeconds = 60;

// The portal's answers: the user has the message; something else.
const guint32 kResponseSuccess = 0, kResponseOther = 2;

struct Service {
  GMainLoop* loop;
  guint idle;
  bool lost;  // the bus name: another instance has it, or there is no bus
};

gboolean EndWhenIdle(gpointer data) {
  auto* service = static_cast<Service*>(data);
  service->idle = 0;
  g_main_loop_quit(service->loop);
  return G_SOURCE_REMOVE;
}

void RestartIdleTimer(Service* service) {
  if (service->idle != 0) g_source_remove(service->idle);
  service->idle = g_timeout_add_seconds(kIdleSeconds, EndWhenIdle, service);
}

// One message, sent as MAPISendMail sends it.
guint32 ComposeEmail(GVariant* options) {
  EmailRequest request;
  const char* error = nullptr;
  if (!ReadEmailOptions(options, &request, &error)) {
    g_message("ComposeEmail refused: %s", error);
    return kResponseOther;
  }
  ULONG result = SendMail(&request.message, MAPI_DIALOG | MAPI_LOGON_UI, request.activation_token);
  if (result != SUCCESS_SUCCESS) g_message("ComposeEmail: the mail library answered %u", static_cast<unsigned>(result));
  return result == SUCCESS_SUCCESS ? kResponseSuccess : kResponseOther;
}

void OnMethodCall(GDBusConnection*, const char*, const char*, const char*, const char* method,
                  GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data) {
  auto* service = static_cast<Service*>(data);
  if (strcmp(method, "ComposeEmail") != 0) {
    g_dbus_method_invocation_return_error(invocation, G_DBUS_ERROR, G_DBUS_ERROR_UNKNOWN_METHOD,
                                          "no method %s", method);
    return;
  }
  GVariant* options = g_variant_get_child_value(parameters, 3);
  guint32 response = ComposeEmail(options);
  g_variant_unref(options);
  g_dbus_method_invocation_return_value(invocation, g_variant_new("(u@a{sv})", response,
                                                                  g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0)));
  RestartIdleTimer(service);
}

GVariant* OnGetProperty(GDBusConnection*, const char*, const char*, const char*, const char*,
                        GError**, gpointer) {
  return g_variant_new_uint32(3);
}

void OnNameLost(GDBusConnection*, const char* name, gpointer data) {
  // Another instance has the name, or there is no bus.
  fprintf(stderr, "postlark-portal: could not own %s on the session bus\n", name);
  auto* service = static_cast<Service*>(data);
  service->lost = true;
  g_main_loop_quit(service->loop);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && strcmp(argv[1], "--enable") == 0) return EnableBackend();
  if (argc == 2 && strcmp(argv[1], "--disable") == 0) return DisableBackend();
  if (argc == 2 && strcmp(argv[1], "--status") == 0) return ShowBackend();
  if (argc > 1) {
    fprintf(stderr,
            "usage: postlark-portal [--enable | --disable | --status]\n"
            "  without an option, serves the desktop's Email portal (D-Bus starts it)\n"
            "  --enable   makes postlark your desktop's Email backend\n"
            "  --disable  undoes what --enable did\n"
            "  --status   says which backend serves Email now\n");
    return 2;
  }
  // Our waits for mail clients need SIGCHLD's default handling.
  signal(SIGCHLD, SIG_DFL);
  GError* error = nullptr;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
  if (bus == nullptr) {
    fprintf(stderr, "postlark-portal: no session bus: %s\n", error->message);
    g_error_free(error);
    return 1;
  }
  GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kInterface, nullptr);
  Service service = {g_main_loop_new(nullptr, FALSE), 0, false};
  const GDBusInterfaceVTable vtable = {OnMethodCall, OnGetProperty, nullptr, {}};
  guint object = g_dbus_connection_register_object(bus, kObjectPath, node->interfaces[0], &vtable,
                                                   &service, nullptr, &error);
  int status = 1;
  if (object == 0) {
    fprintf(stderr, "postlark-portal: %s\n", error->message);
    g_error_free(error);
  } else {
    guint name = g_bus_own_name_on_connection(bus, kBusName, G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE,
                                              nullptr, OnNameLost, &service, nullptr);
    RestartIdleTimer(&service);
    g_main_loop_run(service.loop);
    g_bus_unown_name(name);
    g_dbus_connection_unregister_object(bus, object);
    status = service.lost ? 1 : 0;
  }
  if (service.idle != 0) g_source_remove(service.idle);
  g_main_loop_unref(service.loop);
  g_dbus_node_info_unref(node);
  g_object_unref(bus);
  return status;
}
