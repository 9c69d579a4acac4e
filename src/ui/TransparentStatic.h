#pragma once
// A static text drawn straight over the dialog's background image. When its text changes, the
// parent repaints the background under it first, so the old text does not show through.
#include "ui/wnd/SubclassedControl.h"

class CTransparentStatic : public CSubclassedControl {
public:
    CTransparentStatic() = default;

    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void RepaintBackground();
};
