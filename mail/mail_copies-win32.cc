#include "mail_copies.h"

#include <wchar.h>

#include "simple_mapi.h"

namespace {

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
  size_t folder_length = wcslen(folder), name_length = wcslen(name);
  for (unsigned number = 1; number <= kMailMaxAttachments + 1; ++number) {
    // "(N) " takes at most 5 characters: N has at most two digits.
    if (folder_length + 1 + 5 + name_length >= MAX_PATH) return false;
    wchar_t* end = copy + folder_length;
    wmemcpy(copy, folder, folder_length);
    *end++ = L'\\';
    if (number > 1) {
      *end++ = L'(';
      if (number >= 10) *end++ = static_cast<wchar_t>(L'0' + number / 10);
      *end++ = static_cast<wchar_t>(L'0' + number % 10);
      *end++ = L')';
      *end++ = L' ';
    }
    wmemcpy(end, name, name_length + 1);
    if (CopyFileW(source, copy, TRUE)) return true;
    if (GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

}  // namespace

const wchar_t* LastComponent(const wchar_t* path) {
  const wchar_t* name = path;
  for (const wchar_t* c = path; *c != L'\0'; ++c) {
    if (*c == L'\\' || *c == L'/') name = c + 1;
  }
  return name;
}

int32_t CopyMessageFiles(const MailMessage& message, wchar_t (&folder)[kDraftFolderCapacity],
                         wchar_t (*paths)[MAX_PATH]) {
  if (!MakeDraftFolder(folder)) return MAPI_E_ATTACHMENT_WRITE_FAILURE;
  for (size_t i = 0; i < message.attachment_count; ++i) {
    const MailAttachment& attachment = message.attachments[i];
    // The last part of the name the caller gave, where a file can have it;
    // else the file's own.
    const wchar_t* name = LastComponent(attachment.name);
    if (!IsFileName(name)) name = LastComponent(attachment.full_path);
    if (!CopyInto(attachment.full_path, folder, name, paths[i])) {
      RemoveDraftFolder(folder);
      return MAPI_E_ATTACHMENT_WRITE_FAILURE;
    }
  }
  return SUCCESS_SUCCESS;
}

