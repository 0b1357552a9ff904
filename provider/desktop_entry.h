// What the mail client's desktop entry tells of it: the sandbox it runs in,
// whether it is Thunderbird, and the command line that starts it.
#ifndef POSTLARK_PROVIDER_DESKTOP_ENTRY_H_
#define POSTLARK_PROVIDER_DESKTOP_ENTRY_H_

#include <gio/gio.h>

/// The app id of the sandbox that `client` runs in: the value of X-Flatpak
/// for a Flatpak, "snap." and the value of X-SnapInstanceName for a snap;
/// null for a client that runs unconfined. Free it with g_free.
char* SandboxAppId(GAppInfo* client);

/// Whether `client` is Thunderbird, however it is packaged: by its Flatpak
/// or snap name, or by a word of its Exec line that names a program
/// "thunderbird…" (/usr/bin/thunderbird, /snap/bin/thunderbird,
/// --command=thunderbird).
bool IsThunderbird(GAppInfo* client);

/// The words of `client`'s Exec line, split by the Desktop Entry rules (no
/// shell runs), without its field codes (%u, %F …) and Flatpak's forwarding
/// markers (@@, @@u, @@f); null if it has none. Free it with g_strfreev.
char** ClientCommandLine(GAppInfo* client);

#endif  // POSTLARK_PROVIDER_DESKTOP_ENTRY_H_
