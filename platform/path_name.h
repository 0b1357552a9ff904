// Where a path's last component, the file's own name, begins.
#ifndef POSTLARK_PLATFORM_PATH_NAME_H_
#define POSTLARK_PLATFORM_PATH_NAME_H_

/// The last component of the zero-terminated `path`: what follows its last
/// separator ("\" or "/" on Windows, "/" elsewhere), or all of it where it
/// has none; empty where the path ends in a separator. On Windows `path` is
/// in the ANSI code page, whose double-byte characters may end in the byte
/// of "\": such a byte is part of its character, not a separator.
const char* PathFileName(const char* path);

#endif  // POSTLARK_PLATFORM_PATH_NAME_H_
