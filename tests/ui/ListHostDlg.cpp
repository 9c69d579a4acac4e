#include "ListHostDlg.h"

#include "DialogHost.h"
#include "resource.h"

#include <utility>

CListHostDlg::CListHostDlg(std::string imagesFolder)
    : CSkinDialog(IDD_PROGRESS), m_imagesFolder(std::move(imagesFolder))
{
    SetBackground("DealProgress.png");
    SetInputControls({kListId, kEditId});
}

BOOL CListHostDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetWindowPos(Hwnd(), HWND_TOP, 10, 10, 440, 340, SWP_NOACTIVATE);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // A plain report list, as a dialog template has it; binding makes it the skinned list.
    CreateWindowExA(0, WC_LISTVIEWA, "",
                    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS, kListLeft,
                    kListTop, kListWidth, kListHeight, Hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                    instance, nullptr);
    CreateWindowExA(0, "Edit", "", WS_CHILD | WS_VISIBLE | WS_BORDER, kListLeft, 290, 200, 22, Hwnd(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditId)), instance, nullptr);
    m_list.BindDlgItem(Hwnd(), kListId);
    m_list.Initialise();
    if (!m_imagesFolder.empty())
        m_list.AttachImages(m_imagesFolder);
    m_list.SetLinkedEdit(Edit());
    return TRUE;
}

INT_PTR CListHostDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
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

bool CListHostDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if (id == kListId && header->code == LVN_COLUMNCLICK) {
        m_columnClicks.push_back(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        return true;
    }
    return false;
}

INT_PTR CListHostDlg::Run(std::function<void(CListHostDlg&)> drive)
{
    return HostDialog(*this, [this, drive](HWND) { drive(*this); });
}
