// Writes the draft of one file, as the Windows program does for the new
// Outlook: the measure of the draft writer against copying the file.
//
//   bench_draft FILE DRAFT
#include <stdio.h>

#include "mail_draft.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  FILE* file = fopen(argv[1], "rb");
  FILE* draft = fopen(argv[2], "wb");
  if (file == nullptr || draft == nullptr) return 1;
  DraftAttachment attachment = {"report.bin", file};
  DraftMessage message = {"Weekly report", "Please see the file", nullptr, 0, &attachment, 1};
  bool written = WriteDraft(draft, message);
  fclose(file);
  return fclose(draft) == 0 && written ? 0 : 1;
}
