#include "mail_file.h"

#include <gtest/gtest.h>

namespace {

TEST(MapMailResultTest, MapsEachCodeToItsStatus) {
  struct Case {
    ULONG code;
    int32_t status;
  };
  const Case kCases[] = {
      {SUCCESS_SUCCESS, 0},
      {MAPI_USER_ABORT, 0},  // the user cancelled: not a failure
      {MAPI_E_FAILURE, 2},
      {MAPI_E_LOGIN_FAILURE, 3},  // nothing was sent: a failure
      {MAPI_E_ATTACHMENT_NOT_FOUND, 11},
      {MAPI_E_NOT_SUPPORTED, 26},
      {0x7FFFFFFFu, 0x7FFFFFFF},
      {0x80000000u, INT32_MIN},
      {0xFFFFFFFFu, -1},  // all 32 bits kept
  };
  for (const Case& c : kCases)
    EXPECT_EQ(MapMailResult(c.code), c.status) << "code " << c.code;
}

}  // namespace
