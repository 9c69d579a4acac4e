# An item whose command runs a batch file with arguments hands them over as written.
source "$(dirname "$0")/e2e.sh"
prepare_install
received="$e2e_root/received.txt"
printf '@echo off\r\necho %%*> %s\r\n' "$(winpath "$received")" >"$e2e_root/echoargs.bat"
write_items "Echo Arguments|ea|||passes mixed-case arguments|$(winpath "$e2e_root/echoargs.bat") Hello WoRLD /Key=MixedCase"
write_catalogs "Tools|$(guid)|0"
start_program
focus "$main_window"
type_text "ea"
keys Return
wait_for_file "$received" 20 || fail "typing the short name and Enter did not run the batch file"
got=$(tr -d '\r\n' <"$received")
[ "$got" = "Hello WoRLD /Key=MixedCase" ] || fail "the batch file received '$got'"
echo "PASS: the arguments reached the batch file unchanged"
