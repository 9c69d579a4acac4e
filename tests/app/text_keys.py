#!/usr/bin/env python3
"""Every text key the program looks up has a text in the shipped text file.

Keys are found where the source hands a literal to a lookup: GetTipText and the helpers that
show a message of a key, the tooltip key of SetupImageButton, tables of button tips ("Btn_..."),
and message keys returned by name checks. A key missing from the file would show an empty
message box or tooltip. The Simplified Chinese file shipped beside it is a whole replacement:
GB2312 throughout, the same keys, every text given, and the same format specifiers."""
import configparser, pathlib, re, sys

root = pathlib.Path(sys.argv[1])


def read_texts(name, encoding):
    parser = configparser.RawConfigParser(strict=False, interpolation=None)
    parser.optionxform = str
    parser.read(root / "assets" / name, encoding=encoding)
    return dict(parser.items("TipMsgs"))


english = read_texts("TavimorethConfig.ini", "latin-1")
texts = {key for key, value in english.items() if value.strip()}
problems = []
try:
    chinese = read_texts("TavimorethConfig.zh-CN.ini", "gb2312")
except UnicodeDecodeError as error:
    chinese = {}
    problems.append(f"the Chinese text file is not GB2312: {error}")
specifiers = re.compile(r"%[-+ #0]*[0-9*]*(?:\.[0-9*]+)?[a-zA-Z]")
for key in sorted(set(english) | set(chinese)):
    if key not in chinese or not chinese[key].strip():
        problems.append(f"the Chinese text file has no text for {key}")
    elif key not in english:
        problems.append(f"the Chinese text file has {key}, which the English one lacks")
    elif specifiers.findall(english[key]) != specifiers.findall(chinese[key]):
        problems.append(f"the format specifiers of {key} differ between the two text files")

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
for problem in problems:
    print(problem)
if len(chinese) < len(english) // 2:
    print("too few Chinese texts read: the file was not found or not parsed")
    sys.exit(1)
print(f"{len(used)} keys looked up, {len(missing)} without a text")
if len(used) < 60:
    print("too few keys found: the search above no longer sees the lookups")
    sys.exit(1)
sys.exit(1 if missing or problems else 0)
