// COM for the length of one call, with ole32 loaded only for it.
#ifndef POSTLARK_PLATFORM_COM_H_
#define POSTLARK_PLATFORM_COM_H_

#include "simple_mapi.h"  // <windows.h>

#include <objbase.h>  // CoInitializeEx and its flags

typedef HRESULT(WINAPI* CoCreateInstanceFunction)(REFCLSID type, LPUNKNOWN outer, DWORD context,
                                                  REFIID interface_id, LPVOID* object);
typedef void(WINAPI* CoTaskMemFreeFunction)(LPVOID memory);
typedef void(WINAPI* CoUninitializeFunction)(void);

/// ole32, loaded from the system directory, and the entries its users need.
struct Com {
  HMODULE ole32;
  CoCreateInstanceFunction create_instance;
  CoTaskMemFreeFunction task_mem_free;
  CoUninitializeFunction uninitialize;
  bool initialized;  // by StartCom, and so to be undone by EndCom
};

/// Loads ole32 and initialises COM for this thread, apartment-threaded and
/// without OLE1's DDE, as the shell asks of its callers; a thread that has
/// joined the multi-threaded apartment (a host's, for a mail library)
/// stays in it. False, with nothing held, where either cannot be done.
/// EndCom undoes it.
bool StartCom(Com* com);

/// Uninitialises COM for this thread, where StartCom initialised it, and
/// releases ole32.
inline void EndCom(Com* com) {
  if (com->initialized) com->uninitialize();
  FreeLibrary(com->ole32);
}

/// Runs `function(context)` where the shell can be called: on this thread
/// where it is in a single-threaded apartment or can join one (for the
/// call); else, on a thread in the multi-threaded apartment or one that
/// cannot take COM, on a thread of its own in a single-threaded apartment,
/// which it waits for. This thread stays as it was. False where no thread
/// could be started for it.
bool RunInSingleThreadedApartment(LPTHREAD_START_ROUTINE function, LPVOID context);

#endif  // POSTLARK_PLATFORM_COM_H_
