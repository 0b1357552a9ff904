// libmapi32.so: Simple MAPI's MAPISendMail for Linux desktops. The message
// goes to the desktop's default mail client, started detached through GIO,
// which shows it for the user to complete and send. The client is handed
// snapshots of the attachments, so the originals may go once we return; a
// client in a sandbox sees them through the document portal. A client that
// can take no file (a web browser) opens the message without them, and the
// file manager shows them to the user.

#include <signal.h>

#include "send_mail.h"
#include "simple_mapi.h"

extern "C" __attribute__((visibility("default"))) ULONG MAPISendMail(
    LHANDLE /*lhSession*/, ULONG_PTR /*ulUIParam*/, lpMapiMessage lpMessage,
    FLAGS flFlags, ULONG /*ulReserved*/) {
  // Our waits need SIGCHLD's default handling: were it ignored, as a
  // caller may have it, no child could be waited for.
  struct sigaction default_action = {}, caller_action;
  default_action.sa_handler = SIG_DFL;
  sigaction(SIGCHLD, &default_action, &caller_action);
  ULONG result = SendMail(lpMessage, flFlags);
  sigaction(SIGCHLD, &caller_action, nullptr);
  return result;
}
