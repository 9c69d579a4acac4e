# A stored composed item started by its short name runs its commands in order, as written, and
# never its member names.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
program=$(winpath "$e2e_helpers/marker.exe")
# "~~" stands for CR LF, which an item line cannot carry; both are two bytes, so the stored
# field lengths stay right when it is put in.
write_items "+ Morning|mo|||two commands|First~~Second^^^$program FirstRun~~$program SecondRun"
write_catalogs "Tools|$(guid)|0"
sed -i 's/~~/\r\n/g' "$e2e_install/Shortcut2.dat"
start_program
focus "$main_window"
type_text "mo"
keys Return
wait_until 20 eval '[ "$(wc -l <"$marker")" -ge 2 ]' || fail "the composed item did not start both commands"
sleep 1
[ "$(wc -l <"$marker")" -eq 2 ] || fail "more than the two commands started: $(cat "$marker")"
sed -n 1p "$marker" | grep -q 'FirstRun' || fail "the first command did not start first: $(cat "$marker")"
sed -n 2p "$marker" | grep -q 'SecondRun' || fail "the second command did not start second: $(cat "$marker")"
echo "PASS: the composed item ran its commands in order"
