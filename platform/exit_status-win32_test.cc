#include "exit_status.h"

#include <gtest/gtest.h>

// Windows keeps all 32 bits of the exit status: every status passes as is.
TEST(ProcessExitStatusTest, AllBitsAreKept) {
  const int32_t kStatuses[] = {0, -1, 2, 3, 256, INT32_MAX, INT32_MIN};
  for (int32_t status : kStatuses) EXPECT_EQ(ProcessExitStatus(status), status);
}
