// Sending a message from the desktop's default mail client: what
// libmapi32.so's MAPISendMail does, for every caller of this library.

#include "send_mail.h"

#include <glib.h>

#include "compose.h"
#include "desktop_entry.h"
#include "file_manager.h"
#include "launch.h"
#include "mail_clients.h"
#include "portal.h"
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

// Hands `message` to `client` with the snapshot's copies; a Flatpak or
// snap cannot see our cache: it is handed them where the document portal
// shows them, or, if it cannot be, is not started.
ULONG StartWithFiles(GAppInfo* client, const MapiMessage* message, const Snapshot& snapshot,
                     const char* activation_token) {
  char* app_id = SandboxAppId(client);
  char** exported = nullptr;
  ULONG result = SUCCESS_SUCCESS;
  if (app_id != nullptr && snapshot.count > 0)
    result = ExportToSandbox(app_id, snapshot.copies, snapshot.count, &exported);
  if (result == SUCCESS_SUCCESS)
    result = LaunchMailClient(client, message, exported != nullptr ? exported : snapshot.copies,
                              activation_token);
  g_strfreev(exported);
  g_free(app_id);
  return result;
}

// Hands `message` without its attachments to a client that can take none,
// sandboxed or not: it is given no file through the portal either. The file
// manager that will show them starts meanwhile.
ULONG StartWithoutFiles(GAppInfo* client, const MapiMessage* message, const char* activation_token) {
  WakeFileManager();
  MapiMessage alone = *message;
  alone.nFileCount = 0;
  alone.lpFiles = nullptr;
  return LaunchMailClient(client, &alone, nullptr, activation_token);
}

}  // namespace

ULONG SendMail(const MapiMessage* message, FLAGS flags, const char* activation_token) {
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
    bool takes_files = snapshot.count == 0 || MailClientTakesFiles(client);
    result = takes_files ? StartWithFiles(client, message, snapshot, activation_token)
                         : StartWithoutFiles(client, message, activation_token);
    if (result == SUCCESS_SUCCESS && !takes_files) {
      // The client has the message but not its file: the user is shown the
      // snapshot, which stays, to add it by hand, and the caller is told.
      ShowInFileManager(snapshot.copies, snapshot.count);
      FreeSnapshot(&snapshot, false);
      result = MAPI_E_NOT_SUPPORTED;
    } else {
      // A client that never started will not read the snapshot.
      FreeSnapshot(&snapshot, result != SUCCESS_SUCCESS);
    }
  }
  g_free(cache);
  g_object_unref(client);
  return result;
}
