#pragma once
// A combo box that paints its own white face with a drop button image; the dropped list stays
// the system's. Without the image the button is drawn as a plain chevron.
#include "ui/wnd/PngImage.h"
#include "ui/wnd/SubclassedControl.h"

#include <string>

class CSkinComboBox : public CSubclassedControl {
public:
    static constexpr COLORREF kFaceColour = RGB(255, 255, 255);
    static constexpr int kButtonSize = 18;
    static constexpr int kButtonFromRight = 19;
    static constexpr int kButtonTop = 2;
    static constexpr int kTextLeft = 1;
    static constexpr int kTextTop = 5;

    CSkinComboBox() = default;
    ~CSkinComboBox() override;

    // The dialogs pass InstallFolder() + "\\Images\\ComboButton.png".
    bool SetButtonImage(const std::string& path);
    // Makes the dropped list `extraPixels` taller than it is now.
    void SetDropHeight(int extraPixels);

    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    int DroppedHeight() const;
    void SetWindowHeight(int height);
    void Paint(HDC dc);
    void DrawButton(HDC dc, const RECT& client);

    CPngImage m_button;
    HBRUSH m_faceBrush = nullptr;
};
