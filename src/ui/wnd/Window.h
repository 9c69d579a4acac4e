#pragma once
// A non-owning handle to any window, with the few operations the dialogs use.
#include <windows.h>

#include <string>

class CWindowRef {
public:
    CWindowRef() = default;
    explicit CWindowRef(HWND hwnd) : m_hwnd(hwnd) {}
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    void AttachDlgItem(HWND dialog, int id) { m_hwnd = GetDlgItem(dialog, id); }
    HWND Hwnd() const { return m_hwnd; }
    explicit operator bool() const { return m_hwnd != nullptr; }

    std::string Text() const
    {
        std::string text(static_cast<size_t>(GetWindowTextLengthA(m_hwnd)) + 1, '\0');
        text.resize(static_cast<size_t>(GetWindowTextA(m_hwnd, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    void SetText(const std::string& text) const { SetWindowTextA(m_hwnd, text.c_str()); }
    void Show(bool show) const { ShowWindow(m_hwnd, show ? SW_SHOW : SW_HIDE); }
    void Enable(bool enable) const { EnableWindow(m_hwnd, enable ? TRUE : FALSE); }
    void Focus() const { SetFocus(m_hwnd); }
    // The window's rectangle in its parent's client coordinates.
    RECT RectInParent() const
    {
        RECT rect{};
        GetWindowRect(m_hwnd, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(m_hwnd), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    void Move(const RECT& rect, bool repaint = true) const
    {
        MoveWindow(m_hwnd, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
    }
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(m_hwnd, msg, wParam, lParam);
    }

protected:
    HWND m_hwnd = nullptr;
};
