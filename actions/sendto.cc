// postlark-sendto FILE: what a file manager's "Email with Postlark" starts.
// It runs the Postlark installed beside it with FILE attached, the file's
// name as the subject and an empty body. A menu entry's command line can
// name the file but not its name alone, and no shell is to make one from
// the other.

#include <errno.h>
#include <limits.h>  // PATH_MAX
#include <stdio.h>
#include <string.h>
#include <unistd.h>

#include "executable_directory.h"
#include "path_name.h"

namespace {

const char kUsage[] =
    "usage: postlark-sendto FILE\n"
    "Opens a new message in the mail client with FILE attached and its name\n"
    "as the subject, as the file manager's \"Email with Postlark\" does.\n";

const char kProgramName[] = "Postlark";

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    fputs(kUsage, stderr);
    return 2;
  }
  // A path ending in a slash names a folder, and a folder is no attachment.
  char* name = argv[1] + (PathFileName(argv[1]) - argv[1]);
  if (*name == '\0') {
    fprintf(stderr, "postlark-sendto: \"%s\" names no file\n", argv[1]);
    return 2;
  }
  // The Postlark installed beside this program, found through links, so
  // that a link to it on the PATH still finds its own.
  char program[PATH_MAX];
  size_t folder = ExecutableDirectory(program, sizeof program);
  if (folder == 0 || folder + sizeof kProgramName > sizeof program) {
    fputs("postlark-sendto: cannot tell where Postlark is installed\n", stderr);
    return 127;
  }
  memcpy(program + folder, kProgramName, sizeof kProgramName);
  char empty[] = "";
  char* arguments[] = {program, argv[1], name, empty, nullptr};
  execv(program, arguments);
  // As env and the shells answer for a program they could not start.
  int status = errno == ENOENT ? 127 : 126;
  fprintf(stderr, "postlark-sendto: cannot start %s: %s\n", program, strerror(errno));
  return status;
}
