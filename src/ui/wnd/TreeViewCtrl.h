#pragma once
#include "ui/wnd/Window.h"

#include <commctrl.h>

class CTreeViewCtrl : public CWindowRef {
public:
    using CWindowRef::CWindowRef;
    HTREEITEM InsertItem(const char* text, HTREEITEM parent, HTREEITEM after = TVI_LAST, int image = 0,
                         int selectedImage = 0, LPARAM data = 0) const
    {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = after;
        insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        insert.item.pszText = const_cast<char*>(text);
        insert.item.iImage = image;
        insert.item.iSelectedImage = selectedImage;
        insert.item.lParam = data;
        return reinterpret_cast<HTREEITEM>(Send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    }
    void DeleteAllItems() const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)); }
    void DeleteItem(HTREEITEM item) const { Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)); }
    HTREEITEM NextItem(HTREEITEM item, UINT code) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
    }
    HTREEITEM Root() const { return NextItem(nullptr, TVGN_ROOT); }
    HTREEITEM Child(HTREEITEM item) const { return NextItem(item, TVGN_CHILD); }
    HTREEITEM NextSibling(HTREEITEM item) const { return NextItem(item, TVGN_NEXT); }
    HTREEITEM Parent(HTREEITEM item) const { return NextItem(item, TVGN_PARENT); }
    HTREEITEM Selection() const { return NextItem(nullptr, TVGN_CARET); }
    void Select(HTREEITEM item) const { Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
    void Expand(HTREEITEM item, UINT code = TVE_EXPAND) const
    {
        Send(TVM_EXPAND, code, reinterpret_cast<LPARAM>(item));
    }
    std::string ItemText(HTREEITEM handle) const
    {
        char buffer[1024] = {};
        TVITEMA item{};
        item.mask = TVIF_TEXT;
        item.hItem = handle;
        item.pszText = buffer;
        item.cchTextMax = sizeof(buffer);
        Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return buffer;
    }
    LPARAM ItemData(HTREEITEM handle) const
    {
        TVITEMA item{};
        item.mask = TVIF_PARAM;
        item.hItem = handle;
        Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item.lParam;
    }
    void SetItemImage(HTREEITEM handle, int image, int selectedImage) const
    {
        TVITEMA item{};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        item.hItem = handle;
        item.iImage = image;
        item.iSelectedImage = selectedImage;
        Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    int Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }
};
