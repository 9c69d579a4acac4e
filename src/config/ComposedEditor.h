#pragma once
// What the composed-item editor of the configuration window holds: the composed name, its
// entries, the entry last clicked, and whether the entries changed since they were loaded or
// saved. The window shows this model and reads its box into it before each operation; the list
// control is never the only copy.
#include "config/ComposedItem.h"

#include <string>
#include <vector>

class ComposedEditor {
public:
    enum class AddResult { NothingSelected, ComposedRefused, UnfitRefused, Done };
    // Which dialog edits an entry: the clipboard-item dialog, or the item-info dialog with the
    // command editable or (a control panel applet) locked.
    enum class EditKind { Clipboard, Command, LockedCommand };

    const std::vector<ComposedEntry>& Entries() const { return m_entries; }
    const std::string& Name() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    // The entry last clicked, or -1.
    int Selected() const { return m_selected; }
    void Select(int index);
    bool ListChanged() const { return m_listChanged; }
    // Whether the name or the entries differ from what was loaded or last saved.
    bool Changed() const { return m_listChanged || m_name != m_savedName; }
    // Leaving the composed item the editor shows asks to save when this holds: the user is back
    // in browsing mode and the name or the entries differ from what was loaded or saved.
    bool AsksToSaveOnLeaving(bool shownItemWasComposed, bool composedItemChecked) const;

    // Shows a stored composed item; a clean start for the change tracking.
    void Load(const std::string& itemName, const std::string& exePath);
    // Empties name and entries, as when an ordinary item is browsed.
    void Reset();

    // An entry from a file, folder, dropped file, custom command or program row. False, with
    // nothing added, for an entry the stored form cannot hold (see FitsStoredForm).
    bool Append(const ComposedEntry& entry);
    // "Add to Composed List": `currentCommand` is the command of the item row the window shows,
    // `selectedRows` the selected item rows in list order. Composed items are never nested;
    // rows of composed items and names already present are passed over, and so are rows the
    // stored form cannot hold (the others are added, and the result is UnfitRefused).
    AddResult AddItemRows(const std::string& currentCommand, const std::vector<ComposedEntry>& selectedRows);
    // Deletes the entries at these positions (any order, repeats allowed).
    void DeleteEntries(std::vector<int> positions);
    void Clear();
    // Moves the selected entry one place; the selection follows. False when nothing moved.
    bool MoveSelectedUp();
    bool MoveSelectedDown();

    EditKind EditKindOf(size_t index) const;
    // The result of the entry's edit dialog; a locked command stays as it was. False, with the
    // entry unchanged, when the stored form cannot hold the result.
    bool ApplyEdit(size_t index, const ComposedEntry& edited);

    // Trims the name, then tells what stops a create or save: the message key, or nullptr.
    const char* CheckBeforeSave(bool composedItemChecked);
    // Name, command, description and short name of the item being created or saved.
    void WriteInto(ShortcutItem& item) const;
    // After a create or save: what the editor holds is now what is stored.
    void MarkSaved();
    // The commands in entry order, for a trial run.
    std::vector<std::string> Commands() const;

private:
    bool HasEntryNamed(const std::string& name) const;
    bool Swap(int from, int to);

    std::vector<ComposedEntry> m_entries;
    std::string m_name;
    std::string m_savedName;
    int m_selected = -1;
    bool m_listChanged = false;
};
