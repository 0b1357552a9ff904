// A new, unsent message as a message file (.eml) that a mail program opens
// as a draft: subject, body and the attachment in MIME form.
#ifndef POSTLARK_MAIL_MAIL_DRAFT_H_
#define POSTLARK_MAIL_MAIL_DRAFT_H_

#include <stddef.h>
#include <stdio.h>

/// Where a recipient goes in a draft: its header.
enum DraftRecipientClass { kDraftTo, kDraftCc, kDraftBcc };

/// One recipient: an address (IsMailAddress), and a display name or null.
struct DraftRecipient {
  DraftRecipientClass recipient_class;
  const char* address;
  const char* name;
};

/// One file to attach: the name its recipient sees, and the file, open
/// for reading.
struct DraftAttachment {
  const char* name;
  FILE* file;
};

/// What a draft holds. Texts are zero-terminated UTF-8.
struct DraftMessage {
  const char* subject;
  const char* body;
  const DraftRecipient* recipients;
  size_t recipient_count;
  const DraftAttachment* attachments;
  size_t attachment_count;
};

/// Whether `text` can stand in a header as an address, as it is: a local
/// part, "@" and a domain, of printable ASCII with none of the characters
/// that end or quote an address in a header, and up to 254 characters.
bool IsMailAddress(const char* text);

/// Writes to `out` a message marked unsent (X-Unsent: 1), with no sender:
/// its recipients in To, Cc and Bcc, each with its display name (quoted,
/// or in encoded-words); the subject on one line (each line break and tab a
/// blank; left out where blank); the body as text/plain in
/// quoted-printable, each of its line breaks (CR LF, LF or CR) as CR LF;
/// and all that can be read from each attachment, in base64, under its
/// name. Every line ends in CR LF; header lines keep to 78 characters (76
/// with an encoded-word), the others to 76, and none ends in a blank or
/// tab. Attachments are streamed through a few KiB of buffers, whatever
/// their size. False where an address is not one (and nothing is
/// written), an attachment could not be read to its end, or `out` not
/// written.
bool WriteDraft(FILE* out, const DraftMessage& message);

#endif  // POSTLARK_MAIL_MAIL_DRAFT_H_
