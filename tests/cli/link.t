Where the registry names no mail program that takes Simple MAPI, the
system's MAPI32.DLL could only fail. Postlark opens the message as a
mailto: link instead, in the program the user chose for such links, but
without the file, which no such program can take; Explorer shows the file
selected, to be added by hand; the status is 26 and nothing is printed.

  $ library "$standin" && echo r >report.txt && m='HKEY_LOCAL_MACHINE\Software\Clients\Mail' u=${m/LOCAL_MACHINE/CURRENT_USER} (windows)

A program counts where its key has MSIComponentID (Outlook's installer), a
bare DLLPath other than MAPI32.DLL, or a DLLPath of a file that exists, as
expanded where it is REG_EXPAND_SZ. The user's default may name a program
of the machine's; where it has no library, the machine's default counts.
So does an administrator's mapping of Postlark.exe. All go to MAPISendMail.

  $ x=$(printf '%%windir%%\\notepad.exe\0' | od -An -tx1 -v | xargs | tr ' ' ,) (windows)
  $ for library in '"MSIComponentID"="{1}"' '"DLLPath"="winemapi.dll"' "\"DLLPath\"=hex(2):$x"; do mail_programs "[$u]" '@="Mail"' "[$m\\Mail]" "$library" && postlark report.txt s b | grep -c 'mapi: send'; done (windows)
  1 (windows)
  1 (windows)
  1 (windows)
  $ mail_programs "[$u]" '@="Empty"' "[$m\\Empty]" "[$m]" '@="Native Mail Client"' && postlark report.txt s b | grep -c 'mapi: send' (windows)
  1 (windows)
  $ mail_programs "[${m/Clients\\Mail/Microsoft\\Windows Messaging Subsystem\\MSMapiApps}]" '"Postlark.exe"=""' && postlark report.txt s b | grep -c 'mapi: send' (windows)
  1 (windows)

Without a default program, the file is checked first: a missing one gives
11, a folder 12, and nothing opens. Then the link: the texts in UTF-8,
percent-encoded, each line break of the body as CR LF. Explorer is asked
for the very file: the trace of Postlark's own thread, which logs first,
tells (Wine 8 then starts an Explorer of its own, which opens nothing).

  $ mail_programs && mkdir folder && postlark missing.txt s b && postlark folder s b && postlark '' s b (windows)
  [11] (windows)
  [12] (windows)
  [11] (windows)
  $ explorer() { grep "^$(head -c 5 stderr)" stderr | sed -n 's/.*ISF_Desktop_fnParseDisplayName.*=L"\(.*\)",.*,pidl=.*/explorer: \1/p; s/.*trace:shell:\(SHOpenFolderAndSelectItems\) .*/explorer: \1/p' | sed 's/\\\\/\\/g'; } (windows)
  $ : >stderr && WINEDEBUG=+shell postlark report.txt 'Wöchentlich ✓ 100%' $'a&b=c\r\nd\ne\rf' && handled && explorer (windows)
  [26] (windows)
  handler: "mailto:?subject=W%C3%B6chentlich%20%E2%9C%93%20100%25&body=a%26b%3Dc%0D%0Ad%0D%0Ae%0D%0Af" (windows)
  explorer: $WORK\report.txt (windows)
  explorer: SHOpenFolderAndSelectItems (windows)

A default whose key has neither value, a library that is gone (left by an
uninstalled program) or MAPI32.DLL itself: no program. Blank texts are left
out. Where no program takes mailto: links, 26 and nothing shown.

  $ for library in '' '"DLLPath"="C:\\gone\\mapi32.dll"' '"DLLPath"="MAPI32.DLL"'; do mail_programs "[$m]" '@="Mail"' "[$m\\Mail]" "$library" && postlark report.txt s ' ' && handled; done (windows)
  [26] (windows)
  handler: "mailto:?subject=s" (windows)
  [26] (windows)
  handler: "mailto:?subject=s" (windows)
  [26] (windows)
  handler: "mailto:?subject=s" (windows)
  $ postlark report.txt $' \t' $'\r\n' && handled (windows)
  [26] (windows)
  handler: "mailto:" (windows)
  $ mail_programs '[-HKEY_LOCAL_MACHINE\Software\Classes\mailto]' && : >stderr && WINEDEBUG=+shell postlark report.txt s b && explorer (windows)
  [26] (windows)
