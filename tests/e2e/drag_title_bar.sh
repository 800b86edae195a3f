#!/usr/bin/env bash
# Dragging the title bar moves the window; pressing on the emblem does not.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init drag_title_bar
e2e_settings shirina=0

e2e_start
e2e_wait_window
sleep 1
e2e_geometry
x0=$E2E_X y0=$E2E_Y
read -r tx ty <<<"$E2E_TITLE_BAR"
xdotool mousemove --window "$E2E_WIN" "$tx" "$ty" mousedown 1
for step in 1 2 3 4 5; do xdotool mousemove_relative -- 20 12; sleep 0.05; done
xdotool mouseup 1
sleep 0.5
e2e_geometry
[ "$E2E_X" -eq $((x0 + 100)) ] && [ "$E2E_Y" -eq $((y0 + 60)) ] ||
  e2e_fail "moved from ${x0},${y0} to ${E2E_X},${E2E_Y}, not by 100,60"
x1=$E2E_X y1=$E2E_Y
xdotool mousemove --window "$E2E_WIN" 32 27 mousedown 1   # the emblem
for step in 1 2 3 4 5; do xdotool mousemove_relative -- 20 12; sleep 0.05; done
xdotool mouseup 1
sleep 0.5
e2e_geometry
[ "$E2E_X" -eq "$x1" ] && [ "$E2E_Y" -eq "$y1" ] || e2e_fail "the emblem dragged the window"
e2e_close
echo "ok: drag by the title bar"
