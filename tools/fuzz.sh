#!/usr/bin/env bash
# Builds the fuzzers (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time from the seed corpus in fuzz/corpus/.
# Fails on any finding.
#
#   fuzz.sh [SECONDS_PER_FUZZER]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}

cmake --preset fuzz -DPOSTLARK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset fuzz
for fuzzer in command_line mail_request; do
  work=$(mktemp -d)
  echo "=== ${fuzzer}_fuzzer, ${seconds} s"
  # New inputs go to a scratch folder; the seeds stay as they are.
  if ! build/fuzz/fuzz/${fuzzer}_fuzzer -max_total_time="$seconds" -max_len=2048 \
       -artifact_prefix="$work/" "$work" "fuzz/corpus/$fuzzer" 2>"$work/log"; then
    tail -n 40 "$work/log"
    echo "${fuzzer}_fuzzer found a fault; the input is in $work" >&2
    exit 1
  fi
  tail -n 2 "$work/log"
  rm -rf "$work"
done
