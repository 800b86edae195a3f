#!/usr/bin/env bash
# Installs the Debian packages the editor, its tests and its tools need, when any is missing.
set -euo pipefail
packages=(
  # build
  cmake g++ ninja-build ccache pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
  libgtest-dev libgmock-dev libbenchmark-dev libgif-dev
  # run: fonts with the metrics of the classic faces, Qt's Russian translation
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
  # headless and end-to-end tests, interop, fuzzing
  xvfb openbox xdotool x11-utils imagemagick poppler-utils libreoffice-writer-nogui strace
  clang libclang-rt-14-dev
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
