#!/usr/bin/env bash
# Builds the Debian package (tools/package.sh) and checks it without
# installing it: its name, control fields and file list, lintian, the AppStream
# metainfo, the desktop entry and the unpacked program itself. Given a .deb,
# checks that one instead of building. Exits non-zero on the first failure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/install-deps.sh" --test

fail() { echo "check-package: $*" >&2; exit 1; }

deb="${1:-$("$root/tools/package.sh")}"
[[ -f "$deb" ]] || fail "no package at $deb"
version="$(sed -n 's/^project(Quorin VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
arch="$(dpkg --print-architecture)"
[[ "$(basename "$deb")" == "quorin_${version}_${arch}.deb" ]] ||
  fail "$(basename "$deb") is not named quorin_${version}_${arch}.deb"

echo "== Control fields"
field() { dpkg-deb -f "$deb" "$1"; }
[[ "$(field Package)" == quorin ]] || fail "Package is '$(field Package)'"
[[ "$(field Version)" == "$version" ]] || fail "Version is '$(field Version)', not $version"
[[ "$(field Architecture)" == "$arch" ]] || fail "Architecture is '$(field Architecture)'"
[[ "$(field Recommends)" == "libreoffice-writer-nogui | libreoffice-writer"*qt6-translations-l10n* ]] ||
  fail "Recommends is '$(field Recommends)'"
for field in Maintainer Section Homepage Description; do
  [[ -n "$(field "$field")" ]] || fail "no $field"
done
# dpkg-shlibdeps writes the libraries the program links, each with the
# version it needs.
depends="$(field Depends)"
echo "Depends: $depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libfontconfig1; do
  tr ',' '\n' <<<"$depends" | grep -q "^ *$library (>= " || fail "Depends lacks $library (>= ...)"
done

echo "== Files"
listing="$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|')"
expected=(/usr/bin/quorin /usr/share/man/man1/quorin.1.gz /usr/share/applications/quorin.desktop
          /usr/share/icons/hicolor/scalable/apps/quorin.svg /usr/share/metainfo/example.ardenwick.quorin.metainfo.xml
          /usr/share/doc/quorin/manual.html /usr/share/doc/quorin/copyright /usr/share/doc/quorin/changelog.gz)
sizes=(16 24 32 48 64 128 256)
for size in "${sizes[@]}"; do expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/quorin.png"); done
for path in "${expected[@]}"; do
  grep -qxF "$path" <<<"$listing" || fail "the package lacks $path"
done
# Nothing but the program in /usr/bin (no tests, benchmarks or fuzzers), and
# nothing outside /usr/bin and /usr/share (such as /usr/local).
stray="$(grep -v -e '/$' -e '^/usr/bin/quorin$' -e '^/usr/share/' <<<"$listing" || true)"
[[ -z "$stray" ]] || fail "files the package should not hold: $stray"
dpkg-deb -c "$deb" | awk '$2 != "root/root" {bad = 1; print} END {exit bad}' >&2 ||
  fail "files not owned by root"

unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
usr="$unpacked/usr"
for size in "${sizes[@]}"; do
  file -b "$usr/share/icons/hicolor/${size}x${size}/apps/quorin.png" | grep -q "^PNG image data, $size x $size," ||
    fail "the ${size}x${size} icon is $(file -b "$usr/share/icons/hicolor/${size}x${size}/apps/quorin.png")"
done
file -b "$usr/bin/quorin" | grep -q ', stripped' || fail "/usr/bin/quorin is not stripped"
"$usr/bin/quorin" --version | grep -qF " $version" || fail "quorin --version does not say $version"
zcat "$usr/share/man/man1/quorin.1.gz" | grep -q '^\.SH NAME' || fail "the man page has no NAME section"
# The installed program looks for its manual where the package puts it (the
# path may be held as UTF-8 or UTF-16).
{ strings -a "$usr/bin/quorin"; strings -a -el "$usr/bin/quorin"; } | grep -qxF /usr/share/doc/quorin/manual.html ||
  fail "quorin looks for its manual elsewhere than /usr/share/doc/quorin/manual.html"
# Nothing of the machine that built it: no path into the source or build tree.
! { strings -a "$usr/bin/quorin"; strings -a -el "$usr/bin/quorin"; } | grep -qF "$root/" ||
  fail "quorin holds a path of the machine that built it ($root)"

echo "== Desktop entry and AppStream metainfo"
desktop="$usr/share/applications/quorin.desktop"
metainfo="$usr/share/metainfo/example.ardenwick.quorin.metainfo.xml"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
# The software centre must offer the program for the types its menu entry opens.
entry_types="$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)"
metainfo_types="$(sed -n 's|.*<mediatype>\(.*\)</mediatype>.*|\1|p' "$metainfo" | sort)"
[[ -n "$entry_types" && "$entry_types" == "$metainfo_types" ]] ||
  fail "the metainfo's media types differ from the desktop entry's"
grep -qF '<launchable type="desktop-id">quorin.desktop</launchable>' "$metainfo" ||
  fail "the metainfo does not launch quorin.desktop"
grep -qxF 'Icon=quorin' "$desktop" || fail "the desktop entry does not name the quorin icon"

echo "== lintian"
# Warnings fail the check too. (Lintian's notes are shown but pass: the
# spelling it notes, "occured", is the program's own message, word for word.)
lintian --fail-on error,warning --display-info "$deb"

echo "check-package: $(basename "$deb") passed"
