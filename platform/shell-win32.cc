#include "shell.h"

#include "simple_mapi.h"
#include "system_library.h"

#include <shellapi.h>
#include <shlobj.h>

// The shell's libraries are loaded here, from the system directory, only
// when a link is opened: imported, they would load with every run.
namespace {

typedef HRESULT(WINAPI* CoInitializeExFunction)(LPVOID reserved, DWORD flags);
typedef void(WINAPI* CoUninitializeFunction)(void);
typedef void(WINAPI* CoTaskMemFreeFunction)(LPVOID memory);
typedef BOOL(WINAPI* ShellExecuteExWFunction)(SHELLEXECUTEINFOW* info);
typedef HRESULT(WINAPI* SHParseDisplayNameFunction)(PCWSTR name, IBindCtx* context,
                                                    PIDLIST_ABSOLUTE* item, SFGAOF wanted,
                                                    SFGAOF* attributes);
typedef HRESULT(WINAPI* SHOpenFolderAndSelectItemsFunction)(PCIDLIST_ABSOLUTE folder, UINT count,
                                                            PCUITEMID_CHILD_ARRAY items,
                                                            DWORD flags);

template <typename Function>
Function EntryAs(HMODULE library, const char* name) {
  FARPROC entry = library == nullptr ? nullptr : GetProcAddress(library, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)(void)>(entry));
}

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
  HMODULE ole32 = LoadSystemLibrary("ole32.dll");
  HMODULE shell32 = LoadSystemLibrary("shell32.dll");
  auto initialize = EntryAs<CoInitializeExFunction>(ole32, "CoInitializeEx");
  auto uninitialize = EntryAs<CoUninitializeFunction>(ole32, "CoUninitialize");
  auto co_task_mem_free = EntryAs<CoTaskMemFreeFunction>(ole32, "CoTaskMemFree");
  auto execute = EntryAs<ShellExecuteExWFunction>(shell32, "ShellExecuteExW");
  bool opened = false;
  // COM for this thread, as the shell asks of its callers. S_FALSE too: it
  // was initialised already, and the count goes up all the same.
  if (initialize != nullptr && uninitialize != nullptr && co_task_mem_free != nullptr &&
      execute != nullptr &&
      SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
    SHELLEXECUTEINFOW info = {};
    info.cbSize = sizeof info;
    // No dialog where no program takes the link, and the program started
    // before this returns: the process ends soon after.
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = L"open";
    info.lpFile = link;
    info.nShow = SW_SHOWNORMAL;
    opened = execute(&info) != FALSE;
    if (opened) ShowFile(shell32, co_task_mem_free, full_path);
    uninitialize();
  }
  if (shell32 != nullptr) FreeLibrary(shell32);
  if (ole32 != nullptr) FreeLibrary(ole32);
  return opened;
}
