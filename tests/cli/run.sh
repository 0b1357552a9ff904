#!/usr/bin/env bash
# Black-box tests of the built program, run as a process: natively, or a
# Windows build under Wine.
#
#   run.sh --program PATH --standin PATH --standin-without-send-mail PATH
#          --work FOLDER [--wine WINE --runner run_with_status.exe] [CASE...]
#
# Each case is FEATURE/NAME.sh beside this script. It runs in a fresh folder
# of its own, with a copy of the program in app/, and calls `postlark` with
# the arguments to test. Beside it stand what the run must show:
#   NAME.status  the status, as a signed 32-bit number; the exit status must
#                be its 32 bits on Windows, its low 8 bits natively
#   NAME.stdout  the exact output, with LF line breaks, which Windows must
#                write as CRLF (no file: nothing is printed)
#   NAME.record  what the recording stand-in for the mail library recorded,
#                its release included (no file: it was never loaded)
# A file named NAME.status.posix, NAME.record.posix or NAME.record.windows
# takes the place of the general one on that platform.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program= standin= standin_without_send_mail= work= wine= runner=
cases=()
while [ $# -gt 0 ]; do
  case $1 in
    --program) program=$2; shift 2 ;;
    --standin) standin=$2; shift 2 ;;
    --standin-without-send-mail) standin_without_send_mail=$2; shift 2 ;;
    --work) work=$2; shift 2 ;;
    --wine) wine=$2; shift 2 ;;
    --runner) runner=$2; shift 2 ;;
    -*) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    *) cases+=("$1"); shift ;;
  esac
done
if [ -z "$program" ] || [ -z "$standin" ] || [ -z "$standin_without_send_mail" ] ||
   [ -z "$work" ] || { [ -n "$wine" ] && [ -z "$runner" ]; }; then
  echo "run.sh: missing options; see the comment at its top" >&2
  exit 2
fi
if [ -n "$wine" ]; then platform=windows; else platform=posix; fi
if [ ${#cases[@]} -eq 0 ]; then
  cd "$here" && cases=(*/*.sh) && cd - >/dev/null || exit 2
fi

# --- Helpers for the cases -------------------------------------------------

# Ends a case that means nothing on the other platform.
only_on() { [ "$platform" = "$1" ] || exit 77; }
# Puts the recording stand-in beside the program.
with_standin() { cp "$standin" app/; }
# Puts beside the program a build of the stand-in that lacks MAPISendMail.
with_standin_without_send_mail() { cp "$standin_without_send_mail" app/; }

# Runs the program with the given arguments. The stand-in returns the code
# in $result. Output goes to ./stdout, the exit status to ./status.
postlark() {
  local name
  name=$(basename "$program")
  if [ "$platform" = windows ]; then
    # The runner tells the full 32-bit exit status; Wine's own is 8 bits.
    # Wine's builtin mail library is never used: only a DLL beside the
    # program can be loaded.
    POSTLARK_RECORD=record POSTLARK_RESULT=${result:-0} \
      POSTLARK_RUN_PROGRAM="app\\$name" POSTLARK_RUN_STATUS=status \
      WINEDLLOVERRIDES=mapi32=n LANG=C.UTF-8 \
      "$wine" "$runner" "$@" >stdout
    local runner_status=$?
    if [ $runner_status -ne 0 ]; then
      echo "the runner failed with status $runner_status" >status
    fi
  else
    # The dynamic loader's own log tells whether the library was released.
    POSTLARK_RECORD=record POSTLARK_RESULT=${result:-0} \
      LD_DEBUG=files LD_DEBUG_OUTPUT=loader \
      "app/$name" "$@" >stdout
    echo $? >status
  fi
}

# --- Checks ----------------------------------------------------------------

# The file that states what a case expects on this platform, if any.
expectation() {
  local base=$1 kind=$2
  if [ -f "$base.$kind.$platform" ]; then
    echo "$base.$kind.$platform"
  elif [ -f "$base.$kind" ]; then
    echo "$base.$kind"
  fi
}

# What the native loader's log says of the stand-in's release.
loader_release() {
  local log
  log=$(cat loader.* 2>/dev/null | grep 'libmapi32\.so')
  if grep -q 'destroying link map' <<<"$log"; then
    echo released
  elif grep -q 'calling fini' <<<"$log"; then
    echo "not released"
  fi
}

failures=0 passes=0
fail() {
  echo "FAIL $case_name: $*"
  failures=$((failures + 1))
  case_failed=1
}

for case_file in "${cases[@]}"; do
  case_name=${case_file%.sh}
  base=$here/$case_name
  dir=$work/$case_name
  rm -rf "$dir" && mkdir -p "$dir/app" && cp "$program" "$dir/app/" || exit 2
  case_failed=0

  (cd "$dir" && result=0 && source "$here/$case_file")
  case $? in
    0) ;;
    77) echo "skip $case_name: not on $platform"; continue ;;
    *) fail "the case script failed" ;;
  esac
  [ -f "$dir/status" ] || fail "the program was not run"

  # Status.
  status_file=$(expectation "$base" status)
  if [ -z "$status_file" ]; then
    fail "no .status file"
  elif [ -f "$dir/status" ]; then
    expected=$(tr -d '\r\n' <"$status_file")
    if [ "$platform" = windows ]; then
      expected=$(( (expected + 4294967296) % 4294967296 ))
    else
      expected=$(( expected & 255 ))
    fi
    observed=$(tr -d '\r\n' <"$dir/status")
    [ "$observed" = "$expected" ] || fail "exit status $observed, expected $expected"
  fi

  # Output, byte for byte.
  stdout_file=$(expectation "$base" stdout)
  if [ -n "$stdout_file" ]; then
    expected=$(cat "$stdout_file"; echo .)
    expected=${expected%.}
  else
    expected=
  fi
  if [ "$platform" = windows ]; then
    expected=${expected//$'\n'/$'\r\n'}
  fi
  if ! cmp -s <(printf '%s' "$expected") "$dir/stdout"; then
    fail "output differs; expected:"
    printf '%s' "$expected" | od -c | sed 's/^/    /'
    echo "  observed:"
    od -c "$dir/stdout" | sed 's/^/    /'
  fi

  # What reached the mail library.
  if [ "$platform" = posix ] && [ -f "$dir/record" ]; then
    release=$(cd "$dir" && loader_release)
    [ -n "$release" ] && echo "$release" >>"$dir/record"
  fi
  record_file=$(expectation "$base" record)
  if [ -z "$record_file" ]; then
    [ ! -e "$dir/record" ] || fail "the mail library was loaded: $(head -c 200 "$dir/record")"
  elif [ ! -f "$dir/record" ]; then
    fail "the mail library was never loaded"
  elif ! diff -u "$record_file" "$dir/record" >"$dir/record.diff"; then
    fail "the mail library saw something else:"
    sed 's/^/    /' "$dir/record.diff"
  fi

  if [ $case_failed -eq 0 ]; then
    passes=$((passes + 1))
    echo "ok   $case_name"
  fi
done

echo "$passes passed, $failures failed"
[ $failures -eq 0 ]
