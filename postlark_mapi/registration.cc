#include "registration.h"

#include <wchar.h>

namespace {

const wchar_t kMailClients[] = L"Software\\Clients\\Mail";
const wchar_t kPostlark[] = L"Postlark";
const wchar_t kPreviousDefault[] = L"PreviousDefault";

HRESULT FromError(LSTATUS error) { return error == ERROR_SUCCESS ? S_OK : HRESULT_FROM_WIN32(error); }

// Reads the string `name` of `key`'s subkey `subkey` (null: `key` itself;
// a null name: its (Default)) into `value`, empty where there is none.
// A key's name has at most 255 characters: a default longer than that
// names no mail program, but is not for us to drop either.
LSTATUS ReadString(HKEY key, const wchar_t* subkey, const wchar_t* name, wchar_t (&value)[256]) {
  DWORD size = sizeof value;
  LSTATUS error = RegGetValueW(key, subkey, name, RRF_RT_REG_SZ, nullptr, value, &size);
  if (error == ERROR_FILE_NOT_FOUND) value[0] = L'\0';
  return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

LSTATUS WriteString(HKEY key, const wchar_t* name, const wchar_t* value) {
  DWORD size = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
  return RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), size);
}

// Removes the value `name` where there is one.
LSTATUS RemoveValue(HKEY key, const wchar_t* name) {
  LSTATUS error = RegDeleteValueW(key, name);
  return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
}

// Where programs look before they offer mail: Simple MAPI is there where
// this key's MAPI is "1" (win.ini's [Mail] section maps to it). Both
// registry views, for programs of either bitness; under Postlark's key,
// what each held before, where registering set it: its text, or REG_NONE
// for none.
const wchar_t kMessaging[] = L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem";
const wchar_t kMapi[] = L"MAPI";
struct MessagingView {
  REGSAM view;
  const wchar_t* previous;
};
const MessagingView kMessagingViews[] = {{KEY_WOW64_64KEY, L"PreviousMAPI"},
                                         {KEY_WOW64_32KEY, L"PreviousMAPI32"}};

// Whether `key` has the value `name`, and its type where `type` is not null.
bool HasValue(HKEY key, const wchar_t* name, DWORD* type) {
  return RegQueryValueExW(key, name, nullptr, type, nullptr, nullptr) == ERROR_SUCCESS;
}

LSTATUS OfferSimpleMapi(HKEY postlark) {
  LSTATUS error = ERROR_SUCCESS;
  for (const MessagingView& view : kMessagingViews) {
    HKEY messaging = nullptr;
    error = RegCreateKeyExW(HKEY_LOCAL_MACHINE, kMessaging, 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE | view.view, nullptr, &messaging, nullptr);
    if (error != ERROR_SUCCESS) break;
    wchar_t value[256];
    DWORD size = sizeof value;
    LSTATUS read = RegGetValueW(messaging, nullptr, kMapi, RRF_RT_REG_SZ, nullptr, value, &size);
    // A value of another kind, or too long for one, is not for us to touch.
    if (read == ERROR_FILE_NOT_FOUND || (read == ERROR_SUCCESS && wcscmp(value, L"1") != 0)) {
      // Registered again, it keeps what it kept the first time.
      if (!HasValue(postlark, view.previous, nullptr))
        error = read == ERROR_SUCCESS ? WriteString(postlark, view.previous, value)
                                      : RegSetValueExW(postlark, view.previous, 0, REG_NONE, nullptr, 0);
      if (error == ERROR_SUCCESS) error = WriteString(messaging, kMapi, L"1");
    }
    RegCloseKey(messaging);
    if (error != ERROR_SUCCESS) break;
  }
  return error;
}

// Gives each view's MAPI back what registering replaced, where it is
// still "1".
LSTATUS WithdrawSimpleMapi(HKEY clients) {
  HKEY postlark = nullptr;
  LSTATUS error = RegOpenKeyExW(clients, kPostlark, 0, KEY_QUERY_VALUE, &postlark);
  if (error != ERROR_SUCCESS) return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : error;
  for (const MessagingView& view : kMessagingViews) {
    wchar_t previous[256], value[256];
    DWORD type = REG_NONE;
    if (!HasValue(postlark, view.previous, &type)) continue;
    if (type == REG_SZ) error = ReadString(postlark, nullptr, view.previous, previous);
    HKEY messaging = nullptr;
    if (error == ERROR_SUCCESS)
      error = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMessaging, 0, KEY_QUERY_VALUE | KEY_SET_VALUE | view.view,
                            &messaging);
    if (error == ERROR_FILE_NOT_FOUND) {  // removed since: nothing to give back
      error = ERROR_SUCCESS;
      continue;
    }
    if (error != ERROR_SUCCESS) break;
    // A value changed since, even to another kind, stays as it is.
    if (ReadString(messaging, nullptr, kMapi, value) == ERROR_SUCCESS && wcscmp(value, L"1") == 0)
      error = type == REG_SZ ? WriteString(messaging, kMapi, previous) : RemoveValue(messaging, kMapi);
    RegCloseKey(messaging);
    if (error != ERROR_SUCCESS) break;
  }
  RegCloseKey(postlark);
  return error;
}

}  // namespace

HRESULT RegisterMailLibrary(HKEY root, const wchar_t* library, bool make_default) {
  HKEY clients = nullptr, postlark = nullptr;
  LSTATUS error = RegCreateKeyExW(root, kMailClients, 0, nullptr, 0,
                                  KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY, nullptr,
                                  &clients, nullptr);
  if (error != ERROR_SUCCESS) return FromError(error);
  wchar_t previous[256];
  error = ReadString(clients, nullptr, nullptr, previous);
  if (error == ERROR_SUCCESS)
    error = RegCreateKeyExW(clients, kPostlark, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                            nullptr, &postlark, nullptr);
  if (error == ERROR_SUCCESS) {
    // Registered again, it keeps the default it kept the first time.
    if (make_default && _wcsicmp(previous, kPostlark) != 0)
      error = *previous != L'\0' ? WriteString(postlark, kPreviousDefault, previous)
                                 : RemoveValue(postlark, kPreviousDefault);
    if (error == ERROR_SUCCESS) error = WriteString(postlark, nullptr, kPostlark);
    if (error == ERROR_SUCCESS) error = WriteString(postlark, L"DLLPath", library);
    if (error == ERROR_SUCCESS && root == HKEY_LOCAL_MACHINE) error = OfferSimpleMapi(postlark);
    RegCloseKey(postlark);
    if (error == ERROR_SUCCESS && make_default) error = WriteString(clients, nullptr, kPostlark);
  }
  RegCloseKey(clients);
  return FromError(error);
}

HRESULT UnregisterMailLibrary(HKEY root) {
  HKEY clients = nullptr;
  LSTATUS error = RegOpenKeyExW(root, kMailClients, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &clients);
  if (error == ERROR_FILE_NOT_FOUND) return S_OK;
  if (error != ERROR_SUCCESS) return FromError(error);
  wchar_t current[256], previous[256];
  error = ReadString(clients, nullptr, nullptr, current);
  // Another program made itself the default since: that stays.
  if (error == ERROR_SUCCESS && _wcsicmp(current, kPostlark) == 0) {
    error = ReadString(clients, kPostlark, kPreviousDefault, previous);
    if (error == ERROR_SUCCESS)
      error = *previous != L'\0' ? WriteString(clients, nullptr, previous) : RemoveValue(clients, nullptr);
  }
  if (error == ERROR_SUCCESS && root == HKEY_LOCAL_MACHINE) error = WithdrawSimpleMapi(clients);
  if (error == ERROR_SUCCESS) {
    error = RegDeleteKeyW(clients, kPostlark);
    if (error == ERROR_FILE_NOT_FOUND) error = ERROR_SUCCESS;
  }
  RegCloseKey(clients);
  return FromError(error);
}
