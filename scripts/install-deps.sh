#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Zarion need,
# but only when one of them is missing, so repeated runs cost nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6printsupport6 qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libsqlite3-dev sqlite3
  libxlsxwriter-dev
  libxml2-dev
  nlohmann-json3-dev
  libsodium-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xvfb xauth fonts-dejavu-core fonts-dejavu-extra poppler-utils unzip
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
