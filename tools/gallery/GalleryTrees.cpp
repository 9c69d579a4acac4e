// The catalog tree (with a selection and its skinned bars), the skinned and bitmap combo boxes
// with and without their art, skinned edits and a transparent static over the background.
#include "GallerySection.h"
#include "resource.h"
#include "ui/BitmapComboBox.h"
#include "ui/SkinComboBox.h"
#include "ui/SkinEdit.h"
#include "ui/SkinTreeCtrl.h"
#include "ui/TransparentStatic.h"
#include "ui/wnd/InstallFolder.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace {
const int kTreeWidth = 170;
const int kTreeHeight = 190;
const int kColumn = kTreeWidth + 30;
const int kWide = 160;
const int kRow = 30;

class CTreeSection : public CGallerySection {
public:
    const char* Title() const override { return "Trees, combo boxes, edits and statics"; }
    SIZE Size() const override { return SIZE{kColumn + 2 * (kWide + 12), kTreeHeight + 14}; }

    void Create(CGalleryCanvas& canvas) override
    {
        CreateTree(canvas);
        CreateCombos(canvas);
        CreateEdits(canvas);
        m_label.Attach(canvas.AddControl("Static", "Transparent static text", SS_LEFT,
                                         RECT{kColumn, 6 * kRow, kColumn + kWide, 6 * kRow + 16}));
        canvas.Name("static.transparent", m_label.Hwnd());
    }

    void ShowStates(CGalleryCanvas& canvas) override
    {
        TreeView_SelectItem(m_tree.Hwnd(), m_selected);
        EnableWindow(canvas.Named("combo.disabled"), FALSE);
        EnableWindow(canvas.Named("bitmapcombo.disabled"), FALSE);
        EnableWindow(canvas.Named("edit.disabled"), FALSE);
    }

private:
    void CreateTree(CGalleryCanvas& canvas)
    {
        m_tree.Attach(canvas.AddControl(WC_TREEVIEWA, "",
                                        WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                            TVS_SHOWSELALWAYS,
                                        RECT{0, 0, kTreeWidth, kTreeHeight - 12}));
        m_tree.Initialise(true);
        m_tree.VerticalBar().AttachImages(InstallFolder());
        m_tree.HorizontalBar().AttachImages(InstallFolder());
        HTREEITEM root = m_tree.InsertNode("All catalogs", TVI_ROOT, "885D48E4-F5A7-4DF9-BB33-5C86DEDDE3AF");
        const char* catalogs[] = {"Office", "Tools", "Games", "Web", "Media", "Archive", "Drivers", "Notes"};
        int index = 0;
        for (const char* name : catalogs) {
            HTREEITEM catalog = m_tree.InsertNode(name, root, std::string(36, 'A') + "|" + std::to_string(index));
            for (int item = 0; item < 2; ++item)
                m_tree.InsertNode((std::string(name) + " item " + std::to_string(item + 1)).c_str(), catalog,
                                  "TempItemNode" + std::to_string(index * 2 + item), 2, 2);
            if (index == 1)
                m_selected = catalog;
            if (index < 2)
                TreeView_Expand(m_tree.Hwnd(), catalog, TVE_EXPAND);
            ++index;
        }
        TreeView_Expand(m_tree.Hwnd(), root, TVE_EXPAND);
        canvas.Name("tree.catalogs", m_tree.Hwnd());
    }

    HWND AddCombo(CGalleryCanvas& canvas, int column, int row)
    {
        const int left = kColumn + column * (kWide + 12);
        HWND combo = canvas.AddControl("ComboBox", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
                                       RECT{left, row * kRow, left + kWide, row * kRow + 160});
        for (const char* text : {"No Hotkey", "Ctrl", "Alt", "Shift"})
            SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
        return combo;
    }

    void CreateCombos(CGalleryCanvas& canvas)
    {
        const char* names[] = {"combo.normal", "combo.noimage", "combo.disabled"};
        for (int row = 0; row < 3; ++row) {
            m_combos.push_back(std::make_unique<CSkinComboBox>());
            CSkinComboBox& combo = *m_combos.back();
            combo.Attach(AddCombo(canvas, 0, row));
            combo.SetButtonImage(InstallFolder() +
                                 (row == 1 ? "\\Images\\NoSuchImage.png" : "\\Images\\ComboButton.png"));
            canvas.Name(names[row], combo.Hwnd());
        }
        const char* bitmapNames[] = {"bitmapcombo.normal", "bitmapcombo.nobitmaps", "bitmapcombo.disabled"};
        for (int row = 0; row < 3; ++row) {
            m_bitmapCombos.push_back(std::make_unique<CBitmapComboBox>());
            CBitmapComboBox& combo = *m_bitmapCombos.back();
            combo.Attach(AddCombo(canvas, 1, row));
            if (row != 1) {
                combo.SetFaceBitmaps(IDB_FACE_1, IDB_FACE_2, IDB_FACE_3);
                combo.SetButtonBitmaps(IDB_BUTTON_1, IDB_BUTTON_2, IDB_BUTTON_3, IDB_BUTTON_4);
            }
            combo.SetColours(RGB(115, 138, 174), RGB(255, 255, 255), RGB(115, 138, 154), RGB(255, 255, 255));
            canvas.Name(bitmapNames[row], combo.Hwnd());
        }
    }

    void CreateEdits(CGalleryCanvas& canvas)
    {
        const char* names[] = {"edit.normal", "edit.disabled"};
        for (int row = 0; row < 2; ++row) {
            m_edits.push_back(std::make_unique<CSkinEdit>());
            CSkinEdit& edit = *m_edits.back();
            const int top = (3 + row) * kRow + 4;
            edit.Attach(canvas.AddControl("Edit", row == 0 ? "Skinned edit" : "Disabled edit",
                                          ES_AUTOHSCROLL | WS_TABSTOP, RECT{kColumn, top, kColumn + kWide, top + 22},
                                          WS_EX_CLIENTEDGE));
            edit.SetToolTip(names[row]);
            canvas.Name(names[row], edit.Hwnd());
        }
    }

    CSkinTreeCtrl m_tree;
    HTREEITEM m_selected = nullptr;
    std::vector<std::unique_ptr<CSkinComboBox>> m_combos;
    std::vector<std::unique_ptr<CBitmapComboBox>> m_bitmapCombos;
    std::vector<std::unique_ptr<CSkinEdit>> m_edits;
    CTransparentStatic m_label;
};

const GallerySectionRegistration registration(40, [] { return std::make_unique<CTreeSection>(); });
} // namespace
