#pragma once
// Moves dialog inputs and results between public members and controls: save = false fills
// the control from the member, save = true reads the control into the member.
#include <windows.h>

#include <string>

inline void ExchangeText(HWND dialog, int id, std::string& value, bool save)
{
    HWND control = GetDlgItem(dialog, id);
    if (!save) {
        SetWindowTextA(control, value.c_str());
        return;
    }
    std::string text(static_cast<size_t>(GetWindowTextLengthA(control)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
    value = text;
}

inline void ExchangeCheck(HWND dialog, int id, bool& value, bool save)
{
    if (save)
        value = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    else
        CheckDlgButton(dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
}
