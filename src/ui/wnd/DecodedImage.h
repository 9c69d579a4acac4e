#pragma once
// An image file decoded once for the whole program, with the stretched renderings drawn from it.
// The windows show a few dozen small skin files over and over (every button, every scroll bar,
// every window's background), and under Wine decoding one costs tens of milliseconds while a
// blit costs next to nothing: a file stays decoded while the program runs, so a window that
// opens again reads and decodes none of its images. A rewritten file is decoded again.
//
// Stretching through GDI+ costs far more than a blit as well, above all for a background that
// every see-through control draws again under itself: an image keeps its recent stretchings
// and blits those while the size stays the same.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace Gdiplus {
class GpImage;
}

// The format of 32-bit pixels, top row first, as bitmaps are made and read here.
inline BITMAPINFO TopDownPixelFormat(int width, int height)
{
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof(format.bmiHeader);
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

class CDecodedImage {
public:
    // The decoded image of a file, shared by everyone who shows it; null for a missing or
    // unreadable file. Only the windows' thread loads images.
    static std::shared_ptr<CDecodedImage> OfFile(const std::wstring& path);
    // Lets go of every kept file (before GDI+ shuts down).
    static void ReleaseAll();

    explicit CDecodedImage(Gdiplus::GpImage* image);
    ~CDecodedImage();
    CDecodedImage(const CDecodedImage&) = delete;
    CDecodedImage& operator=(const CDecodedImage&) = delete;

    UINT Width() const { return m_width; }
    UINT Height() const { return m_height; }
    // Draws the `source` part of the image stretched over `destination`.
    void Draw(HDC dc, const RECT& destination, const RECT& source);

private:
    struct Rendering;
    const Rendering* RenderingFor(int width, int height, const RECT& source);
    std::unique_ptr<Rendering> Render(int width, int height, const RECT& source) const;
    void DrawDirectly(HDC dc, const RECT& destination, const RECT& source) const;

    Gdiplus::GpImage* m_image;
    UINT m_width = 0;
    UINT m_height = 0;
    // The most recently drawn first.
    std::vector<std::unique_ptr<Rendering>> m_renderings;
};
