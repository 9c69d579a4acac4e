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

visible() { xdotool search --onlyvisible --name '^Tavimoreth$' >/dev/null 2>&1; }
keys ctrl+shift+j
sleep 1
visible || fail "the first Ctrl+Shift+J hid the window instead of showing it"
keys ctrl+shift+j
wait_until 5 eval '! visible' || fail "the second Ctrl+Shift+J did not hide the window"

# Hidden: keys reach Wine while one of its windows has the focus, here the tray's.
tray=$(xdotool search --onlyvisible --class __winex11_standalone_tray 2>/dev/null | head -n1 || true)
[ -n "$tray" ] || tray=$(xdotool search --onlyvisible --name 'Tray' 2>/dev/null | head -n1 || true)
[ -n "$tray" ] || fail "no tray window to give the keys to"
focus "$tray"
before=$(wc -l <"$marker")
keys ctrl+F9
wait_until 10 eval '[ "$(wc -l <"$marker")" -gt "$before" ]' || fail "the hotkey did nothing while the window was hidden"
visible && fail "starting an item showed the hidden window"
# The started program may have taken the focus from Wine's windows meanwhile.
focus "$tray"
keys ctrl+shift+j
wait_for_window '^Tavimoreth$' 10 >/dev/null || fail "the third Ctrl+Shift+J did not show the window"
echo "PASS: hotkeys start items and toggle the window"
