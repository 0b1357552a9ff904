// Making Postlark's mail library the default mail program, for the user or
// for the machine, and undoing it.
#ifndef POSTLARK_MAPI_REGISTRATION_H_
#define POSTLARK_MAPI_REGISTRATION_H_

#include "simple_mapi.h"  // <windows.h>

/// Under `root` (HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE), writes the key
/// Software\Clients\Mail\Postlark: the display name as its (Default), and
/// `library`, the library's full path, as DLLPath; then makes "Postlark"
/// the (Default) of Software\Clients\Mail, keeping the one before under
/// Postlark's key as PreviousDefault (none where there was none; the one
/// kept already where the default was Postlark); without `make_default`,
/// the default and PreviousDefault stay as they are. For the machine, it also
/// sets HKLM\SOFTWARE\Microsoft\Windows Messaging Subsystem's MAPI to
/// "1" in both registry views, where it is not, keeping what was there.
/// S_OK, or the system's error as an HRESULT, with the default as it was.
HRESULT RegisterMailLibrary(HKEY root, const wchar_t* library, bool make_default);

/// Under `root`, gives Software\Clients\Mail back the default kept under
/// Postlark's key, or none, where its default is still "Postlark", and
/// removes Postlark's key; for the machine, gives MAPI back what
/// registering replaced, where it is still "1". S_OK also where nothing was
/// registered.
HRESULT UnregisterMailLibrary(HKEY root);

#endif  // POSTLARK_MAPI_REGISTRATION_H_
