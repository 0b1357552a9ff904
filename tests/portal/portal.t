postlark-portal serves the desktop's Email portal: here the real
xdg-desktop-portal on a private session bus, with postlark-portal as its
only Email backend (by UseIn before 1.17, by the portals.conf of the same
folder after), started by D-Bus from this build, fake mail clients in
private XDG folders, and a caller that passes its files as descriptors, as
libportal and Qt do.

  $ mkdir -p bin data/applications data/dbus-1/services home portals && cp "$fake_client" bin/thunderbird && cp "$fake_client" bin/claws-mail && cp "$fake_client" bin/chromium && cp "$portal_services"/*.service data/dbus-1/services/ && cp "$portals/postlark.portal" portals/
  $ printf '[preferred]\norg.freedesktop.impl.portal.Email=postlark;\n' >portals/portals.conf
  $ printf '[D-BUS Service]\nName=org.freedesktop.FileManager1\nExec=%s\n' "$file_manager" >data/dbus-1/services/fm.service
  $ entry() { printf '[Desktop Entry]\nType=Application\nName=%s\nExec=%s\nMimeType=x-scheme-handler/mailto;\n%s' "$1" "$2" "${3:-}" >"data/applications/$1.desktop"; } && use() { printf '[Default Applications]\nx-scheme-handler/mailto=%s.desktop\n' "$1" >data/mimeapps.list; }
  $ client() { for i in 1 2 3 4 5; do [ -s client ] && break; sleep 1; done; cat client 2>/dev/null; rm -f client*; }
  $ entry thunderbird "thunderbird %u" && entry claws-mail "claws-mail --compose %u" && entry chromium "chromium %U"
  $ cp "$fake_sandbox" bin/flatpak && entry org.mozilla.Thunderbird "$PWD/bin/flatpak run --branch=stable --arch=x86_64 --command=thunderbird --file-forwarding org.mozilla.Thunderbird @@u %u @@" X-Flatpak=org.mozilla.Thunderbird
  $ export PATH=$PWD/bin:$PATH HOME=$PWD/home XDG_DATA_HOME=$PWD/data XDG_CONFIG_HOME=$PWD/data XDG_CACHE_HOME=$PWD/cache XDG_DATA_DIRS=/none XDG_CONFIG_DIRS=/none FAKE_RECORD=$PWD/client FAKE_SHOWN=$PWD/shown FAKE_CLIENT=read GSETTINGS_SCHEMA_DIR=/usr/share/glib-2.0/schemas XDG_CURRENT_DESKTOP=GNOME XDG_DESKTOP_PORTAL_DIR=$PWD/portals && unset DISPLAY WAYLAND_DISPLAY XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID
  $ export XDG_RUNTIME_DIR=$(mktemp -d) && read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 | paste -sd ' ') && export DBUS_SESSION_BUS_ADDRESS && { /usr/libexec/xdg-desktop-portal -r >frontend.log 2>&1 & } && frontend=$! && gdbus wait --session --timeout 10 org.freedesktop.portal.Desktop
  $ mail() { "$email_caller" "$@"; }

Thunderbird gets -compose with every field, and both files whole in the
snapshot, read after the caller has deleted its own; the answer is 0.

  $ printf 'figures\r\n' >report.txt && printf '\0\1\2' >data.bin && cp report.txt report.ref && cp data.bin data.ref && use thunderbird
  $ mail "{'addresses': <['ann@example.org']>, 'cc': <['carl@example.org']>, 'bcc': <['dora@example.net']>, 'subject': <'Weekly report'>, 'body': <'Totals\nattached'>}" report.txt data.bin && ls report.txt data.bin 2>/dev/null | wc -l
  response 0
  0
  $ client | grep -v -e '^attachment' -e '^file://' -e descriptors -e session
  thunderbird
  to: ['ann@example.org']
  cc: ['carl@example.org']
  bcc: ['dora@example.net']
  subject: [Weekly report]
  body: [Totals
  attached]
  $ cmp cache/postlark/message-*/report.txt report.ref && cmp cache/postlark/message-*/*/data.bin data.ref && echo whole
  whole

A Flatpak Thunderbird gets the file through the real document portal,
and reads it there, in its sandbox, after the caller has deleted its own.

  $ use org.mozilla.Thunderbird && echo figures >report.txt && mail "{'subject': <'s'>}" report.txt && sleep 2 && cat client.read && client | grep -e flatpak -e '^attachment'
  response 0
  figures
  $WORK/bin/flatpak run --branch=stable --arch=x86_64 --command=thunderbird --file-forwarding org.mozilla.Thunderbird -compose ...
  attachment: ['file://$XDG_RUNTIME_DIR/doc/*/report.txt']

Claws Mail gets its own options; a browser, which can take no file, opens
the message without it, the file manager is asked to show the snapshot,
and the answer is 2. No mail client at all: 2, and nothing opens.

  $ use claws-mail && echo figures >report.txt && mail "{'addresses': <['ann@example.org']>, 'subject': <'s'>}" report.txt && client | grep argv | sed -E 's/message-[[:alnum:]]{6}/message-*/'
  response 0
  argv: [--compose] [mailto:ann@example.org?subject=s] [--attach] [$WORK/cache/postlark/message-*/report.txt]
  $ gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus -m org.freedesktop.DBus.StartServiceByName org.freedesktop.FileManager1 0 >/dev/null && gdbus wait --session --timeout 10 org.freedesktop.FileManager1
  $ use chromium && echo figures >report.txt && mail "{'subject': <'s'>}" report.txt && client | head -n 1 && sed -E 's/message-[[:alnum:]]{6}/message-*/' shown && rm shown
  response 2
  chromium
  ShowItems (['file://$WORK/cache/postlark/message-*/report.txt'], '')
  $ rm data/mimeapps.list && mail "{'subject': <'s'>}" && client
  response 2

What a caller cannot mean goes no further: a recipient that is not one
mail address (a line break, a space, an option), a value of another type,
a relative path, more than 64 files: 2, and nothing opens. Calls to the
backend itself, as the portal makes them; the next good one opens, and
its client is given the caller's activation token (which the portal
hands on from 1.17.2) to raise its window.

  $ use thunderbird && compose() { gdbus call --session -d org.freedesktop.impl.portal.desktop.postlark -o /org/freedesktop/portal/desktop -m org.freedesktop.impl.portal.Email.ComposeEmail /x '' '' "$1"; }
  $ for options in "{'addresses': <['ann@example.org\nbcc: eve@example.org']>}" "{'address': <'ann@example.org carl@example.org'>}" "{'cc': <['--help']>}" "{'subject': <42>}" "{'attachments': <['report.txt']>}" "{'attachments': <[$(for i in $(seq 65); do printf "'$PWD/report.txt'"; done | sed "s/''/', '/g")]>}" "{'attachments': <['$PWD']>}"; do compose "$options"; done; client
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  (uint32 2, @a{sv} {})
  $ compose "{'address': <'ann@example.org'>, 'subject': <'still here'>, 'activation_token': <'token-1'>}" && client | grep -e subject -e token
  (uint32 0, @a{sv} {})
  subject: [still here]
  activation token: [token-1] [token-1]

Installed, postlark takes over no desktop's own Email backend: the portal
chooses it by UseIn only where no backend for the desktop serves Email
(with no portals.conf, from 1.17 too). Beside GNOME's, the message never
reaches postlark (that stand-in does not answer: 2); beside KDE's only, on
GNOME, it does.

  $ restart() { kill "$frontend" && while kill -0 "$frontend" 2>/dev/null; do sleep 0.1; done; mkdir -p "$1" && cp "$portals/postlark.portal" "$1/" && printf '[portal]\nDBusName=org.freedesktop.impl.portal.desktop.%s\nInterfaces=org.freedesktop.impl.portal.Email;\nUseIn=%s\n' "$1" "$2" >"$1/$1.portal" && { XDG_DESKTOP_PORTAL_DIR=$PWD/$1 /usr/libexec/xdg-desktop-portal -r >>frontend.log 2>&1 & } && frontend=$! && gdbus wait --session --timeout 10 org.freedesktop.portal.Desktop; }
  $ restart gtk gnome && mail "{'subject': <'for gtk'>}" 2>&1; client
  response 2
  $ restart kde kde && mail "{'subject': <'for postlark'>}" && client | grep subject
  response 0
  subject: [for postlark]
  $ kill "$frontend" "$bus"; sleep 1; fusermount3 -uq "$XDG_RUNTIME_DIR/doc" 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"
