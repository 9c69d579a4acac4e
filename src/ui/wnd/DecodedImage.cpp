#include "ui/wnd/DecodedImage.h"

#include <gdiplus.h>

#include <algorithm>
#include <map>
#include <utility>

namespace {
// Larger stretchings are drawn straight away rather than kept (no window gets that big).
const long long kMostKeptPixels = 4096LL * 2160LL;
// What one image keeps of its stretchings: a scroll-bar thumb that changes its length with
// every list must not pile up bitmaps.
const size_t kMostRenderings = 16;
const long long kMostRenderedPixels = 2560LL * 1600LL;

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

struct KeptFile {
    FileStamp stamp;
    std::shared_ptr<CDecodedImage> image;
};

std::map<std::wstring, KeptFile>& KeptFiles()
{
    static std::map<std::wstring, KeptFile> files;
    return files;
}
} // namespace

// The image stretched to one size from one source part, premultiplied, and whether every pixel
// of it is opaque (then a plain blit shows it).
struct CDecodedImage::Rendering {
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
    RECT source{};
    bool opaque = false;
    Rendering() = default;
    Rendering(const Rendering&) = delete;
    Rendering& operator=(const Rendering&) = delete;
    ~Rendering()
    {
        if (bitmap)
            DeleteObject(bitmap);
    }
    long long Pixels() const { return static_cast<long long>(width) * height; }
};

std::shared_ptr<CDecodedImage> CDecodedImage::OfFile(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info))
        return nullptr;
    const FileStamp stamp{info.ftLastWriteTime, info.nFileSizeHigh, info.nFileSizeLow};
    KeptFile& kept = KeptFiles()[path];
    if (kept.image && kept.stamp == stamp)
        return kept.image;
    Gdiplus::GpImage* image = nullptr;
    if (Gdiplus::DllExports::GdipLoadImageFromFile(path.c_str(), &image) != Gdiplus::Ok) {
        KeptFiles().erase(path);
        return nullptr;
    }
    kept = KeptFile{stamp, std::make_shared<CDecodedImage>(image)};
    return kept.image;
}

void CDecodedImage::ReleaseAll()
{
    KeptFiles().clear();
}

CDecodedImage::CDecodedImage(Gdiplus::GpImage* image) : m_image(image)
{
    Gdiplus::DllExports::GdipGetImageWidth(m_image, &m_width);
    Gdiplus::DllExports::GdipGetImageHeight(m_image, &m_height);
}

CDecodedImage::~CDecodedImage()
{
    m_renderings.clear();
    Gdiplus::DllExports::GdipDisposeImage(m_image);
}

void CDecodedImage::Draw(HDC dc, const RECT& destination, const RECT& source)
{
    const int width = destination.right - destination.left;
    const int height = destination.bottom - destination.top;
    const Rendering* rendering = RenderingFor(width, height, source);
    if (!rendering) {
        DrawDirectly(dc, destination, source);
        return;
    }
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, rendering->bitmap);
    if (rendering->opaque) {
        BitBlt(dc, destination.left, destination.top, width, height, memory, 0, 0, SRCCOPY);
    } else {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, destination.left, destination.top, width, height, memory, 0, 0, width, height, blend);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
}

// A kept stretching of this size and source, made when there is none; null when it cannot be
// kept (no size, too large, out of memory).
const CDecodedImage::Rendering* CDecodedImage::RenderingFor(int width, int height, const RECT& source)
{
    const auto found = std::find_if(m_renderings.begin(), m_renderings.end(), [&](const auto& rendering) {
        return rendering->width == width && rendering->height == height && EqualRect(&rendering->source, &source);
    });
    if (found != m_renderings.end()) {
        std::rotate(m_renderings.begin(), found, found + 1);
        return m_renderings.front().get();
    }
    std::unique_ptr<Rendering> made = Render(width, height, source);
    if (!made)
        return nullptr;
    m_renderings.insert(m_renderings.begin(), std::move(made));
    long long pixels = 0;
    size_t kept = 0;
    // The newest is always kept; older ones while they fit.
    while (kept < m_renderings.size() && kept < kMostRenderings &&
           (kept == 0 || pixels + m_renderings[kept]->Pixels() <= kMostRenderedPixels))
        pixels += m_renderings[kept++]->Pixels();
    m_renderings.resize(kept);
    return m_renderings.front().get();
}

std::unique_ptr<CDecodedImage::Rendering> CDecodedImage::Render(int width, int height, const RECT& source) const
{
    if (width <= 0 || height <= 0 || static_cast<long long>(width) * height > kMostKeptPixels)
        return nullptr;
    BITMAPINFO format = TopDownPixelFormat(width, height);
    void* bits = nullptr;
    auto rendering = std::make_unique<Rendering>();
    rendering->bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!rendering->bitmap || !bits)
        return nullptr;
    Gdiplus::GpBitmap* target = nullptr;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                                       static_cast<BYTE*>(bits), &target) != Gdiplus::Ok)
        return nullptr;
    Gdiplus::GpGraphics* graphics = nullptr;
    bool drawn = false;
    if (Gdiplus::DllExports::GdipGetImageGraphicsContext(target, &graphics) == Gdiplus::Ok) {
        drawn = Gdiplus::DllExports::GdipDrawImageRectRectI(
                    graphics, m_image, 0, 0, width, height, source.left, source.top, source.right - source.left,
                    source.bottom - source.top, Gdiplus::UnitPixel, nullptr, nullptr, nullptr) == Gdiplus::Ok;
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
    }
    Gdiplus::DllExports::GdipDisposeImage(target);
    if (!drawn)
        return nullptr;
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    rendering->opaque = std::all_of(pixels, pixels + static_cast<size_t>(width) * static_cast<size_t>(height),
                                    [](DWORD pixel) { return (pixel >> 24) == 0xFF; });
    rendering->width = width;
    rendering->height = height;
    rendering->source = source;
    return rendering;
}

void CDecodedImage::DrawDirectly(HDC dc, const RECT& destination, const RECT& source) const
{
    Gdiplus::GpGraphics* graphics = nullptr;
    if (Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics) != Gdiplus::Ok)
        return;
    Gdiplus::DllExports::GdipDrawImageRectRectI(
        graphics, m_image, destination.left, destination.top, destination.right - destination.left,
        destination.bottom - destination.top, source.left, source.top, source.right - source.left,
        source.bottom - source.top, Gdiplus::UnitPixel, nullptr, nullptr, nullptr);
    Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}
