// Copies of a message's files, for a caller that may remove its own as
// soon as the message has opened.
#ifndef POSTLARK_MAIL_MAIL_COPIES_H_
#define POSTLARK_MAIL_MAIL_COPIES_H_

#include "mail_message.h"

/// A CopyFilesFunction: each copy is named as its file's recipient sees it
/// where a file can have that name, else as the file itself; where a name
/// is taken, "(2) name", "(3) name"…; MAPI_E_ATTACHMENT_WRITE_FAILURE where
/// a copy cannot be made.
int32_t CopyMessageFiles(const MailMessage& message, wchar_t (&folder)[kDraftFolderCapacity],
                         wchar_t (*paths)[MAX_PATH]);

/// What follows the last "\" or "/" of `path`: a file's own name.
const wchar_t* LastComponent(const wchar_t* path);

#endif  // POSTLARK_MAIL_MAIL_COPIES_H_
