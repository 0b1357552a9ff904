#include "xdg_email.h"

#include <errno.h>
#include <fcntl.h>
#include <langinfo.h>  // nl_langinfo_l, CODESET
#include <locale.h>    // newlocale
#include <spawn.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>  // strncasecmp
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// xdg-email's own exit codes.
const int kXdgSuccess = 0;
const int kXdgFileMissing = 2;
const int kXdgOperationImpossible = 3;
const int kXdgFileNotReadable = 5;

bool IsBlank(const char* text) {
  for (; *text != '\0'; ++text) {
    if (strchr(" \t\r\n", *text) == nullptr) return false;
  }
  return true;
}

// The address to hand on for a recipient, or null if it has none that can
// be used. A leading "SMTP:" is the address type, not part of the address.
const char* RecipientAddress(const MapiRecipDesc& recipient) {
  const char* address = recipient.lpszAddress;
  if (address == nullptr || *address == '\0') address = recipient.lpszName;
  if (address == nullptr) return nullptr;
  if (strncasecmp(address, "SMTP:", 5) == 0) address += 5;
  // xdg-email would read a leading dash as an option and a mailto: URI as
  // the whole message, attachments and all.
  if (*address == '\0' || *address == '-' || strncasecmp(address, "mailto:", 7) == 0)
    return nullptr;
  return address;
}

// Checks an attachment the way xdg-email would, before it starts, so that
// the caller learns which of the two failures it is.
ULONG CheckAttachment(const char* path) {
  int descriptor = open(path, O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    return (errno == ENOENT || errno == ENOTDIR) ? MAPI_E_ATTACHMENT_NOT_FOUND
                                                 : MAPI_E_ATTACHMENT_OPEN_FAILURE;
  }
  struct stat status;
  bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
  close(descriptor);
  return regular ? SUCCESS_SUCCESS : MAPI_E_ATTACHMENT_OPEN_FAILURE;
}

// `path` as an absolute path, newly allocated; null if out of memory.
char* AbsolutePath(const char* path, const char* working_directory) {
  size_t path_length = strlen(path);
  if (path[0] == '/') {
    char* copy = static_cast<char*>(malloc(path_length + 1));
    if (copy != nullptr) memcpy(copy, path, path_length + 1);
    return copy;
  }
  size_t directory_length = strlen(working_directory);
  char* joined = static_cast<char*>(malloc(directory_length + 1 + path_length + 1));
  if (joined == nullptr) return nullptr;
  memcpy(joined, working_directory, directory_length);
  joined[directory_length] = '/';
  memcpy(joined + directory_length + 1, path, path_length + 1);
  return joined;
}

void Append(XdgEmailCommand* command, unsigned long* count, const char* text) {
  command->argv[(*count)++] = const_cast<char*>(text);
}

ULONG CheckRecipients(const MapiMessage* message) {
  for (ULONG i = 0; i < message->nRecipCount; ++i) {
    const MapiRecipDesc& recipient = message->lpRecips[i];
    if (recipient.ulRecipClass > MAPI_BCC) return MAPI_E_BAD_RECIPTYPE;
    if (recipient.ulRecipClass != MAPI_ORIG && RecipientAddress(recipient) == nullptr)
      return MAPI_E_INVALID_RECIPS;
  }
  return SUCCESS_SUCCESS;
}

}  // namespace

ULONG BuildXdgEmailCommand(const MapiMessage* message,
                           const char* working_directory, bool utf8,
                           XdgEmailCommand* command) {
  *command = XdgEmailCommand{nullptr, nullptr, 0};
  if (message == nullptr) return MAPI_E_FAILURE;
  if (message->nRecipCount > 0 && message->lpRecips == nullptr) return MAPI_E_FAILURE;
  if (message->nFileCount > 0 && message->lpFiles == nullptr) return MAPI_E_FAILURE;
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    if (message->lpFiles[i].lpszPathName == nullptr) return MAPI_E_FAILURE;
  }
  ULONG recipients = CheckRecipients(message);
  if (recipients != SUCCESS_SUCCESS) return recipients;

  // xdg-email, --utf8, two words each for subject and body, and at most two
  // for every attachment and recipient, then the closing null.
  unsigned long capacity = 6 + 2ul * message->nFileCount + 2ul * message->nRecipCount + 1;
  command->argv = static_cast<char**>(calloc(capacity, sizeof(char*)));
  command->owned = static_cast<char**>(calloc(message->nFileCount + 1, sizeof(char*)));
  if (command->argv == nullptr || command->owned == nullptr) {
    FreeXdgEmailCommand(command);
    return MAPI_E_INSUFFICIENT_MEMORY;
  }

  unsigned long count = 0;
  Append(command, &count, "xdg-email");
  if (utf8) Append(command, &count, "--utf8");
  // xdg-email refuses empty texts; a message without them is still one.
  if (message->lpszSubject != nullptr && !IsBlank(message->lpszSubject)) {
    Append(command, &count, "--subject");
    Append(command, &count, message->lpszSubject);
  }
  if (message->lpszNoteText != nullptr && !IsBlank(message->lpszNoteText)) {
    Append(command, &count, "--body");
    Append(command, &count, message->lpszNoteText);
  }
  for (ULONG i = 0; i < message->nFileCount; ++i) {
    char* path = AbsolutePath(message->lpFiles[i].lpszPathName, working_directory);
    if (path == nullptr) {
      FreeXdgEmailCommand(command);
      return MAPI_E_INSUFFICIENT_MEMORY;
    }
    command->owned[command->owned_count++] = path;
    ULONG checked = CheckAttachment(path);
    if (checked != SUCCESS_SUCCESS) {
      FreeXdgEmailCommand(command);
      return checked;
    }
    Append(command, &count, "--attach");
    Append(command, &count, path);
  }
  for (ULONG i = 0; i < message->nRecipCount; ++i) {
    const MapiRecipDesc& recipient = message->lpRecips[i];
    if (recipient.ulRecipClass == MAPI_CC) Append(command, &count, "--cc");
    if (recipient.ulRecipClass == MAPI_BCC) Append(command, &count, "--bcc");
    if (recipient.ulRecipClass != MAPI_ORIG)
      Append(command, &count, RecipientAddress(recipient));
  }
  command->argv[count] = nullptr;
  return SUCCESS_SUCCESS;
}

void FreeXdgEmailCommand(XdgEmailCommand* command) {
  for (unsigned long i = 0; i < command->owned_count; ++i) free(command->owned[i]);
  free(command->owned);
  free(command->argv);
  *command = XdgEmailCommand{nullptr, nullptr, 0};
}

ULONG RunXdgEmail(char* const argv[]) {
  pid_t child;
  // An argument vector, searched for on PATH: no shell ever reads the texts.
  if (posix_spawnp(&child, "xdg-email", nullptr, nullptr, argv, environ) != 0)
    return MAPI_E_FAILURE;
  int wait_status;
  while (waitpid(child, &wait_status, 0) < 0) {
    if (errno != EINTR) return MAPI_E_FAILURE;
  }
  return MapXdgEmailStatus(wait_status);
}

ULONG MapXdgEmailStatus(int wait_status) {
  if (!WIFEXITED(wait_status)) return MAPI_E_FAILURE;
  switch (WEXITSTATUS(wait_status)) {
    case kXdgSuccess:
      return SUCCESS_SUCCESS;
    case kXdgFileMissing:
      return MAPI_E_ATTACHMENT_NOT_FOUND;
    case kXdgFileNotReadable:
      return MAPI_E_ATTACHMENT_OPEN_FAILURE;
    case kXdgOperationImpossible:
      return MAPI_E_NOT_SUPPORTED;
    default:
      return MAPI_E_FAILURE;
  }
}

bool LocaleUsesUtf8() {
  // A locale of its own: the process's global one is not ours to change.
  locale_t locale = newlocale(LC_CTYPE_MASK, "", nullptr);
  if (locale == nullptr) return false;
  const char* codeset = nl_langinfo_l(CODESET, locale);
  bool utf8 = codeset != nullptr && (strcasecmp(codeset, "UTF-8") == 0 ||
                                     strcasecmp(codeset, "utf8") == 0);
  freelocale(locale);
  return utf8;
}
