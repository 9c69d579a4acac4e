#include "ui/ListSelection.h"

#include <commctrl.h>

#include <algorithm>

int CListSelection::Next(int after) const
{
    const LRESULT selected = SendMessageA(m_list, LVM_GETSELECTEDCOUNT, 0, 0);
    if (selected <= 0)
        return -1;
    if (selected == 1) {
        const int focused = Focused();
        if (focused >= 0 &&
            (SendMessageA(m_list, LVM_GETITEMSTATE, static_cast<WPARAM>(focused), LVIS_SELECTED) & LVIS_SELECTED))
            return focused > after ? focused : -1;
    }
    return static_cast<int>(SendMessageA(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(after), LVNI_SELECTED));
}

std::vector<int> CListSelection::All() const
{
    std::vector<int> rows;
    for (int row = Next(-1); row >= 0; row = Next(row))
        rows.push_back(row);
    return rows;
}

int CListSelection::Focused() const
{
    return static_cast<int>(SendMessageA(m_list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void CListSelection::Select(int row, bool select) const
{
    SetState(row, select ? LVIS_SELECTED | LVIS_FOCUSED : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

// A list view clears "every row" one row at a time, repainting each: with few rows selected,
// clear just those and the focus.
void CListSelection::Clear() const
{
    if (SendMessageA(m_list, LVM_GETSELECTEDCOUNT, 0, 0) > kFewRows) {
        SetState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        return;
    }
    for (int row = Next(-1); row >= 0; row = Next(row))
        SetState(row, 0, LVIS_SELECTED);
    const int focused = Focused();
    if (focused >= 0)
        SetState(focused, 0, LVIS_FOCUSED);
}

void CListSelection::RestoreAfterRemoval(const std::vector<int>& selected, int focused,
                                         const std::vector<int>& removed) const
{
    // Where a row that stays stands once the rows before it are gone; -1 for a removed row.
    auto shifted = [&removed](int row) {
        const auto before = std::lower_bound(removed.begin(), removed.end(), row);
        return before != removed.end() && *before == row ? -1 : row - static_cast<int>(before - removed.begin());
    };
    for (int row : selected) {
        if (shifted(row) >= 0)
            SetState(shifted(row), LVIS_SELECTED, LVIS_SELECTED);
    }
    if (focused >= 0 && shifted(focused) >= 0)
        SetState(shifted(focused), LVIS_FOCUSED, LVIS_FOCUSED);
}

CListSelection::Places CListSelection::Take(size_t rows) const
{
    Places places;
    places.selected.assign(rows, 0);
    for (int row = Next(-1); row >= 0; row = Next(row))
        places.selected[static_cast<size_t>(row)] = 1;
    places.focused = Focused();
    places.mark = static_cast<int>(SendMessageA(m_list, LVM_GETSELECTIONMARK, 0, 0));
    return places;
}

void CListSelection::RestoreAfterSort(const Places& before, const std::vector<size_t>& placeOf) const
{
    const std::vector<char>& was = before.selected;
    std::vector<char> now(was.size(), 0);
    for (size_t row = 0; row < was.size(); ++row) {
        if (was[row])
            now[placeOf[row]] = 1;
    }
    // Only the places whose state changes are told, so a sort of many selected rows stays quick.
    for (size_t row = 0; row < now.size(); ++row) {
        if (now[row] != was[row])
            SetState(static_cast<int>(row), now[row] ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
    auto placed = [&placeOf](int row) { return static_cast<int>(placeOf[static_cast<size_t>(row)]); };
    if (before.focused >= 0 && static_cast<size_t>(before.focused) < placeOf.size())
        SetState(placed(before.focused), LVIS_FOCUSED, LVIS_FOCUSED);
    // Shift+click extends from the row the selection started at, not from its old place.
    if (before.mark >= 0 && static_cast<size_t>(before.mark) < placeOf.size())
        SendMessageA(m_list, LVM_SETSELECTIONMARK, 0, placed(before.mark));
}

void CListSelection::SetState(int row, UINT state, UINT mask) const
{
    LVITEMA item{};
    item.stateMask = mask;
    item.state = state;
    SendMessageA(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}
