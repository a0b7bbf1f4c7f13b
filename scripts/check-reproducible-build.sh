#!/usr/bin/env bash
# Builds the shipped executable again, in a build folder of its own, and
# checks that it comes out byte for byte the same as the one in the given
# folder (no link time stamp, no build path in the file). Then checks that
# the executable is rebuilt when any file its resource script brings in
# changes.
#   check-reproducible-build.sh BUILD_FOLDER   (one configured with the windows preset)
set -euo pipefail
cd "$(dirname "$0")/.."
first=$1
second=build/windows-reproduce
jobs=$(nproc)
passed=0 failed=0
pass() { echo "passed: $1"; passed=$((passed + 1)); }
fail() { echo "FAILED: $1"; failed=$((failed + 1)); }

cmake --preset windows -B "$second" -DUESCAPE_BUILD_TESTS=OFF -DUESCAPE_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$first" -j "$jobs" --target uescape >/dev/null
cmake --build "$second" -j "$jobs" --target uescape >/dev/null
a=$(sha256sum "$first/app/UEscape.exe" | cut -d' ' -f1)
b=$(sha256sum "$second/app/UEscape.exe" | cut -d' ' -f1)
echo "$first/app/UEscape.exe: $(stat -c %s "$first/app/UEscape.exe") bytes, SHA-256 $a"
echo "$second/app/UEscape.exe: $(stat -c %s "$second/app/UEscape.exe") bytes, SHA-256 $b"
if [ "$a" = "$b" ]; then
  pass "two build folders give the same UEscape.exe"
else
  fail "two build folders give different executables"
  cmp -l "$first/app/UEscape.exe" "$second/app/UEscape.exe" | head -5 || true
fi
for folder in "$first" "$second"; do
  if grep -q -a -F "$(pwd)" "$folder/app/UEscape.exe"; then
    fail "$folder/app/UEscape.exe holds a build path"
  else
    pass "$folder/app/UEscape.exe holds no build path"
  fi
done

# Each file the resource script brings in, touched, rebuilds the executable.
for input in resources/uescape.ico resources/uescape.manifest resources/uescape.rc \
             "$second/resources/uescape_version.h"; do
  before=$(stat -c %Y "$second/app/UEscape.exe")
  sleep 1.1
  touch "$input"
  cmake --build "$second" -j "$jobs" --target uescape >/dev/null
  after=$(stat -c %Y "$second/app/UEscape.exe")
  if [ "$after" -gt "$before" ]; then
    pass "a change of $(basename "$input") rebuilds UEscape.exe"
  else
    fail "a change of $(basename "$input") leaves UEscape.exe as it was"
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
