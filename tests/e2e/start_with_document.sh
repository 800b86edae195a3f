#!/usr/bin/env bash
# Started with a document the editor loads it; the document keeps its name, so the toolbar's
# save writes it back to the same file without asking.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/main_window.inc"
e2e_init start_with_document
e2e_settings shirina=0

cat >"$E2E_WORK/docs/letter.rtf" <<'DOC'
{\rtf1\ansi\ansicpg1251\deff0{\fonttbl{\f0\fswiss\fcharset204 Arial;}}
\pard\f0\fs28 \'cf\'f0\'e8\'e2\'e5\'f2, \b Tarvik\b0 !\par
}
DOC
e2e_start letter.rtf
e2e_wait_window
sleep 1
e2e_shot window
e2e_click $E2E_TOOL_SAVE
sleep 1.5
[ "$(e2e_windows | wc -l)" -eq 1 ] || e2e_fail "the save asked for a name"
saved=$(cat "$E2E_WORK/docs/letter.rtf")
[[ $saved == *"\\viewkind4"* ]] || e2e_fail "letter.rtf was not written by the editor"
[[ $saved == *"\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2, "* ]] || e2e_fail "the Cyrillic text is missing"
[[ $saved == *"\\b Tarvik"* ]] || e2e_fail "the bold word is missing"
e2e_close
echo "ok: document loaded and saved back under its name"
