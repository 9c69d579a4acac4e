#pragma once
// A skinned test window (the progress window's template, enlarged) holding what a test asks
// for: image buttons made at run time, the frame buttons, one skinned list bound the way a
// dialog binds the list of its template, and any control a test adds, so that it lives under
// the program's real dialog procedure (with its reflection of notifications and colour
// requests). It records what they tell their parent: button clicks, the list's row-selected
// message, heading clicks and sideways scrolls. The template's own label covers roughly
// (48, 26)-(233, 68); added controls keep clear of it.
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"
#include "ui/SkinListCtrl.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CSkinHostDlg : public CSkinDialog {
public:
    static constexpr int kFirstButtonId = 3000;
    static constexpr int kMinimizeId = 3100;
    static constexpr int kExitId = 3101;
    static constexpr int kHelpId = 3102;
    static constexpr int kListId = 3200;
    static constexpr int kEditId = 3201;

    // Each button: its images (full paths; empty for none) and check mode.
    struct ButtonSpec {
        std::string normal;
        std::string lit;
        int checkMode = CImageButton::kPushButton;
        DWORD style = 0;
    };

    explicit CSkinHostDlg(std::vector<ButtonSpec> buttons = {}, bool withFrameButtons = false);
    // Adds the list and its linked edit. Its scroll bars get no images.
    CSkinHostDlg& WithList();

    HWND Button(size_t index) const { return Item(kFirstButtonId + static_cast<int>(index)); }
    CSkinListCtrl& List() { return m_list; }
    HWND Edit() const { return Item(kEditId); }

    // Creates a visible child control with the dialog's font at a client rectangle; with no id
    // it takes the next free one.
    HWND AddControl(const char* className, DWORD style, const RECT& rect, const char* text = "", DWORD exStyle = 0,
                    int id = 0);

    // Runs the window through HostDialog with `drive` as its one step.
    INT_PTR Run(std::function<void(CSkinHostDlg&)> drive);

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnHelpButton() override { ++m_helpClicks; }

public:
    // What the controls told their parent: clicks by button id, the help button's clicks, the
    // list's row-selected messages (wParam and lParam, in order), heading clicks by column
    // and sideways scrolls.
    std::map<int, int> m_clicks;
    int m_helpClicks = 0;
    std::vector<std::pair<WPARAM, LPARAM>> m_rowSelected;
    std::vector<int> m_columnClicks;
    int m_horizontalNotices = 0;

private:
    std::vector<ButtonSpec> m_specs;
    std::vector<std::unique_ptr<CImageButton>> m_buttons;
    bool m_withFrameButtons;
    bool m_withList = false;
    CSkinListCtrl m_list;
    int m_nextId = 30000;
};
