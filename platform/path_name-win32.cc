#include "path_name.h"

#include "simple_mapi.h"  // <windows.h>: IsDBCSLeadByte

const char* PathFileName(const char* path) {
  const char* name = path;
  for (const char* c = path; *c != '\0'; ++c) {
    if (*c == '\\' || *c == '/')
      name = c + 1;
    else if (IsDBCSLeadByte(static_cast<BYTE>(*c)) && c[1] != '\0')
      ++c;  // its trail byte may be 0x5C, "\" (the 表 of Shift-JIS)
  }
  return name;
}
