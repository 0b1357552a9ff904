Texts the ANSI code page (1252 under Wine here) holds go to MAPISendMail in
it; if one has a character it lacks, all three go to MAPISendMailW as typed,
never as look-alikes (ā.txt, never a.txt; a fullwidth quotation mark never
splits the line). On Linux texts are bytes, passed as they come.

  $ library "$standin" && echo report >a.txt && echo other >ā.txt
  $ postlark 'résumé €.txt' '“quoted” café' 'naïve' | grep -v released
  mapi: send path=[$WORK\r\xE9sum\xE9 \x80.txt] name=[r\xE9sum\xE9 \x80.txt] subject=[\x93quoted\x94 caf\xE9] body=[na\xEFve] returns 0 (windows)
  mapi: send path=[r\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC.txt] name=[r\xC3\xA9sum\xC3\xA9 \xE2\x82\xAC.txt] subject=[\xE2\x80\x9Cquoted\xE2\x80\x9D caf\xC3\xA9] body=[na\xC3\xAFve] returns 0 (posix)
  $ postlark ā.txt 'CPU ≥ 90% → alert ✓' 'Привет, 报告 📎 x＂ y＂ z' (windows)
  mapi: sendW path=[$WORK\ā.txt] name=[ā.txt] subject=[CPU ≥ 90% → alert ✓] body=[Привет, 报告 📎 x＂ y＂ z] returns 0 (windows)
  mapi: released (windows)

UTF-16 texts fit 255 code units; a longer one is refused as a narrow one is.

  $ w=$(printf 'ж%.0s' {1..255})
  $ postlark report.txt "$w" b | sed "s/$w/<255 ж>/g" | grep -v released (windows)
  mapi: sendW path=[$WORK\report.txt] name=[report.txt] subject=[<255 ж>] body=[b] returns 0 (windows)
  $ postlark report.txt s "${w}ж"
  body is longer than 255 characters
  [18]

Without MAPISendMailW (Windows 7) texts of the code page still go; any other
text is not sent at all: a line, and 27.

  $ library "$standin_without_send_mail_w" && postlark café.txt s b && postlark ā.txt s 'Тело' (windows)
  mapi: send path=[$WORK\caf\xE9.txt] name=[caf\xE9.txt] subject=[s] body=[b] returns 0 (windows)
  mapi: released (windows)
  attachment path has characters outside the system code page, which the mail system cannot take (windows)
  mapi: released (windows)
  [27] (windows)

Under code page 932 (Japanese) a CJK text of over 255 bytes and up to 255
characters sends all three through MAPISendMailW; without it, 18. A 表,
whose second byte is that of "\", stays a character of the file's name.

  $ export LANG=ja_JP.UTF-8 && echo r >表.txt && j=$(printf '報%.0s' {1..256}) && library "$standin" (windows)
  $ postlark 表.txt 件名 本文 | grep -v released (windows)
  mapi: send path=[$WORK\\x95\.txt] name=[\x95\.txt] subject=[\x8C\x8F\x96\xBC] body=[\x96{\x95\xB6] returns 0 (windows)
  $ for n in 128 255 256; do postlark 表.txt "${j:0:n}" 本文 | sed "s/${j:0:n}/<$n 報>/"; done | grep -v released (windows)
  mapi: sendW path=[$WORK\表.txt] name=[表.txt] subject=[<128 報>] body=[本文] returns 0 (windows)
  mapi: sendW path=[$WORK\表.txt] name=[表.txt] subject=[<255 報>] body=[本文] returns 0 (windows)
  subject is longer than 255 characters (windows)
  [18] (windows)
  $ library "$standin_without_send_mail_w" && postlark 表.txt "${j:0:128}" 本文 (windows)
  subject is longer than 255 characters (windows)
  mapi: released (windows)
  [18] (windows)
