#!/usr/bin/env bash
# Makes the release packages in dist/: the .deb for Linux, and one .zip
# with both Windows programs and mail libraries (x64/ and x86/) and the
# README. Builds the
# native, windows-x64 and windows-x86 presets first.
set -euo pipefail
cd "$(dirname "$0")/.."

for preset in native windows-x86 windows-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" >/dev/null
done
mkdir -p dist
cpack --config build/native/CPackConfig.cmake -B dist >/dev/null
# The x86-64 build packages the 32-bit program and library beside its own.
cmake build/windows-x64 -DPOSTLARK_WINDOWS_X86_BUILD="$PWD/build/windows-x86" >/dev/null
cpack --config build/windows-x64/CPackConfig.cmake -B dist >/dev/null
rm -rf dist/_CPack_Packages
ls dist
