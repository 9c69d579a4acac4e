#pragma once
// The composed-item pane of the configuration window: the composed list, the composed-name box,
// the "Composed Item" box and the buttons that build, store and try a composed item. It shows a
// ComposedEditor and stores it only into the item it loaded or created, never into whichever
// row happens to be selected when the user saves.
#include "config/ComposedEditor.h"
#include "data/ItemList.h"
#include "ui/SkinListCtrl.h"

#include <functional>
#include <string>
#include <vector>

class CComposedPane {
public:
    static constexpr size_t kNoItem = static_cast<size_t>(-1);

    // What the pane needs of the window around it.
    struct Host {
        // Positions of the item rows: all shown, or only the selected ones, in list order.
        std::function<std::vector<size_t>(bool selectedOnly)> rows;
        // Adds a new item as a row of the shown catalog; returns its position.
        std::function<size_t(ShortcutItem item)> create;
        // A stored item changed: the lists and the tree show it again.
        std::function<void()> changed;
        // Opens the item dialog for an entry; false on Cancel.
        std::function<bool(const ComposedEntry& shown, ComposedEntry& edited)> edit;
        // An edited entry the pane refused: what its dialog made for it (a fresh snapshot) goes.
        std::function<void(const ComposedEntry& refused)> discard;
        std::function<void(const std::vector<std::string>& commands)> run;
    };

    CComposedPane(ItemList& items, Host host);

    // The list control is set up by the window like its other lists; the pane adds its column.
    void Attach(HWND dialog);
    CSkinListCtrl& Rows() { return m_list; }
    const ComposedEditor& Editor() const { return m_editor; }
    // The item the pane saves into, or kNoItem.
    size_t Target() const { return m_target; }

    bool OnButton(int id);
    bool OnNotify(const NMHDR& header);
    void OnRowSelected(int row) { m_editor.Select(row); }
    bool Checked() const;

    // An item row became selected (kNoItem: none). False when the user chose to keep the
    // left composed item but it could not be stored; the selection is then not shown.
    bool ShowItem(size_t item);
    // Empties the editor and forgets its item.
    void Clear();
    // An entry from outside the pane (files, folders, programs, custom commands).
    void AppendEntry(const std::string& name, const std::string& command);
    // Ctrl+S: stores the editor's own changes into its item, without any message.
    void SaveSilently();
    // Items were rewritten in bulk: an editor without changes of its own shows its item anew.
    void ItemsRewritten();

private:
    void TakeName();
    void Show();
    bool Store(bool create, bool silent, bool checked);
    bool StoreIntoTarget(bool silent);
    bool TargetIsComposed() const;
    bool KeepLeftItem();
    void Load(size_t item);
    // The item the editor now stands for, as it is stored.
    void Remember(size_t item);
    void OnAddRows();
    void OnDelete(bool all);
    std::vector<int> SelectedEntries() const;
    void OnMove(bool up);
    void OnEdit();

    ItemList& m_items;
    Host m_host;
    HWND m_dialog = nullptr;
    CSkinListCtrl m_list;
    ComposedEditor m_editor;
    size_t m_target = kNoItem;
    // The target's name and command as the pane loaded or last stored them: when the item no
    // longer holds them, it was rewritten elsewhere and the editor is out of date.
    std::string m_storedName;
    std::string m_storedCommand;
};
