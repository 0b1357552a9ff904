#include "system_library.h"

#include <string.h>

// By name alone, LoadLibraryA looks in the program's own folder first, and
// MAPI32.DLL is not one of the KnownDLLs: a copy planted beside the program
// would run as the user. So the name goes after the system directory (for a
// 32-bit program on 64-bit Windows the file system redirects that to
// SysWOW64). LoadLibraryExA's search flags would need an update on Windows 7.
HMODULE LoadSystemLibrary(LPCSTR name) {
  char path[MAX_PATH];
  UINT length = GetSystemDirectoryA(path, MAX_PATH);
  // 0: it could not be told; MAX_PATH or more: the size it would need.
  if (length == 0 || length >= MAX_PATH) return nullptr;
  if (path[length - 1] != '\\') path[length++] = '\\';
  size_t name_size = strlen(name) + 1;
  if (name_size > MAX_PATH - length) return nullptr;
  memcpy(path + length, name, name_size);
  return LoadLibraryA(path);
}
