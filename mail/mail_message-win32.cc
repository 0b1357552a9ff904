#include "mail_message.h"

#include "mail_app.h"
#include "mail_draft_road.h"
#include "mail_link.h"

int32_t MailWithoutMapi(const MailMessage& message, CopyFilesFunction copy_files) {
  // The new Outlook takes the files in a draft; any other program gets a
  // mailto: link.
  wchar_t outlook[MAX_PATH];
  int32_t status = 0;
  if (FindNewOutlook(outlook) && MailByDraft(outlook, message, &status)) return status;
  return MailByLink(message, copy_files);
}
