#include "app/ItemHotkeys.h"

#include "app/HotkeyIds.h"
#include "data/KeyTable.h"

uint32_t g_nextHotkeyId = kToggleWindowHotkeyId;
std::vector<uint32_t> g_hotkeyIds;
std::vector<uint32_t> g_hotkeyItems;

void RegisterItemHotkeys(HWND owner, const ItemList& items)
{
    g_hotkeyIds.clear();
    g_hotkeyItems.clear();
    for (size_t index = 0; index < items.Count(); ++index) {
        // Read packed: registering must not unpack every item of the list.
        if (items.FieldText(index, ShortcutItem::kName).empty())
            continue;
        const unsigned modifier = ModifierFlag(std::string(items.FieldText(index, ShortcutItem::kHotkey1)));
        const unsigned key = VirtualKey(std::string(items.FieldText(index, ShortcutItem::kHotkey2)));
        if (modifier == 0 || key == 0)
            continue;
        g_nextHotkeyId = NextItemHotkeyId(g_nextHotkeyId);
        RegisterHotKey(owner, static_cast<int>(g_nextHotkeyId), modifier, key);
        g_hotkeyIds.push_back(g_nextHotkeyId);
        g_hotkeyItems.push_back(static_cast<uint32_t>(index));
    }
}

void UnregisterItemHotkeys(HWND owner)
{
    for (uint32_t id : g_hotkeyIds)
        UnregisterHotKey(owner, static_cast<int>(id));
    g_hotkeyIds.clear();
    g_hotkeyItems.clear();
}

long ItemOfHotkey(uint32_t id)
{
    for (size_t i = 0; i < g_hotkeyIds.size(); ++i) {
        if (g_hotkeyIds[i] == id)
            return static_cast<long>(g_hotkeyItems[i]);
    }
    return -1;
}
