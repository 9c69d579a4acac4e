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

# The new item is the shown one. The key box takes no typing: a click opens the key list, and a
# click on a row picks that key (with "Ctrl", as the item had no hotkey yet).
press "Items and Catalogs" IDC_CFG_KEY
press "Items and Catalogs" IDC_CFG_KEY_LIST
press "Items and Catalogs" IDC_CFG_SET
press "Items and Catalogs" IDC_CFG_OK
# Ok saves and says so in a message box (captioned as the main window, and above it). On a
# loaded machine the box may come up after the first look for it: answer it until the window goes.
config_open() { xdotool search --onlyvisible --name '^Items and Catalogs$' >/dev/null 2>&1; }
for _ in 1 2 3; do
    sleep 1
    press Tavimoreth IDOK
    wait_until 5 eval '! config_open' && break
done
xdotool search --onlyvisible --name '^Items and Catalogs$' >/dev/null 2>&1 && fail "Ok did not close the window"

grep -aq "Launchers" "$e2e_install/Shortcut2.clg" || fail "the catalog file does not hold the new catalog"
grep -aq "Marker Program" "$e2e_install/Shortcut2.dat" || fail "the items file does not hold the new item"
# The picked key, as the items file holds it: after the 116-byte header, each record is nine
# fields of a 4-digit length and the text, in the order Name, ShortName, Hotkey1, Hotkey2, ...
hotkey=$(python3 - "$e2e_install/Shortcut2.dat" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()[116:]
at = 0
while at < len(data):
    fields = []
    for _ in range(9):
        length = int(data[at:at + 4])
        fields.append(data[at + 4:at + 4 + length].decode("latin-1"))
        at += 4 + length
    if fields[0] == "Marker Program":
        key = fields[3].lower() if len(fields[3]) == 1 else fields[3]  # "D" would press Shift too
        print(fields[2].lower() + "+" + key)
PY
)
[[ "$hotkey" == ctrl+?* ]] || fail "Set stored no hotkey with Ctrl for the new item (got \"$hotkey\")"
focus "$main_window"
keys "$hotkey"
wait_for_file "$marker" 20 || fail "the new item's hotkey started nothing"
echo "PASS: a catalog and an item with a hotkey made in the configuration window"
