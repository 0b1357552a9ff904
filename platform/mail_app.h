// Which program the user chose for new messages, where it is an app that
// takes a message file rather than Simple MAPI calls.
#ifndef POSTLARK_PLATFORM_MAIL_APP_H_
#define POSTLARK_PLATFORM_MAIL_APP_H_

#include "simple_mapi.h"  // <windows.h>: MAX_PATH

/// True where the user's program for mailto: links, as Windows answers for
/// it now, is the new Outlook (its ProgId's Application names the app
/// Microsoft.OutlookForWindows_8wekyb3d8bbwe), and the (Default) of
/// App Paths\olk.exe, the user's or else the machine's, names a file that
/// exists: then `program` is that file's path. False where any of it is
/// not so or cannot be told.
bool FindNewOutlook(wchar_t (&program)[MAX_PATH]);

#endif  // POSTLARK_PLATFORM_MAIL_APP_H_
