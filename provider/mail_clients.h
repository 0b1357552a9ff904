// The mail clients that take a message in words of their own, rather than a
// mailto: URI with its attachments: how each is known, and what it is given.
#ifndef POSTLARK_PROVIDER_MAIL_CLIENTS_H_
#define POSTLARK_PROVIDER_MAIL_CLIENTS_H_

#include <gio/gio.h>

#include "simple_mapi.h"

/// The command that hands `message`, with the attachment copies
/// `attachments` (absolute paths), to `client` if it is a client of the
/// table: its desktop entry's command line (ClientCommandLine), then the
/// client's own words for the message. A client is known by a word of that
/// command line that names one of its programs (a path's basename or an
/// option's value, as in --command=kmail, that begins with it; not a desktop
/// entry's file name), or by its Flatpak or snap name. A subject or body
/// that is empty or only blanks is left out, and so is an attachment option
/// where there is no attachment; no word that comes from the user's texts
/// can be taken for an option. Null for a client not in the table, which is
/// given a mailto: URI with its attachments through GIO, or whose entry has
/// no command line. Free it with g_strfreev.
char** MailClientCommand(GAppInfo* client, const MapiMessage* message,
                         char* const attachments[]);

#endif  // POSTLARK_PROVIDER_MAIL_CLIENTS_H_
