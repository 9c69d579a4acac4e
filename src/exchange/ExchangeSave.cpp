// The exchange window's file side: loading an exchange file into the FileSide, saving either
// side, and the background job that copies snapshot files and packs the archive.
#include "exchange/ExchangeDlg.h"

#include "data/ItemsFile.h"
#include "data/SharedItemList.h"
#include "data/dialogs/ItemNames.h"
#include "exchange/ExchangeFile.h"
#include "exchange/ExchangeFolders.h"
#include "ui/ProgressDlg.h"
#include "ui/TipText.h"

void CExchangeDlg::Load()
{
    // Nothing changes for a path that names no file.
    const std::string path = PathText();
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    // The rows show records of the list about to be replaced.
    m_file.List().DeleteAllItems();
    std::string folder;
    std::string unpacked;
    LoadExchange(path, m_paths.dataFolder, m_fileItems, m_file.Model(), folder, unpacked);
    if (!folder.empty()) {
        m_extractFolders.push_back(folder);
        m_unpacked.push_back(unpacked);
    }
    m_file.Pane().Show(GetTipText("ImportingCatalogs"));
}

void CExchangeDlg::Save()
{
    if (m_savePending)
        return;
    const std::string path = PathText();
    bool staged = true;
    if (m_mode == ExportMode) {
        if (path.empty()) {
            ShowTipMessage("ConfigFilePathEmpty");
            return;
        }
        RemoveFolder(m_stagingFolder);
        // The file carries what is on the FileSide now, snapshot files included; rows moved
        // back left only blank records.
        m_job.dataFiles.Clear();
        for (size_t i = 0; i < m_fileItems.Count(); ++i) {
            if (!m_fileItems.At(i).IsTombstone())
                m_job.dataFiles.Add(m_fileItems.At(i).ExePath);
        }
        staged = StageExport(path, m_file.Model(), m_fileItems, m_paths.dataFolder, m_job, m_stagingFolder);
    } else {
        // A tree left without catalogs must not leave the old file behind.
        DeleteFileA(m_paths.catalogsFile.c_str());
        staged = SaveCatalogTree(m_paths.catalogsFile, m_program.Model()) && SaveItems(m_paths.itemsFile, g_itemList);
        StageImport(m_unpacked, m_paths.dataFolder, m_job);
    }
    if (!staged) {
        RemoveFolder(m_stagingFolder);
        m_stagingFolder.clear();
        ShowTipMessage(m_mode == ExportMode ? "ExchangeFileNotWritten" : "SaveFailed");
        return;
    }
    m_savePending = true;
    SetTimer(Hwnd(), kSaveTimer, kSaveDelayMs, nullptr);
}

void CExchangeDlg::FinishSave()
{
    KillTimer(Hwnd(), kSaveTimer);
    if (!m_savePending)
        return;
    // The window's thread sits in the progress window until the job is done: nothing else
    // touches the job meanwhile, and a save asked for meanwhile is refused.
    bool done = false;
    CProgressDlg::RunWhile(Hwnd(), m_paths.folder, GetTipText("SavingData"), [this, &done] { done = m_job.Run(); });
    m_savePending = false;
    // An import keeps its unpacked files while the window stays open, for the next save.
    if (m_mode == ExportMode || (!m_stayOpen && done))
        RemoveWorkFolder();
    if (!done) {
        // The window stays, with everything the user did, for another try.
        m_stayOpen = true;
        ShowTipMessage("ExchangeFileNotWritten");
    } else if (m_stayOpen) {
        ShowTipMessage("SavedSucess");
    } else {
        ShowTipMessage(m_mode == ExportMode ? "ExportedTip" : "ImportedTip");
        EndDialog(IDOK);
    }
}

std::string CExchangeDlg::WorkFolder() const
{
    if (m_mode == ExportMode)
        return m_stagingFolder;
    return m_extractFolders.empty() ? std::string() : m_extractFolders.back();
}

void CExchangeDlg::RemoveWorkFolder()
{
    RemoveFolder(m_stagingFolder);
    m_stagingFolder.clear();
    for (const std::string& folder : m_extractFolders)
        RemoveFolder(folder);
    m_extractFolders.clear();
    m_unpacked.clear();
}
