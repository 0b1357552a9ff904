// Choosing postlark-portal as the Email backend of the user who runs it,
// and undoing that: what --enable, --disable and --status do.
#ifndef POSTLARK_PORTAL_BACKEND_CHOICE_H_
#define POSTLARK_PORTAL_BACKEND_CHOICE_H_

/// Makes postlark the Email backend for the user's desktop, as this
/// version of xdg-desktop-portal reads it: from 1.17, a
/// <desktop>-portals.conf of the user's that holds the lines of the file the
/// portal would read otherwise, with postlark first for Email; before, a
/// folder of portal files with postlark's first, named to the user's portal
/// service through a systemd drop-in. Restarts the user's portal service
/// where one runs. Says what it did on standard output; 0, or 1 with a
/// line on standard error.
int EnableBackend();

/// Removes exactly what EnableBackend wrote, on either road, and restarts
/// the portal service. 0, or 1 where a file of its could not be removed.
int DisableBackend();

/// Says which backend serves Email for the user's desktop now. 0, or 1.
int ShowBackend();

#endif  // POSTLARK_PORTAL_BACKEND_CHOICE_H_
