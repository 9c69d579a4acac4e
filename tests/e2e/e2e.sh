# Shared steps of the end-to-end tests: a prepared installation folder, the real program under
# Wine in Xvfb, real keys from xdotool, and files as the evidence. Sourced by each test script,
# which is run by ctest as: bash SCRIPT DIST_DIR HELPERS_DIR
set -euo pipefail
e2e_dist=$1
e2e_helpers=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh"
tav_ensure_wine

e2e_root=$(mktemp -d "${TAV_BUILD_ROOT:-/tmp}/e2e.XXXXXX" 2>/dev/null || mktemp -d)
# Blanks in the folder, as under "C:\Program Files" where most programs are installed.
e2e_install="$e2e_root/Tavimoreth Install"
e2e_pid=

e2e_finish() {
    local status=$?
    if [ $status -ne 0 ]; then
        [ -n "$e2e_pid" ] && ! kill -0 "$e2e_pid" 2>/dev/null && echo "the program had ended before the failure"
        # The screen as the failure left it, before the program goes.
        command -v import >/dev/null && import -window root "$e2e_root.failure.png" 2>/dev/null &&
            echo "screen at failure: $e2e_root.failure.png"
    fi
    [ -n "$e2e_pid" ] && kill "$e2e_pid" 2>/dev/null || true
    # The next test must not meet this one's program, or anything it started, still closing.
    wait_until 5 eval '! pgrep -f "$e2e_root/" >/dev/null' || pkill -9 -f "$e2e_root/" || true
    rm -rf "$e2e_root"
    exit $status
}
trap e2e_finish EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
# Names the step under way, so a failure's output says how far the run came.
step() { echo "== $*"; }

# The Windows path of a Unix path (Wine maps / to Z:).
winpath() { printf 'Z:%s' "$1" | tr '/' '\\'; }

prepare_install() {
    mkdir -p "$e2e_install"
    cp -r "$e2e_dist/." "$e2e_install/"
    rm -f "$e2e_install/Shortcut2.dat" "$e2e_install/Shortcut2.clg" "$e2e_install"/Data/*.stx
}

source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/datafiles.sh"

# write_items ITEM... and write_catalogs "NAME|ID|INDEXES"... into the prepared installation.
write_items() { write_items_file "$e2e_install/Shortcut2.dat" "$@"; }
write_catalogs() {
    local records=() record
    for record in "$@"; do records+=("root|$record"); done
    write_catalogs_file "$e2e_install/Shortcut2.clg" "${records[@]}"
}
guid() { tav_guid; }

start_program() {
    (cd "$e2e_install" && exec "$TAV_WINE" "$e2e_install/Tavimoreth.exe" </dev/null >/dev/null 2>&1) &
    e2e_pid=$!
    main_window=$(wait_for_window "^Tavimoreth$" 30) || fail "the main window did not appear"
}

# Prints the X window id of a visible window whose name matches; fails after SECONDS.
wait_for_window() {
    local pattern=$1 seconds=$2 id
    for _ in $(seq $((seconds * 10))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# wait_until SECONDS COMMAND...: runs the command every 0.1 s until it succeeds; fails after SECONDS.
wait_until() {
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do "$@" 2>/dev/null && return 0; sleep 0.1; done
    return 1
}
wait_for_file() { wait_until "$2" test -s "$1"; }

focus() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; sleep 0.3; }
keys() { xdotool key --delay 80 "$@"; }
type_text() { xdotool type --delay 80 "$1"; }

# The main window hides to the tray after it starts an item. Keys reach Wine only while one of
# its windows has the focus, so the tray's takes the hotkey that shows the main window again.
main_visible() { xdotool search --onlyvisible --name '^Tavimoreth$' >/dev/null 2>&1; }
# The tray window comes from another Wine process and may show a while after the main window went.
tray_window() {
    xdotool search --onlyvisible --class __winex11_standalone_tray 2>/dev/null | head -n1 | grep . ||
        xdotool search --onlyvisible --name 'Tray' 2>/dev/null | head -n1 | grep .
}
focus_tray() {
    wait_until 10 tray_window >/dev/null || fail "no tray window to give the keys to"
    focus "$(tray_window)"
}
show_main_window() {
    main_visible && return 0
    focus_tray
    keys ctrl+shift+j
    main_window=$(wait_for_window '^Tavimoreth$' 10) || fail "Ctrl+Shift+J did not show the window"
}

# Types a short name and Enter in the main window. A started program may keep the focus, so
# the box is clicked with the real pointer and its text selected, for the typing to replace.
start_by() {  # SHORT-NAME
    show_main_window
    focus "$main_window"
    press Tavimoreth IDC_SHORTNAME_EDIT
    keys End shift+Home
    type_text "$1"
    keys Return
}

# Opens the configuration window from the main window's button; sets config to its window id.
open_configuration() {
    focus "$main_window"
    press Tavimoreth IDC_CONFIG_BUTTON
    config=$(wait_for_window "^Items and Catalogs\$" 30) || fail "the configuration window did not open"
    focus "$config"
    # The window is ready once its loading progress has gone and the buttons answer.
    sleep 3
}

helper() { "$TAV_WINE" "$e2e_helpers/$1.exe" "${@:2}"; }

resource="$(dirname "${BASH_SOURCE[0]}")/../../resources/resource.h"
id_of() { case $1 in IDOK) echo 1 ;; IDNO) echo 7 ;; *) sed -n "s/^#define $1 \([0-9]*\)\$/\1/p" "$resource" ;; esac; }

# Clicks a control of a window (found by its exact caption) with the real pointer; with a ROW,
# that row of a list view.
press() {  # CAPTION CONTROL [ROW]
    local caption=$1 id where
    id=$(id_of "$2")
    [ -n "$id" ] || fail "no control $2"
    for _ in $(seq 100); do
        where=$(helper where "$caption" "$id" ${3:+"$3"} 2>/dev/null | tr -d '\r') && [ -n "$where" ] && break
        sleep 0.1
    done
    [ -n "$where" ] || fail "no $2 ${3:+row $3 }shown in \"$caption\""
    # shellcheck disable=SC2086
    xdotool mousemove --sync $where click 1
    sleep 0.5
}

# Ends the program as a user does: its exit button, and No to the question whether to hide it.
quit_program() {
    press Tavimoreth IDC_EXIT_BUTTON && press Tavimoreth IDNO
    wait_until 30 eval '! kill -0 "$e2e_pid"' || fail "the program did not end after No"
}

# Whether the Explorer extension's class is registered.
shellext_registered() {
    "$TAV_WINE" reg query 'HKCR\CLSID\{42FCF700-3A16-466E-8658-E137F2A98750}' </dev/null >/dev/null 2>&1
}

# Ctrl+Shift+A with text on the clipboard, then the add-item dialog as a user fills it: the name
# "Clip Note", then Tab past short name, description, modifier, key and key list button to the
# catalog tree, the first catalog below the root, and Enter. Waits for the item on disk.
capture_clip_note() {
    local dialog
    focus "$main_window"
    keys ctrl+shift+a
    dialog=$(wait_for_window '^Add Item$' 20) || fail "the capture opened no add-item dialog"
    focus "$dialog"
    type_text "Clip Note"
    keys Tab Tab Tab Tab Tab Tab Home Down Return
    wait_until 10 grep -q 'Clip Note' "$e2e_install/Shortcut2.dat" || fail "the captured item was not written"
}

# A field of the named item in the items file: after the 116-byte header, each record is nine
# fields of a 4-digit length and the text, in the order Name, ShortName, Hotkey1, Hotkey2,
# Reserved, Description, State, guid, ExePath.
item_field() {  # NAME POSITION
    python3 - "$e2e_install/Shortcut2.dat" "$1" "$2" <<'PY'
import sys
data, at, fields = open(sys.argv[1], "rb").read()[116:], 0, []
while at < len(data):
    length = int(data[at:at + 4])
    fields, at = fields + [data[at + 4:at + 4 + length].decode("latin-1")], at + 4 + length
    if len(fields) == 9:
        print(fields[int(sys.argv[3])]) if fields[0] == sys.argv[2] else None
        fields = []
PY
}
# The named item's hotkey as xdotool presses it ("D" would press Shift too).
item_hotkey() {
    local modifier key
    modifier=$(item_field "$1" 2)
    key=$(item_field "$1" 3)
    [ ${#key} -eq 1 ] && key=${key,,}
    [ -n "$modifier" ] && [ -n "$key" ] && echo "${modifier,,}+$key"
}
# Presses a hotkey with the focus on the main window, or on the tray's when the window is hidden.
press_hotkey() {
    if main_visible; then focus "$main_window"; else focus_tray; fi
    keys "$1"
}

# In the configuration window: "Custom" opens the item window, where the user types a name and a
# command and presses Ok.
add_custom_command() {  # NAME COMMAND
    local info
    press "Items and Catalogs" IDC_CFG_CUSTOM
    info=$(wait_for_window "^Item Info\$" 20) || fail "the custom command window did not open"
    focus "$info"
    press "Item Info" IDC_INFO_NAME
    type_text "$1"
    press "Item Info" IDC_INFO_COMMAND
    type_text "$2"
    press "Item Info" IDOK
    wait_until 5 eval '! xdotool search --onlyvisible --name "^Item Info\$" >/dev/null 2>&1' ||
        fail "the custom command window stayed open"
}

# Ok of the configuration window saves and says so in a message box (captioned as the main
# window, and above it). On a loaded machine the box may come up after the first look for it:
# answer it until the window goes.
close_configuration_with_ok() {
    press "Items and Catalogs" IDC_CFG_OK
    for _ in 1 2 3; do
        sleep 1
        press Tavimoreth IDOK
        wait_until 5 eval '! xdotool search --onlyvisible --name "^Items and Catalogs\$" >/dev/null 2>&1' && return 0
    done
    fail "Ok did not close the configuration window"
}

# Answers the program's message box (captioned as the main window, and above it) with its Ok.
answer_box() {
    sleep 1
    press Tavimoreth IDOK
}

# Picks a file in the common file dialog (captioned "Open" or "Save As") by typing its path.
choose_file() {  # CAPTION PATH
    local chooser
    chooser=$(wait_for_window "^$1\$" 20) || fail "the file chooser \"$1\" did not open"
    focus "$chooser"
    # The dialog resets its name box while it initialises.
    sleep 1
    type_text "$(winpath "$2")"
    keys Return
    wait_until 10 eval '! xdotool search --onlyvisible --name "^$1\$" >/dev/null' || fail "the chooser stayed"
}

# Ends the whole run after SECONDS, through the EXIT trap, so a stuck step leaves nothing behind.
# The watchdog holds none of the test's output open and ends within a second after the test.
time_limit() {
    local shell=$$
    (for _ in $(seq "$1"); do sleep 1; kill -0 "$shell" || exit 0; done; kill -TERM "$shell") >/dev/null 2>&1 &
    trap "fail 'the run took over $1 s'" TERM
}
