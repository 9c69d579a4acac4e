#pragma once
// A combo box whose face is built from bitmap resources: a left part and a right part at their
// own widths with the middle part stretched between them, a text area filled by focus state,
// and a drop button chosen by state. Missing bitmaps fall back to flat fills and a drawn button.
#include "ui/wnd/SubclassedControl.h"

class CBitmapComboBox : public CSubclassedControl {
public:
    CBitmapComboBox() = default;
    ~CBitmapComboBox() override;

    void SetFaceBitmaps(UINT leftId, UINT middleId, UINT rightId);
    void SetButtonBitmaps(UINT normalId, UINT hotId, UINT pressedId, UINT disabledId);
    // The first pair is used while the combo has the focus, the second otherwise.
    void SetColours(COLORREF focusFill, COLORREF focusText, COLORREF fill, COLORREF text);

    bool HasFocus() const;
    bool IsHot() const { return m_hot; }
    // The rectangle the text is drawn in, in client coordinates.
    RECT TextRect() const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    enum { kFaceLeft, kFaceMiddle, kFaceRight, kFaceParts };
    enum { kButtonNormal, kButtonHot, kButtonPressed, kButtonDisabled, kButtonStates };

    void Paint(HDC dc);
    void DrawFace(HDC dc, const RECT& client);
    void DrawButton(HDC dc);
    RECT ButtonRect() const;
    int ButtonState() const;
    void TrackLeave();
    static HBITMAP Load(UINT id);
    static SIZE SizeOf(HBITMAP bitmap);
    static void Replace(HBITMAP& slot, HBITMAP bitmap);

    HBITMAP m_face[kFaceParts] = {};
    HBITMAP m_button[kButtonStates] = {};
    COLORREF m_focusFill = RGB(115, 138, 174);
    COLORREF m_focusText = RGB(255, 255, 255);
    COLORREF m_fill = RGB(115, 138, 154);
    COLORREF m_text = RGB(255, 255, 255);
    bool m_hot = false;
};
