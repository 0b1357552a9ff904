#!/usr/bin/env bash
# Builds the native program and mails a sample file with it: on a Linux
# desktop the mail client opens a new message with the file attached.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
printf 'Sales rose by a tenth this week.\n' >"$demo/report.txt"

echo "\$ Postlark report.txt \"Weekly report\" \"Please see the file\""
status=0
(cd "$demo" && "$OLDPWD/build/native/Postlark" report.txt "Weekly report" \
   "Please see the file") || status=$?
case $status in
  0) echo "exit status 0: the message was sent or cancelled" ;;
  26) echo "exit status 26 (MAPI_E_NOT_SUPPORTED): this machine has no mail client" \
           "that xdg-email can open" ;;
  *) echo "exit status $status: see the README's table" ;;
esac
