#include "draft_folder.h"

#include <wchar.h>

namespace {

// How long a draft is kept: the mail program has long opened it by then.
const ULONGLONG kDraftLifetime = 7ull * 24 * 60 * 60 * 10000000;  // in 100 ns

// Writes `folder` "\" `name` into `path`; false where it does not fit.
bool JoinPath(const wchar_t* folder, const wchar_t* name, wchar_t (&path)[kDraftFolderCapacity]) {
  size_t folder_length = wcslen(folder), name_length = wcslen(name);
  if (folder_length + 1 + name_length >= kDraftFolderCapacity) return false;
  wmemcpy(path, folder, folder_length);
  path[folder_length] = L'\\';
  wmemcpy(path + folder_length + 1, name, name_length + 1);
  return true;
}

// Writes the 16 hexadecimal digits of `value`, and then `end`; returns
// how many units it wrote.
size_t WriteHex(ULONGLONG value, wchar_t end, wchar_t* text) {
  for (int digit = 15; digit >= 0; --digit, value >>= 4)
    text[digit] = L"0123456789abcdef"[value & 15];
  text[16] = end;
  return 17;
}

ULONGLONG Ticks(FILETIME time) {
  return static_cast<ULONGLONG>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// Removes the draft folders under `base` unchanged for longer than drafts
// are kept. One changed after `now`, by another run or a clock set back,
// is not old. A link is never followed: only real folders go.
void RemoveOldDrafts(const wchar_t* base) {
  wchar_t pattern[kDraftFolderCapacity];
  WIN32_FIND_DATAW entry;
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  HANDLE search = JoinPath(base, L"*", pattern) ? FindFirstFileW(pattern, &entry)
                                                : INVALID_HANDLE_VALUE;
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    wchar_t folder[kDraftFolderCapacity];
    bool real_folder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
                       !(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
    if (real_folder && entry.cFileName[0] != L'.' &&
        Ticks(entry.ftLastWriteTime) + kDraftLifetime < Ticks(now) &&
        JoinPath(base, entry.cFileName, folder))
      RemoveDraftFolder(folder);
  } while (FindNextFileW(search, &entry));
  FindClose(search);
}

}  // namespace

bool MakeDraftFolder(wchar_t (&folder)[kDraftFolderCapacity]) {
  wchar_t local[kDraftFolderCapacity], base[kDraftFolderCapacity];
  DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", local, kDraftFolderCapacity);
  if (length == 0 || length >= kDraftFolderCapacity || !JoinPath(local, L"Postlark", base) ||
      (!CreateDirectoryW(base, nullptr) && GetLastError() != ERROR_ALREADY_EXISTS))
    return false;
  RemoveOldDrafts(base);
  // Named for the time, in 100 ns, the process and the thread: two runs,
  // or two calls at once in one program, never share a folder.
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  wchar_t name[40];
  ULONGLONG caller = static_cast<ULONGLONG>(GetCurrentProcessId()) << 32 | GetCurrentThreadId();
  WriteHex(caller, L'\0', name + WriteHex(Ticks(now), L'-', name));
  return JoinPath(base, name, folder) && CreateDirectoryW(folder, nullptr);
}

void RemoveDraftFolder(const wchar_t* folder) {
  wchar_t path[kDraftFolderCapacity];
  WIN32_FIND_DATAW entry;
  HANDLE search = JoinPath(folder, L"*", path) ? FindFirstFileW(path, &entry)
                                               : INVALID_HANDLE_VALUE;
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
          JoinPath(folder, entry.cFileName, path))
        DeleteFileW(path);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
  }
  RemoveDirectoryW(folder);
}
