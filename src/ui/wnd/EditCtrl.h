#pragma once
#include "ui/wnd/Window.h"

class CEditCtrl : public CWindowRef {
public:
    using CWindowRef::CWindowRef;
    void SetSel(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void SelectAll() const { SetSel(0, -1); }
    void ScrollCaret() const { Send(EM_SCROLLCARET); }
};
