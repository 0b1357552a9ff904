#!/usr/bin/env bash
# Makes a private Wine prefix at the given folder, once: later calls find it
# ready and return at once.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh FOLDER}
export WINEPREFIX=$prefix WINEDEBUG=-all
if [ -f "$prefix/system.reg" ]; then
  exit 0
fi
mkdir -p "$prefix"
# Mono and Gecko are not needed here: do not offer to install them.
WINEDLLOVERRIDES="mscoree,mshtml=" wineboot --init >/dev/null 2>&1
# The registry reaches the disk when the server ends.
wineserver --wait
test -f "$prefix/system.reg"
