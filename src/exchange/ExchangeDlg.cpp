#include "exchange/ExchangeDlg.h"

#include "data/SharedItemList.h"
#include "data/TextTrim.h"
#include "data/dialogs/ItemNames.h"
#include "exchange/ExchangeFolders.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"
#include "ui/wnd/DataExchange.h"

namespace {
struct ButtonSpec {
    int id;
    const char* stem;
    const char* exportTip;
    const char* importTip;
    // Shown in export only (-1), import only (1) or both (0).
    int shownIn;
};

const ButtonSpec kButtons[] = {
    {IDC_XCH_BROWSE, "normalbtn", "Btn_SelectExpFile", "SelectImpFile", 0},
    {IDC_XCH_LOAD, "normalbtn", "Btn_LoadImportData", "Btn_LoadImportData", 1},
    {IDC_XCH_SAVE, "normalbtn", "Btn_SaveChangedDatas", "Btn_SaveChangedDatas", 0},
    {IDC_XCH_OK, "normalbtn", "Btn_CloseDialogwithSave", "Btn_CloseDialogwithSave", 1},
    {IDC_XCH_CANCEL, "normalbtn", "Btn_CloseDialogwithoutSave", "Btn_CloseDialogwithoutSave", 1},
    {IDC_XCH_PROGRAM_ADD, "normalbtn", "Btn_AddCatalog", "Btn_AddCatalog", 1},
    {IDC_XCH_PROGRAM_RENAME, "normalbtn", "Btn_UpdateCatalog", "Btn_UpdateCatalog", 1},
    {IDC_XCH_PROGRAM_DELETE, "normalbtn", "Btn_DeleteCatalog", "Btn_DeleteCatalog", 1},
    {IDC_XCH_FILE_ADD, "normalbtn", "Btn_AddCatalog", "Btn_AddCatalog", -1},
    {IDC_XCH_FILE_RENAME, "normalbtn", "Btn_UpdateCatalog", "Btn_UpdateCatalog", -1},
    {IDC_XCH_FILE_DELETE, "normalbtn", "Btn_DeleteCatalog", "Btn_DeleteCatalog", -1},
    {IDC_XCH_TO_FILE, "Right_arrow", "Btn_ExpItems", "Btn_ImpDel", 0},
    {IDC_XCH_ALL_TO_FILE, "MultiRight_arrow", "Btn_ExpAllItems", "Btn_ImpDelAll", 0},
    {IDC_XCH_TO_PROGRAM, "Left_arrow", "Btn_ExpDel", "Btn_ImpItems", 0},
    {IDC_XCH_ALL_TO_PROGRAM, "MultiLeft_arrow", "Btn_ExpDelAll", "Btn_ImpAllItems", 0},
    {IDC_XCH_BRANCH_TO_FILE, "SelCatalog_Sub", "Btn_SelectCatalogWithData", nullptr, -1},
    {IDC_XCH_BRANCH_TO_FILE_BARE, "SelCatalog_NoSub", "Btn_SelectCatalogWithoutData", nullptr, -1},
    {IDC_XCH_BRANCH_TO_PROGRAM, "UnSelCatalog_Sub", nullptr, "Btn_UnSelectCatalogWithData", 1},
    {IDC_XCH_BRANCH_TO_PROGRAM_BARE, "UnSelCatalog_NoSub", nullptr, "Btn_UnSelectCatalogWithoutData", 1},
};
// The catalog name boxes, with the same signs; the scratch list is never shown.
const std::pair<int, int> kModeEdits[] = {{IDC_XCH_PROGRAM_NAME, 0}, {IDC_XCH_FILE_NAME, -1}};

const COLORREF kFramePen = RGB(212, 209, 200);
const COLORREF kFrameFill = RGB(161, 222, 255);
const int kScrollBand = 12;
} // namespace

CExchangeDlg::CExchangeDlg(HWND parent, const InstallPaths& paths, Mode mode)
    : CSkinDialog(IDD_EXCHANGE, parent), m_paths(paths), m_mode(mode), m_program(g_itemList, paths),
      m_file(m_fileItems, paths)
{
    const bool import = mode == ImportMode;
    Title = GetTipText(import ? "ImportDlgTitle" : "ExportDlgTitle");
    FileListTitle = GetTipText(import ? "ImportListTitle" : "ExportListTitle");
    FileTreeTitle = GetTipText(import ? "ImportCatalogsTitle" : "ExportCatalogsTitle");
    SetBackground("CommonDlg_01.png");
    SetFrameButtons(IDC_XCH_MIN, IDC_XCH_EXIT, IDC_XCH_HELP, kHelp03);
    SetInputControls({IDC_XCH_PATH, IDC_XCH_PROGRAM_TREE, IDC_XCH_FILE_TREE, IDC_XCH_PROGRAM_LIST, IDC_XCH_FILE_LIST,
                      IDC_XCH_PROGRAM_FIND, IDC_XCH_FILE_FIND, IDC_XCH_PROGRAM_NAME, IDC_XCH_FILE_NAME});
}

CExchangeDlg::~CExchangeDlg()
{
    // Escape leaves without the cleanup of Cancel; nothing of the window's stays on disk.
    RemoveFolder(m_stagingFolder);
    for (const std::string& folder : m_extractFolders)
        RemoveFolder(folder);
    if (m_images)
        ImageList_Destroy(m_images);
}

BOOL CExchangeDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetDlgItemTextA(Hwnd(), IDC_TITLE_STATIC, Title.c_str());
    SetDlgItemTextA(Hwnd(), IDC_XCH_FILE_LIST_TITLE, FileListTitle.c_str());
    SetDlgItemTextA(Hwnd(), IDC_XCH_FILE_TREE_TITLE, FileTreeTitle.c_str());
    SetWindowTextA(Hwnd(), Title.c_str());
    SetUpButtons();
    m_images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    for (int icon : {IDI_CATALOG_CLOSED, IDI_CATALOG_OPEN}) {
        HICON image = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ImageList_AddIcon(m_images, image);
        DestroyIcon(image);
    }
    m_program.Attach(Hwnd(), IDC_XCH_PROGRAM_TREE, IDC_XCH_PROGRAM_LIST, m_images, m_paths.folder);
    m_file.Attach(Hwnd(), IDC_XCH_FILE_TREE, IDC_XCH_FILE_LIST, m_images, m_paths.folder);
    m_file.Pane().Show(GetTipText(m_mode == ImportMode ? "ImportingCatalogs" : "ExportingCatalogs"));
    if (m_mode == ExportMode)
        TreeView_SelectItem(m_file.Tree(), m_file.View().Root());
    m_program.Pane().Load(GetTipText("AllCatalogsTitle"));
    ShowControlsOfMode();
    for (int column = 0; column < CItemRows::kColumns; ++column) {
        LVCOLUMNA spec{};
        spec.mask = LVCF_WIDTH;
        spec.cx = column < 5 ? 1 : 0;
        SendDlgItemMessageA(Hwnd(), IDC_XCH_SCRATCH, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&spec));
    }
    RegisterHotKey(Hwnd(), kSaveHotkeyId, MOD_CONTROL, 'S');
    return TRUE;
}

void CExchangeDlg::SetUpButtons()
{
    const bool import = m_mode == ImportMode;
    int next = 0;
    for (const ButtonSpec& spec : kButtons)
        SetupImageButton(m_buttons[next++], spec.id, spec.stem, import ? spec.importTip : spec.exportTip);
}

void CExchangeDlg::ShowControlsOfMode()
{
    const int shown = m_mode == ImportMode ? 1 : -1;
    auto apply = [&](int id, int shownIn) {
        const bool show = shownIn == 0 || shownIn == shown;
        ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE);
        EnableWindow(Item(id), show);
    };
    for (const ButtonSpec& spec : kButtons)
        apply(spec.id, spec.shownIn);
    for (const auto& [id, shownIn] : kModeEdits)
        apply(id, shownIn);
    apply(IDC_XCH_SCRATCH, 2);
}

INT_PTR CExchangeDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_HOTKEY:
        if (static_cast<int>(wParam) != kSaveHotkeyId)
            return FALSE;
        Save();
        return TRUE;
    case WM_DESTROY:
        UnregisterHotKey(Hwnd(), kSaveHotkeyId);
        return FALSE;
    default:
        return CSkinDialog::OnMessage(msg, wParam, lParam);
    }
}

bool CExchangeDlg::PreTranslateMessage(MSG* msg)
{
    // The path comes from the browse button only: no typing, deleting, pasting or edit menu.
    if (msg->hwnd == Item(IDC_XCH_PATH)) {
        switch (msg->message) {
        case WM_CHAR:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg->wParam == VK_DELETE || msg->wParam == VK_INSERT || msg->wParam == VK_APPS || msg->wParam == VK_F10)
                return true;
            break;
        default:
            break;
        }
    }
    return CSkinDialog::PreTranslateMessage(msg);
}

CExchangeSide& CExchangeDlg::SideOf(int controlId)
{
    switch (controlId) {
    case IDC_XCH_FILE_TREE:
    case IDC_XCH_FILE_LIST:
    case IDC_XCH_FILE_FIND:
        return m_file;
    default:
        return m_program;
    }
}

bool CExchangeDlg::OnCommand(int id, int code)
{
    if (code == EN_CHANGE && (id == IDC_XCH_PROGRAM_FIND || id == IDC_XCH_FILE_FIND)) {
        OnFind(SideOf(id), id);
        return true;
    }
    if (code != BN_CLICKED)
        return CSkinDialog::OnCommand(id, code);
    switch (id) {
    case IDC_XCH_BROWSE:
        OnBrowse();
        return true;
    case IDC_XCH_LOAD:
        Load();
        return true;
    case IDC_XCH_SAVE:
        Save();
        return true;
    case IDC_XCH_OK:
        OnOkButton();
        return true;
    case IDC_XCH_CANCEL:
        OnCancelButton();
        return true;
    case IDC_XCH_TO_FILE:
        MoveItems(true, false);
        return true;
    case IDC_XCH_ALL_TO_FILE:
        MoveItems(true, true);
        return true;
    case IDC_XCH_TO_PROGRAM:
        MoveItems(false, false);
        return true;
    case IDC_XCH_ALL_TO_PROGRAM:
        MoveItems(false, true);
        return true;
    case IDC_XCH_BRANCH_TO_FILE:
        CopyCatalogBranch(true, true);
        return true;
    case IDC_XCH_BRANCH_TO_FILE_BARE:
        CopyCatalogBranch(true, false);
        return true;
    case IDC_XCH_BRANCH_TO_PROGRAM:
        CopyCatalogBranch(false, true);
        return true;
    case IDC_XCH_BRANCH_TO_PROGRAM_BARE:
        CopyCatalogBranch(false, false);
        return true;
    case IDC_XCH_PROGRAM_ADD:
        AddCatalog(m_program, IDC_XCH_PROGRAM_NAME);
        return true;
    case IDC_XCH_FILE_ADD:
        AddCatalog(m_file, IDC_XCH_FILE_NAME);
        return true;
    case IDC_XCH_PROGRAM_RENAME:
        RenameCatalog(m_program, IDC_XCH_PROGRAM_NAME);
        return true;
    case IDC_XCH_FILE_RENAME:
        RenameCatalog(m_file, IDC_XCH_FILE_NAME);
        return true;
    case IDC_XCH_PROGRAM_DELETE:
        DeleteCatalog(m_program);
        return true;
    case IDC_XCH_FILE_DELETE:
        DeleteCatalog(m_file);
        return true;
    default:
        return CSkinDialog::OnCommand(id, code);
    }
}

bool CExchangeDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if (id == IDC_XCH_PROGRAM_TREE || id == IDC_XCH_FILE_TREE) {
        CExchangeSide& side = SideOf(id);
        if (header->code == TVN_SELCHANGEDA) {
            OnCatalogSelected(side, id == IDC_XCH_FILE_TREE ? IDC_XCH_FILE_NAME : IDC_XCH_PROGRAM_NAME);
            return true;
        }
        return side.Pane().OnNotify(*header);
    }
    if ((id == IDC_XCH_PROGRAM_LIST || id == IDC_XCH_FILE_LIST) && header->code == NM_DBLCLK) {
        MoveItems(id == IDC_XCH_PROGRAM_LIST, false);
        return true;
    }
    return false;
}

void CExchangeDlg::OnTimer(UINT_PTR timerId)
{
    if (timerId == kSaveTimer)
        FinishSave();
}

bool CExchangeDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    HPEN pen = CreatePen(PS_SOLID, 1, kFramePen);
    HBRUSH fill = CreateSolidBrush(kFrameFill);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    for (int id : {IDC_XCH_PROGRAM_TREE, IDC_XCH_FILE_TREE, IDC_XCH_PROGRAM_LIST, IDC_XCH_FILE_LIST}) {
        const RECT rect = ControlRect(id);
        RoundRect(dc, rect.left - 1, rect.top - 1, rect.right + kScrollBand, rect.bottom + kScrollBand, 1, 1);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(fill);
    DeleteObject(pen);
    EndPaint(Hwnd(), &paint);
    return true;
}

std::string CExchangeDlg::PathText() const
{
    std::string path;
    ExchangeText(Hwnd(), IDC_XCH_PATH, path, true);
    return TrimBlanks(path);
}

void CExchangeDlg::OnBrowse()
{
    std::string path;
    const bool save = m_mode == ExportMode;
    if (!ChooseFile(Hwnd(), save, "Export/Import Files(*.trn)\0*.trn\0\0", "trn", path))
        return;
    SetDlgItemTextA(Hwnd(), IDC_XCH_PATH, path.c_str());
    const RECT rect = ControlRect(IDC_XCH_PATH);
    InvalidateRect(Hwnd(), &rect, TRUE);
}

void CExchangeDlg::OnOkButton()
{
    if (m_mode == ExportMode) {
        const std::string path = PathText();
        if (path.empty()) {
            ShowTipMessage("ConfigFilePathEmpty");
            return;
        }
        if (path.size() < 4 || path[path.size() - 4] != '.') {
            ShowTipMessage("ConfigFileNameError");
            return;
        }
    }
    // The tip follows the save's job (or its failure), and the window closes after it.
    m_stayOpen = false;
    Save();
    if (!m_savePending)
        m_stayOpen = true;
}

void CExchangeDlg::OnCancelButton()
{
    m_program.List().DeleteAllItems();
    m_file.List().DeleteAllItems();
    RemoveWorkFolder();
    EndDialog(IDCANCEL);
}

void CExchangeDlg::OnExitButton()
{
    if (AppMessageBox(GetTipText("SaveData"), MB_YESNO | MB_ICONQUESTION) != IDNO) {
        OnOkButton();
        // The save would finish on the window's timer; the window is about to go, so now.
        if (m_savePending)
            FinishSave();
    }
    OnCancelButton();
}
