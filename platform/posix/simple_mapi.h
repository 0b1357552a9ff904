// Simple MAPI where the platform has none: the published records, flags and
// result codes, and the three loader calls the mail code uses, implemented
// over the POSIX dynamic loader.
#ifndef POSTLARK_PLATFORM_SIMPLE_MAPI_H_
#define POSTLARK_PLATFORM_SIMPLE_MAPI_H_

#include <stdint.h>

#define WINAPI

typedef uint32_t ULONG;  // 32 bits, as on Windows, whatever `long` is here
typedef uintptr_t ULONG_PTR;
typedef ULONG FLAGS;
typedef ULONG_PTR LHANDLE;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef int BOOL;

/// A loaded library; null when loading failed.
typedef struct PlatformModule* HMODULE;
/// An entry point as the loader returns it; cast to its real type before use.
typedef void (*FARPROC)(void);

// Records in the published field order.
typedef struct {
  ULONG ulReserved;
  ULONG flFlags;
  ULONG nPosition;
  LPSTR lpszPathName;
  LPSTR lpszFileName;
  LPVOID lpFileType;
} MapiFileDesc, *lpMapiFileDesc;

typedef struct {
  ULONG ulReserved;
  ULONG ulRecipClass;
  LPSTR lpszName;
  LPSTR lpszAddress;
  ULONG ulEIDSize;
  LPVOID lpEntryID;
} MapiRecipDesc, *lpMapiRecipDesc;

typedef struct {
  ULONG ulReserved;
  LPSTR lpszSubject;
  LPSTR lpszNoteText;
  LPSTR lpszMessageType;
  LPSTR lpszDateReceived;
  LPSTR lpszConversationID;
  FLAGS flFlags;
  lpMapiRecipDesc lpOriginator;
  ULONG nRecipCount;
  lpMapiRecipDesc lpRecips;
  ULONG nFileCount;
  lpMapiFileDesc lpFiles;
} MapiMessage, *lpMapiMessage;

#define MAPI_ORIG 0
#define MAPI_TO 1
#define MAPI_CC 2
#define MAPI_BCC 3

#define MAPI_LOGON_UI 0x00000001
#define MAPI_DIALOG 0x00000008

#define SUCCESS_SUCCESS 0
#define MAPI_USER_ABORT 1
#define MAPI_E_USER_ABORT MAPI_USER_ABORT
#define MAPI_E_FAILURE 2
#define MAPI_E_LOGON_FAILURE 3
#define MAPI_E_LOGIN_FAILURE MAPI_E_LOGON_FAILURE
#define MAPI_E_INSUFFICIENT_MEMORY 5
#define MAPI_E_ATTACHMENT_NOT_FOUND 11
#define MAPI_E_ATTACHMENT_OPEN_FAILURE 12
#define MAPI_E_ATTACHMENT_WRITE_FAILURE 13
#define MAPI_E_BAD_RECIPTYPE 15
#define MAPI_E_TEXT_TOO_LARGE 18
#define MAPI_E_INVALID_RECIPS 25
#define MAPI_E_NOT_SUPPORTED 26

typedef ULONG(WINAPI MAPISENDMAIL)(LHANDLE lhSession, ULONG_PTR ulUIParam,
                                   lpMapiMessage lpMessage, FLAGS flFlags,
                                   ULONG ulReserved);
typedef MAPISENDMAIL* LPMAPISENDMAIL;

/// The entry point a mail library exports. Programs look it up at run time
/// and never link to it.
extern "C" MAPISENDMAIL MAPISendMail;

/// Loads a library named the Windows way ("MAPI32.DLL") from the shared
/// object "libmapi32.so" in the directory of the running executable. Names
/// with a directory part are refused; the current directory and the
/// environment are never searched.
HMODULE LoadLibraryA(LPCSTR name);

/// Looks up an exported function; null when the library has none by that name.
FARPROC GetProcAddress(HMODULE module, LPCSTR name);

/// Releases a library returned by LoadLibraryA.
BOOL FreeLibrary(HMODULE module);

#endif  // POSTLARK_PLATFORM_SIMPLE_MAPI_H_
