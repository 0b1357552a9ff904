On Windows the mail system gets the attachment's full path, as the system
makes it for the working folder and drive; the recipient sees the file's
own name. The stand-in checks the path as Thunderbird does (a drive or a
share first, no "/", a file there; else 11). Each form goes both roads,
the second through MAPISendMailW. On Linux the path goes as typed.

  $ library "$standin" && mkdir sub && echo r >report.txt && echo r >sub/report.txt && export POSTLARK_CHECK_PATH=1
  $ for path in report.txt sub/report.txt '..\paths\report.txt' "${PWD//\//\\}\\report.txt" "Z:$PWD/sub/report.txt"; do postlark "$path" s b; postlark "$path" → b; done | grep -v released | sed 's/ subject.*returns/ returns/' | paste -d ' ' - - (windows)
  mapi: send path=[$WORK\report.txt] name=[report.txt] returns 0 mapi: sendW path=[$WORK\report.txt] name=[report.txt] returns 0 (windows)
  mapi: send path=[$WORK\sub\report.txt] name=[report.txt] returns 0 mapi: sendW path=[$WORK\sub\report.txt] name=[report.txt] returns 0 (windows)
  mapi: send path=[$WORK\report.txt] name=[report.txt] returns 0 mapi: sendW path=[$WORK\report.txt] name=[report.txt] returns 0 (windows)
  mapi: send path=[$WORK\report.txt] name=[report.txt] returns 0 mapi: sendW path=[$WORK\report.txt] name=[report.txt] returns 0 (windows)
  mapi: send path=[$WORK\sub\report.txt] name=[report.txt] returns 0 mapi: sendW path=[$WORK\sub\report.txt] name=[report.txt] returns 0 (windows)

A path that ends in a separator has no name of its own: the display name is
empty. A full path over 255 characters is refused before anything loads.

  $ postlark sub/ s b | grep -v released
  mapi: send path=[sub/] name=[] subject=[s] body=[b] returns 0 (posix)
  mapi: send path=[$WORK\sub\] name=[] subject=[s] body=[b] returns 0 (windows)
  $ postlark "$(printf 'x%.0s' {1..250})" s b (windows)
  full path of the attachment is longer than 255 characters (windows)
  [18] (windows)
