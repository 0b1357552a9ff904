// The Windows shell: what opens a link, and Explorer.
#ifndef POSTLARK_PLATFORM_SHELL_H_
#define POSTLARK_PLATFORM_SHELL_H_

#include <stddef.h>

/// Opens `link` (a URI) with the user's default program for its scheme, as
/// the shell does, without any dialog of the shell's own; once that program
/// has been started, asks Explorer to show the folder of the `count` files
/// at `full_paths`, all in one folder, with the files selected, which may
/// fail unseen. False where no program takes the link: then nothing is
/// shown.
bool OpenLinkShowingFiles(const wchar_t* link, const wchar_t* const* full_paths, size_t count);

#endif  // POSTLARK_PLATFORM_SHELL_H_
