#pragma once
// The configuration window: the catalog tree with its items, the item list of the chosen
// catalog, the candidate programs, the field and hotkey editor of the chosen item, and the
// composed-item editor. It works on the shared item list and on a catalog tree of its own,
// loaded from the catalogs file when it opens; the data files change only when it saves.
#include "config/ComposedPane.h"
#include "config/ProgramList.h"
#include "config/ItemCellEditor.h"
#include "config/SnapshotSwaps.h"
#include "data/InstallPaths.h"
#include "data/ItemList.h"
#include "data/dialogs/CatalogPane.h"
#include "data/dialogs/HotkeyPicker.h"
#include "data/dialogs/ItemRows.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"
#include "ui/SkinListCtrl.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct ShortcutItem;

class CConfigDlg : public CSkinDialog {
public:
    // What the window needs of the application above it: starting an item's commands, starting
    // one program (the item dialog's "Test"), and filling the candidate list.
    using CommandRunner = std::function<void(const std::string& command)>;
    using ProgramSource = std::function<void(ProgramList& programs)>;
    using CommandsRunner = std::function<void(const std::vector<std::string>& commands)>;

    // The window-local Ctrl+S hotkey; the application's own hotkeys use the ids around it.
    static constexpr int kSaveHotkeyId = 0xA012;
    static constexpr UINT_PTR kLoadingTimer = 1;
    static constexpr UINT kLoadingDelayMs = 200;
    static constexpr const char* kNoHotkey = "No Hotkey";
    static constexpr size_t kNoItem = static_cast<size_t>(-1);
    // Posted after a drop in the tree: the model is shown again once the tree is done.
    static constexpr UINT kShowTreeMessage = WM_APP + 1;

    CConfigDlg(HWND parent, const InstallPaths& paths);
    ~CConfigDlg() override;

    CommandRunner LaunchCommand;
    CommandRunner RunProgram;
    // "Test Comp": the composed editor's commands, started one after another.
    CommandsRunner RunCommandsInTurn;
    // Program discovery and web address import; each runs on the loading worker or on its
    // radio button and may leave the list empty.
    ProgramSource DiscoverPrograms;
    ProgramSource ImportAddresses;

    // For tests and screenshots: the window as the user sees it.
    bool IsLoaded() const { return m_loaded; }
    bool IsKeyListOpen() const { return m_hotkey.IsOpen(); }
    const CatalogTree& Model() const { return m_pane.Model(); }
    CCatalogTreeView& Catalogs() { return m_pane.View(); }
    CSkinListCtrl& ItemRows() { return m_rows.List(); }
    CSkinListCtrl& ProgramRows() { return m_programList; }
    CSkinListCtrl& ComposedRows() { return m_composed.Rows(); }
    const ProgramList& Programs() const { return m_programs; }
    size_t ItemOfRow(int row) const { return m_rows.ItemOfRow(row); }
    void OpenKeyList(bool open) { m_hotkey.Open(open); }
    bool PreTranslateMessage(MSG* msg) override;

protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnPaint() override;
    bool OnDrawItem(int id, DRAWITEMSTRUCT* item) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    void OnExitButton() override;

private:
    // Opening, painting, saving and closing (ConfigDlg.cpp)
    void SetUpLists();
    void SetUpButtons();
    void SetUpImageButtons();
    void RememberLayout();
    void OnLoadingTimer();
    bool OnButton(int id);
    bool OnButtonOfEditors(int id);
    void PaintFrames(HDC dc);
    RECT NameArea() const;
    bool Save(bool silent);
    void CloseWith(INT_PTR result);
    void OnSaveHotkey();
    void OnItemWaiting();
    void OnDropFiles(HDROP drop);

    // Catalogs (ConfigCatalogs.cpp)
    void SetUpCatalogs();
    void OnCatalogSelected(HTREEITEM node);
    void ListCatalog(CatalogId catalog);
    void RebuildMembers();
    void OnAddCatalog();
    void OnUpdateCatalog();
    void OnDeleteCatalog();
    bool TakeCatalogName(std::string& name);
    void OnPinChanged();
    void OnLink(bool all);
    void OnTreeClick();

    // Item list and program list (ConfigItems.cpp)
    size_t AppendItem(ShortcutItem item);
    void ShowProgramRows();
    void OnAddPrograms(bool all);
    void OnRemoveItems(bool all);
    void MoveProgramsToItems(bool all);
    void ReturnToPrograms(const std::vector<int>& rows);
    void OnProgramDoubleClick();
    void AddPath(const std::string& path, bool folder);
    void OnFiles();
    void OnFolder();
    void OnExec();
    void OnEditItem();
    bool EditCommand(const ShortcutItem& item, std::string& name, std::string& command);
    void OnCustom();
    bool NameTakenByOtherRow(const std::string& name, int exceptRow) const;
    void OnProgramsSource(bool urls);
    void OnFindChanged(bool items);
    void OnHideShowList();
    void OnItemListClick(const NMITEMACTIVATE& click);
    void CommitCellEditor();
    void RefreshItemLeaves();

    // The composed pane, and what it needs of this window (ConfigComposed.cpp)
    CComposedPane::Host ComposedHost();
    void ClearComposedEditor() { m_composed.Clear(); }
    void AppendComposedEntry(const std::string& name, const std::string& command)
    {
        m_composed.AppendEntry(name, command);
    }

    // Batch replace (ConfigReplace.cpp)
    void OnBatchReplace();

    // Field and hotkey editor (ConfigHotkeys.cpp)
    void ShowSelectedItem();
    void ShowItemFields(int row);
    // "Set"; Ctrl+S runs it silently.
    void OnSet(bool silent);
    bool HotkeyClashes(const std::string& modifier, const std::string& key, int exceptRow) const;
    void WarnIfTakenElsewhere(const std::string& modifier, const std::string& key, bool silent);
    void OnReset();
    void OnResetAll();
    void SetDefaults(ShortcutItem& item, bool clearDescription);
    void CustomItemHotkey(std::string& modifier, std::string& key) const;

    const InstallPaths m_paths;
    HWND m_owner;
    ProgramList m_programs;
    // What discovery reads of the items, copied on this thread before it starts: meanwhile the
    // window unpacks the shown items, and a hand-off may append one.
    ItemList m_knownItems;
    std::string m_title;
    HIMAGELIST m_images = nullptr;

    bool m_loaded = false;
    bool m_listShown = true;
    RECT m_treeRect{};
    RECT m_itemListRect{};
    RECT m_composeButtonRect{};
    RECT m_hideButtonRect{};

    CCatalogPane m_pane;
    CItemRows m_rows;
    CItemCellEditor m_cells;
    CSkinListCtrl m_programList;
    CComposedPane m_composed;
    SnapshotSwaps m_snapshots;
    CHotkeyPicker m_hotkey;
    std::vector<std::unique_ptr<CImageButton>> m_buttons;
};
