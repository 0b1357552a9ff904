// The blocks the library hands a caller, to be freed with MAPIFreeBuffer:
// the system's MAPI32.DLL may free them itself, so they are laid out as
// Simple MAPI's own allocator lays out its blocks.
#ifndef POSTLARK_MAPI_MAPI_BUFFER_H_
#define POSTLARK_MAPI_MAPI_BUFFER_H_

#include "simple_mapi.h"  // <windows.h>

/// A block from the process heap for one MapiRecipDesc and `text_size`
/// bytes of its texts, which follow it: the caller's address is that of the
/// record, and right before it stands a pointer-sized link to further
/// blocks, null. Null where the heap has no room. The block is marked as
/// this library's.
MapiRecipDesc* AllocateRecipientBuffer(size_t text_size, char** texts);

/// Frees `buffer`, a block of AllocateRecipientBuffer: SUCCESS_SUCCESS,
/// also for null; MAPI_E_FAILURE, with nothing freed or written, for any
/// pointer that is not such a block (another's, freed already, or none).
ULONG FreeRecipientBuffer(void* buffer);

#endif  // POSTLARK_MAPI_MAPI_BUFFER_H_
