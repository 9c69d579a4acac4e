#include "data/dialogs/HotkeyPicker.h"

#include "data/KeyTable.h"
#include "ui/DropButtonFace.h"
#include "ui/wnd/DataExchange.h"

namespace {
const int kNoHotkeyEntry = 3;

bool IsWithin(HWND window, HWND ancestor)
{
    return ancestor && (window == ancestor || IsChild(ancestor, window));
}
} // namespace

CHotkeyPicker::CHotkeyPicker(const char* noHotkey, bool clearsOnNoHotkey)
    : m_noHotkey(noHotkey), m_clearsOnNoHotkey(clearsOnNoHotkey)
{
}

void CHotkeyPicker::Attach(HWND dialog, const Controls& ids, const std::string& installFolder)
{
    m_dialog = dialog;
    m_modifierId = ids.modifier;
    m_keyId = ids.key;
    m_keyListId = ids.keyList;
    m_keyDropId = ids.keyDrop;
    const std::string comboImage = installFolder + "\\Images\\ComboButton.png";
    for (const char* modifier : {"Ctrl", "Alt", "Shift", m_noHotkey})
        SendDlgItemMessageA(dialog, ids.modifier, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(modifier));
    m_modifier.AttachDlgItem(dialog, ids.modifier);
    m_modifier.SetButtonImage(comboImage);
    m_modifier.SetDropHeight(80);
    m_keyBox.AttachDlgItem(dialog, ids.key);
    if (m_keyDrop.AttachDlgItem(dialog, ids.keyDrop))
        m_keyDrop.SetImagePair(installFolder + "\\Images", "ComboButton.png", "ComboButton.png");
    FillKeyList(ids.keyList, installFolder);
    Open(false);
}

void CHotkeyPicker::FillKeyList(int listId, const std::string& installFolder)
{
    // The list and its vertical bar share the template's rectangle: the bar takes the list's
    // right edge, and the one narrow column never needs a horizontal bar below it.
    HWND control = GetDlgItem(m_dialog, listId);
    RECT area{};
    GetWindowRect(control, &area);
    MapWindowPoints(HWND_DESKTOP, m_dialog, reinterpret_cast<POINT*>(&area), 2);
    m_keyList.BindDlgItem(m_dialog, listId);
    m_keyList.Initialise();
    m_keyList.AttachImages(installFolder);
    const DWORD style = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(control, LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    SendMessageA(control, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    m_keyList.InsertColumn(0, "Keys", LVCFMT_LEFT, 60);
    for (const KeyTableEntry& key : KeyTable())
        m_keyList.InsertItem(m_keyList.GetItemCount(), key.name);
    m_keyList.VerticalBar().SetCorner(false);
    MoveWindow(control, area.left, area.top, area.right - area.left - CSkinScrollBar::kBarWidth, area.bottom - area.top,
               FALSE);
    // Every row reaches the list view before it is first shown or drawn.
    m_keyList.EnsureVisible(0);
}

void CHotkeyPicker::Open(bool open)
{
    m_open = open;
    if (open) {
        HWND list = m_keyList.Hwnd();
        ShowWindow(list, SW_SHOW);
        EnableWindow(list, TRUE);
        SetWindowPos(list, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        m_keyList.PlaceBars();
        m_keyList.VerticalBar().Show(true);
        m_keyList.VerticalBar().Enable(true);
        m_keyList.HorizontalBar().Show(false);
        m_keyList.EnsureVisible(0);
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
        SetFocus(list);
    } else {
        m_keyList.HideAll();
    }
    if (Opened)
        Opened(open);
}

bool CHotkeyPicker::ClosesList(const MSG& msg)
{
    switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
        break;
    default:
        return false;
    }
    // The list's own clicks pick a key; the drop button toggles the list itself.
    return IsWithin(msg.hwnd, m_dialog) && !IsWithin(msg.hwnd, m_keyList.Hwnd()) &&
           msg.hwnd != GetDlgItem(m_dialog, m_keyDropId) && msg.hwnd != GetDlgItem(m_dialog, m_keyId) &&
           msg.hwnd != m_keyList.VerticalBar().Hwnd();
}

bool CHotkeyPicker::PreTranslate(const MSG& msg)
{
    if (msg.message == WM_LBUTTONDOWN && msg.hwnd == GetDlgItem(m_dialog, m_keyId)) {
        // The box would take the focus back from the list on this click, and Enter or Escape
        // would then never reach the list: the click is used up here.
        Open(true);
        return true;
    }
    if (m_open && ClosesList(msg))
        Open(false);
    if (m_open && msg.message == WM_KEYDOWN && msg.hwnd == m_keyList.Hwnd() &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        Open(false);
        return true;
    }
    return false;
}

bool CHotkeyPicker::OnCommand(int id, int code)
{
    if (id == m_keyDropId && code == BN_CLICKED) {
        Open(!m_open);
        return true;
    }
    if (id == m_modifierId && code == CBN_SELCHANGE) {
        OnModifierChanged();
        return true;
    }
    return false;
}

bool CHotkeyPicker::OnNotify(int id, const NMHDR& header)
{
    if (id != m_keyListId || header.code != NM_CLICK)
        return false;
    OnKeyListClick(reinterpret_cast<const NMITEMACTIVATE&>(header));
    return true;
}

void CHotkeyPicker::OnKeyListClick(const NMITEMACTIVATE& click)
{
    // The row under the click, also where the notice carries no row (a click beside the text).
    LVHITTESTINFO hit{};
    hit.pt = click.ptAction;
    int row = static_cast<int>(SendMessageA(m_keyList.Hwnd(), LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (row < 0)
        row = click.iItem;
    if (row < 0 || row >= m_keyList.GetItemCount())
        return;
    Pick(m_keyList.GetItemText(row, 0));
    Open(false);
}

bool CHotkeyPicker::OnDrawItem(int id, const DRAWITEMSTRUCT& item)
{
    // Drawn only where the button's images are missing.
    if (id != m_keyDropId || m_keyDrop.Hwnd() != nullptr)
        return false;
    DropButtonState state = DropButtonState::Normal;
    if (item.itemState & ODS_DISABLED)
        state = DropButtonState::Disabled;
    else if (item.itemState & ODS_SELECTED)
        state = DropButtonState::Pressed;
    DrawDropButtonFace(item.hDC, item.rcItem, state);
    return true;
}

int CHotkeyPicker::Selected() const
{
    return static_cast<int>(SendDlgItemMessageA(m_dialog, m_modifierId, CB_GETCURSEL, 0, 0));
}

void CHotkeyPicker::SelectEntry(int entry)
{
    SendDlgItemMessageA(m_dialog, m_modifierId, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
}

void CHotkeyPicker::Pick(const std::string& key)
{
    SetDlgItemTextA(m_dialog, m_keyId, key.c_str());
    const int selected = Selected();
    if (selected == CB_ERR || selected == kNoHotkeyEntry)
        SelectEntry(0);
}

void CHotkeyPicker::Show(const std::string& modifier, const std::string& key)
{
    // Prefix search from the second entry round to the first.
    const LRESULT found = modifier.empty() ? kNoHotkeyEntry
                                           : SendDlgItemMessageA(m_dialog, m_modifierId, CB_FINDSTRING, 0,
                                                                 reinterpret_cast<LPARAM>(modifier.c_str()));
    SelectEntry(found == CB_ERR ? -1 : static_cast<int>(found));
    SetDlgItemTextA(m_dialog, m_keyId, key.c_str());
}

void CHotkeyPicker::Clear()
{
    SelectEntry(-1);
    SetDlgItemTextA(m_dialog, m_keyId, "");
}

void CHotkeyPicker::OnModifierChanged()
{
    if (m_clearsOnNoHotkey && Selected() == kNoHotkeyEntry)
        Clear();
}

std::string CHotkeyPicker::Modifier() const
{
    std::string text;
    ExchangeText(m_dialog, m_modifierId, text, true);
    return text;
}

std::string CHotkeyPicker::Key() const
{
    std::string text;
    ExchangeText(m_dialog, m_keyId, text, true);
    return text;
}

void CHotkeyPicker::Chosen(std::string& modifier, std::string& key) const
{
    modifier = Modifier();
    key = Key();
    if (m_clearsOnNoHotkey && IsNoHotkey(modifier))
        modifier.clear(), key.clear();
}

LRESULT CHotkeyPicker::CKeyBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_DELETE)
            return 0;
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
