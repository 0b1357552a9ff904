#include "mail_draft_road.h"

#include <stdio.h>
#include <wchar.h>

#include "draft_folder.h"
#include "mail_draft.h"
#include "process.h"
#include "simple_mapi.h"

namespace {

const wchar_t kDraftName[] = L"\\message.eml";

// Room for the UTF-8 form of 255 UTF-16 code units.
const int kUtf8Capacity = 3 * 255 + 1;

// The UTF-8 form of `text`; a lone surrogate, which has none, goes as
// U+FFFD, the replacement character.
void ToUtf8(const wchar_t* text, char (&utf8)[kUtf8Capacity]) {
  if (WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, kUtf8Capacity, nullptr, nullptr) == 0)
    utf8[0] = '\0';
}

// Writes the draft of the open `file` into `draft_path`: a status.
int32_t WriteDraftFile(const wchar_t* draft_path, const wchar_t* full_path,
                       const wchar_t* subject, const wchar_t* body, FILE* file) {
  char texts[3][kUtf8Capacity];
  const wchar_t* name = wcsrchr(full_path, L'\\');  // the path is full
  ToUtf8(subject, texts[0]);
  ToUtf8(body, texts[1]);
  ToUtf8(name == nullptr ? full_path : name + 1, texts[2]);
  FILE* draft = _wfopen(draft_path, L"wb");
  if (draft == nullptr) return MAPI_E_ATTACHMENT_WRITE_FAILURE;
  DraftAttachment attachment = {texts[2], file};
  DraftMessage message = {texts[0], texts[1], nullptr, 0, &attachment, 1};
  bool written = WriteDraft(draft, message);
  written = fclose(draft) == 0 && written;
  if (ferror(file)) return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  return written ? SUCCESS_SUCCESS : MAPI_E_ATTACHMENT_WRITE_FAILURE;
}

}  // namespace

bool MailByDraft(const wchar_t* program, const wchar_t* full_path, const wchar_t* subject,
                 const wchar_t* body, int32_t* status) {
  DWORD attributes = GetFileAttributesW(full_path);  // none for an empty path
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    *status = MAPI_E_ATTACHMENT_NOT_FOUND;
    return true;
  }
  FILE* file = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? nullptr : _wfopen(full_path, L"rb");
  if (file == nullptr) {
    *status = MAPI_E_ATTACHMENT_OPEN_FAILURE;
    return true;
  }
  wchar_t folder[kDraftFolderCapacity];
  wchar_t draft_path[kDraftFolderCapacity + sizeof kDraftName / sizeof *kDraftName];
  if (!MakeDraftFolder(folder)) {
    fclose(file);
    *status = MAPI_E_ATTACHMENT_WRITE_FAILURE;
    return true;
  }
  size_t length = wcslen(folder);
  wmemcpy(draft_path, folder, length);
  wmemcpy(draft_path + length, kDraftName, sizeof kDraftName / sizeof *kDraftName);
  *status = WriteDraftFile(draft_path, full_path, subject, body, file);
  fclose(file);
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
