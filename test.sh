#!/usr/bin/env bash
# Builds Quorin with its tests and runs them all: the test suite under
# AddressSanitizer and UndefinedBehaviorSanitizer, a bounded fuzzing run of
# the converter, the suite in an optimised build, then the Debian package,
# built and checked without being installed. Exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/tools/install-deps.sh" --test
jobs="$(nproc)"

echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
asan="$root/build/asan"
cmake -S "$root" -B "$asan" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_BUILD_TESTS=ON -DQUORIN_SANITIZE=ON >/dev/null
cmake --build "$asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$asan" --output-on-failure -j "$jobs"

echo "== Fuzzing the converter (bounded regression run)"
"$root/tools/fuzz.sh" -runs="${QUORIN_FUZZ_RUNS:-200000}"

echo "== Test suite"
build="$root/build/test"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j "$jobs"
ctest --test-dir "$build" --output-on-failure -j "$jobs"

echo "== Debian package"
"$root/tools/check-package.sh"
