#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed program
# from a working directory outside it: it must reach its own mail library
# (and through it a fake xdg-email), never a libmapi32.so in the working
# directory.
#
#   installed_tree.sh BUILD_FOLDER RECORDING_STANDIN
set -euo pipefail
build=$1 standin=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
test -x "$work/prefix/bin/Postlark"
test -f "$work/prefix/lib/postlark/libmapi32.so"
test ! -e "$work/prefix/bin/libmapi32.so"

mkdir "$work/bin" "$work/here"
cat >"$work/bin/xdg-email" <<'FAKE'
#!/bin/sh
printf '%s\n' "$@" >"$FAKE_XDG_EMAIL_RECORD"
FAKE
chmod +x "$work/bin/xdg-email"
# A planted library in the working directory, which would record if loaded.
cp "$standin" "$work/here/libmapi32.so"
echo figures >"$work/here/report.txt"

status=0
(cd "$work/here" &&
   PATH="$work/bin:$PATH" LC_ALL=C FAKE_XDG_EMAIL_RECORD="$work/xdg-email.args" \
   POSTLARK_RECORD="$work/planted.record" LD_LIBRARY_PATH="$work/here" \
   "$work/prefix/bin/Postlark" report.txt "Weekly report" "Please see the file") || status=$?

fail() { echo "FAIL: $*"; exit 1; }
[ $status -eq 0 ] || fail "exit status $status"
[ ! -e "$work/planted.record" ] || fail "the library in the working directory was loaded"
expected=$(printf '%s\n' --subject "Weekly report" --body "Please see the file" \
                         --attach "$work/here/report.txt")
[ "$(cat "$work/xdg-email.args" 2>/dev/null)" = "$expected" ] ||
  fail "xdg-email was given: $(cat "$work/xdg-email.args" 2>/dev/null || echo nothing)"
echo "ok: the installed program reached its own mail library"
