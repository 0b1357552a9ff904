// A new, unsent message as a message file (.eml) that a mail program opens
// as a draft: subject, body and the attachment in MIME form.
#ifndef POSTLARK_MAIL_MAIL_DRAFT_H_
#define POSTLARK_MAIL_MAIL_DRAFT_H_

#include <stdio.h>

/// Writes to `out` a message marked unsent (X-Unsent: 1), with no sender
/// and no recipients: the subject on one line (each line break and tab a
/// blank; left out where blank), the body as
/// text/plain in quoted-printable, each of its line breaks (CR LF, LF or
/// CR) as CR LF, and all that can be read from `attachment`, in base64,
/// named `file_name`. Texts are zero-terminated UTF-8. Every line ends in
/// CR LF; header lines keep to 78 characters (76 with an encoded-word),
/// the others to 76, and none ends in a blank or tab. The
/// attachment is streamed through fixed buffers, whatever its size. False
/// where `attachment` could not be read to its end or `out` not written.
bool WriteDraft(FILE* out, const char* subject, const char* body, const char* file_name,
                FILE* attachment);

#endif  // POSTLARK_MAIL_MAIL_DRAFT_H_
