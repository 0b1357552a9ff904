// Whether the system has a mail program to route Simple MAPI calls to.
#ifndef POSTLARK_PLATFORM_MAIL_PROGRAM_H_
#define POSTLARK_PLATFORM_MAIL_PROGRAM_H_

/// True where the registry names a Simple MAPI library that the system's
/// MAPI32.DLL would hand this program's calls to, as that stub reads it:
/// the default mail program of the user, else of the machine, under
/// Software\Clients\Mail, whose key has a value MSIComponentID, or a
/// DLLPath that is a bare file name other than MAPI32.DLL or names a file
/// that exists; or an administrator's mapping of this program's file name
/// under MSMapiApps. False where the stub has nowhere to route the call,
/// or would route it to Postlark's own mail library.
bool MailProgramRegistered();

#endif  // POSTLARK_PLATFORM_MAIL_PROGRAM_H_
