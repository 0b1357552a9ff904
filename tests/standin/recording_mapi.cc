// A recording stand-in for the mail library, built as MAPI32.DLL for
// Windows and as libmapi32.so natively. It writes every argument of each
// MAPISendMail call and every field of the records it is handed to the file
// named by POSTLARK_RECORD, and returns the code in POSTLARK_RESULT (0 when
// unset). On Windows it also records how it was unloaded; natively the test
// runner reads that from the dynamic loader.
//
// Built with RECORDING_MAPI_WITHOUT_SEND_MAIL it exports no MAPISendMail.

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

#include "simple_mapi.h"

#if defined(_WIN32)
#define STANDIN_EXPORT extern "C" __declspec(dllexport)
#else
#define STANDIN_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace {

// Appends one formatted line; the file is opened for each line so that
// nothing is lost however the process ends.
void Record(const char* format, ...) __attribute__((format(printf, 1, 2)));

void Record(const char* format, ...) {
  const char* path = getenv("POSTLARK_RECORD");
  if (path == nullptr || *path == '\0') return;
  FILE* file = fopen(path, "ab");
  if (file == nullptr) return;
  va_list arguments;
  va_start(arguments, format);
  vfprintf(file, format, arguments);
  va_end(arguments);
  fputc('\n', file);
  fclose(file);
}

// A text as exact bytes: printable ASCII as is, but for the quote and the
// backslash, everything else as \xHH; a null pointer as null.
void RecordText(const char* name, const char* text) {
  if (text == nullptr) {
    Record("%s=null", name);
    return;
  }
  char escaped[4 * 4096 + 3];
  size_t length = 0;
  escaped[length++] = '"';
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
       *p != 0 && length < sizeof escaped - 6; ++p) {
    if (*p == '"' || *p == '\\') {
      escaped[length++] = '\\';
      escaped[length++] = static_cast<char>(*p);
    } else if (*p >= 0x20 && *p < 0x7F) {
      escaped[length++] = static_cast<char>(*p);
    } else {
      length += static_cast<size_t>(snprintf(escaped + length, 5, "\\x%02X", *p));
    }
  }
  escaped[length++] = '"';
  escaped[length] = '\0';
  Record("%s=%s", name, escaped);
}

void RecordPointer(const char* name, const void* pointer) {
  Record("%s=%s", name, pointer == nullptr ? "null" : "set");
}

void RecordNumber(const char* name, unsigned long long number) {
  Record("%s=%llu", name, number);
}

[[maybe_unused]] void RecordMessage(const MapiMessage* message) {
  if (message == nullptr) {
    Record("lpMessage=null");
    return;
  }
  RecordNumber("message.ulReserved", message->ulReserved);
  RecordText("message.lpszSubject", message->lpszSubject);
  RecordText("message.lpszNoteText", message->lpszNoteText);
  RecordText("message.lpszMessageType", message->lpszMessageType);
  RecordText("message.lpszDateReceived", message->lpszDateReceived);
  RecordText("message.lpszConversationID", message->lpszConversationID);
  RecordNumber("message.flFlags", message->flFlags);
  RecordPointer("message.lpOriginator", message->lpOriginator);
  RecordNumber("message.nRecipCount", message->nRecipCount);
  RecordPointer("message.lpRecips", message->lpRecips);
  RecordNumber("message.nFileCount", message->nFileCount);
  RecordPointer("message.lpFiles", message->lpFiles);
  for (ULONG i = 0; message->lpFiles != nullptr && i < message->nFileCount && i < 8;
       ++i) {
    const MapiFileDesc& file = message->lpFiles[i];
    char name[64];
    auto field = [&](const char* member) {
      snprintf(name, sizeof name, "file[%lu].%s", static_cast<unsigned long>(i), member);
      return name;
    };
    RecordNumber(field("ulReserved"), file.ulReserved);
    RecordNumber(field("flFlags"), file.flFlags);
    RecordNumber(field("nPosition"), file.nPosition);
    RecordText(field("lpszPathName"), file.lpszPathName);
    RecordText(field("lpszFileName"), file.lpszFileName);
    RecordPointer(field("lpFileType"), file.lpFileType);
  }
}

}  // namespace

#if !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL)
STANDIN_EXPORT ULONG WINAPI MAPISendMail(LHANDLE lhSession, ULONG_PTR ulUIParam,
                                         lpMapiMessage lpMessage, FLAGS flFlags,
                                         ULONG ulReserved) {
  Record("MAPISendMail lhSession=%llu ulUIParam=%llu flFlags=%lu ulReserved=%lu",
         static_cast<unsigned long long>(lhSession),
         static_cast<unsigned long long>(ulUIParam),
         static_cast<unsigned long>(flFlags), static_cast<unsigned long>(ulReserved));
  RecordMessage(lpMessage);
  const char* result = getenv("POSTLARK_RESULT");
  ULONG code = result == nullptr ? 0 : static_cast<ULONG>(strtoul(result, nullptr, 10));
  Record("returned %lu", static_cast<unsigned long>(code));
  return code;
}
#endif

#if defined(_WIN32)
// A null lpReserved on detach means FreeLibrary; otherwise the process is
// ending with the library still loaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) Record("loaded");
  if (reason == DLL_PROCESS_DETACH)
    Record(reserved == nullptr ? "released" : "not released");
  return TRUE;
}
#else
__attribute__((constructor)) static void RecordLoad() {
  Record("loaded");
}
#endif
