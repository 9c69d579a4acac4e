#pragma once
// Window subclassing with the calling pattern of the common controls' SetWindowSubclass, kept
// in this process instead of in window properties. Under Wine every property lookup is a round
// trip to the server, and the common controls do several for each message a subclassed window
// receives: filling a tree of a few hundred catalogs spent most of its time there.
//
// The chain is ANSI, like the rest of the program: procedures see the messages an ANSI window
// sees, and the original procedure is called through CallWindowProcA.
#include <windows.h>

using SubclassProcedure = LRESULT(CALLBACK*)(HWND, UINT, WPARAM, LPARAM, UINT_PTR id, DWORD_PTR data);

// Adds `procedure` in front of the window's chain, or updates the data of the same
// procedure and id when already there.
bool InstallSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR data);

// Takes `procedure` out of the chain; safe from inside the chain, even in WM_NCDESTROY.
bool RemoveSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id);

// The data given when `procedure` was installed with `id`, when it is still in the chain.
bool FindSubclass(HWND hwnd, SubclassProcedure procedure, UINT_PTR id, DWORD_PTR* data);

// Passes a message on to the next procedure of the chain, and at its end to the window's own.
LRESULT CallNextSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
