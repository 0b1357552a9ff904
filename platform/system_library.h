// Loading the system's own libraries, out of reach of files planted beside
// the program or in the working directory.
#ifndef POSTLARK_PLATFORM_SYSTEM_LIBRARY_H_
#define POSTLARK_PLATFORM_SYSTEM_LIBRARY_H_

#include "simple_mapi.h"

/// Loads the library `name` ("MAPI32.DLL", no path) from where the system
/// keeps its own libraries, and from nowhere else; null if it cannot be
/// loaded, or that place cannot be told. Release it with FreeLibrary.
HMODULE LoadSystemLibrary(LPCSTR name);

/// The entry point `name` of `library` as a `Function`, the typedef of its
/// prototype with its calling convention; null where `library` is null or
/// has no such entry.
template <typename Function>
Function EntryAs(HMODULE library, const char* name) {
  FARPROC entry = library == nullptr ? nullptr : GetProcAddress(library, name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)(void)>(entry));
}

#endif  // POSTLARK_PLATFORM_SYSTEM_LIBRARY_H_
