// A stand-in for a program that Postlark, or the shell for it, starts: the
// user's program for mailto: links, or the new Outlook's olk.exe. Appends
// the command line it was started with, in UTF-8, to the file that the
// environment variable RECORD_VARIABLE names, and keeps a copy of the file
// it was given, if any, beside it, with ".eml" added to its name. As
// olk.exe it also records its working folder ("in: …"), and where the
// variable POSTLARK_OUTLOOK_HOLD names a file, keeps running until that
// file exists (20 seconds at the most), as Outlook runs on, then records
// "ended".
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
#ifdef RECORD_WORKING_FOLDER
  static wchar_t folder[MAX_PATH], hold[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, folder);
  WideCharToMultiByte(CP_UTF8, 0, folder, -1, line, sizeof line, nullptr, nullptr);
  fprintf(file, "in: %s\n", line);
  if (GetEnvironmentVariableW(L"POSTLARK_OUTLOOK_HOLD", hold, MAX_PATH) > 0) {
    fclose(file);
    for (int i = 0; i < 200 && GetFileAttributesW(hold) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    file = _wfopen(path, L"ab");
    if (file == nullptr) return 1;
    fputs("ended\n", file);
  }
#endif
  return fclose(file);
}
