#include "compose.h"

#include <string.h>
#include <strings.h>  // strncasecmp

#include <glib.h>

namespace {

// Appends `text`, percent-encoding every byte but the unreserved ones of
// RFC 3986 and those in `keep`; with `crlf`, a bare line feed becomes CR LF,
// as a mailto: body must have it.
void AppendEncoded(GString* out, const char* text, const char* keep, bool crlf = false) {
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
    if (g_ascii_isalnum(*p) || strchr("-._~", *p) != nullptr || strchr(keep, *p) != nullptr)
      g_string_append_c(out, static_cast<char>(*p));
    else if (*p == '\n' && crlf && (p == reinterpret_cast<const unsigned char*>(text) || p[-1] != '\r'))
      g_string_append(out, "%0D%0A");
    else
      g_string_append_printf(out, "%%%02X", *p);
  }
}

// Appends the addresses of one recipient class, each after `separator`
// (the first after `first`); returns whether there was any.
bool AppendRecipients(GString* out, const MapiMessage* message, ULONG recipient_class,
                      const char* first, const char* separator) {
  bool any = false;
  for (ULONG i = 0; i < message->nRecipCount; ++i) {
    if (message->lpRecips[i].ulRecipClass != recipient_class) continue;
    g_string_append(out, any ? separator : first);
    AppendEncoded(out, RecipientAddress(message->lpRecips[i]), "@+");
    any = true;
  }
  return any;
}

}  // namespace

bool IsBlank(const char* text) {
  return text == nullptr || text[strspn(text, " \t\r\n")] == '\0';
}

const char* RecipientAddress(const MapiRecipDesc& recipient) {
  const char* address = recipient.lpszAddress;
  if (address == nullptr || *address == '\0') address = recipient.lpszName;
  if (address == nullptr) return nullptr;
  if (strncasecmp(address, "SMTP:", 5) == 0) address += 5;
  // A client could take a leading dash for an option, and a whole mailto:
  // URI for a message of its own.
  if (*address == '\0' || *address == '-' || strncasecmp(address, "mailto:", 7) == 0)
    return nullptr;
  return address;
}

ULONG CheckRecipients(const MapiMessage* message) {
  for (ULONG i = 0; i < message->nRecipCount; ++i) {
    const MapiRecipDesc& recipient = message->lpRecips[i];
    if (recipient.ulRecipClass > MAPI_BCC) return MAPI_E_BAD_RECIPTYPE;
    if (recipient.ulRecipClass != MAPI_ORIG && RecipientAddress(recipient) == nullptr)
      return MAPI_E_INVALID_RECIPS;
  }
  return SUCCESS_SUCCESS;
}

char* BuildMailtoUri(const MapiMessage* message, char* const attachments[],
                     bool bare_line_feeds) {
  GString* uri = g_string_new("mailto:");
  AppendRecipients(uri, message, MAPI_TO, "", ",");
  // Every field after "&"; the first "&" becomes the "?".
  GString* fields = g_string_new(nullptr);
  AppendRecipients(fields, message, MAPI_CC, "&cc=", ",");
  AppendRecipients(fields, message, MAPI_BCC, "&bcc=", ",");
  if (!IsBlank(message->lpszSubject)) {
    g_string_append(fields, "&subject=");
    AppendEncoded(fields, message->lpszSubject, "");
  }
  if (!IsBlank(message->lpszNoteText)) {
    g_string_append(fields, "&body=");
    AppendEncoded(fields, message->lpszNoteText, "", !bare_line_feeds);
  }
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    g_string_append(fields, "&attach=");
    AppendEncoded(fields, attachments[i], "/");
  }
  if (fields->len > 0) {
    fields->str[0] = '?';
    g_string_append(uri, fields->str);
  }
  g_string_free(fields, TRUE);
  return g_string_free(uri, FALSE);
}

char* BuildFileUri(const char* path) {
  GString* uri = g_string_new("file://");
  AppendEncoded(uri, path, "/");
  return g_string_free(uri, FALSE);
}

char* BuildThunderbirdCompose(const MapiMessage* message, char* const attachments[]) {
  // to='…',cc='…',bcc='…',subject=…,body=…,attachment='file:///…,…': every
  // field after ",", and the first "," dropped at the end.
  GString* out = g_string_new(nullptr);
  const struct {
    ULONG recipient_class;
    const char* field;
  } kLists[] = {{MAPI_TO, ",to='"}, {MAPI_CC, ",cc='"}, {MAPI_BCC, ",bcc='"}};
  for (const auto& list : kLists) {
    if (AppendRecipients(out, message, list.recipient_class, list.field, ","))
      g_string_append_c(out, '\'');
  }
  if (!IsBlank(message->lpszSubject)) {
    g_string_append(out, ",subject=");
    AppendEncoded(out, message->lpszSubject, "");
  }
  if (!IsBlank(message->lpszNoteText)) {
    g_string_append(out, ",body=");
    AppendEncoded(out, message->lpszNoteText, "");
  }
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    g_string_append(out, i == 0 ? ",attachment='file://" : ",file://");
    AppendEncoded(out, attachments[i], "/");
  }
  if (message->nFileCount > 0) g_string_append_c(out, '\'');
  if (out->len > 0) g_string_erase(out, 0, 1);
  return g_string_free(out, FALSE);
}
