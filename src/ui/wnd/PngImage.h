#pragma once
// An image file loaded through GDI+ (PNG in practice), drawn stretched. A missing or unreadable
// file leaves the image empty; drawing an empty image does nothing.
//
// A window shows the same few skin files many times over (every button, every scroll bar), and
// decoding one costs far more than drawing it: images of an unchanged file share one decoded
// copy while any of them is alive.
#include <windows.h>

#include <memory>
#include <string>

namespace Gdiplus {
class GpImage;
}

class CPngImage {
public:
    CPngImage() = default;
    explicit CPngImage(const std::string& path) { Load(path); }
    ~CPngImage();
    CPngImage(const CPngImage&) = delete;
    CPngImage& operator=(const CPngImage&) = delete;
    CPngImage(CPngImage&& other) noexcept;
    CPngImage& operator=(CPngImage&& other) noexcept;

    bool Load(const std::string& path);
    bool Load(const std::wstring& path);
    void Reset();
    bool IsLoaded() const { return m_image != nullptr; }
    UINT Width() const;
    UINT Height() const;

    // Draws the whole image stretched over the destination rectangle.
    void Draw(HDC dc, const RECT& destination) const;
    // Draws a part of the image stretched over the destination rectangle.
    void DrawPart(HDC dc, const RECT& destination, int srcX, int srcY, int srcWidth, int srcHeight) const;

private:
    std::shared_ptr<Gdiplus::GpImage> m_image;
};

// Starts GDI+ for the lifetime of the object (the program does this in its start-up).
class CGdiplusSession {
public:
    CGdiplusSession();
    ~CGdiplusSession();
    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;

private:
    ULONG_PTR m_token = 0;
};
