// email_caller OPTIONS [FILE...]: mails through the desktop's Email portal
// as libportal and Qt do: ComposeEmail with OPTIONS (a{sv} in GVariant's
// text form) and, as "attachment_fds", each FILE opened with O_PATH. Prints
// the portal's response ("response N") once it comes, and only then
// deletes each FILE, as a caller may.
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <gio/gio.h>
#include <gio/gunixfdlist.h>

namespace {

struct Wait {
  GMainLoop* loop;
  guint32 response;
};

void OnResponse(GDBusConnection*, const char*, const char*, const char*, const char*,
                GVariant* parameters, gpointer data) {
  auto* wait = static_cast<Wait*>(data);
  g_variant_get(parameters, "(u@a{sv})", &wait->response, nullptr);
  g_main_loop_quit(wait->loop);
}

gboolean OnTimeout(gpointer data) {
  g_main_loop_quit(static_cast<Wait*>(data)->loop);
  return G_SOURCE_REMOVE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: email_caller OPTIONS [FILE...]\n");
    return 2;
  }
  GError* error = nullptr;
  GVariant* parsed = g_variant_parse(G_VARIANT_TYPE_VARDICT, argv[1], nullptr, nullptr, &error);
  if (parsed == nullptr) {
    fprintf(stderr, "email_caller: %s\n", error->message);
    return 2;
  }
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error);
  if (bus == nullptr) {
    fprintf(stderr, "email_caller: %s\n", error->message);
    return 1;
  }
  // The request's path, known before the call, so that its answer is not missed.
  char* sender = g_strdup(g_dbus_connection_get_unique_name(bus) + 1);
  for (char* c = sender; *c != '\0'; ++c)
    if (*c == '.') *c = '_';
  char* handle = g_strdup_printf("/org/freedesktop/portal/desktop/request/%s/postlark", sender);
  Wait wait = {g_main_loop_new(nullptr, FALSE), 99};
  g_dbus_connection_signal_subscribe(bus, "org.freedesktop.portal.Desktop", "org.freedesktop.portal.Request",
                                     "Response", handle, nullptr, G_DBUS_SIGNAL_FLAGS_NONE, OnResponse,
                                     &wait, nullptr);
  GVariantBuilder options;
  g_variant_builder_init(&options, G_VARIANT_TYPE_VARDICT);
  GVariantIter iter;
  const char* key;
  GVariant* value;
  g_variant_iter_init(&iter, parsed);
  while (g_variant_iter_next(&iter, "{&sv}", &key, &value)) {
    g_variant_builder_add(&options, "{sv}", key, value);
    g_variant_unref(value);
  }
  g_variant_builder_add(&options, "{sv}", "handle_token", g_variant_new_string("postlark"));
  GUnixFDList* fds = g_unix_fd_list_new();
  if (argc > 2) {
    GVariantBuilder handles;
    g_variant_builder_init(&handles, G_VARIANT_TYPE("ah"));
    for (int i = 2; i < argc; ++i) {
      int fd = open(argv[i], O_PATH | O_CLOEXEC);
      if (fd < 0) {
        perror(argv[i]);
        return 1;
      }
      g_variant_builder_add(&handles, "h", g_unix_fd_list_append(fds, fd, nullptr));
      close(fd);
    }
    g_variant_builder_add(&options, "{sv}", "attachment_fds", g_variant_builder_end(&handles));
  }
  GVariant* reply = g_dbus_connection_call_with_unix_fd_list_sync(
      bus, "org.freedesktop.portal.Desktop", "/org/freedesktop/portal/desktop",
      "org.freedesktop.portal.Email", "ComposeEmail", g_variant_new("(sa{sv})", "", &options),
      G_VARIANT_TYPE("(o)"), G_DBUS_CALL_FLAGS_NONE, 30000, fds, nullptr, nullptr, &error);
  if (reply == nullptr) {
    printf("error: %s\n", error->message);
    return 1;
  }
  g_variant_unref(reply);
  g_timeout_add_seconds(30, OnTimeout, &wait);
  g_main_loop_run(wait.loop);
  printf("response %u\n", wait.response);
  for (int i = 2; i < argc; ++i) unlink(argv[i]);
  g_object_unref(fds);
  g_variant_unref(parsed);
  g_main_loop_unref(wait.loop);
  g_free(handle);
  g_free(sender);
  g_object_unref(bus);
  return 0;
}
