PostlarkMAPI.dll is the mail library of every program that calls Simple
MAPI: registered as the default mail program, it takes their calls through
the system's MAPI32.DLL (here Wine's) and opens each message as
Postlark.exe does. `regsvr32` registers it for the machine, keeping the
default before it; again, it keeps the same one; `/u` gives that back.
So too the MAPI value that programs check before they offer mail.

  $ appdata=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local) && rm -rf "$appdata/Postlark" (windows)
  $ m='HKEY_LOCAL_MACHINE\Software\Clients\Mail' s='[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows Messaging Subsystem]' (windows)
  $ mail_programs "[$m]" '@="Native Mail Client"' "$s" '"MAPI"="0"' && cp "$mapi_library" app/ (windows)
  $ regsvr32 app/PostlarkMAPI.dll && regsvr32 app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM (windows)
  MAPI: 1 (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Postlark (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client (windows)
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Postlark (windows)
      (Default)    REG_SZ    Postlark (windows)
      DLLPath    REG_SZ    $WORK\app\PostlarkMAPI.dll (windows)
      PreviousDefault    REG_SZ    Native Mail Client (windows)
  $ regsvr32 /u app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM (windows)
  MAPI: 0 (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Native Mail Client (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client (windows)
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll (windows)

Another default or MAPI value since then stays; without a default or a
MAPI value before, there is none after. For the user alone, `/n /i:user`, and the
machine's keys stay as they are. With "nodefault" (`/n /i:machine,nodefault`,
as the installer does for an administrator who sets the default by policy)
the library is registered and MAPI set, but the default stays. Anything else
after `/i:`, or two scopes, is refused.

  $ regsvr32 app/PostlarkMAPI.dll && mail_programs "[$m]" '@="Other"' && regsvr32 /u app/PostlarkMAPI.dll && mail_keys HKLM (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Other (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client (windows)
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll (windows)
  $ mapi_value() { "$wine" reg add "${s:1:-1}" /v MAPI "$@" /f </dev/null >/dev/null 2>&1; } (windows)
  $ mapi_value /d 0 && regsvr32 app/PostlarkMAPI.dll && mapi_value /t REG_DWORD /d 2 && regsvr32 /u app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM | grep -c Postlark (windows)
  MAPI: 0x2 (windows)
  0 (windows)
  $ mail_programs "[-$m]" "$s" '"MAPI"=-' && regsvr32 app/PostlarkMAPI.dll && simple_mapi && regsvr32 /u app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM | grep -c -e Default -e Postlark (windows)
  MAPI: 1 (windows)
  MAPI: none (windows)
  0 (windows)
  $ mail_programs "[$m]" '@="Native Mail Client"' && regsvr32 /n /i:user app/PostlarkMAPI.dll && mail_keys HKCU && mail_keys HKLM | head -n 2 (windows)
  HKEY_CURRENT_USER\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Postlark (windows)
  HKEY_CURRENT_USER\Software\Clients\Mail\Postlark (windows)
      (Default)    REG_SZ    Postlark (windows)
      DLLPath    REG_SZ    $WORK\app\PostlarkMAPI.dll (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Native Mail Client (windows)
  $ regsvr32 /u /n /i:user app/PostlarkMAPI.dll && mail_keys HKCU | grep -c -e Default -e Postlark; regsvr32 /n /i:everyone app/PostlarkMAPI.dll (windows)
  0 (windows)
  [5] (windows)
  $ regsvr32 /n /i:user,machine app/PostlarkMAPI.dll; regsvr32 /n '/i:Machine, nodefault' app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM (windows)
  [5] (windows)
  MAPI: 1 (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail (windows)
      (Default)    REG_SZ    Native Mail Client (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client (windows)
      DLLPath    REG_SZ    C:\windows\system32\winemapi.dll (windows)
  HKEY_LOCAL_MACHINE\Software\Clients\Mail\Postlark (windows)
      (Default)    REG_SZ    Postlark (windows)
      DLLPath    REG_SZ    $WORK\app\PostlarkMAPI.dll (windows)
  $ regsvr32 /u app/PostlarkMAPI.dll && simple_mapi && mail_keys HKLM | grep -c Postlark (windows)
  MAPI: none (windows)
  0 (windows)

A program's message opens as a mailto: link with its recipients in to, cc
and bcc, subject and body, and Explorer shows copies of its files, named as
the program says, in a draft folder of their own: the program has deleted
its files as soon as the call returned. 26, as for Postlark.exe. The
address is taken as programs write it, in the address or else in the name:
bare, after "SMTP:" (once or more), as "Name <address>" or
"Name[SMTP:address]"; the sender and an entry with no text are left out.
MAPI_DIALOG_MODELESS is MAPI_DIALOG.

  $ regsvr32 app/PostlarkMAPI.dll && printf 'figures\r\n' >report.txt && printf '\0\1\2' >data.bin && cp report.txt report.ref && cp data.bin data.ref (windows)
  $ caller modeless 'Weekly report' $'Totals\r\nattached' 'to|SMTP:ann@example.com|Ann Example' 'to||Bob Example <bob@example.com>' 'cc|SMTP:smtp:carl@example.org|Carl[SMTP:carl@example.org]' 'bcc|dora@example.net|Dora' 'orig|SMTP:|' 'to||' "file|$(windows_path report.txt)|Report (final).txt" "file|$(windows_path data.bin)" && handled && [ ! -e report.txt ] && [ ! -e data.bin ] && echo deleted (windows)
  [26] (windows)
  handler: "mailto:ann@example.com,bob@example.com?cc=carl@example.org&bcc=dora@example.net&subject=Weekly%20report&body=Totals%0D%0Aattached" (windows)
  deleted (windows)
  $ cd "$appdata"/Postlark/*/ && ls && cmp 'Report (final).txt' "$OLDPWD/report.ref" && cmp data.bin "$OLDPWD/data.ref" && cd - >/dev/null && rm -rf "$appdata/Postlark" (windows)
  Report (final).txt (windows)
  data.bin (windows)

The narrow MAPISendMail takes texts in the ANSI code page, or in UTF-8
where its reserved argument says 65001, as Word's does; MAPISendDocuments
takes paths and names joined as its caller says, also where the
delimiter's byte may be the second of a character (here "ポ" in code page
932). Two files of one name both stay.

  $ cp report.ref report.txt && caller utf8 'Grüße ✓' $'Zeile 1\nZeile 2' 'to|j@example.com|Jürgen Müller' "file|$(windows_path report.txt)|Bericht Ü.txt" && handled && ls "$appdata"/Postlark/*/ && rm -rf "$appdata/Postlark" (windows)
  [26] (windows)
  handler: "mailto:j@example.com?subject=Gr%C3%BC%C3%9Fe%20%E2%9C%93&body=Zeile%201%0D%0AZeile%202" (windows)
  Bericht Ü.txt (windows)
  $ caller ansi 'Grüße' 'Hallo' 'cc|SMTP:ann@example.com' && handled (windows)
  [26] (windows)
  handler: "mailto:?cc=ann@example.com&subject=Gr%C3%BC%C3%9Fe&body=Hallo" (windows)
  $ cp report.ref report.txt && cp data.ref data.bin && caller documents ';' "$(windows_path report.txt);$(windows_path data.bin)" 'same.txt;same.txt' && handled && ls "$appdata"/Postlark/*/ && rm -rf "$appdata/Postlark" (windows)
  [26] (windows)
  handler: "mailto:" (windows)
  (2) same.txt (windows)
  same.txt (windows)
  $ cp report.ref ポ.txt && cp report.ref report.txt && LANG=ja_JP.UTF-8 caller documents '|' "$(windows_path ポ.txt)|$(windows_path report.txt)" && handled >/dev/null && ls "$appdata"/Postlark/*/ && rm -rf "$appdata/Postlark" (windows)
  [26] (windows)
  report.txt (windows)
  ポ.txt (windows)

A name with folders in it gives its last part; one no file can have (a
device's, a colon, an end in a dot or a blank) gives the file's own. Where
no program takes the link, or a copy cannot be made (here a name too long
for a path), no copy stays.

  $ for f in report data third fourth; do cp report.ref $f.txt; done && caller wide s b "file|$(windows_path report.txt)|..\\..\\evil.txt" "file|$(windows_path data.txt)|CON.txt" "file|$(windows_path third.txt)|a:b" "file|$(windows_path fourth.txt)|name. " && handled >/dev/null && ls "$appdata"/Postlark/*/ && rm -rf "$appdata/Postlark" (windows)
  [26] (windows)
  data.txt (windows)
  evil.txt (windows)
  fourth.txt (windows)
  third.txt (windows)
  $ cp report.ref report.txt && cp data.ref data.bin && caller wide s b "file|$(windows_path report.txt)" "file|$(windows_path data.bin)|$(printf 'n%.0s' {1..250})" (windows)
  [13] (windows)
  $ mail_programs '[-HKEY_LOCAL_MACHINE\Software\Classes\mailto]' && regsvr32 app/PostlarkMAPI.dll && cp report.ref report.txt && caller wide s b "file|$(windows_path report.txt)" && ls "$appdata/Postlark" | wc -l && mail_programs && regsvr32 app/PostlarkMAPI.dll (windows)
  [26] (windows)
  0 (windows)

A missing file gives 11, a folder 12, a link too long for a command line
(here a body of 4,000 euro signs, 9 characters each) 18, and nothing
opens; a message with no file opens all the same.

  $ mkdir folder && caller wide s b 'file|missing.txt' && caller wide s b "file|$(windows_path folder)" && caller wide s "$(printf '€%.0s' {1..4000})" && caller wide s b && handled (windows)
  [11] (windows)
  [12] (windows)
  [18] (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)

Sessions are 1, in every process and every load of the library; the send
functions take any session as none (here each gives the 11 of its missing
file). The mail store is an empty inbox; there is no address book. Every
output is set, however the program left it.

  $ caller session missing.txt && caller others (windows)
  MAPILogon: 0, session 1 (windows)
  MAPISendMail with it: 11 (windows)
  with it cut to 32 bits: 11 (windows)
  with another: 11 (windows)
  MAPILogoff: 0 (windows)
  MAPILogoff of another: 19 (windows)
  MAPILogon without a place for it: 2 (windows)
  loaded anew, MAPILogoff of the session before: 0 (windows)
  MAPIAddress: 26 (windows)
    with 0 recipients at null (windows)
  MAPIFindNext: 16 (windows)
    with the message "" (windows)
  MAPIReadMail: 17 (windows)
    with the message at null (windows)
  MAPIDetails: 26 (windows)
  MAPISaveMail: 26 (windows)
  MAPIDeleteMail: 26 (windows)
  MAPIFreeBuffer of nothing: 0 (windows)
  MAPIFreeBuffer of what is not its own: 2 (windows)
    nor a block of MAPI32.DLL's: 2 (windows)
    nor after a page that cannot be read: 2 (windows)
  heap valid: 1 (windows)

MAPIResolveName takes a text with one address in the same forms, with or
without MAPI_DIALOG: the name as given, the address after "SMTP:", no
entry; 14 and no recipient for the rest. The program mails to what came
back, and frees it through Wine's MAPI32.DLL, which frees the block itself,
or through the library; freed, it is no longer the library's.

  $ caller resolve 'ann@example.com' 'SMTP:smtp:bob@example.com' 'Carl Example <carl@example.org>' 'Dora[SMTP:dora@example.net]' 'Support Team' '' && handled (windows)
  0, class 1, name "ann@example.com", address "SMTP:ann@example.com", entry 0 null (windows)
  0, class 1, name "SMTP:smtp:bob@example.com", address "SMTP:bob@example.com", entry 0 null (windows)
  0, class 1, name "Carl Example <carl@example.org>", address "SMTP:carl@example.org", entry 0 null (windows)
  0, class 1, name "Dora[SMTP:dora@example.net]", address "SMTP:dora@example.net", entry 0 null (windows)
  14, none (windows)
  14, none (windows)
  MAPISendMail to them: 26 (windows)
  freed by MAPI32.DLL: 0 (windows)
  again, by the library: 2 (windows)
  freed by the library: 0 (windows)
  again, by the library: 2 (windows)
  freed by MAPI32.DLL: 0 (windows)
  again, by the library: 2 (windows)
  freed by the library: 0 (windows)
  again, by the library: 2 (windows)
  heap valid: 1 (windows)
  handler: "mailto:ann@example.com,bob@example.com,carl@example.org,dora@example.net" (windows)

Records no program should send get a status each, and nothing is read past
a text's limit: here the next byte cannot be read at all.

  $ caller hostile (windows)
  null message: 2 (windows)
  two files, no array: 2 (windows)
  three recipients, no array: 2 (windows)
  65 recipients: 10 (windows)
  recipient class 4: 15 (windows)
  name alone: 25 (windows)
  two addresses in one: 25 (windows)
  65 files: 9 (windows)
  file without a path: 11 (windows)
  subject without its end in 1024 bytes: 18 (windows)
  body without its end in 65536 bytes: 18 (windows)
  body not UTF-8: 17 (windows)
  path without its end in 1024 bytes: 18 (windows)
  wide subject without its end in 1024 units: 18 (windows)
  wide subject with a lone surrogate: 17 (windows)
  documents without a delimiter: 2 (windows)
  documents, paths without their end: 18 (windows)
  documents, 65 paths: 9 (windows)

Calls at once, on threads with small stacks, each get their own message,
and their own copy of the file.

  $ rm -rf "$appdata/Postlark" && caller threads 8 "$(windows_path report.ref)" | sed 's/^thread [0-7]: //' | uniq -c (windows)
        8 26 (windows)
  $ for i in {1..100}; do [ "$(cat link | wc -l)" = 8 ] && break; sleep 0.1; done && sed 's/^"[^"]*" //' link | sort | uniq -c && rm link (windows)
        1 "mailto:?subject=thread%200" (windows)
        1 "mailto:?subject=thread%201" (windows)
        1 "mailto:?subject=thread%202" (windows)
        1 "mailto:?subject=thread%203" (windows)
        1 "mailto:?subject=thread%204" (windows)
        1 "mailto:?subject=thread%205" (windows)
        1 "mailto:?subject=thread%206" (windows)
        1 "mailto:?subject=thread%207" (windows)
  $ cd "$appdata/Postlark" && ls */ | grep -c '^thread [0-7].txt$' && cat */* | tr -d '\r' | sort | uniq -c && cd - >/dev/null && rm -rf "$appdata/Postlark" (windows)
  8 (windows)
        8 figures (windows)

A thread of the program's own that joined COM's multi-threaded apartment
(COINIT 0) gets the link all the same, and stays in that apartment: the
shell is asked, for the copy, on a thread of the library's own, in a
single-threaded apartment (0x6), as Wine's traces show.

  $ apartments() { awk -F: '$4 ~ /^CoInitializeEx [0-9A-F]+, / { split($4, a, ", "); if (!($1 in model)) model[$1] = a[2]; if (!caller) caller = $1 } $4 ~ /^ISF_Desktop_fnParseDisplayName.*=L"/ && !shell { shell = $1; path = $0 } END { sub(/.*=L"/, "", path); sub(/",.*/, "", path); gsub(/\\\\/, "\\", path); sub(/.*AppData\\Local\\Postlark\\[^\\]*\\/, "%LOCALAPPDATA%\\Postlark\\…\\", path); printf "caller: COINIT %s; shell: %s thread, COINIT %s, shows %s\n", model[caller], shell == caller ? "the same" : "another", model[shell], path }' stderr; } (windows)
  $ cp report.ref report.txt && : >stderr && WINEDEBUG=+ole,+shell caller mta wide s b "file|$(windows_path report.txt)" && handled && apartments (windows)
  COM after the call: 1 (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  caller: COINIT 0; shell: another thread, COINIT 0x6, shows %LOCALAPPDATA%\Postlark\…\report.txt (windows)

Where the user chose the new Outlook, the message is a draft with every
recipient, text and file, the names whole, quotes and backslashes too: 0.

  $ w='HKEY_CURRENT_USER\Software\Microsoft\Windows' c='HKEY_LOCAL_MACHINE\Software\Classes' (windows)
  $ outlook=("[$w\\Shell\\Associations\\UrlAssociations\\mailto\\UserChoice]" '"Progid"="AppXOutlook"' "[$c\\AppXOutlook\\Application]" '"AppUserModelID"="Microsoft.OutlookForWindows_8wekyb3d8bbwe!Microsoft.OutlookforWindows"' "[$w\\CurrentVersion\\App Paths\\olk.exe]" "@=\"Z:${outlook_program//\//\\\\}\"") (windows)
  $ mail_programs "${outlook[@]}" && regsvr32 app/PostlarkMAPI.dll && cp report.ref report.txt && cp data.ref data.bin (windows)
  $ caller mta wide s b && drafted | grep -c X-Unsent (windows)
  COM after the call: 1 (windows)
  1 (windows)
  $ caller wide 'Weekly report' 'See the files' 'to||Ann Example <ann@example.com>' 'to|SMTP:dora@example.net|Dora "DJ" Jones' 'cc|SMTP:SMTP:bob@example.com|Bob Example <bob@example.com>' 'bcc|carl@example.org|Carl, Sales' 'orig|SMTP:|' "file|$(windows_path report.txt)|Report \"final\" \\ v2.txt" "file|$(windows_path data.bin)" && drafted report.ref data.ref (windows)
  olk: "%LOCALAPPDATA%\Postlark\…\message.eml" (windows)
  in: %LOCALAPPDATA%\Postlark (windows)
  X-Unsent: 1 (windows)
  To: Ann Example <ann@example.com>, "Dora \"DJ\" Jones" <dora@example.net> (windows)
  Cc: Bob Example <bob@example.com> (windows)
  Bcc: "Carl, Sales" <carl@example.org> (windows)
  Subject: Weekly report (windows)
  body: 'See the files' (windows)
  file: Report "final" \ v2.txt (name= Report "final" \ v2.txt), 9 bytes (windows)
  bytes: exact (windows)
  file: data.bin (name= data.bin), 3 bytes (windows)
  bytes: exact (windows)

Postlark.exe gives the same statuses with the library registered as
without it: it takes the same roads itself.

  $ cp report.ref report.txt && postlark report.txt s b && drafted | grep -c X-Unsent && mail_programs && regsvr32 app/PostlarkMAPI.dll && postlark report.txt s b && handled && postlark missing.txt s b (windows)
  1 (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  [11] (windows)
  $ regsvr32 /u app/PostlarkMAPI.dll (windows)
