Without a mail library, or with one that lacks MAPISendMail: one line and
-1. A library that was loaded is released.

  $ postlark report.txt s b
  LoadLibrary failed
  [-1] (windows)
  [255] (posix)
  $ library "$standin_without_send_mail" && postlark report.txt s b
  GetProcAddress failed
  mapi: released
  [-1] (windows)
  [255] (posix)

On Windows the library is loaded from the system directory alone: a copy
(without MAPISendMail) planted beside the program or in the working folder
never loads, not even when the system directory has only a placeholder.

  $ library "$standin" && cp "$standin_without_send_mail" app/MAPI32.DLL && cp "$standin_without_send_mail" MAPI32.DLL && postlark report.txt s b (windows)
  mapi: send path=[$WORK\report.txt] name=[report.txt] subject=[s] body=[b] returns 0 (windows)
  mapi: released (windows)
  $ library && postlark report.txt s b (windows)
  LoadLibrary failed (windows)
  [-1] (windows)

On Linux the library is looked for beside the program, then in
../lib/postlark/ (install.t); never in the working folder nor on the
loader's path.

  $ library && cp "$standin" . && LD_LIBRARY_PATH=$PWD postlark report.txt s b (posix)
  LoadLibrary failed (posix)
  [255] (posix)
  $ mkdir -p tree/bin tree/lib/postlark && cp app/Postlark "$standin_without_send_mail" tree/bin && cp "$standin" tree/lib/postlark (posix)
  $ program_path=tree/bin/Postlark postlark report.txt s b (posix)
  GetProcAddress failed (posix)
  mapi: released (posix)
  [255] (posix)
