#include "SkinHostDlg.h"
#include "TempFolder.h"
#include "WinTestSupport.h"
#include "ui/SkinTreeCtrl.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace {
// What a drop callback was called with: the tree, the dragged node and the target.
using DropCall = std::tuple<HWND, HTREEITEM, HTREEITEM>;

// A catalog tree as the configuration window builds it: catalogs with their CatalogData,
// item nodes with "TempItemNode" data, images 0 to 3.
class TreeFixture {
public:
    void Create(CSkinHostDlg& host, const RECT& rect, bool dragDrop = true)
    {
        m_tree.Attach(host.AddControl(
            WC_TREEVIEWA, WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
            rect));
        m_tree.Initialise(dragDrop);
        m_tree.SetMayDropCallback([this](HWND window, HTREEITEM dragged, HTREEITEM target) {
            m_mayDrop.emplace_back(window, dragged, target);
            return m_allow;
        });
        m_tree.SetAfterDropCallback([this](HWND window, HTREEITEM dragged, HTREEITEM target) {
            m_afterDrop.emplace_back(window, dragged, target);
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

    // A node and its branch as text: "node(child,child(grandchild))".
    std::string Shape(HTREEITEM node) const
    {
        std::string children;
        for (HTREEITEM child = FirstChild(node); child; child = TreeView_GetNextSibling(m_tree.Hwnd(), child))
            children += (children.empty() ? "" : ",") + Shape(child);
        return TreeText(m_tree.Hwnd(), node) + (children.empty() ? "" : "(" + children + ")");
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
} // namespace

// The scroll bars get no images here: the tree must paint and drag just the same.
TEST(SkinTreeCtrl, PaintsRefusesMovesCopiesAndOpensAndScrollsWhileDragging)
{
    TreeFixture f;
    TreeFixture still;
    TempFolder bare;
    CSkinHostDlg host;
    host.Run([&](CSkinHostDlg& dialog) {
        f.Create(dialog, RECT{30, 80, 260, 320});
        f.m_tree.VerticalBar().AttachImages(bare.Path().string());
        f.m_tree.HorizontalBar().AttachImages(bare.Path().string());
        still.Create(dialog, RECT{290, 80, 420, 220}, false);
        HWND tree = f.m_tree.Hwnd();

        // White with the blue highlight.
        TreeView_SelectItem(tree, f.m_beta);
        RECT text{};
        TreeView_GetItemRect(tree, f.m_beta, &text, TRUE);
        InvalidateRect(tree, nullptr, TRUE);
        EXPECT_EQ(PixelOf(tree, text.left + 1, text.top + 1), CSkinTreeCtrl::kHighlightColour);
        RECT client{};
        GetClientRect(tree, &client);
        EXPECT_EQ(PixelOf(tree, client.right - 3, client.bottom - 3), CSkinTreeCtrl::kBackColour);
        EXPECT_TRUE(IsWindowVisible(f.m_tree.VerticalBar().Hwnd()));

        // Sloppy clicks and trees without drag and drop do not drag.
        EXPECT_FALSE(f.StartDrag(f.m_beta, false, 0)) << "the move arrives straight after the press";
        EXPECT_NE(GetCapture(), tree);
        EXPECT_FALSE(still.StartDrag(still.m_beta));
        still.DropOn(still.m_alpha);
        EXPECT_EQ(still.Shape(still.m_root), "All catalogs(Alpha(Alpha child(Editor)),Beta)");

        // A branch is never dropped into itself and the may-drop check can refuse.
        ASSERT_TRUE(f.StartDrag(f.m_alpha));
        f.DropOn(f.m_alphaChild);
        ASSERT_TRUE(f.StartDrag(f.m_alpha));
        f.DropOn(f.m_item);
        ASSERT_TRUE(f.StartDrag(f.m_beta));
        f.DropOn(f.m_beta);
        EXPECT_TRUE(f.m_mayDrop.empty());
        EXPECT_TRUE(f.m_afterDrop.empty());

        f.m_allow = 0;
        ASSERT_TRUE(f.StartDrag(f.m_beta));
        f.DropOn(f.m_alpha);
        EXPECT_EQ(f.m_mayDrop.size(), 1u);
        EXPECT_TRUE(f.m_afterDrop.empty());
        f.m_allow = 1;

        // Released left of the items: no target, nothing happens.
        ASSERT_TRUE(f.StartDrag(f.m_beta));
        f.MoveTo(POINT{5, f.Centre(f.m_alpha).y});
        EXPECT_EQ(f.m_tree.DropTarget(), nullptr);
        SendMessageA(tree, WM_LBUTTONUP, 0, MAKELPARAM(5, f.Centre(f.m_alpha).y));

        // A right drag moves nothing unless the tree copies with it.
        ASSERT_TRUE(f.StartDrag(f.m_alphaChild, true));
        f.DropOn(f.m_beta, true);
        EXPECT_FALSE(f.m_tree.IsDragging());
        EXPECT_EQ(f.m_afterDrop.size(), 0u);

        EXPECT_EQ(f.Shape(f.m_root), "All catalogs(Alpha(Alpha child(Editor)),Beta)");
        EXPECT_EQ(f.m_tree.NodeData(f.m_alpha), "AAAAAAAA-0000-0000-0000-000000000001|1,2");

        // A moved branch takes its children, data and images and asks the callbacks.
        f.m_mayDrop.clear();
        ASSERT_TRUE(f.StartDrag(f.m_alphaChild));
        f.DropOn(f.m_beta);
        EXPECT_FALSE(f.m_tree.IsDragging());
        EXPECT_NE(GetCapture(), tree);
        const DropCall call{tree, f.m_alphaChild, f.m_beta};
        EXPECT_EQ(f.m_mayDrop, std::vector<DropCall>{call});
        EXPECT_EQ(f.m_afterDrop, std::vector<DropCall>{call});

        EXPECT_EQ(f.Shape(f.m_root), "All catalogs(Alpha,Beta(Alpha child(Editor)))");
        HTREEITEM moved = f.FirstChild(f.m_beta);
        EXPECT_EQ(f.m_tree.NodeData(moved), "AAAAAAAA-0000-0000-0000-000000000002");
        EXPECT_EQ(TreeView_GetSelection(tree), moved);
        HTREEITEM item = f.FirstChild(moved);
        EXPECT_EQ(f.m_tree.NodeData(item), "TempItemNode5");
        EXPECT_EQ(TreeItemOf(tree, item).iImage, 3);
        EXPECT_EQ(TreeItemOf(tree, moved).iSelectedImage, 1);
        EXPECT_EQ(f.m_tree.NodeData(f.m_beta), "BBBBBBBB-0000-0000-0000-000000000003|7");

        // A right drag copies when allowed, and copies own their data.
        f.m_tree.SetRightDragCopies(true);
        HTREEITEM original = f.FirstChild(f.m_beta);
        HTREEITEM originalItem = f.FirstChild(original);
        ASSERT_TRUE(f.StartDrag(original, true));
        f.DropOn(f.m_alpha, true);
        EXPECT_EQ(f.Shape(f.m_root), "All catalogs(Alpha(Alpha child(Editor)),Beta(Alpha child(Editor)))");
        HTREEITEM copy = f.FirstChild(f.m_alpha);
        HTREEITEM copiedItem = f.FirstChild(copy);
        ASSERT_NE(copiedItem, nullptr);
        EXPECT_NE(TreeItemOf(tree, copiedItem).lParam, TreeItemOf(tree, originalItem).lParam);

        // The copy's texts outlive the original branch and change on their own.
        f.m_tree.SetNodeData(copy, "CCCCCCCC-0000-0000-0000-000000000004|9");
        EXPECT_EQ(f.m_tree.NodeData(original), "AAAAAAAA-0000-0000-0000-000000000002");
        TreeView_DeleteItem(tree, f.m_beta);
        EXPECT_EQ(f.m_tree.NodeData(copy), "CCCCCCCC-0000-0000-0000-000000000004|9");
        EXPECT_EQ(f.m_tree.NodeData(copiedItem), "TempItemNode5");
        EXPECT_STREQ(CSkinTreeCtrl::DataText(TreeItemOf(tree, copiedItem).lParam), "TempItemNode5");

        // Holding a drag over a closed catalog opens it; beyond the edges the tree scrolls.
        TreeView_Expand(tree, f.m_alpha, TVE_COLLAPSE);
        for (int i = 0; i < 40; ++i)
            f.m_tree.InsertNode(("Filler " + std::to_string(i)).c_str(), f.m_root, "filler");
        ASSERT_TRUE(f.StartDrag(TreeView_GetNextSibling(tree, f.m_alpha)));
        f.MoveTo(f.Centre(f.m_alpha));
        EXPECT_EQ(f.m_tree.DropTarget(), f.m_alpha);
        EXPECT_TRUE(
            PumpUntil([&] { return TreeView_GetItemState(tree, f.m_alpha, TVIS_EXPANDED) & TVIS_EXPANDED; }, 5000));

        HTREEITEM firstBefore = TreeView_GetFirstVisible(tree);
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
