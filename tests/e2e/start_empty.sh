#!/usr/bin/env bash
# Started without an argument the editor opens at its design size in the middle of the screen,
# empty, with the keyboard focus in the editing area and the clock running; the toolbar's save
# asks for a name and writes what was typed as RTF.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init start_empty
e2e_settings shirina=0 clock=1

e2e_start
e2e_wait_window
sleep 1
e2e_geometry
[ "$E2E_W" -eq 745 ] && [ "$E2E_H" -eq 498 ] || e2e_fail "window ${E2E_W}x${E2E_H}, not 745x498"
[ "$E2E_X" -eq $(((1280 - 745) / 2)) ] && [ "$E2E_Y" -eq $(((1024 - 498) / 2)) ] ||
  e2e_fail "window at ${E2E_X},${E2E_Y}, not centred"
e2e_shot window

read -r cx cy cw ch <<<"$E2E_CLOCK"
e2e_crop clock1 "$cx" "$cy" "$cw" "$ch"
sleep 2.2
e2e_crop clock2 "$cx" "$cy" "$cw" "$ch"
cmp -s "$E2E_ART/clock1.png" "$E2E_ART/clock2.png" && e2e_fail "the clock does not run"

xdotool type --delay 60 "hello e2e"
e2e_click $E2E_TOOL_SAVE
e2e_wait_windows 2
sleep 0.5
xdotool type --delay 30 "$E2E_WORK/docs/typed.txt"
xdotool key Return
for i in $(seq 50); do [ -s "$E2E_WORK/docs/typed.txt" ] && break; sleep 0.1; done
saved=$(cat "$E2E_WORK/docs/typed.txt" 2>/dev/null || true)
[[ $saved == "{\\rtf1"* ]] || e2e_fail "typed.txt does not hold RTF: ${saved:0:60}"
[[ $saved == *"hello e2e"* ]] || e2e_fail "typed.txt lacks the typed text (focus not in the editor?)"
e2e_wait_windows 1
e2e_close
echo "ok: empty start, focus, clock, save as RTF"
