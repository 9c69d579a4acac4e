#pragma once
// Writes a PNG file of one colour through the GDI+ encoder, for skins made inside a test.
#include <windows.h>

#include <string>

bool WriteSolidPng(const std::string& path, COLORREF colour, int width = 16, int height = 16);
// The colour of a pixel of a window as it is drawn on the screen once pending paints are
// done, in client coordinates (window coordinates, borders included, with `windowDc`).
COLORREF PixelOf(HWND window, int x, int y, bool windowDc = false);
COLORREF CentrePixelOf(HWND window);
