#!/usr/bin/env bash
# The whole command on one large document, beside the limit of the work
# measured in the same run (every input byte expanded into its four-byte
# escape and written to a file in 1 MB pieces), with peak memory; then a batch
# of many small files beside copying the same files with cp.
#   bench/command_speed.sh [MEGABYTES] [SMALL_FILES]
# The work folder is made under TMPDIR (or /tmp): keep it on the disk you mean.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
megabytes="${1:-50}"
small_files="${2:-20000}"
build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORIN_BUILD_TESTS=OFF -DQUORIN_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j 2 --target quorin core_throughput >/dev/null 2>&1
quorin="${QUORIN:-$build/main/quorin}"  # QUORIN=path measures another build
bench="$build/bench/core_throughput"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
calc() { awk "BEGIN { print ($1) }"; }
# seconds and peak KB of a command, as "S KB"
measure() { /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null 2>&1 || true; cat "$work/time"; }

"$bench" --write "$work/large.wp" "$megabytes"
mb=$(calc "$(stat -c %s "$work/large.wp") / 1000000")
size_kb=$(( $(stat -c %s "$work/large.wp") / 1024 ))
best() { sort -n | head -1; }
limit=0 file=9e9 filter=9e9 file_kb=0 filter_kb=0
for round in 1 2 3 4 5; do
  rate=$("$bench" --limit "$work/large.wp" "$work/limit.out"); rm -f "$work/limit.out"
  limit=$(calc "$rate > $limit ? $rate : $limit")
  rm -rf "$work/out"
  read -r s kb < <(measure "$quorin" -f "$work/large.wp" -o "$work/out")
  file=$(calc "$s < $file ? $s : $file"); file_kb=$kb
  read -r s kb < <(measure sh -c "'$quorin' -f - -o - < '$work/large.wp' > '$work/large.rtf'")
  filter=$(calc "$s < $filter ? $s : $filter"); filter_kb=$kb
  rm -f "$work/large.rtf"
done
printf 'limit (escape every byte, write in 1 MB pieces): %.0f MB/s\n' "$limit"
for form in file filter; do
  s=${!form}; kb_var="${form}_kb"; kb=${!kb_var}
  printf 'quorin %-6s %.1f MB in %.3f s: %.0f MB/s, %.2f of the limit; peak %d KB = %.2f x size + 10 MB (aim: under 3)\n' \
    "$form" "$mb" "$s" "$(calc "$mb / $s")" "$(calc "$mb / $s / $limit")" "$kb" "$(calc "($kb - 10240) / $size_kb")"
done

# Many small files: the real documents of tests/data, copied round.
mkdir -p "$work/small"
data=("$root"/tests/data/*.wp)
for ((i = 0; i < small_files; i++)); do cp "${data[i % ${#data[@]}]}" "$work/small/$i.wp"; done
sync
read -r copy _ < <(measure cp -r "$work/small" "$work/copied")
read -r batch _ < <(measure "$quorin" -f "$work/small/*.wp" -o "$work/converted")
printf '%d small files: cp %.3f s, quorin %.3f s, %.2f x cp (aim: at most 1.5)\n' \
  "$small_files" "$copy" "$batch" "$(calc "$batch / $copy")"
