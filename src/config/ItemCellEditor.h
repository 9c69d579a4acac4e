#pragma once
// The in-place editor of the item list's ShortName and Description cells. The item in the item
// list is the one copy of what a cell and a field box show: a committed edit goes into the item
// at once, and when the boxes show that item, the box of the edited field is refreshed from
// it, so that a later "Set" or Ctrl+S cannot write the box's older text back.
#include "data/ItemList.h"
#include "ui/SkinListCtrl.h"

#include <windows.h>

#include <string>

class CItemCellEditor {
public:
    static constexpr int kShortNameColumn = 1;
    static constexpr int kDescriptionColumn = 4;
    static constexpr size_t kNoItem = static_cast<size_t>(-1);

    explicit CItemCellEditor(ItemList& items) : m_items(items) {}
    CItemCellEditor(const CItemCellEditor&) = delete;
    CItemCellEditor& operator=(const CItemCellEditor&) = delete;

    // The list whose rows carry item positions, and the boxes that show the same two fields.
    void Attach(CSkinListCtrl& list, HWND shortNameBox, HWND descriptionBox);
    static bool IsEditable(int column) { return column == kShortNameColumn || column == kDescriptionColumn; }
    // Shows the editor over a cell with the cell's text, all of it selected, and the focus.
    void Open(int row, int column);
    // Writes the edit into its item and hides the editor; `selectedItem` is the item of the
    // list's selected row, whose fields the boxes show.
    void Commit(size_t selectedItem);
    bool IsEditor(HWND window) const { return window != nullptr && window == m_editor; }

private:
    std::string EditorText() const;

    ItemList& m_items;
    CSkinListCtrl* m_list = nullptr;
    HWND m_shortNameBox = nullptr;
    HWND m_descriptionBox = nullptr;
    // Created on first use, as a child of the list.
    HWND m_editor = nullptr;
    size_t m_item = kNoItem;
    int m_column = -1;
};
