#pragma once
// Helpers for tests that drive real windows and real processes under Wine.
#include <windows.h>

#include <functional>
#include <commctrl.h>

#include <string>
#include <vector>

class CGdiplusSession;

// Sets up what the program's start-up would: COM, common controls, GDI+, the install folder.
class WinTestEnvironment {
public:
    WinTestEnvironment();
    ~WinTestEnvironment();

private:
    CGdiplusSession* m_gdiplus;
};

// The staged installation folder (Windows path), from TAV_DIST_DIR.
std::string DistFolder();

// Pumps this thread's messages until the condition holds or the time is up.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void PumpFor(DWORD milliseconds);

// Moves the real pointer onto a point of a window and lets the mouse moves that Wine makes of
// it (and of every capture change) arrive and be dropped before the test presses anything.
// A test that presses by message must do this when the control follows the pointer while a
// button is held: otherwise such moves tell it where the real pointer happens to be.
void ParkPointer(HWND window, POINT clientPoint);

// Runs `action` once the message loop is running (from a thread timer), e.g. to drive a
// modal dialog that the test is about to open.
void RunSoon(std::function<void()> action, UINT delayMs = 50);

// A visible top-level window of the given class and caption, in any process.
HWND FindTopWindow(const char* className, const char* caption);

// The text of a dialog's control.
std::string TextOf(HWND dialog, int id);

// Tree views by their texts: one node's text (or its images and data), the texts of a node's
// children, and the first node with a text anywhere in the tree (or under a node).
std::string TreeText(HWND tree, HTREEITEM node);
TVITEMA TreeItemOf(HWND tree, HTREEITEM node);
std::vector<std::string> ChildTexts(HWND tree, HTREEITEM parent);
HTREEITEM FindTreeNode(HWND tree, const std::string& text, HTREEITEM parent = nullptr);

// A helper program built beside the running test program, e.g. "marker.exe".
std::string BesideTestProgram(const std::string& name);

// The clipboard's data of one format, or its text: put there (replacing everything) and read
// back ("<no data>" if none; memory data may come back with padding at its end).
bool PutClipboardData(HWND owner, UINT format, const std::string& data);
std::string ClipboardData(HWND owner, UINT format);
void PutClipboardText(HWND owner, const std::string& text);
std::string ClipboardText(HWND owner);

// Starts a program and returns its process handle (closed by the caller), or nullptr.
HANDLE StartProcess(const std::string& commandLine, const std::string& folder = "");
bool WaitForFile(const std::string& path, DWORD timeoutMs);

// Solid images and pixels (SolidPng.cpp). Writes a PNG file of one colour through the GDI+
// encoder, for skins made inside a test.
bool WriteSolidPng(const std::string& path, COLORREF colour, int width = 16, int height = 16);
// The colour of a pixel of a window as it is drawn on the screen once pending paints are
// done, in client coordinates (window coordinates, borders included, with `windowDc`).
COLORREF PixelOf(HWND window, int x, int y, bool windowDc = false);
COLORREF CentrePixelOf(HWND window);
