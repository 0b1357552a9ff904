The installed tree: the program in bin/, its mail library in a private
folder, where the program finds it from any working directory (here it
finds no mail client: 26), never one in the working directory; postlark
is the same program and manual page; postlark-sendto starts the Postlark
beside it.

  $ cmake --install "$build" --prefix "$PWD/prefix" >/dev/null && (cd prefix && find . -type f -printf '%p\n' -o -type l -printf '%p -> %l\n' | sort | paste -sd ' ')
  ./bin/Postlark ./bin/postlark -> Postlark ./bin/postlark-portal ./bin/postlark-sendto ./lib/postlark/libmapi32.so ./share/Thunar/sendto/postlark.desktop ./share/dbus-1/services/org.freedesktop.impl.portal.desktop.postlark.service ./share/doc/postlark/README.md ./share/doc/postlark/changelog.gz ./share/doc/postlark/copyright ./share/file-manager/actions/postlark.desktop ./share/kio/servicemenus/postlark.desktop ./share/man/man1/Postlark.1.gz ./share/man/man1/postlark-portal.1.gz ./share/man/man1/postlark-sendto.1.gz ./share/man/man1/postlark.1.gz -> Postlark.1.gz ./share/xdg-desktop-portal/portals/postlark.portal
  $ (prefix/bin/postlark | head -n 1; MANPATH=$PWD/prefix/share/man man -w --match-case postlark) | paste -sd ' '
  Postlark.exe utility - mail one file from the command line $WORK/prefix/share/man/man1/Postlark.1.gz
  $ cp "$standin" . && echo figures >report.txt && LD_DEBUG= XDG_DATA_HOME=/none XDG_DATA_DIRS=/none XDG_CONFIG_HOME=/none XDG_CONFIG_DIRS=/none program_path=prefix/bin/Postlark postlark report.txt s b
  [26]
  $ LD_DEBUG= XDG_DATA_HOME=/none XDG_DATA_DIRS=/none XDG_CONFIG_HOME=/none XDG_CONFIG_DIRS=/none program_path=prefix/bin/postlark-sendto postlark report.txt
  [26]

The .deb: what the library links as dependencies, every ELF file stripped,
manual pages that render cleanly, the Email portal's backend started by
D-Bus from where the package puts it, and nothing for lintian to report.

  $ cpack --config "$build/CPackConfig.cmake" -G DEB -B deb >/dev/null && dpkg-deb --field deb/*.deb Depends | grep -o 'libglib2.0-0'
  libglib2.0-0
  $ dpkg-deb -x deb/*.deb root && for f in $(find root -type f | sort); do [ "$(head -c 4 "$f" | tail -c 3)" != ELF ] || echo "${f#root}: $(readelf -S "$f" | grep -cE '\.symtab|\.debug') symbol sections"; done
  /usr/bin/Postlark: 0 symbol sections
  /usr/bin/postlark-portal: 0 symbol sections
  /usr/bin/postlark-sendto: 0 symbol sections
  /usr/lib/postlark/libmapi32.so: 0 symbol sections
  $ for page in Postlark postlark-portal postlark-sendto; do MANWIDTH=80 man --warnings -l root/usr/share/man/man1/$page.1.gz 2>&1 >/dev/null; done
  $ grep ^Exec root/usr/share/dbus-1/services/org.freedesktop.impl.portal.desktop.postlark.service
  Exec=/usr/bin/postlark-portal
  $ lintian --pedantic --info deb/*.deb 2>&1 | grep -v 'running with root privileges'
