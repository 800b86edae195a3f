#!/usr/bin/env bash
# "Настройка" opens the settings window; clearing the clock and the ruler hides them at once,
# two clicks on the size arrow make it 12, "Выход" writes the file and closes the window. After a
# restart the clock and the ruler stay hidden. "О программе" opens the about window and "Х"
# closes it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init settings_window
# A normal window, so that the main window's buttons are where its layout puts them.
e2e_settings shirina=0 clock=1 Ruler=1 razmertext=10

# Settings-window points (its own coordinates): the clock and ruler boxes, the size spinner's
# upper arrow and "Выход".
SETTINGS_CLOCK="16 290"
SETTINGS_RULER="16 318"
SETTINGS_SIZE_UP="162 118"
SETTINGS_EXIT="101 353"
MENU_SETTINGS="412 60"
MENU_ABOUT="588 60"
ABOUT_CLOSE="248 14"
INI="$E2E_PROG/Parametr.ini"

# e2e_other_window: the id of the program's visible window that is not the main window.
e2e_other_window() {
  e2e_windows | grep -vx "$E2E_WIN" | head -1
}

# e2e_click_in WINDOW X Y: a click at a point of another window of the program.
e2e_click_in() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}

# The clock's piece of the main window, as artefact NAME.png.
clock_shot() {
  # shellcheck disable=SC2086
  e2e_crop "$1" $E2E_CLOCK
}

# The left part of the ruler (the settings window covers the rest; the first pixels are where
# the editor's caret blinks once the ruler is gone), as artefact NAME.png.
ruler_shot() {
  e2e_crop "$1" 24 121 226 25
}

# differ A B: true when the two artefacts differ in any pixel.
differ() {
  ! compare -metric AE "$E2E_ART/$1.png" "$E2E_ART/$2.png" null: 2>"$E2E_WORK/diff"
}

e2e_start
e2e_wait_window
sleep 1.5
e2e_shot main_before
clock_shot clock_before
ruler_shot ruler_before

# shellcheck disable=SC2086
e2e_click $MENU_SETTINGS
e2e_wait_windows 2
sleep 1  # the opening animation
SETTINGS=$(e2e_other_window)
eval "$(xdotool getwindowgeometry --shell "$SETTINGS" | sed 's/^/S_/')"
[ "$S_WIDTH" -eq 204 ] && [ "$S_HEIGHT" -eq 372 ] ||
  e2e_fail "settings window ${S_WIDTH}x${S_HEIGHT}, not 204x372"
[ "$S_X" -eq $(((1280 - 204) / 2)) ] && [ "$S_Y" -eq $(((1024 - 372) / 2)) ] ||
  e2e_fail "settings window at $S_X,$S_Y, not centred"
import -window root -crop "204x372+$S_X+$S_Y" "$E2E_ART/settings_opened.png"

# shellcheck disable=SC2086
e2e_click_in "$SETTINGS" $SETTINGS_CLOCK
sleep 0.3
# shellcheck disable=SC2086
e2e_click_in "$SETTINGS" $SETTINGS_RULER
sleep 0.3
# shellcheck disable=SC2086
e2e_click_in "$SETTINGS" $SETTINGS_SIZE_UP
sleep 0.3
# shellcheck disable=SC2086
e2e_click_in "$SETTINGS" $SETTINGS_SIZE_UP
sleep 0.5
import -window root -crop "204x372+$S_X+$S_Y" "$E2E_ART/settings_changed.png"
e2e_shot main_with_settings
clock_shot clock_hidden_at_once
ruler_shot ruler_hidden_at_once
differ clock_before clock_hidden_at_once || e2e_fail "the clock still shows after its box was cleared"
differ ruler_before ruler_hidden_at_once || e2e_fail "the ruler still shows after its box was cleared"

# shellcheck disable=SC2086
e2e_click_in "$SETTINGS" $SETTINGS_EXIT
e2e_wait_windows 1
grep -q $'^clock=0\r$' "$INI" || e2e_fail "clock=0 not saved: $(cat -A "$INI")"
grep -q $'^Ruler=0\r$' "$INI" || e2e_fail "Ruler=0 not saved: $(cat -A "$INI")"
grep -q $'^razmertext=12\r$' "$INI" || e2e_fail "razmertext=12 not saved: $(cat -A "$INI")"
# The face the file had stays, even where the desktop's font list does not offer it.
grep -q $'^shrift=Arial\r$' "$INI" || e2e_fail "the face was lost: $(cat -A "$INI")"
e2e_close

# The choices hold after a restart.
e2e_start
e2e_wait_window
sleep 1.5
e2e_shot main_after_restart
clock_shot clock_after_restart
ruler_shot ruler_after_restart
differ clock_hidden_at_once clock_after_restart && e2e_fail "the clock's place differs after the restart"
differ ruler_hidden_at_once ruler_after_restart && e2e_fail "the ruler's place differs after the restart"

# The about window, and "Х".
# shellcheck disable=SC2086
e2e_click $MENU_ABOUT
e2e_wait_windows 2
sleep 0.5
ABOUT=$(e2e_other_window)
eval "$(xdotool getwindowgeometry --shell "$ABOUT" | sed 's/^/A_/')"
[ "$A_WIDTH" -eq 265 ] && [ "$A_HEIGHT" -eq 224 ] ||
  e2e_fail "about window ${A_WIDTH}x${A_HEIGHT}, not 265x224"
import -window root -crop "265x224+$A_X+$A_Y" "$E2E_ART/about.png"
# shellcheck disable=SC2086
e2e_click_in "$ABOUT" $ABOUT_CLOSE
e2e_wait_windows 1
e2e_close
echo "ok: settings window and about window"
