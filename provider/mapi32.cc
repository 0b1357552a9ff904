// libmapi32.so: Simple MAPI's MAPISendMail for Linux desktops. The message
// goes to the desktop's default mail client, started detached through GIO,
// which shows it for the user to complete and send. The client is handed
// snapshots of the attachments, so the originals may go once we return; a
// client in a sandbox sees them through the document portal.

#include <signal.h>

#include <glib.h>

#include "compose.h"
#include "desktop_entry.h"
#include "launch.h"
#include "portal.h"
#include "simple_mapi.h"
#include "snapshot.h"

namespace {

ULONG CheckMessage(const MapiMessage* message, FLAGS flags) {
  if (message == nullptr || (message->nRecipCount > 0 && message->lpRecips == nullptr) ||
      (message->nFileCount > 0 && message->lpFiles == nullptr))
    return MAPI_E_FAILURE;
  // Without a window there is no way to send here: the client only opens
  // a composer.
  if ((flags & MAPI_DIALOG) == 0) return MAPI_E_NOT_SUPPORTED;
  ULONG recipients = CheckRecipients(message);
  if (recipients != SUCCESS_SUCCESS) return recipients;
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    if (message->lpFiles[i].lpszPathName == nullptr) return MAPI_E_FAILURE;
    ULONG attachment = CheckAttachment(message->lpFiles[i].lpszPathName);
    if (attachment != SUCCESS_SUCCESS) return attachment;
  }
  return SUCCESS_SUCCESS;
}

ULONG SendMail(const MapiMessage* message, FLAGS flags) {
  ULONG checked = CheckMessage(message, flags);
  if (checked != SUCCESS_SUCCESS) return checked;
  GAppInfo* client = FindMailClient();
  if (client == nullptr) return MAPI_E_NOT_SUPPORTED;

  char* folder = g_build_filename(g_get_user_cache_dir(), "postlark", nullptr);
  char* cache = g_canonicalize_filename(folder, nullptr);  // absolute, for the client
  g_free(folder);
  Snapshot snapshot;
  ULONG result = MakeSnapshot(message, cache, &snapshot);
  if (result == SUCCESS_SUCCESS) {
    // A Flatpak or snap cannot see our cache: it is handed the copies where
    // the document portal shows them, or, if it cannot be, is not started.
    char* app_id = SandboxAppId(client);
    char** exported = nullptr;
    if (app_id != nullptr && snapshot.count > 0)
      result = ExportToSandbox(app_id, snapshot.copies, snapshot.count, &exported);
    if (result == SUCCESS_SUCCESS)
      result = LaunchMailClient(client, message, exported != nullptr ? exported : snapshot.copies);
    // A client that never started will not read the snapshot.
    FreeSnapshot(&snapshot, result != SUCCESS_SUCCESS);
    g_strfreev(exported);
    g_free(app_id);
  }
  g_free(cache);
  g_object_unref(client);
  return result;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) ULONG MAPISendMail(
    LHANDLE /*lhSession*/, ULONG_PTR /*ulUIParam*/, lpMapiMessage lpMessage,
    FLAGS flFlags, ULONG /*ulReserved*/) {
  // Our waits need SIGCHLD's default handling: were it ignored, as a
  // caller may have it, no child could be waited for.
  struct sigaction default_action = {}, caller_action;
  default_action.sa_handler = SIG_DFL;
  sigaction(SIGCHLD, &default_action, &caller_action);
  ULONG result = SendMail(lpMessage, flFlags);
  sigaction(SIGCHLD, &caller_action, nullptr);
  return result;
}
