#include "executable_directory.h"

#include <string.h>
#include <unistd.h>  // readlink

size_t ExecutableDirectory(char* out, size_t capacity) {
  if (capacity < 2) return 0;
  ssize_t length = readlink("/proc/self/exe", out, capacity - 1);
  if (length <= 0 || static_cast<size_t>(length) >= capacity - 1) return 0;
  out[length] = '\0';
  char* slash = strrchr(out, '/');
  if (slash == nullptr) return 0;
  slash[1] = '\0';
  return static_cast<size_t>(slash + 1 - out);
}
