#!/usr/bin/env bash
# Installs what building and running the editor need (nothing of the tests), builds it and
# starts it: scripts/run-editor.sh [FILE]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh" run
# A build folder of its own: switching the tests off in build/ would stay in its cache and leave
# the test command without tests.
export BUILD_DIR=${BUILD_DIR:-build-editor}
BUILD_TARGETS=tarvik bash "$here/scripts/build.sh" -DTARVIK_TESTS=OFF -DTARVIK_BENCH=OFF
exec "$here/$BUILD_DIR/app/tarvik" "$@"
