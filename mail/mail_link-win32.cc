#include "mail_link.h"

#include <string.h>
#include <stdlib.h>
#include <wchar.h>

#include "draft_folder.h"
#include "shell.h"
#include "simple_mapi.h"

namespace {

const char kHex[] = "0123456789ABCDEF";

bool IsBlank(const wchar_t* text) { return text[wcsspn(text, L" \t\r\n")] == L'\0'; }

bool IsUnreserved(unsigned byte) {
  return (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= '0' && byte <= '9') || (byte != 0 && strchr("-._~", static_cast<int>(byte)) != nullptr);
}

// A link being written: `text` has room for `capacity` units, its zero
// included, and holds `length`.
struct Link {
  wchar_t* text;
  size_t length;
  size_t capacity;
};

void AppendPlain(Link* link, const wchar_t* text) {
  size_t units = wcslen(text);
  wmemcpy(link->text + link->length, text, units + 1);
  link->length += units;
}

// Appends `byte` as it is where `keep` says so, else as %XX.
void AppendByte(Link* link, unsigned byte, bool keep) {
  if (keep) {
    link->text[link->length++] = static_cast<wchar_t>(byte);
  } else {
    link->text[link->length++] = L'%';
    link->text[link->length++] = static_cast<wchar_t>(kHex[byte >> 4]);
    link->text[link->length++] = static_cast<wchar_t>(kHex[byte & 15]);
  }
  link->text[link->length] = L'\0';
}

// The code point at `*text`, which it moves past; a lone surrogate, which
// has no UTF-8 form, as U+FFFD, the replacement character.
unsigned NextCodePoint(const wchar_t** text) {
  unsigned unit = *(*text)++;
  if (unit >= 0xD800 && unit <= 0xDBFF && **text >= 0xDC00 && **text <= 0xDFFF)
    return 0x10000 + ((unit - 0xD800) << 10) + (*(*text)++ - 0xDC00u);
  return unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFDu : unit;
}

// Appends `text` to the link as UTF-8, percent-encoded but for the
// unreserved characters (RFC 6068); with `line_breaks`, each of CR LF, LF
// and CR as %0D%0A.
void AppendEncoded(Link* link, const wchar_t* text, bool line_breaks) {
  while (*text != L'\0') {
    if (line_breaks && (*text == L'\r' || *text == L'\n')) {
      text += text[0] == L'\r' && text[1] == L'\n' ? 2 : 1;
      AppendByte(link, '\r', false);
      AppendByte(link, '\n', false);
      continue;
    }
    unsigned c = NextCodePoint(&text);
    if (c < 0x80) {
      AppendByte(link, c, IsUnreserved(c));
    } else {
      int trail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
      // The lead byte: as many high bits set as the character has bytes.
      AppendByte(link, (0xFF00u >> (trail + 1) & 0xFF) | c >> (6 * trail), false);
      while (trail-- > 0) AppendByte(link, 0x80 | (c >> (6 * trail) & 0x3F), false);
    }
  }
}

// Appends the addresses of the recipients of `recipient_class`, joined
// by commas, after `field` where there are any. "@" stands as it is.
void AppendAddresses(Link* link, const MailMessage& message, DraftRecipientClass recipient_class,
                     const wchar_t* field) {
  const wchar_t* separator = field;
  for (size_t i = 0; i < message.recipient_count; ++i) {
    if (message.recipients[i].recipient_class != recipient_class) continue;
    AppendPlain(link, separator);
    separator = L",";
    for (const char* c = message.recipients[i].address; *c != '\0'; ++c) {
      unsigned byte = static_cast<unsigned char>(*c);
      AppendByte(link, byte, byte == '@' || IsUnreserved(byte));
    }
  }
}

// The most units the link of `message` can take, its zero included.
size_t LinkCapacity(const MailMessage& message) {
  size_t capacity = 64 + 9 * (wcslen(message.subject) + wcslen(message.body));
  for (size_t i = 0; i < message.recipient_count; ++i)
    capacity += 4 + 3 * strlen(message.recipients[i].address);
  return capacity;
}

// Writes `mailto:to?cc=…&bcc=…&subject=…&body=…`, a blank text left out.
void BuildMailLink(const MailMessage& message, Link* link) {
  link->text[0] = L'\0';
  AppendPlain(link, L"mailto:");
  AppendAddresses(link, message, kDraftTo, L"");
  // Every field after "&"; the first "&" becomes the "?".
  size_t fields = link->length;
  AppendAddresses(link, message, kDraftCc, L"&cc=");
  AppendAddresses(link, message, kDraftBcc, L"&bcc=");
  if (!IsBlank(message.subject)) {
    AppendPlain(link, L"&subject=");
    AppendEncoded(link, message.subject, false);
  }
  if (!IsBlank(message.body)) {
    AppendPlain(link, L"&body=");
    AppendEncoded(link, message.body, true);
  }
  if (link->length > fields) link->text[fields] = L'?';
}

// Opens the link, showing the files at `paths`; where nothing takes the
// link, nothing is shown either: the user would not know what the files
// were shown for.
void OpenLink(const MailMessage& message, const wchar_t* link, const wchar_t (*paths)[MAX_PATH],
              const wchar_t* copies) {
  const wchar_t* shown[kMailMaxAttachments];
  for (size_t i = 0; i < message.attachment_count; ++i)
    shown[i] = paths == nullptr ? message.attachments[i].full_path : paths[i];
  if (!OpenLinkShowingFiles(link, shown, message.attachment_count) && copies != nullptr)
    RemoveDraftFolder(copies);
}

}  // namespace

int32_t MailByLink(const MailMessage& message, CopyFilesFunction copy_files) {
  for (size_t i = 0; i < message.attachment_count; ++i) {
    DWORD attributes = GetFileAttributesW(message.attachments[i].full_path);  // none for ""
    if (attributes == INVALID_FILE_ATTRIBUTES) return MAPI_E_ATTACHMENT_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  }
  // The link and the copies' paths, from the heap: a host's thread may
  // have little stack.
  Link link = {nullptr, 0, LinkCapacity(message)};
  if (message.attachment_count == 0) copy_files = nullptr;
  size_t copies_size = copy_files ? message.attachment_count * sizeof(wchar_t[MAX_PATH]) : 0;
  void* block = malloc(link.capacity * sizeof(wchar_t) + copies_size);
  if (block == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  wchar_t (*paths)[MAX_PATH] = copy_files ? static_cast<wchar_t (*)[MAX_PATH]>(block) : nullptr;
  link.text = reinterpret_cast<wchar_t*>(static_cast<char*>(block) + copies_size);
  BuildMailLink(message, &link);
  wchar_t folder[kDraftFolderCapacity];
  int32_t status = link.length > kMailLinkLimit ? MAPI_E_TEXT_TOO_LARGE
                   : copy_files != nullptr      ? copy_files(message, folder, paths)
                                                : SUCCESS_SUCCESS;
  if (status == SUCCESS_SUCCESS) {
    OpenLink(message, link.text, paths, copy_files ? folder : nullptr);
    status = MAPI_E_NOT_SUPPORTED;
  }
  free(block);
  return status;
}
