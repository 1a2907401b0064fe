#!/usr/bin/env bash
# Installs the Debian packages that building (with --package, building the
# Debian package; with --test, testing, the package's checks included) needs,
# when they are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

packages=(g++ cmake make pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
          qt6-translations-l10n libqt6svg6 libfontconfig-dev fontconfig help2man libwpd-dev librevenge-dev)
if [[ "${1:-}" == "--package" || "${1:-}" == "--test" ]]; then
  packages+=(dpkg-dev file librsvg2-bin)
fi
if [[ "${1:-}" == "--test" ]]; then
  packages+=(lintian appstream libgtest-dev libgmock-dev clang libclang-rt-14-dev
             libreoffice-writer-nogui fonts-dejavu-core fonts-noto-core
             parallel poppler-utils abiword xvfb xdotool desktop-file-utils unicode-data)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[[ $(id -u) -ne 0 ]] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
