#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor: scripts/run-editor.sh [FILE]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/deps.sh"
BUILD_TARGETS=tarvik bash "$here/scripts/build.sh" -DTARVIK_TESTS=OFF -DTARVIK_BENCH=OFF
exec "$here/build/app/tarvik" "$@"
