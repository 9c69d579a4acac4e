#include "GallerySection.h"

#include <utility>

namespace {
std::multimap<int, GallerySectionFactory>& Factories()
{
    static std::multimap<int, GallerySectionFactory> factories;
    return factories;
}
} // namespace

GallerySectionRegistration::GallerySectionRegistration(int order, GallerySectionFactory factory)
{
    Factories().emplace(order, std::move(factory));
}

std::vector<std::unique_ptr<CGallerySection>> MakeGallerySections()
{
    std::vector<std::unique_ptr<CGallerySection>> sections;
    for (auto& entry : Factories())
        sections.push_back(entry.second());
    return sections;
}

HWND CGalleryCanvas::AddControl(const char* className, const char* text, DWORD style, const RECT& rect, DWORD exStyle)
{
    HWND control =
        CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, m_origin.x + rect.left,
                        m_origin.y + rect.top, rect.right - rect.left, rect.bottom - rect.top, m_dialog,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_nextId++)), GetModuleHandleA(nullptr), nullptr);
    if (control)
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    return control;
}

HWND CGalleryCanvas::Named(const std::string& name) const
{
    auto found = m_named.find(name);
    return found == m_named.end() ? nullptr : found->second;
}
