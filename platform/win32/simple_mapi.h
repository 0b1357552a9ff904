// Simple MAPI on Windows: the platform's own declarations.
#ifndef POSTLARK_PLATFORM_SIMPLE_MAPI_H_
#define POSTLARK_PLATFORM_SIMPLE_MAPI_H_

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>  // LoadLibraryA, GetProcAddress, FreeLibrary
#include <mapi.h>     // MapiMessage, MapiFileDesc, LPMAPISENDMAIL, result codes

#endif  // POSTLARK_PLATFORM_SIMPLE_MAPI_H_
