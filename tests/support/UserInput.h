#pragma once
// Input as a user gives it, delivered in-process to the real controls: keystrokes into the
// focused control, clicks and double-clicks at points of a control, clicks on list rows.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

// Focuses the control and types the text, one character message per character; "\n" is Enter.
void TypeInto(HWND control, const std::string& text);
// Selects the control's whole text first (as a drag over it would), so the typing replaces it.
void TypeOver(HWND control, const std::string& text);
// A key pressed and released on the focused control, through the thread's queue so that the
// window's own pre-translation sees it.
void PressKey(HWND control, UINT virtualKey);

// A left click (or double-click) at a client point, the real pointer parked there first. The
// release is queued before the press is handled, so a control that follows the held button (a
// list view) sees it let go.
void ClickAt(HWND window, POINT point);
void DoubleClickAt(HWND window, POINT point);
// The middle of a row's first column, scrolled into view first.
POINT RowPoint(HWND list, int row);
void ClickRow(HWND list, int row);
void DoubleClickRow(HWND list, int row);
// A click on a button or check box of a dialog.
void ClickButton(HWND dialog, int id);
void PressButton(HWND button);
// Gives `control` the focus, then types `text` one character at a time to whatever has the
// focus (a control may hand it on, as a list hands it to its cell editor).
void TypeText(HWND control, const std::string& text);
void TypeText(const std::string& text);
POINT CellPoint(HWND list, int row, int column);
POINT NodePoint(HWND tree, HTREEITEM node);
// A point of the tree below its last visible node, where no node is.
POINT EmptyTreePoint(HWND tree);

// Answers the dialog (told by one of its controls) that the next step opens over `owner`, once
// it is up; the flag stays false when it never opened.
std::shared_ptr<bool> AnswerWhenOpen(HWND owner, int childId, std::function<void(HWND dialog)> answer);
