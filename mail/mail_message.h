// A new message as Windows' roads without Simple MAPI take it: from
// Postlark.exe's command line, or from a program's Simple MAPI call to
// Postlark's mail library.
#ifndef POSTLARK_MAIL_MAIL_MESSAGE_H_
#define POSTLARK_MAIL_MAIL_MESSAGE_H_

#include <stddef.h>
#include <stdint.h>

#include "draft_folder.h"  // kDraftFolderCapacity, <windows.h>
#include "mail_draft.h"    // DraftRecipientClass

/// The most files and recipients one message takes.
const size_t kMailMaxAttachments = 64;
const size_t kMailMaxRecipients = 64;

/// One recipient: an address (IsMailAddress), and a display name or null.
struct MailRecipient {
  DraftRecipientClass recipient_class;
  const char* address;
  const wchar_t* name;
};

/// One file: its full path, and the name its recipient sees.
struct MailAttachment {
  const wchar_t* full_path;
  const wchar_t* name;
};

/// What the message holds: zero-terminated UTF-16 texts, up to
/// kMailMaxRecipients recipients and kMailMaxAttachments files.
struct MailMessage {
  const wchar_t* subject;
  const wchar_t* body;
  const MailRecipient* recipients;
  size_t recipient_count;
  const MailAttachment* attachments;
  size_t attachment_count;
};

/// Copies the files of `message` into a new draft folder, `folder`, and
/// writes the copies' paths into `paths`: a status. Where it fails,
/// nothing is left behind.
typedef int32_t (*CopyFilesFunction)(const MailMessage& message,
                                     wchar_t (&folder)[kDraftFolderCapacity],
                                     wchar_t (*paths)[MAX_PATH]);

/// Opens `message` where no mail program takes Simple MAPI calls: where
/// the user's program for mailto: links is the new Outlook, as a draft
/// that olk.exe opens (0, or MailByDraft's status); otherwise as a mailto:
/// link, with Explorer showing the files, or the copies that `copy_files`
/// makes, where not null (MailByLink's status). Prints nothing, and does
/// not wait for the user; every file has been read or copied when it
/// returns.
int32_t MailWithoutMapi(const MailMessage& message, CopyFilesFunction copy_files);

#endif  // POSTLARK_MAIL_MAIL_MESSAGE_H_
