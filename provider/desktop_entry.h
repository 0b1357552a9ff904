// What the mail client's desktop entry tells of it: the sandbox it runs in,
// and the command line that starts it.
#ifndef POSTLARK_PROVIDER_DESKTOP_ENTRY_H_
#define POSTLARK_PROVIDER_DESKTOP_ENTRY_H_

#include <gio/gio.h>

/// The value of `key` in `client`'s desktop entry, or null. Free it with
/// g_free.
char* DesktopEntryString(GAppInfo* client, const char* key);

/// The app id of the sandbox that `client` runs in: the value of X-Flatpak
/// for a Flatpak, "snap." and the value of X-SnapInstanceName for a snap;
/// null for a client that runs unconfined. Free it with g_free.
char* SandboxAppId(GAppInfo* client);

/// The words of `client`'s Exec line, split by the Desktop Entry rules (no
/// shell runs), without the field codes for files and URLs (%u, %F …), an
/// option right before one (the -m of "balsa -m %U", which took it as its
/// value), and Flatpak's forwarding markers (@@, @@u, @@f); %c, %i and %k
/// expanded as a launcher expands them, %% as %, and other field codes left
/// out. Null if it has no words. Free it with g_strfreev.
char** ClientCommandLine(GAppInfo* client);

#endif  // POSTLARK_PROVIDER_DESKTOP_ENTRY_H_
