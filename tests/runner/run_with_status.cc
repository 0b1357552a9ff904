// Runs $POSTLARK_RUN_PROGRAM with the rest of this runner's command line,
// untouched, for its C runtime to split as a user's, and writes its full
// 32-bit exit status to $POSTLARK_RUN_STATUS: Wine hands Linux only 8 bits.
#include <windows.h>

#include <stdio.h>

int main() {
  static wchar_t program[MAX_PATH], status_path[MAX_PATH], command_line[32768];
  if (GetEnvironmentVariableW(L"POSTLARK_RUN_PROGRAM", program, MAX_PATH) == 0 ||
      GetEnvironmentVariableW(L"POSTLARK_RUN_STATUS", status_path, MAX_PATH) == 0)
    return 125;
  // The runner's own name ends at its closing quote, or at a blank or tab.
  const wchar_t* rest = GetCommandLineW();
  bool quoted = *rest == L'"';
  for (rest += quoted; *rest != L'\0' && (quoted ? *rest != L'"' : *rest != L' ' && *rest != L'\t');)
    ++rest;
  if (quoted && *rest == L'"') ++rest;
  _snwprintf(command_line, 32767, L"\"%ls\"%ls", program, rest);

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  DWORD exit_code = 0;
  if (!CreateProcessW(program, command_line, nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                      &startup, &process))
    return 126;
  WaitForSingleObject(process.hProcess, INFINITE);
  bool got = GetExitCodeProcess(process.hProcess, &exit_code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  FILE* file = _wfopen(status_path, L"wb");
  if (!got || file == nullptr) return 127;
  fprintf(file, "%lu\n", static_cast<unsigned long>(exit_code));
  return fclose(file);
}
