postlark-portal --enable makes postlark the Email backend of the user who
runs it, --disable undoes exactly that, and --status says which backend
serves Email: here in a private home, with the desktop's own files in a
private data folder, and xdg-desktop-portal's version told by a stand-in.

  $ export HOME=$PWD/home XDG_CONFIG_HOME=$PWD/config XDG_DATA_HOME=$PWD/data XDG_CONFIG_DIRS=$PWD/etc XDG_DATA_DIRS=$PWD/share XDG_RUNTIME_DIR=$PWD/run XDG_CURRENT_DESKTOP=ubuntu:GNOME XDG_DESKTOP_PORTAL_DIR=$PWD/share/xdg-desktop-portal/portals
  $ mkdir -p share/xdg-desktop-portal/portals run bin && printf '[preferred]\ndefault=gnome;gtk;\norg.freedesktop.impl.portal.Email=gtk;\norg.freedesktop.impl.portal.Secret=gnome-keyring;\n' >share/xdg-desktop-portal/gnome-portals.conf && printf '[portal]\nDBusName=org.freedesktop.impl.portal.desktop.gtk\nInterfaces=org.freedesktop.impl.portal.Email;\nUseIn=gnome\n' >share/xdg-desktop-portal/portals/gtk.portal
  $ for v in 1.16.0 1.20.3; do printf '#!/bin/sh\necho "xdg-desktop-portal %s"\n' $v >bin/portal-$v && chmod +x bin/portal-$v; done
  $ portal() { "$portal_program" "$@"; local status=$?; [ $status = 0 ] || echo "[$status]"; }

From 1.17, portals.conf: the user's own file for the first desktop, with
the lines of the file the portal would read otherwise and postlark first
for Email; again, nothing changes; the user's own file is left to them.

  $ export POSTLARK_PORTAL_FRONTEND=$PWD/bin/portal-1.20.3 && portal --status
  Email: gtk ($WORK/share/xdg-desktop-portal/gnome-portals.conf)
  $ portal --enable && cat config/xdg-desktop-portal/ubuntu-portals.conf && portal --status && portal --enable
  Wrote $WORK/config/xdg-desktop-portal/ubuntu-portals.conf
  No service manager of yours runs: the portal takes it when it next starts.
  # Written by postlark-portal --enable; postlark-portal --disable removes it.
  # The lines of $WORK/share/xdg-desktop-portal/gnome-portals.conf, with postlark first for Email.
  [preferred]
  org.freedesktop.impl.portal.Email=postlark;
  default=gnome;gtk;
  org.freedesktop.impl.portal.Secret=gnome-keyring;
  Email: postlark ($WORK/config/xdg-desktop-portal/ubuntu-portals.conf)
  Email is postlark's already: $WORK/config/xdg-desktop-portal/ubuntu-portals.conf
  No service manager of yours runs: the portal takes it when it next starts.
  $ portal --disable && portal --status && find config -type f
  Removed $WORK/config/xdg-desktop-portal/ubuntu-portals.conf
  No service manager of yours runs: the portal takes it when it next starts.
  Email: gtk ($WORK/share/xdg-desktop-portal/gnome-portals.conf)
  $ mkdir -p config/xdg-desktop-portal && printf '[preferred]\ndefault=kde\n' >config/xdg-desktop-portal/ubuntu-portals.conf && portal --enable 2>&1; portal --disable; cat config/xdg-desktop-portal/ubuntu-portals.conf
  postlark-portal: $WORK/config/xdg-desktop-portal/ubuntu-portals.conf is your own: add "org.freedesktop.impl.portal.Email=postlark;" under [preferred] there
  [1]
  Nothing to remove: postlark-portal --enable wrote nothing here.
  [preferred]
  default=kde
  $ rm config/xdg-desktop-portal/ubuntu-portals.conf

Before 1.17: a folder with the system's portal files and postlark's own
first, for the user's desktop, named to the user's portal service by a
systemd drop-in; --disable removes the drop-in and the folder.

  $ export POSTLARK_PORTAL_FRONTEND=$PWD/bin/portal-1.16.0 && portal --status && portal --enable && find data/postlark/portals -mindepth 1 -printf '%f %l\n' | sort && cat data/postlark/portals/0-postlark.portal config/systemd/user/xdg-desktop-portal.service.d/postlark.conf
  Email: the first backend whose UseIn names ubuntu, by file name
  Wrote $WORK/data/postlark/portals/0-postlark.portal
  Wrote $WORK/config/systemd/user/xdg-desktop-portal.service.d/postlark.conf
  No service manager of yours runs: the portal takes it when it next starts.
  0-postlark.portal 
  gtk.portal $WORK/share/xdg-desktop-portal/portals/gtk.portal
  # Written by postlark-portal --enable; postlark-portal --disable removes it.
  [portal]
  DBusName=org.freedesktop.impl.portal.desktop.postlark
  Interfaces=org.freedesktop.impl.portal.Email
  UseIn=ubuntu
  # Written by postlark-portal --enable; postlark-portal --disable removes it.
  [Service]
  Environment=XDG_DESKTOP_PORTAL_DIR=$WORK/data/postlark/portals
  $ portal --status && portal --disable && find config data -type f -o -type l
  Email: postlark ($WORK/config/systemd/user/xdg-desktop-portal.service.d/postlark.conf)
  Removed $WORK/config/systemd/user/xdg-desktop-portal.service.d/postlark.conf
  Removed $WORK/data/postlark/portals
  No service manager of yours runs: the portal takes it when it next starts.

With this release's own xdg-desktop-portal, the same, on its own road. No
desktop, or any other argument: a line, and nothing written.

  $ unset POSTLARK_PORTAL_FRONTEND && portal --enable >/dev/null && portal --status | sed 's/ (.*//' && portal --disable >/dev/null && find config data -type f | wc -l
  Email: postlark
  0
  $ XDG_CURRENT_DESKTOP= portal --enable 2>&1; portal --help 2>&1 | sed -n '1p;$p'; find config data -type f | wc -l
  postlark-portal: XDG_CURRENT_DESKTOP names no desktop to choose the backend for
  [1]
  usage: postlark-portal [--enable | --disable | --status]
  [2]
  0
