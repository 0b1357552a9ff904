// The texts of the command line, as Linux starts a program with them.
#ifndef POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
#define POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_

/// A character of the command line: a byte. MailFile passes the texts on as
/// they come.
typedef char CommandLineChar;

#endif  // POSTLARK_PLATFORM_COMMAND_LINE_TEXT_H_
