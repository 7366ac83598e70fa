#!/usr/bin/env bash
# Installs every Debian package the gauge needs to build, test and demo. Safe to run again.
set -euo pipefail

packages=(
  clang cmake g++ libclang-rt-14-dev make ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-tools-dev qt6-l10n-tools
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fontconfig fonts-dejavu-core fonts-dejavu-extra locales-all clang-format
  python3 python3-pyftpdlib curl libcurl4-openssl-dev openssl libsqlite3-dev sqlite3
  xvfb xauth x11-apps x11-utils imagemagick poppler-utils xdotool
  dbus at-spi2-core python3-pyatspi dunst
  appstream desktop-file-utils dpkg-dev lintian man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
