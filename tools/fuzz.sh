#!/usr/bin/env bash
# fuzz.sh [SECONDS, 30 by default]: builds the fuzzers (clang, sanitizers) and
# runs each that long from the seeds in fuzz/corpus/; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset fuzz -DPOSTLARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset fuzz
for fuzzer in command_line mail_request; do
  work=$(mktemp -d)  # new inputs and findings; the seeds stay as they are
  echo "=== ${fuzzer}_fuzzer"
  build/fuzz/fuzz/${fuzzer}_fuzzer -max_total_time="${1:-30}" -max_len=2048 \
    -artifact_prefix="$work/" "$work" "fuzz/corpus/$fuzzer" 2>"$work/log" ||
    { tail -n 40 "$work/log"; echo "${fuzzer}_fuzzer found a fault: see $work" >&2; exit 1; }
  tail -n 2 "$work/log" && rm -rf "$work"
done
