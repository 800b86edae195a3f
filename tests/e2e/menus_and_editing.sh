#!/usr/bin/env bash
# The menus with the mouse: each of the four popup menus and the editor's context menu opens
# (screenshots kept), the insert menu adds the date, the find dialog selects a word that typing
# then replaces, the ruler's marker indents the paragraph, and the saved RTF holds all of it.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init menus_and_editing
e2e_settings shirina=0 Ruler=1 zvukklava=0 zvukredak=0

# Centres of the menu buttons, in the window at its design size.
MENU_Y=60
MENU_FILE=60
MENU_EDIT=148
MENU_INSERT=236
MENU_TOOLS=324
MENU_FIND=500
EDITOR="300 250"
RULER_LEFT_MARKER="15 137"

open_menu_and_shoot() {
  e2e_click "$1" $MENU_Y
  sleep 0.8
  e2e_shot "menu_$2"
  xdotool key Escape
  sleep 0.4
}

e2e_start
e2e_wait_window
sleep 1.2
e2e_click $EDITOR
xdotool type --delay 40 "hello world"

open_menu_and_shoot $MENU_FILE file
open_menu_and_shoot $MENU_EDIT edit
open_menu_and_shoot $MENU_INSERT insert
open_menu_and_shoot $MENU_TOOLS tools
e2e_click $EDITOR 3
sleep 0.8
e2e_shot menu_context
xdotool key Escape
sleep 0.4

# "Вставка" → "Вставить дату": a new last line with the date.
e2e_click $MENU_INSERT $MENU_Y
sleep 0.8
xdotool key Down Return
sleep 0.5

# "Поиск": the find dialog beside the editor; "world" is found from the start and selected.
e2e_click $MENU_FIND $MENU_Y
sleep 1
e2e_shot find_dialog
xdotool type --delay 40 "world"
xdotool key Return
sleep 0.5
e2e_shot find_found
xdotool key Escape
sleep 0.6
xdotool windowactivate --sync "$E2E_WIN" 2>/dev/null || true
xdotool type --delay 40 "there"

# The left-indent marker dragged 60 pixels to the right, in steps.
read -r rx ry <<<"$RULER_LEFT_MARKER"
xdotool mousemove --window "$E2E_WIN" "$rx" "$ry" mousedown 1
for d in $(seq 4 4 60); do
  xdotool mousemove --window "$E2E_WIN" $((rx + d)) "$ry"
  sleep 0.02
done
xdotool mouseup 1
sleep 0.4
e2e_shot ruler_dragged

# Toolbar "Сохранить": the save dialog asks for the name.
out="$E2E_WORK/docs/out.rtf"
e2e_click $E2E_TOOL_SAVE
sleep 1.5
e2e_shot save_dialog
xdotool type --delay 20 "$out"
xdotool key Return
for i in $(seq 50); do [ -s "$out" ] && break; sleep 0.1; done
[ -s "$out" ] || e2e_fail "nothing saved"
cp "$out" "$E2E_ART/out.rtf"

grep -q "hello there" "$out" || e2e_fail "the found word was not replaced: $(cat "$out")"
if grep -q "world" "$out"; then e2e_fail "world is still in the document"; fi
# The date (the desktop's short format, with the year) went on a new last paragraph.
year=$(date +%Y)
tr -d '\r\n' <"$out" | grep -Eq "hello there\\\\par.*[0-9]+.*(${year}|${year:2:2})\\\\par" ||
  e2e_fail "no date line after the text: $(cat "$out")"
# The first paragraph: indented, the first line where the others start.
first=$(tr -d '\r\n' <"$out" | sed 's/hello there.*//' | grep -o '\\pard[^ ]*.*' | tail -c 400)
li=$(grep -o '\\li[0-9]*' <<<"$first" | tail -1 | tr -dc 0-9 || true)
fi_=$(grep -o '\\fi-\?[0-9]*' <<<"$first" | tail -1 | tr -dc 0-9- || true)
[ -n "$li" ] && [ "$li" -gt 0 ] || e2e_fail "the first paragraph is not indented: $first"
[ -z "$fi_" ] || [ "$fi_" -eq 0 ] || e2e_fail "the first line is not where the others start: $first"
echo "left indent ${li} twips" >"$E2E_ART/indent.txt"

e2e_close
echo "ok: menus, date, find, ruler, saved RTF (left indent $li twips)"
