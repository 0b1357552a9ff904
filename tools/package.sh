#!/usr/bin/env bash
# Makes the release packages in dist/ (or $POSTLARK_DIST): the .deb for
# Linux; one .zip with both Windows programs and mail libraries (x64/ and
# x86/), the README and the licence; and a Windows Installer package for
# each (Postlark-VERSION-x64.msi, -x86.msi) from the .zip's own files.
# Builds the native, windows-x64 and windows-x86 presets first.
#
# With POSTLARK_SIGN_PKCS12 (and POSTLARK_SIGN_PASSWORD, and
# POSTLARK_SIGN_TIMESTAMP for a time stamp) every Postlark.exe and
# PostlarkMAPI.dll is signed before it is packed, and each .msi after
# (tools/sign.sh); without, nothing is signed, and one line says so.
set -euo pipefail
cd "$(dirname "$0")/.."
dist=${POSTLARK_DIST:-dist}

for preset in native windows-x86 windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
mkdir -p "$dist"
cpack --config build/native/CPackConfig.cmake -B "$dist" >/dev/null
# The x86-64 build packages the 32-bit program and library beside its own.
cmake build/windows-x64 -DPOSTLARK_WINDOWS_X86_BUILD="$PWD/build/windows-x86" >/dev/null
cpack --config build/windows-x64/CPackConfig.cmake -B "$dist" >/dev/null
rm -rf "$dist/_CPack_Packages"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows-x64/CMakeCache.txt)
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
cmake -E chdir "$unpacked" cmake -E tar xf "$(realpath "$dist")/Postlark-$version-windows.zip"
for arch in x64 x86; do
  bash tools/msi.sh "$arch" "$version" "$unpacked/Postlark-$version-windows/$arch" "$dist/Postlark-$version-$arch.msi"
done
bash tools/sign.sh "$dist/Postlark-$version-x64.msi" "$dist/Postlark-$version-x86.msi"
ls "$dist"
