// The Windows shell: what opens a link, and Explorer.
#ifndef POSTLARK_PLATFORM_SHELL_H_
#define POSTLARK_PLATFORM_SHELL_H_

/// Opens `link` (a URI) with the user's default program for its scheme, as
/// the shell does, without any dialog of the shell's own; once that program
/// has been started, asks Explorer to show the folder of the file at
/// `full_path` with the file selected, which may fail unseen. False where
/// no program takes the link: then nothing is shown.
bool OpenLinkShowingFile(const wchar_t* link, const wchar_t* full_path);

#endif  // POSTLARK_PLATFORM_SHELL_H_
