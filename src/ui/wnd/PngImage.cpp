#include "ui/wnd/PngImage.h"

#include <gdiplus.h>

#include <vector>

namespace {
std::wstring Widen(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}
} // namespace

bool CPngImage::Load(const std::string& path)
{
    return Load(Widen(path));
}

bool CPngImage::Load(const std::wstring& path)
{
    m_image = CDecodedImage::OfFile(path);
    return IsLoaded();
}

void CPngImage::Draw(HDC dc, const RECT& destination) const
{
    DrawPart(dc, destination, 0, 0, static_cast<int>(Width()), static_cast<int>(Height()));
}

void CPngImage::DrawPart(HDC dc, const RECT& destination, int srcX, int srcY, int srcWidth, int srcHeight) const
{
    if (m_image)
        m_image->Draw(dc, destination, RECT{srcX, srcY, srcX + srcWidth, srcY + srcHeight});
}

CGdiplusSession::CGdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

CGdiplusSession::~CGdiplusSession()
{
    // The kept images are GDI+ objects: they go while GDI+ still runs.
    CDecodedImage::ReleaseAll();
    if (m_token)
        Gdiplus::GdiplusShutdown(m_token);
}
