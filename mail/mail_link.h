// A new message through the system's handler for mailto: links, where no
// mail program takes Simple MAPI.
#ifndef POSTLARK_MAIL_MAIL_LINK_H_
#define POSTLARK_MAIL_MAIL_LINK_H_

#include <stdint.h>

#include "mail_message.h"

/// The most characters of a mailto: link: the handler gets it on its
/// command line, which holds 32,767 with the handler's own path.
const size_t kMailLinkLimit = 32000;

/// Opens a new message with the recipients (to, cc, bcc: addresses alone),
/// subject and body of `message` through the mailto: handler, without the
/// files, which no handler can take, and shows them selected in their
/// folder, for the user to add; or the copies that `copy_files` makes,
/// where not null, kept as drafts are, so that the caller may remove its
/// own. An empty path or a file that does not exist gives
/// MAPI_E_ATTACHMENT_NOT_FOUND, a folder MAPI_E_ATTACHMENT_OPEN_FAILURE, a
/// copy that cannot be made MAPI_E_ATTACHMENT_WRITE_FAILURE, a link longer
/// than kMailLinkLimit MAPI_E_TEXT_TOO_LARGE, and nothing opens; otherwise
/// MAPI_E_NOT_SUPPORTED, whether a handler took the link or none did (then
/// nothing is shown, and no copy kept). Prints nothing, and does not wait
/// for the user.
int32_t MailByLink(const MailMessage& message, CopyFilesFunction copy_files);

#endif  // POSTLARK_MAIL_MAIL_LINK_H_
