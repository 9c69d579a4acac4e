#pragma once
// A skinned test window (the progress window's template, enlarged) holding one skinned list
// bound the way a dialog binds the list of its template. It records what the list tells its
// parent: the row-selected message and heading clicks the list leaves to the parent.
#include "ui/SkinDialog.h"
#include "ui/SkinListCtrl.h"

#include <functional>
#include <string>
#include <vector>

class CListHostDlg : public CSkinDialog {
public:
    static constexpr int kListId = 3200;
    static constexpr int kEditId = 3201;
    static constexpr int kListLeft = 20;
    static constexpr int kListTop = 40;
    static constexpr int kListWidth = 360;
    static constexpr int kListHeight = 220;

    explicit CListHostDlg(std::string imagesFolder = "");

    CSkinListCtrl& List() { return m_list; }
    HWND Edit() const { return Item(kEditId); }
    // wParam and lParam of each row-selected message, in order.
    const std::vector<std::pair<WPARAM, LPARAM>>& RowSelectedNotices() const { return m_rowSelected; }
    const std::vector<int>& ColumnClicks() const { return m_columnClicks; }
    int HorizontalScrollNotices() const { return m_horizontalNotices; }

    // Runs the window through HostDialog with `drive` as its one step.
    INT_PTR Run(std::function<void(CListHostDlg&)> drive);

protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;

private:
    std::string m_imagesFolder;
    CSkinListCtrl m_list;
    std::vector<std::pair<WPARAM, LPARAM>> m_rowSelected;
    std::vector<int> m_columnClicks;
    int m_horizontalNotices = 0;
};
