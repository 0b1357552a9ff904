#include "exit_status.h"

// Windows keeps all 32 bits: -1 reaches the caller as 0xFFFFFFFF.
int ProcessExitStatus(int32_t status) {
  return status;
}
