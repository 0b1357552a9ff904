The Linux library starts the default mail client: here fake ones, in private XDG folders.

  $ cp "$library" app/ && mkdir -p bin data/applications home && cp "$fake_client" bin/mail-client && cp "$fake_client" bin/thunderbird && echo figures >report.txt
  $ entry() { printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s %%u\nMimeType=x-scheme-handler/mailto;\n%s' "$1" "$2" "${3:-}" >"data/applications/$1.desktop"; }
  $ use() { printf '[Default Applications]\nx-scheme-handler/mailto=%s.desktop\n' "$1" >data/mimeapps.list; }
  $ client() { for i in 1 2 3 4 5; do [ -s client ] && break; sleep 1; done; cat client; rm -f client*; }
  $ entry mail mail-client && entry thunderbird thunderbird && entry org.example.Missing mail-client DBusActivatable=true
  $ export PATH=$PWD/bin:$PATH HOME=$PWD/home XDG_DATA_HOME=$PWD/data XDG_CONFIG_HOME=$PWD/data XDG_CACHE_HOME=$PWD/cache XDG_DATA_DIRS=/none XDG_CONFIG_DIRS=/none FAKE_RECORD=$PWD/client LD_DEBUG= && unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

  $ postlark report.txt s b; [ -e cache ] || [ -e client ] || echo "nothing started"
  [26]
  nothing started

A client gets a mailto: URI, Thunderbird -compose: every byte arrives, in a session of its
own, with signals as new, and only descriptors 0 to 2, even from a caller ignoring SIGCHLD.

  $ name="a, b's report = final"$'\n'"Grüße.txt" subject="Q3: \"draft\" & more, it's =%41" body=$'line one,\nline two' && cp report.txt "$name"
  $ use mail && postlark "$name" "$subject" "$body" && client
  mail-client
  subject: [Q3: "draft" & more, it's =%41]
  body: [line one,^M
  line two]
  attach: [$WORK/cache/postlark/message-*/a, b's report = final
  GrM-CM-<M-CM-^_e.txt]
  descriptors: 0 1 2
  own session: yes; SigBlk:0000000000000000 SigIgn:0000000000000000
  $ use thunderbird && wrapper="env --ignore-signal=CHLD --block-signal=INT" postlark "$name" "$subject" "$body" && client
  thunderbird
  subject: [Q3: "draft" & more, it's =%41]
  body: [line one,
  line two]
  attachment: ['file://$WORK/cache/postlark/message-*/a, b's report = final
  GrM-CM-<M-CM-^_e.txt']
  descriptors: 0 1 2
  own session: yes; SigBlk:0000000000000000 SigIgn:0000000000000000

Postlark returns once the client has started, and the client outlives it.

  $ start=$SECONDS && FAKE_CLIENT=run postlark report.txt s b && [ $((SECONDS - start)) -le 3 ] && echo "returned within 3 s"
  returned within 3 s
  $ sleep 1 && kill -0 "$(cat client.pid)" && echo "client still running" && kill -- -"$(cat client.pid)"; rm -f client*
  client still running

A client that fails at once, cannot start, or fails D-Bus activation: 2; no snapshot stays.

  $ rm -rf cache && FAKE_CLIENT="exit 1" postlark report.txt s b; rm -f client*
  [2]
  $ printf '#!/no/such/shell\n' >bin/broken && chmod +x bin/broken && entry mail broken && use mail && postlark report.txt s b
  [2]
  $ use org.example.Missing && wrapper="dbus-run-session --" postlark report.txt s b; ls cache/postlark
  [2]

The client reads a private snapshot after the original has gone; snapshots over 7 days old
go at the next run; one that cannot be written gives 13, and nothing starts.

  $ entry mail mail-client && use mail && mkdir -p cache/postlark/message-old cache/postlark/message-new && touch -d '8 days ago' cache/postlark/message-old && touch -d '6 days ago' cache/postlark/message-new
  $ FAKE_CLIENT=read postlark report.txt s b && rm report.txt && sleep 3 && cat client.read && rm -f client*
  figures
  $ cd cache/postlark && stat -c '%a %n' message-* message-*/* | sed -E 's/message-[[:alnum:]]{6}/message-*/' && cd ../..
  700 message-*
  755 message-new
  600 message-*/report.txt
  $ echo figures >report.txt && XDG_CACHE_HOME=$PWD/report.txt postlark report.txt s b; [ -e client ] || echo "nothing started"
  [13]
  nothing started

Checked before opening: missing or empty is 11; a folder, FIFO or device 12, at once.

  $ mkfifo fifo && for path in missing.txt "" . fifo /dev/null; do postlark "$path" s b; done
  [11]
  [11]
  [12]
  [12]
  [12]
