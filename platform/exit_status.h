// How a run's status becomes the process exit status.
#ifndef POSTLARK_PLATFORM_EXIT_STATUS_H_
#define POSTLARK_PLATFORM_EXIT_STATUS_H_

#include <stdint.h>

/// The value for main to return for `status`. Where the exit status keeps
/// all 32 bits it is the status itself; where it keeps only 8, a non-zero
/// status never comes out as 0.
int ProcessExitStatus(int32_t status);

#endif  // POSTLARK_PLATFORM_EXIT_STATUS_H_
