#include "config/ConfigDlg.h"

#include "config/ComposedItem.h"
#include "config/ProgramDiscovery.h"
#include "config/WebAddressImport.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "data/dialogs/HandOffReception.h"
#include "data/SharedItemList.h"
#include "resource.h"
#include "ui/FramePainter.h"
#include "ui/ProgressDlg.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"

#include <shellapi.h>

namespace {
const COLORREF kFrameColour = RGB(212, 208, 200);

// Told as the composed editor tells a composed item: a one-entry composed item has no line
// break, and a custom item of several command lines is not composed.
int RowImageOf(const ShortcutItem& item)
{
    return IsComposedItem(item.Name, item.ExePath) ? 3 : 2;
}
} // namespace

CConfigDlg::CConfigDlg(HWND parent, const InstallPaths& paths)
    : CSkinDialog(IDD_CONFIG, parent), m_paths(paths), m_owner(parent), m_title(GetTipText("ConfigDlgTitle")),
      m_pane(g_itemList, paths), m_rows(g_itemList), m_cells(g_itemList), m_composed(g_itemList, ComposedHost()),
      m_hotkey(kNoHotkey, true)
{
    SetBackground("CommonDlg_01.png");
    SetFrameButtons(IDC_CFG_MIN, IDC_CFG_EXIT, IDC_CFG_HELP, kHelp01);
    SetInputControls({IDC_CFG_TREE, IDC_CFG_ITEM_LIST, IDC_CFG_PROGRAM_LIST, IDC_CFG_COMPOSED_LIST, IDC_CFG_KEY_LIST,
                      IDC_CFG_CATALOG_NAME, IDC_CFG_ITEM_FIND, IDC_CFG_PROGRAM_FIND, IDC_CFG_SHORTNAME,
                      IDC_CFG_MODIFIER, IDC_CFG_KEY, IDC_CFG_DESCRIPTION, IDC_CFG_COMPOSED_NAME});
    DiscoverPrograms = [this](ProgramList& programs) { ProgramDiscovery().Discover(m_knownItems, programs); };
    ImportAddresses = [](ProgramList& programs) {
        ImportWebAddresses(programs,
                           [](const char* key) { AppMessageBox(GetTipText(key), MB_OK | MB_ICONINFORMATION); });
    };
}

CConfigDlg::~CConfigDlg()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

BOOL CConfigDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    PublishHandOffDest(Hwnd());
    // Only an existing file is marked: a one-byte file of its own would read as damaged.
    if (GetFileAttributesA(m_paths.itemsFile.c_str()) != INVALID_FILE_ATTRIBUTES)
        WriteEditingFlag(m_paths.itemsFile, true);
    SetUpButtons();
    SetUpLists();
    m_cells.Attach(m_rows.List(), Item(IDC_CFG_SHORTNAME), Item(IDC_CFG_DESCRIPTION));
    SetUpCatalogs();
    // The items show at once; the programs follow when discovery is done. Selecting the root as
    // the tree loaded has usually listed them already, and 100,000 rows are not listed twice.
    if (m_pane.Listed() != CatalogTree::kRoot)
        ListCatalog(CatalogTree::kRoot);

    for (auto [id, key] :
         {std::pair{IDC_CFG_ITEM_FIND, "FindTavimorethItem"}, {IDC_CFG_PROGRAM_FIND, "FindProgramItem"}}) {
        const std::string cue = GetTipText(key);
        std::wstring wide(cue.size() + 1, L'\0');
        wide.resize(static_cast<size_t>(
            MultiByteToWideChar(CP_ACP, 0, cue.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1));
        SendDlgItemMessageA(Hwnd(), id, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    CheckDlgButton(Hwnd(), IDC_CFG_PROGRAMS, BST_CHECKED);
    DragAcceptFiles(Hwnd(), TRUE);

    SetTimer(Hwnd(), kLoadingTimer, kLoadingDelayMs, nullptr);
    const std::string caption = GetTipText("ShortcutConfigDlgTitle");
    SetWindowTextA(Hwnd(), caption.c_str());
    RegisterHotKey(Hwnd(), kSaveHotkeyId, MOD_CONTROL, 'S');
    RememberLayout();
    return TRUE;
}

void CConfigDlg::SetUpButtons()
{
    SetUpImageButtons();
    m_hotkey.Attach(Hwnd(), {IDC_CFG_MODIFIER, IDC_CFG_KEY, IDC_CFG_KEY_LIST, IDC_CFG_KEY_DROP}, m_paths.folder);
}

void CConfigDlg::SetUpLists()
{
    m_images = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (int icon : {IDI_CATALOG_CLOSED, IDI_CATALOG_OPEN, IDI_CATALOG_ITEM, IDI_ITEM_NODE}) {
        HICON image = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ImageList_AddIcon(m_images, image);
        DestroyIcon(image);
    }
    const CItemRows::Column columns[] = {
        {"NameTitle_01", true, 300}, {"ShortNameTitle_01", true, 120},   {"Hotkey1Title", true, 80},
        {"Hotkey2Title", true, 60},  {"DescriptionTitle_01", true, 300}, {"guid", false, 0},
        {"index", false, 0}};
    m_rows.Attach(Hwnd(), IDC_CFG_ITEM_LIST, m_paths.folder, columns, LVCFMT_LEFT);
    SendMessageA(m_rows.List().Hwnd(), LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images));
    // A composed item's row shows the entries' image, any other the item's.
    m_rows.List().SetImageSource([](uintptr_t index) { return RowImageOf(g_itemList.At(index)); });

    CItemRows::SetUp(m_programList, Hwnd(), IDC_CFG_PROGRAM_LIST, m_paths.folder);
    m_programList.InsertColumn(0, GetTipText("NameTitle_01"), LVCFMT_LEFT, 360);
    m_programList.SetTextSource(
        [this](uintptr_t data, size_t) -> const std::string& { return m_programs.At(data).text; }, 1);

    CItemRows::SetUp(m_composed.Rows(), Hwnd(), IDC_CFG_COMPOSED_LIST, m_paths.folder);
    m_composed.Attach(Hwnd());
    for (CSkinListCtrl* list : {&m_rows.List(), &m_programList, &m_composed.Rows()})
        SendMessageA(list->Hwnd(), WM_SETREDRAW, TRUE, 0);
}

void CConfigDlg::RememberLayout()
{
    m_treeRect = ControlRect(IDC_CFG_TREE);
    m_itemListRect = ControlRect(IDC_CFG_ITEM_LIST);
    m_composeButtonRect = ControlRect(IDC_CFG_ADD_TO_COMPOSED);
    m_hideButtonRect = ControlRect(IDC_CFG_HIDE_LIST);
}

void CConfigDlg::OnTimer(UINT_PTR timerId)
{
    if (timerId == kLoadingTimer)
        OnLoadingTimer();
}

void CConfigDlg::OnLoadingTimer()
{
    KillTimer(Hwnd(), kLoadingTimer);
    // No input reaches this window while the progress window is up, so the worker has the
    // program list to itself until it is done.
    m_knownItems = g_itemList;
    CProgressDlg::RunWhile(Hwnd(), m_paths.folder, GetTipText("LoadingConfigDataTip"), [this] {
        if (DiscoverPrograms)
            DiscoverPrograms(m_programs);
    });
    m_knownItems.Clear();
    ShowProgramRows();
    InvalidateRect(Hwnd(), nullptr, TRUE);
    HTREEITEM root = m_pane.View().Root();
    if (TreeView_GetSelection(m_pane.Hwnd()) == root)
        OnCatalogSelected(root);
    else
        TreeView_SelectItem(m_pane.Hwnd(), root);
    SetFocus(Hwnd());
    m_loaded = true;
}

INT_PTR CConfigDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_HOTKEY:
        if (static_cast<int>(wParam) != kSaveHotkeyId)
            return FALSE;
        OnSaveHotkey();
        return TRUE;
    case kItemWaitingMessage:
        OnItemWaiting();
        return TRUE;
    case kShowTreeMessage:
        m_pane.ShowAgain(static_cast<CatalogId>(wParam));
        return TRUE;
    case WM_DROPFILES:
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return TRUE;
    case CSkinListCtrl::kRowSelectedMessage:
        if (reinterpret_cast<HWND>(lParam) == m_rows.List().Hwnd()) {
            CommitCellEditor();
            ShowSelectedItem();
        } else if (reinterpret_cast<HWND>(lParam) == m_composed.Rows().Hwnd()) {
            m_composed.OnRowSelected(static_cast<int>(wParam));
        }
        return TRUE;
    case WM_DESTROY:
        UnregisterHotKey(Hwnd(), kSaveHotkeyId);
        PublishHandOffDest(m_owner);
        return FALSE;
    default:
        return CSkinDialog::OnMessage(msg, wParam, lParam);
    }
}

bool CConfigDlg::PreTranslateMessage(MSG* msg)
{
    if (m_hotkey.PreTranslate(*msg))
        return true;
    if (msg->message == WM_KEYDOWN) {
        if (msg->wParam == VK_F5 && (msg->hwnd == Hwnd() || IsChild(Hwnd(), msg->hwnd))) {
            OnExec();
            return true;
        }
        if (msg->wParam == VK_DELETE && msg->hwnd == m_rows.List().Hwnd()) {
            OnRemoveItems(false);
            return true;
        }
        if (msg->wParam == VK_DELETE && msg->hwnd == m_composed.Rows().Hwnd()) {
            m_composed.OnButton(IDC_CFG_COMP_DELETE);
            return true;
        }
        if (msg->wParam == VK_DELETE && msg->hwnd == m_pane.Hwnd()) {
            OnDeleteCatalog();
            return true;
        }
        if (msg->wParam == VK_RETURN && msg->hwnd == Item(IDC_CFG_CATALOG_NAME)) {
            OnAddCatalog();
            return true;
        }
        if (msg->wParam == VK_RETURN && m_cells.IsEditor(msg->hwnd)) {
            CommitCellEditor();
            return true;
        }
    }
    return CSkinDialog::PreTranslateMessage(msg);
}

bool CConfigDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    return m_hotkey.OnDrawItem(id, *item);
}

bool CConfigDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    PaintFrames(dc);
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)));
    TextOutA(dc, 20, 10, m_title.c_str(), static_cast<int>(m_title.size()));
    // The shown item's name is painted, level with its label, where the short-name box begins.
    const int row = m_rows.List().GetFirstSelected();
    if (row >= 0) {
        const std::string& name = g_itemList.At(ItemOfRow(row)).Name;
        RECT area = NameArea();
        DrawTextA(dc, name.c_str(), static_cast<int>(name.size()), &area,
                  DT_SINGLELINE | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    SelectObject(dc, oldFont);
    EndPaint(Hwnd(), &paint);
    return true;
}

// The shown item's name is painted, level with its label, where the short-name box begins.
RECT CConfigDlg::NameArea() const
{
    const RECT label = ControlRect(IDC_CFG_NAME_LABEL);
    const RECT box = ControlRect(IDC_CFG_SHORTNAME);
    return RECT{box.left, label.top, box.right, label.bottom};
}

void CConfigDlg::PaintFrames(HDC dc)
{
    CFramePainter frames(dc, kFrameColour);
    // The key box and its drop button share one box.
    RECT key = ControlRect(IDC_CFG_KEY);
    const RECT drop = ControlRect(IDC_CFG_KEY_DROP);
    key = RECT{key.left, drop.top, drop.right, drop.bottom};
    frames.WhiteBox(key, 3, 1, 2, 1);
    // Lists and trees keep their scroll-bar bands inside the frame.
    for (int framed : {IDC_CFG_TREE, IDC_CFG_ITEM_LIST, IDC_CFG_PROGRAM_LIST, IDC_CFG_COMPOSED_LIST}) {
        if (IsWindowVisible(Item(framed)))
            frames.Frame(ControlRect(framed), 2, 2, 14, 14);
    }
}

LRESULT CConfigDlg::OnNcHitTest(POINT screenPoint)
{
    if (m_hotkey.IsOpen())
        return kDefaultHitTest;
    return CSkinDialog::OnNcHitTest(screenPoint);
}

bool CConfigDlg::Save(bool silent)
{
    CommitCellEditor();
    const bool catalogsSaved = m_pane.Save();
    const bool itemsSaved = SaveItems(m_paths.itemsFile, g_itemList);
    if (catalogsSaved && itemsSaved)
        m_snapshots.Commit(g_itemList);
    if (!silent) {
        const std::string text = GetTipText(catalogsSaved && itemsSaved ? "SavedSucess" : "SaveFailed");
        AppMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
    }
    return catalogsSaved && itemsSaved;
}

void CConfigDlg::CloseWith(INT_PTR result)
{
    CommitCellEditor();
    m_rows.List().DeleteAllItems();
    m_programList.DeleteAllItems();
    m_composed.Rows().DeleteAllItems();
    // What was saved is committed; snapshots taken since then belong to no stored item.
    m_snapshots.Abandon();
    EndDialog(result);
}

void CConfigDlg::OnExitButton()
{
    const std::string question = GetTipText("SaveData");
    if (AppMessageBox(question.c_str(), MB_YESNO | MB_ICONQUESTION) != IDNO)
        Save(false);
    CloseWith(IDCANCEL);
}

void CConfigDlg::OnSaveHotkey()
{
    CommitCellEditor();
    m_composed.SaveSilently();
    OnSet(true);
    Save(true);
}

void CConfigDlg::OnItemWaiting()
{
    ReceivedItem received;
    if (!ReceiveHandOffItem(m_pane.Model(), m_pane.View(), m_paths, received))
        return;
    ListCatalog(m_pane.Listed());
}

void CConfigDlg::OnDropFiles(HDROP drop)
{
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // Paths are taken whole, however deep: a cut one would name another file.
        std::string path(DragQueryFileA(drop, i, nullptr, 0), '\0');
        path.resize(DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size() + 1)));
        const DWORD attributes = GetFileAttributesA(path.c_str());
        AddPath(path, attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
    }
    DragFinish(drop);
}
