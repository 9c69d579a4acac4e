#pragma once
// The frame every window of the program shares: a borderless dialog that draws a PNG
// background stretched over its client area, can be dragged by any point of its surface, shows
// its labels transparently over the background, and carries the minimise, exit and help image
// buttons. A derived dialog declares its background, frame buttons and input controls in its
// constructor and calls CSkinDialog::OnInitDialog first in its own.
#include "ui/ImageButton.h"
#include "ui/wnd/Dialog.h"
#include "ui/wnd/PngImage.h"

#include <initializer_list>
#include <string>
#include <vector>

class CSkinDialog : public CDialog {
public:
    // Which pair of images the help button shows.
    enum HelpImages { kHelp01 = 1, kHelp03 = 3 };
    // Painted where the background image is missing.
    static constexpr COLORREF kFallbackBackground = RGB(234, 244, 255);

    explicit CSkinDialog(int templateId, HWND parent = nullptr);

    // The installation folder's Images folder, and a file in it.
    static std::string ImagesFolder();
    static std::string ImagePath(const std::string& file);

protected:
    // A file of the Images folder ("CommonDlg.png"), or a full path.
    void SetBackground(const std::string& file) { m_backgroundPath = ImagePath(file); }
    void SetBackgroundPath(const std::string& path) { m_backgroundPath = path; }
    // Ids of the frame buttons in this window's template; 0 for a button it does not have.
    void SetFrameButtons(int minimizeId, int exitId, int helpId = 0, HelpImages help = kHelp01);
    // Edits, lists, trees and combo boxes keep their own background; everything else is
    // drawn transparently over the window's background.
    void SetInputControls(std::initializer_list<int> ids) { m_inputIds.assign(ids); }
    void SetDragAnywhere(bool drag) { m_dragAnywhere = drag; }
    // Binds an image button of the template to the usual image pair and the text of a key.
    void SetupImageButton(CImageButton& button, int id, const std::string& stem, const char* tipKey);

    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnEraseBkgnd(HDC dc) override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;

    virtual void OnMinimizeButton() { ShowWindow(Hwnd(), SW_MINIMIZE); }
    virtual void OnExitButton() { OnCancel(); }
    virtual void OnHelpButton() {}

    void DrawBackground(HDC dc, const RECT& rect) const;
    bool IsInputControl(HWND control) const;

    CImageButton m_minimizeButton;
    CImageButton m_exitButton;
    CImageButton m_helpButton;

private:
    void SetupFrameButtons();

    std::string m_backgroundPath;
    CPngImage m_background;
    std::vector<int> m_inputIds;
    int m_minimizeId = 0;
    int m_exitId = 0;
    int m_helpId = 0;
    HelpImages m_helpImages = kHelp01;
    bool m_dragAnywhere = true;
};
