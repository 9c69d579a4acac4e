# A composed item built in the configuration window from two custom commands, created, saved
# with Ok, then started from the main window by its short name: its commands run in order.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
program=$(winpath "$e2e_helpers/marker.exe")
write_items "Placeholder|ph|||kept as it is|C:\\nothing.exe"
write_catalogs "Tools|$(guid)|0"
start_program
open_configuration
press "Items and Catalogs" IDC_CFG_TREE
keys End
press "Items and Catalogs" IDC_CFG_COMPOSED_CHECK
press "Items and Catalogs" IDC_CFG_COMPOSED_NAME
type_text "Morning"
for step in FirstRun SecondRun; do
    press "Items and Catalogs" IDC_CFG_CUSTOM
    info=$(wait_for_window "^Item Info\$" 20) || fail "the custom command window did not open"
    focus "$info"
    press "Item Info" IDC_INFO_NAME
    type_text "Step $step"
    press "Item Info" IDC_INFO_COMMAND
    type_text "$program $step"
    press "Item Info" IDOK
    wait_until 5 eval '! xdotool search --onlyvisible --name "^Item Info\$" >/dev/null 2>&1' ||
        fail "the custom command window stayed open"
done
press "Items and Catalogs" IDC_CFG_COMP_CREATE
press "Items and Catalogs" IDC_CFG_OK
# Ok saves and says so in a message box, whose Ok button has the focus.
for _ in 1 2 3; do
    sleep 1
    xdotool search --onlyvisible --name '^Items and Catalogs$' >/dev/null 2>&1 || break
    keys Return
done
wait_until 10 eval '! xdotool search --onlyvisible --name "^Items and Catalogs\$" >/dev/null 2>&1' ||
    fail "Ok did not close the window"
grep -aq "+ Morning" "$e2e_install/Shortcut2.dat" || fail "the items file does not hold the composed item"

start_by morning
wait_until 20 eval '[ "$(wc -l <"$marker" 2>/dev/null)" -ge 2 ]' || fail "the composed item did not start both commands"
sed -n 1p "$marker" | grep -q 'FirstRun' || fail "the first command did not start first: $(cat "$marker")"
sed -n 2p "$marker" | grep -q 'SecondRun' || fail "the second command did not start second: $(cat "$marker")"
echo "PASS: a composed item built in the window runs its commands in order"
