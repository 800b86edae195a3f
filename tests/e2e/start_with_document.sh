#!/usr/bin/env bash
# The program starts with a document named on the command line, shows a window on the screen,
# and ends cleanly when the window manager closes it.
source "$(dirname "$0")/lib.sh"
e2e_init start_with_document

cat >"$E2E_WORK/docs/letter.rtf" <<'DOC'
{\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fswiss\fcharset204 Arial;}}
\pard\f0\fs28 \'cf\'f0\'e8\'e2\'e5\'f2, \b Tarvik\b0 !\par
}
DOC
e2e_start letter.rtf
e2e_wait_window
sleep 1
e2e_geometry
[ "$E2E_W" -ge 200 ] && [ "$E2E_H" -ge 150 ] || e2e_fail "window too small: ${E2E_W}x${E2E_H}"
e2e_shot window
e2e_close
echo "ok: window ${E2E_W}x${E2E_H} at ${E2E_X},${E2E_Y}"
