// Starting the desktop's mail client with a message, through GIO.
#ifndef POSTLARK_PROVIDER_LAUNCH_H_
#define POSTLARK_PROVIDER_LAUNCH_H_

#include <gio/gio.h>

#include "simple_mapi.h"

/// How long a started client is watched for an early failure.
const int kEarlyFailureMilliseconds = 2000;

/// The desktop's default application for mailto: URIs, or null if none is
/// set. Release it with g_object_unref.
GAppInfo* FindMailClient();

/// Starts `client` detached, in a session of its own, with default signal
/// handling and no descriptor but 0, 1 and 2, all three /dev/null, handing
/// it `message` with the attachment copies `attachments`: a client of the
/// table in mail_clients.h with its desktop entry's command line and its
/// own words for the message, in a terminal if the entry asks for one; any
/// other client, and one that takes no file, with a mailto: URI through GIO.
/// Never waits for the client to end: it returns SUCCESS_SUCCESS once the
/// client is started and has not failed within kEarlyFailureMilliseconds,
/// and MAPI_E_FAILURE if it could
/// not be started (no terminal for one that needs it, say), its D-Bus
/// activation failed, or it exited non-zero within that time. An
/// `activation_token` (null for none) goes to a client that is started as
/// XDG_ACTIVATION_TOKEN and DESKTOP_STARTUP_ID, so that it may raise its
/// window.
ULONG LaunchMailClient(GAppInfo* client, const MapiMessage* message,
                       char* const attachments[], const char* activation_token = nullptr);

#endif  // POSTLARK_PROVIDER_LAUNCH_H_
