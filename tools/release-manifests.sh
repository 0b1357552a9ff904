#!/usr/bin/env bash
# release-manifests.sh URL [DIST]: writes, for the packages in DIST (dist/
# by default) once they are published under URL, the manifests that
# Windows' package managers install them by, in DIST/manifests/:
#
#   winget/Postlark.Postlark.yaml, .installer.yaml, .locale.en-US.yaml
#       the MSIs: for each architecture, one installer for the user
#       (ALLUSERS=2 MSIINSTALLPERUSER=1) and one for the machine
#       (ALLUSERS=1, which winget does not add by itself), each with the
#       package's SHA-256 and product code;
#   scoop/postlark.json
#       the .zip, which Scoop unpacks instead of running an installer, with
#       regsvr32 /n /i:user as its install script and /u as its uninstall
#       script.
set -euo pipefail
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: release-manifests.sh URL [DIST]" >&2; exit 2; }
url=${1%/} dist=${2:-dist}
[[ $url =~ ^https://[^[:space:]\"\']+$ ]] || { echo "release-manifests.sh: '$1' is not an https address" >&2; exit 2; }
zip=$(ls "$dist"/Postlark-*-windows.zip 2>/dev/null | head -n 1 || true)
[ -n "$zip" ] || { echo "release-manifests.sh: no Postlark-VERSION-windows.zip in $dist" >&2; exit 1; }
version=${zip##*/Postlark-} version=${version%-windows.zip}
for arch in x64 x86; do
  [ -f "$dist/Postlark-$version-$arch.msi" ] ||
    { echo "release-manifests.sh: no Postlark-$version-$arch.msi in $dist" >&2; exit 1; }
done
sha256() { sha256sum "$1" | cut -d ' ' -f 1 | tr a-f A-F; }
product_code() { msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'; }
id=Postlark.Postlark manifest_version=1.6.0
summary="Hands one file to the mail program as the attachment of a new message"
mkdir -p "$dist/manifests/winget" "$dist/manifests/scoop"

header() {  # TYPE
  printf '# yaml-language-server: $schema=https://aka.ms/winget-manifest.%s.%s.schema.json\n\n' "$1" "$manifest_version"
  printf 'PackageIdentifier: %s\nPackageVersion: %s\n' "$id" "$version"
}
{
  header version
  printf 'DefaultLocale: en-US\nManifestType: version\nManifestVersion: %s\n' "$manifest_version"
} >"$dist/manifests/winget/$id.yaml"
{
  header installer
  printf 'InstallerType: msi\nUpgradeBehavior: install\nInstallers:\n'
  for arch in x64 x86; do
    msi=$dist/Postlark-$version-$arch.msi
    for scope in user machine; do
      printf -- '- Architecture: %s\n  Scope: %s\n' "$arch" "$scope"
      printf '  InstallerUrl: %s/Postlark-%s-%s.msi\n' "$url" "$version" "$arch"
      printf '  InstallerSha256: %s\n  ProductCode: "%s"\n' "$(sha256 "$msi")" "$(product_code "$msi")"
      if [ $scope = user ]; then
        printf '  InstallerSwitches:\n    Custom: ALLUSERS=2 MSIINSTALLPERUSER=1\n'
      else
        printf '  ElevationRequirement: elevationRequired\n  InstallerSwitches:\n    Custom: ALLUSERS=1\n'
      fi
    done
  done
  printf 'ManifestType: installer\nManifestVersion: %s\n' "$manifest_version"
} >"$dist/manifests/winget/$id.installer.yaml"
{
  header defaultLocale
  printf 'PackageLocale: en-US\nPublisher: The Postlark developers\nPackageName: Postlark\n'
  printf 'License: MIT\nShortDescription: %s\nManifestType: defaultLocale\nManifestVersion: %s\n' \
    "$summary" "$manifest_version"
} >"$dist/manifests/winget/$id.locale.en-US.yaml"

python3 - "$url" "$version" "$(sha256 "$zip")" "$summary" >"$dist/manifests/scoop/postlark.json" <<'PY'
import json, sys
url, version, sha256, summary = sys.argv[1:]
folder = "Postlark-%s-windows" % version
# PowerShell expands $dir, Scoop's folder of this version, in double quotes.
library = '"`"$dir\\PostlarkMAPI.dll`""'
def regsvr32(words, on_failure):
    # regsvr32 is a windowed program: PowerShell waits for it only when told.
    arguments = ", ".join("'%s'" % w for w in words)
    return ["$p = Start-Process regsvr32.exe -ArgumentList @(%s, %s) -Wait -PassThru" % (arguments, library),
            "if ($p.ExitCode -ne 0) { %s \"regsvr32 failed: $($p.ExitCode)\" }" % on_failure]
manifest = {
    "version": version,
    "description": summary,
    "homepage": url,
    "license": "MIT",
    "architecture": {
        bits: {"url": "%s/%s.zip" % (url, folder), "hash": sha256.lower(),
               "extract_dir": "%s\\%s" % (folder, arch)}
        for bits, arch in (("64bit", "x64"), ("32bit", "x86"))
    },
    "bin": "Postlark.exe",
    "installer": {"script": regsvr32(["/s", "/n", "/i:user"], "throw")},
    # A removal that cannot unregister still removes, and says so.
    "uninstaller": {"script": regsvr32(["/s", "/u", "/n", "/i:user"], "Write-Warning")},
    "notes": "PostlarkMAPI.dll is your default mail program now; 'scoop uninstall postlark' gives the one before back.",
}
json.dump(manifest, sys.stdout, indent=4)
sys.stdout.write("\n")
PY
find "$dist/manifests" -type f | sort
