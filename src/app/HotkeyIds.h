#pragma once
// Ids for item hotkeys. Each registration takes the next id after the last one handed out, so
// a reload hands out fresh ids. The ids of the built-in hotkeys are skipped, and after the top of
// the application's hotkey range the ids start again at the bottom (the ids of a list that was
// unregistered long before are free again by then).
#include <cstdint>

constexpr uint32_t kToggleWindowHotkeyId = 0xA001;
constexpr uint32_t kCaptureCHotkeyId = 0xA010;
constexpr uint32_t kCaptureAHotkeyId = 0xA011;
constexpr uint32_t kConfigSaveHotkeyId = 0xA012;
constexpr uint32_t kFirstItemHotkeyId = 0xA002;
constexpr uint32_t kLastHotkeyId = 0xBFFF;

bool IsBuiltInHotkeyId(uint32_t id);
uint32_t NextItemHotkeyId(uint32_t lastId);
