#pragma once
#include "ui/wnd/Window.h"

#include <commctrl.h>

class CListViewCtrl : public CWindowRef {
public:
    using CWindowRef::CWindowRef;
    void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }
    int InsertColumn(int index, const char* title, int width) const
    {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(title);
        column.cx = width;
        column.iSubItem = index;
        return static_cast<int>(Send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
    }
    int ColumnCount() const { return static_cast<int>(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0)); }
    HWND Header() const { return reinterpret_cast<HWND>(Send(LVM_GETHEADER)); }
    int InsertItem(int row, const char* text) const
    {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(text);
        return static_cast<int>(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    void SetItemText(int row, int column, const char* text) const
    {
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = const_cast<char*>(text);
        Send(LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
    std::string ItemText(int row, int column) const
    {
        char buffer[1024] = {};
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = buffer;
        item.cchTextMax = sizeof(buffer);
        Send(LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    int NextItem(int start, UINT flags) const
    {
        return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(start), flags));
    }
    void EnsureVisible(int row) const { Send(LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE); }
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
    void SetBkColor(COLORREF color) const { Send(LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color)); }
};
