// MailFile for the command line's UTF-16 texts: the attachment's full path,
// and the choice of road: MAPISendMail, MAPISendMailW, or where no mail
// program takes Simple MAPI, a draft for the new Outlook or a mailto: link.
#include "mail_file.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "mail_message.h"
#include "mail_program.h"
#include "mail_request.h"
#include "system_library.h"

namespace {

const char kSendMailWideEntry[] = "MAPISendMailW";

// The most bytes one UTF-16 code unit takes in an ANSI code page, and so the
// room for the narrow form of a text of up to 255 units, however long that
// is: the narrow road takes it only if it fits in 255 bytes.
const int kNarrowCapacity = 4 * MailTextCapacity + 1;

// Writes the exact form of `text` (up to 255 code units) in the ANSI code
// page into `narrow`, zero-terminated. False where a character has none: the
// conversion would have put a look-alike or the default character in its
// place.
bool ExactNarrowForm(const wchar_t* text, char (&narrow)[kNarrowCapacity]) {
  int units = static_cast<int>(wcslen(text));
  narrow[0] = '\0';
  if (units == 0) return true;
  UINT code_page = GetACP();
  // UTF-8 has a form for every character but a lone surrogate, and takes
  // neither the best-fit flag nor a default character.
  bool utf8 = code_page == CP_UTF8;
  BOOL defaulted = FALSE;
  int bytes = WideCharToMultiByte(code_page, utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS,
                                  text, units, narrow, kNarrowCapacity - 1, nullptr,
                                  utf8 ? nullptr : &defaulted);
  narrow[bytes] = '\0';
  return bytes > 0 && !defaulted;
}

// MailRequest for MAPISendMailW: the same records, with UTF-16 texts.
struct WideMailRequest {
  wchar_t attachment_display_name[MailTextCapacity];
  wchar_t texts[3][MailTextCapacity];  // attachment path, subject, note
  MapiFileDescW attachment;
  MapiMessageW message;
};

// MailFile's road for texts that only UTF-16 holds, or holds in 255 units
// where the code page needs more than 255 bytes: the request as
// BuildMailRequest makes it, handed to MAPISendMailW. Each text fits its
// field. `refused` is the first text the narrow road cannot take, and
// `refused_exact` whether only for its length.
int32_t MailWideTexts(const wchar_t* const texts[3], int refused, bool refused_exact) {
  WideMailRequest request = {};
  for (int i = 0; i < 3; ++i)
    memcpy(request.texts[i], texts[i], (wcslen(texts[i]) + 1) * sizeof(wchar_t));
  const wchar_t* name = texts[0];
  for (const wchar_t* c = texts[0]; *c != L'\0'; ++c) {
    if (*c == L'\\' || *c == L'/') name = c + 1;
  }
  memcpy(request.attachment_display_name, name, (wcslen(name) + 1) * sizeof(wchar_t));
  request.attachment.nPosition = 0xFFFFFFFFu;  // not placed within the note text
  request.attachment.lpszPathName = request.texts[0];
  request.attachment.lpszFileName = request.attachment_display_name;
  request.message.lpszSubject = request.texts[1];
  request.message.lpszNoteText = request.texts[2];
  request.message.nFileCount = 1;
  request.message.lpFiles = &request.attachment;

  HMODULE library = LoadSystemLibrary(kMailLibrary);
  if (library == nullptr) {
    fputs("LoadLibrary failed\n", stdout);
    return -1;
  }
  LPMAPISENDMAILW send_mail = reinterpret_cast<LPMAPISENDMAILW>(
      reinterpret_cast<void (*)(void)>(GetProcAddress(library, kSendMailWideEntry)));
  if (send_mail == nullptr) {
    // Windows 7's: its MAPISendMail would get look-alikes, or another file.
    FreeLibrary(library);
    if (refused_exact) return ReportTextTooLong(static_cast<MailRequestResult>(kMailPathTooLong + refused));
    fputs(kMailTextNames[refused], stdout);
    fputs(" has characters outside the system code page, which the mail system cannot take\n",
          stdout);
    return MAPI_E_UNICODE_NOT_SUPPORTED;
  }
  ULONG code = send_mail(0, 0, &request.message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
  FreeLibrary(library);
  return MapMailResult(code);
}

}  // namespace

int32_t MailFile(const wchar_t* path, const wchar_t* subject, const wchar_t* body) {
  // The mail client may open the file itself, from a folder of its own, and
  // may take nothing but a full path: so the path goes as the system makes
  // it for our folder and drive, with "\" for "/", "." and ".." resolved.
  wchar_t full_path[MailTextCapacity];
  if (*path != L'\0') {
    DWORD length = GetFullPathNameW(path, MailTextCapacity, full_path, nullptr);
    if (length > 0 && length < MailTextCapacity) {
      path = full_path;
    } else if (length > 0 && wcslen(path) < MailTextCapacity) {
      fputs("full path of the attachment is longer than 255 characters\n", stdout);
      return MAPI_E_TEXT_TOO_LARGE;
    }
  }
  const wchar_t* const texts[] = {path, subject, body};
  for (int i = 0; i < 3; ++i) {
    if (wcslen(texts[i]) >= MailTextCapacity)  // too long for either road
      return ReportTextTooLong(static_cast<MailRequestResult>(kMailPathTooLong + i));
  }
  // The system's MAPI32.DLL would only show an error: it has no program to
  // hand the call to. The user sees the file where it is.
  if (!MailProgramRegistered()) {
    const wchar_t* name = wcsrchr(path, L'\\');  // the path is full, or empty
    MailAttachment attachment = {path, name == nullptr ? path : name + 1};
    MailMessage message = {subject, body, nullptr, 0, &attachment, 1};
    return MailWithoutMapi(message, nullptr);
  }
  char narrow[3][kNarrowCapacity];
  int refused = -1;
  bool refused_exact = true;
  for (int i = 2; i >= 0; --i) {  // from the last: `refused` ends as the first
    bool exact = ExactNarrowForm(texts[i], narrow[i]);
    if (!exact || strlen(narrow[i]) >= MailTextCapacity) {
      refused = i;
      refused_exact = exact;
    }
  }
  if (refused < 0) return MailFile(narrow[0], narrow[1], narrow[2]);
  return MailWideTexts(texts, refused, refused_exact);
}
