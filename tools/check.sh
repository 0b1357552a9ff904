#!/usr/bin/env bash
# Builds every target and runs every test: the native program (also under
# AddressSanitizer and UndefinedBehaviorSanitizer) and both Windows programs
# under Wine, then the fuzzer for half a minute. Warnings are errors.
# Then makes the release packages, checks them, and builds them again twice
# in other folders to see that the bytes come out the same. Installs what is
# missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

# Each preset's tests. A test that cannot run here skips itself, and each
# preset with skips is named at the end, with how many and why. The one
# whose tests skip most often, windows-x86, is not last: a reader of the
# log who looks at the last test summary finds tests that ran.
presets=(native native-sanitize windows-x86 windows-x64)
notes=()
note_skips() {
  local log=build/$1/ctest.log skipped reason
  skipped=$(sed -n -E 's/^\s+[0-9]+ - (.*) \(Skipped\)$/\1/p' "$log" | paste -sd ' ')
  [ -n "$skipped" ] || return 0
  reason=$(sed 's/^SKIP: //' "build/$1/wine-prefix.skipped" 2>/dev/null) ||
    reason="see build/$1/Testing/Temporary/LastTest.log"
  notes+=("$1: $(wc -w <<<"$skipped") of $(sed -n 's/.* tests failed out of //p' "$log") tests skipped ($skipped): $reason")
}
# Every preset's tests, counted: what ran and passed, failed, or skipped.
passed=0 failed=0 skipped=0
count_tests() {
  local log=build/$1/ctest.log total failures skips
  total=$(sed -n 's/.* tests failed out of //p' "$log")
  failures=$(sed -n 's/.*, \([0-9]*\) tests failed out of .*/\1/p' "$log")
  skips=$(grep -c -E '^\s+[0-9]+ - .* \(Skipped\)$' "$log" || true)
  passed=$((passed + ${total:-0} - ${failures:-0} - skips)) failed=$((failed + ${failures:-0}))
  skipped=$((skipped + skips))
}
for preset in "${presets[@]}"; do
  echo "=== $preset"
  cmake --preset "$preset" -DPOSTLARK_WARNINGS_AS_ERRORS=ON >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" | tee "build/$preset/ctest.log"
  note_skips "$preset"
  count_tests "$preset"
done

# The road of a kernel that cannot start 32-bit programs, where this one can:
# the windows-x86 tests must skip, and the run pass.
if [ ! -e build/windows-x86/wine-prefix.skipped ]; then
  echo "=== windows-x86, as on a kernel without 32-bit programs"
  bash tests/without_32bit_kernel.sh
fi

bash tools/fuzz.sh 30

# Each Windows program and library is one file that needs only the
# system's own DLLs.
for target in windows-x64:x86_64 windows-x86:i686; do
  for file in build/${target%:*}/Postlark.exe build/${target%:*}/PostlarkMAPI.dll; do
    imports=$(${target#*:}-w64-mingw32-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p' | sort -f | tr '\n' ' ')
    echo "$file imports: $imports"
    for dll in $imports; do
      case ${dll,,} in
        kernel32.dll | advapi32.dll | msvcrt.dll | ucrtbase.dll | api-ms-win-crt-*.dll) ;;
        *) echo "$file imports $dll, which is not a system DLL" >&2; exit 1 ;;
      esac
    done
  done
done
# The release packages. The .deb is checked by the native tests, the MSIs
# by the Windows presets' tests. The .zip must hold both programs (at most
# 32 KiB each) and both libraries (at most 40 KiB), stripped, with the
# README and the licence.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
bash tools/package.sh >/dev/null
zip=$(mktemp -d)
cmake -E chdir "$zip" cmake -E tar xf "$PWD"/dist/Postlark-*-windows.zip
zip_files=$(cd "$zip"/* && find . -type f | sort | tr '\n' ' ')
[ "$zip_files" = "./LICENSE ./README.md ./x64/Postlark.exe ./x64/PostlarkMAPI.dll ./x86/Postlark.exe ./x86/PostlarkMAPI.dll " ] ||
  { echo "the Windows package holds: $zip_files" >&2; exit 1; }
for file in "$zip"/*/x*/Postlark*; do
  size=$(stat -c %s "$file") limit=32768
  [ "${file##*.}" = dll ] && limit=40960
  [ "$size" -le $limit ] && x86_64-w64-mingw32-nm "$file" 2>&1 | grep -q 'no symbols' ||
    { echo "${file#"$zip"/}: over $((limit / 1024)) KiB or not stripped" >&2; exit 1; }
  echo "packaged ${file#"$zip"/*/}: $size bytes, no symbols"
done

for file in dist/*.msi; do echo "packaged ${file#dist/}: $(stat -c %s "$file") bytes"; done
# Signing (with a throwaway certificate) and the manifests for winget and
# Scoop, each against packages of its own.
bash tests/transcript.sh work="$PWD/build/release-tests" program="$PWD/build/native/Postlark" root="$PWD" \
  version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows-x64/CMakeCache.txt)" tests/release/release.t

# Two builds of the same sources in two folders must give the same bytes.
repro=$(mktemp -d)
for copy in one the-other; do
  mkdir "$repro/$copy"
  git ls-files -z | xargs -0 cp --parents -t "$repro/$copy"
  (cd "$repro/$copy" &&
     for preset in native windows-x86 windows-x64; do
       cmake --preset "$preset" -DBUILD_TESTING=OFF >/dev/null
     done &&
     bash tools/package.sh >/dev/null &&
     sha256sum build/windows-x64/Postlark*.{exe,dll} build/windows-x86/Postlark*.{exe,dll} \
       build/native/Postlark build/native/libmapi32.so dist/*) >"$repro/$copy.sha256"
  echo "=== build in folder '$copy':" && cat "$repro/$copy.sha256"
  if (cd "$repro/$copy" && grep -lF "$repro" $(awk '{print $2}' "$repro/$copy.sha256")); then
    echo "the outputs above name their build folder" >&2; exit 1
  fi
done
diff "$repro/one.sha256" "$repro/the-other.sha256" ||
  { echo "two builds of the same sources differ" >&2; exit 1; }
rm -rf "$repro" "$zip"
echo "dist/: $(ls dist | tr '\n' ' ')"
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
if [ ${#notes[@]} -eq 0 ]; then
  echo "NOTE: every test of every preset ran; none was skipped."
else
  printf 'NOTE: %s\n' "${notes[@]}"
fi
# The last line, as test runners close: how many of all the tests passed.
echo "tests: $passed passed, $failed failed, $skipped skipped"
