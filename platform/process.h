// Starting another program.
#ifndef POSTLARK_PLATFORM_PROCESS_H_
#define POSTLARK_PLATFORM_PROCESS_H_

/// Starts the program at `program` (a full path) with the path of a file,
/// `file`, as its one argument, quoted so that the C runtime hands it over
/// whole, in the working folder `folder`; no shell, and no handle of ours
/// is inherited. Does not wait for it. False where it could not be
/// started, or a path is not a file's.
bool StartProgram(const wchar_t* program, const wchar_t* file, const wchar_t* folder);

#endif  // POSTLARK_PLATFORM_PROCESS_H_
