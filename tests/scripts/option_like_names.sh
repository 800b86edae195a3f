#!/usr/bin/env bash
# A document whose name looks like one of the toolkit's own options (-reverse, -style) is still
# the document to open: the program reads its arguments from the untouched command line. The
# editor runs headless for a few seconds under strace, which shows whether it tried to open the
# file of that name. Args: BUILD_DIR SAMPLES_DIR.
set -uo pipefail
build=$(cd "${1:?build dir}" && pwd)
tarvik="$build/app/tarvik"
[ -x "$tarvik" ] || { echo "$tarvik not built"; exit 1; }
if ! command -v strace >/dev/null; then
  [ "${TARVIK_REQUIRE_ALL:-}" = 1 ] && { echo "strace not installed (required here)"; exit 1; }
  echo "strace not installed: skipped"
  exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0
checks=0
for name in -reverse -style -stylesheet -widgetcount; do
  checks=$((checks + 1))
  printf '{\\rtf1 named %s\\par}' "$name" > "./$name"
  rm -f trace.txt
  QT_QPA_PLATFORM=offscreen strace -f -e trace=openat -o trace.txt "$tarvik" "$name" \
    > out.txt 2>&1 &
  pid=$!
  # The editor stays open: wait until it has tried the file (at most ten seconds), then end it.
  opened=0
  for _ in $(seq 1 50); do
    if grep -q "openat(AT_FDCWD, \"$name\"" trace.txt 2>/dev/null; then
      opened=1
      break
    fi
    sleep 0.2
  done
  # End the editor itself; strace then ends with it.
  for child in $(pgrep -P "$pid"); do kill "$child" 2>/dev/null; done
  wait "$pid" 2>/dev/null
  if [ "$opened" -ne 1 ]; then
    echo "FAIL: the document \"$name\" was not opened"
    failures=$((failures + 1))
  fi
done
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
