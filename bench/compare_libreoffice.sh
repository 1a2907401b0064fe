#!/usr/bin/env bash
# Speed side by side: converts one batch (the real documents of tests/data
# copied to 400 files) with quorin and with LibreOffice's own WordPerfect
# import (soffice --headless --convert-to rtf), and prints both times and their
# ratio; then the core's throughput on a generated 50 MB document and the peak
# memory of quorin for a batch and for that one large document.
#   bench/compare_libreoffice.sh [COPIES_PER_FILE]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
copies="${1:-100}"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORIN_BUILD_TESTS=OFF -DQUORIN_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target quorin core_throughput >/dev/null
quorin="$build/main/quorin"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/quorin" "$work/soffice"
for ((i = 0; i < copies; i++)); do
  for f in "$root"/tests/data/*.wp; do cp "$f" "$work/in/$(basename "$f" .wp)-$i.wp"; done
done
files=$(ls "$work/in" | wc -l)
export XDG_CONFIG_HOME="$work/config"

calc() { awk "BEGIN { print $1 }"; }
seconds() { calc "$2 - $1"; }

start=$(date +%s.%N)
/usr/bin/time -f "%M" -o "$work/batch.rss" "$quorin" -f "$work/in/*.wp" -o "$work/quorin" 2>/dev/null
quorin_time=$(seconds "$start" "$(date +%s.%N)")

if command -v soffice >/dev/null; then
  start=$(date +%s.%N)
  soffice "-env:UserInstallation=file://$work/profile" --headless --convert-to rtf \
    --outdir "$work/soffice" "$work"/in/*.wp >/dev/null 2>&1
  soffice_time=$(seconds "$start" "$(date +%s.%N)")
  printf 'batch of %d files: quorin %.3f s, LibreOffice %.3f s, quorin %.0f times faster\n' \
    "$files" "$quorin_time" "$soffice_time" "$(calc "$soffice_time / $quorin_time")"
else
  printf 'batch of %d files: quorin %.3f s (LibreOffice not installed)\n' "$files" "$quorin_time"
fi
printf 'peak memory of the batch: %d KB\n' "$(cat "$work/batch.rss")"

"$build/bench/core_throughput" "$root/tests/data"
"$build/bench/core_throughput" --write "$work/large.wp" 50
size_kb=$(( $(stat -c %s "$work/large.wp") / 1024 ))
/usr/bin/time -f "%M" -o "$work/large.rss" "$quorin" -f - -o - < "$work/large.wp" > /dev/null
peak=$(cat "$work/large.rss")
printf 'one %d KB document: peak memory %d KB = %.2f x its size + %d KB (aim: under 3 x + 10240 KB)\n' \
  "$size_kb" "$peak" "$(calc "($peak - 10240) / $size_kb")" 10240
