#include "launch.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <initializer_list>

#include <gio/gdesktopappinfo.h>

#include "compose.h"
#include "mail_clients.h"

namespace {

// The client's standard streams are /dev/null: it must not hold open a
// pipe that a script reads our output from, nor write into it.
const GSpawnFlags kSpawnFlags = static_cast<GSpawnFlags>(
    G_SPAWN_SEARCH_PATH | G_SPAWN_DO_NOT_REAP_CHILD | G_SPAWN_STDIN_FROM_DEV_NULL |
    G_SPAWN_STDOUT_TO_DEV_NULL | G_SPAWN_STDERR_TO_DEV_NULL);

// In the client, between fork and exec: a session of its own, so that it
// outlives us and a Ctrl-C or hang-up meant for us; and the signal handling
// a program expects to start with, whatever ours is.
void PrepareClient(gpointer) {
  setsid();
  struct sigaction default_action = {};
  default_action.sa_handler = SIG_DFL;
  for (int signal_number = 1; signal_number < NSIG; ++signal_number)
    sigaction(signal_number, &default_action, nullptr);
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
}

void RememberPid(GDesktopAppInfo*, GPid pid, gpointer data) {
  *static_cast<GPid*>(data) = pid;
}

// A client that exits within the time allowed says how it went; one that
// is still running has the message. Its process descriptor, where the
// kernel has them, wakes us the moment it ends.
ULONG WatchForEarlyFailure(GPid pid) {
  int descriptor = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  gint64 deadline = g_get_monotonic_time() + kEarlyFailureMilliseconds * 1000;
  ULONG result = SUCCESS_SUCCESS;
  for (;;) {
    int status;
    pid_t ended = waitpid(pid, &status, WNOHANG);
    if (ended == pid || (ended < 0 && errno != EINTR)) {
      bool success = ended == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
      result = success ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
      break;
    }
    gint64 left = (deadline - g_get_monotonic_time()) / 1000;
    if (left <= 0) break;
    struct pollfd ending = {descriptor, POLLIN, 0};
    if (descriptor < 0 || poll(&ending, 1, static_cast<int>(left)) < 0) g_usleep(10 * 1000);
  }
  if (descriptor >= 0) close(descriptor);
  return result;
}

struct DBusLaunch {
  bool done = false;
  bool started = false;
};

void DBusLaunchDone(GObject* client, GAsyncResult* result, gpointer data) {
  auto* launch = static_cast<DBusLaunch*>(data);
  launch->started = g_app_info_launch_uris_finish(G_APP_INFO(client), result, nullptr);
  launch->done = true;
}

// A client started by D-Bus activation is no child of ours: its failure is
// the activation's reply, awaited for the time allowed.
ULONG LaunchThroughDBus(GAppInfo* client, GList* uris, GAppLaunchContext* launch_context) {
  GMainContext* context = g_main_context_new();
  g_main_context_push_thread_default(context);
  DBusLaunch launch;
  g_app_info_launch_uris_async(client, uris, launch_context, nullptr, DBusLaunchDone, &launch);
  gint64 deadline = g_get_monotonic_time() + kEarlyFailureMilliseconds * 1000;
  while (!launch.done && g_get_monotonic_time() < deadline) {
    if (!g_main_context_iteration(context, FALSE)) g_usleep(10 * 1000);
  }
  g_main_context_pop_thread_default(context);
  g_main_context_unref(context);
  return !launch.done || launch.started ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}

// Starts `command` in a terminal, as GIO starts a desktop entry that asks
// for one: its own terminal search, its own command line for it. That line
// is split by the shell's quoting rules and has its field codes expanded,
// so each word goes in quoted and every "%" doubled.
gboolean SpawnInTerminal(char* const command[], GAppLaunchContext* context, GPid* pid) {
  GString* line = g_string_new(nullptr);
  for (char* const* word = command; *word != nullptr; ++word) {
    char* quoted = g_shell_quote(*word);
    for (const char* c = quoted; *c != '\0'; ++c) {
      if (*c == '%') g_string_append_c(line, '%');
      g_string_append_c(line, *c);
    }
    g_string_append_c(line, ' ');
    g_free(quoted);
  }
  GAppInfo* terminal = g_app_info_create_from_commandline(
      line->str, nullptr, G_APP_INFO_CREATE_NEEDS_TERMINAL, nullptr);
  g_string_free(line, TRUE);
  gboolean started = terminal != nullptr && G_IS_DESKTOP_APP_INFO(terminal) &&
                     g_desktop_app_info_launch_uris_as_manager(
                         G_DESKTOP_APP_INFO(terminal), nullptr, context, kSpawnFlags,
                         PrepareClient, nullptr, RememberPid, pid, nullptr);
  if (terminal != nullptr) g_object_unref(terminal);
  return started;
}

}  // namespace

GAppInfo* FindMailClient() {
  return g_app_info_get_default_for_uri_scheme("mailto");
}

ULONG LaunchMailClient(GAppInfo* client, const MapiMessage* message,
                       char* const attachments[], const char* activation_token) {
  GPid pid = 0;
  gboolean started;
  // The token goes in the client's environment alone, never in ours: a
  // caller's other threads may read our environment.
  GAppLaunchContext* context = g_app_launch_context_new();
  char** environment = g_get_environ();
  if (activation_token != nullptr) {
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
      g_app_launch_context_setenv(context, name, activation_token);
      environment = g_environ_setenv(environment, name, activation_token, TRUE);
    }
  }
  // A client of the table is started with its desktop entry's command line,
  // which may start it in a sandbox or a terminal, and then its own words
  // for the message.
  char** command = MailClientCommand(client, message, attachments);
  if (command != nullptr) {
    if (g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(client), "Terminal"))
      started = SpawnInTerminal(command, context, &pid);
    else
      started = g_spawn_async(nullptr, command, environment, kSpawnFlags, PrepareClient, nullptr,
                              &pid, nullptr);
    g_strfreev(command);
  } else {
    char* mailto = BuildMailtoUri(message, attachments);
    GList uris = {mailto, nullptr, nullptr};
    if (G_IS_DESKTOP_APP_INFO(client) &&
        g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(client), "DBusActivatable")) {
      ULONG result = LaunchThroughDBus(client, &uris, context);
      g_free(mailto);
      g_strfreev(environment);
      g_object_unref(context);
      return result;
    }
    started = G_IS_DESKTOP_APP_INFO(client) &&
              g_desktop_app_info_launch_uris_as_manager(
                  G_DESKTOP_APP_INFO(client), &uris, context, kSpawnFlags, PrepareClient,
                  nullptr, RememberPid, &pid, nullptr);
    g_free(mailto);
  }
  g_strfreev(environment);
  g_object_unref(context);
  if (!started) return MAPI_E_FAILURE;
  return pid > 0 ? WatchForEarlyFailure(pid) : SUCCESS_SUCCESS;
}
