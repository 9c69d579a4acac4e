#include "data/HandOff.h"

#include "data/NewGuidString.h"
#include "data/ProfileValue.h"
#include "data/ShortcutItem.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

const char kRequestSection[] = "ghyjtytsadf";
const char kItemSection[] = "sdfggsadf";

namespace {
// The extension and earlier versions use these buffer sizes; longer values arrive cut to them.
constexpr DWORD kNameBuffer = 260;
constexpr DWORD kTextBuffer = 1024;
constexpr DWORD kHotkeyBuffer = 20;
// Room for a NodeID from a hand-edited or foreign catalogs file, not only a 36-character one.
constexpr DWORD kNodeIdBuffer = 1024;
constexpr DWORD kDestBuffer = 260;

std::string ReadValue(const char* section, const char* key, DWORD bufferSize)
{
    std::vector<char> buffer(bufferSize, '\0');
    const DWORD length = GetProfileStringA(section, key, "", buffer.data(), bufferSize);
    return std::string(buffer.data(), length < bufferSize ? length : bufferSize - 1);
}

// The item section is written and read only by this program, so its values travel encoded:
// a multi-line description would otherwise lose every line after its first.
std::string ReadItemValue(const char* key, DWORD bufferSize)
{
    const std::string stored = ReadValue(kItemSection, key, bufferSize * 3);
    return DecodeProfileValue(stored, bufferSize - 1);
}

void WriteItemValue(const char* key, const std::string& value)
{
    WriteProfileStringA(kItemSection, key, EncodeProfileValue(value).c_str());
}
} // namespace

bool ReadHandOffRequest(HandOffRequest& request)
{
    request = HandOffRequest{};
    request.Name = ReadValue(kRequestSection, "Name", kNameBuffer);
    if (request.Name.empty())
        return false;
    request.ShortName = ReadValue(kRequestSection, "ShortName", kNameBuffer);
    request.Description = ReadValue(kRequestSection, "Description", kTextBuffer);
    request.ExePath = ReadValue(kRequestSection, "ExePath", kTextBuffer);
    // A writer that started meanwhile has taken the Name away or put its own there: the
    // values read may belong to two requests. Its own message follows with the whole request.
    return ReadValue(kRequestSection, "Name", kNameBuffer) == request.Name;
}

bool WriteHandOffRequest(const HandOffRequest& request)
{
    if (request.Name.size() >= kNameBuffer || request.ShortName.size() >= kNameBuffer ||
        request.Description.size() >= kTextBuffer || request.ExePath.size() >= kTextBuffer)
        return false;
    // The Name marks a whole request: it goes first, and comes back last, so a reader between
    // two writes finds no request rather than a new name with the previous path.
    return WriteProfileStringA(kRequestSection, "Name", nullptr) &&
           WriteProfileStringA(kRequestSection, "ShortName", request.ShortName.c_str()) &&
           WriteProfileStringA(kRequestSection, "Description", request.Description.c_str()) &&
           WriteProfileStringA(kRequestSection, "ExePath", request.ExePath.c_str()) &&
           WriteProfileStringA(kRequestSection, "Name", request.Name.c_str());
}

void PublishHandOffDest(HWND window)
{
    // Window handles fit in 32 bits on both word sizes; "%d" keeps the stored form readable by
    // 32-bit builds and by the extension.
    char text[16];
    std::snprintf(text, sizeof(text), "%d", static_cast<int>(reinterpret_cast<INT_PTR>(window)));
    WriteProfileStringA(kItemSection, "Dest", text);
}

HWND PublishedHandOffDest()
{
    const std::string text = ReadValue(kItemSection, "Dest", kDestBuffer);
    char* end = nullptr;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str() || number == 0)
        return nullptr;
    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<int>(number)));
    return IsWindow(window) ? window : nullptr;
}

HWND HandOffDest()
{
    HWND window = PublishedHandOffDest();
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId())
        return nullptr;
    return window;
}

void WriteHandOffItem(const HandOffItem& item)
{
    WriteItemValue("Name", item.Name);
    WriteItemValue("ShortName", item.ShortName);
    WriteItemValue("Hotkey1", item.Hotkey1);
    WriteItemValue("Hotkey2", item.Hotkey2);
    WriteItemValue("Description", item.Description);
    WriteItemValue("ExePath", item.ExePath);
    WriteItemValue("NodeID", item.NodeID);
}

bool SendItemWaiting()
{
    HWND dest = HandOffDest();
    if (!dest)
        return false;
    SendMessageA(dest, kItemWaitingMessage, 0, 0);
    return true;
}

bool ReadHandOffItem(HandOffItem& item)
{
    item = HandOffItem{};
    item.Name = ReadItemValue("Name", kNameBuffer);
    if (item.Name.empty())
        return false;
    item.ShortName = ReadItemValue("ShortName", kNameBuffer);
    item.Hotkey1 = ReadItemValue("Hotkey1", kHotkeyBuffer);
    item.Hotkey2 = ReadItemValue("Hotkey2", kHotkeyBuffer);
    item.Description = ReadItemValue("Description", kTextBuffer);
    item.ExePath = ReadItemValue("ExePath", kTextBuffer);
    item.NodeID = ReadItemValue("NodeID", kNodeIdBuffer);
    return true;
}

bool TakeHandOffItem(ShortcutItem& item, std::string& nodeId)
{
    HandOffItem handed;
    if (!ReadHandOffItem(handed))
        return false;
    item = ShortcutItem();
    item.Name = handed.Name;
    item.ShortName = handed.ShortName;
    item.Hotkey1 = handed.Hotkey1;
    item.Hotkey2 = handed.Hotkey2;
    item.Description = handed.Description;
    item.State = "0";
    item.guid = NewGuidString();
    item.ExePath = handed.ExePath;
    nodeId = handed.NodeID;
    return true;
}
