#include "WinTestSupport.h"

#include <gdiplus.h>

bool WriteSolidPng(const std::string& path, COLORREF colour, int width, int height)
{
    using namespace Gdiplus;
    GpBitmap* bitmap = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &bitmap) != Ok)
        return false;
    const ARGB argb = Color(GetRValue(colour), GetGValue(colour), GetBValue(colour)).GetValue();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            DllExports::GdipBitmapSetPixel(bitmap, x, y, argb);
    // The PNG encoder's class id.
    const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
    std::wstring wide(path.begin(), path.end());
    const bool saved = DllExports::GdipSaveImageToFile(bitmap, wide.c_str(), &png, nullptr) == Ok;
    DllExports::GdipDisposeImage(bitmap);
    return saved;
}

COLORREF PixelOf(HWND window, int x, int y, bool windowDc)
{
    UpdateWindow(window);
    HDC dc = windowDc ? GetWindowDC(window) : GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

COLORREF CentrePixelOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return PixelOf(window, client.right / 2, client.bottom / 2);
}
