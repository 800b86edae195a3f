#!/usr/bin/env bash
# A first argument that names no file is ignored: the editor starts empty and says nothing.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init start_missing_file
e2e_settings shirina=0

e2e_start missing.rtf
e2e_wait_window
sleep 1.5
e2e_shot window
[ "$(e2e_windows | wc -l)" -eq 1 ] || e2e_fail "a second window (a message?) appeared"
xdotool type --delay 60 "new"
e2e_click $E2E_TOOL_SAVE
e2e_wait_windows 2   # no name yet, so the save dialog asks
xdotool key Escape
e2e_wait_windows 1
[ ! -e "$E2E_WORK/docs/missing.rtf" ] || e2e_fail "missing.rtf was created"
e2e_close_unsaved
echo "ok: missing file ignored silently"
