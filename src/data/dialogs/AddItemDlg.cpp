#include "data/dialogs/AddItemDlg.h"

#include "ui/TipText.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ShortName.h"
#include "data/TextTrim.h"
#include "resource.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/DataExchange.h"

namespace {
void ShowMessageOfKey(const char* key)
{
    const std::string text = GetTipText(key);
    AppMessageBox(text.c_str(), MB_OK | MB_ICONINFORMATION);
}

} // namespace

CAddItemDlg::CAddItemDlg(HWND parent, const InstallPaths& paths)
    : CSkinDialog(IDD_ADD_ITEM, parent), m_paths(paths), m_hotkey(kNoHotkey, false)
{
    SetBackground("CommonDlg.png");
    SetFrameButtons(IDC_ADDITEM_MIN, IDC_ADDITEM_EXIT, IDC_ADDITEM_HELP, kHelp01);
    SetInputControls({IDC_ADDITEM_NAME, IDC_ADDITEM_SHORTNAME, IDC_ADDITEM_DESCRIPTION, IDC_ADDITEM_MODIFIER,
                      IDC_ADDITEM_KEY, IDC_ADDITEM_KEY_LIST, IDC_ADDITEM_TREE});
}

CAddItemDlg::~CAddItemDlg()
{
    if (m_treeImages)
        ImageList_Destroy(m_treeImages);
}

BOOL CAddItemDlg::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    const std::string title = GetTipText("AddTavimorethDlgTitle");
    SetWindowTextA(Hwnd(), title.c_str());
    SetDlgItemTextA(Hwnd(), IDC_TITLE_STATIC, title.c_str());
    SetupImageButton(m_okButton, IDOK, "normalbtn", "Btn_CloseDialogwithSave");
    SetupImageButton(m_cancelButton, IDCANCEL, "normalbtn", "Btn_CloseDialogwithoutSave");

    ExchangeText(Hwnd(), IDC_ADDITEM_NAME, Name, false);
    ExchangeText(Hwnd(), IDC_ADDITEM_SHORTNAME, ShortName, false);
    ExchangeText(Hwnd(), IDC_ADDITEM_DESCRIPTION, Description, false);
    m_hotkey.Attach(Hwnd(), {IDC_ADDITEM_MODIFIER, IDC_ADDITEM_KEY, IDC_ADDITEM_KEY_LIST, IDC_ADDITEM_KEY_DROP},
                    m_paths.folder);
    // While the list is down, clicks on the background must reach the dialog (to close it)
    // rather than start a drag of the window.
    m_hotkey.Opened = [this](bool open) { SetDragAnywhere(!open); };
    SetUpCatalogTree();
    return TRUE;
}

void CAddItemDlg::SetUpCatalogTree()
{
    m_tree.AttachDlgItem(Hwnd(), IDC_ADDITEM_TREE);
    m_tree.Initialise(false);
    m_tree.VerticalBar().AttachImages(m_paths.folder);
    m_tree.HorizontalBar().AttachImages(m_paths.folder);
    m_treeImages = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 0);
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (int icon : {IDI_CATALOG_CLOSED, IDI_CATALOG_OPEN}) {
        HICON handle = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, 0));
        ImageList_AddIcon(m_treeImages, handle);
        DestroyIcon(handle);
    }
    TreeView_SetImageList(m_tree.Hwnd(), m_treeImages, TVSIL_NORMAL);

    const std::string rootTitle = GetTipText("AllCatalogsTitle");
    m_catalogs.Attach(m_tree.Hwnd());
    // This tree only picks a place: catalogs without their items.
    LoadCatalogTree(m_paths.catalogsFile, m_model);
    m_catalogs.Show(m_model, rootTitle, nullptr);
    m_root = m_catalogs.Root();
    TreeView_Expand(m_tree.Hwnd(), m_root, TVE_EXPAND);
    // An expansion by program sends no notification, so the root's image is switched here.
    NMTREEVIEWA expanded{};
    expanded.action = TVE_EXPAND;
    expanded.itemNew.hItem = m_root;
    m_catalogs.OnItemExpanded(expanded);
}

bool CAddItemDlg::OnCommand(int id, int code)
{
    return m_hotkey.OnCommand(id, code) || CSkinDialog::OnCommand(id, code);
}

bool CAddItemDlg::OnNotify(int id, NMHDR* header, LRESULT& result)
{
    if (m_hotkey.OnNotify(id, *header))
        return true;
    if (id == IDC_ADDITEM_TREE && (header->code == TVN_ITEMEXPANDEDA || header->code == TVN_ITEMEXPANDEDW)) {
        m_catalogs.OnItemExpanded(*reinterpret_cast<NMTREEVIEWA*>(header));
        return true;
    }
    return false;
}

bool CAddItemDlg::OnDrawItem(int id, DRAWITEMSTRUCT* item)
{
    return m_hotkey.OnDrawItem(id, *item);
}

bool CAddItemDlg::PreTranslateMessage(MSG* msg)
{
    return m_hotkey.PreTranslate(*msg) || CSkinDialog::PreTranslateMessage(msg);
}

bool CAddItemDlg::TakeFields()
{
    ExchangeText(Hwnd(), IDC_ADDITEM_NAME, Name, true);
    ExchangeText(Hwnd(), IDC_ADDITEM_SHORTNAME, ShortName, true);
    ExchangeText(Hwnd(), IDC_ADDITEM_DESCRIPTION, Description, true);
    m_hotkey.Chosen(Hotkey1, Hotkey2);

    HTREEITEM selected = TreeView_GetSelection(m_tree.Hwnd());
    if (!selected) {
        ShowMessageOfKey("SelectCatalog");
        return false;
    }
    if (selected == m_root) {
        ShowMessageOfKey("SelSubCatalog");
        return false;
    }
    Name = TrimBlanks(Name);
    ShortName = TrimBlanks(ShortName);
    if (Name.empty()) {
        ShowMessageOfKey("NameEmpty");
        return false;
    }
    if (ShortName.empty())
        ShortName = MakeShortName(Name);
    NodeID = SelectedNodeId(selected);
    return true;
}

std::string CAddItemDlg::SelectedNodeId(HTREEITEM selected) const
{
    CatalogId catalog = m_catalogs.CatalogOf(selected);
    return catalog != CatalogTree::kNone ? m_model.NodeId(catalog) : kRootNodeId;
}

void CAddItemDlg::OnOK()
{
    if (!TakeFields())
        return;
    WriteHandOffItem(HandOffItem{Name, ShortName, Hotkey1, Hotkey2, Description, ExePath, NodeID});
    SendItemWaiting();
    EndDialog(IDOK);
}
