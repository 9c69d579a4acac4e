#include "ui/wnd/PngImage.h"

#include <gdiplus.h>

#include <utility>
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

CPngImage::~CPngImage()
{
    Reset();
}

CPngImage::CPngImage(CPngImage&& other) noexcept : m_image(std::exchange(other.m_image, nullptr))
{
}

CPngImage& CPngImage::operator=(CPngImage&& other) noexcept
{
    if (this != &other) {
        Reset();
        m_image = std::exchange(other.m_image, nullptr);
    }
    return *this;
}

bool CPngImage::Load(const std::string& path) { return Load(Widen(path)); }

bool CPngImage::Load(const std::wstring& path)
{
    Reset();
    Gdiplus::GpImage* image = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok)
        return false;
    m_image = image;
    return true;
}

void CPngImage::Reset()
{
    if (m_image)
        Gdiplus::DllExports::GdipDisposeImage(m_image);
    m_image = nullptr;
}

UINT CPngImage::Width() const
{
    UINT width = 0;
    if (m_image)
        Gdiplus::DllExports::GdipGetImageWidth(m_image, &width);
    return width;
}

UINT CPngImage::Height() const
{
    UINT height = 0;
    if (m_image)
        Gdiplus::DllExports::GdipGetImageHeight(m_image, &height);
    return height;
}

void CPngImage::Draw(HDC dc, const RECT& destination) const
{
    DrawPart(dc, destination, 0, 0, static_cast<int>(Width()), static_cast<int>(Height()));
}

void CPngImage::DrawPart(HDC dc, const RECT& destination, int srcX, int srcY, int srcWidth, int srcHeight) const
{
    if (!m_image)
        return;
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return;
    Gdiplus::DllExports::GdipDrawImageRectRectI(graphics, m_image, destination.left, destination.top,
                                                destination.right - destination.left,
                                                destination.bottom - destination.top, srcX, srcY, srcWidth, srcHeight,
                                                Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}

CGdiplusSession::CGdiplusSession()
{
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&m_token, &input, nullptr);
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_token)
        Gdiplus::GdiplusShutdown(m_token);
}
