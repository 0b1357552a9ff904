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
HRESULT Register(HKEY root, bool make_default) {
  HMODULE library = nullptr;
  wchar_t path[MAX_PATH];
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&Register), &library))
    return HRESULT_FROM_WIN32(GetLastError());
  DWORD length = GetModuleFileNameW(library, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
  return RegisterMailLibrary(root, path, make_default);
}

// Whether `word` is the `length` characters at `text`, in any case.
bool IsWord(const wchar_t* text, size_t length, const wchar_t* word) {
  return wcslen(word) == length && _wcsnicmp(text, word, length) == 0;
}

}  // namespace

extern "C" {

HRESULT WINAPI DllRegisterServer() { return Register(HKEY_LOCAL_MACHINE, true); }

HRESULT WINAPI DllUnregisterServer() { return UnregisterMailLibrary(HKEY_LOCAL_MACHINE); }

// Words separated by commas or blanks: "user" for the user alone or
// "machine" for the machine (the default), and "nodefault" to leave the
// default mail program as it is, for one set by policy. Anything else, or
// both scopes, changes nothing.
HRESULT WINAPI DllInstall(BOOL install, LPCWSTR command_line) {
  HKEY root = nullptr;
  bool make_default = true;
  for (const wchar_t* word = command_line; word != nullptr && *word != L'\0';) {
    size_t length = wcscspn(word, L", ");
    if (length == 0) {
      ++word;
      continue;
    }
    HKEY scope = IsWord(word, length, L"user") ? HKEY_CURRENT_USER
                 : IsWord(word, length, L"machine") ? HKEY_LOCAL_MACHINE
                                                    : nullptr;
    if (scope != nullptr && root == nullptr)
      root = scope;
    else if (scope == nullptr && make_default && IsWord(word, length, L"nodefault"))
      make_default = false;
    else
      return E_INVALIDARG;
    word += length;
  }
  if (root == nullptr) root = HKEY_LOCAL_MACHINE;
  return install ? Register(root, make_default) : UnregisterMailLibrary(root);
}

}  // extern "C"
