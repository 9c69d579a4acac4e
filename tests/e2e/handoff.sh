# The stand-in Explorer extension hands over a file; OK in the add-item dialog makes it an item
# of the chosen catalog, with the initials of its name as short name.
source "$(dirname "$0")/e2e.sh"
prepare_install
docs=$(guid)
write_items "First|f|||already there|c:\\first.exe"
write_catalogs "Documents|$docs|0"
echo "text" >"$e2e_root/readme.txt"
start_program
helper handoff "Readme Document" "" "a handed-over file" "$(winpath "$e2e_root/readme.txt")" ||
    fail "the stand-in extension found no window under Dest"
dialog=$(wait_for_window '^Add Item$' 20) || fail "the hand-off opened no add-item dialog"
focus "$dialog"
keys Tab Tab Tab Tab Tab Tab Home Down Return
wait_until 10 grep -q 'Readme Document' "$e2e_install/Shortcut2.dat" || true
grep -q '0015Readme Document0002RD' "$e2e_install/Shortcut2.dat" || fail "the handed-over item was not written as expected"
grep -q "|Documents|$docs|0,1" "$e2e_install/Shortcut2.clg" || fail "the catalog did not get the item: $(cat "$e2e_install/Shortcut2.clg")"
echo "PASS: the handed-over file became an item"
