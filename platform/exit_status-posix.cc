#include "exit_status.h"

// Only the low 8 bits reach the parent here. -1 reads 255, as it should; a
// code such as 256 would read 0, success, so any status whose low bits are
// all zero reads 255 instead.
int ProcessExitStatus(int32_t status) {
  if (status == 0) return 0;
  int low = static_cast<int>(static_cast<uint32_t>(status) & 0xFFu);
  return low != 0 ? low : 255;
}
