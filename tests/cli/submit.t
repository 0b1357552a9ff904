Three texts reach the mail library byte for byte, and it is released after
the call. The stand-in checks every field that never varies: any that is
off shows as a "wrong:" line.

  $ library "$standin"
  $ postlark report.txt "Weekly report" "Please see the file"
  mapi: send path=[report.txt] name=[report.txt] subject=[Weekly report] body=[Please see the file] returns 0 (posix)
  mapi: send path=[$WORK\report.txt] name=[report.txt] subject=[Weekly report] body=[Please see the file] returns 0 (windows)
  mapi: released

Blanks, quotes and backslashes survive the command line; texts that look
like options are texts; empty texts stay empty. The display name is the
file's own name: "\" separates only on Windows.

  $ postlark 'C:\My Files\-report 1.txt' '/say "hi" twice' '--a\b \"c\" end\' | grep -v released
  mapi: send path=[C:\My Files\-report 1.txt] name=[C:\My Files\-report 1.txt] subject=[/say "hi" twice] body=[--a\b \"c\" end\] returns 0 (posix)
  mapi: send path=[C:\My Files\-report 1.txt] name=[-report 1.txt] subject=[/say "hi" twice] body=[--a\b \"c\" end\] returns 0 (windows)
  $ postlark "" "" "" | grep -v released
  mapi: send path=[] name=[] subject=[] body=[] returns 0

Texts of 255 bytes fit. A text of 256 is refused, never cut, with its own
line and 18 before the library loads; the first too long is the one told.

  $ x=$(printf 'x%.0s' {1..255}) y=$(printf 'y%.0s' {1..256}) p=$x
  $ p='C:\'${x:3} (windows)
  $ postlark "$p" "$x" "$x" | sed "s/$x/<255 x>/g; s/${x:3}/<252 x>/g" | grep -v released
  mapi: send path=[<255 x>] name=[<255 x>] subject=[<255 x>] body=[<255 x>] returns 0 (posix)
  mapi: send path=[C:\<252 x>] name=[<252 x>] subject=[<255 x>] body=[<255 x>] returns 0 (windows)
  $ (postlark "$y" "$y" "$y"; postlark report.txt "$y" "$y"; postlark report.txt s "$y") | paste -d ' ' - -
  attachment path is longer than 255 characters [18]
  subject is longer than 255 characters [18]
  body is longer than 255 characters [18]
