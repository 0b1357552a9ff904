#include "mail_request.h"

#include <string.h>

namespace {

// Whether `text` with its terminating zero fits a field. Reads no further
// than one field's worth, however long the text is.
bool FitsField(const char* text) {
  return strnlen(text, MailTextCapacity) < static_cast<size_t>(MailTextCapacity);
}

void CopyText(char (&field)[MailTextCapacity], const char* text) {
  memcpy(field, text, strlen(text) + 1);
}

}  // namespace

MailRequestResult BuildMailRequest(MailRequest* request, const char* path,
                                   const char* subject, const char* body) {
  // Everything is checked before anything is written.
  if (!FitsField(path)) return kMailPathTooLong;
  if (!FitsField(subject)) return kMailSubjectTooLong;
  if (!FitsField(body)) return kMailBodyTooLong;

  CopyText(request->attachment_display_name, path);
  CopyText(request->attachment_path, path);
  CopyText(request->subject, subject);
  CopyText(request->note, body);

  MapiFileDesc* attachment = &request->attachment;
  memset(attachment, 0, sizeof *attachment);
  attachment->nPosition = 0xFFFFFFFFu;  // not placed within the note text
  attachment->lpszPathName = request->attachment_path;
  attachment->lpszFileName = request->attachment_display_name;

  MapiMessage* message = &request->message;
  memset(message, 0, sizeof *message);
  message->lpszSubject = request->subject;
  message->lpszNoteText = request->note;
  message->nFileCount = 1;
  message->lpFiles = attachment;
  return kMailRequestBuilt;
}
