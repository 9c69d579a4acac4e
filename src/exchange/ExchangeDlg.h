#pragma once
// The export and import window: the program's catalogs and items on the left (the ProgramSide),
// an exchange file's on the right (the FileSide). The user moves items and copies catalog
// branches between the sides and saves: an export writes the FileSide to an exchange file, an
// import writes the ProgramSide to the program's data files.
#include "data/InstallPaths.h"
#include "exchange/ExchangeJob.h"
#include "exchange/ExchangeSide.h"
#include "exchange/GuidPlacer.h"
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <string>
#include <vector>

class CExchangeDlg : public CSkinDialog {
public:
    enum Mode { ExportMode = 0, ImportMode = 1 };
    static constexpr int kSaveHotkeyId = 0xA012;
    static constexpr UINT_PTR kSaveTimer = 1;
    static constexpr UINT kSaveDelayMs = 50;

    CExchangeDlg(HWND parent, const InstallPaths& paths, Mode mode);
    ~CExchangeDlg() override;

    // The captions; set from the mode's texts, the caller may change them before the window opens.
    std::string Title;
    std::string FileListTitle;
    std::string FileTreeTitle;

    // For tests and screenshots: the window as the user sees it.
    Mode GetMode() const { return m_mode; }
    CExchangeSide& ProgramSide() { return m_program; }
    CExchangeSide& FileSide() { return m_file; }
    const ItemList& FileItems() const { return m_fileItems; }
    // The private folder the window packs or unpacks in (the latest file's); empty when there is
    // none.
    std::string WorkFolder() const;

    bool PreTranslateMessage(MSG* msg) override;

protected:
    INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    BOOL OnInitDialog() override;
    // Enter does nothing; Escape leaves at once (the folders go with the window object).
    void OnOK() override {}
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, NMHDR* header, LRESULT& result) override;
    void OnTimer(UINT_PTR timerId) override;
    bool OnPaint() override;
    void OnExitButton() override;

private:
    // Opening and closing (ExchangeDlg.cpp)
    void SetUpButtons();
    void ShowControlsOfMode();
    void OnBrowse();
    void OnOkButton();
    void OnCancelButton();
    std::string PathText() const;
    CExchangeSide& SideOf(int controlId);

    // Moving items and catalogs (ExchangeMoves.cpp)
    void MoveItems(bool fromProgram, bool all);
    bool BlanksMovedRecords(bool fromProgram) const;
    void CopyCatalogBranch(bool fromProgram, bool withItems);
    CatalogId CopyBranch(CExchangeSide& source, CatalogId from, CExchangeSide& target, CatalogId parent, bool withItems,
                         GuidPlacer& placer);
    bool TakeCatalogName(int nameId, std::string& name);
    void AddCatalog(CExchangeSide& side, int nameId);
    void RenameCatalog(CExchangeSide& side, int nameId);
    void DeleteCatalog(CExchangeSide& side);
    void DeleteCatalogItems(CExchangeSide& side, CatalogId catalog);
    void OnCatalogSelected(CExchangeSide& side, int nameId);
    void OnFind(CExchangeSide& side, int findId);

    // Loading and saving (ExchangeSave.cpp)
    void Load();
    void Save();
    void FinishSave();
    void RemoveWorkFolder();

    const InstallPaths m_paths;
    const Mode m_mode;
    ItemList m_fileItems;
    CExchangeSide m_program;
    CExchangeSide m_file;
    ExchangeJob m_job;
    std::string m_stagingFolder;
    // Every file loaded stays unpacked until the window is done: rows moved from an earlier
    // file still need its snapshot files.
    std::vector<std::string> m_extractFolders;
    std::vector<std::string> m_unpacked;
    bool m_stayOpen = true;
    // From Save until its job is done: a second save meanwhile is refused.
    bool m_savePending = false;
    HIMAGELIST m_images = nullptr;
    CImageButton m_buttons[24];
};
