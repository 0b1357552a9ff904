// A recording stand-in for the mail library. MAPISendMail (on Windows also
// MAPISendMailW) appends to $POSTLARK_RECORD a "wrong: ..." line for each
// group of fixed fields that did vary, then "send ..." with the texts (other
// bytes than printable ASCII as \xHH; "sendW ..." in UTF-8) and the code it
// returns: $POSTLARK_RESULT, or on Windows 11 where $POSTLARK_CHECK_PATH is
// set and Thunderbird would not take the path; on Windows, then how it was
// unloaded. RECORDING_MAPI_WITHOUT_SEND_MAIL builds it without either entry;
// RECORDING_MAPI_WITHOUT_SEND_MAIL_W with only MAPISendMail, as Windows 7's.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "simple_mapi.h"

[[maybe_unused]] static void Record(const char* text, const char* prefix = "", const char* suffix = "\n", bool raw = false) {
  const char* path = getenv("POSTLARK_RECORD");
  FILE* file = path != nullptr ? fopen(path, "ab") : nullptr;
  if (file == nullptr) return;
  fputs(prefix, file);
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p)
    fprintf(file, raw || (*p >= 0x20 && *p < 0x7F) ? "%c" : "\\x%02X", *p);
  fputs(suffix, file);
  fclose(file);
}
#define CHECK(condition) if (!(condition)) Record("wrong: " #condition)

[[maybe_unused]] static const char* Text(const char* text) { return text != nullptr ? text : "(null)"; }
#if defined(_WIN32)
[[maybe_unused]] static const char* Text(const wchar_t* text) {  // in UTF-8, in one of four buffers
  static char utf8[4][1024];
  static int next = 0;
  char* out = utf8[next++ % 4];
  return text != nullptr && WideCharToMultiByte(CP_UTF8, 0, text, -1, out, 1024, nullptr, nullptr) > 0
             ? out : "(not converted)";
}

// Thunderbird takes a path with a drive and a colon, or two backslashes,
// first, and no "/"; then it opens the file.
[[maybe_unused]] static bool Found(const char* p) { return !strchr(p, '/') && GetFileAttributesA(p) != INVALID_FILE_ATTRIBUTES; }
[[maybe_unused]] static bool Found(const wchar_t* p) { return !wcschr(p, L'/') && GetFileAttributesW(p) != INVALID_FILE_ATTRIBUTES; }
template <typename Char>
static bool PathTaken(const Char* p) {
  return getenv("POSTLARK_CHECK_PATH") == nullptr ||
         (p[0] != 0 && (p[1] == ':' || (p[0] == '\\' && p[1] == '\\')) && Found(p));
}
#else
[[maybe_unused]] static bool PathTaken(const char*) { return true; }
#endif

// Checks the fields that never vary, in the narrow records or the UTF-16
// ones, and records the texts and the result.
template <typename Message>
[[maybe_unused]] static ULONG Send(const char* name, ULONG_PTR session, ULONG_PTR ui, const Message* m,
                                   FLAGS flags, ULONG reserved) {
  CHECK(session == 0 && ui == 0 && flags == (MAPI_LOGON_UI | MAPI_DIALOG) && reserved == 0);
  if (m == nullptr || m->nFileCount != 1 || m->lpFiles == nullptr) return Record("wrong: files"), 2;
  CHECK(m->ulReserved == 0 && !m->lpszMessageType && !m->lpszDateReceived &&
        !m->lpszConversationID && m->flFlags == 0 && !m->lpOriginator && m->nRecipCount == 0 &&
        !m->lpRecips);
  const auto* f = m->lpFiles;
  CHECK(f->ulReserved == 0 && f->flFlags == 0 && f->nPosition == 0xFFFFFFFFu && !f->lpFileType);
  CHECK(f->lpszPathName != f->lpszFileName);
  bool raw = sizeof *m->lpszSubject > 1;
  Record(Text(f->lpszPathName), name, "] ", raw);
  Record(Text(f->lpszFileName), "name=[", "] ", raw);
  Record(Text(m->lpszSubject), "subject=[", "] ", raw);
  Record(Text(m->lpszNoteText), "body=[", "] returns ", raw);
  const char* result = !PathTaken(f->lpszPathName) ? "11" : getenv("POSTLARK_RESULT");
  Record(result != nullptr ? result : "0");
  return static_cast<ULONG>(strtoul(result != nullptr ? result : "0", nullptr, 10));
}

#if !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL)
extern "C" ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR ui, lpMapiMessage m, FLAGS flags,
                                     ULONG reserved) {
  return Send("send path=[", session, ui, m, flags, reserved);
}
#endif

#if defined(_WIN32) && !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL) && \
    !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL_W)
extern "C" MAPISENDMAILW MAPISendMailW;
extern "C" ULONG WINAPI MAPISendMailW(LHANDLE session, ULONG_PTR ui, lpMapiMessageW m, FLAGS flags,
                                      ULONG reserved) {
  return Send("sendW path=[", session, ui, m, flags, reserved);
}
#endif

#if defined(_WIN32)
// A null lpReserved on detach means FreeLibrary, not the process's end.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_DETACH) Record(reserved == nullptr ? "released" : "not released");
  return TRUE;
}
#endif
