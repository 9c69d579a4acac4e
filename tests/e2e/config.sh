# The configuration window from the main window's button: a new catalog, a custom item in it
# with a hotkey, Ok; the files on disk then hold both and the hotkey starts the item.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
start_program
open_configuration

press "Items and Catalogs" IDC_CFG_CATALOG_NAME
type_text "Launchers"
keys Return
# The new catalog is the last node of the tree: select it.
press "Items and Catalogs" IDC_CFG_TREE
keys End

press "Items and Catalogs" IDC_CFG_CUSTOM
info=$(wait_for_window "^Item Info\$" 20) || fail "the custom item window did not open"
focus "$info"
press "Item Info" IDC_INFO_NAME
type_text "Marker Program"
press "Item Info" IDC_INFO_COMMAND
type_text "$(winpath "$e2e_helpers/marker.exe")"
press "Item Info" IDOK
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Item Info$' >/dev/null 2>&1 || break; sleep 0.1; done

# The new item is the shown one: Ctrl (typed into the modifier box) + F9 (typed into the key box).
press "Items and Catalogs" IDC_CFG_SHORTNAME
keys Tab c Tab
type_text "F9"
press "Items and Catalogs" IDC_CFG_SET
press "Items and Catalogs" IDC_CFG_OK
# Ok saves and says so in a message box; its Ok button has the focus.
sleep 1
keys Return
for _ in $(seq 100); do xdotool search --onlyvisible --name '^Items and Catalogs$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^Items and Catalogs$' >/dev/null 2>&1 && fail "Ok did not close the window"

grep -aq "Launchers" "$e2e_install/Shortcut2.clg" || fail "the catalog file does not hold the new catalog"
grep -aq "Marker Program" "$e2e_install/Shortcut2.dat" || fail "the items file does not hold the new item"
focus "$main_window"
keys ctrl+F9
wait_for_file "$marker" 20 || fail "the new item's hotkey started nothing"
echo "PASS: a catalog and an item with a hotkey made in the configuration window"
