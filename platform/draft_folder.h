// The folders where drafts wait for the mail program to open them.
#ifndef POSTLARK_PLATFORM_DRAFT_FOLDER_H_
#define POSTLARK_PLATFORM_DRAFT_FOLDER_H_

#include "simple_mapi.h"  // <windows.h>: MAX_PATH

/// Room for a draft folder's path and a file name in it.
const int kDraftFolderCapacity = MAX_PATH;

/// Makes a new folder of its own for one draft, in the user's own
/// %LOCALAPPDATA%\Postlark, and writes its path, without a trailing "\",
/// into `folder`. First removes the draft folders there that have not
/// changed for 7 days. False where no folder could be made.
bool MakeDraftFolder(wchar_t (&folder)[kDraftFolderCapacity]);

/// Removes the files in `folder` and then the folder itself; what cannot be
/// removed stays.
void RemoveDraftFolder(const wchar_t* folder);

#endif  // POSTLARK_PLATFORM_DRAFT_FOLDER_H_
