// Feeds the front end argument vectors of any length, texts of any length
// among them, with the stand-in as the mail library. Input: four bytes of the
// code the stand-in returns, then the arguments, each ended by a zero byte.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "command_line.h"
#include "simple_mapi.h"  // MAPI_E_TEXT_TOO_LARGE

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  if (freopen("/dev/null", "w", stdout) == nullptr) abort();  // usage texts
  unsetenv("POSTLARK_RECORD");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  uint32_t code;
  memcpy(&code, data, sizeof code);
  setenv("POSTLARK_RESULT", std::to_string(code).c_str(), 1);
  std::string text(reinterpret_cast<const char*>(data) + 4, size - 4);  // ends in a zero
  const char* argv[18] = {"Postlark"};
  int argc = 1;
  for (size_t start = 0; start < text.size() && argc < 17; start += strlen(&text[start]) + 1)
    argv[argc++] = &text[start];
  int32_t status = RunCommandLine(argc, argv);
  // The usage text never fails; a text too long for its field is refused.
  if (argc != 4 ? status != 0
                : (strlen(argv[1]) > 255 || strlen(argv[2]) > 255 || strlen(argv[3]) > 255) &&
                      status != MAPI_E_TEXT_TOO_LARGE)
    abort();
  return 0;
}
