#include "mail_link.h"

#include <string.h>
#include <wchar.h>

#include "draft_folder.h"
#include "shell.h"
#include "simple_mapi.h"

namespace {

const wchar_t kHex[] = L"0123456789ABCDEF";

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
    link->text[link->length++] = kHex[byte >> 4];
    link->text[link->length++] = kHex[byte & 15];
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
      AppendPlain(link, L"%0D%0A");
      continue;
    }
    unsigned c = NextCodePoint(&text);
    if (c < 0x80) {
      AppendByte(link, c, IsUnreserved(c));
    } else {
      int trail = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
      static const unsigned kLead[] = {0, 0xC0, 0xE0, 0xF0};
      AppendByte(link, kLead[trail] | c >> (6 * trail), false);
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

// Whether `name` can name a file in a folder as it is: no folder of its
// own, none of the characters Windows refuses, no end in "." or a blank,
// and no device's name (CON, NUL, COM1…).
bool IsFileName(const wchar_t* name) {
  size_t length = wcslen(name);
  if (length == 0 || name[length - 1] == L'.' || name[length - 1] == L' ' ||
      wcspbrk(name, L"<>:\"/\\|?*") != nullptr)
    return false;
  for (const wchar_t* c = name; *c != L'\0'; ++c) {
    if (*c < 0x20) return false;
  }
  // Windows opens a device for these, whatever follows the stem.
  static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"COM", L"LPT"};
  size_t stem = wcscspn(name, L".");
  for (int i = 0; i < 6; ++i) {
    bool numbered = i >= 4;  // COM1 to COM9, LPT1 to LPT9
    if (_wcsnicmp(name, kDevices[i], 3) == 0 &&
        (numbered ? stem == 4 && name[3] >= L'0' && name[3] <= L'9' : stem == 3))
      return false;
  }
  return true;
}

// Copies the file at `source` into `folder` as `name`, or where a file
// of that name is there already, as "(2) name", "(3) name"…; writes the
// copy's path into `copy`. False where no copy could be made.
bool CopyInto(const wchar_t* source, const wchar_t* folder, const wchar_t* name,
              wchar_t (&copy)[MAX_PATH]) {
  for (int number = 1; number <= static_cast<int>(kMailMaxAttachments) + 1; ++number) {
    int length = number == 1 ? _snwprintf(copy, MAX_PATH, L"%ls\\%ls", folder, name)
                             : _snwprintf(copy, MAX_PATH, L"%ls\\(%d) %ls", folder, number, name);
    if (length < 0 || length >= MAX_PATH) return false;
    if (CopyFileW(source, copy, TRUE)) return true;
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

// Copies the files of `message` into a new draft folder, `folder`, and
// writes the copies' paths into `paths`: a status.
int32_t CopyFiles(const MailMessage& message, wchar_t (&folder)[kDraftFolderCapacity],
                  wchar_t (*paths)[MAX_PATH]) {
  if (!MakeDraftFolder(folder)) return MAPI_E_ATTACHMENT_WRITE_FAILURE;
  for (size_t i = 0; i < message.attachment_count; ++i) {
    const MailAttachment& attachment = message.attachments[i];
    // The name the caller gave, where a file can have it; else its own.
    const wchar_t* name = attachment.name;
    if (!IsFileName(name)) name = wcsrchr(attachment.full_path, L'\\') + 1;
    if (!CopyInto(attachment.full_path, folder, name, paths[i])) {
      RemoveDraftFolder(folder);
      return MAPI_E_ATTACHMENT_WRITE_FAILURE;
    }
  }
  return SUCCESS_SUCCESS;
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

int32_t MailByLink(const MailMessage& message, bool copy_files) {
  for (size_t i = 0; i < message.attachment_count; ++i) {
    DWORD attributes = GetFileAttributesW(message.attachments[i].full_path);  // none for ""
    if (attributes == INVALID_FILE_ATTRIBUTES) return MAPI_E_ATTACHMENT_NOT_FOUND;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  }
  // The link and the copies' paths, from the heap: a host's thread may
  // have little stack.
  HANDLE heap = GetProcessHeap();
  Link link = {nullptr, 0, LinkCapacity(message)};
  copy_files = copy_files && message.attachment_count > 0;
  size_t copies_size = copy_files ? message.attachment_count * sizeof(wchar_t[MAX_PATH]) : 0;
  void* block = HeapAlloc(heap, 0, link.capacity * sizeof(wchar_t) + copies_size);
  if (block == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  wchar_t (*paths)[MAX_PATH] = copy_files ? static_cast<wchar_t (*)[MAX_PATH]>(block) : nullptr;
  link.text = reinterpret_cast<wchar_t*>(static_cast<char*>(block) + copies_size);
  BuildMailLink(message, &link);
  wchar_t folder[kDraftFolderCapacity];
  int32_t status = link.length > kMailLinkLimit ? MAPI_E_TEXT_TOO_LARGE
                   : copy_files                 ? CopyFiles(message, folder, paths)
                                                : SUCCESS_SUCCESS;
  if (status == SUCCESS_SUCCESS) {
    OpenLink(message, link.text, paths, copy_files ? folder : nullptr);
    status = MAPI_E_NOT_SUPPORTED;
  }
  HeapFree(heap, 0, block);
  return status;
}
