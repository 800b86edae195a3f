#!/usr/bin/env bash
# The command-line tools given what a user may hand them: a folder, a named pipe, an endless
# device, a missing file, a damaged RTF, an output device that is full, an output file whose
# write fails or is killed half-way. Each gets a message naming the file and the reason, a
# failing exit status, and an existing output file stays byte-identical unless replaced whole.
# Args: BUILD_DIR SAMPLES_DIR.
set -uo pipefail
build=${1:?build dir}
rtfdump="$build/tools/rtfdump"
rtfconv="$build/tools/rtfconv"
gifdump="$build/tools/gifdump"
for tool in "$rtfdump" "$rtfconv" "$gifdump"; do
  [ -x "$tool" ] || { echo "$tool not built"; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0

# expect NAME STATUS MESSAGE -- COMMAND...: the command must exit with STATUS and print MESSAGE
# (a fixed string) on stderr, within ten seconds.
expect() {
  local name=$1 status=$2 message=$3
  shift 4
  checks=$((checks + 1))
  timeout 10 "$@" > "$work/stdout" 2> "$work/err"
  local got=$?
  if [ "$got" -ne "$status" ] || ! grep -qF -- "$message" "$work/err"; then
    echo "FAIL $name: status $got (want $status), stderr:"
    sed 's/^/    /' "$work/err"
    echo "    wanted: $message"
    failures=$((failures + 1))
  fi
}

# same NAME FILE EXPECTED_FILE: FILE must hold exactly what EXPECTED_FILE holds.
same() {
  checks=$((checks + 1))
  if ! cmp -s "$2" "$3"; then
    echo "FAIL $1: $2 changed"
    failures=$((failures + 1))
  fi
}

mkdir "$work/folder.rtf"
mkfifo "$work/pipe.rtf"
printf '{\\rtf1 The good old document.\\par}' > "$work/old.rtf"
cp "$work/old.rtf" "$work/keep.rtf"
printf '{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 cut off' > "$work/damaged.rtf"
printf '{\\rtf1 fine\\par}' > "$work/fine.rtf"

for tool in "$rtfdump" "$rtfconv" "$gifdump"; do
  t=$(basename "$tool")
  second=("$work/x.out")
  [ "$t" = rtfdump ] && second=()
  expect "$t folder" 1 "Cannot open file \"$work/folder.rtf\". Is a directory" -- \
    "$tool" "$work/folder.rtf" "${second[@]}"
  expect "$t pipe" 1 "Cannot open file \"$work/pipe.rtf\". Not a regular file" -- \
    "$tool" "$work/pipe.rtf" "${second[@]}"
  expect "$t zero" 1 "Cannot open file \"/dev/zero\". Not a regular file" -- \
    "$tool" /dev/zero "${second[@]}"
  expect "$t missing" 1 "Cannot open file \"$work/none.rtf\". No such file or directory" -- \
    "$tool" "$work/none.rtf" "${second[@]}"
done

# rtfdump's two forms take the same argument place.
expect "rtfdump --chars pipe" 1 "Not a regular file" -- "$rtfdump" "$work/pipe.rtf" --chars

# A damaged RTF: both tools say so and go on with what could be read.
expect "rtfdump damaged" 0 "warning: damaged RTF (truncated=1" -- "$rtfdump" "$work/damaged.rtf"
expect "rtfconv damaged" 0 "warning: damaged RTF (truncated=1" -- \
  "$rtfconv" "$work/damaged.rtf" "$work/repaired.rtf"
grep -q 'cut off' "$work/repaired.rtf" || { echo "FAIL rtfconv damaged: text lost"; failures=$((failures + 1)); }

# Output that cannot be written.
expect "rtfconv full device" 1 "Stream write error: \"/dev/full\". No space left on device" -- \
  "$rtfconv" "$work/fine.rtf" /dev/full
expect "rtfdump full device" 1 "rtfdump: Cannot write the output. No space left on device" -- \
  bash -c "\"$rtfdump\" \"$work/fine.rtf\" > /dev/full"
expect "rtfconv into a folder" 1 "Cannot create file \"$work/folder.rtf\". Is a directory" -- \
  "$rtfconv" "$work/fine.rtf" "$work/folder.rtf"
expect "rtfconv nowhere" 1 "Cannot create file \"$work/no/such.rtf\". No such file or directory" -- \
  "$rtfconv" "$work/fine.rtf" "$work/no/such.rtf"

# A large document whose output the system refuses half-way (a file size limit, as a full disk
# does): the old output stays as it was, and nothing is left beside it.
mkdir "$work/out"
cp "$work/old.rtf" "$work/out/doc.rtf"
# large_rtf LINES: an RTF document of that many numbered paragraphs.
large_rtf() {
  printf '{\\rtf1 '
  seq 1 "$1" | sed 's/.*/A line of the large document, number &.\\par/'
  printf '}'
}
large_rtf 3000 > "$work/large.rtf"
expect "rtfconv write fails" 1 "Stream write error: \"$work/out/doc.rtf\". File too large" -- \
  bash -c "trap '' XFSZ; ulimit -f 16; exec \"$rtfconv\" \"$work/large.rtf\" \"$work/out/doc.rtf\""
same "rtfconv write fails" "$work/out/doc.rtf" "$work/keep.rtf"
[ "$(ls -A "$work/out")" = "doc.rtf" ] || { echo "FAIL: left behind: $(ls -A "$work/out")"; failures=$((failures + 1)); }

# The same on a file system that is really full, where this machine lets us make one.
if unshare -m true 2>/dev/null; then
  checks=$((checks + 1))
  if ! unshare -m bash -c "
      set -e
      mount -t tmpfs -o size=64k tmpfs '$work/out'
      cp '$work/keep.rtf' '$work/out/doc.rtf'
      if '$rtfconv' '$work/large.rtf' '$work/out/doc.rtf' 2> '$work/err'; then exit 1; fi
      grep -qF 'No space left on device' '$work/err'
      cmp -s '$work/out/doc.rtf' '$work/keep.rtf'
      [ \"\$(ls -A '$work/out')\" = doc.rtf ]"; then
    echo "FAIL rtfconv on a full file system: $(cat "$work/err")"
    failures=$((failures + 1))
  fi
else
  echo "note: no private mounts here; the full-disk case ran through the file size limit only"
fi

# A converter killed while it writes leaves either the old output or the complete new one.
large_rtf 400000 > "$work/huge.rtf"
"$rtfconv" "$work/huge.rtf" "$work/new.rtf" || { echo "FAIL converting the huge file"; failures=$((failures + 1)); }
for delay in 0.01 0.05 0.1 0.2; do
  checks=$((checks + 1))
  cp "$work/keep.rtf" "$work/out/doc.rtf"
  "$rtfconv" "$work/huge.rtf" "$work/out/doc.rtf" &
  pid=$!
  sleep "$delay"
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if ! cmp -s "$work/out/doc.rtf" "$work/keep.rtf" && ! cmp -s "$work/out/doc.rtf" "$work/new.rtf"; then
    echo "FAIL killed after $delay s: the output is neither the old file nor the new one"
    failures=$((failures + 1))
  fi
done

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
