#include "ui/wnd/SubclassedControl.h"

#include "ui/wnd/Application.h"

#include <commctrl.h>

namespace {
const char kControlProperty[] = "Tavimoreth.Control";
const UINT_PTR kSubclassId = 0x7A5;
} // namespace

CSubclassedControl::~CSubclassedControl()
{
    Detach();
}

bool CSubclassedControl::Attach(HWND hwnd)
{
    Detach();
    if (!hwnd ||
        !SetWindowSubclass(hwnd, &CSubclassedControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hwnd = hwnd;
    SetPropA(hwnd, kControlProperty, this);
    OnAttached();
    return true;
}

void CSubclassedControl::Detach()
{
    if (!m_hwnd)
        return;
    RemoveWindowSubclass(m_hwnd, &CSubclassedControl::SubclassProc, kSubclassId);
    RemovePropA(m_hwnd, kControlProperty);
    m_hwnd = nullptr;
}

CSubclassedControl* CSubclassedControl::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<CSubclassedControl*>(GetPropA(hwnd, kControlProperty)) : nullptr;
}

LRESULT CSubclassedControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(m_hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR selfPointer)
{
    auto* self = reinterpret_cast<CSubclassedControl*>(selfPointer);
    if (msg == WM_NCDESTROY) {
        LRESULT result = DefSubclassProc(hwnd, msg, wParam, lParam);
        self->Detach();
        return result;
    }
    try {
        return self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        CApplication::ReportUnexpected("control");
        return DefSubclassProc(hwnd, msg, wParam, lParam);
    }
}
