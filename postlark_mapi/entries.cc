// The Simple MAPI functions that programs call, through the system's
// MAPI32.DLL, once Postlark's mail library is the default mail program.
// Each checks what it is given and answers with a code; none keeps state.
#include <string.h>
#include <stdlib.h>
#include <wchar.h>

#include "mail_address.h"
#include "mail_message.h"
#include "mapi_buffer.h"
#include "mapi_message.h"
#include "simple_mapi.h"

extern "C" {
ULONG WINAPI MAPISendMailW(LHANDLE session, ULONG_PTR window, lpMapiMessageW message, FLAGS flags,
                           ULONG reserved);
}

namespace {

// There is nothing to log on to: every session is this one, a small
// number that is the same in every process and for every load of the
// library, and fits the 32 bits some callers keep it in. The send
// functions take any session as none.
const LHANDLE kSession = 1;

// Word and others call the narrow MAPISendMail with UTF-8 texts and say
// so with this code page in `ulReserved`.
const ULONG kUtf8Reserved = CP_UTF8;

// Splits `text` at each `delimiter` into `parts`, zero-terminated in
// place; returns how many, or kMailMaxAttachments + 1 where there are more.
size_t Split(wchar_t* text, wchar_t delimiter, wchar_t** parts) {
  size_t count = 0;
  if (text == nullptr || *text == L'\0') return 0;
  for (wchar_t* part = text;; ++count) {
    if (count == kMailMaxAttachments) return count + 1;
    parts[count] = part;
    part = wcschr(part, delimiter);
    if (part == nullptr) return count + 1;
    *part++ = L'\0';
  }
}

// The UTF-16 form, at `*cursor`, of the narrow `text` of `length` bytes
// and its zero; null for none, or where its bytes are not the code page's.
wchar_t* Widen(const char* text, size_t length, wchar_t** cursor) {
  if (text == nullptr) return nullptr;
  wchar_t* wide = *cursor;
  int size = static_cast<int>(length + 1);
  int units = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, text, size, wide, size);
  if (units == 0) return nullptr;
  *cursor += units;
  return wide;
}

}  // namespace

extern "C" {

ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPLHANDLE session) {
  if (session == nullptr) return MAPI_E_FAILURE;
  *session = kSession;
  return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG) {
  return session == kSession ? SUCCESS_SUCCESS : MAPI_E_INVALID_SESSION;
}

ULONG WINAPI MAPIFreeBuffer(LPVOID buffer) { return FreeRecipientBuffer(buffer); }

// Any text that holds one address resolves to it, with or without
// MAPI_DIALOG: there is no address book to show. The name is the text as
// given, which still holds the address for a caller that sends the name
// alone.
ULONG WINAPI MAPIResolveName(LHANDLE, ULONG_PTR, LPSTR name, FLAGS, ULONG, lpMapiRecipDesc* recipient) {
  if (recipient == nullptr) return MAPI_E_FAILURE;
  *recipient = nullptr;
  size_t length = name == nullptr ? 0 : strnlen(name, kMapiTextLimit);
  wchar_t wide[kMapiTextLimit];
  int units = length == 0 || length == kMapiTextLimit
                  ? 0
                  : MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, name, static_cast<int>(length), wide,
                                        static_cast<int>(kMapiTextLimit - 1));
  wide[units] = L'\0';
  FoundAddress found;
  if (units == 0 || !FindMailAddress(wide, &found)) return MAPI_E_UNKNOWN_RECIPIENT;
  size_t address_length = strlen(found.address);
  char* texts = nullptr;
  MapiRecipDesc* resolved = AllocateRecipientBuffer(length + 1 + 5 + address_length + 1, &texts);
  if (resolved == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  resolved->ulRecipClass = MAPI_TO;
  resolved->lpszName = static_cast<LPSTR>(memcpy(texts, name, length));
  resolved->lpszAddress = texts + length + 1;
  memcpy(resolved->lpszAddress, "SMTP:", 5);
  memcpy(resolved->lpszAddress + 5, found.address, address_length + 1);
  *recipient = resolved;
  return SUCCESS_SUCCESS;
}

// With or without MAPI_DIALOG, the message opens for the user: Postlark
// never sends by itself.
ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR, lpMapiMessage message, FLAGS, ULONG reserved) {
  return SendMapiMessage(message, reserved == kUtf8Reserved ? CP_UTF8 : CP_ACP);
}

ULONG WINAPI MAPISendMailW(LHANDLE, ULONG_PTR, lpMapiMessageW message, FLAGS, ULONG) {
  return SendMapiMessage(message);
}

// The files' paths, and their names, each joined by the first character
// of `delimiters`: a message with those files and no text.
ULONG WINAPI MAPISendDocuments(ULONG_PTR window, LPSTR delimiters, LPSTR paths, LPSTR names, ULONG) {
  size_t paths_length = paths == nullptr ? 0 : strnlen(paths, kMapiBodyLimit);
  size_t names_length = names == nullptr ? 0 : strnlen(names, kMapiBodyLimit);
  if (delimiters == nullptr || *delimiters == '\0') return MAPI_E_FAILURE;
  if (paths_length == kMapiBodyLimit || names_length == kMapiBodyLimit) return MAPI_E_TEXT_TOO_LARGE;
  // Split in UTF-16: in a double-byte code page the delimiter's byte may
  // be the second of a character.
  wchar_t* block = static_cast<wchar_t*>(malloc((paths_length + names_length + 3) * sizeof(wchar_t)));
  if (block == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  wchar_t delimiter[2] = {};
  wchar_t* cursor = block;
  wchar_t* wide_paths = Widen(paths, paths_length, &cursor);
  wchar_t* wide_names = Widen(names, names_length, &cursor);
  ULONG status = MAPI_E_INVALID_MESSAGE;
  if ((paths == nullptr || wide_paths != nullptr) && (names == nullptr || wide_names != nullptr) &&
      MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, delimiters,
                          IsDBCSLeadByte(static_cast<BYTE>(*delimiters)) ? 2 : 1, delimiter, 1) == 1) {
    wchar_t* path_parts[kMailMaxAttachments + 1];
    wchar_t* name_parts[kMailMaxAttachments + 1];
    size_t count = Split(wide_paths, delimiter[0], path_parts);
    size_t name_count = Split(wide_names, delimiter[0], name_parts);
    MapiFileDescW files[kMailMaxAttachments] = {};
    for (size_t i = 0; i < count && i < kMailMaxAttachments; ++i) {
      files[i].nPosition = 0xFFFFFFFFu;
      files[i].lpszPathName = path_parts[i];
      files[i].lpszFileName = i < name_count ? name_parts[i] : nullptr;
    }
    MapiMessageW message = {};
    message.nFileCount = static_cast<ULONG>(count);
    message.lpFiles = files;
    status = MAPISendMailW(0, window, &message, 0, 0);
  }
  free(block);
  return status;
}

// Reading, saving and addressing need a mail store and an address book:
// the user's mail program has them, and Postlark does not reach it. An
// empty inbox is the truth a caller can act on. Every output is set.
ULONG WINAPI MAPIFindNext(LHANDLE, ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPSTR message_id) {
  if (message_id != nullptr) *message_id = '\0';
  return MAPI_E_NO_MESSAGES;
}
ULONG WINAPI MAPIReadMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG, lpMapiMessage* message) {
  if (message != nullptr) *message = nullptr;
  return MAPI_E_INVALID_MESSAGE;
}
ULONG WINAPI MAPIAddress(LHANDLE, ULONG_PTR, LPSTR, ULONG, LPSTR, ULONG, lpMapiRecipDesc, FLAGS, ULONG,
                         LPULONG count, lpMapiRecipDesc* recipients) {
  if (count != nullptr) *count = 0;
  if (recipients != nullptr) *recipients = nullptr;
  return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPISaveMail(LHANDLE, ULONG_PTR, lpMapiMessage, FLAGS, ULONG, LPSTR) {
  return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPIDeleteMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG) { return MAPI_E_NOT_SUPPORTED; }
ULONG WINAPI MAPIDetails(LHANDLE, ULONG_PTR, lpMapiRecipDesc, FLAGS, ULONG) { return MAPI_E_NOT_SUPPORTED; }

}  // extern "C"
