/* The least a program can do to hand a message to a mail library: load it,
 * make the one MAPISendMail call that Postlark makes, with the same texts,
 * and release it. Postlark's own cost is what it takes beyond this.
 *
 *   baseline LIBRARY PATH SUBJECT BODY */

#include <dlfcn.h>
#include <stdint.h>
#include <string.h>

typedef struct {
  uint32_t ulReserved, flFlags, nPosition;
  char *lpszPathName, *lpszFileName;
  void* lpFileType;
} FileDesc;

typedef struct {
  uint32_t ulReserved;
  char *lpszSubject, *lpszNoteText, *lpszMessageType, *lpszDateReceived,
      *lpszConversationID;
  uint32_t flFlags;
  void* lpOriginator;
  uint32_t nRecipCount;
  void* lpRecips;
  uint32_t nFileCount;
  FileDesc* lpFiles;
} Message;

typedef uint32_t (*SendMail)(uintptr_t, uintptr_t, Message*, uint32_t, uint32_t);

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (library == NULL) return 1;
  SendMail send_mail;
  void* symbol = dlsym(library, "MAPISendMail");
  memcpy(&send_mail, &symbol, sizeof send_mail);
  FileDesc file = {0, 0, 0xFFFFFFFFu, argv[2], argv[2], NULL};
  Message message = {0, argv[3], argv[4], NULL, NULL, NULL, 0, NULL, 0, NULL, 1, &file};
  uint32_t code = send_mail(0, 0, &message, 9, 0);
  dlclose(library);
  return (int)code;
}
