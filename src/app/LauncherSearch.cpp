// The quick-launch window's lists and search boxes: filling the lists, the prefix search,
// the drop-down lists and the keys and presses that open, close and use them.
#include "app/Launcher.h"
#include "app/LauncherDlg.h"
#include "app/PrefixSearch.h"
#include "data/TextTrim.h"
#include "data/CatalogData.h"
#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "resource.h"

#include <algorithm>
#include <cstdlib>
#include <windowsx.h>

#include <numeric>
#include <string_view>

namespace {
const int kDropDownHeight = 60;
const size_t kIndexColumn = 3;
} // namespace

void CLauncherDlg::ReloadItems()
{
    m_shortList.DeleteAllItems();
    m_nameList.DeleteAllItems();
    g_itemList.Clear();
    LoadItems(m_paths.itemsFile, g_itemList);
    // Ordered on the packed texts: only the rows that are drawn unpack their items.
    m_shortOrder.Build(g_itemList.Count(),
                       [](size_t index) { return g_itemList.FieldText(index, ShortcutItem::kShortName); });
    m_nameOrder.Build(g_itemList.Count(), [](size_t index) { return g_itemList.FieldText(index, ShortcutItem::kName); });
    std::vector<size_t> shown;
    shown.reserve(g_itemList.Count());
    for (size_t index = 0; index < g_itemList.Count(); ++index) {
        if (!TrimBlanks(std::string(g_itemList.FieldText(index, ShortcutItem::kName))).empty())
            shown.push_back(index);
    }
    FillListsSorted(shown);
}

// Both lists show their rows sorted by their first column, as the list's own stable byte-wise
// sort would order them after inserting the items in list order. The items' orders are worked
// out when they are loaded, so a catalog, even the root, is listed without sorting again.
void CLauncherDlg::FillListsSorted(const std::vector<size_t>& indexes)
{
    FillListSorted(m_shortList, indexes, m_shortOrder, ShortcutItem::kShortName, ShortcutItem::kName);
    FillListSorted(m_nameList, indexes, m_nameOrder, ShortcutItem::kName, ShortcutItem::kShortName);
}

void CLauncherDlg::FillListSorted(CSkinListCtrl& list, std::vector<size_t> indexes, const TextOrder& order, int first,
                                  int second)
{
    // An item added since the orders were made is sorted as the list always was.
    if (!order.Sort(indexes)) {
        std::stable_sort(indexes.begin(), indexes.end(), [first](size_t a, size_t b) {
            return BytesBefore(g_itemList.FieldText(a, first), g_itemList.FieldText(b, first));
        });
    }
    // The rows show the items' own texts: positions in the item list never change, and the
    // rows go before the list is cleared or reloaded. Even the IndexInAll cell is made from
    // the row's data when asked for, so a row holds no text of its own.
    list.SetTextSource(
        [first, second](uintptr_t index, size_t column) -> const std::string& {
            if (column == kIndexColumn)
                return DecimalText(index);
            const ShortcutItem& item = g_itemList.At(index);
            return item.Field(column == 0 ? first : column == 1 ? second : ShortcutItem::kDescription);
        },
        kIndexColumn + 1);
    list.ShowSourcedRows(indexes);
    list.SetSortState(0, true);
}

void CLauncherDlg::ListCatalog(HTREEITEM node)
{
    if (!node)
        return;
    std::vector<size_t> listed;
    if (node == m_rootNode) {
        listed.resize(g_itemList.Count());
        std::iota(listed.begin(), listed.end(), size_t{0});
    } else {
        CatalogId catalog = m_catalogs.CatalogOf(node);
        if (catalog == CatalogTree::kNone)
            return;
        listed = m_model.Members(catalog, g_itemList);
    }
    listed.erase(std::remove_if(listed.begin(), listed.end(),
                                [](size_t index) {
                                    return g_itemList.FieldText(index, ShortcutItem::kName).empty() ||
                                           g_itemList.FieldText(index, ShortcutItem::kShortName).empty();
                                }),
                 listed.end());
    FillListsSorted(listed);
}

void CLauncherDlg::OnSearchChanged(bool shortName)
{
    if (m_suppressSearch)
        return;
    OpenDropDown(shortName);
    const std::string typed = (shortName ? m_shortEdit : m_nameEdit).Text();
    SearchList(shortName ? m_shortList : m_nameList, typed);
}

bool CLauncherDlg::SearchList(CSkinListCtrl& list, const std::string& typed)
{
    const size_t row = FindFirstPrefixRow(
        static_cast<size_t>(list.GetItemCount()),
        [&list](size_t at) -> const std::string& { return list.Rows().Text(at, 0); }, typed);
    if (row == kNoRow)
        return false;
    // The lists take one selection only, so selecting the row drops the old one; clearing
    // every row first would cost a notification per row of the whole item list.
    list.SelectRow(static_cast<int>(row));
    list.EnsureVisible(static_cast<int>(row));
    return true;
}

void CLauncherDlg::OnEnterInBox(bool shortName)
{
    CloseDropDowns();
    const std::string typed = TrimBlanks((shortName ? m_shortEdit : m_nameEdit).Text());
    CSkinListCtrl& list = shortName ? m_shortList : m_nameList;
    if (!typed.empty() && SearchList(list, typed))
        LaunchSelectedRow(list);
}

void CLauncherDlg::LaunchSelectedRow(CSkinListCtrl& list)
{
    const int row = list.GetFirstSelected();
    if (row < 0)
        return;
    m_suppressSearch = true;
    const int index = std::atoi(list.GetItemText(row, kIndexColumn).c_str());
    if (index < 0)
        return;
    ShowItemDetails(index);
    LaunchItemByIndex(index);
}

void CLauncherDlg::ShowRowDetails(CSkinListCtrl& list, int row)
{
    if (row < 0)
        return;
    ShowItemDetails(std::atoi(list.GetItemText(row, kIndexColumn).c_str()));
}

void CLauncherDlg::ShowPressedRow(CSkinListCtrl& list, const MSG& press)
{
    if (press.hwnd != list.Hwnd())
        return; // the header or a bar: no row
    LVHITTESTINFO hit{};
    hit.pt = {GET_X_LPARAM(press.lParam), GET_Y_LPARAM(press.lParam)};
    const int row = static_cast<int>(SendMessageA(list.Hwnd(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    ShowRowDetails(list, row);
}

void CLauncherDlg::ShowItemDetails(int index)
{
    if (index < 0 || static_cast<size_t>(index) >= g_itemList.Count())
        return;
    const ShortcutItem& item = g_itemList.At(static_cast<size_t>(index));
    m_suppressSearch = true;
    m_nameEdit.SetText(item.Name);
    m_shortEdit.SetText(item.ShortName);
    m_suppressSearch = false;

    m_shownHotkey = item.Hotkey1 + " + " + item.Hotkey2;
    m_shownDescription = item.Description;
    m_descriptionText = item.Description;
    ShowWindow(Item(IDC_HOTKEY_STATIC), SW_SHOW);
    SetDlgItemTextA(Hwnd(), IDC_HOTKEY_STATIC, m_shownHotkey.c_str());
    SetDlgItemTextA(Hwnd(), IDC_DESCRIPTION_EDIT, m_descriptionText.c_str());
    RedrawDetails();
    m_currentIndex = index;
}

// The hotkey line and the description are drawn transparently, so the background behind them
// has to be painted again whenever their text changes.
void CLauncherDlg::RedrawDetails()
{
    for (int id : {IDC_HOTKEY_STATIC, IDC_DESCRIPTION_EDIT}) {
        RECT rect{};
        GetWindowRect(Item(id), &rect);
        MapWindowPoints(HWND_DESKTOP, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        RedrawWindow(Hwnd(), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

void CLauncherDlg::OpenDropDown(bool shortName)
{
    CSkinListCtrl& list = shortName ? m_shortList : m_nameList;
    if (shortName) {
        m_nameList.HideAll();
        ShowWindow(Item(IDC_NAME_EDIT), SW_HIDE);
        ShowWindow(Item(IDC_NAME_DROP), SW_HIDE);
        if (IsWindowVisible(list.Hwnd()))
            return;
    }
    m_dragByBackground = false;
    ShowWindow(Item(IDC_HOTKEY_STATIC), SW_HIDE);
    RECT rect{};
    GetWindowRect(list.Hwnd(), &rect);
    MapWindowPoints(HWND_DESKTOP, Hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(list.Hwnd(), HWND_TOP, rect.left, rect.top, rect.right - rect.left, kDropDownHeight, SWP_NOACTIVATE);
    list.ShowAll();
    list.PlaceBars();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CLauncherDlg::CloseDropDown(bool shortName)
{
    CSkinListCtrl& list = shortName ? m_shortList : m_nameList;
    if (!IsWindowVisible(list.Hwnd()))
        return;
    list.HideAll();
    ShowWindow(Item(IDC_NAME_EDIT), SW_SHOW);
    ShowWindow(Item(IDC_NAME_DROP), SW_SHOW);
    ShowWindow(Item(IDC_HOTKEY_STATIC), SW_SHOW);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void CLauncherDlg::CloseDropDowns()
{
    CloseDropDown(true);
    CloseDropDown(false);
}

bool CLauncherDlg::IsDropDownPart(HWND target, bool shortName) const
{
    const CSkinListCtrl& list = shortName ? m_shortList : m_nameList;
    auto& bars = const_cast<CSkinListCtrl&>(list);
    return target == list.Hwnd() || IsChild(list.Hwnd(), target) || target == bars.VerticalBar().Hwnd() ||
           target == bars.HorizontalBar().Hwnd() || target == Item(shortName ? IDC_SHORTNAME_DROP : IDC_NAME_DROP) ||
           target == Item(shortName ? IDC_SHORTNAME_EDIT : IDC_NAME_EDIT);
}

void CLauncherDlg::LookAtOutsidePress(const MSG& msg)
{
    const bool leftPress = msg.message == WM_LBUTTONDOWN;
    HWND target = msg.hwnd;
    if (leftPress && target == Item(IDC_DESCRIPTION_EDIT)) {
        CloseDropDowns();
        return;
    }
    if (!IsDropDownPart(target, true)) {
        m_dragByBackground = false;
        if (IsWindowVisible(m_shortList.Hwnd()) && target != m_lastTargetShort)
            CloseDropDown(true);
        m_lastTargetShort = target;
    }
    if (!IsDropDownPart(target, false)) {
        m_dragByBackground = false;
        if (!IsWindowVisible(m_shortList.Hwnd())) {
            ShowWindow(Item(IDC_NAME_EDIT), SW_SHOW);
            ShowWindow(Item(IDC_NAME_DROP), SW_SHOW);
        }
        // A press aimed elsewhere closes the name list too, as drop-down lists do everywhere.
        if (target != m_lastTargetName)
            CloseDropDown(false);
        m_lastTargetName = target;
    }
    if (!leftPress)
        return;
    // Closing hides the list before it sees the press, so the row under the pointer is shown
    // here, as a keyboard choice would show it.
    if (target == m_shortList.Hwnd() || IsChild(m_shortList.Hwnd(), target)) {
        ShowPressedRow(m_shortList, msg);
        CloseDropDown(true);
    } else if (target == m_nameList.Hwnd() || IsChild(m_nameList.Hwnd(), target)) {
        ShowPressedRow(m_nameList, msg);
        CloseDropDown(false);
    } else if (target == m_shortEdit.Hwnd() || target == m_nameEdit.Hwnd())
        CloseDropDowns();
}

bool CLauncherDlg::OnKeyInBoxOrList(const MSG& msg)
{
    const WPARAM key = msg.wParam;
    if (key != VK_RETURN && key != VK_ESCAPE && key != VK_DOWN)
        return false;
    for (bool shortName : {true, false}) {
        CSkinListCtrl& list = shortName ? m_shortList : m_nameList;
        const CEditCtrl& box = shortName ? m_shortEdit : m_nameEdit;
        if (msg.hwnd == box.Hwnd()) {
            if (key == VK_RETURN) {
                OnEnterInBox(shortName);
            } else if (key == VK_ESCAPE) {
                CloseDropDowns();
            } else {
                OpenDropDown(shortName);
                SetFocus(list.Hwnd());
            }
            return true;
        }
        if (msg.hwnd == list.Hwnd() && key != VK_DOWN) {
            CloseDropDown(shortName);
            if (key == VK_RETURN)
                LaunchSelectedRow(list);
            else if (!shortName)
                m_nameEdit.Focus();
            return true;
        }
    }
    return false;
}

bool CLauncherDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_HOTKEY) {
        DispatchHotkey(static_cast<UINT>(msg->wParam));
        return false;
    }
    const bool press = msg->message == WM_KEYDOWN || msg->message == WM_LBUTTONDOWN || msg->message == WM_RBUTTONDOWN;
    if (!press || !msg->hwnd || (msg->hwnd != Hwnd() && !IsChild(Hwnd(), msg->hwnd)))
        return false;
    LookAtOutsidePress(*msg);
    return msg->message == WM_KEYDOWN && OnKeyInBoxOrList(*msg);
}
