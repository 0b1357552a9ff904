#include "command_line.h"

#include <stdio.h>

#include "mail_file.h"

int32_t RunCommandLine(int argc, const CommandLineChar* const argv[]) {
  // The count alone decides: an argument that looks like an option is an
  // ordinary text, and empty texts are mailed as empty.
  if (argc == 4) return MailFile(argv[1], argv[2], argv[3]);
  PrintUsage();
  return 0;
}

void PrintUsage() {
  // The program's name is fixed text: argument 0 is never read.
  fputs("Postlark.exe utility - mail one file from the command line"
        "\n\n\nUsage:\n\n",
        stdout);
  fputs("Postlark [attachment path] [subject] [body]\n\nExample:  ", stdout);
  fputs("Postlark c:\\autoexec.bat \"here is autoexec\" "
        "\"Hi! Here is the file you needed.\"\n",
        stdout);
}
