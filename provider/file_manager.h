// Showing files to the user in the desktop's file manager.
#ifndef POSTLARK_PROVIDER_FILE_MANAGER_H_
#define POSTLARK_PROVIDER_FILE_MANAGER_H_

/// How long the file manager may take to answer.
const int kFileManagerTimeoutMilliseconds = 1000;

/// Asks the session bus to start the file manager if it is not running, and
/// returns at once, so that it comes up while the mail client does. A call
/// for a file manager that is still starting is dropped by the bus once we
/// have gone, so one that is not woken first misses ours on a cold start.
void WakeFileManager();

/// Asks the file manager to show each of the `count` files at `files`
/// (absolute paths), selected in its folder: ShowItems of
/// org.freedesktop.FileManager1 on the session bus, which Nautilus, Dolphin,
/// Nemo, Caja and Thunar answer. Where there is no session bus or no file
/// manager on it, nothing is shown, and nothing said.
void ShowInFileManager(char* const files[], unsigned long count);

#endif  // POSTLARK_PROVIDER_FILE_MANAGER_H_
