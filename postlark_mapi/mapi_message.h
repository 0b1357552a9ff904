// A caller's Simple MAPI message, read with care: the records come from
// another program, which may hand over anything.
#ifndef POSTLARK_MAPI_MAPI_MESSAGE_H_
#define POSTLARK_MAPI_MAPI_MESSAGE_H_

#include "simple_mapi.h"

/// The most UTF-16 code units, or bytes of a narrow text, that a subject,
/// a name or an address may have with its terminating zero, and a body.
const size_t kMapiTextLimit = 1024;
const size_t kMapiBodyLimit = 65536;

/// Opens the message in `message` (narrow texts in `code_page`, CP_ACP or
/// CP_UTF8) for the user, as MailWithoutMapi does, with copies of its
/// files. Every file has been read or copied when it returns. Returns 0
/// for a draft opened, MAPI_E_NOT_SUPPORTED for a link, or what is wrong
/// with the message: MAPI_E_FAILURE for a null record or a count without
/// its array; MAPI_E_TOO_MANY_FILES or MAPI_E_TOO_MANY_RECIPIENTS past
/// kMailMaxAttachments or kMailMaxRecipients; MAPI_E_TEXT_TOO_LARGE for a
/// text without its end within its limit, or a path that is too long in
/// full; MAPI_E_INVALID_MESSAGE for a text with no exact UTF-16 form (bytes
/// not of its code page, a lone surrogate); MAPI_E_BAD_RECIPTYPE for a
/// class other than MAPI_ORIG (left out), MAPI_TO, MAPI_CC and MAPI_BCC;
/// MAPI_E_INVALID_RECIPS for a recipient with no address;
/// MAPI_E_ATTACHMENT_NOT_FOUND for a file without a path.
ULONG SendMapiMessage(const MapiMessage* message, UINT code_page);
ULONG SendMapiMessage(const MapiMessageW* message);

#endif  // POSTLARK_MAPI_MAPI_MESSAGE_H_
