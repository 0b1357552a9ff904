#include "mapi_message.h"

#include <string.h>
#include <stdlib.h>
#include <wchar.h>

#include "com.h"
#include "mail_address.h"
#include "mail_copies.h"
#include "mail_message.h"

namespace {

// Where a call's texts go, in one block from the process heap: a host's
// thread may have little stack, and a caller may change its records once
// it has called. Read once to count (`cursor` null), then again to fill,
// never past `end`, whatever the caller changes in between.
struct Arena {
  wchar_t* cursor;
  wchar_t* end;
  size_t units;
};

size_t Length(const char* text, size_t limit) { return text == nullptr ? 0 : strnlen(text, limit); }
size_t Length(const wchar_t* text, size_t limit) { return text == nullptr ? 0 : wcsnlen(text, limit); }

// Writes the UTF-16 form of `length` bytes of `text` at `out`, with a
// zero; false where a byte sequence is not of `code_page`.
bool Convert(const char* text, size_t length, UINT code_page, wchar_t* out) {
  int units = length == 0 ? 0
                          : MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, text,
                                                static_cast<int>(length), out, static_cast<int>(length));
  out[units] = L'\0';
  return units > 0 || length == 0;
}

// Copies `length` units of `text` to `out`, with a zero; false where a
// surrogate stands alone, as no character can.
bool Convert(const wchar_t* text, size_t length, UINT, wchar_t* out) {
  for (size_t i = 0; i < length; ++i) {
    bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF, low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
    if (low || (high && !(i + 1 < length && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)))
      return false;
    i += high;
  }
  wmemcpy(out, text, length);
  out[length] = L'\0';
  return true;
}

// Takes `text` (null for an empty one) into the arena, as `*out`.
template <typename Char>
ULONG PutText(Arena* arena, const Char* text, size_t limit, UINT code_page, const wchar_t** out) {
  size_t length = Length(text, limit);
  if (length == limit) return MAPI_E_TEXT_TOO_LARGE;
  arena->units += length + 1;
  *out = arena->cursor;
  if (arena->cursor == nullptr) return SUCCESS_SUCCESS;
  if (length >= static_cast<size_t>(arena->end - arena->cursor)) return MAPI_E_FAILURE;
  if (!Convert(text, length, code_page, arena->cursor)) return MAPI_E_INVALID_MESSAGE;
  arena->cursor += length + 1;
  return SUCCESS_SUCCESS;
}

// Room in the arena for `units` more; null while counting, or where
// there is none.
wchar_t* Reserve(Arena* arena, size_t units) {
  wchar_t* room = arena->cursor;
  arena->units += units;
  if (room == nullptr || units > static_cast<size_t>(arena->end - room)) return nullptr;
  arena->cursor += units;
  return room;
}

// Takes the recipient `record` into `recipient`: its address from the
// first field that holds one, the address field before the name; the name
// beside it there, else the other field's (its name part, where it holds
// the same address). An entry with no text at all is left out, as a null
// address; one whose texts hold no address is refused.
template <typename Recipient>
ULONG ReadRecipient(const Recipient& record, UINT code_page, Arena* arena, MailRecipient* recipient) {
  static const DraftRecipientClass kClasses[] = {kDraftTo, kDraftTo, kDraftCc, kDraftBcc};
  if (record.ulRecipClass > MAPI_BCC) return MAPI_E_BAD_RECIPTYPE;
  recipient->recipient_class = kClasses[record.ulRecipClass];
  recipient->address = nullptr;
  const wchar_t *address = nullptr, *name = nullptr;
  ULONG status = PutText(arena, record.lpszAddress, kMapiTextLimit, code_page, &address);
  if (status == SUCCESS_SUCCESS) status = PutText(arena, record.lpszName, kMapiTextLimit, code_page, &name);
  char* room = reinterpret_cast<char*>(Reserve(arena, kMailAddressCapacity / sizeof(wchar_t) + 1));
  if (status != SUCCESS_SUCCESS || arena->cursor == nullptr) return status;
  if (room == nullptr) return MAPI_E_FAILURE;
  if (*address == L'\0' && *name == L'\0') return SUCCESS_SUCCESS;
  FoundAddress found, other_found;
  const wchar_t* other = name;
  if (!FindMailAddress(address, &found)) {
    if (!FindMailAddress(name, &found)) return MAPI_E_INVALID_RECIPS;
    other = address;
  }
  memcpy(room, found.address, strlen(found.address) + 1);
  recipient->address = room;
  bool other_holds_address = FindMailAddress(other, &other_found);
  // The other field's name goes with its own address only.
  bool other_names_it = other_holds_address && _stricmp(other_found.address, found.address) == 0;
  const FoundAddress& named = found.name == nullptr && other_names_it ? other_found : found;
  if (named.name != nullptr) {
    // The name part ends where its brackets begin: the arena's copy is ours.
    const_cast<wchar_t*>(named.name)[named.name_length] = L'\0';
    recipient->name = named.name;
  } else {
    recipient->name = other_holds_address || *other == L'\0' ? nullptr : other;
  }
  return SUCCESS_SUCCESS;
}

template <typename File>
ULONG ReadAttachment(const File& record, UINT code_page, Arena* arena, MailAttachment* attachment) {
  const wchar_t *path = nullptr, *name = nullptr;
  ULONG status = PutText(arena, record.lpszPathName, kMapiTextLimit, code_page, &path);
  if (status == SUCCESS_SUCCESS) status = PutText(arena, record.lpszFileName, kMapiTextLimit, code_page, &name);
  wchar_t* full_path = Reserve(arena, MAX_PATH);
  if (status != SUCCESS_SUCCESS || arena->cursor == nullptr) return status;
  if (full_path == nullptr) return MAPI_E_FAILURE;
  // The caller's own folder and drive, and "\" for "/": a path as the
  // system makes it. An empty one stays empty: no file has it.
  full_path[0] = L'\0';
  DWORD length = *path == L'\0' ? 0 : GetFullPathNameW(path, MAX_PATH, full_path, nullptr);
  if (length >= MAX_PATH) return MAPI_E_TEXT_TOO_LARGE;
  attachment->full_path = full_path;
  // The name the caller gave, whole: a name is no path, and the copies
  // take what a file can be named of it. Else the file's own.
  attachment->name = *name != L'\0' ? name : LastComponent(full_path);
  return SUCCESS_SUCCESS;
}

// Reads `record` into `message`, whose arrays have room for the most a
// message takes.
template <typename Message>
ULONG ReadMessage(const Message* record, UINT code_page, Arena* arena, MailMessage* message,
                  MailRecipient* recipients, MailAttachment* attachments) {
  if (record == nullptr || (record->nRecipCount > 0 && record->lpRecips == nullptr) ||
      (record->nFileCount > 0 && record->lpFiles == nullptr))
    return MAPI_E_FAILURE;
  if (record->nFileCount > kMailMaxAttachments) return MAPI_E_TOO_MANY_FILES;
  if (record->nRecipCount > kMailMaxRecipients) return MAPI_E_TOO_MANY_RECIPIENTS;
  ULONG status = PutText(arena, record->lpszSubject, kMapiTextLimit, code_page, &message->subject);
  if (status == SUCCESS_SUCCESS)
    status = PutText(arena, record->lpszNoteText, kMapiBodyLimit, code_page, &message->body);
  message->recipients = recipients;
  message->recipient_count = 0;
  for (ULONG i = 0; status == SUCCESS_SUCCESS && i < record->nRecipCount; ++i) {
    // The sender is the mail program's own account.
    if (record->lpRecips[i].ulRecipClass == MAPI_ORIG) continue;
    status = ReadRecipient(record->lpRecips[i], code_page, arena, &recipients[message->recipient_count]);
    if (recipients[message->recipient_count].address != nullptr) ++message->recipient_count;
  }
  message->attachments = attachments;
  message->attachment_count = record->nFileCount;
  for (ULONG i = 0; status == SUCCESS_SUCCESS && i < record->nFileCount; ++i)
    status = ReadAttachment(record->lpFiles[i], code_page, arena, &attachments[i]);
  return status;
}

struct MessageCall {
  const MailMessage* message;
  int32_t status;
};

// Opens the message with copies of its files, in a single-threaded
// apartment, as the shell wants.
DWORD WINAPI Open(LPVOID argument) {
  MessageCall* call = static_cast<MessageCall*>(argument);
  call->status = MailWithoutMapi(*call->message, CopyMessageFiles);
  return 0;
}

template <typename Message>
ULONG Send(const Message* record, UINT code_page) {
  MailMessage message;
  MailRecipient recipients[kMailMaxRecipients];
  MailAttachment attachments[kMailMaxAttachments];
  Arena arena = {nullptr, nullptr, 0};
  ULONG status = ReadMessage(record, code_page, &arena, &message, recipients, attachments);
  if (status != SUCCESS_SUCCESS) return status;
  void* block = malloc(arena.units * sizeof(wchar_t));
  if (block == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  arena = {static_cast<wchar_t*>(block), static_cast<wchar_t*>(block) + arena.units, 0};
  status = ReadMessage(record, code_page, &arena, &message, recipients, attachments);
  MessageCall call = {&message, MAPI_E_FAILURE};
  if (status == SUCCESS_SUCCESS)
    status = RunInSingleThreadedApartment(Open, &call) ? static_cast<ULONG>(call.status) : MAPI_E_INSUFFICIENT_MEMORY;
  free(block);
  return status;
}

}  // namespace

ULONG SendMapiMessage(const MapiMessage* message, UINT code_page) { return Send(message, code_page); }

ULONG SendMapiMessage(const MapiMessageW* message) { return Send(message, CP_UTF8); }
