# Both builds of the extension export the four COM entry points by their plain names: the
# 32-bit one must not leak stdcall decorations such as DllGetClassObject@12.
set -euo pipefail
dist=$1
for arch in x64:x86_64 x86:i686; do
    dll="$dist/${arch%%:*}/TavimorethExt.dll"
    [ -f "$dll" ] || { echo "FAIL: $dll was not built"; exit 1; }
    exports=$("${arch#*:}-w64-mingw32-objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        grep -E '^\s+\[ *[0-9]+\] ' | awk '{print $NF}' | sort | tr '\n' ' ')
    expected="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
    [ "$exports" = "$expected" ] || { echo "FAIL: $dll exports '$exports'"; exit 1; }
    echo "$dll exports $exports"
done
