// Simple MAPI on Windows: the platform's own declarations, and the UTF-16
// ones that MinGW-w64's <mapi.h> lacks.
#ifndef POSTLARK_PLATFORM_SIMPLE_MAPI_H_
#define POSTLARK_PLATFORM_SIMPLE_MAPI_H_

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>  // LoadLibraryA, GetProcAddress, FreeLibrary
#include <mapi.h>     // MapiMessage, MapiFileDesc, LPMAPISENDMAIL, result codes

// The Windows SDK's <mapi.h> declares these itself, with this code.
#ifndef MAPI_E_UNICODE_NOT_SUPPORTED
#define MAPI_E_UNICODE_NOT_SUPPORTED 27

// The published records of MAPISendMailW: the narrow ones, laid out field for
// field alike, with UTF-16 texts.
typedef struct {
  ULONG ulReserved;
  ULONG flFlags;
  ULONG nPosition;
  PWSTR lpszPathName;
  PWSTR lpszFileName;
  PVOID lpFileType;
} MapiFileDescW, *lpMapiFileDescW;

typedef struct {
  ULONG ulReserved;
  ULONG ulRecipClass;
  PWSTR lpszName;
  PWSTR lpszAddress;
  ULONG ulEIDSize;
  PVOID lpEntryID;
} MapiRecipDescW, *lpMapiRecipDescW;

typedef struct {
  ULONG ulReserved;
  PWSTR lpszSubject;
  PWSTR lpszNoteText;
  PWSTR lpszMessageType;
  PWSTR lpszDateReceived;
  PWSTR lpszConversationID;
  FLAGS flFlags;
  lpMapiRecipDescW lpOriginator;
  ULONG nRecipCount;
  lpMapiRecipDescW lpRecips;
  ULONG nFileCount;
  lpMapiFileDescW lpFiles;
} MapiMessageW, *lpMapiMessageW;

typedef ULONG(WINAPI MAPISENDMAILW)(LHANDLE lhSession, ULONG_PTR ulUIParam,
                                    lpMapiMessageW lpMessage, FLAGS flFlags,
                                    ULONG ulReserved);
typedef MAPISENDMAILW* LPMAPISENDMAILW;
#endif  // MAPI_E_UNICODE_NOT_SUPPORTED

#endif  // POSTLARK_PLATFORM_SIMPLE_MAPI_H_
