// A new message as a draft that the user's mail program opens, where that
// program takes a message file and no Simple MAPI calls.
#ifndef POSTLARK_MAIL_MAIL_DRAFT_ROAD_H_
#define POSTLARK_MAIL_MAIL_DRAFT_ROAD_H_

#include <stdint.h>

#include "mail_message.h"

/// Writes a draft of `message`, with all of each of its files, in a new
/// draft folder, and starts `program` (the new Outlook's olk.exe) with the
/// draft's path. Sets `*status`: 0 once the program has started;
/// MAPI_E_ATTACHMENT_NOT_FOUND for an empty path or a file that does not
/// exist and MAPI_E_ATTACHMENT_OPEN_FAILURE for a folder or a file that
/// cannot be read, with nothing started; MAPI_E_ATTACHMENT_WRITE_FAILURE
/// where the draft cannot be written, or MAPI_E_INSUFFICIENT_MEMORY. False,
/// with nothing left behind, where the program could not be started.
/// Prints nothing, and does not wait for the user.
bool MailByDraft(const wchar_t* program, const MailMessage& message, int32_t* status);

#endif  // POSTLARK_MAIL_MAIL_DRAFT_ROAD_H_
