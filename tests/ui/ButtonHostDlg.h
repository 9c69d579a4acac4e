#pragma once
// A skinned test window (the progress window's template) that adds image buttons at run time,
// optionally with frame buttons, and counts the clicks each button sends.
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CButtonHostDlg : public CSkinDialog {
public:
    static constexpr int kFirstButtonId = 3000;
    static constexpr int kMinimizeId = 3100;
    static constexpr int kExitId = 3101;
    static constexpr int kHelpId = 3102;

    // Each button: its images (full paths; empty for none) and check mode.
    struct ButtonSpec {
        std::string normal;
        std::string lit;
        int checkMode = CImageButton::kPushButton;
        DWORD style = 0;
    };

    explicit CButtonHostDlg(std::vector<ButtonSpec> buttons, bool withFrameButtons = false);

    HWND Button(size_t index) const { return Item(kFirstButtonId + static_cast<int>(index)); }
    int Clicks(int id) const;
    int HelpClicks() const { return m_helpClicks; }

    // Runs the window through HostDialog with `drive` as its one step.
    INT_PTR Run(std::function<void(CButtonHostDlg&)> drive);

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnHelpButton() override { ++m_helpClicks; }

private:
    std::vector<ButtonSpec> m_specs;
    std::vector<std::unique_ptr<CImageButton>> m_buttons;
    std::map<int, int> m_clicks;
    bool m_withFrameButtons;
    int m_helpClicks = 0;
};
