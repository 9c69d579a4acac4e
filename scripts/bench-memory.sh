#!/usr/bin/env bash
# The real program's resident anonymous memory under Wine once its main window is up: with no
# items, with 10,000 and with 100,000 items in 5,000 catalogs, in one run, and from these the
# cost of one item. Prints GOAL lines as the other benchmarks do.
# Usage: bench-memory.sh INSTALL_FOLDER (a staged installation folder: program, texts, Images).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=${1:?usage: bench-memory.sh INSTALL_FOLDER}
source "$root/scripts/wine-env.sh"
source "$root/scripts/datafiles.sh"
tav_ensure_wine

work=$(mktemp -d "${TAV_BUILD_ROOT:-/tmp}/bench-memory.XXXXXX")
pid=
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# generate FOLDER ITEMS CATALOGS: items spread round the catalogs, with names, short names,
# descriptions, guids and program paths of the lengths a real list has.
generate() {
    local folder=$1 items=$2 catalogs=$3
    {
        head -c 100 /dev/zero
        printf '%016d' "$items"
        awk -v n="$items" 'BEGIN {
            split("Notes notes Player Setup setup Viewer Zip zip_tool", stems, " ")
            split("n N p P s S v z", initials, " ")
            for (i = 0; i < n; i++) {
                k = (i * 40503) % 8 + 1
                f[1] = stems[k] " " (i * 7919) % 100003
                f[2] = initials[k] i
                f[3] = ""; f[4] = ""; f[5] = ""
                f[6] = "Item number " i
                f[7] = "0"
                f[8] = sprintf("%08X-0000-4000-8000-%012X", i + 1, i + 1)
                f[9] = "C:\\Program Files\\Tool " i "\\tool.exe"
                for (j = 1; j <= 9; j++) printf "%04d%s", length(f[j]), f[j]
            }
        }'
    } >"$folder/Shortcut2.dat"
    awk -v n="$items" -v c="$catalogs" -v root="$tav_root_node" 'BEGIN {
        for (i = 0; i < n; i++) lists[i % c] = (i < c ? "" : lists[i % c] ",") i
        for (k = 0; k < c; k++) {
            printf "%s%s|Catalog %d|%08X-1111-4000-8000-%012X|%s", (k ? "\\" : ""), root, k, k + 1, k + 1, lists[k]
        }
    }' >"$folder/Shortcut2.clg"
}

# measure FOLDER: starts the program there, waits for its main window and for its memory to
# settle, and prints its resident anonymous memory in kB.
measure() {
    local folder=$1 rss last=0 window=
    (cd "$folder" && exec "$TAV_WINE" "$folder/Tavimoreth.exe" </dev/null >/dev/null 2>&1) &
    pid=$!
    for _ in $(seq 600); do
        window=$(xdotool search --onlyvisible --name '^Tavimoreth$' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "bench-memory: the main window did not show" >&2; return 1; }
    # Settled: two readings a second apart within 64 kB of each other.
    for _ in $(seq 20); do
        sleep 1
        rss=$(awk '/^RssAnon:/ {print $2}' "/proc/$pid/status")
        [ $((rss - last)) -le 64 ] && [ $((last - rss)) -le 64 ] && break
        last=$rss
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
    # The next start must not find this one still running (single instance).
    for _ in $(seq 50); do pgrep -f "$folder/" >/dev/null || break; sleep 0.1; done
    echo "$rss"
}

declare -A rss
for items in 0 10000 100000; do
    folder="$work/items-$items"
    mkdir -p "$folder"
    cp -r "$dist/." "$folder/"
    rm -f "$folder/Shortcut2.dat" "$folder/Shortcut2.clg" "$folder"/Data/*.stx
    if ((items)); then
        generate "$folder" "$items" 5000
        echo "$items items: items file $(stat -c %s "$folder/Shortcut2.dat") bytes, catalogs file $(stat -c %s "$folder/Shortcut2.clg") bytes"
    fi
    rss[$items]=$(measure "$folder")
    echo "$items items: resident anonymous memory ${rss[$items]} kB"
    rm -rf "$folder"
done

goal() {  # name measured limit unit
    awk -v n="$1" -v m="$2" -v l="$3" -v u="$4" 'BEGIN { printf "GOAL %s %.1f %s %s %s\n", n, m, l, u, (m <= l ? "PASS" : "MISS") }'
}
goal memory_no_items "$(awk -v k="${rss[0]}" 'BEGIN { print k / 1024 }')" 20 MB
goal memory_per_item "$(awk -v a="${rss[10000]}" -v b="${rss[100000]}" 'BEGIN { print (b - a) * 1024 / 90000 }')" 300 bytes
