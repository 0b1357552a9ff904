#!/usr/bin/env bash
# wine_suite.sh start|stop|run BITS WINE PROBE [COMMAND...]: the Windows
# tests' Wine, for programs of BITS (32 or 64), in the private prefix
# $WINEPREFIX.
#
# start makes the prefix once and starts one persistent Wine server for the
# suite (one that ends when no program runs loses a program that starts as
# it shuts down), then runs PROBE, a program of the preset's own bitness.
# Where this Wine cannot run it, for want of 32-bit Wine or on a kernel that
# cannot start Wine's 32-bit loader, it says so in a line "SKIP: …", which
# skips the test, and leaves the reason beside the prefix; any other failure
# fails. run runs COMMAND, or skips it for the same reason; stop ends the
# server, if one is left.
set -uo pipefail
action=$1 bits=$2 wine=$3 probe=$4
shift 4
skipped=$WINEPREFIX.skipped

skip() {
  echo "SKIP: $1" | tee "$skipped"
  exit 0
}

case $action in
  start)
    rm -f "$skipped"
    version=$("$wine" --version 2>&1) ||
      { [ "$bits" = 32 ] && grep -q 'Exec format error' <<<"$version" &&
          skip "this kernel cannot start Wine's 32-bit loader (Exec format error)"; echo "$version"; exit 1; }
    echo "$version"
    # Only our MAPI32.DLL loads, and none of Wine's .NET or HTML parts. A
    # prefix that cannot run the probe (one made while 32-bit Wine was
    # missing, say) is made anew, once.
    [ -f "$WINEPREFIX/system.reg" ] && fresh= || fresh=yes
    for attempt in 1 2; do
      if [ ! -f "$WINEPREFIX/system.reg" ]; then
        WINEDLLOVERRIDES=mscoree,mshtml= "$wine" wineboot --init </dev/null >/dev/null 2>&1 &&
          wineserver --wait || { echo "the Wine prefix could not be made"; exit 1; }
      fi
      { wineserver -p; "$wine" wineboot; } </dev/null >/dev/null 2>&1
      # The probe, with no program to run, ends with 125.
      "$wine" "$probe" </dev/null >/dev/null 2>&1
      status=$?
      [ $status -eq 125 ] && exit 0
      [ -z "$fresh" ] && [ $attempt = 1 ] || break
      echo "Wine could not run $probe in the prefix there was (status $status): making it anew"
      wineserver -k </dev/null >/dev/null 2>&1
      rm -rf "$WINEPREFIX"
    done
    if [ "$bits" = 32 ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
      skip "32-bit Wine (wine32:i386) is not installed"
    fi
    echo "Wine could not run $probe: status $status"
    exit 1 ;;
  run)
    [ ! -e "$skipped" ] || skip "$(sed 's/^SKIP: //' "$skipped")"
    exec "$@" ;;
  stop)
    [ ! -e "$skipped" ] || skip "$(sed 's/^SKIP: //' "$skipped")"
    # The server may have ended with its last program already.
    wineserver -k </dev/null >/dev/null 2>&1
    exit 0 ;;
esac
echo "usage: wine_suite.sh start|stop|run BITS WINE PROBE [COMMAND...]" >&2
exit 2
