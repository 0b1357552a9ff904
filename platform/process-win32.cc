#include "process.h"

#include <wchar.h>

#include "simple_mapi.h"  // <windows.h>

// A command line of two quoted paths of under MAX_PATH code units.
static const size_t kCommandLineCapacity = 2 * MAX_PATH + 8;

bool StartProgram(const wchar_t* program, const wchar_t* file, const wchar_t* folder) {
  wchar_t line[kCommandLineCapacity];  // CreateProcessW may write to it
  size_t length = 0;
  // The C runtime takes a quoted path whole: a path has no quote of its
  // own, and a file's does not end in the backslash that would escape the
  // closing quote.
  const wchar_t* const paths[] = {program, file};
  for (const wchar_t* path : paths) {
    size_t units = wcslen(path);
    if (units == 0 || units >= MAX_PATH || wcschr(path, L'"') != nullptr ||
        path[units - 1] == L'\\')
      return false;
    line[length++] = L'"';
    wmemcpy(line + length, path, units);
    length += units;
    line[length++] = L'"';
    line[length++] = L' ';
  }
  line[length - 1] = L'\0';
  // No standard handles either: Windows would hand a console program ours,
  // and Wine any program their files, which a pipe reading our output would
  // then wait on.
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  PROCESS_INFORMATION process = {};
  // The program's path is given whole: nothing is looked for on the path.
  // A handle it inherited would keep a pipe that our output goes to open
  // for as long as it runs; our working folder would stay in use.
  if (!CreateProcessW(program, line, nullptr, nullptr, FALSE, 0, nullptr, folder, &startup,
                      &process))
    return false;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}
