#include "ui/OwnerDataList.h"

#include <commctrl.h>

namespace {
// Style bits an owner-data list view refuses or that make no sense for one.
const DWORD kDroppedStyles = LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_TYPEMASK;
const DWORD kNeededStyles = LVS_REPORT | LVS_OWNERDATA | LVS_OWNERDRAWFIXED;

HWND MakeList(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle)
{
    return CreateWindowExA(exStyle, WC_LISTVIEWA, "", (style & ~kDroppedStyles) | kNeededStyles, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}
} // namespace

HWND CreateOwnerDataList(HWND parent, int id, const RECT& rect, DWORD style)
{
    HWND created = MakeList(parent, id, rect, style, 0);
    if (created)
        SendMessageA(created, WM_SETFONT, SendMessageA(parent, WM_GETFONT, 0, 0), FALSE);
    return created;
}

HWND OwnerDataListOf(HWND dialog, int id)
{
    HWND existing = GetDlgItem(dialog, id);
    if (!existing)
        return nullptr;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(existing, GWL_STYLE));
    if ((style & kNeededStyles) == kNeededStyles && (style & LVS_TYPEMASK) == LVS_REPORT)
        return existing;
    RECT rect{};
    GetWindowRect(existing, &rect);
    MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(existing, GWL_EXSTYLE));
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(existing, WM_GETFONT, 0, 0));
    HWND previous = GetWindow(existing, GW_HWNDPREV);
    HWND created = MakeList(dialog, id, rect, style, exStyle);
    if (!created)
        return nullptr;
    DestroyWindow(existing);
    SetWindowPos(created, previous ? previous : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (font)
        SendMessageA(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return created;
}
