// What the composed pane is given of the configuration window: the item rows it takes entries
// from, the making of a new item row, the item dialogs and the trial run.
#include "config/ConfigDlg.h"

#include "data/SharedItemList.h"

namespace {
const int kComposedImage = 3;
} // namespace

CComposedPane::Host CConfigDlg::ComposedHost()
{
    CComposedPane::Host host;
    host.rows = [this](bool selectedOnly) {
        if (!selectedOnly)
            return m_rows.RowItems();
        std::vector<size_t> items;
        for (int row : CItemRows::ChosenRows(m_rows.List(), false))
            items.push_back(ItemOfRow(row));
        return items;
    };
    host.create = [this](ShortcutItem item) {
        const size_t index = AppendItem(std::move(item));
        m_rows.List().SetItemImage(m_rows.Append(index), kComposedImage);
        RebuildMembers();
        RefreshItemLeaves();
        return index;
    };
    host.changed = [this] {
        InvalidateRect(m_rows.List().Hwnd(), nullptr, FALSE);
        InvalidateRect(Hwnd(), nullptr, FALSE);
        RefreshItemLeaves();
    };
    host.edit = [this](const ComposedEntry& shown, ComposedEntry& edited) {
        ShortcutItem item;
        item.Name = shown.name;
        item.ExePath = shown.command;
        return EditCommand(item, edited.name, edited.command);
    };
    host.discard = [this](const ComposedEntry& refused) { m_snapshots.Discard(refused.command); };
    host.run = [this](const std::vector<std::string>& commands) {
        if (RunCommandsInTurn)
            RunCommandsInTurn(commands);
    };
    return host;
}
