// The texts of the command line, as Windows starts every program with them.
#ifndef POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
#define POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_

/// A character of the command line: Windows hands every program UTF-16, and
/// the C runtime's wide start-up (wmain) passes it on unconverted.
typedef wchar_t CommandLineChar;

#endif  // POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
