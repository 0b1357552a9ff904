#include "mail_draft_road.h"

#include <stdio.h>
#include <stdlib.h>
#include <wchar.h>

#include "draft_folder.h"
#include "mail_draft.h"
#include "process.h"
#include "simple_mapi.h"

namespace {

const wchar_t kDraftName[] = L"\\message.eml";

// Bytes of the UTF-8 form of `text` and its zero; none for null.
size_t Utf8Size(const wchar_t* text) {
  if (text == nullptr) return 0;
  return static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr));
}

// Writes the UTF-8 form of `text` at `*cursor`, which it moves past it;
// null for null. A lone surrogate, which has no UTF-8 form, goes as U+FFFD,
// the replacement character, as Utf8Size counted it.
const char* PutUtf8(const wchar_t* text, char** cursor) {
  if (text == nullptr) return nullptr;
  char* utf8 = *cursor;
  int size = static_cast<int>(Utf8Size(text));
  *cursor += WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, size, nullptr, nullptr);
  return utf8;
}

// Writes the draft of `message`, whose files are open as `files`, into
// `draft_path`: a status. The texts go to the writer in UTF-8, all in one
// block: a host's thread may have little stack.
int32_t WriteDraftFile(const wchar_t* draft_path, const MailMessage& message, FILE* const* files) {
  size_t size = Utf8Size(message.subject) + Utf8Size(message.body);
  for (size_t i = 0; i < message.attachment_count; ++i) size += Utf8Size(message.attachments[i].name);
  for (size_t i = 0; i < message.recipient_count; ++i) size += Utf8Size(message.recipients[i].name);
  char* block = static_cast<char*>(malloc(size));
  if (block == nullptr) return MAPI_E_INSUFFICIENT_MEMORY;
  char* cursor = block;
  DraftRecipient recipients[kMailMaxRecipients];
  DraftAttachment attachments[kMailMaxAttachments];
  for (size_t i = 0; i < message.recipient_count; ++i) {
    const MailRecipient& recipient = message.recipients[i];
    recipients[i] = {recipient.recipient_class, recipient.address, PutUtf8(recipient.name, &cursor)};
  }
  for (size_t i = 0; i < message.attachment_count; ++i)
    attachments[i] = {PutUtf8(message.attachments[i].name, &cursor), files[i]};
  DraftMessage draft_message = {PutUtf8(message.subject, &cursor), PutUtf8(message.body, &cursor),
                                recipients, message.recipient_count,
                                attachments, message.attachment_count};
  int32_t status = MAPI_E_ATTACHMENT_WRITE_FAILURE;
  FILE* draft = _wfopen(draft_path, L"wb");
  if (draft != nullptr) {
    bool written = WriteDraft(draft, draft_message);
    written = fclose(draft) == 0 && written;
    status = written ? SUCCESS_SUCCESS : MAPI_E_ATTACHMENT_WRITE_FAILURE;
    for (size_t i = 0; i < message.attachment_count; ++i) {
      if (ferror(files[i])) status = MAPI_E_ATTACHMENT_OPEN_FAILURE;
    }
  }
  free(block);
  return status;
}

// Opens each file of `message` into `files`: a status. Where one is
// missing or cannot be read, none is left open.
int32_t OpenFiles(const MailMessage& message, FILE** files) {
  for (size_t i = 0; i < message.attachment_count; ++i) {
    const wchar_t* path = message.attachments[i].full_path;
    DWORD attributes = GetFileAttributesW(path);  // none for an empty path
    int32_t status = attributes == INVALID_FILE_ATTRIBUTES ? MAPI_E_ATTACHMENT_NOT_FOUND
                     : (attributes & FILE_ATTRIBUTE_DIRECTORY) ||
                             (files[i] = _wfopen(path, L"rb")) == nullptr
                         ? MAPI_E_ATTACHMENT_OPEN_FAILURE
                         : SUCCESS_SUCCESS;
    if (status != SUCCESS_SUCCESS) {
      while (i > 0) fclose(files[--i]);
      return status;
    }
  }
  return SUCCESS_SUCCESS;
}

}  // namespace

bool MailByDraft(const wchar_t* program, const MailMessage& message, int32_t* status) {
  FILE* files[kMailMaxAttachments];
  *status = OpenFiles(message, files);
  if (*status != SUCCESS_SUCCESS) return true;
  wchar_t folder[kDraftFolderCapacity];
  wchar_t draft_path[kDraftFolderCapacity + sizeof kDraftName / sizeof *kDraftName];
  size_t length = 0;
  if (!MakeDraftFolder(folder)) {
    *status = MAPI_E_ATTACHMENT_WRITE_FAILURE;
  } else {
    length = wcslen(folder);
    wmemcpy(draft_path, folder, length);
    wmemcpy(draft_path + length, kDraftName, sizeof kDraftName / sizeof *kDraftName);
    *status = WriteDraftFile(draft_path, message, files);
  }
  for (size_t i = 0; i < message.attachment_count; ++i) fclose(files[i]);
  if (length == 0) return true;
  // The draft is the program's to open, and stays until drafts are cleared.
  // The program may run for the whole session: it runs in the drafts'
  // folder, which stays, and not in the caller's, which may be a stick or
  // a share the user wants to remove, or in the draft's, which is swept.
  wchar_t drafts[kDraftFolderCapacity];
  wmemcpy(drafts, folder, length + 1);
  *wcsrchr(drafts, L'\\') = L'\0';
  if (*status == SUCCESS_SUCCESS && StartProgram(program, draft_path, drafts)) return true;
  RemoveDraftFolder(folder);
  return *status != SUCCESS_SUCCESS;
}
