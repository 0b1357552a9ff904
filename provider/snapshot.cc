#include "snapshot.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <ftw.h>
#include <linux/fs.h>  // FICLONE
#include <stdio.h>
#include <string.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <glib.h>

namespace {

const char kFolderPrefix[] = "message-";

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) {
  remove(path);
  return 0;
}

void RemoveTree(const char* path) {
  nftw(path, RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

void RemoveOldSnapshots(const char* cache, time_t now) {
  DIR* folder = opendir(cache);
  if (folder == nullptr) return;
  while (const dirent* entry = readdir(folder)) {
    if (strncmp(entry->d_name, kFolderPrefix, sizeof kFolderPrefix - 1) != 0) continue;
    char* path = g_build_filename(cache, entry->d_name, nullptr);
    struct stat status;
    if (lstat(path, &status) == 0 && S_ISDIR(status.st_mode) &&
        now - status.st_mtime > kSnapshotLifetime)
      RemoveTree(path);
    g_free(path);
  }
  closedir(folder);
}

// Writes all of `size` bytes, retrying what a signal cut short.
bool WriteAll(int descriptor, const char* bytes, ssize_t size) {
  while (size > 0) {
    ssize_t written = write(descriptor, bytes, static_cast<size_t>(size));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes += written;
    size -= written;
  }
  return true;
}

// Copies the regular file at `source` to the new file `target`.
ULONG CopyFile(const char* source, const char* target) {
  // Not blocking: were the path swapped for a FIFO since it was checked,
  // opening it must not wait for a writer.
  int from = open(source, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  struct stat status;
  if (from < 0 || fstat(from, &status) != 0 || !S_ISREG(status.st_mode)) {
    if (from >= 0) close(from);
    return MAPI_E_ATTACHMENT_OPEN_FAILURE;
  }
  ULONG result = SUCCESS_SUCCESS;
  int to = open(target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (to < 0 || fchmod(to, 0600) != 0) {
    result = MAPI_E_ATTACHMENT_WRITE_FAILURE;
  } else if (ioctl(to, FICLONE, from) != 0) {
    char buffer[65536];
    for (;;) {
      ssize_t count = read(from, buffer, sizeof buffer);
      if (count < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (count < 0) result = MAPI_E_ATTACHMENT_OPEN_FAILURE;
      if (count <= 0) break;
      if (!WriteAll(to, buffer, count)) {
        result = MAPI_E_ATTACHMENT_WRITE_FAILURE;
        break;
      }
    }
  }
  // A full disk may show only when the file is closed.
  if (to >= 0 && close(to) != 0 && result == SUCCESS_SUCCESS)
    result = MAPI_E_ATTACHMENT_WRITE_FAILURE;
  close(from);
  return result;
}

// The name the recipient is to see: the last component of the display
// name the caller gave, so that a copy never leaves its folder; the file's
// own name where that is none, or "." or "..".
char* AttachmentName(const MapiFileDesc& file) {
  const char* given = file.lpszFileName != nullptr ? strrchr(file.lpszFileName, '/') : nullptr;
  given = given != nullptr ? given + 1 : file.lpszFileName;
  if (given == nullptr || *given == '\0' || strcmp(given, ".") == 0 || strcmp(given, "..") == 0)
    return g_path_get_basename(file.lpszPathName);
  return g_strdup(given);
}

}  // namespace

ULONG CheckAttachment(const char* path) {
  struct stat status;
  if (*path == '\0') return MAPI_E_ATTACHMENT_NOT_FOUND;
  if (stat(path, &status) != 0)
    return errno == ENOENT || errno == ENOTDIR ? MAPI_E_ATTACHMENT_NOT_FOUND
                                               : MAPI_E_ATTACHMENT_OPEN_FAILURE;
  return S_ISREG(status.st_mode) ? SUCCESS_SUCCESS : MAPI_E_ATTACHMENT_OPEN_FAILURE;
}

ULONG MakeSnapshot(const MapiMessage* message, const char* cache, Snapshot* snapshot) {
  *snapshot = Snapshot{nullptr, g_new0(char*, message->nFileCount + 1), 0};
  RemoveOldSnapshots(cache, time(nullptr));
  char* folder = g_build_filename(cache, "message-XXXXXX", nullptr);
  if (g_mkdir_with_parents(cache, 0700) != 0 || g_mkdtemp(folder) == nullptr) {
    g_free(folder);
    FreeSnapshot(snapshot, false);
    return MAPI_E_ATTACHMENT_WRITE_FAILURE;
  }
  snapshot->folder = folder;
  ULONG result = SUCCESS_SUCCESS;
  for (ULONG i = 0; i < message->nFileCount && result == SUCCESS_SUCCESS; ++i) {
    const char* source = message->lpFiles[i].lpszPathName;
    char* name = AttachmentName(message->lpFiles[i]);
    char position[16];
    snprintf(position, sizeof position, "%lu", static_cast<unsigned long>(i + 1));
    char* place = i == 0 ? g_strdup(folder) : g_build_filename(folder, position, nullptr);
    snapshot->copies[snapshot->count++] = g_build_filename(place, name, nullptr);
    if (i > 0 && mkdir(place, 0700) != 0)
      result = MAPI_E_ATTACHMENT_WRITE_FAILURE;
    else
      result = CopyFile(source, snapshot->copies[i]);
    g_free(place);
    g_free(name);
  }
  if (result != SUCCESS_SUCCESS) FreeSnapshot(snapshot, true);
  return result;
}

void FreeSnapshot(Snapshot* snapshot, bool remove) {
  if (remove && snapshot->folder != nullptr) RemoveTree(snapshot->folder);
  for (unsigned long i = 0; i < snapshot->count; ++i) g_free(snapshot->copies[i]);
  g_free(snapshot->copies);
  g_free(snapshot->folder);
  *snapshot = Snapshot{nullptr, nullptr, 0};
}
