# The stand-in Explorer extension hands over a file; OK in the add-item dialog makes it an item
# of the chosen catalog, with the initials of its name as short name. The program, installed in a
# folder with blanks, registers the extension at its start and unregisters it at its end.
source "$(dirname "$0")/e2e.sh"
prepare_install
docs=$(guid)
write_items "First|f|||already there|c:\\first.exe"
write_catalogs "Documents|$docs|0"
echo "text" >"$e2e_root/readme.txt"
"$TAV_WINE" regsvr32 /u /s "$(winpath "$e2e_install/TavimorethExt.dll")" </dev/null >/dev/null 2>&1 || true
shellext_registered && fail "the extension was still registered before the start"
start_program
wait_until 60 shellext_registered || fail "the program did not register its extension from a folder with blanks"
helper handoff "Readme Document" "" "a handed-over file" "$(winpath "$e2e_root/readme.txt")" ||
    fail "the stand-in extension found no window under Dest"
dialog=$(wait_for_window '^Add Item$' 20) || fail "the hand-off opened no add-item dialog"
focus "$dialog"
keys Tab Tab Tab Tab Tab Tab Home Down Return
wait_until 10 grep -q 'Readme Document' "$e2e_install/Shortcut2.dat" || true
grep -q '0015Readme Document0002RD' "$e2e_install/Shortcut2.dat" || fail "the handed-over item was not written as expected"
grep -q "|Documents|$docs|0,1" "$e2e_install/Shortcut2.clg" || fail "the catalog did not get the item: $(cat "$e2e_install/Shortcut2.clg")"
quit_program
wait_until 60 eval '! shellext_registered' || fail "the program did not unregister its extension at its end"
echo "PASS: the handed-over file became an item; the extension was registered while the program ran"
