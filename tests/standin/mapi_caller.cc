// A program that mails files through the system's MAPI32.DLL, as programs
// do, and deletes its files as soon as the call returns, as some do. Its
// exit status is the call's.
//
//   mapi_caller ansi|utf8|wide|modeless SUBJECT BODY [ITEM...]
//     MAPISendMail with the ANSI code page (ulReserved 0) or UTF-8
//     (ulReserved 65001), or MAPISendMailW (modeless: with
//     MAPI_DIALOG_MODELESS, as LibreOffice calls it); each ITEM is
//     CLASS|ADDRESS|NAME (CLASS: orig, to, cc or bcc) or
//     file|PATH|NAME, an empty field a null pointer
//   mapi_caller documents DELIMITER PATHS [NAMES]
//   mapi_caller session PATH  sessions, mailing the missing file PATH
//   mapi_caller resolve TEXT...
//     resolves each TEXT into a pointer full of garbage, mails to all it
//     resolved, frees each through MAPI32.DLL and the library by turns,
//     then again, and checks the heap
//   mapi_caller others      the mail store, the address book (outputs full
//                           of garbage) and MAPIFreeBuffer
//   mapi_caller hostile     records no caller should send: a line each
//   mapi_caller threads N PATH
//                           N calls at once, each on a thread of its own,
//                           with the subject "thread I" and the file at
//                           PATH as "thread I.txt"
//   mapi_caller mta MODE... any of these on a thread in COM's
//                           multi-threaded apartment, which must stay
//                           there: then prints how COM answers a second
//                           CoInitializeEx (1, S_FALSE: still in it)
#include <windows.h>

#include <mapi.h>
#include <objbase.h>
#include <stdio.h>
#include <string.h>

#include "simple_mapi.h"

int wmain(int argc, wchar_t** argv);

namespace {

const int kMost = 64;
HMODULE library;
// As the Windows SDK has it: MinGW-w64's <mapi.h> lacks it.
const FLAGS kDialogModeless = 0x00000004 | MAPI_DIALOG;

// The library as the system's MAPI32.DLL loaded it, or null.
HMODULE Postlark() { return GetModuleHandleW(L"PostlarkMAPI.dll"); }

template <typename Function>
Function Entry(const char* name, HMODULE module = library) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)(void)>(GetProcAddress(module, name)));
}

// The edge between two pages, the one before it or the one after it
// without access.
char* PageEdge(bool before) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  char* pages = static_cast<char*>(VirtualAlloc(nullptr, 2 * system.dwPageSize, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  DWORD old;
  VirtualProtect(before ? pages : pages + system.dwPageSize, system.dwPageSize, PAGE_NOACCESS, &old);
  return pages + system.dwPageSize;
}

// The narrow form of `text` in `code_page`, from a static pool.
char* Narrow(const wchar_t* text, UINT code_page) {
  static char pool[1 << 20];
  static size_t used;
  if (text == nullptr) return nullptr;
  char* narrow = pool + used;
  used += static_cast<size_t>(WideCharToMultiByte(code_page, 0, text, -1, narrow,
                                                  static_cast<int>(sizeof pool - used), nullptr, nullptr));
  return narrow;
}

// Splits "A|B|C" in place: empty fields are null.
void Fields(wchar_t* item, wchar_t* (&fields)[3]) {
  for (int i = 0; i < 3; ++i) {
    fields[i] = item;
    wchar_t* bar = item == nullptr ? nullptr : wcschr(item, L'|');
    if (bar != nullptr) *bar = L'\0';
    if (fields[i] != nullptr && *fields[i] == L'\0') fields[i] = nullptr;
    item = bar == nullptr ? nullptr : bar + 1;
  }
}

// MAPI_ORIG, MAPI_TO, MAPI_CC or MAPI_BCC, by its name.
ULONG ClassOf(const wchar_t* name) {
  const wchar_t* const kNames[] = {L"orig", L"to", L"cc", L"bcc"};
  ULONG i = 0;
  while (i < 3 && wcscmp(name, kNames[i]) != 0) ++i;
  return i;
}

int Send(const wchar_t* mode, int count, wchar_t** items) {
  static MapiRecipDescW recipients[kMost];
  static MapiFileDescW files[kMost];
  MapiMessageW message = {};
  message.lpszSubject = items[0];
  message.lpszNoteText = items[1];
  message.lpRecips = recipients;
  message.lpFiles = files;
  for (int i = 2; i < count; ++i) {
    wchar_t* fields[3];
    Fields(items[i], fields);
    if (wcscmp(fields[0], L"file") == 0)
      files[message.nFileCount++] = {0, 0, 0xFFFFFFFFu, fields[1], fields[2], nullptr};
    else
      recipients[message.nRecipCount++] = {0, ClassOf(fields[0]), fields[2], fields[1], 0, nullptr};
  }
  ULONG status;
  bool modeless = wcscmp(mode, L"modeless") == 0;
  if (wcscmp(mode, L"wide") == 0 || modeless) {
    status = Entry<LPMAPISENDMAILW>("MAPISendMailW")(0, 0, &message, modeless ? kDialogModeless : MAPI_DIALOG, 0);
  } else {
    // The same records, narrow: field for field alike.
    UINT code_page = wcscmp(mode, L"utf8") == 0 ? CP_UTF8 : CP_ACP;
    static MapiRecipDesc narrow_recipients[kMost];
    static MapiFileDesc narrow_files[kMost];
    MapiMessage narrow = {};
    narrow.lpszSubject = Narrow(message.lpszSubject, code_page);
    narrow.lpszNoteText = Narrow(message.lpszNoteText, code_page);
    for (ULONG i = 0; i < message.nRecipCount; ++i)
      narrow_recipients[i] = {0, recipients[i].ulRecipClass, Narrow(recipients[i].lpszName, code_page),
                              Narrow(recipients[i].lpszAddress, code_page), 0, nullptr};
    for (ULONG i = 0; i < message.nFileCount; ++i)
      narrow_files[i] = {0, 0, 0xFFFFFFFFu, Narrow(files[i].lpszPathName, code_page),
                         Narrow(files[i].lpszFileName, code_page), nullptr};
    narrow.nRecipCount = message.nRecipCount;
    narrow.lpRecips = narrow_recipients;
    narrow.nFileCount = message.nFileCount;
    narrow.lpFiles = narrow_files;
    status = Entry<LPMAPISENDMAIL>("MAPISendMail")(0, 0, &narrow, MAPI_DIALOG | MAPI_LOGON_UI,
                                                   code_page == CP_UTF8 ? CP_UTF8 : 0);
  }
  for (ULONG i = 0; i < message.nFileCount; ++i) {
    if (files[i].lpszPathName != nullptr) DeleteFileW(files[i].lpszPathName);
  }
  return static_cast<int>(status);
}

int Documents(int count, wchar_t** items) {
  ULONG status = Entry<LPMAPISENDDOCUMENTS>("MAPISendDocuments")(
      0, Narrow(items[0], CP_ACP), Narrow(items[1], CP_ACP), count > 2 ? Narrow(items[2], CP_ACP) : nullptr, 0);
  // The paths, split as the call was told to.
  for (wchar_t* path = items[1]; path != nullptr && *path != L'\0';) {
    wchar_t* next = wcschr(path, items[0][0]);
    if (next != nullptr) *next++ = L'\0';
    DeleteFileW(path);
    path = next;
  }
  return static_cast<int>(status);
}

// "null", or "set": alike for either bitness.
const char* Pointer(const void* pointer) { return pointer == nullptr ? "null" : "set"; }

void Report(const char* what, ULONG status) { printf("%s: %lu\n", what, static_cast<unsigned long>(status)); }

int Session(const wchar_t* missing) {
  LHANDLE session = 0;
  MapiFileDesc file = {0, 0, 0xFFFFFFFFu, Narrow(missing, CP_ACP), nullptr, nullptr};
  MapiMessage message = {};
  message.nFileCount = 1;
  message.lpFiles = &file;
  auto send = Entry<LPMAPISENDMAIL>("MAPISendMail");
  ULONG status = Entry<LPMAPILOGON>("MAPILogon")(0, nullptr, nullptr, MAPI_LOGON_UI, 0, &session);
  printf("MAPILogon: %lu, session %llu\n", static_cast<unsigned long>(status), static_cast<unsigned long long>(session));
  Report("MAPISendMail with it", send(session, 0, &message, 0, 0));
  Report("with it cut to 32 bits", send(static_cast<ULONG>(session), 0, &message, 0, 0));
  Report("with another", send(session + 12345, 0, &message, 0, 0));
  Report("MAPILogoff", Entry<LPMAPILOGOFF>("MAPILogoff")(session, 0, 0, 0));
  Report("MAPILogoff of another", Entry<LPMAPILOGOFF>("MAPILogoff")(session + 12345, 0, 0, 0));
  Report("MAPILogon without a place for it", Entry<LPMAPILOGON>("MAPILogon")(0, nullptr, nullptr, 0, 0, nullptr));
  // The library's own entries, once it has been loaded anew.
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(Postlark(), path, MAX_PATH);
  FreeLibrary(library);
  HMODULE again = LoadLibraryW(path);
  Report("loaded anew, MAPILogoff of the session before", Entry<LPMAPILOGOFF>("MAPILogoff", again)(session, 0, 0, 0));
  FreeLibrary(again);
  library = nullptr;
  return 0;
}

int Resolve(int count, wchar_t** texts) {
  auto free_buffer = Entry<LPMAPIFREEBUFFER>("MAPIFreeBuffer");
  auto own_free = Entry<LPMAPIFREEBUFFER>("MAPIFreeBuffer", Postlark());
  lpMapiRecipDesc resolved[kMost];
  MapiRecipDesc recipients[kMost];
  MapiMessage message = {};
  message.lpRecips = recipients;
  for (int i = 0; i < count; ++i) {
    memset(&resolved[i], 0xA5, sizeof resolved[i]);
    ULONG status = Entry<LPMAPIRESOLVENAME>("MAPIResolveName")(0, 0, Narrow(texts[i], CP_ACP), i % 2 ? MAPI_DIALOG : 0,
                                                                0, &resolved[i]);
    printf("%lu", static_cast<unsigned long>(status));
    if (resolved[i] == nullptr) printf(", none\n");
    if (resolved[i] == nullptr) continue;
    const MapiRecipDesc& r = *resolved[i];
    printf(", class %lu, name \"%s\", address \"%s\", entry %lu %s\n", static_cast<unsigned long>(r.ulRecipClass),
           r.lpszName, r.lpszAddress, static_cast<unsigned long>(r.ulEIDSize), Pointer(r.lpEntryID));
    recipients[message.nRecipCount++] = r;
  }
  Report("MAPISendMail to them", Entry<LPMAPISENDMAIL>("MAPISendMail")(0, 0, &message, MAPI_DIALOG, 0));
  for (int i = 0, turn = 0; i < count; ++i) {
    if (resolved[i] == nullptr) continue;
    bool own = turn++ % 2 != 0;
    Report(own ? "freed by the library" : "freed by MAPI32.DLL", (own ? own_free : free_buffer)(resolved[i]));
    Report("again, by the library", own_free(resolved[i]));
  }
  printf("heap valid: %d\n", HeapValidate(GetProcessHeap(), 0, nullptr) != FALSE);
  return 0;
}

int Others() {
  lpMapiRecipDesc recipients;
  lpMapiMessage read;
  ULONG found = 77;
  char id[512] = "garbage";
  memset(&recipients, 0xA5, sizeof recipients);
  memset(&read, 0xA5, sizeof read);
  Report("MAPIAddress", Entry<LPMAPIADDRESS>("MAPIAddress")(0, 0, nullptr, 1, nullptr, 0, nullptr, 0, 0, &found, &recipients));
  printf("  with %lu recipients at %s\n", static_cast<unsigned long>(found), Pointer(recipients));
  Report("MAPIFindNext", Entry<LPMAPIFINDNEXT>("MAPIFindNext")(0, 0, nullptr, nullptr, 0, 0, id));
  printf("  with the message \"%s\"\n", id);
  Report("MAPIReadMail", Entry<LPMAPIREADMAIL>("MAPIReadMail")(0, 0, id, 0, 0, &read));
  printf("  with the message at %s\n", Pointer(read));
  Report("MAPIDetails", Entry<LPMAPIDETAILS>("MAPIDetails")(0, 0, nullptr, 0, 0));
  Report("MAPISaveMail", Entry<LPMAPISAVEMAIL>("MAPISaveMail")(0, 0, nullptr, 0, 0, id));
  Report("MAPIDeleteMail", Entry<LPMAPIDELETEMAIL>("MAPIDeleteMail")(0, 0, id, 0, 0));
  auto free_buffer = Entry<LPMAPIFREEBUFFER>("MAPIFreeBuffer", Postlark());
  // What is not the library's own: on the stack, right after a page that
  // cannot be read, and a block of MAPI32.DLL's own allocator, laid out as
  // the library's are.
  typedef SCODE(WINAPI * AllocateBuffer)(ULONG size, LPVOID * buffer);
  void* heap = nullptr;
  Entry<AllocateBuffer>("MAPIAllocateBuffer")(64, &heap);
  Report("MAPIFreeBuffer of nothing", free_buffer(nullptr));
  Report("MAPIFreeBuffer of what is not its own", free_buffer(id + 8));
  Report("  nor a block of MAPI32.DLL's", free_buffer(heap));
  Report("  nor after a page that cannot be read", free_buffer(PageEdge(true)));
  printf("heap valid: %d\n", HeapValidate(GetProcessHeap(), 0, nullptr) != FALSE &&
                                  Entry<LPMAPIFREEBUFFER>("MAPIFreeBuffer")(heap) == SUCCESS_SUCCESS);
  return 0;
}

int Hostile() {
  auto send = Entry<LPMAPISENDMAIL>("MAPISendMail");
  auto send_wide = Entry<LPMAPISENDMAILW>("MAPISendMailW");
  // A text that fills the end of a page with no zero, and the next page
  // cannot be read: whether a reader stops at its limit.
  char* end = PageEdge(false);
  memset(end - 4096, 'a', 4096);
  MapiMessage message = {};
  Report("null message", send(0, 0, nullptr, 0, 0));
  message.nFileCount = 2;
  Report("two files, no array", send(0, 0, &message, 0, 0));
  message.nFileCount = 0;
  message.nRecipCount = 3;
  Report("three recipients, no array", send(0, 0, &message, 0, 0));
  static MapiRecipDesc recipients[kMost + 1];
  static MapiFileDesc files[kMost + 1];
  message.lpRecips = recipients;
  message.nRecipCount = kMost + 1;
  for (auto& recipient : recipients) recipient = {0, MAPI_TO, nullptr, const_cast<char*>("ann@example.com"), 0, nullptr};
  Report("65 recipients", send(0, 0, &message, 0, 0));
  message.nRecipCount = 1;
  recipients[0].ulRecipClass = 4;
  Report("recipient class 4", send(0, 0, &message, 0, 0));
  recipients[0] = {0, MAPI_CC, const_cast<char*>("Ann"), nullptr, 0, nullptr};
  Report("name alone", send(0, 0, &message, 0, 0));
  recipients[0] = {0, MAPI_CC, nullptr, const_cast<char*>("SMTP:ann@example.com, bob@example.com"), 0, nullptr};
  Report("two addresses in one", send(0, 0, &message, 0, 0));
  message.nRecipCount = 0;
  message.lpFiles = files;
  message.nFileCount = kMost + 1;
  Report("65 files", send(0, 0, &message, 0, 0));
  message.nFileCount = 1;
  files[0] = {};
  Report("file without a path", send(0, 0, &message, 0, 0));
  message.nFileCount = 0;
  message.lpszSubject = end - 1024;
  Report("subject without its end in 1024 bytes", send(0, 0, &message, 0, 0));
  message.lpszSubject = nullptr;
  static char body[65536];
  memset(body, 'b', sizeof body);
  message.lpszNoteText = body;
  Report("body without its end in 65536 bytes", send(0, 0, &message, 0, 0));
  message.lpszNoteText = const_cast<char*>("\xC3\x28");
  Report("body not UTF-8", send(0, 0, &message, 0, CP_UTF8));
  message.lpszNoteText = nullptr;
  files[0] = {0, 0, 0, end - 1024, nullptr, nullptr};
  message.nFileCount = 1;
  Report("path without its end in 1024 bytes", send(0, 0, &message, 0, 0));
  wchar_t* wide_end = reinterpret_cast<wchar_t*>(end);
  MapiMessageW wide = {};
  wide.lpszSubject = wide_end - 1024;
  Report("wide subject without its end in 1024 units", send_wide(0, 0, &wide, 0, 0));
  static wchar_t lone[] = L"a\xD800z";
  wide.lpszSubject = lone;
  Report("wide subject with a lone surrogate", send_wide(0, 0, &wide, 0, 0));
  auto documents = Entry<LPMAPISENDDOCUMENTS>("MAPISendDocuments");
  Report("documents without a delimiter", documents(0, nullptr, const_cast<char*>("a.txt"), nullptr, 0));
  Report("documents, paths without their end", documents(0, const_cast<char*>(";"), body, nullptr, 0));
  static char paths[kMost * 2 + 2];
  for (int i = 0; i <= kMost; ++i) memcpy(paths + 2 * i, "a;", 2);
  Report("documents, 65 paths", documents(0, const_cast<char*>(";"), paths, nullptr, 0));
  return 0;
}

wchar_t* thread_file;

DWORD WINAPI Thread(LPVOID argument) {
  static wchar_t subjects[kMost][16], names[kMost][16];
  int index = static_cast<int>(reinterpret_cast<INT_PTR>(argument));
  swprintf(subjects[index], 16, L"thread %d", index);
  swprintf(names[index], 16, L"thread %d.txt", index);
  MapiFileDescW file = {0, 0, 0xFFFFFFFFu, thread_file, names[index], nullptr};
  MapiMessageW message = {};
  message.lpszSubject = subjects[index];
  message.nFileCount = 1;
  message.lpFiles = &file;
  return Entry<LPMAPISENDMAILW>("MAPISendMailW")(0, 0, &message, 0, 0);
}

int Threads(int count, wchar_t* path) {
  thread_file = path;
  HANDLE threads[kMost];
  for (int i = 0; i < count; ++i)
    threads[i] = CreateThread(nullptr, 64 * 1024, Thread, reinterpret_cast<LPVOID>(static_cast<INT_PTR>(i)),
                              STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  WaitForMultipleObjects(static_cast<DWORD>(count), threads, TRUE, INFINITE);
  for (int i = 0; i < count; ++i) {
    DWORD status = 0;
    GetExitCodeThread(threads[i], &status);
    printf("thread %d: %lu\n", i, static_cast<unsigned long>(status));
    CloseHandle(threads[i]);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  wchar_t path[MAX_PATH];
  UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (argc < 2 || length == 0 || length + 12 >= MAX_PATH) return 125;
  wcscpy(path + length, L"\\mapi32.dll");
  library = LoadLibraryW(path);
  if (library == nullptr) return 124;
  bool mta = wcscmp(argv[1], L"mta") == 0 && argc > 2;
  if (mta) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    --argc;
    ++argv;
  }
  int status = 125;
  if (wcscmp(argv[1], L"documents") == 0 && argc >= 4) status = Documents(argc - 2, argv + 2);
  else if (wcscmp(argv[1], L"session") == 0 && argc == 3) status = Session(argv[2]);
  else if (wcscmp(argv[1], L"resolve") == 0) status = Resolve(argc - 2, argv + 2);
  else if (wcscmp(argv[1], L"others") == 0) status = Others();
  else if (wcscmp(argv[1], L"hostile") == 0) status = Hostile();
  else if (wcscmp(argv[1], L"threads") == 0 && argc == 4) status = Threads(_wtoi(argv[2]), argv[3]);
  else if (argc >= 4) status = Send(argv[1], argc - 2, argv + 2);
  if (mta) printf("COM after the call: %ld\n", static_cast<long>(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
  fflush(stdout);
  if (library != nullptr) FreeLibrary(library);
  return status;
}
