// A stand-in for a program that Postlark, or the shell for it, starts: the
// user's program for mailto: links, or the new Outlook's olk.exe. Appends
// the command line it was started with, in UTF-8, to the file that the
// environment variable RECORD_VARIABLE names, and keeps a copy of the file
// it was given, if any, beside it, with ".eml" added to its name.
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

int wmain(int argc, wchar_t** argv);  // the C runtime's wide start-up

int wmain(int argc, wchar_t** argv) {
  static wchar_t path[MAX_PATH], copy[MAX_PATH + 4];
  static char line[3 * 32768];
  DWORD length = GetEnvironmentVariableW(RECORD_VARIABLE, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 1;
  swprintf(copy, MAX_PATH + 4, L"%ls.eml", path);
  if (argc == 2) CopyFileW(argv[1], copy, FALSE);  // a link is no file: nothing
  int bytes = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line, nullptr,
                                  nullptr);
  FILE* file = _wfopen(path, L"ab");
  if (bytes == 0 || file == nullptr) return 1;
  fprintf(file, "%s\n", line);
  return fclose(file);
}
