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

namespace {

const char kUsage[] =
    "usage: postlark-sendto FILE\n"
    "Opens a new message in the mail client with FILE attached and its name\n"
    "as the subject, as the file manager's \"Email with Postlark\" does.\n";

const char kProgramName[] = "Postlark";

/// The name of the file `path` names, its last component, copied into
/// `out`. False if there is none (a path to a folder may end in a slash,
/// and a folder is no attachment) or it does not fit.
bool FileName(const char* path, char* out, size_t capacity) {
  size_t end = strlen(path);
  size_t start = end;
  while (start > 0 && path[start - 1] != '/') --start;
  if (start == end || end - start >= capacity) return false;
  memcpy(out, path + start, end - start);
  out[end - start] = '\0';
  return true;
}

/// The path of the Postlark beside this program, into `out`; false if it
/// cannot be told or does not fit. Links are followed, so that a link to
/// this program on the PATH still finds the Postlark installed with it.
bool ProgramBeside(char* out, size_t capacity) {
  ssize_t length = readlink("/proc/self/exe", out, capacity);
  if (length <= 0 || static_cast<size_t>(length) >= capacity) return false;
  out[length] = '\0';
  char* slash = strrchr(out, '/');
  if (slash == nullptr) return false;
  size_t folder = static_cast<size_t>(slash + 1 - out);
  if (folder + sizeof kProgramName > capacity) return false;
  memcpy(slash + 1, kProgramName, sizeof kProgramName);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    fputs(kUsage, stderr);
    return 2;
  }
  char name[PATH_MAX];
  if (!FileName(argv[1], name, sizeof name)) {
    fprintf(stderr, "postlark-sendto: \"%s\" names no file\n", argv[1]);
    return 2;
  }
  char program[PATH_MAX];
  if (!ProgramBeside(program, sizeof program)) {
    fputs("postlark-sendto: cannot tell where Postlark is installed\n", stderr);
    return 127;
  }
  char empty[] = "";
  char* arguments[] = {program, argv[1], name, empty, nullptr};
  execv(program, arguments);
  // As env and the shells answer for a program they could not start.
  int status = errno == ENOENT ? 127 : 126;
  fprintf(stderr, "postlark-sendto: cannot start %s: %s\n", program, strerror(errno));
  return status;
}
