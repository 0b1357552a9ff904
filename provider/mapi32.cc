// libmapi32.so: Simple MAPI's MAPISendMail for Linux desktops. The message
// goes to the user's mail composer through xdg-email, which shows it for
// the user to complete and send.

#include <limits.h>  // PATH_MAX
#include <unistd.h>  // getcwd

#include "simple_mapi.h"
#include "xdg_email.h"

extern "C" __attribute__((visibility("default"))) ULONG MAPISendMail(
    LHANDLE /*lhSession*/, ULONG_PTR /*ulUIParam*/, lpMapiMessage lpMessage,
    FLAGS flFlags, ULONG /*ulReserved*/) {
  if (lpMessage == nullptr) return MAPI_E_FAILURE;
  // Without a window there is no way to send here: xdg-email only opens a
  // composer.
  if ((flFlags & MAPI_DIALOG) == 0) return MAPI_E_NOT_SUPPORTED;

  char working_directory[PATH_MAX];
  if (getcwd(working_directory, sizeof working_directory) == nullptr)
    return MAPI_E_FAILURE;

  XdgEmailCommand command;
  ULONG built = BuildXdgEmailCommand(lpMessage, working_directory, LocaleUsesUtf8(),
                                     &command);
  if (built != SUCCESS_SUCCESS) return built;
  ULONG result = RunXdgEmail(command.argv);
  FreeXdgEmailCommand(&command);
  return result;
}
