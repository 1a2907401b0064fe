#!/usr/bin/env bash
# Builds the Debian package (build/package/quorin_VERSION_ARCH.deb) from a
# clean Release build without tests, benchmarks or fuzzing programs, with
# Debian's hardening flags, and prints its path.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/install-deps.sh" --package
build="$root/build/package"
rm -rf "$build"

# Debian's hardening flags, all of them (bindnow too). The compiler reads no
# CPPFLAGS from the environment: the fortify define goes with the rest.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export CXXFLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
# The changelog's date, and so the package, follows the sources rather than the clock.
SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)"
export SOURCE_DATE_EPOCH
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

{
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORIN_BUILD_TESTS=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr "${launcher[@]}"
  cmake --build "$build" -j "$(nproc)"
  (cd "$build" && cpack -G DEB)
} >&2
ls "$build"/quorin_*.deb
