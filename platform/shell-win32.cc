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

// The shell, with COM initialised for this thread, as the shell asks of its
// callers, for the length of one call.
struct ShellSession {
  HMODULE ole32;
  HMODULE shell32;
  CoUninitializeFunction co_uninitialize;
  CoTaskMemFreeFunction co_task_mem_free;
  bool initialized;
};

FARPROC Entry(HMODULE library, const char* name) {
  return library == nullptr ? nullptr : GetProcAddress(library, name);
}

template <typename Function>
Function EntryAs(HMODULE library, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)(void)>(Entry(library, name)));
}

void ReleaseShell(ShellSession* shell) {
  if (shell->initialized) shell->co_uninitialize();
  if (shell->shell32 != nullptr) FreeLibrary(shell->shell32);
  if (shell->ole32 != nullptr) FreeLibrary(shell->ole32);
}

// False, with all released, where a library or an entry is missing or COM
// cannot be initialised.
bool LoadShell(ShellSession* shell) {
  *shell = {};
  shell->ole32 = LoadSystemLibrary("ole32.dll");
  shell->shell32 = LoadSystemLibrary("shell32.dll");
  auto initialize = EntryAs<CoInitializeExFunction>(shell->ole32, "CoInitializeEx");
  shell->co_uninitialize = EntryAs<CoUninitializeFunction>(shell->ole32, "CoUninitialize");
  shell->co_task_mem_free = EntryAs<CoTaskMemFreeFunction>(shell->ole32, "CoTaskMemFree");
  // S_FALSE too: COM was already initialised on this thread, and the count
  // goes up all the same.
  shell->initialized = shell->shell32 != nullptr && initialize != nullptr &&
                       shell->co_uninitialize != nullptr && shell->co_task_mem_free != nullptr &&
                       SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED |
                                                         COINIT_DISABLE_OLE1DDE));
  if (!shell->initialized) ReleaseShell(shell);
  return shell->initialized;
}

}  // namespace

bool OpenLink(const wchar_t* link) {
  ShellSession shell;
  if (!LoadShell(&shell)) return false;
  auto execute = EntryAs<ShellExecuteExWFunction>(shell.shell32, "ShellExecuteExW");
  SHELLEXECUTEINFOW info = {};
  info.cbSize = sizeof info;
  // No dialog where no program takes the link, and the program started
  // before this returns: the process ends soon after.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.lpVerb = L"open";
  info.lpFile = link;
  info.nShow = SW_SHOWNORMAL;
  bool opened = execute != nullptr && execute(&info);
  ReleaseShell(&shell);
  return opened;
}

void ShowFileInFolder(const wchar_t* full_path) {
  ShellSession shell;
  if (!LoadShell(&shell)) return;
  auto parse = EntryAs<SHParseDisplayNameFunction>(shell.shell32, "SHParseDisplayName");
  auto show = EntryAs<SHOpenFolderAndSelectItemsFunction>(shell.shell32,
                                                         "SHOpenFolderAndSelectItems");
  PIDLIST_ABSOLUTE item = nullptr;
  if (parse != nullptr && show != nullptr &&
      SUCCEEDED(parse(full_path, nullptr, &item, 0, nullptr))) {
    // The item alone names the file: Explorer opens its folder, selected.
    show(item, 0, nullptr, 0);
    shell.co_task_mem_free(item);
  }
  ReleaseShell(&shell);
}
