#include "mapi_buffer.h"

#include <stddef.h>
#include <stdint.h>

namespace {

// A block: the link, the record, then this mark, then the texts. The mark
// is the record's own address in a form no caller writes by chance, so a
// copy of a block elsewhere does not pass for one.
struct Block {
  void* link;
  MapiRecipDesc record;
  uintptr_t mark[2];
};

static_assert(offsetof(Block, record) == sizeof(void*), "the link stands right before the record");

const uintptr_t kMark = static_cast<uintptr_t>(0x506F73746C61726BULL);  // "Postlark"

void Mark(Block* block, uintptr_t (&mark)[2]) {
  uintptr_t record = reinterpret_cast<uintptr_t>(&block->record);
  mark[0] = kMark ^ record;
  mark[1] = ~record;
}

// Whether the `size` bytes at `address` can be read: committed, and
// neither a guard page nor without access.
bool IsReadable(const void* address, size_t size) {
  const char* begin = static_cast<const char*>(address);
  const char* end = begin + size;
  for (const char* at = begin; at < end;) {
    MEMORY_BASIC_INFORMATION region;
    if (VirtualQuery(at, &region, sizeof region) == 0 || region.State != MEM_COMMIT ||
        (region.Protect & (PAGE_GUARD | PAGE_NOACCESS)) != 0 || region.Protect == 0)
      return false;
    at = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
  }
  return true;
}

}  // namespace

MapiRecipDesc* AllocateRecipientBuffer(size_t text_size, char** texts) {
  Block* block = static_cast<Block*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(Block) + text_size));
  if (block == nullptr) return nullptr;
  Mark(block, block->mark);
  *texts = reinterpret_cast<char*>(block + 1);
  return &block->record;
}

ULONG FreeRecipientBuffer(void* buffer) {
  if (buffer == nullptr) return SUCCESS_SUCCESS;
  // Read nothing that may not be there, free nothing of another's: the
  // mark first, where it can be read, then the heap's own word that this
  // is a block in use.
  uintptr_t address = reinterpret_cast<uintptr_t>(buffer);
  if (address % sizeof(void*) != 0 || address < offsetof(Block, record)) return MAPI_E_FAILURE;
  Block* block = reinterpret_cast<Block*>(address - offsetof(Block, record));
  uintptr_t mark[2];
  Mark(block, mark);
  if (!IsReadable(block, sizeof *block) || block->mark[0] != mark[0] || block->mark[1] != mark[1] ||
      !HeapValidate(GetProcessHeap(), 0, block))
    return MAPI_E_FAILURE;
  block->mark[0] = block->mark[1] = 0;
  return HeapFree(GetProcessHeap(), 0, block) ? SUCCESS_SUCCESS : MAPI_E_FAILURE;
}
