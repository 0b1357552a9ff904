#include "shell.h"

#include <wchar.h>

#include "com.h"
#include "simple_mapi.h"
#include "system_library.h"

#include <shellapi.h>
#include <shlobj.h>

// The shell's libraries are loaded here, from the system directory, only
// when a link is opened: imported, they would load with every run.
namespace {

// The most files shown at once: as many as a message takes.
const size_t kMaxShownFiles = 64;

typedef BOOL(WINAPI* ShellExecuteExWFunction)(SHELLEXECUTEINFOW* info);
typedef HRESULT(WINAPI* SHParseDisplayNameFunction)(PCWSTR name, IBindCtx* context,
                                                    PIDLIST_ABSOLUTE* item, SFGAOF wanted,
                                                    SFGAOF* attributes);
typedef HRESULT(WINAPI* SHOpenFolderAndSelectItemsFunction)(PCIDLIST_ABSOLUTE folder, UINT count,
                                                            PCUITEMID_CHILD_ARRAY items,
                                                            DWORD flags);

// The last item of `list`, as a list of its own: what a folder's item
// is to the folder.
PCUITEMID_CHILD LastItem(PCIDLIST_ABSOLUTE list) {
  const BYTE* item = reinterpret_cast<const BYTE*>(list);
  const BYTE* last = item;
  for (USHORT size; (size = reinterpret_cast<const SHITEMID*>(item)->cb) != 0; item += size)
    last = item;
  return reinterpret_cast<PCUITEMID_CHILD>(last);
}

// Asks Explorer to show the files. One item alone, with no children, makes
// it open the item's folder with the item selected; several are children
// of their folder.
void ShowFiles(HMODULE shell32, CoTaskMemFreeFunction co_task_mem_free,
               const wchar_t* const* full_paths, size_t count) {
  auto parse = EntryAs<SHParseDisplayNameFunction>(shell32, "SHParseDisplayName");
  auto show = EntryAs<SHOpenFolderAndSelectItemsFunction>(shell32, "SHOpenFolderAndSelectItems");
  if (count == 0 || parse == nullptr || show == nullptr) return;
  PIDLIST_ABSOLUTE items[kMaxShownFiles] = {};
  PCUITEMID_CHILD children[kMaxShownFiles];
  wchar_t folder_path[MAX_PATH];
  PIDLIST_ABSOLUTE folder = nullptr;
  bool parsed = count <= kMaxShownFiles;
  for (size_t i = 0; parsed && i < count; ++i) {
    parsed = SUCCEEDED(parse(full_paths[i], nullptr, &items[i], 0, nullptr));
    if (parsed) children[i] = LastItem(items[i]);
  }
  if (parsed && count == 1) {
    show(items[0], 0, nullptr, 0);
  } else if (parsed && wcslen(full_paths[0]) < MAX_PATH) {
    wmemcpy(folder_path, full_paths[0], wcslen(full_paths[0]) + 1);
    *wcsrchr(folder_path, L'\\') = L'\0';  // the paths are full
    if (SUCCEEDED(parse(folder_path, nullptr, &folder, 0, nullptr))) {
      show(folder, static_cast<UINT>(count), children, 0);
      co_task_mem_free(folder);
    }
  }
  for (size_t i = 0; i < count && i < kMaxShownFiles; ++i) co_task_mem_free(items[i]);
}

}  // namespace

bool OpenLinkShowingFiles(const wchar_t* link, const wchar_t* const* full_paths, size_t count) {
  Com com;
  if (!StartCom(&com)) return false;
  HMODULE shell32 = LoadSystemLibrary("shell32.dll");
  auto execute = EntryAs<ShellExecuteExWFunction>(shell32, "ShellExecuteExW");
  bool opened = false;
  if (execute != nullptr) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    // No dialog where no program takes the link, and the program started
    // before this returns: the process ends soon after.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = link;
    info.nShow = SW_SHOWNORMAL;
    opened = execute(&info) != FALSE;
    if (opened) ShowFiles(shell32, com.task_mem_free, full_paths, count);
  }
  if (shell32 != nullptr) FreeLibrary(shell32);
  EndCom(&com);
  return opened;
}
