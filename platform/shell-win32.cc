#include "shell.h"

#include "com.h"
#include "simple_mapi.h"
#include "system_library.h"

#include <shellapi.h>
#include <shlobj.h>

// The shell's libraries are loaded here, from the system directory, only
// when a link is opened: imported, they would load with every run.
namespace {

typedef BOOL(WINAPI* ShellExecuteExWFunction)(SHELLEXECUTEINFOW* info);
typedef HRESULT(WINAPI* SHParseDisplayNameFunction)(PCWSTR name, IBindCtx* context,
                                                    PIDLIST_ABSOLUTE* item, SFGAOF wanted,
                                                    SFGAOF* attributes);
typedef HRESULT(WINAPI* SHOpenFolderAndSelectItemsFunction)(PCIDLIST_ABSOLUTE folder, UINT count,
                                                            PCUITEMID_CHILD_ARRAY items,
                                                            DWORD flags);

// Asks Explorer to show the file: an item alone, with no children, makes it
// open the item's folder with the item selected.
void ShowFile(HMODULE shell32, CoTaskMemFreeFunction co_task_mem_free,
              const wchar_t* full_path) {
  auto parse = EntryAs<SHParseDisplayNameFunction>(shell32, "SHParseDisplayName");
  auto show = EntryAs<SHOpenFolderAndSelectItemsFunction>(shell32, "SHOpenFolderAndSelectItems");
  PIDLIST_ABSOLUTE item = nullptr;
  if (parse != nullptr && show != nullptr &&
      SUCCEEDED(parse(full_path, nullptr, &item, 0, nullptr))) {
    show(item, 0, nullptr, 0);
    co_task_mem_free(item);
  }
}

}  // namespace

bool OpenLinkShowingFile(const wchar_t* link, const wchar_t* full_path) {
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
    if (opened) ShowFile(shell32, com.task_mem_free, full_path);
  }
  if (shell32 != nullptr) FreeLibrary(shell32);
  EndCom(&com);
  return opened;
}
