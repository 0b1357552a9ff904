// A connection to the desktop's session bus, for the calls this library
// makes there.
#ifndef POSTLARK_PROVIDER_SESSION_BUS_H_
#define POSTLARK_PROVIDER_SESSION_BUS_H_

#include <gio/gio.h>

/// A new connection of our own to the session bus, or null if there is
/// none. The shared one would stay open after this library is unloaded:
/// close it with g_dbus_connection_close_sync, then g_object_unref it.
GDBusConnection* ConnectToSessionBus();

#endif  // POSTLARK_PROVIDER_SESSION_BUS_H_
