// A recording stand-in for the mail library: MAPI32.DLL on Windows,
// libmapi32.so natively. MAPISendMail (on Windows also MAPISendMailW)
// appends to the file named by POSTLARK_RECORD a "wrong: ..." line for each
// group of fields that should never vary but did, then "send ..." with the
// texts (bytes outside printable ASCII as \xHH; "sendW ..." in UTF-8) and
// the code it returns, the one in POSTLARK_RESULT (on Windows 11 where
// POSTLARK_CHECK_PATH asks for a full path, and it is not one or names no
// file). On Windows it also records how it was unloaded. Built with RECORDING_MAPI_WITHOUT_SEND_MAIL
// it has neither entry; with RECORDING_MAPI_WITHOUT_SEND_MAIL_W, only
// MAPISendMail, as Windows 7's; with RECORDING_MAPI_PLANTED it says when it
// is loaded, as a copy planted where the program must not look.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "simple_mapi.h"

[[maybe_unused]] static void Record(const char* text, const char* prefix = "", const char* suffix = "\n",
                                    bool raw = false) {
  const char* path = getenv("POSTLARK_RECORD");
  FILE* file = path != nullptr ? fopen(path, "ab") : nullptr;
  if (file == nullptr) return;
  fputs(prefix, file);
  // Printable ASCII as is, other bytes as \xHH.
  if (text == nullptr) text = "(null)";
  for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p)
    fprintf(file, raw || (*p >= 0x20 && *p < 0x7F) ? "%c" : "\\x%02X", *p);
  fputs(suffix, file);
  fclose(file);
}
#define CHECK(condition) \
  if (!(condition)) Record("wrong: " #condition)

// The fields that never vary, in the narrow records and the UTF-16 ones.
template <typename Message>
static bool CheckFixedFields(ULONG_PTR session, ULONG_PTR ui, const Message* m, FLAGS flags, ULONG reserved) {
  CHECK(session == 0 && ui == 0 && flags == (MAPI_LOGON_UI | MAPI_DIALOG) && reserved == 0);
  if (m == nullptr || m->nFileCount != 1 || m->lpFiles == nullptr) return Record("wrong: files"), false;
  CHECK(m->ulReserved == 0 && !m->lpszMessageType && !m->lpszDateReceived &&
        !m->lpszConversationID && m->flFlags == 0 && !m->lpOriginator && m->nRecipCount == 0 &&
        !m->lpRecips);
  const auto* f = m->lpFiles;
  CHECK(f->ulReserved == 0 && f->flFlags == 0 && f->nPosition == 0xFFFFFFFFu && !f->lpFileType);
  CHECK(f->lpszPathName != f->lpszFileName);
  return true;
}

// Thunderbird's check of a path: a drive and a colon, or two backslashes,
// first, and no "/". Then it opens the file.
template <typename Char>
[[maybe_unused]] static bool FoundAsThunderbirdWould(const Char* p) {
#if defined(_WIN32)
  if (getenv("POSTLARK_CHECK_PATH") == nullptr) return true;
  for (const Char* c = p; *c != 0; ++c) {
    if (*c == '/') return false;
  }
  bool qualified = (p[0] != 0 && p[1] == ':') || (p[0] == '\\' && p[1] == '\\');
  if constexpr (sizeof(Char) == 1) return qualified && GetFileAttributesA(p) != INVALID_FILE_ATTRIBUTES;
  else return qualified && GetFileAttributesW(p) != INVALID_FILE_ATTRIBUTES;
#else
  return p != nullptr;
#endif
}

[[maybe_unused]] static ULONG Result(bool found = true) {
  const char* result = found ? getenv("POSTLARK_RESULT") : "11";
  Record(result != nullptr ? result : "0");
  return static_cast<ULONG>(strtoul(result != nullptr ? result : "0", nullptr, 10));
}

#if !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL)
extern "C" ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR ui,
                                     lpMapiMessage m, FLAGS flags, ULONG reserved) {
  if (!CheckFixedFields(session, ui, m, flags, reserved)) return 2;
  Record(m->lpFiles->lpszPathName, "send path=[", "] ");
  Record(m->lpFiles->lpszFileName, "name=[", "] ");
  Record(m->lpszSubject, "subject=[", "] ");
  Record(m->lpszNoteText, "body=[", "] returns ");
  return Result(FoundAsThunderbirdWould(m->lpFiles->lpszPathName));
}
#endif

#if defined(_WIN32) && !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL) && \
    !defined(RECORDING_MAPI_WITHOUT_SEND_MAIL_W)
static void RecordWide(const wchar_t* text, const char* prefix) {
  static char utf8[4096];
  bool converted = text != nullptr &&
                   WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr) > 0;
  Record(converted ? utf8 : "(not converted)", prefix, "] ", true);
}

extern "C" MAPISENDMAILW MAPISendMailW;
extern "C" ULONG WINAPI MAPISendMailW(LHANDLE session, ULONG_PTR ui,
                                      lpMapiMessageW m, FLAGS flags, ULONG reserved) {
  if (!CheckFixedFields(session, ui, m, flags, reserved)) return 2;
  RecordWide(m->lpFiles->lpszPathName, "sendW path=[");
  RecordWide(m->lpFiles->lpszFileName, "name=[");
  RecordWide(m->lpszSubject, "subject=[");
  RecordWide(m->lpszNoteText, "body=[");
  Record("returns ", "", "");
  return Result(FoundAsThunderbirdWould(m->lpFiles->lpszPathName));
}
#endif

#if defined(_WIN32)
// A null lpReserved on detach means FreeLibrary, not the process's end.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved);
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
#if defined(RECORDING_MAPI_PLANTED)
  if (reason == DLL_PROCESS_ATTACH) Record("planted copy loaded");
#endif
  if (reason == DLL_PROCESS_DETACH) Record(reserved == nullptr ? "released" : "not released");
  return TRUE;
}
#endif
