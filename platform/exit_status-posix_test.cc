#include "exit_status.h"

#include <gtest/gtest.h>

// Only the low 8 bits reach the parent: no failure may come out as 0.
TEST(ProcessExitStatusTest, FailureNeverReadsAsSuccess) {
  const int32_t kStatuses[] = {-1, 1, 2, 3, 11, 18, 26, 255, 256, 512, 65536,
                               INT32_MAX, INT32_MIN};
  for (int32_t status : kStatuses) {
    int exit_status = ProcessExitStatus(status);
    EXPECT_GE(exit_status, 1) << "status " << status;
    EXPECT_LE(exit_status, 255) << "status " << status;
  }
  EXPECT_EQ(ProcessExitStatus(0), 0);
}

TEST(ProcessExitStatusTest, CodesThatFitAreKept) {
  EXPECT_EQ(ProcessExitStatus(-1), 255);
  EXPECT_EQ(ProcessExitStatus(2), 2);
  EXPECT_EQ(ProcessExitStatus(26), 26);
  EXPECT_EQ(ProcessExitStatus(257), 1);
}
