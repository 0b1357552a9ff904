The library's code is the status, but for a message sent (0) or cancelled
by the user (1). All 32 bits reach the exit status on Windows; on Linux no
failure reads as success. The library is released whatever it returned.

  $ library "$standin"
  $ for result in 1 2 3 256 4294967294; do postlark report.txt s b | sed 's/send .* returns/returns/' | paste -sd ' '; done
  mapi: returns 1 mapi: released
  mapi: returns 2 mapi: released [2]
  mapi: returns 3 mapi: released [3]
  mapi: returns 256 mapi: released [256] (windows)
  mapi: returns 256 mapi: released [255] (posix)
  mapi: returns 4294967294 mapi: released [-2] (windows)
  mapi: returns 4294967294 mapi: released [254] (posix)
