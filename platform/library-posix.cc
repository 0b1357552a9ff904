// The Windows loader calls over dlopen. A library is looked for beside the
// running executable, as Windows looks in the application's directory
// first, and then in the program's private library folder of an installed
// tree; nothing is taken from the current directory or the environment.

#include "simple_mapi.h"

#include <dlfcn.h>
#include <limits.h>  // PATH_MAX
#include <string.h>

#include "executable_directory.h"

#ifndef POSTLARK_PRIVATE_LIBRARY_DIR
#error "POSTLARK_PRIVATE_LIBRARY_DIR must name the private library folder"
#endif

namespace {

// Where an installed tree keeps our libraries, relative to the executable's
// folder; private, so that no other software sees our libmapi32.so.
const char kPrivateLibraryFolder[] = POSTLARK_PRIVATE_LIBRARY_DIR "/";

const char kDllSuffix[] = ".dll";
const size_t kDllSuffixLength = sizeof kDllSuffix - 1;

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsNameCharacter(char c) {
  c = LowerAscii(c);
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-';
}

// Turns "MAPI32.DLL" into "libmapi32.so": the stem in lower case, with or
// without the ".dll" ending. Refuses anything but a plain file name, so
// that no path can steer the search elsewhere. Returns false if the name
// is not plain or does not fit.
bool SharedObjectName(const char* name, char* out, size_t capacity) {
  size_t length = strlen(name);
  if (length > kDllSuffixLength) {
    bool has_suffix = true;
    for (size_t i = 0; i < kDllSuffixLength; ++i) {
      if (LowerAscii(name[length - kDllSuffixLength + i]) != kDllSuffix[i])
        has_suffix = false;
    }
    if (has_suffix) length -= kDllSuffixLength;
  }
  if (length == 0 || length + sizeof "lib.so" > capacity) return false;
  memcpy(out, "lib", 3);
  for (size_t i = 0; i < length; ++i) {
    if (!IsNameCharacter(name[i])) return false;
    out[3 + i] = LowerAscii(name[i]);
  }
  memcpy(out + 3 + length, ".so", sizeof ".so");
  return true;
}

// Opens `directory` + `folder` + `file`; null if it is not there or the
// path does not fit.
HMODULE OpenIn(const char* directory, size_t directory_length,
               const char* folder, const char* file) {
  char path[PATH_MAX];
  size_t folder_length = strlen(folder);
  size_t file_length = strlen(file);
  if (directory_length + folder_length + file_length >= sizeof path) return nullptr;
  memcpy(path, directory, directory_length);
  memcpy(path + directory_length, folder, folder_length);
  memcpy(path + directory_length + folder_length, file, file_length + 1);
  // An absolute path: dlopen then searches nothing.
  return static_cast<HMODULE>(dlopen(path, RTLD_NOW | RTLD_LOCAL));
}

}  // namespace

HMODULE LoadLibraryA(LPCSTR name) {
  if (name == nullptr) return nullptr;
  char file[NAME_MAX + 1];
  if (!SharedObjectName(name, file, sizeof file)) return nullptr;
  char directory[PATH_MAX];
  size_t directory_length = ExecutableDirectory(directory, sizeof directory);
  if (directory_length == 0) return nullptr;
  HMODULE module = OpenIn(directory, directory_length, "", file);
  if (module == nullptr)
    module = OpenIn(directory, directory_length, kPrivateLibraryFolder, file);
  return module;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
  if (module == nullptr || name == nullptr) return nullptr;
  void* symbol = dlsym(module, name);
  // POSIX guarantees that an object pointer from dlsym converts to a
  // function pointer.
  FARPROC entry;
  static_assert(sizeof entry == sizeof symbol, "function and object pointers differ in size");
  memcpy(&entry, &symbol, sizeof entry);
  return entry;
}

BOOL FreeLibrary(HMODULE module) {
  if (module == nullptr) return 0;
  return dlclose(module) == 0;
}
