#!/usr/bin/env bash
# sign.sh FILE...: signs each Windows program, library or package in place
# (Authenticode, SHA-256) with the PKCS#12 file POSTLARK_SIGN_PKCS12 and its
# password POSTLARK_SIGN_PASSWORD, time-stamped (RFC 3161) by the server
# POSTLARK_SIGN_TIMESTAMP where that is set. Without POSTLARK_SIGN_PKCS12
# it signs nothing, and says so in one line.
set -euo pipefail
if [ -z "${POSTLARK_SIGN_PKCS12:-}" ]; then
  echo "Not signed: POSTLARK_SIGN_PKCS12 is not set." >&2
  exit 0
fi
[ -r "$POSTLARK_SIGN_PKCS12" ] || { echo "sign.sh: cannot read $POSTLARK_SIGN_PKCS12" >&2; exit 1; }
# The password goes to osslsigncode in a file of ours, never on a command
# line that any user could list.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(umask 077 && printf '%s' "${POSTLARK_SIGN_PASSWORD:-}" >"$work/password")
timestamp=()
[ -z "${POSTLARK_SIGN_TIMESTAMP:-}" ] || timestamp=(-ts "$POSTLARK_SIGN_TIMESTAMP")
for file; do
  rm -f "$work/signed"
  osslsigncode sign -pkcs12 "$POSTLARK_SIGN_PKCS12" -readpass "$work/password" -h sha256 \
    -n Postlark "${timestamp[@]}" -in "$file" -out "$work/signed" >/dev/null ||
    { echo "sign.sh: could not sign $file" >&2; exit 1; }
  # Over the file itself, keeping its mode and time.
  touch -r "$file" "$work/signed" && cat "$work/signed" >"$file"
  echo "signed $(basename "$file")"
done
