#!/usr/bin/env bash
# Fuzzes the converter with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer), starting from the real documents, generated
# documents covering every family of codes, and the inputs of past findings
# (fuzz/regressions). Extra arguments go to libFuzzer, for example:
#   tools/fuzz.sh -runs=10000000          # a long run
#   tools/fuzz.sh -max_total_time=3600    # an hour
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUORIN_FUZZ=ON -DQUORIN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target convert_document_fuzzer make_seeds

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus"
"$build/fuzz/make_seeds" "$work/corpus"
cp "$root"/tests/data/*.wp "$work/corpus/"
cp "$root"/fuzz/regressions/* "$work/corpus/" 2>/dev/null || true
cd "$work"
"$build/fuzz/convert_document_fuzzer" -max_len=4096 -seed=1 -print_final_stats=1 "$@" "$work/corpus"
