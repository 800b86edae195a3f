#!/usr/bin/env bash
# Builds the Debian package of the editor: scripts/package.sh [BUILD_DIR]
# Installs what is missing (scripts/deps.sh package), makes a Release build in BUILD_DIR
# (default build-package/) and packs it there with CPack; the last line printed is the path of
# the .deb. Install it with: sudo apt install ./tarvik_VERSION_ARCH.deb
# TARVIK_SKIP_DEPS=1 leaves the installed packages alone (the package test sets it).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
[ "${TARVIK_SKIP_DEPS:-0}" = 1 ] || bash scripts/deps.sh package
dir=${1:-build-package}
# The packager's build: Release, every program of the project (the package holds the editor;
# the tools are built too so the whole release is proven free of warnings), no tests.
BUILD_DIR=$dir bash scripts/build.sh -DCMAKE_BUILD_TYPE=Release \
  -DTARVIK_TESTS=OFF -DTARVIK_BENCH=OFF -DTARVIK_FUZZ=OFF -DTARVIK_WERROR=ON
cd "$dir"
rm -f tarvik_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
deb=$(ls "$PWD"/tarvik_*.deb)
echo "$deb"
