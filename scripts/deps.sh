#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the GUI need, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  nlohmann-json3-dev python3-jsonschema
  libgtest-dev libbenchmark-dev
  libxlsxwriter-dev
  libreoffice-calc-nogui libreoffice-writer-nogui
  fonts-noto-cjk
  qt6-translations-l10n
  dpkg-dev
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
