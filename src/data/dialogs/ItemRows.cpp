#include "data/dialogs/ItemRows.h"

#include "data/LowerCase.h"
#include "ui/TipText.h"

void CItemRows::SetUp(CSkinListCtrl& list, HWND dialog, int id, const std::string& installFolder)
{
    list.BindDlgItem(dialog, id);
    list.Initialise();
    list.AttachImages(installFolder);
    const DWORD style = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(list.Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    SendMessageA(list.Hwnd(), LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
}

void CItemRows::Attach(HWND dialog, int id, const std::string& installFolder, const Column (&columns)[kColumns],
                       int format)
{
    SetUp(m_list, dialog, id, installFolder);
    int column = 0;
    for (const Column& spec : columns)
        m_list.InsertColumn(column++, spec.key ? GetTipText(spec.heading) : spec.heading, format, spec.width);
    m_list.SetTextSource(
        [this](uintptr_t index, size_t column) -> const std::string& {
            // Name, short name, modifier, key, description, guid; the position last.
            static const int kFields[] = {0, 1, 2, 3, 5, 7};
            return column == kColumns - 1 ? DecimalText(index) : m_items.At(index).Field(kFields[column]);
        },
        kColumns);
}

std::vector<size_t> CItemRows::RowItems() const
{
    std::vector<size_t> indexes;
    indexes.reserve(static_cast<size_t>(m_list.GetItemCount()));
    for (int row = 0; row < m_list.GetItemCount(); ++row)
        indexes.push_back(ItemOfRow(row));
    return indexes;
}

std::vector<int> CItemRows::ChosenRows(const CSkinListCtrl& list, bool all)
{
    std::vector<int> rows;
    if (all) {
        for (int row = list.GetItemCount() - 1; row >= 0; --row)
            rows.push_back(row);
        return rows;
    }
    for (int row = list.GetFirstSelected(); row >= 0; row = list.GetNextSelected(row))
        rows.push_back(row);
    return rows;
}

void CItemRows::SelectOnly(CSkinListCtrl& list, int row)
{
    list.ClearSelection();
    if (row < 0 || row >= list.GetItemCount())
        return;
    list.SelectRow(row);
    list.EnsureVisible(row);
}

int CItemRows::FindRow(const CSkinListCtrl& list, const std::string& typed, int column, bool anywhere)
{
    const std::string wanted = LowerCaseAnsi(typed);
    if (wanted.empty())
        return -1;
    for (int row = 0; row < list.GetItemCount(); ++row) {
        const std::string text = LowerCaseAnsi(list.GetItemText(row, column));
        if (anywhere ? text.find(wanted) != std::string::npos : text.compare(0, wanted.size(), wanted) == 0)
            return row;
    }
    return -1;
}
