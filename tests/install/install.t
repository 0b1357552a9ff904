The installed tree: the program in bin/, its mail library in a private
folder, where the program finds it from any working directory (here it
finds no mail client: 26), never one in the working directory.

  $ cmake --install "$build" --prefix "$PWD/prefix" >/dev/null && (cd prefix && find . -type f | sort)
  ./bin/Postlark
  ./lib/postlark/libmapi32.so
  ./share/doc/postlark/README.md
  $ cp "$standin" . && echo figures >report.txt && LD_DEBUG= XDG_DATA_HOME=/none XDG_DATA_DIRS=/none XDG_CONFIG_HOME=/none XDG_CONFIG_DIRS=/none program_path=prefix/bin/Postlark postlark report.txt s b
  [26]

The .deb holds the same, and depends on what the library links.

  $ cpack --config "$build/CPackConfig.cmake" -G DEB -B deb >/dev/null && dpkg-deb --contents deb/*.deb | awk '{print $NF}' | grep -v '/$'
  ./usr/bin/Postlark
  ./usr/lib/postlark/libmapi32.so
  ./usr/share/doc/postlark/README.md
  $ dpkg-deb --field deb/*.deb Depends | grep -o 'libglib2.0-0'
  libglib2.0-0
