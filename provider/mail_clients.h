// The mail clients that take a message in words of their own, rather than a
// mailto: URI with its attachments, and those that can take no file at all:
// how each is known, and what it is given.
#ifndef POSTLARK_PROVIDER_MAIL_CLIENTS_H_
#define POSTLARK_PROVIDER_MAIL_CLIENTS_H_

#include <gio/gio.h>

#include "simple_mapi.h"

/// Whether `client` can be handed a file: false for a client that the table
/// knows can take none (a web browser or a browser's web app, known by its
/// program, its Flatpak or snap name, or the category WebBrowser; aerc),
/// true for any other. Such a client is started as any mailto: handler,
/// with a mailto: URI that has no attachments.
bool MailClientTakesFiles(GAppInfo* client);

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
/// given a mailto: URI with its attachments through GIO, for one that takes
/// no file, or for one whose entry has no command line. Free it with
/// g_strfreev.
char** MailClientCommand(GAppInfo* client, const MapiMessage* message,
                         char* const attachments[]);

#endif  // POSTLARK_PROVIDER_MAIL_CLIENTS_H_
