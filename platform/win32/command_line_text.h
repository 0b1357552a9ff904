// The texts of the command line, as Windows starts every program with them.
#ifndef POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
#define POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_

#include <stdint.h>

/// A character of the command line: Windows hands every program UTF-16, and
/// the C runtime's wide start-up (wmain) passes it on unconverted.
typedef wchar_t CommandLineChar;

/// MailFile for the command line's UTF-16 texts. Where all three have an
/// exact form in the ANSI code page, mails those through MailFile, byte for
/// byte. Otherwise mails the UTF-16 texts through MAPISendMailW: each may be
/// 255 code units long, and a longer one is refused as MailFile refuses it;
/// if the mail library has no MAPISendMailW, nothing is sent, a line names
/// the first text without an exact narrow form, and the status is
/// MAPI_E_UNICODE_NOT_SUPPORTED. No look-alike is ever handed on.
int32_t MailFile(const wchar_t* path, const wchar_t* subject, const wchar_t* body);

#endif  // POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
