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
