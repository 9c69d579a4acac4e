#include "ui/wnd/PngImage.h"

#include <gdiplus.h>

#include <map>
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

namespace {
// What tells one state of a file from another: a rewritten file is decoded again.
struct FileStamp {
    FILETIME written{};
    DWORD sizeHigh = 0;
    DWORD sizeLow = 0;
    bool operator==(const FileStamp& other) const
    {
        return CompareFileTime(&written, &other.written) == 0 && sizeHigh == other.sizeHigh && sizeLow == other.sizeLow;
    }
};

struct DecodedFile {
    FileStamp stamp;
    std::weak_ptr<Gdiplus::GpImage> image;
};

// Only the windows' thread loads images.
std::map<std::wstring, DecodedFile>& DecodedFiles()
{
    static std::map<std::wstring, DecodedFile> files;
    return files;
}
} // namespace

CPngImage::~CPngImage() = default;

CPngImage::CPngImage(CPngImage&& other) noexcept = default;

CPngImage& CPngImage::operator=(CPngImage&& other) noexcept = default;

bool CPngImage::Load(const std::string& path)
{
    return Load(Widen(path));
}

bool CPngImage::Load(const std::wstring& path)
{
    Reset();
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info))
        return false;
    const FileStamp stamp{info.ftLastWriteTime, info.nFileSizeHigh, info.nFileSizeLow};
    DecodedFile& decoded = DecodedFiles()[path];
    if (decoded.stamp == stamp) {
        m_image = decoded.image.lock();
        if (m_image)
            return true;
    }
    Gdiplus::GpImage* image = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok)
        return false;
    m_image.reset(image, [](Gdiplus::GpImage* owned) { Gdiplus::DllExports::GdipDisposeImage(owned); });
    decoded = DecodedFile{stamp, m_image};
    return true;
}

void CPngImage::Reset()
{
    m_image.reset();
}

UINT CPngImage::Width() const
{
    UINT width = 0;
    if (m_image)
        Gdiplus::DllExports::GdipGetImageWidth(m_image.get(), &width);
    return width;
}

UINT CPngImage::Height() const
{
    UINT height = 0;
    if (m_image)
        Gdiplus::DllExports::GdipGetImageHeight(m_image.get(), &height);
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
    Gdiplus::DllExports::GdipDrawImageRectRectI(graphics, m_image.get(), destination.left, destination.top,
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
