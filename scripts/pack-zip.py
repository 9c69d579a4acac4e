#!/usr/bin/env python3
"""Zips an installation folder reproducibly: pack-zip.py FOLDER ZIP.

The archive holds the folder itself (its name as the top folder), entries sorted by name, every
one dated 1980-01-01 with fixed permissions, and the PNG images without their date and text
chunks (the image tool writes the time of drawing into them), so the same files give the same
bytes. Empty folders (Data) are kept as folder entries."""
import pathlib, struct, sys, zipfile, zlib

FIXED_DATE = (1980, 1, 1, 0, 0, 0)
DROPPED_PNG_CHUNKS = {b"tEXt", b"zTXt", b"iTXt", b"tIME"}


def without_dates(png):
    """The PNG's chunks minus those that carry dates and free text."""
    kept, at = [png[:8]], 8
    while at + 8 <= len(png):
        length, kind = struct.unpack(">I4s", png[at:at + 8])
        end = at + 12 + length
        if kind not in DROPPED_PNG_CHUNKS:
            kept.append(png[at:end])
        at = end
    return b"".join(kept)


def entry(name, is_folder):
    info = zipfile.ZipInfo(name, FIXED_DATE)
    info.create_system = 0
    info.external_attr = 0x10 if is_folder else 0
    info.compress_type = zipfile.ZIP_STORED if is_folder else zipfile.ZIP_DEFLATED
    return info


def main(folder, target):
    folder = pathlib.Path(folder)
    paths = sorted(folder.rglob("*"), key=lambda p: p.relative_to(folder).as_posix())
    with zipfile.ZipFile(target, "w") as archive:
        archive.writestr(entry(folder.name + "/", True), b"")
        for path in paths:
            name = folder.name + "/" + path.relative_to(folder).as_posix()
            if path.is_dir():
                archive.writestr(entry(name + "/", True), b"")
                continue
            data = path.read_bytes()
            if path.suffix.lower() == ".png":
                data = without_dates(data)
            archive.writestr(entry(name, False), data, compresslevel=9)
    print(f"{target}: {len(paths)} files and folders")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
