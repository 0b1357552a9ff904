#!/usr/bin/env bash
# without_32bit_kernel.sh: runs the windows-x86 tests as on a kernel that
# cannot start 32-bit programs, and checks that every one of them skips,
# saying why, and that the run passes.
#
# In a mount namespace of its own, each 32-bit executable of 32-bit Wine
# is covered by a copy whose ELF header names no machine: the kernel refuses
# to start it with ENOEXEC ("Exec format error"), as a kernel without 32-bit
# support refuses the real one. Nothing outside the namespace sees it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = --inside ]; then
  shift
  for file; do
    cover=$(mktemp)
    cp "$file" "$cover" && chmod 755 "$cover"
    printf '\0\0' | dd of="$cover" bs=1 seek=18 conv=notrunc status=none  # e_machine
    mount --bind "$cover" "$file"
  done
  exec ctest --preset windows-x86
fi

loaders=()
while IFS= read -r file; do
  [ -f "$file" ] && [ -x "$file" ] && [ "$(head -c 5 "$file" | od -An -tx1 | tr -d ' ')" = 7f454c4601 ] &&
    loaders+=("$file")
done < <(dpkg -L wine32:i386 2>/dev/null)
[ ${#loaders[@]} -gt 0 ] || { echo "without_32bit_kernel.sh: 32-bit Wine is not installed" >&2; exit 1; }
namespace=(unshare --mount --propagation private)
[ "$(id -u)" -eq 0 ] || namespace+=(--map-root-user)
log=$(mktemp)
"${namespace[@]}" bash "$0" --inside "${loaders[@]}" >"$log" 2>&1 || { cat "$log"; exit 1; }
tests=$(sed -n 's/.* tests failed out of \([0-9]*\)$/\1/p' "$log")
skipped=$(grep -cE '^\s+[0-9]+ - .* \(Skipped\)$' "$log" || true)
reason=$(cat build/windows-x86/wine-prefix.skipped 2>/dev/null || true)
if [ -z "$tests" ] || [ "$skipped" != "$tests" ] || [[ $reason != *"Exec format error"* ]]; then
  cat "$log"
  echo "without_32bit_kernel.sh: expected every test skipped for the kernel; $skipped of ${tests:-?} were (${reason:-no reason given})" >&2
  exit 1
fi
echo "windows-x86 on a kernel without 32-bit programs (${#loaders[@]} loaders refused): $skipped of $tests tests skipped, ${reason#SKIP: }"
rm -f "$log" build/windows-x86/wine-prefix.skipped
