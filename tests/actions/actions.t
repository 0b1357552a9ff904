"Email with Postlark" in file managers starts postlark-sendto on the one file
selected, and it starts the Postlark installed beside it: the file attached, its
name as the subject, an empty body. Here each entry runs as its file manager
runs it, with a fake mail client as the desktop's default, and postlark-sendto
reached through a link on the PATH, as a package's is.

  $ cp "$library" app/libmapi32.so && cp "$sendto" app/ && mkdir -p bin data/applications home share/Thunar/sendto share/file-manager/actions && ln -s ../app/postlark-sendto bin/ && cp "$fake_client" bin/mail-client
  $ cp "$actions/thunar-sendto.desktop" share/Thunar/sendto/postlark.desktop && cp "$actions/file-manager-action.desktop" share/file-manager/actions/postlark.desktop
  $ printf '[Desktop Entry]\nType=Application\nName=Mail\nExec=mail-client %%u\nMimeType=x-scheme-handler/mailto;\n' >data/applications/mail.desktop && printf '[Default Applications]\nx-scheme-handler/mailto=mail.desktop\n' >data/mimeapps.list
  $ client() { for i in 1 2 3 4 5; do [ -s client ] && break; sleep 1; done; grep -v -e descriptors -e session client; rm -f client*; }
  $ export PATH=$PWD/bin:$PATH HOME=$PWD/home XDG_DATA_HOME=$PWD/data XDG_CONFIG_HOME=$PWD/data XDG_CACHE_HOME=$PWD/cache XDG_DATA_DIRS=$PWD/share XDG_CONFIG_DIRS=/none GSETTINGS_BACKEND=memory FAKE_RECORD=$PWD/client && unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS
  $ name="-a b's \"report\" \$HOME; *.txt" && echo figures >"$name" && mkdir folder && echo more >more.txt && echo also >also.txt

Thunar's Send To starts its entries through GIO, as `gio launch` does. A name
that a shell or an option parser would take apart arrives whole.

  $ desktop-file-validate share/Thunar/sendto/postlark.desktop
  $ gio launch share/Thunar/sendto/postlark.desktop "$PWD/$name" && client
  mail-client
  subject: [-a b's "report" $HOME; *.txt]
  attach: [$WORK/cache/postlark/message-*/-a b's "report" $HOME; *.txt]

Thunar offers Send To for any selection: given two files, postlark-sendto says
how it is used, and opens nothing.

  $ gio launch share/Thunar/sendto/postlark.desktop "$PWD/$name" "$PWD/more.txt" 2>err; for i in 1 2 3 4 5; do [ -s err ] && break; sleep 1; done; cat err; ls client 2>/dev/null
  usage: postlark-sendto FILE
  Opens a new message in the mail client with FILE attached and its name
  as the subject, as the file manager's "Email with Postlark" does.

Caja (with caja-actions) and PCManFM-Qt read the same action, and offer it
only for one file, never for a folder or two files. caja-actions-run runs it
as Caja's menu does.

  $ run() { caja-actions-run -i postlark "${@/#/--target=}" | grep -v $'\t'; }
  $ run "$(gio info "$PWD/$name" | sed -n 's/^uri: //p')"; client
  mail-client
  subject: [-a b's "report" $HOME; *.txt]
  attach: [$WORK/cache/postlark/message-*/-a b's "report" $HOME; *.txt]
  $ run "file://$PWD/folder"; run "file://$PWD/more.txt" "file://$PWD/also.txt"
  No valid profile is candidate to execution. Exiting.
  No valid profile is candidate to execution. Exiting.

PCManFM-Qt's context menu is built by its library, libfm-qt, and Dolphin's by
KIO, from the service menus. Here a small program of the tests' has each
library build the menu for the files, prints the entry where the menu has it,
and clicks it. Both offer it for one file, never for a folder or two files.

  $ mkdir -p share/kio/servicemenus && cp "$actions/dolphin-servicemenu.desktop" share/kio/servicemenus/postlark.desktop
  $ menu() { QT_QPA_PLATFORM=offscreen "$1" client "${@:2}" | grep -x 'Email with Postlark'; }
  $ for manager in "$pcmanfm_qt_menu" "$dolphin_menu"; do menu "$manager" "$PWD/$name"; client; done
  Email with Postlark
  mail-client
  subject: [-a b's "report" $HOME; *.txt]
  attach: [$WORK/cache/postlark/message-*/-a b's "report" $HOME; *.txt]
  Email with Postlark
  mail-client
  subject: [-a b's "report" $HOME; *.txt]
  attach: [$WORK/cache/postlark/message-*/-a b's "report" $HOME; *.txt]
  $ for manager in "$pcmanfm_qt_menu" "$dolphin_menu"; do menu "$manager" "$PWD/folder"; menu "$manager" "$PWD/more.txt" "$PWD/also.txt"; done; ls client 2>/dev/null

postlark-sendto by hand: one file, named by any path, or a usage text; with no
Postlark beside it, it says so.

  $ postlark-sendto more.txt && client
  mail-client
  subject: [more.txt]
  attach: [$WORK/cache/postlark/message-*/more.txt]
  $ postlark-sendto 2>&1; echo "[$?]"; postlark-sendto a b 2>/dev/null; echo "[$?]"; postlark-sendto folder/ 2>&1; echo "[$?]"
  usage: postlark-sendto FILE
  Opens a new message in the mail client with FILE attached and its name
  as the subject, as the file manager's "Email with Postlark" does.
  [2]
  [2]
  postlark-sendto: "folder/" names no file
  [2]
  $ mkdir alone && cp app/postlark-sendto alone/ && alone/postlark-sendto more.txt 2>&1; echo "[$?]"
  postlark-sendto: cannot start $WORK/alone/Postlark: No such file or directory
  [127]
