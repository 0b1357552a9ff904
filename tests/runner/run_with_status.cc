// Runs a Windows program and writes its full 32-bit exit status, in decimal,
// to a file: Wine hands only the low 8 bits on to the Linux side.
//
//   POSTLARK_RUN_PROGRAM=Postlark.exe POSTLARK_RUN_STATUS=status
//   wine run_with_status.exe ARGUMENTS...
//
// The program gets this runner's own command line after its first token,
// untouched, so that its C runtime splits the arguments exactly as it would
// split the command line typed by a user.

#include <windows.h>

#include <stdio.h>
#include <wchar.h>

namespace {

// The rest of the command line after the program's own name, which the C
// runtime reads up to the closing quote if it starts with one, else up to
// the first blank or tab.
const wchar_t* SkipProgramName(const wchar_t* line) {
  if (*line == L'"') {
    ++line;
    while (*line != L'\0' && *line != L'"') ++line;
    if (*line == L'"') ++line;
  } else {
    while (*line != L'\0' && *line != L' ' && *line != L'\t') ++line;
  }
  return line;
}

int Fail(const char* what) {
  fprintf(stderr, "run_with_status: %s failed (error %lu)\n", what,
          static_cast<unsigned long>(GetLastError()));
  return 125;
}

}  // namespace

int main() {
  wchar_t program[MAX_PATH];
  wchar_t status_path[MAX_PATH];
  if (GetEnvironmentVariableW(L"POSTLARK_RUN_PROGRAM", program, MAX_PATH) == 0 ||
      GetEnvironmentVariableW(L"POSTLARK_RUN_STATUS", status_path, MAX_PATH) == 0)
    return Fail("reading POSTLARK_RUN_PROGRAM and POSTLARK_RUN_STATUS");

  static wchar_t command_line[32768];
  int length = _snwprintf(command_line, 32767, L"\"%ls\"%ls", program,
                          SkipProgramName(GetCommandLineW()));
  if (length < 0) return Fail("building the command line");
  command_line[32767] = L'\0';

  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(program, command_line, nullptr, nullptr, TRUE, 0, nullptr,
                      nullptr, &startup, &process))
    return Fail("CreateProcess");
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exit_code = 0;
  BOOL got_code = GetExitCodeProcess(process.hProcess, &exit_code);
  DWORD error = GetLastError();
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!got_code) {
    SetLastError(error);
    return Fail("GetExitCodeProcess");
  }

  FILE* file = _wfopen(status_path, L"wb");
  if (file == nullptr) return Fail("opening the status file");
  fprintf(file, "%lu\n", static_cast<unsigned long>(exit_code));
  fclose(file);
  return 0;
}
