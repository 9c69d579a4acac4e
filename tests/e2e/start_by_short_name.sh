# Typing a short name and Enter in the real program starts its item: a program, and a batch file
# that gets its mixed-case arguments as written. (Composed items start in the tour.)
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
program=$(winpath "$e2e_helpers/marker.exe")
received="$e2e_root/received.txt"
printf '@echo off\r\necho %%*> %s\r\n' "$(winpath "$received")" >"$e2e_root/echoargs.bat"
write_items "Marker Program|mp|||writes a marker|$program" \
            "Other Program|op|||must not start|c:\\nothing\\other.exe" \
            "Echo Arguments|ea|||passes mixed-case arguments|$(winpath "$e2e_root/echoargs.bat") Hello WoRLD /Key=MixedCase"
write_catalogs "Tools|$(guid)|0,1,2"
start_program

start_by mp
wait_for_file "$marker" 20 || fail "typing the short name and Enter started nothing"
grep -qi 'marker.exe' "$marker" || fail "the marker was written by something else"

start_by ea
wait_for_file "$received" 20 || fail "typing the short name and Enter did not run the batch file"
got=$(tr -d '\r\n' <"$received")
[ "$got" = "Hello WoRLD /Key=MixedCase" ] || fail "the batch file received '$got'"

echo "PASS: programs and arguments start from their short names"
