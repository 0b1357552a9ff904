#!/usr/bin/env bash
# Builds every target and runs every test: the native program (also under
# AddressSanitizer and UndefinedBehaviorSanitizer) and both Windows programs
# under Wine, then the fuzzers for half a minute each. Warnings are errors.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

presets=(native native-sanitize windows-x64 windows-x86)
for preset in "${presets[@]}"; do
  echo "=== $preset"
  cmake --preset "$preset" -DPOSTLARK_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done

bash tools/fuzz.sh 30

# Each Windows program is one file that needs only the system's own DLLs.
for target in windows-x64:x86_64 windows-x86:i686; do
  preset=${target%:*}
  imports=$(${target#*:}-w64-mingw32-objdump -p "build/$preset/Postlark.exe" | sed -n 's/^\s*DLL Name: //p' | sort -f | tr '\n' ' ')
  echo "build/$preset/Postlark.exe imports: $imports"
  for dll in $imports; do
    case ${dll,,} in
      kernel32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) ;;
      *) echo "build/$preset/Postlark.exe imports $dll, which is not a system DLL" >&2; exit 1 ;;
    esac
  done
done
# The release packages: the .deb is checked by the native tests; the .zip
# must hold both programs.
bash tools/package.sh >/dev/null
zip_files=$(cmake -E tar tf dist/Postlark-*-windows.zip | grep -v '/$' | sed 's|^[^/]*/||' | sort | tr '\n' ' ')
[ "$zip_files" = "README.md x64/Postlark.exe x86/Postlark.exe " ] ||
  { echo "the Windows package holds: $zip_files" >&2; exit 1; }
echo "dist/: $(ls dist | tr '\n' ' ')"
if grep -q 'Exec format error' build/windows-x86/Testing/Temporary/LastTest.log 2>/dev/null; then
  echo "NOTE: this kernel cannot run Wine's 32-bit loader: the windows-x86 tests were skipped."
fi
echo "All targets built and tested."

# Non-blank lines of code and of test material (tests, fuzzers and whatever
# exists only for them); markdown does not count.
code=0 tests=0
while IFS= read -r file; do
  lines=$(grep -cv '^[[:space:]]*$' "$file" || true)
  case $file in
    fuzz/corpus/*) ;;
    tests/* | fuzz/* | *_test.* | tools/fuzz.sh) tests=$((tests + lines)) ;;
    *.cc | *.c | *.h | *.in | *.rc | *.cmake | *CMakeLists.txt | *.sh | *.json | *.py | .ci/run)
      code=$((code + lines)) ;;
  esac
done < <(git ls-files)
echo "Code: $code lines. Test material: $tests lines, $((100 * tests / code))% of code."
