#pragma once
// A push button that draws itself from PNG images: a normal face and a second face that shows
// while the pointer is over it, while it has the focus and while it is held down. It tracks
// the pointer, shows a tooltip and the hand cursor, and can act as a check box or a radio
// button. Without an image it fills its face with plain colours, so a window stays usable when
// its skin files are missing. Attach it to a BS_OWNERDRAW button; the dialog reflects
// WM_DRAWITEM to it.
#include "ui/wnd/PngImage.h"
#include "ui/wnd/SubclassedControl.h"

#include <string>

class CImageButton : public CSubclassedControl {
public:
    enum CheckMode { kPushButton = 0, kCheckBox = 2, kRadioButton = 4 };
    // Sent (posted) to the other radio buttons of a group when one of them becomes checked.
    static constexpr UINT kUncheckMessage = 0x500;

    CImageButton();
    ~CImageButton() override;

    // Null paths keep the earlier image. Non-zero bitmap ids load resources of the program:
    // the disabled look, the pressed look, and a mask whose non-white pixels become the
    // button's shape (in drawing mode 0 the button also takes the mask's size).
    void SetImage(const char* normal, const char* second, const char* third, UINT disabledBitmap = 0,
                  UINT pressedBitmap = 0, UINT maskBitmap = 0, int drawMode = 0, bool frame = false,
                  int focusMargin = 0);
    void SetImage(const wchar_t* normal, const wchar_t* second, const wchar_t* third, UINT disabledBitmap = 0,
                  UINT pressedBitmap = 0, UINT maskBitmap = 0, int drawMode = 0, bool frame = false,
                  int focusMargin = 0);
    // The usual pair of the Images folder: stem + "_01.png" normal, stem + "_02.png" for the rest.
    void SetImageStem(const std::string& imagesFolder, const std::string& stem);
    // Two explicit files of the Images folder: the normal face and the lit face.
    void SetImagePair(const std::string& imagesFolder, const std::string& normalFile, const std::string& litFile);

    void SetTooltipText(const char* text);
    COLORREF SetTextColor(COLORREF colour);
    void SetGradient(bool gradient) { m_gradient = gradient; }
    void SetCheckMode(int mode);

    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadBitmaps(UINT disabledBitmap, UINT pressedBitmap, UINT maskBitmap);
    void ApplyMask(UINT maskBitmap);
    void SetOptions(int drawMode, bool frame, int focusMargin);
    void Draw(const DRAWITEMSTRUCT& item);
    void DrawFace(HDC dc, const RECT& rect, UINT state);
    void FillFace(HDC dc, const RECT& rect, COLORREF top, COLORREF bottom) const;
    void DrawText(HDC dc, RECT rect, UINT state);
    bool PointerIsOver(LPARAM lParam) const;
    bool IsPushed() const;
    void RelayToTooltip(UINT msg, WPARAM wParam, LPARAM lParam);
    void MakeTooltip();
    void OnLeftButtonDown(WPARAM wParam, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnLeftButtonUp(LPARAM lParam);
    void OnSetCheck(bool checked);
    void UncheckGroupSiblings();
    void Repaint() const;

    CPngImage m_normal;
    CPngImage m_second;
    CPngImage m_third;
    HBITMAP m_disabledBitmap = nullptr;
    HBITMAP m_pressedBitmap = nullptr;
    HRGN m_region = nullptr;
    int m_drawMode = 0;
    bool m_frame = false;
    int m_focusMargin = 0;
    COLORREF m_textColour;
    COLORREF m_disabledFill = RGB(200, 200, 200);
    COLORREF m_pressedFill = RGB(200, 200, 200);
    COLORREF m_gradientEnd = RGB(200, 200, 200);
    COLORREF m_normalFill = RGB(230, 230, 230);
    COLORREF m_hoverFill = RGB(220, 220, 220);
    bool m_gradient = false;
    HCURSOR m_cursor = nullptr;
    int m_checkMode = kPushButton;
    bool m_checked = false;
    bool m_hover = false;
    bool m_pressTracking = false;
    HWND m_tooltip = nullptr;
    bool m_hasTip = false;
    std::string m_tipText;
};
