// Feeds the command-line front end argument vectors of any length and
// content. The mail library beside the fuzzer is the recording stand-in,
// so that every road, the submission and the result mapping included, is
// taken.
//
// Input: four bytes of the result code the stand-in returns, then the
// arguments, each ended by a zero byte.

#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "command_line.h"

namespace {
const size_t kMaxArguments = 16;
}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The usage text and error lines would drown the fuzzer's own report.
  if (freopen("/dev/null", "w", stdout) == nullptr) abort();
  unsetenv("POSTLARK_RECORD");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t code;
  memcpy(&code, data, sizeof code);
  char result[16];
  snprintf(result, sizeof result, "%u", code);
  setenv("POSTLARK_RESULT", result, 1);

  // A private copy with a zero at the end, so the last argument is ended.
  size_t length = size - 4;
  char* text = static_cast<char*>(malloc(length + 1));
  if (text == nullptr) return 0;
  memcpy(text, data + 4, length);
  text[length] = '\0';

  const char* argv[kMaxArguments + 2] = {"Postlark"};
  int argc = 1;
  for (size_t start = 0; start < length && argc <= static_cast<int>(kMaxArguments);) {
    argv[argc++] = text + start;
    start += strlen(text + start) + 1;
  }
  argv[argc] = nullptr;

  int32_t status = RunCommandLine(argc, argv);
  // Usage and refusals never reach the library: their statuses are fixed.
  if (argc != 4 && status != 0) abort();
  free(text);
  return 0;
}
