#include "GalleryDlg.h"

#include "GalleryIds.h"
#include "resource.h"

#include <algorithm>

namespace {
const int kMargin = 14;
const int kTop = 34;
const int kTitleHeight = 18;
const int kMaxColumnHeight = 700;
} // namespace

CGalleryDlg::CGalleryDlg() : CSkinDialog(IDD_GALLERY)
{
    SetBackground("CommonDlg_01.png");
    SetFrameButtons(IDC_GALLERY_MIN, IDC_GALLERY_EXIT, IDC_GALLERY_HELP, kHelp03);
}

CGalleryDlg::~CGalleryDlg() = default;

BOOL CGalleryDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    auto font = reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0));
    m_canvas = std::make_unique<CGalleryCanvas>(Hwnd(), font);
    m_sections = MakeGallerySections();
    LayOut();
    return TRUE;
}

// Sections flow top to bottom in columns, each under its own title.
void CGalleryDlg::LayOut()
{
    int x = kMargin;
    int y = kTop;
    int columnWidth = 0;
    int right = 0;
    int bottom = 0;
    for (auto& section : m_sections) {
        const SIZE size = section->Size();
        if (y > kTop && y + kTitleHeight + size.cy > kMaxColumnHeight) {
            x += columnWidth + 2 * kMargin;
            y = kTop;
            columnWidth = 0;
        }
        m_canvas->SetOrigin(POINT{x, y});
        m_canvas->AddControl("Static", section->Title(), SS_LEFT, RECT{0, 0, size.cx, kTitleHeight - 2});
        m_canvas->SetOrigin(POINT{x, y + kTitleHeight});
        section->Create(*m_canvas);
        columnWidth = std::max(columnWidth, static_cast<int>(size.cx));
        y += kTitleHeight + size.cy + kMargin;
        right = std::max(right, x + static_cast<int>(size.cx));
        bottom = std::max(bottom, y);
    }
    const int width = std::max(right + kMargin, 320);
    const int height = std::max(bottom, 200);
    SetWindowPos(Hwnd(), nullptr, 20, 20, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceFrameButtons(width);
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CGalleryDlg::PlaceFrameButtons(int width)
{
    const int ids[] = {IDC_GALLERY_HELP, IDC_GALLERY_MIN, IDC_GALLERY_EXIT};
    int x = width - 3 * 22 - 6;
    for (int id : ids) {
        MoveWindow(Item(id), x, 6, 18, 18, TRUE);
        x += 22;
    }
}

void CGalleryDlg::ShowStates()
{
    for (auto& section : m_sections)
        section->ShowStates(*m_canvas);
}

// Sections add their controls at run time, so input controls are told by their class.
HBRUSH CGalleryDlg::OnCtlColor(HDC dc, HWND control, UINT msg)
{
    char className[64] = {};
    GetClassNameA(control, className, sizeof(className));
    const char* inputs[] = {"Edit", "ListBox", "ComboBox", "SysListView32", "SysTreeView32"};
    for (const char* input : inputs) {
        if (lstrcmpiA(className, input) == 0)
            return nullptr;
    }
    return CSkinDialog::OnCtlColor(dc, control, msg);
}
