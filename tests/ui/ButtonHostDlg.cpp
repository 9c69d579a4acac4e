#include "ButtonHostDlg.h"

#include "DialogHost.h"
#include "resource.h"

#include <utility>

CButtonHostDlg::CButtonHostDlg(std::vector<ButtonSpec> buttons, bool withFrameButtons)
    : CSkinDialog(IDD_PROGRESS), m_specs(std::move(buttons)), m_withFrameButtons(withFrameButtons)
{
    SetBackground("DealProgress.png");
    if (withFrameButtons)
        SetFrameButtons(kMinimizeId, kExitId, kHelpId, kHelp03);
}

BOOL CButtonHostDlg::OnInitDialog()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (m_withFrameButtons) {
        const int ids[] = {kHelpId, kMinimizeId, kExitId};
        int x = 200;
        for (int id : ids) {
            CreateWindowExA(0, "Button", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, 4, 16, 16, Hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
            x += 20;
        }
    }
    CSkinDialog::OnInitDialog();
    int x = 10;
    for (size_t i = 0; i < m_specs.size(); ++i) {
        const ButtonSpec& spec = m_specs[i];
        HWND control = CreateWindowExA(
            0, "Button", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW | spec.style, x, 40, 60, 30, Hwnd(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstButtonId + static_cast<int>(i))), instance, nullptr);
        m_buttons.push_back(std::make_unique<CImageButton>());
        m_buttons.back()->Attach(control);
        if (!spec.normal.empty())
            m_buttons.back()->SetImage(spec.normal.c_str(), spec.lit.c_str(), spec.lit.c_str());
        m_buttons.back()->SetCheckMode(spec.checkMode);
        x += 70;
    }
    return TRUE;
}

bool CButtonHostDlg::OnCommand(int id, int code)
{
    if (code == BN_CLICKED && id >= kFirstButtonId && id < kFirstButtonId + 100) {
        ++m_clicks[id];
        return true;
    }
    return CSkinDialog::OnCommand(id, code);
}

int CButtonHostDlg::Clicks(int id) const
{
    auto found = m_clicks.find(id);
    return found == m_clicks.end() ? 0 : found->second;
}

INT_PTR CButtonHostDlg::Run(std::function<void(CButtonHostDlg&)> drive)
{
    return HostDialog(*this, [this, drive](HWND) { drive(*this); });
}
