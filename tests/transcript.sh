#!/usr/bin/env bash
# transcript.sh NAME=VALUE... FILE.t...: runs transcripts. "  $ COMMAND" lines
# run in bash, each followed by its exact output indented by two spaces; other
# lines are comments; a line ending " (posix)" or " (windows)" counts there
# only. Each file runs in a folder of its own, $WORK in the output. A
# command still running after $limit seconds (60) is stopped, and its
# output ends "(still running after 60 s: stopped)".
# `postlark ARGS` runs app/'s copy of $program ($program_path; natively after
# $wrapper; with wine=WINE through $runner) and prints its output (in CRLF on
# Windows), the stand-in's record as "mapi:" lines, and "[STATUS]" unless 0:
# 32 bits on Windows, 8 natively. `library [FILE]` makes FILE the mail library
# where the program looks (beside it; in $system_dir under Wine); without FILE
# there is none (under Wine, Wine's own placeholder, as each file starts).
# Under Wine, `mail_programs [LINE...]` sets Wine's own mail program with no
# default, no administrator's mapping, the stand-in $handler for mailto:,
# then LINEs of a .reg file; `handled` prints what $handler was started
# with. Each file starts with Wine's own mail program as the default again.
set -uo pipefail
wine= wrapper= files=() limit=60
for argument; do
  case $argument in
    *=*) declare "$argument" ;;
    *) files+=("$argument") ;;
  esac
done
platform=posix other=windows
[ -n "$wine" ] && platform=windows other=posix

postlark() {
  local child_path=$PATH PATH=$PATH:/usr/bin:/bin status
  local program=${program_path:-app/$(basename "$program")}
  rm -f record loader.* status
  export POSTLARK_RECORD=record POSTLARK_RESULT=${result:-0} POSTLARK_LINK_RECORD="Z:${PWD//\//\\}\\link"
  export POSTLARK_OUTLOOK_RECORD="Z:${PWD//\//\\}\\olk"
  if [ -n "$wine" ]; then
    # The C runtime splits the command line as a user's; Wine's status has 8 bits.
    POSTLARK_RUN_PROGRAM="${program//\//\\}" POSTLARK_RUN_STATUS=status \
      "$wine" "$runner" "$@" 2>>stderr | LC_ALL=C sed -e 's/\r$//;t' -e 's/$/ (no CR)/'
    status=$(tr -d '\r\n' 2>/dev/null <status)
    if [[ $status =~ ^[0-9]+$ ]]; then status=$((status << 32 >> 32))
    else echo "the program did not run: no status"; status=0; fi
  else
    # The loader's log tells of the release (an empty LD_DEBUG: not wanted).
    LD_DEBUG=${LD_DEBUG-files} LD_DEBUG_OUTPUT=loader PATH=$child_path $wrapper "$program" "$@" 2>>stderr
    status=$?
    local log
    log=$(cat loader.* 2>/dev/null | grep 'libmapi32\.so')
    if grep -q 'destroying link map' <<<"$log"; then echo released >>record
    elif grep -q 'calling init' <<<"$log"; then echo "not released" >>record; fi
  fi
  [ -f record ] && sed 's/^/mapi: /' record
  [ "$status" = 0 ] || echo "[$status]"
}

library() {
  local target=app/libmapi32.so
  [ -z "$wine" ] || target=$system_dir/mapi32.dll
  if [ -n "${1:-}" ]; then cp "$1" "$target"
  elif [ -n "$wine" ] && [ -e "$placeholder" ]; then cp "$placeholder" "$target"
  else rm -f "$target"; fi
}
mail_programs() {
  local IFS=$'\n' state=(
    '[-HKEY_CURRENT_USER\Software\Clients\Mail]'
    '[-HKEY_LOCAL_MACHINE\Software\Clients\Mail]'
    '[-HKEY_LOCAL_MACHINE\Software\Microsoft\Windows Messaging Subsystem\MSMapiApps]'
    '[-HKEY_CURRENT_USER\Software\Microsoft\Windows\Shell\Associations\UrlAssociations\mailto]'
    '[-HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\App Paths\olk.exe]'
    '[-HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\olk.exe]'
    '[HKEY_LOCAL_MACHINE\Software\Clients\Mail\Native Mail Client]'
    '"DLLPath"="C:\\windows\\system32\\winemapi.dll"'
    '[HKEY_LOCAL_MACHINE\Software\Classes\mailto\shell\open\command]'
    "@=\"\\\"Z:${handler//\//\\\\}\\\" \\\"%1\\\"\"" "$@")
  printf 'REGEDIT4\n%s\n' "${state[*]}" >state.reg
  # Wine's own reg writes the registry view that the program reads. Wine's
  # services would keep open a terminal or pipe handed to them.
  "$wine" reg import state.reg </dev/null >/dev/null 2>&1
}

handled() {
  local i
  for i in {1..100}; do [ -s link ] && break; sleep 0.1; done
  sed 's/^"[^"]*" /handler: /' link 2>/dev/null && rm link
}
# `drafted` prints what the stand-in $outlook was started with, the folder
# it runs in ("in: …"), and the draft it was given as a mail program reads it; `drafted ORIGINAL` also
# compares the attachment's bytes with the file ORIGINAL.
drafted() {
  local i
  for i in {1..100}; do [ -s olk ] && break; sleep 0.1; done
  [ -s olk ] || return 0
  sed 's/^"[^"]*" /olk: /; s/"C:\\users\\[^\\]*\\AppData\\Local\\Postlark\\[0-9a-f]*-[0-9a-f]*\\/"%LOCALAPPDATA%\\Postlark\\…\\/
       s/^in: C:\\users\\[^\\]*\\AppData\\Local\\/in: %LOCALAPPDATA%\\/' olk
  python3 "$read_draft" olk.eml "$@"
  rm -f olk olk.eml
}
# Under Wine, `caller ARGS` runs $caller, a program that calls Wine's own
# MAPI32.DLL, as `postlark` runs Postlark; `regsvr32 ARGS` runs the
# system's regsvr32 of the program's bitness, silently; `mail_keys ROOT`
# prints ROOT\Software\Clients\Mail with its keys, as Wine's reg does
# (but what the library keeps of the MAPI value, which `simple_mapi` shows);
# `msiexec ARGS` runs Windows Installer's msiexec, of the same bitness;
# `windows_path FILE` the path of the working folder's FILE as Wine names it;
# `simple_mapi` the MAPI value that programs check before they offer mail.
caller() {
  cp -n "$caller" app/ && WINEDLLOVERRIDES=mapi32=b program_path=app/$(basename "$caller") postlark "$@"
}
regsvr32() {
  program_path="C:\\windows\\${system_dir##*/}\\regsvr32.exe" postlark /s "$@"
}
msiexec() {
  program_path="C:\\windows\\${system_dir##*/}\\msiexec.exe" postlark "$@"
}
simple_mapi() {
  local value
  value=$("$wine" reg query 'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows Messaging Subsystem' /v MAPI \
            </dev/null 2>/dev/null | tr -d '\r' | sed -n 's/^ *MAPI *REG_[A-Z_]* *//p')
  echo "MAPI: ${value:-none}"
}
windows_path() {
  local path=Z:${PWD//\//\\}\\$1
  printf '%s' "${path//\//\\}"
}
mail_keys() {
  "$wine" reg query "$1\\Software\\Clients\\Mail" /s </dev/null 2>/dev/null | tr -d '\r' | grep -v -e '^$' -e PreviousMAPI
}
# Run in the background beside each command: once SECONDS have passed,
# kills what the shell PID started that still runs, but itself, and lists
# it in stderr. A command that hangs fails its file, and says which it is,
# long before the test's own time is up.
stop_after() {
  local seconds=$1 shell=$2 sleeper stat line state ppid pid queue stopped=()
  trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
  sleep "$seconds" & sleeper=$!
  wait "$sleeper" || exit 0
  local -A children
  for stat in /proc/[0-9]*/stat; do
    { read -r line <"$stat"; } 2>/dev/null || continue
    read -r state ppid _ <<<"${line##*) }"
    pid=${stat#/proc/} && children[$ppid]+=" ${pid%/stat}"
  done
  queue=(${children[$shell]:-})
  while [ ${#queue[@]} -gt 0 ]; do
    pid=${queue[0]} && queue=("${queue[@]:1}")
    [ "$pid" = "$BASHPID" ] || { stopped+=("$pid") && queue+=(${children[$pid]:-}); }
  done
  touch "$dir.stopped"
  for pid in "${stopped[@]}"; do
    echo "still running after $seconds s, killed: $(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null)"
  done >>stderr
  kill -KILL "${stopped[@]}" 2>/dev/null
}

placeholder=${work:?}/mapi32-placeholder.dll
mkdir -p "$work" || exit 2
if [ -n "$wine" ] && [ ! -e "$placeholder" ] && grep -q 'Wine builtin DLL' "$system_dir/mapi32.dll" 2>/dev/null; then
  cp "$system_dir/mapi32.dll" "$placeholder"
fi

failures=0
for file in "${files[@]}"; do
  dir=${work:?}/$(basename "$file" .t)
  rm -rf "$dir" && mkdir -p "$dir/app" || exit 2
  sed -e "/ ($other)\$/d" -e "s/ ($platform)\$//" "$file" >"$dir.expected"
  (
    cd "$dir" && cp "$program" app/ && { [ -z "$wine" ] || library; } || exit 2
    while IFS= read -r line <&3; do
      case $line in
        '  $ '*)
          printf '%s\n' "$line"
          shell=$BASHPID
          stop_after "$limit" "$shell" </dev/null >/dev/null 2>&1 &
          watchdog=$!
          eval "${line#  \$ }" </dev/null >"$dir.output" 2>>stderr
          kill "$watchdog" 2>/dev/null; wait "$watchdog"
          output=$(cat "$dir.output"; echo .) && output=${output%.}
          [ ! -e "$dir.stopped" ] || { output+="(still running after $limit s: stopped)"$'\n'; rm "$dir.stopped"; }
          [ -z "$output" ] || [ "${output: -1}" = $'\n' ] || output+=$' (no line break)\n'
          output=${output//"$dir"/\$WORK}  # and as Wine names it
          printf '%s' "${output//"Z:${dir//\//\\}"/\$WORK}" | sed 's/^/  /' ;;
        '  '*) ;;
        *) printf '%s\n' "$line" ;;
      esac
    done 3<"$dir.expected"
    [ ! -e state.reg ] || mail_programs '[HKEY_LOCAL_MACHINE\Software\Clients\Mail]' '@="Native Mail Client"'
  ) >"$dir.actual"
  if ! diff -u "$dir.expected" "$dir.actual"; then
    echo "FAIL $file"; tail -n 20 "$dir/stderr" 2>/dev/null
    failures=$((failures + 1))
  fi
done
[ -z "$wine" ] || library
echo "${#files[@]} transcripts, $failures failed"
[ $failures -eq 0 ]
