#include "ui/TransparentStatic.h"

bool CTransparentStatic::OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result)
{
    if (msg != WM_CTLCOLORSTATIC)
        return false;
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return true;
}

LRESULT CTransparentStatic::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_SETTEXT)
        return DefaultProc(msg, wParam, lParam);
    LRESULT result = DefaultProc(msg, wParam, lParam);
    RepaintBackground();
    return result;
}

void CTransparentStatic::RepaintBackground()
{
    HWND parent = GetParent(Hwnd());
    if (!parent)
        return;
    RECT rect{};
    GetWindowRect(Hwnd(), &rect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}
