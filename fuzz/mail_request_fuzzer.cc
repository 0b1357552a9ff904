// Feeds the request builder texts of every length, above all around the
// 255 bytes that fit a field, and checks what it built or refused.
//
// Input: the path, the subject and the body, each ended by a zero byte.

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "mail_request.h"

namespace {

void Check(bool condition) {
  if (!condition) abort();
}

bool Fits(const char* text) {
  return strlen(text) < static_cast<size_t>(MailTextCapacity);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  char* text = static_cast<char*>(malloc(size + 3));
  if (text == nullptr) return 0;
  memcpy(text, data, size);
  memset(text + size, 0, 3);  // missing texts are empty
  const char* path = text;
  const char* subject = path + strlen(path) + 1;
  const char* body = subject + strlen(subject) + 1;

  // On the heap, so that AddressSanitizer sees any write past the end.
  MailRequest* request = static_cast<MailRequest*>(malloc(sizeof(MailRequest)));
  if (request == nullptr) {
    free(text);
    return 0;
  }
  memset(request, 0xA5, sizeof *request);
  MailRequestResult result = BuildMailRequest(request, path, subject, body);

  if (!Fits(path)) {
    Check(result == kMailPathTooLong);
  } else if (!Fits(subject)) {
    Check(result == kMailSubjectTooLong);
  } else if (!Fits(body)) {
    Check(result == kMailBodyTooLong);
  } else {
    Check(result == kMailRequestBuilt);
    Check(strcmp(request->message.lpFiles->lpszPathName, path) == 0);
    Check(strcmp(request->message.lpFiles->lpszFileName, path) == 0);
    Check(strcmp(request->message.lpszSubject, subject) == 0);
    Check(strcmp(request->message.lpszNoteText, body) == 0);
    Check(request->message.nFileCount == 1 && request->message.nRecipCount == 0);
  }
  if (result != kMailRequestBuilt) {
    // Refused: nothing was written.
    for (size_t i = 0; i < sizeof *request; ++i)
      Check(reinterpret_cast<unsigned char*>(request)[i] == 0xA5);
  }
  free(request);
  free(text);
  return 0;
}
