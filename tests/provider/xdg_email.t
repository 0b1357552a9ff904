The Linux mail library hands the message to xdg-email, the first on PATH,
as an argument vector: each text is one argument, unchanged, and the
attachment's path is made absolute. No descriptor on the attachment
reaches xdg-email.

  $ cp "$library" app/ && echo figures >report.txt && mkdir bin && cp "$fake_xdg_email" bin/
  $ export PATH=$PWD/bin:$PATH LC_ALL=C
  $ postlark report.txt "it's \"\$5\"; \`id\` \$(id) *.txt --attach=/etc/passwd" $'line one\nline two'
  xdg-email [--subject] [it's "$5"; `id` $(id) *.txt --attach=/etc/passwd] [--body] [line one
  line two] [--attach] [$WORK/report.txt]
  mapi: released

Blank texts are left out; a UTF-8 locale adds --utf8.

  $ LC_ALL=C.UTF-8 postlark "$PWD/report.txt" "" $' \t '
  xdg-email [--utf8] [--attach] [$WORK/report.txt]
  mapi: released

xdg-email's exit status tells the code: 1 (bad syntax) and 4 (failed)
give 2, 2 (missing file) 11, 3 (no mail client) 26, 5 (not readable) 12,
and a killed xdg-email 2. Without xdg-email, 2.

  $ for FAKE_XDG_EMAIL_EXIT in 1 2 3 4 5 kill; do export FAKE_XDG_EMAIL_EXIT; postlark report.txt s b | grep '^\['; done
  [2]
  [11]
  [26]
  [2]
  [12]
  [2]
  $ PATH=/nonexistent postlark report.txt s b
  mapi: released
  [2]

A missing attachment gives 11 and one that is not a readable file 12,
before xdg-email runs.

  $ mkdir folder && for path in missing.txt report.txt/x folder; do postlark "$path" s b; done
  mapi: released
  [11]
  mapi: released
  [11]
  mapi: released
  [12]
