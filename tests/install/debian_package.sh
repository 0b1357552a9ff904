#!/usr/bin/env bash
# Builds the .deb and checks what it holds and what it depends on.
#
#   debian_package.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
package=$(ls "$work"/*.deb)
fail() { echo "FAIL: $*"; exit 1; }

files=$(dpkg-deb --contents "$package" | awk '{print $NF}' | grep -v '/$' | sort)
expected=$(printf '%s\n' ./usr/bin/Postlark ./usr/lib/postlark/libmapi32.so \
                         ./usr/share/doc/postlark/README.md | sort)
[ "$files" = "$expected" ] || fail "the package holds: $files"
depends=$(dpkg-deb --field "$package" Depends)
grep -Eq '(^|, )xdg-utils($|[ ,])' <<<"$depends" || fail "Depends is: $depends"
echo "ok: $(basename "$package") holds the program and its library; Depends: $depends"
