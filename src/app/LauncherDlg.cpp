#include "app/LauncherDlg.h"

#include "app/ItemHotkeys.h"
#include "app/Launcher.h"
#include "app/LauncherApp.h"
#include "app/RunCommand.h"
#include "ui/FramePainter.h"
#include "ui/TipText.h"
#include "data/HandOff.h"
#include "data/SharedItemList.h"
#include "resource.h"

#include <shellapi.h>

namespace {
const UINT kTrayMessage = 0x405;
const UINT kTrayIconId = 0x8F;
const UINT kShellOkMessage = 0x658;
const char kSupportAddress[] = "https://tavimoreth.example.org/support";
const char kLatestAddress[] = "https://tavimoreth.example.org/download";
const COLORREF kFrameColour = 0xFFDEA1;
const COLORREF kTextColour = RGB(31, 79, 143);

const char* const kShortListHeadings[] = {"ShortName", "Program Name", "Program Description", "IndexInAll"};
const int kShortListWidths[] = {60, 120, 60, 0};
const char* const kNameListHeadings[] = {"Program Name", "ShortName", "Program Description", "IndexInAll"};
const int kNameListWidths[] = {120, 60, 60, 0};

CLauncherDlg::WindowHook& ConfigurationHook()
{
    static CLauncherDlg::WindowHook hook;
    return hook;
}

CLauncherDlg::ExchangeHook& ExchangeWindowHook()
{
    static CLauncherDlg::ExchangeHook hook;
    return hook;
}
} // namespace

void CLauncherDlg::SetConfigurationHook(WindowHook hook)
{
    ConfigurationHook() = std::move(hook);
}

void CLauncherDlg::SetExchangeHook(ExchangeHook hook)
{
    ExchangeWindowHook() = std::move(hook);
}

CLauncherDlg::CLauncherDlg(const InstallPaths& paths) : CSkinDialog(IDD_LAUNCHER), m_paths(paths)
{
    m_title = GetTipText("ShortDlgTitle");
    m_nameTitle = GetTipText("NameTitle");
    m_shortNameTitle = GetTipText("ShortNameTitle");
    m_hotkeyTitle = GetTipText("HotkeyTitle");
    m_descriptionTitle = GetTipText("DescriptionTitle");
    SetBackground("CommonDlg.png");
    SetFrameButtons(IDC_MIN_BUTTON, IDC_EXIT_BUTTON, IDC_HELP_BUTTON, kHelp03);
    SetInputControls({IDC_SHORTNAME_EDIT, IDC_NAME_EDIT, IDC_SHORTNAME_LIST, IDC_NAME_LIST, IDC_CATALOG_TREE});
}

CLauncherDlg::~CLauncherDlg()
{
    if (m_treeImages)
        ImageList_Destroy(m_treeImages);
}

BOOL CLauncherDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    AddAboutEntry();
    m_icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINFRAME));
    SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    SetWindowTextA(Hwnd(), m_title.c_str());

    PublishHandOffDest(Hwnd());
    g_mainWnd = Hwnd();

    SetUpLists();
    CreateDirectoryA(m_paths.dataFolder.c_str(), nullptr);
    SetUpButtons();
    SetUpTree();

    ShowWindow(Item(IDC_HOTKEY_STATIC), SW_SHOW);
    m_shortList.HideAll();
    m_nameList.HideAll();
    m_shortEdit.AttachDlgItem(Hwnd(), IDC_SHORTNAME_EDIT);
    m_nameEdit.AttachDlgItem(Hwnd(), IDC_NAME_EDIT);
    m_shortEdit.SelectAll();
    m_shortEdit.ScrollCaret();
    m_shortEdit.Focus();

    ReloadItems();
    RegisterItemHotkeys();
    FillCatalogTree();
    return FALSE;
}

void CLauncherDlg::AddAboutEntry()
{
    char about[128] = {};
    LoadStringA(GetModuleHandleA(nullptr), IDS_ABOUTBOX, about, sizeof(about));
    HMENU menu = GetSystemMenu(Hwnd(), FALSE);
    if (menu && about[0]) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about);
    }
}

void CLauncherDlg::SetUpLists()
{
    SetUpList(m_shortList, IDC_SHORTNAME_LIST, kShortListHeadings, kShortListWidths);
    SetUpList(m_nameList, IDC_NAME_LIST, kNameListHeadings, kNameListWidths);
}

void CLauncherDlg::SetUpList(CSkinListCtrl& list, int id, const char* const* headings, const int* widths)
{
    list.BindDlgItem(Hwnd(), id);
    list.Initialise();
    list.AttachImages(m_paths.folder);
    const DWORD style = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageA(list.Hwnd(), LVM_SETEXTENDEDLISTVIEWSTYLE, style, style);
    SendMessageA(list.Hwnd(), LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
    for (int column = 0; column < 4; ++column)
        list.InsertColumn(column, headings[column], LVCFMT_LEFT, widths[column]);
    SendMessageA(list.Hwnd(), WM_SETREDRAW, TRUE, 0);
}

void CLauncherDlg::SetUpButtons()
{
    for (auto* drop : {&m_shortDrop, &m_nameDrop}) {
        const int id = drop == &m_shortDrop ? IDC_SHORTNAME_DROP : IDC_NAME_DROP;
        if (drop->AttachDlgItem(Hwnd(), id))
            drop->SetImagePair(ImagesFolder(), "ComboButton.png", "ComboButton.png");
    }
    SetupImageButton(m_runApps, IDC_RUN_APPS, "normalbtn", nullptr);
    SetupImageButton(m_configButton, IDC_CONFIG_BUTTON, "Config", "ConfigButton");
    SetupImageButton(m_importButton, IDC_IMPORT_BUTTON, "Import", "ImportButton");
    SetupImageButton(m_exportButton, IDC_EXPORT_BUTTON, "Export", "ExportButton");
    SetupImageButton(m_supportButton, IDC_SUPPORT_BUTTON, "TechSupport", "SupportButton");
    SetupImageButton(m_latestButton, IDC_LATEST_BUTTON, "Download", "LatestVerButton");
}

void CLauncherDlg::SetUpTree()
{
    m_tree.AttachDlgItem(Hwnd(), IDC_CATALOG_TREE);
    m_tree.Initialise(false);
    m_tree.VerticalBar().AttachImages(m_paths.folder);
    m_tree.HorizontalBar().AttachImages(m_paths.folder);
    m_treeImages = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 0);
    for (int icon : {IDI_CATALOG_CLOSED, IDI_CATALOG_OPEN, IDI_CATALOG_ITEM, IDI_ITEM_NODE}) {
        HICON image = static_cast<HICON>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        ImageList_AddIcon(m_treeImages, image);
        DestroyIcon(image);
    }
    SendMessageA(m_tree.Hwnd(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(m_treeImages));
    m_catalogs.Attach(m_tree.Hwnd());
}

void CLauncherDlg::FillCatalogTree()
{
    // One repaint at the end instead of one per catalog.
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, FALSE, 0);
    LoadCatalogTree(m_paths.catalogsFile, m_model);
    m_catalogs.Show(m_model, GetTipText("AllCatalogsTitle"), nullptr);
    m_rootNode = m_catalogs.Root();
    SendMessageA(m_tree.Hwnd(), WM_SETREDRAW, TRUE, 0);
    // Show the first level at once: a user looks for catalogs, not for a lone root.
    SendMessageA(m_tree.Hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(m_rootNode));
    InvalidateRect(m_tree.Hwnd(), nullptr, TRUE);
}

void CLauncherDlg::RegisterItemHotkeys()
{
    ::RegisterItemHotkeys(Hwnd(), g_itemList);
}

void CLauncherDlg::UnregisterItemHotkeys()
{
    ::UnregisterItemHotkeys(Hwnd());
}

bool CLauncherDlg::OnCommand(int id, int code)
{
    if (code == EN_CHANGE && (id == IDC_SHORTNAME_EDIT || id == IDC_NAME_EDIT)) {
        OnSearchChanged(id == IDC_SHORTNAME_EDIT);
        return true;
    }
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_SHORTNAME_DROP:
    case IDC_NAME_DROP:
        OpenDropDown(id == IDC_SHORTNAME_DROP);
        return true;
    case IDC_RUN_APPS:
        OnEnterInBox(true);
        return true;
    case IDC_CONFIG_BUTTON:
        RunConfiguration();
        return true;
    case IDC_IMPORT_BUTTON:
    case IDC_EXPORT_BUTTON:
        RunExchange(id == IDC_IMPORT_BUTTON);
        return true;
    case IDC_SUPPORT_BUTTON:
        RunCommand(kSupportAddress, nullptr, true);
        return true;
    case IDC_LATEST_BUTTON:
        RunCommand(kLatestAddress, nullptr, true);
        return true;
    case IDC_COMPACT_BUTTON:
        OnCompactSwitch();
        return true;
    default:
        return CSkinDialog::OnCommand(id, code);
    }
}

void CLauncherDlg::RunConfiguration()
{
    const WindowHook& hook = ConfigurationHook();
    if (!hook)
        return;
    hook(Hwnd());
    PublishHandOffDest(Hwnd());
    ReloadAfterWindow();
}

void CLauncherDlg::ReloadAfterWindow()
{
    UnregisterItemHotkeys();
    ReloadItems();
    RegisterItemHotkeys();
    FillCatalogTree();
}

// An export saves nothing of the program's own, but moves back into the program's list stay
// in memory only: the reload drops them after either direction.
void CLauncherDlg::RunExchange(bool import)
{
    const ExchangeHook& hook = ExchangeWindowHook();
    if (!hook)
        return;
    hook(Hwnd(), m_paths, import);
    ReloadAfterWindow();
}

bool CLauncherDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if ((id == IDC_SHORTNAME_LIST || id == IDC_NAME_LIST) && header->code == NM_CLICK) {
        auto* click = reinterpret_cast<NMITEMACTIVATE*>(header);
        ShowRowDetails(id == IDC_SHORTNAME_LIST ? m_shortList : m_nameList, click->iItem);
        return true;
    }
    if (id != IDC_CATALOG_TREE)
        return false;
    switch (header->code) {
    case TVN_SELCHANGEDA:
        ListCatalog(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem);
        return true;
    case NM_CLICK:
        CloseDropDowns();
        return true;
    case TVN_ITEMEXPANDEDA:
        m_catalogs.OnItemExpanded(*reinterpret_cast<NMTREEVIEWA*>(header));
        return true;
    default:
        return false;
    }
}

void CLauncherDlg::OnExitButton()
{
    // Only a real No quits; Escape leaves the program running, hidden.
    const std::string question = GetTipText("HideProgram");
    if (AppMessageBox(question.c_str(), MB_YESNO) == IDNO)
        EndDialog(IDCANCEL);
    else
        ShowOrHideWindow(false);
}

void CLauncherDlg::ShowOrHideWindow(bool show)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof(data);
    data.hWnd = Hwnd();
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = m_icon;
    lstrcpynA(data.szTip, "Tavimoreth 3.0", sizeof(data.szTip));
    if (show) {
        Shell_NotifyIconA(NIM_DELETE, &data);
        ShowWindow(Hwnd(), SW_SHOW);
        SetForegroundWindow(Hwnd());
    } else {
        ShowWindow(Hwnd(), SW_HIDE);
        Shell_NotifyIconA(NIM_ADD, &data);
    }
}

void CLauncherDlg::OnTrayNotification(WPARAM iconId, LPARAM mouseMessage)
{
    if (iconId == kTrayIconId && mouseMessage == WM_LBUTTONDOWN)
        ShowOrHideWindow(true);
}

void CLauncherDlg::OnCompactSwitch()
{
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    const int change = (m_compactHeight + 20) * (m_expanded ? -1 : 1);
    SetWindowPos(Hwnd(), nullptr, 0, 0, window.right - window.left, window.bottom - window.top + change,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetDlgItemTextA(Hwnd(), IDC_COMPACT_BUTTON, m_expanded ? "+" : "-");
    ShowWindow(Item(IDC_NAME_EDIT), m_expanded ? SW_HIDE : SW_SHOW);
    ShowWindow(Item(IDC_NAME_DROP), m_expanded ? SW_HIDE : SW_SHOW);
    InvalidateRect(Hwnd(), nullptr, TRUE);
    m_expanded = !m_expanded;
}

INT_PTR CLauncherDlg::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case kTrayMessage:
        OnTrayNotification(wParam, lParam);
        return TRUE;
    case kItemWaitingMessage:
        OnItemWaiting();
        return TRUE;
    case kHandOffRequestMessage:
        OnHandOffRequest();
        return TRUE;
    case CSkinListCtrl::kRowSelectedMessage: {
        m_suppressSearch = true;
        HWND list = reinterpret_cast<HWND>(lParam);
        if (list == m_shortList.Hwnd())
            ShowRowDetails(m_shortList, m_shortList.GetFirstSelected());
        else if (list == m_nameList.Hwnd())
            ShowRowDetails(m_nameList, m_nameList.GetFirstSelected());
        return TRUE;
    }
    case kShellOkMessage: {
        const std::string text = GetTipText("Ok");
        AppMessageBox(text.c_str(), MB_OK);
        return SetResult(1);
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == IDM_ABOUTBOX) {
            CDialog about(IDD_ABOUTBOX, Hwnd());
            about.DoModal();
            return TRUE;
        }
        return FALSE;
    case WM_QUERYDRAGICON:
        return SetResult(reinterpret_cast<LRESULT>(m_icon));
    case WM_LBUTTONDOWN:
        CloseDropDowns();
        m_dragByBackground = false;
        return TRUE;
    case WM_RBUTTONDOWN:
        ShowWindow(Item(IDC_HOTKEY_STATIC), SW_SHOW);
        m_shortList.HideAll();
        m_nameList.HideAll();
        InvalidateRect(Hwnd(), nullptr, TRUE);
        m_dragByBackground = true;
        return TRUE;
    case WM_LBUTTONUP:
        m_dragByBackground = true;
        return TRUE;
    case WM_DESTROY:
        PublishHandOffDest(nullptr);
        g_mainWnd = nullptr;
        return FALSE;
    default:
        return CSkinDialog::OnMessage(msg, wParam, lParam);
    }
}

bool CLauncherDlg::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    PaintFramesAndLabels(dc);
    EndPaint(Hwnd(), &paint);
    return true;
}

void CLauncherDlg::PaintFramesAndLabels(HDC dc)
{
    {
        CFramePainter frames(dc, kFrameColour);
        for (int box : {IDC_SHORTNAME_EDIT, IDC_NAME_EDIT}) {
            if (IsWindowVisible(Item(box)))
                frames.WhiteBox(ControlRect(box), 4, 3, 3, 3);
        }
        for (int framed : {IDC_CATALOG_TREE, IDC_DESCRIPTION_EDIT})
            frames.Frame(ControlRect(framed), 2, 2, 2, 2);
    }

    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(Hwnd(), WM_GETFONT, 0, 0)));
    SetTextColor(dc, kTextColour);
    TextOutA(dc, 8, 5, m_title.c_str(), static_cast<int>(m_title.size()));
    const RECT description = ControlRect(IDC_DESCRIPTION_EDIT);
    const struct {
        int control;
        const std::string& text;
    } labels[] = {
        {IDC_SHORTNAME_EDIT, m_shortNameTitle}, {IDC_NAME_EDIT, m_nameTitle}, {IDC_HOTKEY_STATIC, m_hotkeyTitle}};
    for (const auto& label : labels) {
        if (label.control == IDC_NAME_EDIT && !IsWindowVisible(Item(IDC_NAME_EDIT)))
            continue;
        RECT box = ControlRect(label.control);
        RECT area{description.left, box.top, box.left - 6, box.bottom};
        DrawTextA(dc, label.text.c_str(), -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
    }
    RECT above{description.left, description.top - 16, description.right, description.top - 3};
    DrawTextA(dc, m_descriptionTitle.c_str(), -1, &above, DT_SINGLELINE | DT_BOTTOM | DT_LEFT);
    SelectObject(dc, oldFont);
}

HBRUSH CLauncherDlg::OnCtlColor(HDC dc, HWND control, UINT msg)
{
    const int id = GetDlgCtrlID(control);
    if (id == IDC_HOTKEY_STATIC || id == IDC_DESCRIPTION_EDIT) {
        SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return CSkinDialog::OnCtlColor(dc, control, msg);
}

LRESULT CLauncherDlg::OnNcHitTest(POINT screenPoint)
{
    if (!m_dragByBackground)
        return kDefaultHitTest;
    return CSkinDialog::OnNcHitTest(screenPoint);
}
