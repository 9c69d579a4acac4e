#pragma once
// Base of the skinned controls: subclasses an existing control window (or one it creates),
// sees its messages first, and receives the messages its parent reflects back to it
// (WM_DRAWITEM, WM_MEASUREITEM, WM_NOTIFY, WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL), so each
// control is complete in its own file.
#include <windows.h>

class CSubclassedControl {
public:
    CSubclassedControl() = default;
    virtual ~CSubclassedControl();
    CSubclassedControl(const CSubclassedControl&) = delete;
    CSubclassedControl& operator=(const CSubclassedControl&) = delete;

    bool Attach(HWND hwnd);
    bool AttachDlgItem(HWND dialog, int id) { return Attach(GetDlgItem(dialog, id)); }
    void Detach();
    HWND Hwnd() const { return m_hwnd; }

    static CSubclassedControl* FromHandle(HWND hwnd);

    // A message the parent reflects back; return true when handled, with its result.
    virtual bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) { return false; }

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultProc(msg, wParam, lParam); }
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual void OnAttached() {}

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    HWND m_hwnd = nullptr;
};
