#pragma once
// An image file loaded through GDI+ (PNG in practice), drawn stretched. A missing or unreadable
// file leaves the image empty; drawing an empty image does nothing. Images of one unchanged
// file share one decoded copy and its stretchings (see CDecodedImage).
#include "ui/wnd/DecodedImage.h"

#include <windows.h>

#include <memory>
#include <string>

class CPngImage {
public:
    CPngImage() = default;
    explicit CPngImage(const std::string& path) { Load(path); }

    bool Load(const std::string& path);
    bool Load(const std::wstring& path);
    void Reset() { m_image.reset(); }
    bool IsLoaded() const { return m_image != nullptr; }
    UINT Width() const { return m_image ? m_image->Width() : 0; }
    UINT Height() const { return m_image ? m_image->Height() : 0; }

    // Draws the whole image stretched over the destination rectangle.
    void Draw(HDC dc, const RECT& destination) const;
    // Draws a part of the image stretched over the destination rectangle.
    void DrawPart(HDC dc, const RECT& destination, int srcX, int srcY, int srcWidth, int srcHeight) const;

private:
    std::shared_ptr<CDecodedImage> m_image;
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
