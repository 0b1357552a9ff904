// Where the running program is.
#ifndef POSTLARK_PLATFORM_EXECUTABLE_DIRECTORY_H_
#define POSTLARK_PLATFORM_EXECUTABLE_DIRECTORY_H_

#include <stddef.h>

/// Writes the folder of the running executable, links followed, with its
/// trailing slash, into `out`. Returns its length, or 0 if it cannot be
/// told or does not fit.
size_t ExecutableDirectory(char* out, size_t capacity);

#endif  // POSTLARK_PLATFORM_EXECUTABLE_DIRECTORY_H_
