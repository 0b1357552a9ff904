// A message as a caller of the desktop's Email portal describes it, read
// into the records the Linux mail library sends.
#ifndef POSTLARK_PORTAL_EMAIL_REQUEST_H_
#define POSTLARK_PORTAL_EMAIL_REQUEST_H_

#include <stddef.h>

#include <glib.h>

#include "simple_mapi.h"

/// The most recipients and files one message takes, as on Windows.
const size_t kEmailMaxRecipients = 64;
const size_t kEmailMaxAttachments = 64;

/// The message of one ComposeEmail call. Its texts point into the options
/// it was read from, which must outlive it.
struct EmailRequest {
  MapiRecipDesc recipients[kEmailMaxRecipients];
  MapiFileDesc files[kEmailMaxAttachments];
  MapiMessage message;
  /// What the client may take to raise its window, or null.
  const char* activation_token;
};

/// Reads ComposeEmail's `options` (a{sv}: "address" s, "addresses", "cc"
/// and "bcc" as, "subject" and "body" s, "attachments" as of absolute
/// paths, "activation_token" s; others are left alone) into `request`.
/// False, with `error` saying why, for a value of another type, a
/// recipient that is not a mail address as it stands, an attachment that
/// is not an absolute path, text that is not UTF-8, or more recipients or
/// files than a message takes.
bool ReadEmailOptions(GVariant* options, EmailRequest* request, const char** error);

#endif  // POSTLARK_PORTAL_EMAIL_REQUEST_H_
