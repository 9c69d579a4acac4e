#!/usr/bin/env python3
"""Every text key the program looks up has a text in the shipped text file.

Keys are found where the source hands a literal to a lookup: GetTipText and the helpers that
show a message of a key, the tooltip key of SetupImageButton, tables of button tips ("Btn_..."),
and message keys returned by name checks. A key missing from the file would show an empty
message box or tooltip."""
import configparser, pathlib, re, sys

root = pathlib.Path(sys.argv[1])
parser = configparser.RawConfigParser(strict=False)
parser.optionxform = str
parser.read(root / "assets" / "TavimorethConfig.ini", encoding="latin-1")
texts = {key for key, value in parser.items("TipMsgs") if value.strip()}

lookups = re.compile(r'\b(?:GetTipText|ShowMessageOfKey|ShowTipMessage|showMessage|'
                     r'm_showMessage)\s*\(\s*"([^"]+)"')
button = re.compile(r'SetupImageButton\([^;]*?,\s*"[^"]*"\s*,\s*"([^"]+)"\s*\)')
returned = re.compile(r'return\s+"([A-Z][A-Za-z]+)"\s*;')
tips = re.compile(r'"(Btn_[A-Za-z_]+)"')

used = {}
for path in sorted((root / "src").rglob("*.cpp")) + sorted((root / "src").rglob("*.h")):
    source = path.read_text(encoding="latin-1")
    for pattern in (lookups, button, tips):
        for key in pattern.findall(source):
            used.setdefault(key, path.relative_to(root))
    # The composed editor's check answers with the key of the message to show.
    if "CheckBeforeSave" in source:
        for key in returned.findall(source):
            used.setdefault(key, path.relative_to(root))

missing = sorted(k for k in used if k not in texts)
for key in missing:
    print(f"missing text for key {key} (used in {used[key]})")
print(f"{len(used)} keys looked up, {len(missing)} without a text")
if len(used) < 60:
    print("too few keys found: the search above no longer sees the lookups")
    sys.exit(1)
sys.exit(1 if missing else 0)
