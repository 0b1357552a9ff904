// What the mail client is handed for a message: a mailto: URI, the argument
// of Thunderbird's -compose option, file:// URLs.
#ifndef POSTLARK_PROVIDER_COMPOSE_H_
#define POSTLARK_PROVIDER_COMPOSE_H_

#include "simple_mapi.h"

/// Whether `text` is null, empty or only blanks: such a subject or body is
/// left out of what a client is handed.
bool IsBlank(const char* text);

/// The address to hand on for `recipient`: its address, or else its name,
/// without an "SMTP:" prefix; null if it has none that can be handed on
/// (see CheckRecipients).
const char* RecipientAddress(const MapiRecipDesc& recipient);

/// SUCCESS_SUCCESS if every recipient can be handed on; otherwise
/// MAPI_E_BAD_RECIPTYPE for an unknown class, or MAPI_E_INVALID_RECIPS for
/// a recipient without a usable address (none, or one that starts with "-"
/// or "mailto:"). An "SMTP:" prefix is the address type and is dropped.
ULONG CheckRecipients(const MapiMessage* message);

/// The RFC 6068 mailto: URI for `message`, with `attachments` (absolute
/// paths, one per file of the message) as "attach" fields. A subject or body
/// that is empty or only blanks is left out. A line break of the body goes
/// as CR LF, as RFC 6068 has it; with `bare_line_feeds`, as it came, for a
/// client that would keep the CR in the text. Free it with g_free.
char* BuildMailtoUri(const MapiMessage* message, char* const attachments[],
                     bool bare_line_feeds = false);

/// The file:// URL of the absolute path `path`, every byte but the
/// unreserved ones and "/" percent-encoded. Free it with g_free.
char* BuildFileUri(const char* path);

/// The argument of Thunderbird's -compose option for `message`: every text
/// percent-encoded, so that no comma, quote or equals sign in it is read as
/// syntax, and the attachments as file:// URLs. Free it with g_free.
char* BuildThunderbirdCompose(const MapiMessage* message, char* const attachments[]);

#endif  // POSTLARK_PROVIDER_COMPOSE_H_
