// A new message through the system's handler for mailto: links, where no
// mail program takes Simple MAPI.
#ifndef POSTLARK_MAIL_MAIL_LINK_H_
#define POSTLARK_MAIL_MAIL_LINK_H_

#include <stdint.h>

/// Opens a new message with `subject` and `body` (each up to 255 UTF-16
/// code units) through the mailto: handler, without the file, which no
/// handler can take, and shows the file at `full_path` selected in its
/// folder, for the user to add. An empty path or a file that does not
/// exist gives MAPI_E_ATTACHMENT_NOT_FOUND, a folder
/// MAPI_E_ATTACHMENT_OPEN_FAILURE, and nothing opens; otherwise
/// MAPI_E_NOT_SUPPORTED, whether a handler took the link or none did.
/// Prints nothing, and does not wait for the user.
int32_t MailByLink(const wchar_t* full_path, const wchar_t* subject, const wchar_t* body);

#endif  // POSTLARK_MAIL_MAIL_LINK_H_
