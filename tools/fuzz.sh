#!/usr/bin/env bash
# fuzz.sh [SECONDS, 30 by default]: builds the fuzzer and runs it that long
# from the seeds in fuzz/corpus/; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset fuzz -DPOSTLARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)  # new inputs and findings; the seeds stay as they are
build/fuzz/fuzz/command_line_fuzzer -max_total_time="${1:-30}" -max_len=2048 \
  -artifact_prefix="$work/" "$work" fuzz/corpus/command_line 2>"$work/log" ||
  { tail -n 40 "$work/log"; echo "the fuzzer found a fault: see $work" >&2; exit 1; }
tail -n 2 "$work/log" && rm -rf "$work"
