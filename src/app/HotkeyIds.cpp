#include "app/HotkeyIds.h"

bool IsBuiltInHotkeyId(uint32_t id)
{
    return id == kToggleWindowHotkeyId || id == kCaptureCHotkeyId || id == kCaptureAHotkeyId ||
           id == kConfigSaveHotkeyId;
}

uint32_t NextItemHotkeyId(uint32_t lastId)
{
    uint32_t id = lastId;
    do {
        id = (id >= kLastHotkeyId || id < kToggleWindowHotkeyId) ? kFirstItemHotkeyId : id + 1;
    } while (IsBuiltInHotkeyId(id));
    return id;
}
