The Linux library starts the default mail client: here fake ones, in private XDG folders.

  $ cp "$library" app/ && mkdir -p bin data/applications home && cp "$fake_client" bin/mail-client && cp "$fake_client" bin/thunderbird && echo figures >report.txt
  $ entry() { printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\nMimeType=x-scheme-handler/mailto;\n%s' "$1" "$2" "${3:-}" >"data/applications/$1.desktop"; }
  $ use() { printf '[Default Applications]\nx-scheme-handler/mailto=%s.desktop\n' "$1" >data/mimeapps.list; }
  $ client() { for i in 1 2 3 4 5; do [ -s client ] && break; sleep 1; done; cat client client.read 2>/dev/null; rm -f client*; }
  $ entry mail "mail-client %u" && entry thunderbird "thunderbird %u" && entry org.example.Missing "mail-client %u" DBusActivatable=true
  $ export PATH=$PWD/bin:$PATH HOME=$PWD/home XDG_DATA_HOME=$PWD/data XDG_CONFIG_HOME=$PWD/data XDG_CACHE_HOME=$PWD/cache XDG_DATA_DIRS=/none XDG_CONFIG_DIRS=/none FAKE_RECORD=$PWD/client FAKE_SHOWN=$PWD/shown LD_DEBUG= && unset DISPLAY WAYLAND_DISPLAY XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID DBUS_SESSION_BUS_ADDRESS

  $ postlark report.txt s b; [ -e cache ] || [ -e client ] || echo "nothing started"
  [26]
  nothing started

A client gets a mailto: URI, Thunderbird -compose: every byte arrives, in a session of its
own, with signals as new, and only descriptors 0 to 2, all /dev/null, even from a caller
ignoring SIGCHLD.

  $ name="a, b's report = final Grüße.txt" subject="Q3: \"draft\" & more, it's =%41" body=$'line one,\nline two' && cp report.txt "$name"
  $ use mail && postlark "$name" "$subject" "$body" && client
  mail-client
  subject: [Q3: "draft" & more, it's =%41]
  body: [line one,^M
  line two]
  attach: [$WORK/cache/postlark/message-*/a, b's report = final GrM-CM-<M-CM-^_e.txt]
  descriptors: 0 1 2 -> /dev/null
  own session: yes; SigBlk:0000000000000000 SigIgn:0000000000000000
  $ use thunderbird && wrapper="env --ignore-signal=CHLD --block-signal=INT" postlark "$name" "$subject" "$body" && client
  thunderbird
  subject: [Q3: "draft" & more, it's =%41]
  body: [line one,
  line two]
  attachment: ['file://$WORK/cache/postlark/message-*/a, b's report = final GrM-CM-<M-CM-^_e.txt']
  descriptors: 0 1 2 -> /dev/null
  own session: yes; SigBlk:0000000000000000 SigIgn:0000000000000000

Clients that take a message in words of their own get them after their entry's command
line: the file is attached, each text arrives whole (Mutt's body with bare line feeds, as it
keeps a CR), and no word of the user's can pass for an option.

  $ mkdir term && for c in sylpheed kmail balsa mutt; do cp "$fake_client" bin/$c && ln -s ../bin/$c term/; done
  $ entry sylpheed "sylpheed %u" && entry org.kde.kmail2 "kmail -qwindowtitle %c %u" && entry balsa-mailto-handler "balsa -m %U" && entry mutt "mutt %u" Terminal=true
  $ printf '#!/bin/bash\n[ "$1" = -e ] && shift && echo "in a terminal: $1" >>"$FAKE_RECORD" && exec "$@"\n' >term/xterm && chmod +x term/xterm
  $ name="-a, b's \"report\" = final.txt" subject="-s: \"draft\" & more, it's =" body=$'--body one,\nline two' && cp report.txt ./"$name"
  $ for app in sylpheed org.kde.kmail2 balsa-mailto-handler mutt; do use $app && FAKE_PATH=$PATH PATH=$PWD/term postlark "$name" "$subject" "$body" && client | grep -v -e descriptors -e session; done
  sylpheed
  argv: [--compose] [mailto:?subject=-s%3A%20%22draft%22%20%26%20more%2C%20it%27s%20%3D&body=--body%20one%2C%0D%0Aline%20two] [--attach] [$WORK/cache/postlark/message-*/-a, b's "report" = final.txt]
  kmail
  argv: [-qwindowtitle] [org.kde.kmail2] [--composer] [--subject=-s: "draft" & more, it's =] [--body=--body one,
  line two] [--attach=$WORK/cache/postlark/message-*/-a, b's "report" = final.txt] [--]
  balsa
  argv: [-m] [mailto:?subject=-s%3A%20%22draft%22%20%26%20more%2C%20it%27s%20%3D&body=--body%20one%2C%0D%0Aline%20two] [-a] [file://$WORK/cache/postlark/message-*/-a%2C%20b%27s%20%22report%22%20%3D%20final.txt]
  in a terminal: mutt
  mutt
  argv: [-a] [$WORK/cache/postlark/message-*/-a, b's "report" = final.txt] [--] [mailto:?subject=-s%3A%20%22draft%22%20%26%20more%2C%20it%27s%20%3D&body=--body%20one%2C%0Aline%20two]

With no terminal for a client that needs one, nothing is started: 2.

  $ rm -rf cache && mv term/xterm . && use mutt && PATH=$PWD/term postlark report.txt s b; ls cache/postlark; mv xterm term/ && use mail
  [2]

Postlark returns once the client has started, and the client outlives it, holding none of
Postlark's output: a script that reads it is not kept waiting.

  $ start=$SECONDS && output=$(FAKE_CLIENT=run postlark report.txt s b) && [ $((SECONDS - start)) -le 3 ] && sleep 1 && kill -0 "$(cat client.pid)" && echo "returned within 3 s: [$output], client still running" && kill -- -"$(cat client.pid)"; rm -f client*
  returned within 3 s: [], client still running

A client that fails at once, cannot start, or fails D-Bus activation: 2; no snapshot stays.

  $ rm -rf cache && FAKE_CLIENT="exit 1" postlark report.txt s b; rm -f client*
  [2]
  $ printf '#!/no/such/shell\n' >bin/broken && chmod +x bin/broken && entry mail "broken %u" && postlark report.txt s b; use org.example.Missing && wrapper="dbus-run-session --" postlark report.txt s b; ls cache/postlark
  [2]
  [2]

The client reads a private snapshot after the original has gone; snapshots over 7 days old
go at the next run; one that cannot be written gives 13, and nothing starts.

  $ entry mail "mail-client %u" && use mail && mkdir -p cache/postlark/message-old cache/postlark/message-new && touch -d '8 days ago' cache/postlark/message-old && touch -d '6 days ago' cache/postlark/message-new
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

  $ mkfifo fifo && for path in missing.txt "" . fifo /dev/null; do postlark "$path" s b; done | paste -sd ' '
  [11] [11] [12] [12] [12]

A Flatpak or a snap sees neither the cache nor /tmp: it gets the file where the document
portal shows it to that app alone, and reads it there (each launcher line, then what it read).
The private session bus has the real portal, and a stand-in file manager for later.

  $ mkdir -p data/dbus-1/services && printf '[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=%s\n' "$file_manager" >data/dbus-1/services/fm.service
  $ export XDG_RUNTIME_DIR=$(mktemp -d) && read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ') && export DBUS_SESSION_BUS_ADDRESS && gdbus call --session -d org.freedesktop.portal.Documents -o /org/freedesktop/portal/documents -m org.freedesktop.portal.Documents.GetMountPoint >/dev/null
  $ mkdir -p snap/bin && cp "$fake_sandbox" bin/flatpak && cp "$fake_sandbox" snap/bin/thunderbird && cp "$fake_client" bin/evolution && flatpak="$PWD/bin/flatpak run --branch=stable --arch=x86_64"
  $ entry org.mozilla.Thunderbird "$flatpak --command=thunderbird --file-forwarding org.mozilla.Thunderbird @@u %u @@" X-Flatpak=org.mozilla.Thunderbird && entry thunderbird_thunderbird "env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/thunderbird_thunderbird.desktop $PWD/snap/bin/thunderbird %u" X-SnapInstanceName=thunderbird
  $ entry org.gnome.Evolution "$flatpak --command=evolution --file-forwarding org.gnome.Evolution @@u %U @@" X-Flatpak=org.gnome.Evolution && entry org.kde.kmail2 "$flatpak --command=kmail --file-forwarding org.kde.kmail2 -qwindowtitle %c @@u %u @@" X-Flatpak=org.kde.kmail2
  $ name="a, b's \"report\" = final.txt" && for app in org.mozilla.Thunderbird thunderbird_thunderbird org.gnome.Evolution org.kde.kmail2; do echo figures >"$name" && use $app && FAKE_CLIENT=read postlark "$name" s b && rm "$name" && sleep 3 && client | grep -vx -e 'subject: .*' -e 'body: .*' -e 'argv: .*' -e 'descriptors: .*' -e 'own session: .*' -e thunderbird -e evolution -e kmail; done
  $WORK/bin/flatpak run --branch=stable --arch=x86_64 --command=thunderbird --file-forwarding org.mozilla.Thunderbird -compose ...
  attachment: ['file://$XDG_RUNTIME_DIR/doc/*/a, b's "report" = final.txt']
  figures
  env BAMF_DESKTOP_FILE_HINT=/var/lib/snapd/desktop/applications/thunderbird_thunderbird.desktop $WORK/snap/bin/thunderbird -compose ...
  attachment: ['file://$XDG_RUNTIME_DIR/doc/*/a, b's "report" = final.txt']
  figures
  $WORK/bin/flatpak run --branch=stable --arch=x86_64 --command=evolution --file-forwarding org.gnome.Evolution @@u mailto:... @@
  attach: [$XDG_RUNTIME_DIR/doc/*/a, b's "report" = final.txt]
  figures
  $WORK/bin/flatpak run --branch=stable --arch=x86_64 --command=kmail --file-forwarding org.kde.kmail2 -qwindowtitle org.kde.kmail2 --composer --subject=... --body=... --attach=$XDG_RUNTIME_DIR/doc/*/a, b's "report" = final.txt --
  figures

Where the file cannot be handed over (no session bus, no document portal on it), the
sandboxed client is not started and no snapshot stays: 13.

  $ printf '<busconfig><listen>unix:tmpdir=/tmp</listen><policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy></busconfig>' >bare.conf
  $ rm -rf cache && (unset DBUS_SESSION_BUS_ADDRESS; postlark report.txt s b); wrapper="dbus-run-session --config-file=bare.conf --" postlark report.txt s b; ls cache/postlark; [ -e client ] || echo "nothing started"
  [13]
  [13]
  nothing started

A web browser (Debian's Chromium, a Chrome web app, Flathub's Firefox) or aerc cannot take a
file: it gets the mailto: link alone, through GIO (aerc in a terminal), no file through the
portal, and 26, never 0; the file manager is asked once to show the snapshot, which stays.
Here it takes a while to start, as on a cold start, and is started while the browser is.

  $ for c in chromium google-chrome firefox aerc; do cp "$fake_client" bin/$c; done && ln -s ../bin/aerc term/ && entry chromium "chromium %U" "Categories=Network;WebBrowser;" && entry aerc "aerc %u" Terminal=true
  $ entry chrome-app "$PWD/bin/google-chrome --profile-directory=Default --app-id=abcdefghijklmnop %U" && entry org.mozilla.firefox "$flatpak --command=firefox --file-forwarding org.mozilla.firefox @@u %u @@" X-Flatpak=org.mozilla.firefox
  $ shown() { sed -E 's/message-[[:alnum:]]{6}/message-*/' shown; cat "$(sed -E "s|.*'file://([^']*)'.*|\1|" shown)"; rm shown; }
  $ echo figures >report.txt && use chromium && FAKE_CLIENT=run postlark report.txt s b; kill -- -"$(cat client.pid)"; rm client* && shown | paste -sd ' '
  [26]
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '') figures
  $ for app in chromium chrome-app org.mozilla.firefox aerc; do echo figures >report.txt && use $app && FAKE_PATH=$PATH PATH=$([ $app = aerc ] && echo "$PWD/term" || echo "$PATH") postlark report.txt 'Weekly report' b | paste -sd ' ' | tr '\n' ' '; rm report.txt; client | grep -v -e descriptors -e session | paste -sd ' '; shown | paste -sd ' '; done
  [26] chromium subject: [Weekly report] body: [b]
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '') figures
  [26] google-chrome argv: [--profile-directory=Default] [--app-id=abcdefghijklmnop] [mailto:?subject=Weekly%20report&body=b]
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '') figures
  [26] $WORK/bin/flatpak run --branch=stable --arch=x86_64 --command=firefox --file-forwarding org.mozilla.firefox @@u mailto:... @@ firefox subject: [Weekly report] body: [b]
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '') figures
  [26] in a terminal: aerc aerc subject: [Weekly report] body: [b]
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '') figures
  $ ls "$XDG_RUNTIME_DIR/doc/by-app/org.mozilla.firefox" | wc -l
  0

Where the file manager does not answer within a second, or none is on the bus, or there is
no bus, nothing is shown, and it is still 26, within about a second.

  $ echo figures >report.txt && use chromium && touch shown.hang && start=$SECONDS && { postlark report.txt s b; rm shown*; (unset DBUS_SESSION_BUS_ADDRESS; postlark report.txt s b); wrapper="dbus-run-session --config-file=bare.conf --" postlark report.txt s b; } | paste -sd ' '; [ $((SECONDS - start)) -le 4 ] && echo "returned within 4 s"
  [26] [26] [26]
  returned within 4 s
  $ kill "$bus"; sleep 1; fusermount3 -uq "$XDG_RUNTIME_DIR/doc"; rm -rf "$XDG_RUNTIME_DIR"
