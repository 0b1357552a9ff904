// The command-line front end: three texts mail a file, anything else prints
// how to use the program.
#ifndef POSTLARK_CLI_COMMAND_LINE_H_
#define POSTLARK_CLI_COMMAND_LINE_H_

#include <stdint.h>

#include "command_line_text.h"

/// Runs the program for the argument vector the platform's start-up built,
/// argument 0 included, each text as the platform hands it over. With
/// exactly three arguments after argument 0 (attachment path, subject, body)
/// returns MailFile's status unchanged; otherwise prints the usage text and
/// returns 0.
int32_t RunCommandLine(int argc, const CommandLineChar* const argv[]);

/// Writes the usage text to standard output.
void PrintUsage();

#endif  // POSTLARK_CLI_COMMAND_LINE_H_
