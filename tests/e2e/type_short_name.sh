# Typing a short name and Enter in the real program starts the item.
source "$(dirname "$0")/e2e.sh"
prepare_install
marker="$e2e_root/marker.txt"
export TAV_MARKER=$(winpath "$marker")
write_items "Marker Program|mp|||writes a marker|$(winpath "$e2e_helpers/marker.exe")" \
            "Other Program|op|||must not start|c:\\nothing\\other.exe"
write_catalogs "Tools|$(guid)|0,1"
start_program
focus "$main_window"
type_text "mp"
keys Return
wait_for_file "$marker" 20 || fail "typing the short name and Enter started nothing"
grep -qi 'marker.exe' "$marker" || fail "the marker was written by something else"
echo "PASS: the item started from its short name"
