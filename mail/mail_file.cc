#include "mail_file.h"

#include <stdio.h>

#include "mail_request.h"
#include "system_library.h"

namespace {

const char kSendMailEntry[] = "MAPISendMail";

}  // namespace

const char* const kMailTextNames[3] = {"attachment path", "subject", "body"};

int32_t ReportTextTooLong(MailRequestResult result) {
  fputs(kMailTextNames[result - kMailPathTooLong], stdout);
  fputs(" is longer than 255 characters\n", stdout);
  return MAPI_E_TEXT_TOO_LARGE;
}

int32_t MailFile(const char* path, const char* subject, const char* body) {
  MailRequest request;
  MailRequestResult built = BuildMailRequest(&request, path, subject, body);
  if (built != kMailRequestBuilt) return ReportTextTooLong(built);

  HMODULE library = LoadSystemLibrary(kMailLibrary);
  if (library == nullptr) {
    fputs("LoadLibrary failed\n", stdout);
    return -1;
  }
  // Through a plain function pointer type: the loader's own type says
  // nothing of the real prototype, and compilers warn on a direct cast.
  LPMAPISENDMAIL send_mail = reinterpret_cast<LPMAPISENDMAIL>(
      reinterpret_cast<void (*)(void)>(GetProcAddress(library, kSendMailEntry)));
  if (send_mail == nullptr) {
    FreeLibrary(library);
    fputs("GetProcAddress failed\n", stdout);
    return -1;
  }
  // Session 0: MAPISendMail logs on by itself, asking the user if it must.
  ULONG code = send_mail(0, 0, &request.message, MAPI_LOGON_UI | MAPI_DIALOG, 0);
  FreeLibrary(library);
  return MapMailResult(code);
}

int32_t MapMailResult(ULONG code) {
  // A cancelled message is the user's own choice, not a failure. A failed
  // log-on is: nothing was sent, so it keeps its code.
  if (code == SUCCESS_SUCCESS || code == MAPI_USER_ABORT) return 0;
  // Codes above INT32_MAX keep their 32 bits, read as a negative number.
  if (code > static_cast<ULONG>(INT32_MAX))
    return -static_cast<int32_t>(~code) - 1;
  return static_cast<int32_t>(code);
}
