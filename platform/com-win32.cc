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

namespace {

struct ApartmentCall {
  LPTHREAD_START_ROUTINE function;
  LPVOID context;
};

DWORD WINAPI RunInApartment(LPVOID argument) {
  const ApartmentCall* call = static_cast<const ApartmentCall*>(argument);
  Com com;
  bool started = StartCom(&com);
  call->function(call->context);
  if (started) EndCom(&com);
  return 0;
}

}  // namespace

bool RunInSingleThreadedApartment(LPTHREAD_START_ROUTINE function, LPVOID context) {
  Com com;
  if (StartCom(&com)) {
    bool here = com.initialized;  // not where the thread is in the MTA
    if (here) function(context);
    EndCom(&com);
    if (here) return true;
  }
  // The shell and the programs it asks may be COM servers that want a
  // single-threaded apartment, and would fail in the caller's.
  ApartmentCall call = {function, context};
  HANDLE thread = CreateThread(nullptr, 0, RunInApartment, &call, 0, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
}
