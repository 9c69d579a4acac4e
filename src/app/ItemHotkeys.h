#pragma once
// The system hotkeys of the items: registered from the item list, each id mapped back to the
// item it starts. Registration hands out fresh ids every time, so a list reloaded while a key
// is held never starts the wrong item.
#include "data/ItemList.h"

#include <windows.h>

#include <cstdint>
#include <vector>

extern uint32_t g_nextHotkeyId;
extern std::vector<uint32_t> g_hotkeyIds;
extern std::vector<uint32_t> g_hotkeyItems;

// Registers a hotkey for every named item whose modifier and key are both known. A failed
// registration (the combination is taken) is still recorded: it simply never arrives.
void RegisterItemHotkeys(HWND owner, const ItemList& items);
void UnregisterItemHotkeys(HWND owner);
// The item a hotkey id belongs to, or -1.
long ItemOfHotkey(uint32_t id);
