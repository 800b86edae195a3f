#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60), starting from
# the sample files and the corpus kept under fuzz/corpus/NAME.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
seconds=${1:-60}
export QT_QPA_PLATFORM=offscreen
bash scripts/deps.sh
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CXX=clang++ CC=clang cmake -S . -B build-fuzz -G Ninja "${launcher[@]}" -DTARVIK_FUZZ=ON -DTARVIK_WERROR=OFF \
  -DTARVIK_TESTS=OFF -DTARVIK_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
targets=$(cd fuzz && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' || true)
[ -n "$targets" ] || { echo "no fuzz targets"; exit 0; }
cmake --build build-fuzz --target $(printf 'fuzz_%s ' $targets)
for t in $targets; do
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/$t" ] && cp -r "fuzz/corpus/$t/." "$corpus/"
  echo "== fuzz_$t for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=0 ./build-fuzz/fuzz/fuzz_$t -max_total_time="$seconds" \
    -max_len=65536 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>&1 | tail -15
  rm -rf "$corpus"
done
