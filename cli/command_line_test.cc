#include "command_line.h"

#include <string>

#include <gtest/gtest.h>

namespace {

const char kUsage[] =
    "Postlark.exe utility - mail one file from the command line\n"
    "\n"
    "\n"
    "Usage:\n"
    "\n"
    "Postlark [attachment path] [subject] [body]\n"
    "\n"
    "Example:  Postlark c:\\autoexec.bat \"here is autoexec\" "
    "\"Hi! Here is the file you needed.\"\n";

// Every count but three texts after argument 0 prints the usage text and
// succeeds, without trying to mail anything.
TEST(RunCommandLineTest, WrongCountPrintsUsage) {
  const char* const kArguments[] = {"Postlark", "report.txt", "Weekly report",
                                    "Please", "see", "the", "file", nullptr};
  const int kCounts[] = {0, 1, 2, 3, 5, 6, 7};
  for (int count : kCounts) {
    testing::internal::CaptureStdout();
    int32_t status = RunCommandLine(count, kArguments);
    std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(status, 0) << count << " arguments";
    EXPECT_EQ(printed, kUsage) << count << " arguments";
  }
}

}  // namespace
