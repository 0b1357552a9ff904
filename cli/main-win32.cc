#include "command_line.h"
#include "exit_status.h"

int wmain(int argc, wchar_t* argv[]);

// The C runtime's wide start-up: the arguments exactly as the caller passed
// them, where the narrow one would have put look-alikes for any character
// outside the ANSI code page.
int wmain(int argc, wchar_t* argv[]) {
  return ProcessExitStatus(RunCommandLine(argc, argv));
}
