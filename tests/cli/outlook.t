Where the user's program for mailto: links is the new Outlook and no mail
program takes Simple MAPI, the message goes to Outlook as a draft: a
message file, marked unsent, with subject, body and a copy of the file,
which olk.exe (as App Paths names it, the user's or else the machine's) is
started with, in the drafts' folder: not the caller's, which Outlook would
keep in use for as long as it runs. 0, nothing printed, and no mailto: link.

  $ appdata=$(echo "$WINEPREFIX"/drive_c/users/*/AppData/Local) && rm -rf "$appdata/Postlark" (windows)
  $ library "$standin" && printf 'figures\r\n' >report.txt && w='HKEY_CURRENT_USER\Software\Microsoft\Windows' c='HKEY_LOCAL_MACHINE\Software\Classes' (windows)
  $ choice() { printf '%s\n' "[$w\\Shell\\Associations\\UrlAssociations\\mailto\\UserChoice]" "\"Progid\"=\"$1\"" "[$c\\$1\\Application]" "\"AppUserModelID\"=\"$2\""; } (windows)
  $ olk="[$w\\CurrentVersion\\App Paths\\olk.exe]" && mapfile -t outlook < <(choice AppXOutlook 'Microsoft.OutlookForWindows_8wekyb3d8bbwe!Microsoft.OutlookforWindows') && outlook+=("$olk" "@=\"Z:${outlook_program//\//\\\\}\"") (windows)
  $ mail_programs "${outlook[@]}" && postlark report.txt 'Weekly report' 'Please see the file' && drafted report.txt && handled (windows)
  olk: "%LOCALAPPDATA%\Postlark\…\message.eml" (windows)
  in: %LOCALAPPDATA%\Postlark (windows)
  X-Unsent: 1 (windows)
  Subject: Weekly report (windows)
  body: 'Please see the file' (windows)
  file: report.txt (name= report.txt), 9 bytes (windows)
  bytes: exact (windows)
  $ mail_programs "${outlook[@]::4}" "${olk/CURRENT_USER/LOCAL_MACHINE}" "${outlook[5]}" && postlark report.txt s b && drafted | sed -n 1,3p (windows)
  olk: "%LOCALAPPDATA%\Postlark\…\message.eml" (windows)
  in: %LOCALAPPDATA%\Postlark (windows)
  X-Unsent: 1 (windows)

Postlark returns as soon as olk.exe has started, and a script reading its
output through a pipe gets the end of it then, while Outlook runs on: olk.exe
inherits no handle of Postlark's.

  $ mail_programs "${outlook[@]}" && POSTLARK_OUTLOOK_HOLD="Z:${PWD//\//\\}\\release" postlark report.txt s b (windows)
  $ for i in {1..100}; do grep -qs '^in: ' olk && break; sleep 0.1; done && grep -c ended olk (windows)
  0 (windows)
  $ touch release && for i in {1..100}; do grep -qs ended olk && break; sleep 0.1; done && tail -n 1 olk && rm olk* release (windows)
  ended (windows)

Texts and the file's name in any script arrive whole, and so does every
byte; blanks and tabs at a line's end are encoded, as a transport may drop
them, and a subject is one line, each line break and tab a blank. A
missing file gives 11, a folder 12, and nothing is started.

  $ name="a; b's (1) = Überblick 報告.bin" && printf "$(printf '\\%03o' {0..255} {255..0})" >"$name" (windows)
  $ postlark "$name" $'Wöchentlich ✓\r\n=?utf-8?q?x?=\tend' $'Grüße, \r\n.\t\nFrom me\r--=_Postlark_draft ' && drafted "$name" (windows)
  olk: "%LOCALAPPDATA%\Postlark\…\message.eml" (windows)
  in: %LOCALAPPDATA%\Postlark (windows)
  X-Unsent: 1 (windows)
  Subject: Wöchentlich ✓ =?utf-8?q?x?= end (windows)
  body: 'Grüße, ' (windows)
  body: '.\t' (windows)
  body: 'From me' (windows)
  body: '--=_Postlark_draft ' (windows)
  file: a; b's (1) = Überblick 報告.bin (name= a; b's (1) = Überblick 報告.bin), 512 bytes (windows)
  bytes: exact (windows)
  $ mkdir folder && postlark missing.txt s b && postlark folder s b && postlark '' s b && ls olk* (windows)
  [11] (windows)
  [12] (windows)
  [11] (windows)

Drafts unchanged for 7 days go when Postlark next runs: here the five
drafts of this file stay, and so do one of 6 days and one changed after
the run began. A draft that cannot be written gives 13, and nothing is
started.

  $ cd "$appdata/Postlark" && mkdir old recent later && touch old/message.eml && cd - >/dev/null (windows)
  $ touch -d '8 days ago' "$appdata/Postlark/old" && touch -d '6 days ago' "$appdata/Postlark/recent" && touch -d tomorrow "$appdata/Postlark/later" (windows)
  $ postlark report.txt s b && drafted >/dev/null && ls "$appdata/Postlark" | grep -c - && ls "$appdata/Postlark" | grep -v - (windows)
  5 (windows)
  later (windows)
  recent (windows)
  $ rm -rf olk* "$appdata/Postlark" && touch "$appdata/Postlark" && postlark report.txt s b; rm "$appdata/Postlark" && ls olk* (windows)
  [13] (windows)

Another program chosen (a browser, say) though olk.exe is installed, no
choice, no olk.exe, one named without its folder (never looked for in the
working folder, where anyone could have put one), one that is gone, or one
that does not start (its draft is removed): the mailto: road, 26. A Simple
MAPI program comes first, whatever the choice.

  $ mapfile -t other < <(choice AppXOther 'Microsoft.WindowsLiveMail!Mail') && mail_programs "${other[@]}" "${outlook[@]:4}" && postlark report.txt s b && handled && ls olk* (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ cp "$outlook_program" olk.exe && mail_programs "${outlook[@]::5}" '@="olk.exe"' && postlark report.txt s b && handled && rm olk.exe && ls olk* (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ mail_programs && postlark report.txt s b && handled (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ mail_programs "${outlook[@]::4}" && postlark report.txt s b && handled (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ mail_programs "${outlook[@]::5}" '@="C:\\gone\\olk.exe"' && postlark report.txt s b && handled && ls olk* (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ mail_programs "${outlook[@]::5}" "@=\"Z:${PWD//\//\\\\}\\\\report.txt\"" && postlark report.txt s b && handled && ls "$appdata/Postlark" && ls olk* (windows)
  [26] (windows)
  handler: "mailto:?subject=s&body=b" (windows)
  $ mail_programs "${outlook[@]}" "[${c/Classes/Clients\\Mail}]" '@="Mail"' "[${c/Classes/Clients\\Mail\\Mail}]" '"DLLPath"="winemapi.dll"' && postlark report.txt s b | grep -c 'mapi: send' && ls olk* (windows)
  1 (windows)
