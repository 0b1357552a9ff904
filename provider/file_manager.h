// Showing files to the user in the desktop's file manager.
#ifndef POSTLARK_PROVIDER_FILE_MANAGER_H_
#define POSTLARK_PROVIDER_FILE_MANAGER_H_

/// How long the file manager may take to answer, its start included. One
/// that is being started still shows the files when it is up.
const int kFileManagerTimeoutMilliseconds = 1000;

/// Asks the file manager to show each of the `count` files at `files`
/// (absolute paths), selected in its folder: ShowItems of
/// org.freedesktop.FileManager1 on the session bus, which Nautilus, Dolphin,
/// Nemo, Caja and Thunar answer. Where there is no session bus or no file
/// manager on it, nothing is shown, and nothing said.
void ShowInFileManager(char* const files[], unsigned long count);

#endif  // POSTLARK_PROVIDER_FILE_MANAGER_H_
