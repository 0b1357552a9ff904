// Feeds the request builder texts of every length and checks what it built or
// refused. Input: the path, the subject and the body, each ended by a zero.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "mail_request.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  text.append(3, '\0');  // missing texts are empty
  const char* path = text.c_str();
  const char* subject = path + strlen(path) + 1;
  const char* body = subject + strlen(subject) + 1;
  // On the heap, so that AddressSanitizer sees a write past its end.
  MailRequest* request = static_cast<MailRequest*>(malloc(sizeof(MailRequest)));
  memset(request, 0xA5, sizeof *request);
  MailRequestResult result = BuildMailRequest(request, path, subject, body);
  const size_t fits = MailTextCapacity - 1;
  bool right = result == (strlen(path) > fits      ? kMailPathTooLong
                          : strlen(subject) > fits ? kMailSubjectTooLong
                          : strlen(body) > fits    ? kMailBodyTooLong
                                                   : kMailRequestBuilt);
  if (result == kMailRequestBuilt) {
    right = right && !strcmp(request->attachment.lpszPathName, path) &&
            !strcmp(request->attachment.lpszFileName, strrchr(path, '/') ? strrchr(path, '/') + 1 : path) &&
            !strcmp(request->message.lpszSubject, subject) &&
            !strcmp(request->message.lpszNoteText, body);
  } else {
    for (size_t i = 0; i < sizeof *request; ++i)  // refused: nothing written
      right = right && reinterpret_cast<unsigned char*>(request)[i] == 0xA5;
  }
  if (!right) abort();
  free(request);
  return 0;
}
