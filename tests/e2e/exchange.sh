# Export from one installation and import into another through the export and import windows:
# two catalogs, one of them with a clipboard item, go across; the imported clipboard item then
# puts the original text back on the clipboard.
source "$(dirname "$0")/e2e.sh"
first="$e2e_install"
second="$e2e_root/Second Install"
exchange="$e2e_root/Gift.trn"

# Answers the program's message box (captioned as the main window, and above it) with its Ok.
answer_box() {
    sleep 1
    press Tavimoreth IDOK
}

# Puts the exchange file's path into the window's path box through its browse button and the
# file chooser (titled $2) it opens; the window ($3) has the focus again afterwards.
choose_exchange_file() {
    local window="$1" chooser_title="$2" chooser
    press "$window" IDC_XCH_BROWSE
    chooser=$(wait_for_window "^$chooser_title\$" 20) || fail "the file chooser did not open"
    focus "$chooser"
    sleep 1
    type_text "$(winpath "$exchange")"
    keys Return
    wait_until 10 eval '! xdotool search --onlyvisible --name "^$chooser_title\$" >/dev/null' ||
        fail "the chooser stayed"
    focus "$3"
}

# The first installation: a clipboard item captured into Notes, a program in Tools.
prepare_install
notes=$(guid)
tools=$(guid)
write_items "Marker|MK||||$(winpath "$e2e_helpers/marker.exe")"
write_catalogs "Notes|$notes|" "Tools|$tools|0"
helper clip set "carried across by the exchange"
start_program
capture_clip_note
wait_until 10 eval '! xdotool search --onlyvisible --name "^Add Item\$" >/dev/null' || fail "the add-item dialog stayed"
wait_until 10 eval 'ls "$first"/Data/*.stx >/dev/null' || fail "the capture left no snapshot file"
sleep 1

# Export both catalogs with their items: the file's root is chosen when the window opens.
show_main_window
focus "$main_window"
press Tavimoreth IDC_EXPORT_BUTTON
export=$(wait_for_window '^Export Catalogs and Items$' 20) || fail "the export window did not open"
focus "$export"
press "Export Catalogs and Items" IDC_XCH_PROGRAM_TREE
keys Home Down
sleep 0.5
press "Export Catalogs and Items" IDC_XCH_BRANCH_TO_FILE
press "Export Catalogs and Items" IDC_XCH_PROGRAM_TREE
keys Home Down Down
sleep 0.5
press "Export Catalogs and Items" IDC_XCH_BRANCH_TO_FILE
choose_exchange_file "Export Catalogs and Items" "Save As" "$export"
press "Export Catalogs and Items" IDC_XCH_SAVE
wait_for_file "$exchange" 30 || fail "Save wrote no exchange file"
answer_box
entries=$(python3 -c 'import sys, zipfile; print("\n".join(zipfile.ZipFile(sys.argv[1]).namelist()))' "$exchange")
grep -q '^Gift/Data/.*\.stx$' <<<"$entries" ||
    fail "the exchange file carries no snapshot: $entries $(python3 -c 'import sys, zipfile; print(zipfile.ZipFile(sys.argv[1]).read("Gift/Gift.dat"))' "$exchange") $(ls "$first/Data")"

# The first program goes; the second installation starts empty.
kill "$e2e_pid" 2>/dev/null || true
wait_until 20 eval '! pgrep -f "$first/" >/dev/null' || fail "the first program did not end"
e2e_install="$second"
prepare_install
start_program
focus "$main_window"
press Tavimoreth IDC_IMPORT_BUTTON
import=$(wait_for_window '^Import Catalogs and Items$' 20) || fail "the import window did not open"
focus "$import"
choose_exchange_file "Import Catalogs and Items" "Open" "$import"
press "Import Catalogs and Items" IDC_XCH_LOAD
# Both catalogs of the file under the program's root, with their items.
press "Import Catalogs and Items" IDC_XCH_PROGRAM_TREE
keys Home
for step in "Down" "Down Down"; do
    press "Import Catalogs and Items" IDC_XCH_FILE_TREE
    # shellcheck disable=SC2086
    keys Home $step
    sleep 0.5
    press "Import Catalogs and Items" IDC_XCH_BRANCH_TO_PROGRAM
done
press "Import Catalogs and Items" IDC_XCH_OK
# Ok says the import is done; the save finishes meanwhile and the window closes after the answer.
sleep 3
answer_box
wait_until 20 eval '! xdotool search --onlyvisible --name "^Import Catalogs and Items\$" >/dev/null' ||
    fail "Ok did not close the import window"
grep -aq "Clip Note" "$second/Shortcut2.dat" || fail "the items file does not hold the imported item"
grep -aq "Notes" "$second/Shortcut2.clg" || fail "the catalogs file does not hold the imported catalog"
ls "$second"/Data/*.stx >/dev/null 2>&1 || fail "no snapshot file came into the second installation"
grep -aqF "$(winpath "$second")\\Data\\" "$second/Shortcut2.dat" || fail "the item does not point at its copy"

helper clip set "something else"
start_by CN
clip_is() { [ "$(helper clip get)" = "$1" ]; }
wait_until 10 clip_is "carried across by the exchange" || fail "the imported clipboard item did not restore the text"
echo "PASS: two catalogs with a clipboard item exported from one installation and imported into another"
