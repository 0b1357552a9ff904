#include "mail_app.h"

#include <wchar.h>

#include <shobjidl.h>  // IApplicationAssociationRegistration

#include "com.h"

namespace {

// The package family's name, and "!" before the app's own.
const wchar_t kNewOutlook[] = L"Microsoft.OutlookForWindows_8wekyb3d8bbwe!";
const wchar_t kOutlookAppPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\olk.exe";

// CLSID_ApplicationAssociationRegistration and its interface, here so that
// no import library is needed for them.
const CLSID kAssociations = {0x591209c7, 0x767b, 0x42b2,
                             {0x9f, 0xba, 0x44, 0xee, 0x46, 0x15, 0xf2, 0xc7}};
const IID kAssociationsInterface = {0x4e530b0a, 0xe611, 0x4c77,
                                    {0xa3, 0xac, 0x90, 0x31, 0xd0, 0x22, 0x28, 0x1b}};

// Whether the ProgId stands for the new Outlook's app.
bool IsNewOutlook(const wchar_t* prog_id) {
  const wchar_t kApplication[] = L"\\Application";
  wchar_t key[MAX_PATH + sizeof kApplication / sizeof *kApplication];
  wchar_t app[MAX_PATH];
  DWORD size = sizeof app;
  size_t length = wcslen(prog_id);
  if (length >= MAX_PATH) return false;
  wmemcpy(key, prog_id, length);
  wmemcpy(key + length, kApplication, sizeof kApplication / sizeof *kApplication);
  return RegGetValueW(HKEY_CLASSES_ROOT, key, L"AppUserModelID", RRF_RT_REG_SZ, nullptr, app,
                      &size) == ERROR_SUCCESS &&
         _wcsnicmp(app, kNewOutlook, wcslen(kNewOutlook)) == 0;
}

// Whether the user's program for mailto: links is the new Outlook. Windows
// keeps the choice where it likes, and guards it: only the shell's answer,
// a ProgId, is sure.
bool NewOutlookChosen() {
  Com com;
  if (!StartCom(&com)) return false;
  bool chosen = false;
  IApplicationAssociationRegistration* associations = nullptr;
  if (SUCCEEDED(com.create_instance(kAssociations, nullptr, CLSCTX_INPROC_SERVER,
                                    kAssociationsInterface,
                                    reinterpret_cast<LPVOID*>(&associations)))) {
    LPWSTR prog_id = nullptr;
    if (SUCCEEDED(associations->QueryCurrentDefault(L"mailto", AT_URLPROTOCOL, AL_EFFECTIVE,
                                                    &prog_id)) &&
        prog_id != nullptr) {
      chosen = IsNewOutlook(prog_id);
      com.task_mem_free(prog_id);
    }
    associations->Release();
  }
  EndCom(&com);
  return chosen;
}

// The olk.exe that App Paths under `root` names, where that file exists.
bool OutlookProgram(HKEY root, wchar_t (&program)[MAX_PATH]) {
  DWORD size = sizeof program;
  if (RegGetValueW(root, kOutlookAppPath, nullptr, RRF_RT_REG_SZ, nullptr, program, &size) !=
      ERROR_SUCCESS)
    return false;
  // Only a full path: a bare name would be looked for in the working folder.
  bool full = (program[0] != L'\0' && program[1] == L':' && program[2] == L'\\') ||
              (program[0] == L'\\' && program[1] == L'\\');
  DWORD attributes = GetFileAttributesW(program);
  return full && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool FindNewOutlook(wchar_t (&program)[MAX_PATH]) {
  return NewOutlookChosen() &&
         (OutlookProgram(HKEY_CURRENT_USER, program) || OutlookProgram(HKEY_LOCAL_MACHINE, program));
}
