// The Windows shell: what opens a link, and Explorer.
#ifndef POSTLARK_PLATFORM_SHELL_H_
#define POSTLARK_PLATFORM_SHELL_H_

/// Opens `link` (a URI) with the user's default program for its scheme, as
/// the shell does, without any dialog of the shell's own. True once that
/// program has been started; false where none takes the link.
bool OpenLink(const wchar_t* link);

/// Asks Explorer to show the folder of the file at `full_path` with the
/// file selected. Whether it did is not told.
void ShowFileInFolder(const wchar_t* full_path);

#endif  // POSTLARK_PLATFORM_SHELL_H_
