#pragma once
// The dialog that turns a handed-over file, folder or clipboard snapshot into an item: the user
// names it, picks a hotkey and a catalog, and OK hands the finished item to the window named
// under "Dest" (the configuration window while it is open, the main window otherwise).
#include "data/CatalogTree.h"
#include "data/InstallPaths.h"
#include "data/dialogs/CatalogTreeView.h"
#include "data/dialogs/HotkeyPicker.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"
#include "ui/SkinTreeCtrl.h"

#include <string>

class CAddItemDlg : public CSkinDialog {
public:
    CAddItemDlg(HWND parent, const InstallPaths& paths);
    ~CAddItemDlg() override;

    // Presets shown in the fields, and the values OK took from them.
    std::string Name;
    std::string ShortName;
    std::string Description;
    // Not shown: the command of the new item (the handed-over path or the snapshot file).
    std::string ExePath;
    // Results of OK: the hotkey as stored and the chosen catalog.
    std::string Hotkey1;
    std::string Hotkey2;
    std::string NodeID;

    static constexpr const char* kNoHotkey = "No Hotkey1";

    bool IsKeyListDropped() const { return m_hotkey.IsOpen(); }
    bool PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;

private:
    void SetUpCatalogTree();
    bool TakeFields();
    std::string SelectedNodeId(HTREEITEM selected) const;

    CSkinTreeCtrl m_tree;
    CImageButton m_okButton;
    CImageButton m_cancelButton;
    HIMAGELIST m_treeImages = nullptr;
    HTREEITEM m_root = nullptr;
    const InstallPaths m_paths;
    CatalogTree m_model;
    CCatalogTreeView m_catalogs;
    CHotkeyPicker m_hotkey;
};
