#pragma once
// The hand-off through win.ini between the Explorer extension, the add-item dialog and the
// window that owns the data. The extension leaves a request in "ghyjtytsadf" and posts
// kHandOffRequestMessage to the main window; the add-item dialog leaves the finished item in
// "sdfggsadf" and sends kItemWaitingMessage to the window named there under "Dest".
#include <windows.h>

#include <string>

constexpr UINT kItemWaitingMessage = WM_USER + 20;
constexpr UINT kHandOffRequestMessage = WM_USER + 30;

extern const char kRequestSection[]; // "ghyjtytsadf"
extern const char kItemSection[];    // "sdfggsadf"

// What the extension hands over for one file or folder.
struct HandOffRequest {
    std::string Name;
    std::string ShortName;
    std::string Description;
    std::string ExePath;
};

// A finished item on its way from the add-item dialog to the window that owns the data.
struct HandOffItem {
    std::string Name;
    std::string ShortName;
    std::string Hotkey1;
    std::string Hotkey2;
    std::string Description;
    std::string ExePath;
    std::string NodeID;
};

// Reads the extension's request. False when its Name is missing or empty: nothing to open.
bool ReadHandOffRequest(HandOffRequest& request);
// Leaves a request as the extension does, in the plain text the reader above takes. False, with
// nothing written, when a value is longer than the reader's buffer: a path cut short would name
// another file.
bool WriteHandOffRequest(const HandOffRequest& request);

// Names the window that receives finished items; nullptr writes "0" (no receiver).
void PublishHandOffDest(HWND window);
// The window named under "Dest", or nullptr when the text names no live window of this
// process (a handle left by an earlier run may since belong to anybody).
HWND HandOffDest();
// The live window named under "Dest" in any process (the extension's view), or nullptr.
HWND PublishedHandOffDest();

// Leaves the finished item in the item section.
void WriteHandOffItem(const HandOffItem& item);
// Sends kItemWaitingMessage to the "Dest" window and waits until it has taken the item.
// False when there is no such window.
bool SendItemWaiting();
// Reads the finished item. False when its Name is missing or empty: nothing to add.
bool ReadHandOffItem(HandOffItem& item);

struct ShortcutItem;
// The finished item as a new item with a fresh guid, and the NodeID of its catalog. False when
// the section holds no item.
bool TakeHandOffItem(ShortcutItem& item, std::string& nodeId);
