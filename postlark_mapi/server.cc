// What regsvr32 calls: `regsvr32 PostlarkMAPI.dll` registers the library
// for the machine, `regsvr32 /n /i:user PostlarkMAPI.dll` for the user
// alone, and /u removes either.
#include <wchar.h>

#include "registration.h"

extern "C" {
HRESULT WINAPI DllRegisterServer();
HRESULT WINAPI DllUnregisterServer();
HRESULT WINAPI DllInstall(BOOL install, LPCWSTR command_line);
}

namespace {

// This library's own full path: where the system's MAPI32.DLL loads it.
HRESULT Register(HKEY root) {
  HMODULE library = nullptr;
  wchar_t path[MAX_PATH];
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&Register), &library))
    return HRESULT_FROM_WIN32(GetLastError());
  DWORD length = GetModuleFileNameW(library, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
  return RegisterMailLibrary(root, path);
}

}  // namespace

extern "C" {

HRESULT WINAPI DllRegisterServer() { return Register(HKEY_LOCAL_MACHINE); }

HRESULT WINAPI DllUnregisterServer() { return UnregisterMailLibrary(HKEY_LOCAL_MACHINE); }

// "user" for the user alone, "machine" (or nothing) for the machine.
HRESULT WINAPI DllInstall(BOOL install, LPCWSTR command_line) {
  HKEY root = HKEY_LOCAL_MACHINE;
  if (command_line != nullptr && _wcsicmp(command_line, L"user") == 0)
    root = HKEY_CURRENT_USER;
  else if (command_line != nullptr && *command_line != L'\0' && _wcsicmp(command_line, L"machine") != 0)
    return E_INVALIDARG;
  return install ? Register(root) : UnregisterMailLibrary(root);
}

}  // extern "C"
