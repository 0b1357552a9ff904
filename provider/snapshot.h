// The attachments as the mail client reads them: private copies that
// outlive the command, so that the originals may go as soon as it returns.
#ifndef POSTLARK_PROVIDER_SNAPSHOT_H_
#define POSTLARK_PROVIDER_SNAPSHOT_H_

#include <time.h>

#include "simple_mapi.h"

/// Snapshots older than this are removed at the start of a run.
const time_t kSnapshotLifetime = 7 * 24 * 60 * 60;

/// Checks the file at `path` without opening it: MAPI_E_ATTACHMENT_NOT_FOUND
/// if the path is empty or names nothing, MAPI_E_ATTACHMENT_OPEN_FAILURE if
/// it names anything but a regular file (a folder, a FIFO, a device).
ULONG CheckAttachment(const char* path);

/// The message's snapshot: a new folder (mode 0700) under `cache`, and in
/// it a copy (mode 0600) of each attachment, the first at the top and each
/// other one in a subfolder named by its position. A copy is named after the
/// last component of the attachment's display name, or where that is
/// missing, empty, "." or "..", after the file itself.
struct Snapshot {
  char* folder;
  char** copies;  // absolute paths, one per attachment
  unsigned long count;
};

/// Removes snapshots older than kSnapshotLifetime from `cache`, then makes
/// the snapshot of `message`'s attachments, relative paths taken against the
/// working directory. Copies with a reflink where the file system has them.
/// Returns SUCCESS_SUCCESS, or MAPI_E_ATTACHMENT_OPEN_FAILURE when an
/// attachment cannot be read, or MAPI_E_ATTACHMENT_WRITE_FAILURE when the
/// snapshot cannot be written; then nothing is left behind.
ULONG MakeSnapshot(const MapiMessage* message, const char* cache, Snapshot* snapshot);

/// Frees `snapshot`'s memory; with `remove`, removes its folder first.
void FreeSnapshot(Snapshot* snapshot, bool remove);

#endif  // POSTLARK_PROVIDER_SNAPSHOT_H_
