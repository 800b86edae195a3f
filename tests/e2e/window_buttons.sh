#!/usr/bin/env bash
# The title bar's buttons maximise, restore and minimise the window.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init window_buttons
e2e_settings shirina=0

e2e_start
e2e_wait_window
sleep 1
e2e_click $E2E_MAXIMISE
sleep 1
e2e_geometry
[ "$E2E_W" -eq 1280 ] && [ "$E2E_H" -eq 1024 ] || e2e_fail "maximised to ${E2E_W}x${E2E_H}"
e2e_shot maximised
# The buttons move with the right edge when maximised: restore sits 22 pixels left of maximise.
read -r mx my <<<"$E2E_MAXIMISE"
e2e_click $((1280 - 745 + mx - 22)) "$my"
sleep 1
e2e_geometry
[ "$E2E_W" -eq 745 ] && [ "$E2E_H" -eq 498 ] || e2e_fail "restored to ${E2E_W}x${E2E_H}"
e2e_click $E2E_MINIMISE
sleep 1
state=$(xprop -id "$E2E_WIN" WM_STATE 2>/dev/null || true)
[[ $state == *"Iconic"* ]] || e2e_fail "not minimised: $state"
xdotool windowmap "$E2E_WIN" windowactivate "$E2E_WIN" 2>/dev/null || true
sleep 1
e2e_close
echo "ok: maximise, restore, minimise"
