#include "path_name.h"

#include <string.h>

const char* PathFileName(const char* path) {
  const char* slash = strrchr(path, '/');
  return slash != nullptr ? slash + 1 : path;
}
