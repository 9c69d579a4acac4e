#include "ui/wnd/SubclassedControl.h"

#include "ui/wnd/Application.h"
#include "ui/wnd/WindowSubclass.h"

namespace {
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
        !InstallSubclass(hwnd, &CSubclassedControl::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    m_hwnd = hwnd;
    OnAttached();
    return true;
}

void CSubclassedControl::Detach()
{
    if (!m_hwnd)
        return;
    RemoveSubclass(m_hwnd, &CSubclassedControl::SubclassProc, kSubclassId);
    m_hwnd = nullptr;
}

CSubclassedControl* CSubclassedControl::FromHandle(HWND hwnd)
{
    DWORD_PTR self = 0;
    if (!FindSubclass(hwnd, &CSubclassedControl::SubclassProc, kSubclassId, &self))
        return nullptr;
    return reinterpret_cast<CSubclassedControl*>(self);
}

LRESULT CSubclassedControl::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return CallNextSubclass(m_hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK CSubclassedControl::SubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR selfPointer)
{
    auto* self = reinterpret_cast<CSubclassedControl*>(selfPointer);
    if (msg == WM_NCDESTROY) {
        LRESULT result = CallNextSubclass(hwnd, msg, wParam, lParam);
        self->Detach();
        return result;
    }
    try {
        return self->WindowProc(msg, wParam, lParam);
    } catch (...) {
        CApplication::ReportUnexpected("control");
        return CallNextSubclass(hwnd, msg, wParam, lParam);
    }
}
