// Handing a Simple MAPI message to the desktop's mail composer through
// xdg-email.
#ifndef POSTLARK_PROVIDER_XDG_EMAIL_H_
#define POSTLARK_PROVIDER_XDG_EMAIL_H_

#include "simple_mapi.h"

/// The argument vector of one xdg-email run, built from a message. Owns its
/// memory; release it with FreeXdgEmailCommand.
struct XdgEmailCommand {
  char** argv;          // null-terminated; argv[0] is "xdg-email"
  char** owned;         // the texts made for it (absolute paths)
  unsigned long owned_count;
};

/// Checks `message` and builds the xdg-email command for it: --utf8 when
/// `utf8`, the subject and body unless empty or only blanks, every
/// attachment made absolute against `working_directory`, and the
/// recipients (To as plain addresses, Cc and Bcc with their options, an
/// "SMTP:" prefix stripped). Returns SUCCESS_SUCCESS with `command` filled,
/// or the Simple MAPI code that tells why not; then `command` holds nothing
/// to free. Attachments are checked on disk: missing is
/// MAPI_E_ATTACHMENT_NOT_FOUND, present but unreadable
/// MAPI_E_ATTACHMENT_OPEN_FAILURE.
ULONG BuildXdgEmailCommand(const MapiMessage* message,
                           const char* working_directory, bool utf8,
                           XdgEmailCommand* command);

/// Releases what BuildXdgEmailCommand allocated.
void FreeXdgEmailCommand(XdgEmailCommand* command);

/// Starts xdg-email from PATH with `argv`, never through a shell, waits for
/// it and returns the Simple MAPI code for how it ended.
ULONG RunXdgEmail(char* const argv[]);

/// The Simple MAPI code for a wait status of xdg-email.
ULONG MapXdgEmailStatus(int wait_status);

/// Whether the user's locale, as the environment sets it, uses UTF-8.
bool LocaleUsesUtf8();

#endif  // POSTLARK_PROVIDER_XDG_EMAIL_H_
