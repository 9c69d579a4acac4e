# The Explorer extension hands files to the real program: with no program running it starts the
# program and hands over once the window exists; with the program running, the add-item dialog
# opens for the chosen file, and OK makes an item that starts that file.
source "$(dirname "$0")/e2e.sh"
prepare_install
docs=$(guid)
write_items "First|f|||already there|c:\\first.exe"
write_catalogs "Documents|$docs|0"
mkdir "$e2e_root/Photo Archive"
marker="$e2e_root/started.txt"
printf '@echo off\r\necho started>"%s"\r\n' "$(winpath "$marker")" >"$e2e_root/Night Backup.bat"
dll=$(winpath "$e2e_install/TavimorethExt.dll")
"$TAV_WINE" regsvr32 /s "$dll" </dev/null >/dev/null 2>&1 || fail "regsvr32 could not register the extension"

# The unix process of the program that the extension started.
program_pid() {
    local proc
    for proc in /proc/[0-9]*; do
        tr '\0' '\n' <"$proc/cmdline" 2>/dev/null | grep -qixF "$(winpath "$e2e_install")\\Tavimoreth.exe" &&
            basename "$proc" && return 0
    done
    return 1
}

# Picks the first catalog in the add-item dialog and presses OK (as in the hand-off test).
choose_catalog_and_ok() {
    focus "$1"
    keys Tab Tab Tab Tab Tab Tab Home Down Return
}

wait_for_item() { wait_until 10 grep -qF "$1" "$e2e_install/Shortcut2.dat"; }

helper shellinvoke "$(winpath "$e2e_root/Photo Archive")" || fail "the extension did not hand over the folder"
main_window=$(wait_for_window "^Tavimoreth$" 30) || fail "the extension did not start the program"
e2e_pid=$(program_pid) || fail "the started program has no process"
dialog=$(wait_for_window '^Add Item$' 30) || fail "the started program opened no add-item dialog"
choose_catalog_and_ok "$dialog"
wait_for_item '0013Photo Archive0002PA' || fail "the folder was not written as an item"
grep -qF "$(winpath "$e2e_root/Photo Archive")" "$e2e_install/Shortcut2.dat" || fail "the folder item lost its path"

helper shellinvoke "$(winpath "$e2e_root/Night Backup.bat")" || fail "the extension did not hand over the file"
dialog=$(wait_for_window '^Add Item$' 30) || fail "the running program opened no add-item dialog"
choose_catalog_and_ok "$dialog"
wait_for_item '0012Night Backup0002NB' || fail "the file was not written as an item"
grep -qF "$(winpath "$e2e_root/Night Backup.bat")" "$e2e_install/Shortcut2.dat" || fail "the file item lost its path"
grep -q "|Documents|$docs|0,1,2" "$e2e_install/Shortcut2.clg" || fail "the catalog did not get both items: $(cat "$e2e_install/Shortcut2.clg")"

focus "$main_window"
type_text "nb"
keys Return
wait_for_file "$marker" 20 || fail "the new item did not start the handed-over file"
"$TAV_WINE" regsvr32 /u /s "$dll" </dev/null >/dev/null 2>&1 || true
echo "PASS: the extension handed a folder and a file to the program; the file's item starts it"
