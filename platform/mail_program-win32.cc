#include "mail_program.h"

#include <wchar.h>

#include "simple_mapi.h"

namespace {

const wchar_t kMailClients[] = L"Software\\Clients\\Mail";
const wchar_t kMapiApps[] = L"SOFTWARE\\Microsoft\\Windows Messaging Subsystem\\MSMapiApps";

// Whether the client key names a library. DLLPath may be REG_EXPAND_SZ:
// RegGetValueW expands it when asked for a string.
bool NamesLibrary(HKEY client) {
  // Outlook installed by Windows Installer keeps its library's place there.
  if (RegQueryValueExW(client, L"MSIComponentID", nullptr, nullptr, nullptr, nullptr) ==
      ERROR_SUCCESS)
    return true;
  wchar_t path[MAX_PATH];
  DWORD size = sizeof path;
  if (RegGetValueW(client, nullptr, L"DLLPath", RRF_RT_REG_SZ, nullptr, path, &size) !=
      ERROR_SUCCESS)
    return false;
  // A bare name loads from the system's search path; MAPI32.DLL is the
  // stub itself, which skips it.
  if (wcspbrk(path, L"\\/:") == nullptr)
    return *path != L'\0' && _wcsicmp(path, L"mapi32.dll") != 0;
  // A path left behind by an uninstalled program names nothing.
  DWORD attributes = GetFileAttributesW(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Opens the key of the mail program `name` under `root`.
bool OpenClient(HKEY root, const wchar_t* name, HKEY* client) {
  HKEY clients = nullptr;
  if (RegOpenKeyExW(root, kMailClients, 0, KEY_QUERY_VALUE, &clients) != ERROR_SUCCESS)
    return false;
  bool opened = RegOpenKeyExW(clients, name, 0, KEY_QUERY_VALUE, client) == ERROR_SUCCESS;
  RegCloseKey(clients);
  return opened;
}

// Whether the default mail program of `root` names a library: its key
// under `root`, or where that is missing, a program installed for the
// machine under HKLM; `*ours` says whether that program is Postlark's own.
bool DefaultNamesLibrary(HKEY root, bool* ours) {
  wchar_t name[MAX_PATH];
  DWORD size = sizeof name;
  HKEY client = nullptr;
  if (RegGetValueW(root, kMailClients, nullptr, RRF_RT_REG_SZ, nullptr, name, &size) !=
          ERROR_SUCCESS ||
      *name == L'\0' ||
      (!OpenClient(root, name, &client) &&
       (root == HKEY_LOCAL_MACHINE || !OpenClient(HKEY_LOCAL_MACHINE, name, &client))))
    return false;
  bool found = NamesLibrary(client);
  RegCloseKey(client);
  *ours = _wcsicmp(name, L"Postlark") == 0;
  return found;
}

// Whether an administrator has mapped this program, by its file name, to
// a mail program of its own.
bool MappedByAdministrator() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return false;
  const wchar_t* name = wcsrchr(path, L'\\');
  name = name == nullptr ? path : name + 1;
  HKEY apps = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kMapiApps, 0, KEY_QUERY_VALUE, &apps) != ERROR_SUCCESS)
    return false;
  bool mapped = RegQueryValueExW(apps, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
  RegCloseKey(apps);
  return mapped;
}

}  // namespace

// HKLM\SOFTWARE\Clients and HKCU\Software are one in the 64-bit and the
// 32-bit registry views, so either program reads them as they stand.
// Postlark's own library would only take the message the roads this
// program takes without one: so it takes them itself, in its own bitness.
bool MailProgramRegistered() {
  bool ours = false;
  if (MappedByAdministrator()) return true;
  return (DefaultNamesLibrary(HKEY_CURRENT_USER, &ours) ||
          DefaultNamesLibrary(HKEY_LOCAL_MACHINE, &ours)) && !ours;
}
