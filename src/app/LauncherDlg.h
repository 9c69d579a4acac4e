#pragma once
// The quick-launch window: the program's main window, run modally by start-up. The catalog
// tree on the left; on the right two search boxes (short name, name) with their drop-down lists,
// the chosen item's hotkey and description, and the row of image buttons. It receives the
// global hotkeys, the clipboard capture and the Explorer hand-off.
#include "data/CatalogTree.h"
#include "data/HandOff.h"
#include "data/InstallPaths.h"
#include "data/dialogs/CatalogTreeView.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"
#include "ui/SkinListCtrl.h"
#include "ui/SkinTreeCtrl.h"
#include "ui/TextOrder.h"
#include "ui/wnd/EditCtrl.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class CAddItemDlg;

class CLauncherDlg : public CSkinDialog {
public:
    // The application hands in the configuration window; it runs modally through this hook,
    // and the main window then reloads what it may have changed.
    using WindowHook = std::function<void(HWND owner)>;
    static void SetConfigurationHook(WindowHook hook);
    // The export and import window, the same way; `import` tells the direction. The program's
    // entry point hands it in, so only the program links the exchange code.
    using ExchangeHook = std::function<void(HWND owner, const InstallPaths& paths, bool import)>;
    static void SetExchangeHook(ExchangeHook hook);

    explicit CLauncherDlg(const InstallPaths& paths);
    ~CLauncherDlg() override;

    void ShowOrHideWindow(bool show);
    void ShowItemDetails(int index);
    void LaunchSelectedRow(CSkinListCtrl& list);
    void ReloadItems();
    void FillCatalogTree();
    void RegisterItemHotkeys();
    void UnregisterItemHotkeys();

    bool PreTranslateMessage(MSG* msg) override;

    // For tests and the screenshots: the controls as the user sees them.
    CSkinListCtrl& ShortNameList() { return m_shortList; }
    CSkinListCtrl& NameList() { return m_nameList; }
    CCatalogTreeView& Catalogs() { return m_catalogs; }
    const CatalogTree& CatalogModel() const { return m_model; }
    int CurrentIndex() const { return m_currentIndex; }
    bool NextToggleShows() const { return m_nextToggleShows; }

protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    bool OnPaint() override;
    HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) override;
    LRESULT OnNcHitTest(POINT screenPoint) override;
    void OnExitButton() override;

private:
    // Initialisation
    void AddAboutEntry();
    void SetUpLists();
    void SetUpList(CSkinListCtrl& list, int id, const char* const* headings, const int* widths);
    void SetUpButtons();
    void SetUpTree();

    // Lists and search (LauncherSearch.cpp)
    void FillListsSorted(const std::vector<size_t>& indexes);
    // `first` and `second`: the stored positions of the fields shown in columns 0 and 1.
    static void FillListSorted(CSkinListCtrl& list, std::vector<size_t> indexes, const TextOrder& order, int first,
                               int second);
    void ListCatalog(HTREEITEM node);
    void OnSearchChanged(bool shortName);
    bool SearchList(CSkinListCtrl& list, const std::string& typed);
    void OnEnterInBox(bool shortName);
    void OpenDropDown(bool shortName);
    void CloseDropDown(bool shortName);
    void CloseDropDowns();
    bool OnKeyInBoxOrList(const MSG& msg);
    void LookAtOutsidePress(const MSG& msg);
    void ShowRowDetails(CSkinListCtrl& list, int row);
    void ShowPressedRow(CSkinListCtrl& list, const MSG& press);
    bool IsDropDownPart(HWND target, bool shortName) const;
    void RedrawDetails();

    // Hotkeys, capture and hand-off (LauncherHotkeys.cpp)
    bool DispatchHotkey(UINT id);
    void CaptureClipboard();
    void OnHandOffRequest();
    void OpenWaitingRequests();
    void OnItemWaiting();
    INT_PTR RunAddItemDialog(CAddItemDlg& dialog);

    // Buttons
    void RunConfiguration();
    void RunExchange(bool import);
    void ReloadAfterWindow();
    void OnCompactSwitch();
    void OnTrayNotification(WPARAM iconId, LPARAM mouseMessage);
    void PaintFramesAndLabels(HDC dc);

    const InstallPaths m_paths;
    CatalogTree m_model;
    // The add-item dialog is open: a capture is refused, hand-offs wait in turn until it closes.
    bool m_addingItem = false;
    std::deque<HandOffRequest> m_waitingRequests;
    HICON m_icon = nullptr;
    int m_compactHeight = 0;
    bool m_expanded = true;
    bool m_nextToggleShows = true;
    bool m_dragByBackground = true;
    HWND m_lastTargetShort = nullptr;
    HWND m_lastTargetName = nullptr;
    bool m_suppressSearch = false;
    int m_currentIndex = -1;
    std::string m_shownDescription;
    std::string m_shownHotkey;
    std::string m_descriptionText;
    DWORD m_captureThread = 0;
    DWORD m_ownThread = 0;
    HWND m_captureFocus = nullptr;
    HTREEITEM m_rootNode = nullptr;
    std::string m_title;
    std::string m_nameTitle;
    std::string m_shortNameTitle;
    std::string m_hotkeyTitle;
    std::string m_descriptionTitle;
    HIMAGELIST m_treeImages = nullptr;

    CSkinTreeCtrl m_tree;
    CCatalogTreeView m_catalogs;
    CSkinListCtrl m_shortList;
    CSkinListCtrl m_nameList;
    // Every item by short name and by name, worked out when the items are loaded.
    TextOrder m_shortOrder;
    TextOrder m_nameOrder;
    CEditCtrl m_shortEdit;
    CEditCtrl m_nameEdit;
    CImageButton m_shortDrop;
    CImageButton m_nameDrop;
    CImageButton m_runApps;
    CImageButton m_configButton;
    CImageButton m_importButton;
    CImageButton m_exportButton;
    CImageButton m_supportButton;
    CImageButton m_latestButton;
};
