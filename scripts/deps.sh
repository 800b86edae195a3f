#!/usr/bin/env bash
# Installs the Debian packages one job needs, when any is missing:
#   scripts/deps.sh run       building and running the editor
#   scripts/deps.sh package   the same and the Debian packaging tools (scripts/package.sh)
#   scripts/deps.sh test      everything: the tests, benchmarks, fuzzers, interop and end-to-end
#                             runs, the package test (the default)
set -euo pipefail
mode=${1:-test}
run=(
  # build
  cmake g++ ninja-build pkg-config qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev
  # run: fonts with the metrics of the classic faces, Qt's Russian translation
  fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
)
package=(
  # dpkg-shlibdeps works out the package's library dependencies; CPack needs file to find them
  dpkg-dev file
)
test=(
  ccache libgtest-dev libgmock-dev libbenchmark-dev libgif-dev libx11-dev
  # headless and end-to-end tests, interop, fuzzing
  xvfb openbox xdotool x11-utils imagemagick poppler-utils libreoffice-writer-nogui strace
  clang libclang-rt-14-dev
  # the package test: installing into a private root, checking the desktop entry and MIME data
  fakeroot desktop-file-utils shared-mime-info
)
case "$mode" in
  run) packages=("${run[@]}") ;;
  package) packages=("${run[@]}" "${package[@]}") ;;
  test) packages=("${run[@]}" "${package[@]}" "${test[@]}") ;;
  *)
    echo "usage: $0 [run|package|test]" >&2
    exit 2
    ;;
esac
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
