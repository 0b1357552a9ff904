// A stand-in for the user's program for mailto: links: appends the command
// line it was started with, in UTF-8, to the file $POSTLARK_LINK_RECORD.
#include <windows.h>

#include <stdio.h>

int main() {
  static wchar_t path[MAX_PATH];
  static char line[3 * 32768];
  if (GetEnvironmentVariableW(L"POSTLARK_LINK_RECORD", path, MAX_PATH) == 0) return 1;
  int bytes = WideCharToMultiByte(CP_UTF8, 0, GetCommandLineW(), -1, line, sizeof line, nullptr,
                                  nullptr);
  FILE* file = _wfopen(path, L"ab");
  if (bytes == 0 || file == nullptr) return 1;
  fprintf(file, "%s\n", line);
  return fclose(file);
}
