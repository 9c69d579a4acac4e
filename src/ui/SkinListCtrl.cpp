#include "ui/SkinListCtrl.h"

#include "ui/OwnerDataList.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

namespace {
const int kCheckArea = 18;

UINT FlushMessage()
{
    static const UINT message = RegisterWindowMessageA("Tavimoreth.SkinList.Flush");
    return message;
}
} // namespace

CSkinListCtrl::CSkinListCtrl() = default;

bool CSkinListCtrl::BindDlgItem(HWND dialog, int id)
{
    HWND list = OwnerDataListOf(dialog, id);
    return list && Attach(list);
}

bool CSkinListCtrl::Create(HWND parent, int id, const RECT& rect, DWORD style)
{
    HWND list = CreateOwnerDataList(parent, id, rect, style);
    return list && Attach(list);
}

void CSkinListCtrl::AttachHeader()
{
    if (m_header.Hwnd())
        return;
    HWND header = reinterpret_cast<HWND>(SendMessageA(Hwnd(), LVM_GETHEADER, 0, 0));
    if (header)
        m_header.Attach(header);
}

void CSkinListCtrl::OnAttached()
{
    m_selection.SetList(Hwnd());
    AttachHeader();
    SendMessageA(Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    FlushCount();
}

void CSkinListCtrl::Initialise()
{
    if (!Hwnd() || m_initialised)
        return;
    m_initialised = true;
    m_verticalBar.Create(Hwnd());
    m_horizontalBar.Create(Hwnd());
    RECT row{};
    row.left = LVIR_BOUNDS;
    if (SendMessageA(Hwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)))
        m_firstRowHeight = row.bottom - row.top;
    PlaceBars();
}

void CSkinListCtrl::AttachImages(const std::string& installFolder)
{
    m_verticalBar.AttachImages(installFolder);
    m_horizontalBar.AttachImages(installFolder);
}

int CSkinListCtrl::HeaderHeight() const
{
    RECT rect{};
    if (!m_header.Hwnd() || !IsWindowVisible(m_header.Hwnd()) || !GetWindowRect(m_header.Hwnd(), &rect))
        return 0;
    return rect.bottom - rect.top;
}

void CSkinListCtrl::PlaceBars()
{
    m_verticalBar.Place(HeaderHeight());
    m_horizontalBar.Place();
}

void CSkinListCtrl::PlaceWithoutCorner()
{
    m_verticalBar.SetCorner(false);
    PlaceBars();
    ShowWindow(Hwnd(), SW_SHOW);
    EnableWindow(Hwnd(), TRUE);
    m_verticalBar.Show(true);
    m_verticalBar.Enable(true);
}

void CSkinListCtrl::ShowAll()
{
    for (HWND window : {Hwnd(), m_verticalBar.Hwnd(), m_horizontalBar.Hwnd()}) {
        if (window) {
            ShowWindow(window, SW_SHOW);
            EnableWindow(window, TRUE);
        }
    }
}

void CSkinListCtrl::HideAll()
{
    for (HWND window : {Hwnd(), m_verticalBar.Hwnd(), m_horizontalBar.Hwnd()}) {
        if (window) {
            ShowWindow(window, SW_HIDE);
            EnableWindow(window, FALSE);
        }
    }
}

int CSkinListCtrl::InsertColumn(int index, const std::string& heading, int format, int width, int subItem)
{
    m_header.InsertColumnText(index, heading, CHeaderCtrlCl::AlignmentDigit(format));
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | (subItem >= 0 ? LVCF_SUBITEM : 0);
    column.fmt = format;
    column.cx = width;
    column.pszText = const_cast<char*>(heading.c_str());
    column.iSubItem = subItem;
    const int inserted = static_cast<int>(
        SendMessageA(Hwnd(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
    // A list view may make its header only with its first column (Wine does so for a list
    // created hidden): without it no row would find a column to draw.
    AttachHeader();
    if (inserted < 0)
        m_header.RemoveColumnText(index);
    else if (m_initialised)
        PlaceBars(); // the first column shows the header, and the vertical bar starts below it
    return inserted;
}

int CSkinListCtrl::ColumnCount() const
{
    return m_header.Hwnd() ? static_cast<int>(SendMessageA(m_header.Hwnd(), HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int CSkinListCtrl::InsertItem(int row, const std::string& text)
{
    if (row < 0)
        return -1;
    const size_t index = m_rows.Insert(static_cast<size_t>(row), text);
    RowsChanged();
    return static_cast<int>(index);
}

int CSkinListCtrl::InsertSourcedItem(int row, uintptr_t data)
{
    if (row < 0)
        return -1;
    const size_t index = m_rows.InsertSourced(static_cast<size_t>(row), data);
    RowsChanged();
    return static_cast<int>(index);
}

void CSkinListCtrl::ShowSourcedRows(const std::vector<size_t>& data)
{
    DeleteAllItems();
    m_rows.AssignSourced(data);
    RowsChanged();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CSkinListCtrl::SetItemText(int row, int column, const std::string& text)
{
    if (row < 0 || column < 0 || !m_rows.SetText(static_cast<size_t>(row), static_cast<size_t>(column), text))
        return false;
    RepaintSoon();
    return true;
}

std::string CSkinListCtrl::GetItemText(int row, int column) const
{
    if (row < 0 || column < 0)
        return "";
    return m_rows.Text(static_cast<size_t>(row), static_cast<size_t>(column));
}

bool CSkinListCtrl::SetItemData(int row, uintptr_t data)
{
    return ValidRow(row) && m_rows.SetData(static_cast<size_t>(row), data);
}

uintptr_t CSkinListCtrl::GetItemData(int row) const
{
    return ValidRow(row) ? m_rows.Data(static_cast<size_t>(row)) : 0;
}

bool CSkinListCtrl::SetItemImage(int row, int image)
{
    if (!ValidRow(row))
        return false;
    m_rows.SetImage(static_cast<size_t>(row), image);
    RepaintSoon();
    return true;
}

bool CSkinListCtrl::DeleteItem(int row)
{
    if (!ValidRow(row))
        return false;
    FlushCount();
    m_rows.Erase(static_cast<size_t>(row));
    // The list view shifts its selection and focus past the removed row itself.
    SendMessageA(Hwnd(), LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    if (SendMessageA(Hwnd(), LVM_GETITEMCOUNT, 0, 0) != static_cast<LRESULT>(m_rows.Count()))
        RowsChanged();
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return true;
}

// The list view moves the selection past each deleted row, one row and one repaint at a time.
// Many rows go at once: the rows left are selected again where they now stand.
void CSkinListCtrl::DeleteRows(std::vector<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int row) { return !ValidRow(row); }), rows.end());
    if (rows.size() <= static_cast<size_t>(CListSelection::kFewRows)) {
        for (auto it = rows.rbegin(); it != rows.rend(); ++it)
            DeleteItem(*it);
        return;
    }
    if (m_countPending)
        FlushCount();
    const std::vector<int> selected = m_selection.All();
    const int focused = m_selection.Focused();
    m_selection.Clear();
    m_rows.EraseRows(std::vector<size_t>(rows.begin(), rows.end()));
    FlushCount();
    m_selection.RestoreAfterRemoval(selected, focused, rows);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CSkinListCtrl::DeleteAllItems()
{
    m_rows.Clear();
    m_countPending = false;
    SendMessageA(Hwnd(), LVM_DELETEALLITEMS, 0, 0);
    SendMessageA(Hwnd(), LVM_SETITEMCOUNT, 0, 0);
}

bool CSkinListCtrl::GetCheck(int row) const
{
    return ValidRow(row) && m_rows.Checked(static_cast<size_t>(row));
}

void CSkinListCtrl::SetCheck(int row, bool checked)
{
    if (!ValidRow(row))
        return;
    m_rows.SetChecked(static_cast<size_t>(row), checked);
    RepaintSoon();
}

// Rows are added one by one, often by the hundred thousand: tell the list view their number
// once, when it next needs it, rather than after every row.
void CSkinListCtrl::RowsChanged()
{
    if (!m_countPending && Hwnd())
        PostMessageA(Hwnd(), FlushMessage(), 0, 0);
    m_countPending = true;
}

void CSkinListCtrl::FlushCount() const
{
    if (!Hwnd())
        return;
    m_countPending = false;
    SendMessageA(Hwnd(), LVM_SETITEMCOUNT, static_cast<WPARAM>(m_rows.Count()), LVSICF_NOSCROLL);
}

void CSkinListCtrl::RepaintSoon()
{
    if (m_repaintPending || !Hwnd())
        return;
    m_repaintPending = true;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

int CSkinListCtrl::GetNextSelected(int after) const
{
    if (m_countPending)
        FlushCount();
    return m_selection.Next(after);
}

void CSkinListCtrl::SelectRow(int row, bool select)
{
    if (row < 0 && !select) {
        ClearSelection();
        return;
    }
    if (m_countPending)
        FlushCount();
    m_selection.Select(row, select);
}

void CSkinListCtrl::ClearSelection()
{
    if (m_countPending)
        FlushCount();
    m_selection.Clear();
}

void CSkinListCtrl::EnsureVisible(int row)
{
    if (m_countPending)
        FlushCount();
    SendMessageA(Hwnd(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

int CSkinListCtrl::GetTopIndex() const
{
    if (m_countPending)
        FlushCount();
    return static_cast<int>(SendMessageA(Hwnd(), LVM_GETTOPINDEX, 0, 0));
}

void CSkinListCtrl::SetRowHeight(int height)
{
    m_rowHeight = height;
    if (!Hwnd())
        return;
    // The list view asks for the row height only when its size changes: make it ask again.
    RECT rect{};
    GetWindowRect(Hwnd(), &rect);
    const int width = rect.right - rect.left;
    const int tall = rect.bottom - rect.top;
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(Hwnd(), nullptr, 0, 0, width, tall + 1, flags);
    SetWindowPos(Hwnd(), nullptr, 0, 0, width, tall, flags);
}

int CSkinListCtrl::Sort(int column, bool ascending, int first, int last)
{
    if (!m_header.Hwnd())
        return -1;
    if (column < 0 || column >= ColumnCount() || m_rows.Empty() || first < 0)
        return 0;
    const size_t end = last < 0 ? m_rows.Count() - 1 : static_cast<size_t>(last);
    const CListSelection::Places places = m_selection.Take(m_rows.Count());
    std::vector<size_t> placeOf;
    if (!m_rows.Sort(static_cast<size_t>(column), ascending, static_cast<size_t>(first), end, &placeOf))
        return 0;
    m_selection.RestoreAfterSort(places, placeOf);
    InvalidateRect(Hwnd(), nullptr, FALSE);
    return 1;
}

int CSkinListCtrl::SortByColumnClick(int column)
{
    m_ascending = !m_ascending;
    m_sortColumn = column;
    InvalidateRect(m_header.Hwnd(), nullptr, FALSE);
    return Sort(column, m_ascending);
}

bool CSkinListCtrl::RefuseTracking(const NMHEADERA* notice) const
{
    if (m_resizeLimit >= 0)
        return notice->iItem >= m_resizeLimit;
    return !m_lockedColumns.empty();
}

LRESULT CSkinListCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == FlushMessage()) {
        if (m_countPending)
            FlushCount();
        return 0;
    }
    // Whoever asks the list view directly must see every row added so far.
    if (m_countPending && msg >= LVM_FIRST && msg < LVM_FIRST + 0x100 && msg != LVM_SETITEMCOUNT)
        FlushCount();
    switch (msg) {
    case WM_PAINT:
        m_repaintPending = false;
        if (m_countPending)
            FlushCount();
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        break;
    case WM_KEYDOWN: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        AfterKeyDown();
        return result;
    }
    case WM_NOTIFY: {
        const auto* notice = reinterpret_cast<const NMHDR*>(lParam);
        if (notice->hwndFrom == m_header.Hwnd() &&
            (notice->code == HDN_BEGINTRACKA || notice->code == HDN_BEGINTRACKW) &&
            RefuseTracking(reinterpret_cast<const NMHEADERA*>(lParam)))
            return TRUE;
        break;
    }
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = DefaultProc(msg, wParam, lParam);
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (m_initialised && (position->flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
            PlaceBars();
        return result;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

void CSkinListCtrl::OnLButtonDown(POINT point)
{
    if (m_countPending)
        FlushCount();
    const int top = static_cast<int>(SendMessageA(Hwnd(), LVM_GETTOPINDEX, 0, 0));
    const int perPage = static_cast<int>(SendMessageA(Hwnd(), LVM_GETCOUNTPERPAGE, 0, 0));
    const int end = std::min(top + perPage + 1, GetItemCount());
    for (int row = std::max(top, 0); row < end; ++row) {
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        if (!SendMessageA(Hwnd(), LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds)))
            continue;
        RECT checkArea{bounds.left, bounds.top, bounds.left + kCheckArea, bounds.bottom};
        if (PtInRect(&checkArea, point)) {
            m_rows.SetChecked(static_cast<size_t>(row), !m_rows.Checked(static_cast<size_t>(row)));
            InvalidateRect(Hwnd(), &bounds, FALSE);
            break;
        }
    }
}

void CSkinListCtrl::AfterKeyDown()
{
    const int row = GetFirstSelected();
    if (!ValidRow(row))
        return;
    if (m_linkedEdit)
        SetWindowTextA(m_linkedEdit, GetItemText(row, 0).c_str());
    SendMessageA(GetParent(Hwnd()), kRowSelectedMessage, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(Hwnd()));
}

bool CSkinListCtrl::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (msg) {
    case WM_DRAWITEM:
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_MEASUREITEM:
        if (m_rowHeight < 1)
            return false;
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = static_cast<UINT>(m_rowHeight);
        result = TRUE;
        return true;
    case WM_NOTIFY: {
        auto* notice = reinterpret_cast<NMHDR*>(lParam);
        if (notice->code == LVN_GETDISPINFOA || notice->code == LVN_GETDISPINFOW)
            return OnDispInfo(notice);
        if (notice->code == LVN_COLUMNCLICK && m_sortOnHeaderClick) {
            SortByColumnClick(reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

// Other code may still ask the list view itself for a cell (LVM_GETITEMTEXT): answer from
// the rows.
bool CSkinListCtrl::OnDispInfo(NMHDR* header)
{
    if (header->code == LVN_GETDISPINFOA) {
        LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynA(item.pszText, GetItemText(item.iItem, item.iSubItem).c_str(), item.cchTextMax);
        if (item.mask & LVIF_PARAM)
            item.lParam = static_cast<LPARAM>(GetItemData(item.iItem));
        return true;
    }
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
        const std::string text = GetItemText(item.iItem, item.iSubItem);
        const int written = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), item.pszText,
                                                item.cchTextMax - 1);
        item.pszText[std::max(written, 0)] = L'\0';
    }
    if (item.mask & LVIF_PARAM)
        item.lParam = static_cast<LPARAM>(GetItemData(item.iItem));
    return true;
}
