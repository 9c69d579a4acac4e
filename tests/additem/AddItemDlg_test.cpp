#include "UserInput.h"
#include "DialogHost.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ShortcutItem.h"
#include "data/dialogs/AddItemDlg.h"
#include "resource.h"
#include "ui/TipText.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/WindowSubclass.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
const std::string kEditorsId = "BBBBBBBB-2222-4222-8222-000000000002";

void SelectTreeNode(HWND dialog, const std::string& text)
{
    HWND tree = GetDlgItem(dialog, IDC_ADDITEM_TREE);
    TreeView_SelectItem(tree, FindTreeNode(tree, text));
}

// A left click as the system queues it, so it passes the dialog's pre-translation.
void PostClick(HWND window, POINT point)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

LRESULT HitTestAt(HWND dialog, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(dialog, &point);
    return SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

// Stands in for the main window: takes the handed item when told that one is waiting.
LRESULT CALLBACK TakeItem(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR taken)
{
    if (msg != kItemWaitingMessage)
        return CallNextSubclass(hwnd, msg, wParam, lParam);
    ShortcutItem item;
    std::string nodeId;
    if (TakeHandOffItem(item, nodeId))
        reinterpret_cast<std::vector<std::string>*>(taken)->push_back(
            item.Name + "|" + item.ShortName + "|" + item.Hotkey1 + "|" + item.Hotkey2 + "|" + item.Description + "|" +
            item.ExePath + "|" + nodeId);
    return 0;
}

class AddItemDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        // Tools, with Editors below it, and Games; Tools holds two items.
        const std::string root = kRootNodeId;
        const std::string tools = "AAAAAAAA-1111-4111-8111-000000000001";
        WriteBytes(m_folder.File("Shortcut2.clg"), root + "|Tools|" + tools + "|0,1\\" + tools + "|Editors|" +
                                                       kEditorsId + "|\\" + root +
                                                       "|Games|CCCCCCCC-3333-4333-8333-000000000003");
        WriteProfileStringA(kItemSection, nullptr, nullptr);
        PublishHandOffDest(nullptr);
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return IDOK;
        });
    }
    void TearDown() override { CApplication::SetMessageBoxResponder(nullptr); }

    InstallPaths Paths() const { return InstallPaths::In(m_folder.Path().string()); }
    static std::string Text(const char* key) { return GetTipText(key); }

    TempFolder m_folder;
    std::vector<std::string> m_messages;
};
} // namespace

TEST_F(AddItemDialogTest, PresetsCatalogsKeyListAndRefusals)
{
    CAddItemDlg dialog(nullptr, Paths());
    dialog.Name = "Notepad";
    dialog.ShortName = "np";
    dialog.Description = "Plain text\r\neditor";
    HWND list = nullptr;
    const INT_PTR result = HostDialog(
        dialog, {[&](HWND hwnd) {
                     EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_NAME) + "|" + TextOf(hwnd, IDC_ADDITEM_SHORTNAME) + "|" +
                                   TextOf(hwnd, IDC_ADDITEM_DESCRIPTION),
                               "Notepad|np|Plain text\r\neditor");
                     // The catalogs below the root, and none of Tools' items.
                     HWND tree = GetDlgItem(hwnd, IDC_ADDITEM_TREE);
                     HTREEITEM root = TreeView_GetRoot(tree);
                     EXPECT_EQ(ChildTexts(tree, root), (std::vector<std::string>{"Tools", "Games"}));
                     EXPECT_EQ(TreeView_GetParent(tree, FindTreeNode(tree, "Editors")), FindTreeNode(tree, "Tools"));
                     EXPECT_EQ(TreeView_GetCount(tree), 4u);

                     list = GetDlgItem(hwnd, IDC_ADDITEM_KEY_LIST);
                     EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCAPTION);
                     ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                     EXPECT_TRUE(IsWindowVisible(list) && dialog.IsKeyListDropped());
                     // While the list is down, the background takes clicks instead of dragging.
                     EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCLIENT);
                     PostClick(list, RowPoint(list, 40));
                 },
                 [&](HWND hwnd) {
                     // A picked key comes with the first modifier; typing in the key box is discarded.
                     TypeInto(GetDlgItem(hwnd, IDC_ADDITEM_KEY), "q");
                     EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_KEY) + TextOf(hwnd, IDC_ADDITEM_MODIFIER), "F5Ctrl");
                     EXPECT_FALSE(IsWindowVisible(list));
                     EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCAPTION);
                     ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                     EXPECT_TRUE(IsWindowVisible(list));
                     PostClick(GetDlgItem(hwnd, IDC_ADDITEM_NAME), POINT{3, 3});
                 },
                 [&](HWND hwnd) {
                     EXPECT_FALSE(IsWindowVisible(list)) << "a click elsewhere closes the list";
                     EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_KEY), "F5");
                     // The drop button closes what it opened.
                     ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                     ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                     EXPECT_FALSE(IsWindowVisible(list));

                     // Ok refuses until a catalog below the root and a name are given.
                     ClickButton(hwnd, IDOK);
                     SelectTreeNode(hwnd, Text("AllCatalogsTitle"));
                     ClickButton(hwnd, IDOK);
                     SelectTreeNode(hwnd, "Editors");
                     SetDlgItemTextA(hwnd, IDC_ADDITEM_NAME, "   ");
                     ClickButton(hwnd, IDOK);
                     ClickButton(hwnd, IDC_ADDITEM_EXIT);
                 }});
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_messages, (std::vector<std::string>{Text("SelectCatalog"), Text("SelSubCatalog"), Text("NameEmpty")}));
    HandOffItem written;
    EXPECT_FALSE(ReadHandOffItem(written)) << "a refused Ok and the exit write nothing";
}

TEST_F(AddItemDialogTest, OkHandsTheItemToTheDestWindow)
{
    HWND receiver = CreateWindowA("STATIC", "receiver", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    std::vector<std::string> taken;
    InstallSubclass(receiver, &TakeItem, 1, reinterpret_cast<DWORD_PTR>(&taken));
    PublishHandOffDest(receiver);
    CAddItemDlg dialog(nullptr, Paths());
    dialog.ExePath = "C:\\Tools\\qlt.exe";
    ASSERT_EQ(HostDialog(dialog, {[&](HWND hwnd) {
                                      TypeOver(GetDlgItem(hwnd, IDC_ADDITEM_NAME), "  Quick Launch Tool ");
                                      TypeOver(GetDlgItem(hwnd, IDC_ADDITEM_DESCRIPTION), "one\ntwo");
                                      ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                                      HWND list = GetDlgItem(hwnd, IDC_ADDITEM_KEY_LIST);
                                      char key[16] = {};
                                      int row = 0;
                                      for (; row < ListView_GetItemCount(list); ++row) {
                                          ListView_GetItemText(list, row, 0, key, sizeof(key));
                                          if (std::string(key) == "Q")
                                              break;
                                      }
                                      ASSERT_LT(row, ListView_GetItemCount(list));
                                      PostClick(list, RowPoint(list, row));
                                  },
                                  [&](HWND hwnd) {
                                      SelectTreeNode(hwnd, "Editors");
                                      ClickButton(hwnd, IDOK);
                                  }}),
              IDOK);
    EXPECT_TRUE(m_messages.empty());

    // The receiver took it inside the send, before the dialog closed.
    EXPECT_EQ(taken,
              std::vector<std::string>{"Quick Launch Tool|QLT|Ctrl|Q|one\r\ntwo|C:\\Tools\\qlt.exe|" + kEditorsId});
    DestroyWindow(receiver);
}
