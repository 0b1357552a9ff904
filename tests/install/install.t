The installed tree: the program in bin/, its mail library in a private
folder, where the program finds it from any working directory.

  $ cmake --install "$build" --prefix "$PWD/prefix" >/dev/null && (cd prefix && find . -type f | sort)
  ./bin/Postlark
  ./lib/postlark/libmapi32.so
  ./share/doc/postlark/README.md
  $ echo figures >report.txt && mkdir bin && cp "$fake_xdg_email" bin/ && cp "$standin" .
  $ PATH=$PWD/bin:$PATH LC_ALL=C program_path=prefix/bin/Postlark postlark report.txt s b
  xdg-email [--subject] [s] [--body] [b] [--attach] [$WORK/report.txt]
  mapi: released

The .deb holds the same and brings xdg-utils along.

  $ cpack --config "$build/CPackConfig.cmake" -G DEB -B deb >/dev/null && dpkg-deb --contents deb/*.deb | awk '{print $NF}' | grep -v '/$'
  ./usr/bin/Postlark
  ./usr/lib/postlark/libmapi32.so
  ./usr/share/doc/postlark/README.md
  $ dpkg-deb --field deb/*.deb Depends | grep -o xdg-utils
  xdg-utils
