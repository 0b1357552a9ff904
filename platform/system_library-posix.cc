#include "system_library.h"

// The mail library here is the one installed with the program: LoadLibraryA
// looks for it beside the program and in the program's private library
// folder, never in the working directory nor where the environment says.
HMODULE LoadSystemLibrary(LPCSTR name) {
  return LoadLibraryA(name);
}
