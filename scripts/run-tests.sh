#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless.
#   scripts/run-tests.sh              the ordinary build (build/)
#   scripts/run-tests.sh --sanitize   the same suite under AddressSanitizer + UBSan (build-asan/)
#   scripts/run-tests.sh --release    only builds the optimised release and its Debian package
#                                     (build-release/), proving the release free of warnings
# Warnings are errors here, unlike in a plain cmake build. With TARVIK_REQUIRE_ALL=1 (CI sets
# it) a test that lacks a tool or the samples fails instead of skipping.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
bash scripts/deps.sh
export QT_QPA_PLATFORM=offscreen QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=96
if [ "${1:-}" = "--sanitize" ]; then
  export BUILD_DIR=build-asan
  export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  bash scripts/build.sh -DTARVIK_WERROR=ON -DTARVIK_SANITIZE=ON -DTARVIK_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=Debug
  # The script tests drive the ordinary build; the sanitizer run is for the unit suites.
  ctest --test-dir build-asan --output-on-failure -j2 -LE script
elif [ "${1:-}" = "--release" ]; then
  # The packager's optimised build and the Debian package made from it (build-release/).
  TARVIK_SKIP_DEPS=1 bash scripts/package.sh build-release
else
  export BUILD_DIR=build
  bash scripts/build.sh -DTARVIK_WERROR=ON
  ctest --test-dir build --output-on-failure -j2
fi
