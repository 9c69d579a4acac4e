#pragma once
// Input as a user gives it to windows of this thread: typed characters to the focused control,
// presses and double presses of the left button at a point, and the points of list cells and
// tree nodes to press on.
#include <windows.h>

#include <commctrl.h>

#include <string>

// Gives `control` the focus, then types `text` one character at a time to whatever has the
// focus (a control may hand it on, as a list hands it to its cell editor).
void TypeText(HWND control, const std::string& text);
void TypeText(const std::string& text);
// A press and release of the left button; the real pointer is parked there first.
void ClickAt(HWND window, POINT clientPoint);
void DoubleClickAt(HWND window, POINT clientPoint);
// A press of a button or check box as the button sees it.
void PressButton(HWND button);

POINT CellPoint(HWND list, int row, int column);
POINT NodePoint(HWND tree, HTREEITEM node);
// A point of the tree below its last visible node, where no node is.
POINT EmptyTreePoint(HWND tree);
