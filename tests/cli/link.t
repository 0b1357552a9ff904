Without a mail program that takes Simple MAPI, the message opens as a
mailto: link, without the file, which no such program can take; Explorer
shows the file selected, for the user to add; 26, and nothing printed.

  $ library "$standin" && echo r >report.txt && m='HKEY_LOCAL_MACHINE\Software\Clients\Mail' u=${m/LOCAL_MACHINE/CURRENT_USER} (windows)

A program counts with MSIComponentID, a bare DLLPath but MAPI32.DLL, or
that of a file that exists (REG_EXPAND_SZ expanded); the user's default may
be the machine's program, and without a library the machine's default
counts; so does an administrator's mapping. All go to MAPISendMail.

  $ x=$(printf '%%windir%%\\notepad.exe\0' | od -An -tx1 -v | xargs | tr ' ' ,) (windows)
  $ for library in '"MSIComponentID"="{1}"' '"DLLPath"="winemapi.dll"' "\"DLLPath\"=hex(2):$x"; do mail_programs "[$u]" '@="Mail"' "[$m\\Mail]" "$library" && postlark report.txt s b | grep -c 'mapi: send'; done (windows)
  1 (windows)
  1 (windows)
  1 (windows)
  $ mail_programs "[$u]" '@="Empty"' "[$m\\Empty]" "[$m]" '@="Native Mail Client"' && postlark report.txt s b | grep -c 'mapi: send' (windows)
  1 (windows)
  $ mail_programs "[${m/Clients\\Mail/Microsoft\\Windows Messaging Subsystem\\MSMapiApps}]" '"Postlark.exe"=""' && postlark report.txt s b | grep -c 'mapi: send' (windows)
  1 (windows)

Without a default program a missing file gives 11, a folder 12, and
nothing opens. The link has UTF-8, percent-encoded, each line break as CR
LF. Postlark's own thread (which logs first) asks Explorer for the file;
Wine 8 then starts an Explorer of its own, which opens nothing.

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

A key with neither value, a library gone (uninstalled), a folder or
MAPI32.DLL: no program; blank texts are left out. No mailto: handler: 26,
nothing shown.

  $ for library in '' '"DLLPath"="C:\\gone\\mapi32.dll"' '"DLLPath"="C:\\windows"' '"DLLPath"="MAPI32.DLL"'; do mail_programs "[$m]" '@="Mail"' "[$m\\Mail]" "$library" && postlark report.txt s ' ' && handled; done (windows)
  [26] (windows)
  handler: "mailto:?subject=s" (windows)
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
