# Ctrl+Shift+A with text on the clipboard opens the add-item dialog; OK adds a clipboard item
# to the chosen catalog on disk, and starting that item puts the text back on the clipboard.
source "$(dirname "$0")/e2e.sh"
prepare_install
notes=$(guid)
write_items
# A present but empty index list: the new index is appended after a comma.
write_catalogs "Notes|$notes|"
helper clip set "captured by the e2e test"
start_program
capture_clip_note
grep -q '\.stx' "$e2e_install/Shortcut2.dat" || fail "the captured item does not name its snapshot"
ls "$e2e_install"/Data/*.stx >/dev/null 2>&1 || fail "no snapshot file in Data"
grep -q "|Notes|$notes|,0$" "$e2e_install/Shortcut2.clg" || fail "the catalog did not get the item: $(cat "$e2e_install/Shortcut2.clg")"

helper clip set "something else"
focus "$main_window"
type_text "CN"
keys Return
clip_is() { [ "$(helper clip get)" = "$1" ]; }
wait_until 10 clip_is "captured by the e2e test" || fail "starting the clipboard item did not put the text back"
echo "PASS: the capture became a clipboard item that restores the text"
