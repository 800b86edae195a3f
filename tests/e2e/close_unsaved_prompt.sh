#!/usr/bin/env bash
# Closing with unsaved typing shows the exit prompt and keeps the window; its "Нет" ends the
# program without saving.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init close_unsaved_prompt
e2e_settings shirina=0

e2e_start
e2e_wait_window
sleep 1
xdotool type --delay 60 "unsaved"
e2e_click $E2E_CLOSE
e2e_wait_windows 2
sleep 0.8
prompt=$(e2e_windows | grep -v "^$E2E_WIN$" | head -1)
eval "$(xdotool getwindowgeometry --shell "$prompt")"
[ "$WIDTH" -eq 261 ] && [ "$HEIGHT" -eq 109 ] || e2e_fail "prompt is ${WIDTH}x${HEIGHT}"
e2e_shot prompt
kill -0 "$E2E_APP" || e2e_fail "the program ended instead of asking"
e2e_prompt_no
e2e_wait_exit 10
echo "ok: exit prompt, then no"
