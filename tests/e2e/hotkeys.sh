# An item's hotkey starts it, also while the window is hidden to the tray; Ctrl+Shift+J shows
# the window on its first press, hides it on the second and shows it again on the third.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
write_items "Marker Program|mp|Ctrl|F9|writes a marker|$(winpath "$e2e_helpers/marker.exe")"
write_catalogs "Tools|$(guid)|0"
start_program
focus "$main_window"
keys ctrl+F9
wait_for_file "$marker" 20 || fail "the item's hotkey started nothing"

keys ctrl+shift+j
sleep 1
main_visible || fail "the first Ctrl+Shift+J hid the window instead of showing it"
keys ctrl+shift+j
wait_until 5 eval '! main_visible' || fail "the second Ctrl+Shift+J did not hide the window"

focus_tray
before=$(wc -l <"$marker")
keys ctrl+F9
wait_until 10 eval '[ "$(wc -l <"$marker")" -gt "$before" ]' || fail "the hotkey did nothing while the window was hidden"
main_visible && fail "starting an item showed the hidden window"
# The started program may have taken the focus from Wine's windows meanwhile.
focus_tray
keys ctrl+shift+j
wait_for_window '^Tavimoreth$' 10 >/dev/null || fail "the third Ctrl+Shift+J did not show the window"
echo "PASS: hotkeys start items and toggle the window"
