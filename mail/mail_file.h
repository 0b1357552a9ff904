// One submission of a file to the user's mail system through Simple MAPI.
#ifndef POSTLARK_MAIL_MAIL_FILE_H_
#define POSTLARK_MAIL_MAIL_FILE_H_

#include <stdint.h>

#include "command_line_text.h"
#include "mail_request.h"
#include "simple_mapi.h"

/// The platform's Simple MAPI library.
inline constexpr char kMailLibrary[] = "MAPI32.DLL";

/// Opens the mail client's dialog for a new message with `subject`, `body`
/// and the file at `path` attached, and waits until the user has sent or
/// cancelled it. Returns MapMailResult of MAPISendMail's code; -1 with a
/// line on standard output when the mail library cannot be loaded or has no
/// MAPISendMail; MAPI_E_TEXT_TOO_LARGE with a line when a text does not fit,
/// before the library is loaded.
int32_t MailFile(const char* path, const char* subject, const char* body);

/// MailFile for the texts of the command line, as the platform hands them
/// over: on Linux bytes, and so the function above. On Windows UTF-16
/// (mail_file-win32.cc): the path made full for the working folder and
/// drive (a full path over 255 characters is refused as a text too long
/// is). Where all three have an exact form of up to 255 bytes in the ANSI
/// code page, mails those through the function above, byte for byte.
/// Otherwise mails the UTF-16 texts through MAPISendMailW, each up to 255
/// code units, and a longer one is refused; if the mail library has no
/// MAPISendMailW, nothing is sent, a line names the first text the narrow
/// road cannot take, and the status is MAPI_E_UNICODE_NOT_SUPPORTED (or
/// MAPI_E_TEXT_TOO_LARGE where it is only too long). No look-alike is ever
/// handed on. Where the registry names no mail program that takes Simple
/// MAPI, the message opens through a mailto: link instead (MailByLink).
int32_t MailFile(const CommandLineChar* path, const CommandLineChar* subject,
                 const CommandLineChar* body);

/// How the user knows the three texts, in the order path, subject, body.
extern const char* const kMailTextNames[3];

/// Writes the line that names the text `result` refuses (a refusal, not
/// kMailRequestBuilt), and returns MAPI_E_TEXT_TOO_LARGE.
int32_t ReportTextTooLong(MailRequestResult result);

/// The run's status for a Simple MAPI result code: 0 for a message sent or
/// cancelled by the user, otherwise the code itself.
int32_t MapMailResult(ULONG code);

#endif  // POSTLARK_MAIL_MAIL_FILE_H_
