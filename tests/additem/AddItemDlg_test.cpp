#include "AddItemTestSupport.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "ui/TipText.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"
#include "data/ItemsFile.h"
#include "resource.h"
#include "ui/wnd/Application.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
std::string ComboEntry(HWND combo, int index)
{
    char buffer[64] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

std::string ListText(HWND list, int row)
{
    char buffer[64] = {};
    ListView_GetItemText(list, row, 0, buffer, sizeof(buffer));
    return buffer;
}

// A left click as the system queues it, so it passes the dialog's pre-translation.
void PostClick(HWND window, POINT point)
{
    const LPARAM at = MAKELPARAM(point.x, point.y);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(window, WM_LBUTTONUP, 0, at);
}

POINT RowCentre(HWND list, int row)
{
    RECT rect{};
    ListView_GetItemRect(list, row, &rect, LVIR_BOUNDS);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LRESULT HitTestAt(HWND dialog, int x, int y)
{
    POINT point{x, y};
    ClientToScreen(dialog, &point);
    return SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
}

class AddItemDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        WriteBytes(m_folder.File("Shortcut2.clg"), SampleCatalogsText());
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

TEST_F(AddItemDialogTest, ShowsPresetsPickersAndCatalogsWithoutItems)
{
    CAddItemDlg dialog(nullptr, Paths());
    dialog.Name = "Notepad";
    dialog.ShortName = "np";
    dialog.Description = "Plain text\r\neditor";
    dialog.ExePath = "C:\\Windows\\notepad.exe";
    const INT_PTR result = HostDialog(dialog, [&](HWND hwnd) {
        EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_NAME), "Notepad");
        EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_SHORTNAME), "np");
        EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_DESCRIPTION), "Plain text\r\neditor");
        EXPECT_EQ(TextOf(hwnd, IDC_TITLE_STATIC), Text("AddTavimorethDlgTitle"));

        HWND combo = GetDlgItem(hwnd, IDC_ADDITEM_MODIFIER);
        std::string modifiers;
        for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i)
            modifiers += ComboEntry(combo, i) + "|";
        EXPECT_EQ(modifiers, "Ctrl|Alt|Shift|No Hotkey1|");

        HWND list = GetDlgItem(hwnd, IDC_ADDITEM_KEY_LIST);
        EXPECT_FALSE(IsWindowVisible(list));
        ASSERT_EQ(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 48);
        EXPECT_EQ(ListText(list, 0) + ListText(list, 25) + ListText(list, 26) + ListText(list, 36) + ListText(list, 47),
                  "AZ0F1F12");
        char heading[16] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = heading;
        column.cchTextMax = sizeof(heading);
        SendMessageA(list, LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
        EXPECT_STREQ(heading, "Keys");
        EXPECT_EQ(column.cx, 60);

        HWND tree = GetDlgItem(hwnd, IDC_ADDITEM_TREE);
        HTREEITEM root = TreeView_GetRoot(tree);
        EXPECT_EQ(FindTreeNode(tree, Text("AllCatalogsTitle")), root);
        HTREEITEM tools = FindTreeNode(tree, "Tools");
        ASSERT_NE(tools, nullptr);
        EXPECT_EQ(TreeView_GetParent(tree, tools), root);
        EXPECT_EQ(TreeView_GetParent(tree, FindTreeNode(tree, "Editors")), tools);
        EXPECT_NE(FindTreeNode(tree, "Games"), nullptr);
        // Root, three catalogs, and none of Tools' items.
        EXPECT_EQ(TreeView_GetCount(tree), 4u);
        ClickButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    HandOffItem written;
    EXPECT_FALSE(ReadHandOffItem(written)) << "Cancel writes nothing";
}

TEST_F(AddItemDialogTest, KeyListPutsTheClickedNameInAndClosesOnAClickElsewhere)
{
    CAddItemDlg dialog(nullptr, Paths());
    HWND list = nullptr;
    const INT_PTR result = HostDialog(dialog, {[&](HWND hwnd) {
                                                   list = GetDlgItem(hwnd, IDC_ADDITEM_KEY_LIST);
                                                   EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCAPTION);
                                                   ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                                                   EXPECT_TRUE(IsWindowVisible(list));
                                                   EXPECT_TRUE(dialog.IsKeyListDropped());
                                                   // While the list is down, the background takes clicks instead
                                                   // of dragging.
                                                   EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCLIENT);
                                                   SendMessageA(list, LVM_ENSUREVISIBLE, 40, FALSE);
                                                   PostClick(list, RowCentre(list, 40));
                                               },
                                               [&](HWND hwnd) {
                                                   EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_KEY), "F5");
                                                   EXPECT_FALSE(IsWindowVisible(list));
                                                   EXPECT_EQ(HitTestAt(hwnd, 4, 120), HTCAPTION);
                                                   ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                                                   EXPECT_TRUE(IsWindowVisible(list));
                                                   PostClick(GetDlgItem(hwnd, IDC_ADDITEM_NAME), POINT{3, 3});
                                               },
                                               [&](HWND hwnd) {
                                                   EXPECT_FALSE(IsWindowVisible(list));
                                                   EXPECT_EQ(TextOf(hwnd, IDC_ADDITEM_KEY), "F5");
                                                   // The drop button closes what it opened.
                                                   ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                                                   ClickButton(hwnd, IDC_ADDITEM_KEY_DROP);
                                                   EXPECT_FALSE(IsWindowVisible(list));
                                                   ClickButton(hwnd, IDC_ADDITEM_EXIT);
                                               }});
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(AddItemDialogTest, OkRefusesUntilASubCatalogAndANameAreGiven)
{
    CAddItemDlg dialog(nullptr, Paths());
    bool stillOpen = false;
    const INT_PTR result = HostDialog(dialog, [&](HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_ADDITEM_NAME, "Tool");
        ClickButton(hwnd, IDOK);
        SelectTreeNode(hwnd, Text("AllCatalogsTitle"));
        ClickButton(hwnd, IDOK);
        SelectTreeNode(hwnd, "Editors");
        SetDlgItemTextA(hwnd, IDC_ADDITEM_NAME, "   ");
        ClickButton(hwnd, IDOK);
        stillOpen = dialog.IsRunning();
        ClickButton(hwnd, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(stillOpen);
    const std::vector<std::string> expected = {Text("SelectCatalog"), Text("SelSubCatalog"), Text("NameEmpty")};
    EXPECT_EQ(m_messages, expected);
    HandOffItem written;
    EXPECT_FALSE(ReadHandOffItem(written));
}

TEST_F(AddItemDialogTest, OkHandsTheItemToDestWithInitialsAndNoHotkey1)
{
    const std::string itemsPath = m_folder.File("Shortcut2.dat");
    TestReceiver receiver(itemsPath, m_folder.File("Shortcut2.clg"));
    PublishHandOffDest(receiver.Hwnd());

    CAddItemDlg dialog(nullptr, Paths());
    dialog.ExePath = "C:\\Tools\\qlt.exe";
    const INT_PTR result = HostDialog(dialog, [&](HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_ADDITEM_NAME, "  Quick Launch Tool ");
        SetDlgItemTextA(hwnd, IDC_ADDITEM_DESCRIPTION, "one\r\ntwo");
        SendDlgItemMessageA(hwnd, IDC_ADDITEM_MODIFIER, CB_SETCURSEL, 3, 0);
        SetDlgItemTextA(hwnd, IDC_ADDITEM_KEY, "Q");
        SelectTreeNode(hwnd, "Editors");
        ClickButton(hwnd, IDOK);
    });
    ASSERT_EQ(result, IDOK);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(dialog.Name, "Quick Launch Tool");
    EXPECT_EQ(dialog.ShortName, "QLT");
    EXPECT_EQ(dialog.Hotkey1, "No Hotkey1");
    EXPECT_EQ(dialog.NodeID, kEditorsId);

    // The receiver ran inside the send, before the dialog closed; how it stores the item is
    // its own test's business.
    ASSERT_EQ(receiver.Received(), 1);
    ASSERT_TRUE(receiver.LastAdded());
    const ShortcutItem& item = receiver.Items().At(0);
    EXPECT_EQ(item.Hotkey2, "Q");
    EXPECT_EQ(item.Description, "one\r\ntwo");
    EXPECT_EQ(item.ExePath, "C:\\Tools\\qlt.exe");
    EXPECT_EQ(receiver.Last().catalog, receiver.Model().Find(kEditorsId));
}

TEST_F(AddItemDialogTest, ADestThatNamesNoWindowIsIgnored)
{
    HWND gone = CreateWindowA("STATIC", "gone", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    PublishHandOffDest(gone);
    DestroyWindow(gone);

    CAddItemDlg dialog(nullptr, Paths());
    const INT_PTR result = HostDialog(dialog, [&](HWND hwnd) {
        SetDlgItemTextA(hwnd, IDC_ADDITEM_NAME, "Games Folder");
        SelectTreeNode(hwnd, "Games");
        ClickButton(hwnd, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    // The item waits in the section for nobody; no file was touched.
    HandOffItem written;
    ASSERT_TRUE(ReadHandOffItem(written));
    EXPECT_EQ(written.Name, "Games Folder");
    EXPECT_EQ(written.ShortName, "GF");
    EXPECT_EQ(written.Hotkey1, "");
    EXPECT_EQ(written.NodeID, kGamesId);
    EXPECT_FALSE(FileExists(m_folder.File("Shortcut2.dat")));
    EXPECT_EQ(ReadBytes(m_folder.File("Shortcut2.clg")), SampleCatalogsText());
}
