#include "command_line_text.h"

#include <stdio.h>
#include <string.h>
#include <wchar.h>

#include "mail_file.h"
#include "mail_request.h"
#include "system_library.h"

namespace {

const char kSendMailWideEntry[] = "MAPISendMailW";

// The most bytes one UTF-16 code unit takes in an ANSI code page (GB18030's
// four), and so the room for the narrow form of a text's first
// MailTextCapacity units: a longer text fits neither road, and those units
// are enough for MailFile to say so.
const int kNarrowCapacity = 4 * MailTextCapacity + 1;

// Writes the exact form of `text` in the ANSI code page into `narrow`,
// zero-terminated. False where a character has none: the conversion would
// have put a look-alike or the default character in its place.
bool ExactNarrowForm(const wchar_t* text, char (&narrow)[kNarrowCapacity]) {
  size_t length = wcslen(text);
  int units = static_cast<int>(length < MailTextCapacity ? length : MailTextCapacity);
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

// MailFile's road for texts that only UTF-16 holds: the request as
// BuildMailRequest makes it, each text up to 255 code units, handed to
// MAPISendMailW. `inexact` is the first text without a narrow form.
int32_t MailWideTexts(const wchar_t* const texts[3], int inexact) {
  WideMailRequest request = {};
  size_t sizes[3];
  for (int i = 0; i < 3; ++i) {
    sizes[i] = (wcslen(texts[i]) + 1) * sizeof(wchar_t);
    if (sizes[i] > sizeof request.texts[i])
      return ReportTextTooLong(static_cast<MailRequestResult>(kMailPathTooLong + i));
    memcpy(request.texts[i], texts[i], sizes[i]);
  }
  memcpy(request.attachment_display_name, texts[0], sizes[0]);
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
    fputs(kMailTextNames[inexact], stdout);
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
  const wchar_t* const texts[] = {path, subject, body};
  char narrow[3][kNarrowCapacity];
  int inexact = -1;
  for (int i = 2; i >= 0; --i) {
    if (!ExactNarrowForm(texts[i], narrow[i])) inexact = i;
  }
  if (inexact < 0) return MailFile(narrow[0], narrow[1], narrow[2]);
  return MailWideTexts(texts, inexact);
}
