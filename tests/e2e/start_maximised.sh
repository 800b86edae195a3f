#!/usr/bin/env bash
# With "shirina" = 1 in the settings file the editor opens maximised, with the clock and the
# ruler hidden when "clock" and "Ruler" are 0.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init start_maximised
e2e_settings shirina=1 clock=0 Ruler=0

e2e_start
e2e_wait_window
sleep 1.5
e2e_geometry
[ "$E2E_W" -eq 1280 ] && [ "$E2E_H" -eq 1024 ] || e2e_fail "window ${E2E_W}x${E2E_H}, not maximised"
e2e_shot window
e2e_close
echo "ok: maximised start"
