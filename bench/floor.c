/* The floor of the Linux road: the least any launcher does to hand a
 * message to the desktop's mail client. It asks GIO for the default mailto:
 * handler, starts it with one mailto: URI and waits for it to exit, as
 * Postlark does with a client that hands the message on at once.
 *
 *   floor MAILTO-URI */

#include <gio/gdesktopappinfo.h>
#include <sys/wait.h>

static void RememberPid(GDesktopAppInfo* info, GPid pid, gpointer data) {
  (void)info;
  *(GPid*)data = pid;
}

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  GAppInfo* client = g_app_info_get_default_for_uri_scheme("mailto");
  if (client == NULL || !G_IS_DESKTOP_APP_INFO(client)) return 1;
  GList uris = {argv[1], NULL, NULL};
  GPid pid = 0;
  int status = 1;
  if (g_desktop_app_info_launch_uris_as_manager(
          G_DESKTOP_APP_INFO(client), &uris, NULL,
          G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD, NULL, NULL, RememberPid, &pid, NULL))
    waitpid(pid, &status, 0);
  g_object_unref(client);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
