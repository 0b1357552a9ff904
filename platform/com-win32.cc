#include "com.h"

#include "system_library.h"

typedef HRESULT(WINAPI* CoInitializeExFunction)(LPVOID reserved, DWORD flags);

bool StartCom(Com* com) {
  com->ole32 = LoadSystemLibrary("ole32.dll");
  auto initialize = EntryAs<CoInitializeExFunction>(com->ole32, "CoInitializeEx");
  com->create_instance = EntryAs<CoCreateInstanceFunction>(com->ole32, "CoCreateInstance");
  com->task_mem_free = EntryAs<CoTaskMemFreeFunction>(com->ole32, "CoTaskMemFree");
  com->uninitialize = EntryAs<CoUninitializeFunction>(com->ole32, "CoUninitialize");
  if (initialize != nullptr && com->create_instance != nullptr && com->task_mem_free != nullptr &&
      com->uninitialize != nullptr) {
    // S_FALSE too: COM was initialised already, and the count goes up all
    // the same. A thread in the multi-threaded apartment can use COM as it
    // is, and must not be uninitialised by us.
    HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    com->initialized = SUCCEEDED(result);
    if (com->initialized || result == RPC_E_CHANGED_MODE) return true;
  }
  if (com->ole32 != nullptr) FreeLibrary(com->ole32);
  return false;
}
