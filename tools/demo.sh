#!/usr/bin/env bash
# Builds the native program and mails a sample file with it. Linux has no
# Simple MAPI mail system of its own, so the mail library here is the
# recording stand-in of the tests: it shows what a mail client would have
# been handed. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh --native
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
mkdir "$demo/app"
cp build/native/Postlark build/native/tests/standin/libmapi32.so "$demo/app/"
printf 'Sales rose by a tenth this week.\n' >"$demo/report.txt"

echo "\$ Postlark report.txt \"Weekly report\" \"Please see the file\""
status=0
(cd "$demo" && POSTLARK_RECORD="$demo/record" \
   app/Postlark report.txt "Weekly report" "Please see the file") || status=$?
echo "exit status: $status"
echo "what the mail library was handed:"
sed -n 's/^\(MAPISendMail\|message.lpsz\(Subject\|NoteText\)\|file\[0\].lpsz\|returned\)/  &/p' "$demo/record"
