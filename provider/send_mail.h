// Opening a message in the desktop's default mail client, with private
// snapshots of its files: the whole of what MAPISendMail does here.
#ifndef POSTLARK_PROVIDER_SEND_MAIL_H_
#define POSTLARK_PROVIDER_SEND_MAIL_H_

#include "simple_mapi.h"

/// Checks `message` and hands it to the default mail client, as
/// MAPISendMail answers: SUCCESS_SUCCESS once the client has the message
/// with every file; MAPI_E_NOT_SUPPORTED where `flags` lack MAPI_DIALOG,
/// where there is no mail client, and where the client can take no file
/// (it opens the message without them, and the file manager shows the
/// snapshot); MAPI_E_FAILURE, MAPI_E_BAD_RECIPTYPE, MAPI_E_INVALID_RECIPS
/// or an attachment's error for a message that cannot be handed on. SIGCHLD
/// must have its default handling while it runs. `activation_token`, where
/// not null, goes to the client (see LaunchMailClient).
ULONG SendMail(const MapiMessage* message, FLAGS flags, const char* activation_token = nullptr);

#endif  // POSTLARK_PROVIDER_SEND_MAIL_H_
