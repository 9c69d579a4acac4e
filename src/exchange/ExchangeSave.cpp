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
    const std::string path = PathText();
    RemoveFolder(m_extractFolder);
    m_extractFolder.clear();
    m_unpacked.clear();
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (path.empty() || attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return;
    // The rows show records of the list about to be replaced.
    m_file.List().DeleteAllItems();
    LoadExchange(path, m_paths.dataFolder, m_fileItems, m_file.Model(), m_extractFolder, m_unpacked);
    m_file.Pane().Show(GetTipText("ImportingCatalogs"));
}

void CExchangeDlg::Save()
{
    const std::string path = PathText();
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
        StageExport(path, m_file.Model(), m_fileItems, m_paths.dataFolder, m_job, m_stagingFolder);
    } else {
        // A tree left without catalogs must not leave the old file behind.
        DeleteFileA(m_paths.catalogsFile.c_str());
        SaveCatalogTree(m_paths.catalogsFile, m_program.Model());
        SaveItems(m_paths.itemsFile, g_itemList);
        StageImport(m_unpacked, m_paths.dataFolder, m_job);
    }
    m_savePending = true;
    SetTimer(Hwnd(), kSaveTimer, kSaveDelayMs, nullptr);
}

void CExchangeDlg::FinishSave()
{
    KillTimer(Hwnd(), kSaveTimer);
    if (!m_savePending)
        return;
    m_savePending = false;
    // The window's thread sits in the progress window until the job is done: nothing else
    // touches the job meanwhile.
    CProgressDlg::RunWhile(Hwnd(), m_paths.folder, GetTipText("SavingData"), [this] { m_job.Run(); });
    // An import keeps its unpacked files while the window stays open, for the next save.
    if (m_mode == ExportMode || !m_stayOpen)
        RemoveWorkFolder();
    if (m_stayOpen)
        ShowTipMessage("SavedSucess");
    else
        EndDialog(IDOK);
}

void CExchangeDlg::RemoveWorkFolder()
{
    std::string& folder = m_mode == ImportMode ? m_extractFolder : m_stagingFolder;
    RemoveFolder(folder);
    folder.clear();
    if (m_mode == ImportMode)
        m_unpacked.clear();
}
