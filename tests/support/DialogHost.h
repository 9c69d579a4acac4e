#pragma once
// The one way a test runs a window under test. HostDialog opens the dialog modally and runs
// the steps once each, in order, from inside its own message loop; each step starts on a fresh
// turn of the loop, so what one step posts is handled before the next one looks.
//
// Who closes the window: a step may end it (pressing OK, Cancel, the close button ...), but
// only the last one; otherwise the host ends it with EndDialog(IDCANCEL) after the last step.
// The test fails when the window did not open, or closed before every step had run, so a test
// cannot pass without running its body. Returns what DoModal returned.
#include "ui/wnd/Dialog.h"

#include <functional>
#include <vector>

using HostStep = std::function<void(HWND dialog)>;

INT_PTR HostDialog(CDialog& dialog, std::vector<HostStep> steps);
INT_PTR HostDialog(CDialog& dialog, HostStep body);
