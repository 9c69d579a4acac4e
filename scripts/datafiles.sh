# Writes the program's data files from the shell, byte for byte in their stored layout: used
# by `make run` for its sample items and by the end-to-end tests for their fixtures.
# Sourced; needs no other tool than bash and coreutils.

tav_root_node=885D48E4-F5A7-4DF9-BB33-5C86DEDDE3AF

tav_guid() { tr 'a-f' 'A-F' </proc/sys/kernel/random/uuid; }

# write_items_file FILE ITEM... where each ITEM is "Name|Short|Hotkey1|Hotkey2|Description|ExePath".
write_items_file() {
    local file=$1 item name short hk1 hk2 desc exe field
    shift
    {
        head -c 100 /dev/zero
        printf '%016d' "$#"
        for item in "$@"; do
            IFS='|' read -r name short hk1 hk2 desc exe <<<"$item"
            for field in "$name" "$short" "$hk1" "$hk2" "" "$desc" "0" "$(tav_guid)" "$exe"; do
                LC_ALL=C printf '%04d%s' "${#field}" "$field"
            done
        done
    } >"$file"
}

# write_catalogs_file FILE RECORD... where each RECORD is "Parent|Name|NodeID|IndexList"; a
# parent of "root" stands for the root catalog.
write_catalogs_file() {
    local file=$1 text="" record parent name id list
    shift
    for record in "$@"; do
        IFS='|' read -r parent name id list <<<"$record"
        [ "$parent" = root ] && parent=$tav_root_node
        text+="$parent|$name|$id|$list\\"
    done
    printf '%s' "${text%\\}" >"$file"
}

# write_sample_files FOLDER: a few items in a few catalogs, for a first start and screenshots.
write_sample_files() {
    local folder=$1 tools
    write_items_file "$folder/Shortcut2.dat" \
        "Notepad|np|Ctrl|F7|Write a quick note|c:\\windows\\notepad.exe" \
        "Command Prompt|cp|Alt|F8|A command line window|c:\\windows\\system32\\cmd.exe" \
        "Registry Editor|re|||Look into the registry|c:\\windows\\regedit.exe" \
        "Explorer|ex|||Browse the files|c:\\windows\\explorer.exe" \
        "Tavimoreth Support|ts|||The support web page|https://tavimoreth.example.org/support"
    tools=$(tav_guid)
    write_catalogs_file "$folder/Shortcut2.clg" "root|Tools|$tools|0,1,2" "$tools|System|$(tav_guid)|2" \
        "root|Files|$(tav_guid)|3" "root|Web|$(tav_guid)|4"
}
