// What the mail client is handed for a message: a mailto: URI for any
// client, or the argument of Thunderbird's -compose option.
#ifndef POSTLARK_PROVIDER_COMPOSE_H_
#define POSTLARK_PROVIDER_COMPOSE_H_

#include "simple_mapi.h"

/// SUCCESS_SUCCESS if every recipient can be handed on; otherwise
/// MAPI_E_BAD_RECIPTYPE for an unknown class, or MAPI_E_INVALID_RECIPS for
/// a recipient without a usable address (none, or one that starts with "-"
/// or "mailto:"). An "SMTP:" prefix is the address type and is dropped.
ULONG CheckRecipients(const MapiMessage* message);

/// The RFC 6068 mailto: URI for `message`, with `attachments` (absolute
/// paths, one per file of the message) as "attach" fields. A subject or body
/// that is empty or only blanks is left out. Free it with g_free.
char* BuildMailtoUri(const MapiMessage* message, char* const attachments[]);

/// The argument of Thunderbird's -compose option for `message`: every text
/// percent-encoded, so that no comma, quote or equals sign in it is read as
/// syntax, and the attachments as file:// URLs. Free it with g_free.
char* BuildThunderbirdCompose(const MapiMessage* message, char* const attachments[]);

#endif  // POSTLARK_PROVIDER_COMPOSE_H_
