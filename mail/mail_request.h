// The request of one mail submission: private copies of the three texts and
// the two Simple MAPI records that point at them.
#ifndef POSTLARK_MAIL_MAIL_REQUEST_H_
#define POSTLARK_MAIL_MAIL_REQUEST_H_

#include "simple_mapi.h"

/// Bytes in each text field: 255 characters and the terminating zero.
const int MailTextCapacity = 256;

/// Everything one call of MAPISendMail needs. The records point into the
/// request itself, so a built request must neither move nor be copied.
struct MailRequest {
  char attachment_display_name[MailTextCapacity];
  char attachment_path[MailTextCapacity];
  char subject[MailTextCapacity];
  char note[MailTextCapacity];
  MapiFileDesc attachment;
  MapiMessage message;
};

/// What BuildMailRequest made of its texts.
enum MailRequestResult {
  kMailRequestBuilt = 0,
  kMailPathTooLong,
  kMailSubjectTooLong,
  kMailBodyTooLong,
};

/// Fills `request` from three zero-terminated texts, copied byte for byte.
/// The message names no recipient and attaches the file at `path`, whose
/// display name is the path's last component (empty where the path ends in
/// a separator: the mail system then names the file itself). A text that does not fit its
/// field is refused, never cut: the first one too long, in the order path,
/// subject, body, is reported and `request` is left untouched.
MailRequestResult BuildMailRequest(MailRequest* request, const char* path,
                                   const char* subject, const char* body);

#endif  // POSTLARK_MAIL_MAIL_REQUEST_H_
