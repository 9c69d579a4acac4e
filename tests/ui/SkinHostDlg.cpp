#include "SkinHostDlg.h"

#include "DialogHost.h"
#include "resource.h"

CSkinHostDlg::CSkinHostDlg(std::vector<ButtonSpec> buttons, bool withFrameButtons)
    : CSkinDialog(IDD_PROGRESS), m_specs(std::move(buttons)), m_withFrameButtons(withFrameButtons)
{
    SetBackground("DealProgress.png");
    SetInputControls({kListId, kEditId});
    if (withFrameButtons)
        SetFrameButtons(kMinimizeId, kExitId, kHelpId, kHelp03);
}

CSkinHostDlg& CSkinHostDlg::WithList()
{
    m_withList = true;
    return *this;
}

HWND CSkinHostDlg::AddControl(const char* className, DWORD style, const RECT& rect, const char* text, DWORD exStyle,
                              int id)
{
    HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
                                   rect.right - rect.left, rect.bottom - rect.top, Hwnd(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id ? id : m_nextId++)),
                                   GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, SendMessageA(Hwnd(), WM_GETFONT, 0, 0), FALSE);
    return control;
}

BOOL CSkinHostDlg::OnInitDialog()
{
    // The frame buttons are part of the template, so they exist before the frame binds them.
    if (m_withFrameButtons) {
        const int ids[] = {kHelpId, kMinimizeId, kExitId};
        for (int i = 0; i < 3; ++i)
            AddControl("Button", BS_OWNERDRAW, RECT{200 + 20 * i, 4, 216 + 20 * i, 20}, "", 0, ids[i]);
    }
    CSkinDialog::OnInitDialog();
    SetWindowPos(Hwnd(), HWND_TOP, 10, 10, 440, 340, SWP_NOACTIVATE);
    for (size_t i = 0; i < m_specs.size(); ++i) {
        const ButtonSpec& spec = m_specs[i];
        const int x = 10 + 70 * static_cast<int>(i);
        m_buttons.push_back(std::make_unique<CImageButton>());
        m_buttons.back()->Attach(AddControl("Button", WS_TABSTOP | BS_OWNERDRAW | spec.style, RECT{x, 40, x + 60, 70},
                                            "", 0, kFirstButtonId + static_cast<int>(i)));
        if (!spec.normal.empty())
            m_buttons.back()->SetImage(spec.normal.c_str(), spec.lit.c_str(), spec.lit.c_str());
        m_buttons.back()->SetCheckMode(spec.checkMode);
    }
    if (m_withList) {
        // A plain report list, as a dialog template has it; binding makes it the skinned list.
        AddControl(WC_LISTVIEWA, WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, RECT{20, 40, 380, 260}, "", 0,
                   kListId);
        AddControl("Edit", WS_BORDER, RECT{20, 290, 220, 312}, "", 0, kEditId);
        m_list.BindDlgItem(Hwnd(), kListId);
        m_list.Initialise();
        m_list.SetLinkedEdit(Edit());
    }
    return TRUE;
}

INT_PTR CSkinHostDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == CSkinListCtrl::kRowSelectedMessage) {
        m_rowSelected.emplace_back(wParam, lParam);
        return TRUE;
    }
    if (msg == CSkinScrollBar::kHorizontalScrollNotice) {
        ++m_horizontalNotices;
        return TRUE;
    }
    return CSkinDialog::OnMessage(msg, wParam, lParam);
}

bool CSkinHostDlg::OnCommand(int id, int code)
{
    if (code == BN_CLICKED)
        ++m_clicks[id];
    return CSkinDialog::OnCommand(id, code);
}

bool CSkinHostDlg::OnNotify(int id, NMHDR* header, LRESULT&)
{
    if (id == kListId && header->code == LVN_COLUMNCLICK) {
        m_columnClicks.push_back(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return true;
    }
    return false;
}

INT_PTR CSkinHostDlg::Run(std::function<void(CSkinHostDlg&)> drive)
{
    return HostDialog(*this, [this, drive](HWND) { drive(*this); });
}
