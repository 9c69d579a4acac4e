# A new user's first tour, with real keys and clicks: from an empty installation, the
# configuration window makes a catalog, adds a program chosen as a file and a custom command,
# gives both a hotkey, builds a composed item of the two and saves. Each item then starts by its
# short name and by its hotkey; the clipboard becomes an item; everything is exported, imported
# into a second installation, and the imported items start there.
source "$(dirname "$0")/e2e.sh"
time_limit 540
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
program="$e2e_helpers/marker.exe"
exchange="$e2e_root/Everything.trn"
cfg="Items and Catalogs"

marks() { grep -ci -- "$1" "$marker" 2>/dev/null || true; }
# Runs a step that starts items and waits until the marker has COUNT more lines matching PATTERN.
expect_marks() {  # PATTERN COUNT WHAT STEP...
    local pattern=$1 count=$2 what=$3 before
    before=$(marks "$pattern")
    "${@:4}"
    wait_until 20 eval '[ "$(marks "$pattern")" -ge $((${before:-0} + count)) ]' || fail "$what started nothing"
}
clip_is() { [ "$(helper clip get)" = "$1" ]; }

step "the program in an empty installation"
prepare_install
start_program
[ -e "$e2e_install/Shortcut2.dat" ] && fail "the empty installation got an items file at its start"
open_configuration

step "the configuration window"
# A catalog, selected as the last node of the tree.
press "$cfg" IDC_CFG_CATALOG_NAME
type_text "Launchers"
keys Return
press "$cfg" IDC_CFG_TREE
keys End

# A program chosen as a file, and a custom command running it with an argument.
press "$cfg" IDC_CFG_FILES
choose_file Open "$program"
add_custom_command "Custom Run" "$(winpath "$program") CustomRun"

step "hotkeys"
# A hotkey for each: the row, then the key box, whose list takes a click on a key ("Ctrl" comes
# with it, as the item had no hotkey yet), then Set.
for row in 0 1; do
    press "$cfg" IDC_CFG_ITEM_LIST $row
    press "$cfg" IDC_CFG_KEY
    press "$cfg" IDC_CFG_KEY_LIST $((row + 5))
    press "$cfg" IDC_CFG_SET
done

step "a composed item"
# A composed item of both rows.
press "$cfg" IDC_CFG_COMPOSED_CHECK
press "$cfg" IDC_CFG_COMPOSED_NAME
type_text "Morning"
for row in 0 1; do
    press "$cfg" IDC_CFG_ITEM_LIST $row
    press "$cfg" IDC_CFG_ADD_TO_COMPOSED
done
press "$cfg" IDC_CFG_COMP_CREATE
close_configuration_with_ok

grep -aq "Launchers" "$e2e_install/Shortcut2.clg" || fail "the catalogs file does not hold the new catalog"
for name in marker.exe "Custom Run" "+ Morning"; do
    [ -n "$(item_field "$name" 0)" ] || fail "the items file does not hold \"$name\""
done
program_key=$(item_hotkey marker.exe) || fail "the program got no hotkey"
custom_key=$(item_hotkey "Custom Run") || fail "the custom command got no hotkey"
[ "$program_key" != "$custom_key" ] || fail "both items got $program_key"

# Each by its short name, then the two by their hotkeys.
start_all() {
    expect_marks 'marker.exe"\? *$' 1 "the program's short name" start_by "$(item_field marker.exe 1)"
    expect_marks 'CustomRun' 1 "the custom command's short name" start_by "$(item_field "Custom Run" 1)"
    expect_marks 'marker.exe' 2 "the composed item's short name" start_by "$(item_field "+ Morning" 1)"
    tail -n2 "$marker" | head -n1 | grep -qv CustomRun || fail "the composed item's commands ran out of order"
    expect_marks 'marker.exe"\? *$' 1 "the program's hotkey $program_key" press_hotkey "$program_key"
    expect_marks 'CustomRun' 1 "the custom command's hotkey $custom_key" press_hotkey "$custom_key"
}
step "starting the items"
start_all

step "a clipboard item"
# The clipboard into an item of the first catalog.
helper clip set "kept by the tour"
show_main_window
capture_clip_note
wait_until 10 eval 'ls "$e2e_install"/Data/*.stx >/dev/null' || fail "the capture left no snapshot file"
helper clip set "something else"
start_by CN
wait_until 10 clip_is "kept by the tour" || fail "the clipboard item did not put the text back"

step "export"
# Export: the catalog with all its items to a file; the file's root is chosen when the window opens.
show_main_window
focus "$main_window"
press Tavimoreth IDC_EXPORT_BUTTON
window=$(wait_for_window '^Export Catalogs and Items$' 20) || fail "the export window did not open"
focus "$window"
press "Export Catalogs and Items" IDC_XCH_PROGRAM_TREE
keys Home Down
sleep 0.5
press "Export Catalogs and Items" IDC_XCH_BRANCH_TO_FILE
press "Export Catalogs and Items" IDC_XCH_BROWSE
choose_file "Save As" "$exchange"
focus "$window"
press "Export Catalogs and Items" IDC_XCH_SAVE
wait_for_file "$exchange" 30 || fail "Save wrote no exchange file"
answer_box
entries=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$exchange")
grep -q '^Everything/Data/.*\.stx$' <<<"$entries" || fail "the exchange file carries no snapshot: $entries"
kill "$e2e_pid" 2>/dev/null || true
wait_until 20 eval '! pgrep -f "$e2e_install/" >/dev/null' || fail "the first program did not end"

step "import"
# Import into a second, empty installation: the file's catalog under the program's root.
e2e_install="$e2e_root/Second Install"
prepare_install
start_program
focus "$main_window"
press Tavimoreth IDC_IMPORT_BUTTON
window=$(wait_for_window '^Import Catalogs and Items$' 20) || fail "the import window did not open"
focus "$window"
press "Import Catalogs and Items" IDC_XCH_BROWSE
choose_file Open "$exchange"
focus "$window"
press "Import Catalogs and Items" IDC_XCH_LOAD
# Load unpacks the file before its tree fills.
sleep 2
press "Import Catalogs and Items" IDC_XCH_PROGRAM_TREE
keys Home
press "Import Catalogs and Items" IDC_XCH_FILE_TREE
keys Home Down
sleep 1
press "Import Catalogs and Items" IDC_XCH_BRANCH_TO_PROGRAM
press "Import Catalogs and Items" IDC_XCH_OK
# Ok says the import is done; the save finishes meanwhile and the window closes after the answer.
sleep 3
answer_box
wait_until 20 eval '! xdotool search --onlyvisible --name "^Import Catalogs and Items\$" >/dev/null' ||
    fail "Ok did not close the import window"
grep -aq "Launchers" "$e2e_install/Shortcut2.clg" || fail "the catalogs file does not hold the imported catalog"
grep -aqF "$(winpath "$e2e_install")\\Data\\" "$e2e_install/Shortcut2.dat" ||
    fail "the clipboard item does not point at its copy in the second installation"
[ "$(item_hotkey marker.exe)" = "$program_key" ] || fail "the imported program lost its hotkey"

step "starting the imported items"
start_all
helper clip set "something else"
start_by CN
wait_until 10 clip_is "kept by the tour" || fail "the imported clipboard item did not put the text back"
echo "PASS: the tour from an empty installation to imported items"
