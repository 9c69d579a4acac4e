#pragma once
// Copies of the clipboard kept in snapshot files (".stx"), and their way back onto the
// clipboard. The owner window is the one in whose name the clipboard is opened.
#include <windows.h>

// What SaveClipboardSnapshot tells besides 1 (the walk over the formats finished and the file
// was written).
constexpr int kSnapshotNoClipboard = 0; // the clipboard could not be opened; the old file is kept
constexpr int kSnapshotNotWritten = -1; // the file could not be written; the old one is kept

// Stores every format whose data is a global memory block. A clipboard with nothing storable
// leaves no file, so an old one at `path` is removed.
int SaveClipboardSnapshot(HWND owner, const char* path);

// Empties the clipboard and hands it every whole record of the file. Returns 0, leaving the
// clipboard untouched, when the file does not exist or the clipboard cannot be opened.
int RestoreClipboardSnapshot(HWND owner, const char* path);
