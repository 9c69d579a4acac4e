# Typing a short name and Enter in the real program starts its item: a program, a batch file
# that gets its mixed-case arguments as written, and a composed item that runs its commands in
# order, as written, and never its member names.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
program=$(winpath "$e2e_helpers/marker.exe")
received="$e2e_root/received.txt"
printf '@echo off\r\necho %%*> %s\r\n' "$(winpath "$received")" >"$e2e_root/echoargs.bat"
# "~~" stands for CR LF, which an item line cannot carry; both are two bytes, so the stored
# field lengths stay right when it is put in.
write_items "Marker Program|mp|||writes a marker|$program" \
            "Other Program|op|||must not start|c:\\nothing\\other.exe" \
            "Echo Arguments|ea|||passes mixed-case arguments|$(winpath "$e2e_root/echoargs.bat") Hello WoRLD /Key=MixedCase" \
            "+ Morning|mo|||two commands|First~~Second^^^$program FirstRun~~$program SecondRun"
write_catalogs "Tools|$(guid)|0,1,2,3"
sed -i 's/~~/\r\n/g' "$e2e_install/Shortcut2.dat"
start_program

lines() { [ -s "$marker" ] && wc -l <"$marker" || echo 0; }

start_by mp
wait_for_file "$marker" 20 || fail "typing the short name and Enter started nothing"
grep -qi 'marker.exe' "$marker" || fail "the marker was written by something else"

start_by ea
wait_for_file "$received" 20 || fail "typing the short name and Enter did not run the batch file"
got=$(tr -d '\r\n' <"$received")
[ "$got" = "Hello WoRLD /Key=MixedCase" ] || fail "the batch file received '$got'"

start_by mo
wait_until 20 eval '[ "$(lines)" -ge 3 ]' || fail "the composed item did not start both commands"
sleep 1
[ "$(lines)" -eq 3 ] || fail "more than the two commands started: $(cat "$marker")"
sed -n 2p "$marker" | grep -q 'FirstRun' || fail "the first command did not start first: $(cat "$marker")"
sed -n 3p "$marker" | grep -q 'SecondRun' || fail "the second command did not start second: $(cat "$marker")"
echo "PASS: programs, arguments and composed items start from their short names"
