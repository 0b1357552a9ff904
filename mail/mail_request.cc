#include "mail_request.h"

#include <string.h>

#include "path_name.h"

namespace {

const size_t kFieldSize = MailTextCapacity;

// The length of `text`, or kFieldSize if it does not fit a field with its
// terminating zero. Reads no further than one field's worth, however long
// the text is.
size_t FieldLength(const char* text) {
  return strnlen(text, kFieldSize);
}

void CopyText(char (&field)[MailTextCapacity], const char* text, size_t length) {
  memcpy(field, text, length);
  field[length] = '\0';
}

}  // namespace

MailRequestResult BuildMailRequest(MailRequest* request, const char* path,
                                   const char* subject, const char* body) {
  // Everything is checked before anything is written.
  size_t path_length = FieldLength(path);
  if (path_length == kFieldSize) return kMailPathTooLong;
  size_t subject_length = FieldLength(subject);
  if (subject_length == kFieldSize) return kMailSubjectTooLong;
  size_t body_length = FieldLength(body);
  if (body_length == kFieldSize) return kMailBodyTooLong;

  // The recipient sees the file's own name, not the sender's folders.
  const char* name = PathFileName(path);
  CopyText(request->attachment_display_name, name, path_length - static_cast<size_t>(name - path));
  CopyText(request->attachment_path, path, path_length);
  CopyText(request->subject, subject, subject_length);
  CopyText(request->note, body, body_length);

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
