#pragma once
#include "ui/wnd/Window.h"

class CEditCtrl : public CWindowRef {
public:
    using CWindowRef::CWindowRef;
    void SetSel(int start, int end) const { Send(EM_SETSEL, static_cast<WPARAM>(start), end); }
    void SelectAll() const { SetSel(0, -1); }
    void ScrollCaret() const { Send(EM_SCROLLCARET); }
    void SetLimit(int characters) const { Send(EM_LIMITTEXT, static_cast<WPARAM>(characters)); }
    void SetReadOnly(bool readOnly) const { Send(EM_SETREADONLY, readOnly ? TRUE : FALSE); }
};
