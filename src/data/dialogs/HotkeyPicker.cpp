#include "data/dialogs/HotkeyPicker.h"

#include "ui/wnd/DataExchange.h"

namespace {
const int kNoHotkeyEntry = 3;
} // namespace

CHotkeyPicker::CHotkeyPicker(const char* noHotkey, bool clearsOnNoHotkey)
    : m_noHotkey(noHotkey), m_clearsOnNoHotkey(clearsOnNoHotkey)
{
}

void CHotkeyPicker::Attach(HWND dialog, int modifierId, int keyId, const std::string& comboImage)
{
    m_dialog = dialog;
    m_modifierId = modifierId;
    m_keyId = keyId;
    for (const char* modifier : {"Ctrl", "Alt", "Shift", m_noHotkey})
        SendDlgItemMessageA(dialog, modifierId, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(modifier));
    m_modifier.AttachDlgItem(dialog, modifierId);
    m_modifier.SetButtonImage(comboImage);
    m_modifier.SetDropHeight(80);
    m_keyBox.AttachDlgItem(dialog, keyId);
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
