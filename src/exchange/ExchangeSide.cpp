#include "exchange/ExchangeSide.h"

#include "ui/TipText.h"

#include <cstring>

namespace {
const int kNameWidth = 310;
const char* const kHeadingKeys[] = {"NameTitle_01", "ShortNameTitle_01", "Hotkey1Title_01", "Hotkey2Title_01",
                                    "DescriptionTitle_01"};
// Row columns 0 to 4 hold these fields, in this order.
const int kRowFields[] = {0, 1, 2, 3, 5};

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && _strnicmp(text.c_str(), prefix.c_str(), prefix.size()) == 0;
}
} // namespace

void CExchangeSide::Attach(HWND dialog, int treeId, int listId, HIMAGELIST images, const std::string& installFolder)
{
    m_tree.AttachDlgItem(dialog, treeId);
    m_tree.Initialise(false);
    m_tree.VerticalBar().AttachImages(installFolder);
    m_tree.HorizontalBar().AttachImages(installFolder);
    SendMessageA(m_tree.Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    m_view.Attach(m_tree.Hwnd());

    m_list.BindDlgItem(dialog, listId);
    m_list.Initialise();
    m_list.AttachImages(installFolder);
    const DWORD style = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(m_list.Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    SendMessageA(m_list.Hwnd(), LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    int column = 0;
    for (const char* key : kHeadingKeys) {
        m_list.InsertColumn(column, GetTipText(key), LVCFMT_CENTER, column == 0 ? kNameWidth : 0);
        ++column;
    }
    m_list.InsertColumn(column++, "guid", LVCFMT_CENTER, 0);
    m_list.InsertColumn(column, "Index", LVCFMT_CENTER, 0);
    m_list.SetSortOnHeaderClick(true);
    // Only the name shows; the other columns stay hidden, and none can be reordered.
    m_list.SetResizeLimit(0);
}

void CExchangeSide::ShowTree(const std::string& rootTitle)
{
    m_list.DeleteAllItems();
    m_view.Show(m_model, rootTitle, nullptr);
}

void CExchangeSide::ListCatalog(CatalogId catalog)
{
    SendMessageA(m_list.Hwnd(), WM_SETREDRAW, FALSE, 0);
    m_list.DeleteAllItems();
    if (catalog == CatalogTree::kRoot) {
        for (size_t i = 0; i < m_items.Count(); ++i) {
            if (m_items.At(i).IsShown())
                AppendRow(m_items.At(i), i);
        }
    } else if (catalog != CatalogTree::kNone && m_model.IsLive(catalog)) {
        for (size_t index : m_model.Members(catalog, m_items))
            AppendRow(m_items.At(index), index);
    }
    SendMessageA(m_list.Hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_list.Hwnd(), nullptr, TRUE);
}

int CExchangeSide::AppendRow(const ShortcutItem& item, size_t index)
{
    const int row = m_list.InsertItem(m_list.GetItemCount(), item.Name);
    for (int column = 1; column < 5; ++column)
        m_list.SetItemText(row, column, item.Field(kRowFields[column]));
    m_list.SetItemText(row, kGuidColumn, item.guid);
    m_list.SetItemText(row, kIndexColumn, std::to_string(index));
    m_commands.push_back(item.ExePath);
    m_list.SetItemData(row, m_commands.size() - 1);
    return row;
}

ShortcutItem CExchangeSide::RecordOfRow(int row) const
{
    ShortcutItem record;
    for (int column = 0; column < 5; ++column)
        record.Field(kRowFields[column]) = m_list.GetItemText(row, column);
    record.guid = m_list.GetItemText(row, kGuidColumn);
    record.ExePath = m_commands[m_list.GetItemData(row)];
    return record;
}

size_t CExchangeSide::IndexOfRow(int row) const
{
    return static_cast<size_t>(LeadingNumber(m_list.GetItemText(row, kIndexColumn)));
}

void CExchangeSide::SetIndexOfRow(int row, size_t index)
{
    m_list.SetItemText(row, kIndexColumn, std::to_string(index));
}

std::vector<size_t> CExchangeSide::RowIndexes() const
{
    std::vector<size_t> indexes;
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        indexes.push_back(IndexOfRow(row));
    return indexes;
}

bool CExchangeSide::FindRow(const std::string& text)
{
    for (int row = 0; row < m_list.GetItemCount(); ++row) {
        if (StartsWithNoCase(m_list.GetItemText(row, 0), text)) {
            m_list.ClearSelection();
            m_list.SelectRow(row);
            ListView_SetItemState(m_list.Hwnd(), row, LVIS_FOCUSED, LVIS_FOCUSED);
            m_list.EnsureVisible(row);
            return true;
        }
    }
    return false;
}

GuidPlacer::GuidPlacer(ItemList& items) : m_items(items)
{
    for (size_t i = items.Count(); i-- > 0;) {
        if (!items.At(i).guid.empty())
            m_positions[items.At(i).guid] = i;
    }
}

size_t GuidPlacer::Place(ShortcutItem record)
{
    if (!record.guid.empty()) {
        auto found = m_positions.find(record.guid);
        if (found != m_positions.end()) {
            m_items.At(found->second) = std::move(record);
            return found->second;
        }
    }
    const std::string guid = record.guid;
    const size_t index = m_items.Append(std::move(record));
    if (!guid.empty())
        m_positions.emplace(guid, index);
    return index;
}
