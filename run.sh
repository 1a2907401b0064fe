#!/usr/bin/env bash
# Builds Quorin (Release) when needed and runs it: ./run.sh ARGS
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/tools/install-deps.sh"
mkdir -p "$root/build"
build="$root/build/release"
{
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORIN_BUILD_TESTS=OFF
  cmake --build "$build" --target quorin -j "$(nproc)"
} > "$build.log" 2>&1 || { mkdir -p "$(dirname "$build")"; cat "$build.log" >&2; exit 2; }
exec "$build/main/quorin" "$@"
