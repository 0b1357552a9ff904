#include "mail_link.h"

#include <string.h>
#include <wchar.h>

#include "shell.h"
#include "simple_mapi.h"

namespace {

// Room for two texts of up to 255 code units, each unit percent-encoded in
// up to three bytes, and the fields' names.
const int kMailLinkCapacity = 2 * 255 * 9 + 32;

bool IsBlank(const wchar_t* text) { return text[wcsspn(text, L" \t\r\n")] == L'\0'; }

// Appends `text`, as it is, to `link` at `*length`.
void AppendPlain(wchar_t* link, int* length, const wchar_t* text) {
  size_t units = wcslen(text);
  memcpy(link + *length, text, (units + 1) * sizeof(wchar_t));
  *length += static_cast<int>(units);
}

// Appends `text` (up to 255 code units) to `link` at `*length`, as UTF-8
// percent-encoded but for the unreserved characters (RFC 6068); with
// `line_breaks`, each of CR LF, LF and CR as %0D%0A. A lone surrogate,
// which has no UTF-8 form, goes as U+FFFD, the replacement character.
void AppendEncoded(wchar_t* link, int* length, const wchar_t* text, bool line_breaks) {
  static const char kHex[] = "0123456789ABCDEF";
  char bytes[3 * 255 + 1];
  int count = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes, nullptr, nullptr);
  for (int i = 0; i + 1 < count; ++i) {
    unsigned char byte = static_cast<unsigned char>(bytes[i]);
    if (line_breaks && (byte == '\r' || byte == '\n')) {
      if (byte == '\r' && bytes[i + 1] == '\n') ++i;
      AppendPlain(link, length, L"%0D%0A");
    } else if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
               (byte >= '0' && byte <= '9') || strchr("-._~", byte) != nullptr) {
      link[(*length)++] = byte;
    } else {
      link[(*length)++] = L'%';
      link[(*length)++] = static_cast<wchar_t>(kHex[byte >> 4]);
      link[(*length)++] = static_cast<wchar_t>(kHex[byte & 0xF]);
    }
  }
  link[*length] = L'\0';
}

// Writes `mailto:?subject=…&body=…` into `link`, a blank text left out.
void BuildMailLink(const wchar_t* subject, const wchar_t* body,
                   wchar_t (&link)[kMailLinkCapacity]) {
  int length = 0;
  AppendPlain(link, &length, L"mailto:");
  // Every field after "&"; the first "&" becomes the "?".
  int fields = length;
  if (!IsBlank(subject)) {
    AppendPlain(link, &length, L"&subject=");
    AppendEncoded(link, &length, subject, false);
  }
  if (!IsBlank(body)) {
    AppendPlain(link, &length, L"&body=");
    AppendEncoded(link, &length, body, true);
  }
  if (length > fields) link[fields] = L'?';
}

}  // namespace

int32_t MailByLink(const wchar_t* full_path, const wchar_t* subject, const wchar_t* body) {
  DWORD attributes = GetFileAttributesW(full_path);  // none for an empty path
  if (attributes == INVALID_FILE_ATTRIBUTES) return MAPI_E_ATTACHMENT_NOT_FOUND;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  wchar_t link[kMailLinkCapacity];
  BuildMailLink(subject, body, link);
  // Where nothing takes the link, nothing is shown either: the user would
  // not know what the file was shown for.
  OpenLinkShowingFile(link, full_path);
  return MAPI_E_NOT_SUPPORTED;
}
