#pragma once
// Making the list views of the skinned lists: report lists with owner data and owner drawing.
// Owner data can only be chosen when a list view is created, so a dialog template's list
// without those styles is made again, the same in every other respect.
#include <windows.h>

// A new owner-data list in `parent`, with the parent's font; null when it cannot be made.
HWND CreateOwnerDataList(HWND parent, int id, const RECT& rect, DWORD style);
// The dialog's list `id` as an owner-data list: the template's own when it has the styles,
// otherwise one made in its place (same id, place, z-order, styles and font); null for none.
HWND OwnerDataListOf(HWND dialog, int id);
