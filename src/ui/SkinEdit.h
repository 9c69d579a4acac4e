#pragma once
// An edit box with a flat two-line border that lights up under the mouse and with the focus,
// and an optional tooltip.
#include "ui/wnd/SubclassedControl.h"

#include <string>

class CSkinEdit : public CSubclassedControl {
public:
    CSkinEdit() = default;
    ~CSkinEdit() override;

    void SetToolTip(const std::string& text);
    HWND ToolTip() const { return m_tip; }
    bool IsHot() const { return m_hot; }
    bool HasFocus() const { return GetFocus() == Hwnd(); }
    // The outer and inner border colours for the current hot and focus state.
    COLORREF OuterBorderColour() const;
    COLORREF InnerBorderColour() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnAttached() override;

private:
    void ReadColours();
    void DrawBorder();
    void OnMouseMove(UINT msg, WPARAM wParam, LPARAM lParam);
    void RelayToTip(UINT msg, WPARAM wParam, LPARAM lParam);

    COLORREF m_highlight = 0;
    COLORREF m_shadow = 0;
    COLORREF m_darkShadow = 0;
    COLORREF m_face = 0;
    bool m_hot = false;
    HWND m_tip = nullptr;
};
