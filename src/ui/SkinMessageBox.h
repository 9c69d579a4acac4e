#pragma once
// The program's own message box: a small skinned window with the message, a title and the
// buttons of its type (Ok; Ok and Cancel; Yes and No). It returns IDOK, IDCANCEL, IDYES or IDNO.
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <string>

class CSkinMessageBox : public CSkinDialog {
public:
    CSkinMessageBox(std::string title, std::string text, UINT type, const std::string& backgroundPath,
                    COLORREF borderColour, std::string buttonNormalPath, std::string buttonHoverPath, HWND parent);

    // The buttons a type shows; icon and default-button flags of the type are ignored.
    static UINT ButtonKind(UINT type);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    bool OnCommand(int id, int code) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;

private:
    void SetupButton(CImageButton& button, int id);
    void ShowButtons();

    std::string m_title;
    std::string m_text;
    UINT m_type;
    COLORREF m_borderColour;
    std::string m_buttonNormalPath;
    std::string m_buttonHoverPath;
    CImageButton m_yesButton;
    CImageButton m_noButton;
    CImageButton m_okButton;
    CImageButton m_cancelButton;
};
