#!/usr/bin/env bash
# Renders the window's dialogs into docs/screenshots/NAME.png, offscreen, with
# a settings folder of its own so the user's settings are neither read nor
# changed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/screenshots}

# BUILD may name an existing build folder; a new one is configured without the tests.
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORIN_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target quorin_screenshots >/dev/null

settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen \
  "$build/window/quorin_screenshots" "$root/docs/screenshots"
