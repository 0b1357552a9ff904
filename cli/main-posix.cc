#include "command_line.h"
#include "exit_status.h"

int main(int argc, char* argv[]) {
  return ProcessExitStatus(RunCommandLine(argc, argv));
}
