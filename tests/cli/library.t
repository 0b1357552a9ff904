Without a mail library, or with one that lacks MAPISendMail: one line and
-1. A library that was loaded is released.

  $ postlark report.txt s b
  LoadLibrary failed
  [-1] (windows)
  [255] (posix)
  $ cp "$standin_without_send_mail" app/ && postlark report.txt s b
  GetProcAddress failed
  mapi: released
  [-1] (windows)
  [255] (posix)

On Linux the library is looked for beside the program, then in
../lib/postlark/; never in the working folder nor on the loader's path.

  $ rm app/libmapi32.so && cp "$standin" . && LD_LIBRARY_PATH=$PWD postlark report.txt s b (posix)
  LoadLibrary failed (posix)
  [255] (posix)
  $ mkdir -p tree/bin tree/lib/postlark && cp app/Postlark tree/bin && cp "$standin" tree/lib/postlark (posix)
  $ program_path=tree/bin/Postlark postlark report.txt s b (posix)
  mapi: send path=[report.txt] name=[report.txt] subject=[s] body=[b] returns 0 (posix)
  mapi: released (posix)
  $ cp "$standin_without_send_mail" tree/bin && program_path=tree/bin/Postlark postlark report.txt s b (posix)
  GetProcAddress failed (posix)
  mapi: released (posix)
  [255] (posix)
