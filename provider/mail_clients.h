// The mail clients that take a message in words of their own, rather than a
// mailto: URI with its attachments: how each is known, and what it is given.
#ifndef POSTLARK_PROVIDER_MAIL_CLIENTS_H_
#define POSTLARK_PROVIDER_MAIL_CLIENTS_H_

#include <gio/gio.h>

#include "simple_mapi.h"

/// A row of the table: one mail client, or a family that takes the same
/// options.
struct MailClientKind;

/// The row of the client that `client`'s desktop entry starts: found by a
/// word of its Exec line that names one of the row's programs (a path's
/// basename or an option's value, as in --command=kmail, that begins with
/// it; not a desktop entry's file name), or by its Flatpak or snap name.
/// Null for a client not in the table, which is given a mailto: URI with
/// its attachments through GIO.
const MailClientKind* FindMailClientKind(GAppInfo* client);

/// The words that hand `message`, with the attachment copies `attachments`
/// (absolute paths), to a client of `kind`, to follow its desktop entry's
/// command line. A subject or body that is empty or only blanks is left out.
/// No word that comes from the user's texts can be taken for an option.
/// Free it with g_strfreev.
char** MessageArguments(const MailClientKind* kind, const MapiMessage* message,
                        char* const attachments[]);

#endif  // POSTLARK_PROVIDER_MAIL_CLIENTS_H_
