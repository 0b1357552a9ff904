#!/usr/bin/env bash
# Builds the native program and mails a sample file with it: on a Linux
# desktop the mail client opens a new message with the file attached. Where
# no mail client is set up, a demo client, registered for this run only,
# shows what a client receives. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh native
cmake --preset native >/dev/null
cmake --build --preset native >/dev/null

demo=$(mktemp -d)
trap 'rm -rf "$demo"' EXIT
printf 'Sales rose by a tenth this week.\n' >"$demo/report.txt"
mail() {
  echo "\$ Postlark report.txt \"Weekly report\" \"Please see the file\""
  status=0
  (cd "$demo" && "$OLDPWD/build/native/Postlark" report.txt "Weekly report" \
     "Please see the file") || status=$?
}

mail
if [ $status -eq 26 ]; then
  echo "exit status 26 (MAPI_E_NOT_SUPPORTED): no mail client is set up here."
  echo "Again, with a demo mail client registered for this run only:"
  # The demo client, its desktop entry, and the default for mailto: links,
  # all in private XDG folders.
  mkdir -p "$demo/bin" "$demo/data/applications"
  cat >"$demo/bin/postlark-demo-client" <<'CLIENT'
#!/bin/bash
# Shows the mailto: link it was started with, as a mail client reads it.
decode() { printf '%b' "${1//%/\\x}"; }
query=${1#*\?}
IFS='&' read -ra fields <<<"$query"
echo "  demo mail client: a new message"
for field in "${fields[@]}"; do
  value=$(decode "${field#*=}")
  case ${field%%=*} in
    subject) echo "    subject: $value" ;;
    body) echo "    body:    ${value//$'\r'/}" ;;
    attach) echo "    attached: ${value##*/} ($(stat -c %s "$value") bytes, from $value)" ;;
  esac
done
CLIENT
  chmod +x "$demo/bin/postlark-demo-client"
  printf '[Desktop Entry]\nType=Application\nName=Postlark demo client\nExec=%s %%u\nMimeType=x-scheme-handler/mailto;\n' \
    "$demo/bin/postlark-demo-client" >"$demo/data/applications/postlark-demo.desktop"
  printf '[Default Applications]\nx-scheme-handler/mailto=postlark-demo.desktop\n' >"$demo/data/mimeapps.list"
  export XDG_DATA_HOME="$demo/data" XDG_CONFIG_HOME="$demo/data" XDG_DATA_DIRS="$demo/none" \
    XDG_CONFIG_DIRS="$demo/none" XDG_CACHE_HOME="$demo/cache"
  mail
fi
case $status in
  0) echo "exit status 0: the mail client has the message" ;;
  *) echo "exit status $status: see the README's table" ;;
esac
