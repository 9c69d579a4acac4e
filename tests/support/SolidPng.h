#pragma once
// Writes a PNG file of one colour through the GDI+ encoder, for skins made inside a test.
#include <windows.h>

#include <string>

bool WriteSolidPng(const std::string& path, COLORREF colour, int width = 16, int height = 16);
// The colour of a pixel of a window as it is drawn on the screen now.
COLORREF PixelOf(HWND window, int x, int y);
COLORREF CentrePixelOf(HWND window);
