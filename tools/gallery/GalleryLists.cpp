// Skinned lists in the gallery: a long list with its gradient header, row and cell colours, a
// selected row and the skinned scroll bars scrolled part way; a short list with the flat
// header of the exchange window, check boxes and nothing to scroll.
#include "GallerySection.h"

#include "ui/SkinListCtrl.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>

#include <memory>
#include <string>

namespace {
const int kWidth = 320;
const int kLongHeight = 130;
const int kShortHeight = 70;
const int kGap = 16;

class CListSection : public CGallerySection {
public:
    const char* Title() const override { return "Lists and scroll bars"; }
    SIZE Size() const override { return SIZE{kWidth + 14, kLongHeight + kShortHeight + kGap + 40}; }

    void Create(CGalleryCanvas& canvas) override
    {
        CreateLongList(canvas);
        CreateShortList(canvas);
    }

    void ShowStates(CGalleryCanvas& canvas) override
    {
        m_long.EnsureVisible(40);
        m_long.EnsureVisible(24);
        m_long.SelectRow(27);
        SendMessageA(m_long.Hwnd(), LVM_SCROLL, 40, 0);
    }

private:
    HWND AddList(CGalleryCanvas& canvas, const RECT& rect)
    {
        return canvas.AddControl(WC_LISTVIEWA, "", WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, rect);
    }

    void CreateLongList(CGalleryCanvas& canvas)
    {
        HWND list = AddList(canvas, RECT{0, 0, kWidth, kLongHeight});
        m_long.BindDlgItem(canvas.Dialog(), GetDlgCtrlID(list));
        m_long.Initialise();
        m_long.AttachImages(InstallFolder());
        m_long.InsertColumn(0, "Name", LVCFMT_LEFT, 130);
        m_long.InsertColumn(1, "Hotkey", LVCFMT_CENTER, 80);
        m_long.InsertColumn(2, "Command", LVCFMT_LEFT, 260);
        const char* names[] = {"Notes", "Calculator", "Paint", "Command prompt", "Web browser", "Mail"};
        for (int i = 0; i < 60; ++i) {
            m_long.InsertItem(i, std::string(names[i % 6]) + " " + std::to_string(i + 1));
            m_long.SetItemText(i, 1, i % 3 == 0 ? "Ctrl+" + std::string(1, static_cast<char>('A' + i % 26)) : "");
            m_long.SetItemText(i, 2, "C:\\Programs\\tool" + std::to_string(i) + ".exe");
        }
        m_long.SetRowColour(25, RGB(214, 236, 255));
        m_long.SetCellColour(26, 1, RGB(255, 236, 170));
        m_long.SetRowTextColour(28, RGB(200, 0, 0));
        m_long.SetCellTextColour(29, 2, RGB(0, 120, 0));
        canvas.Name("lists.long", m_long.Hwnd());
        canvas.Name("lists.vbar", m_long.VerticalBar().Hwnd());
    }

    void CreateShortList(CGalleryCanvas& canvas)
    {
        HWND list = AddList(canvas, RECT{0, kLongHeight + kGap, kWidth, kLongHeight + kGap + kShortHeight});
        m_short.BindDlgItem(canvas.Dialog(), GetDlgCtrlID(list));
        m_short.SetHeaderColour(161, 222, 255, 0);
        m_short.Initialise();
        m_short.AttachImages(InstallFolder());
        SendMessageA(m_short.Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
        m_short.InsertColumn(0, "Catalog", LVCFMT_LEFT, 160);
        m_short.InsertColumn(1, "Items", LVCFMT_RIGHT, 140);
        const char* catalogs[] = {"Office", "Tools", "Web"};
        for (int i = 0; i < 3; ++i) {
            m_short.InsertItem(i, catalogs[i]);
            m_short.SetItemText(i, 1, std::to_string(4 + 7 * i));
        }
        m_short.SetCheck(0, true);
        m_short.SetCheck(2, true);
        m_short.PlaceWithoutCorner();
        canvas.Name("lists.short", m_short.Hwnd());
    }

    CSkinListCtrl m_long;
    CSkinListCtrl m_short;
};

GallerySectionRegistration registration(30, [] { return std::make_unique<CListSection>(); });
} // namespace
