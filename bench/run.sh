#!/usr/bin/env bash
# Postlark's benchmarks: one table of instructions, time and size.
#
#   bench/run.sh
#
# - Instructions (valgrind's callgrind) of one native run with the recording
#   stand-in, against a minimal C program that loads the same stand-in and
#   makes the same call: Postlark's own share is the difference.
# - Wall time (hyperfine) from starting Postlark, with the Linux mail library,
#   to its return, with a fake mail client that returns at once, against the
#   road's floor: a minimal C program that asks GIO for the same client,
#   starts it with one mailto: URI and waits for it to exit. The same with
#   the client as a Flatpak, which Postlark hands the file through the
#   document portal.
# - Wall time (hyperfine) to write the draft of a 30 MiB file for the new
#   Outlook, natively, against copying that file (the floor; the draft's
#   base64 is 4/3 of the file's bytes).
# - Size of each stripped Postlark.exe and the DLLs it imports.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh native windows bench
for preset in native windows-x64 windows-x86; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/app" "$work/bin"
cp build/native/Postlark build/native/tests/standin/libmapi32.so build/native/bench/bench_baseline \
  build/native/bench/bench_floor "$work/app/"
echo figures >"$work/report.txt"
texts=("Weekly report" "Please see the file")

instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" "$@" >/dev/null 2>&1 || true
  sed -n 's/^summary: //p' "$work/callgrind.out"
}
cd "$work"
postlark_ir=$(instructions app/Postlark report.txt "${texts[@]}")
baseline_ir=$(instructions app/bench_baseline "$work/app/libmapi32.so" report.txt "${texts[@]}")
cd - >/dev/null

# The fake mail client takes the message and returns at once; it is the
# desktop's mailto: handler in private XDG folders, once as it is and once as
# a Flatpak, which is handed the file through the document portal on a
# private session bus.
mkdir -p "$work/data/applications" "$work/run"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/fake-mail-client"
chmod +x "$work/bin/fake-mail-client" "$work/run"
entry() {
  printf '[Desktop Entry]\nType=Application\nName=Fake\nExec=%s\nMimeType=x-scheme-handler/mailto;\n%s\n' \
    "$work/bin/fake-mail-client $2" "${3:-}" >"$work/data/applications/$1.desktop"
}
entry fake '%u'
entry flatpak 'run --command=fake --file-forwarding org.example.Mail @@u %u @@' X-Flatpak=org.example.Mail
use() { printf '[Default Applications]\nx-scheme-handler/mailto=%s.desktop\n' "$1" >"$work/data/mimeapps.list"; }
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/data" XDG_DATA_DIRS="$work/none" \
  XDG_CONFIG_DIRS="$work/none" XDG_CACHE_HOME="$work/cache" HOME="$work" LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$work/run"
read -r DBUS_SESSION_BUS_ADDRESS bus < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null | paste -sd ' ')
export DBUS_SESSION_BUS_ADDRESS
# The portal leaves with the bus, and unmounts; should it not, it is unmounted.
trap 'kill $bus; sleep 1; fusermount3 -uq "$work/run/doc" || true; rm -rf "$work"' EXIT

# The two take turns in rounds, since a machine's times drift over a
# minute; each round gives a ratio of medians, and the median round is
# printed as "Postlark's ms, the floor's ms, ratio".
postlark_command="build/native/Postlark $work/report.txt 'Weekly report' 'Please see the file'"
floor_command="$work/app/bench_floor mailto:?subject=Weekly%20report&body=Please%20see%20the%20file&attach=$work/report.txt"
time_rounds() {
  rm -f "$work"/time-*.json
  for round in 1 2 3 4 5 6; do
    if [ $((round % 2)) -eq 1 ]; then
      order=(-n postlark "$postlark_command" -n floor "$floor_command")
    else
      order=(-n floor "$floor_command" -n postlark "$postlark_command")
    fi
    hyperfine -N --warmup 3 --runs 20 --style none --export-json "$work/time-$round.json" \
      "${order[@]}" >/dev/null 2>&1
  done
  python3 -c '
import json, sys
rounds = []
for name in sys.argv[1:]:
    r = {x["command"]: x["median"] * 1000 for x in json.load(open(name))["results"]}
    rounds.append((r["postlark"] / r["floor"], r["postlark"], r["floor"]))
rounds.sort()
ratio, postlark, floor = rounds[len(rounds) // 2]
print("%.1f %.1f %.2f" % (postlark, floor, ratio))' "$work"/time-*.json
}
use fake && read -r postlark_ms floor_ms ratio < <(time_rounds)
use flatpak && read -r sandboxed_ms sandboxed_floor_ms sandboxed_ratio < <(time_rounds)
head -c $((30 << 20)) /dev/urandom >"$work/big.bin"
postlark_command="build/native/bench/bench_draft $work/big.bin $work/big.eml"
floor_command="cp $work/big.bin $work/copy.bin"
read -r draft_ms copy_ms draft_ratio < <(time_rounds)

printf '| measure | Postlark | baseline | result | target |\n|---|---|---|---|---|\n'
share=$((postlark_ir - baseline_ir))
printf '| instructions, one run with the stand-in | %s | %s (minimal C program) | own share %s | < 5,000 |\n' \
  "$postlark_ir" "$baseline_ir" "$share"
printf '| wall time to return, Linux mail library, client returns at once (median round) | %s ms | %s ms (floor: GIO starts the client with a mailto: URI) | ratio %s | <= 1.5 |\n' \
  "$postlark_ms" "$floor_ms" "$ratio"
printf '| the same, the client a Flatpak: the file goes through the document portal | %s ms | %s ms (the same floor) | ratio %s | <= 1.5 |\n' \
  "$sandboxed_ms" "$sandboxed_floor_ms" "$sandboxed_ratio"
printf '| wall time to write the draft of a 30 MiB file, natively (median round) | %s ms | %s ms (cp of the file) | ratio %s | <= 2 |\n' \
  "$draft_ms" "$copy_ms" "$draft_ratio"
for file in Postlark.exe:32 PostlarkMAPI.dll:40; do
  for target in windows-x64:x86_64 windows-x86:i686; do
    preset=${target%:*} arch=${target#*:} name=${file%:*}
    $arch-w64-mingw32-strip -o "$work/$name" "build/$preset/$name"
    size=$(stat -c %s "$work/$name")
    imports=$($arch-w64-mingw32-objdump -p "$work/$name" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
    printf '| %s %s, stripped | %s bytes (%.1f KiB) | | imports %s| <= %s KiB, system DLLs only |\n' \
      "$name" "$preset" "$size" "$(python3 -c "print($size / 1024)")" "$imports" "${file#*:}"
  done
done
echo
echo "Machine: $(uname -m), $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -1)"
