#!/usr/bin/env bash
# msi.sh ARCH VERSION FOLDER OUTPUT: makes OUTPUT, the Windows Installer
# package of Postlark VERSION for ARCH (x64 or x86), from FOLDER's
# Postlark.exe and PostlarkMAPI.dll and the README and licence, with wixl.
#
# The same files give the same bytes: the codes that Windows Installer
# tells packages and products by come from the version (and, for the
# package, from what it holds), and every time stamp is SOURCE_DATE_EPOCH
# (the time now without it). wixl's messages are errors: where it meets
# something it does not know, it leaves it out of the package.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: msi.sh x64|x86 VERSION FOLDER OUTPUT" >&2; exit 2; }
arch=$1 version=$2 folder=$3 output=$(realpath -m "$4")
root=$(cd "$(dirname "$0")/.." && pwd)
# One upgrade code for each architecture, never to change: it is how a
# newer package finds the older one to replace.
case $arch in
  x64) upgrade_code=FD630D11-A15F-432C-BB76-51F107A70E05 ;;
  x86) upgrade_code=C31A7703-91D5-4EF7-9D52-D9491B5EB6C8 ;;
  *) echo "msi.sh: no architecture '$arch'" >&2; exit 2 ;;
esac
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "msi.sh: '$version' is not a version" >&2; exit 2; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/bin" "$stage/docs"
cp "$folder/Postlark.exe" "$folder/PostlarkMAPI.dll" "$stage/bin/"
cp "$root/README.md" "$root/LICENSE" "$stage/docs/"
epoch=${SOURCE_DATE_EPOCH:-$(date +%s)}
touch -d "@$epoch" "$stage"/bin/* "$stage"/docs/*

# Name-based codes (RFC 4122, version 5) in the upgrade code's namespace.
contents=$(cat "$root/packaging/windows/postlark.wxs" "$stage"/bin/* "$stage"/docs/* | sha256sum)
codes=$(python3 - "$upgrade_code" "$version" "${contents%% *}" <<'PY'
import sys, uuid
space, version, contents = uuid.UUID(sys.argv[1]), sys.argv[2], sys.argv[3]
for name in ("product " + version, "package %s %s" % (version, contents), "program", "library " + version):
    print(str(uuid.uuid5(space, name)).upper())
PY
)
read -r product_code package_code program_guid library_guid <<<"$(echo $codes)"

# wixl takes its sources' paths relative to the working folder only.
messages=$(cd "$stage" && wixl -a "$arch" -o "$output" -D Arch="$arch" -D Version="$version" \
  -D UpgradeCode="$upgrade_code" -D ProductCode="$product_code" -D PackageCode="$package_code" \
  -D ProgramGuid="$program_guid" -D LibraryGuid="$library_guid" \
  -D Bin=bin -D Docs=docs "$root/packaging/windows/postlark.wxs" 2>&1) &&
  [ -z "$messages" ] || { echo "$messages" >&2; echo "msi.sh: wixl failed for $output" >&2; rm -f "$output"; exit 1; }
# Word count 10: compressed, and installing needs no elevation (for the user).
python3 "$root/tools/msi_summary.py" "$output" "$package_code" "$epoch" 10
