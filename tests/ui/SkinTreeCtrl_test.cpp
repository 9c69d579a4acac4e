#include "ControlHostDlg.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "ui/SkinTreeCtrl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {
struct DropCall {
    HWND tree;
    HTREEITEM dragged;
    HTREEITEM target;
    bool operator==(const DropCall& other) const
    {
        return tree == other.tree && dragged == other.dragged && target == other.target;
    }
};

// A catalog tree as the configuration window builds it: catalogs with their CatalogData,
// item nodes with "TempItemNode" data, images 0 to 3.
class TreeFixture {
public:
    void Create(CControlHostDlg& host, bool dragDrop, int height = 300)
    {
        HWND tree = host.AddControl(WC_TREEVIEWA, "",
                                    WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                        TVS_SHOWSELALWAYS,
                                    RECT{30, 10, 260, 10 + height});
        m_tree.Attach(tree);
        m_tree.Initialise(dragDrop);
        m_tree.SetMayDropCallback([this](HWND window, HTREEITEM dragged, HTREEITEM target) {
            m_mayDrop.push_back({window, dragged, target});
            return m_allow;
        });
        m_tree.SetAfterDropCallback([this](HWND window, HTREEITEM dragged, HTREEITEM target) {
            m_afterDrop.push_back({window, dragged, target});
            return 1;
        });
        m_root = m_tree.InsertNode("All catalogs", TVI_ROOT, "885D48E4-F5A7-4DF9-BB33-5C86DEDDE3AF");
        m_alpha = m_tree.InsertNode("Alpha", m_root, "AAAAAAAA-0000-0000-0000-000000000001|1,2", 0, 1);
        m_alphaChild = m_tree.InsertNode("Alpha child", m_alpha, "AAAAAAAA-0000-0000-0000-000000000002", 0, 1);
        m_item = m_tree.InsertNode("Editor", m_alphaChild, "TempItemNode5", 3, 3);
        m_beta = m_tree.InsertNode("Beta", m_root, "BBBBBBBB-0000-0000-0000-000000000003|7", 0, 1);
        for (HTREEITEM item : {m_root, m_alpha, m_alphaChild})
            TreeView_Expand(m_tree.Hwnd(), item, TVE_EXPAND);
    }

    POINT Centre(HTREEITEM item) const
    {
        RECT rect{};
        TreeView_GetItemRect(m_tree.Hwnd(), item, &rect, TRUE);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // Presses a button on the item and, once the press is older than a sloppy click, moves the
    // pointer far enough for the tree to start its drag, as a user's hand would.
    bool StartDrag(HTREEITEM item, bool right = false, UINT moveAfterMs = 150)
    {
        const POINT press = Centre(item);
        HWND tree = m_tree.Hwnd();
        ParkPointer(tree, press);
        const WPARAM keys = right ? MK_RBUTTON : MK_LBUTTON;
        auto move = [tree, press, keys] {
            PostMessageA(tree, WM_MOUSEMOVE, keys, MAKELPARAM(press.x + 12, press.y + 3));
        };
        if (moveAfterMs == 0)
            move();
        else
            RunSoon(move, moveAfterMs);
        // Should the tree not see the move, a release ends its drag detection instead of a hang.
        auto detecting = std::make_shared<bool>(true);
        RunSoon(
            [tree, right, detecting] {
                if (*detecting)
                    PostMessageA(tree, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, 0);
            },
            5000);
        SendMessageA(tree, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, keys, MAKELPARAM(press.x, press.y));
        *detecting = false;
        return m_tree.IsDragging();
    }

    void MoveTo(POINT point, bool right = false)
    {
        SendMessageA(m_tree.Hwnd(), WM_MOUSEMOVE, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }

    void DropOn(HTREEITEM target, bool right = false)
    {
        const POINT point = Centre(target);
        MoveTo(point, right);
        SendMessageA(m_tree.Hwnd(), right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }

    std::vector<std::string> ChildTexts(HTREEITEM parent) const { return ::ChildTexts(m_tree.Hwnd(), parent); }

    TVITEMA Item(HTREEITEM handle) const
    {
        TVITEMA item{};
        item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
        item.hItem = handle;
        SendMessageA(m_tree.Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        return item;
    }
    HTREEITEM FirstChild(HTREEITEM parent) const { return TreeView_GetChild(m_tree.Hwnd(), parent); }

    CSkinTreeCtrl m_tree;
    HTREEITEM m_root = nullptr;
    HTREEITEM m_alpha = nullptr;
    HTREEITEM m_alphaChild = nullptr;
    HTREEITEM m_item = nullptr;
    HTREEITEM m_beta = nullptr;
    int m_allow = 1;
    std::vector<DropCall> m_mayDrop;
    std::vector<DropCall> m_afterDrop;
};

class SkinTreeCtrlTest : public testing::Test {
protected:
    WinTestEnvironment m_environment;
    CControlHostDlg m_host;
    TreeFixture m_fixture;
};
} // namespace

TEST_F(SkinTreeCtrlTest, MovingABranchTakesItsChildrenDataAndImagesAndAsksTheCallbacks)
{
    TreeFixture& f = m_fixture;
    m_host.Run([&](CControlHostDlg& host) { f.Create(host, true); },
               [&](CControlHostDlg&) {
                   ASSERT_TRUE(f.StartDrag(f.m_alphaChild));
                   f.DropOn(f.m_beta);
                   EXPECT_FALSE(f.m_tree.IsDragging());
                   EXPECT_NE(GetCapture(), f.m_tree.Hwnd());

                   const DropCall call{f.m_tree.Hwnd(), f.m_alphaChild, f.m_beta};
                   EXPECT_EQ(f.m_mayDrop, std::vector<DropCall>{call});
                   EXPECT_EQ(f.m_afterDrop, std::vector<DropCall>{call});

                   EXPECT_TRUE(f.ChildTexts(f.m_alpha).empty());
                   EXPECT_EQ(f.ChildTexts(f.m_beta), std::vector<std::string>{"Alpha child"});
                   HTREEITEM moved = f.FirstChild(f.m_beta);
                   EXPECT_EQ(f.m_tree.NodeData(moved), "AAAAAAAA-0000-0000-0000-000000000002");
                   EXPECT_EQ(TreeView_GetSelection(f.m_tree.Hwnd()), moved);
                   HTREEITEM item = f.FirstChild(moved);
                   EXPECT_EQ(f.ChildTexts(moved), std::vector<std::string>{"Editor"});
                   EXPECT_EQ(f.m_tree.NodeData(item), "TempItemNode5");
                   EXPECT_EQ(f.Item(item).iImage, 3);
                   EXPECT_EQ(f.Item(moved).iSelectedImage, 1);
                   EXPECT_EQ(f.m_tree.NodeData(f.m_beta), "BBBBBBBB-0000-0000-0000-000000000003|7");
                   EXPECT_EQ(TreeView_GetCount(f.m_tree.Hwnd()), 5u);
               });
}

TEST_F(SkinTreeCtrlTest, ABranchIsNeverDroppedIntoItselfAndTheMayDropCheckCanRefuse)
{
    TreeFixture& f = m_fixture;
    m_host.Run([&](CControlHostDlg& host) { f.Create(host, true); },
               [&](CControlHostDlg&) {
                   // A catalog onto its own child, and onto its grandchild item node.
                   ASSERT_TRUE(f.StartDrag(f.m_alpha));
                   f.DropOn(f.m_alphaChild);
                   ASSERT_TRUE(f.StartDrag(f.m_alpha));
                   f.DropOn(f.m_item);
                   // Onto itself.
                   ASSERT_TRUE(f.StartDrag(f.m_beta));
                   f.DropOn(f.m_beta);
                   EXPECT_TRUE(f.m_mayDrop.empty());
                   EXPECT_TRUE(f.m_afterDrop.empty());

                   f.m_allow = 0;
                   ASSERT_TRUE(f.StartDrag(f.m_beta));
                   f.DropOn(f.m_alpha);
                   EXPECT_EQ(f.m_mayDrop.size(), 1u);
                   EXPECT_TRUE(f.m_afterDrop.empty());

                   // Released left of the items: no target, nothing happens.
                   f.m_allow = 1;
                   ASSERT_TRUE(f.StartDrag(f.m_beta));
                   f.MoveTo(POINT{5, f.Centre(f.m_alpha).y});
                   EXPECT_EQ(f.m_tree.DropTarget(), nullptr);
                   SendMessageA(f.m_tree.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, f.Centre(f.m_alpha).y));

                   EXPECT_EQ(f.ChildTexts(f.m_root), (std::vector<std::string>{"Alpha", "Beta"}));
                   EXPECT_EQ(f.ChildTexts(f.m_alpha), std::vector<std::string>{"Alpha child"});
                   EXPECT_EQ(f.ChildTexts(f.m_alphaChild), std::vector<std::string>{"Editor"});
                   EXPECT_EQ(TreeView_GetCount(f.m_tree.Hwnd()), 5u);
                   EXPECT_EQ(f.m_tree.NodeData(f.m_alpha), "AAAAAAAA-0000-0000-0000-000000000001|1,2");
               });
}

TEST_F(SkinTreeCtrlTest, RightDragCopiesOnlyWhenAllowedAndCopiesOwnTheirData)
{
    TreeFixture& f = m_fixture;
    m_host.Run([&](CControlHostDlg& host) { f.Create(host, true); },
               [&](CControlHostDlg&) {
                   ASSERT_TRUE(f.StartDrag(f.m_alphaChild, true));
                   f.DropOn(f.m_beta, true);
                   EXPECT_FALSE(f.m_tree.IsDragging());
                   EXPECT_TRUE(f.ChildTexts(f.m_beta).empty());
                   EXPECT_TRUE(f.m_afterDrop.empty());

                   f.m_tree.SetRightDragCopies(true);
                   ASSERT_TRUE(f.StartDrag(f.m_alphaChild, true));
                   f.DropOn(f.m_beta, true);
                   EXPECT_EQ(f.ChildTexts(f.m_alpha), std::vector<std::string>{"Alpha child"});
                   EXPECT_EQ(f.ChildTexts(f.m_beta), std::vector<std::string>{"Alpha child"});
                   HTREEITEM copy = f.FirstChild(f.m_beta);
                   HTREEITEM copiedItem = f.FirstChild(copy);
                   ASSERT_NE(copiedItem, nullptr);
                   EXPECT_NE(f.Item(copiedItem).lParam, f.Item(f.m_item).lParam);

                   // The copy's texts outlive the original branch and change on their own.
                   f.m_tree.SetNodeData(copy, "CCCCCCCC-0000-0000-0000-000000000004|9");
                   EXPECT_EQ(f.m_tree.NodeData(f.m_alphaChild), "AAAAAAAA-0000-0000-0000-000000000002");
                   TreeView_DeleteItem(f.m_tree.Hwnd(), f.m_alpha);
                   EXPECT_EQ(f.m_tree.NodeData(copy), "CCCCCCCC-0000-0000-0000-000000000004|9");
                   EXPECT_EQ(f.m_tree.NodeData(copiedItem), "TempItemNode5");
                   EXPECT_STREQ(CSkinTreeCtrl::DataText(f.Item(copiedItem).lParam), "TempItemNode5");
               });
}

TEST_F(SkinTreeCtrlTest, SloppyClicksAndTreesWithoutDragAndDropDoNotDrag)
{
    TreeFixture& f = m_fixture;
    TreeFixture still;
    m_host.Run(
        [&](CControlHostDlg& host) {
            f.Create(host, true, 150);
            still.m_tree.Attach(host.AddControl(WC_TREEVIEWA, "", WS_BORDER | TVS_HASBUTTONS, RECT{290, 10, 480, 150}));
            still.m_tree.Initialise(false);
            still.m_root = still.m_tree.InsertNode("All catalogs", TVI_ROOT, "root");
            still.m_alpha = still.m_tree.InsertNode("Alpha", still.m_root, "a");
            still.m_beta = still.m_tree.InsertNode("Beta", still.m_root, "b");
            TreeView_Expand(still.m_tree.Hwnd(), still.m_root, TVE_EXPAND);
        },
        [&](CControlHostDlg&) {
            // The move arrives straight after the press.
            EXPECT_FALSE(f.StartDrag(f.m_beta, false, 0));
            EXPECT_NE(GetCapture(), f.m_tree.Hwnd());

            EXPECT_FALSE(still.StartDrag(still.m_beta));
            still.DropOn(still.m_alpha);
            EXPECT_EQ(still.ChildTexts(still.m_root), (std::vector<std::string>{"Alpha", "Beta"}));
        });
}

TEST_F(SkinTreeCtrlTest, HoldingADragOpensTheCatalogBelowAndScrollsAtTheEdges)
{
    TreeFixture& f = m_fixture;
    m_host.Run(
        [&](CControlHostDlg& host) {
            f.Create(host, true, 120);
            TreeView_Expand(f.m_tree.Hwnd(), f.m_alpha, TVE_COLLAPSE);
            for (int i = 0; i < 40; ++i)
                f.m_tree.InsertNode(("Filler " + std::to_string(i)).c_str(), f.m_root, "filler");
        },
        [&](CControlHostDlg&) {
            HWND tree = f.m_tree.Hwnd();
            ASSERT_TRUE(f.StartDrag(f.m_beta));
            f.MoveTo(f.Centre(f.m_alpha));
            EXPECT_EQ(f.m_tree.DropTarget(), f.m_alpha);
            EXPECT_TRUE(
                PumpUntil([&] { return TreeView_GetItemState(tree, f.m_alpha, TVIS_EXPANDED) & TVIS_EXPANDED; }, 5000));

            HTREEITEM firstBefore = TreeView_GetFirstVisible(tree);
            RECT client{};
            GetClientRect(tree, &client);
            f.MoveTo(POINT{60, client.bottom + 200});
            EXPECT_TRUE(PumpUntil([&] { return TreeView_GetFirstVisible(tree) != firstBefore; }, 5000));
            HTREEITEM last = TreeView_GetFirstVisible(tree);
            for (UINT i = 1; i < TreeView_GetVisibleCount(tree); ++i)
                last = TreeView_GetNextVisible(tree, last);
            EXPECT_EQ(f.m_tree.DropTarget(), last);

            HTREEITEM firstScrolled = TreeView_GetFirstVisible(tree);
            f.MoveTo(POINT{60, -200});
            EXPECT_TRUE(PumpUntil([&] { return TreeView_GetFirstVisible(tree) != firstScrolled; }, 5000));
            EXPECT_EQ(f.m_tree.DropTarget(), TreeView_GetFirstVisible(tree));

            SendMessageA(tree, WM_KEYDOWN, VK_ESCAPE, 0);
            EXPECT_FALSE(f.m_tree.IsDragging());
            EXPECT_EQ(TreeView_GetDropHilight(tree), nullptr);
        });
}

TEST_F(SkinTreeCtrlTest, PaintsWhiteWithTheBlueHighlightAndWorksWithoutImages)
{
    TreeFixture& f = m_fixture;
    TempFolder bare;
    m_host.Run(
        [&](CControlHostDlg& host) {
            f.Create(host, true);
            f.m_tree.VerticalBar().AttachImages(bare.Path().string());
            f.m_tree.HorizontalBar().AttachImages(bare.Path().string());
        },
        [&](CControlHostDlg&) {
            HWND tree = f.m_tree.Hwnd();
            TreeView_SelectItem(tree, f.m_beta);
            RECT text{};
            TreeView_GetItemRect(tree, f.m_beta, &text, TRUE);
            InvalidateRect(tree, nullptr, TRUE);
            EXPECT_EQ(ScreenPixel(tree, text.left + 1, text.top + 1), CSkinTreeCtrl::kHighlightColour);
            RECT client{};
            GetClientRect(tree, &client);
            EXPECT_EQ(ScreenPixel(tree, client.right - 3, client.bottom - 3), CSkinTreeCtrl::kBackColour);
            EXPECT_NE(f.m_tree.VerticalBar().Hwnd(), nullptr);
            EXPECT_TRUE(IsWindowVisible(f.m_tree.VerticalBar().Hwnd()));

            ASSERT_TRUE(f.StartDrag(f.m_beta));
            f.DropOn(f.m_alpha);
            EXPECT_EQ(f.ChildTexts(f.m_alpha), (std::vector<std::string>{"Alpha child", "Beta"}));
        });
}
