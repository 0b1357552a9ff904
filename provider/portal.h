// Handing files to a sandboxed program through the desktop's document
// portal, which shows each of them at a path that the sandbox can see.
#ifndef POSTLARK_PROVIDER_PORTAL_H_
#define POSTLARK_PROVIDER_PORTAL_H_

#include "simple_mapi.h"

/// How long a call of the document portal may take, its start included.
const int kPortalTimeoutMilliseconds = 10000;

/// Lets the app `app_id` read each of the `count` files at `files`
/// (absolute paths) through the document portal, in entries that are not
/// kept beyond the portal's session, and sets `paths` to where the sandbox
/// sees them (free it with g_strfreev). Returns SUCCESS_SUCCESS, or
/// MAPI_E_ATTACHMENT_WRITE_FAILURE, and null `paths`, when there is no
/// session bus or no document portal, or the portal refused a file.
ULONG ExportToSandbox(const char* app_id, char* const files[], unsigned long count,
                      char*** paths);

#endif  // POSTLARK_PROVIDER_PORTAL_H_
