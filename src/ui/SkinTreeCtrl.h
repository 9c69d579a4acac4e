#pragma once
// The catalog tree: double-buffered painting on white with a blue highlight, and drag and drop
// of whole branches (move with the left button, copy with the right one when allowed).
//
// Node data: the lParam of every node inserted through InsertNode is a `const char*` to a
// NUL-terminated text (a catalog's CatalogData, or an item node's "TempItemNode<index>") that
// this control owns. Read it with NodeData (or DataText on any such lParam); replace it with
// SetNodeData, never by writing lParam directly. The text is freed when its node is deleted
// (TVN_DELETEITEM) or with the control. A branch moved or copied by a drop gets copies of its
// texts, so the new nodes do not share them with the old ones.
#include "ui/SkinScrollBar.h"
#include "ui/wnd/SubclassedControl.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

class CSkinTreeCtrl : public CSubclassedControl {
public:
    // Given the tree window, the dragged item and the target item. The may-drop check cancels
    // the drop by returning 0.
    using DropCallback = std::function<int(HWND tree, HTREEITEM dragged, HTREEITEM target)>;

    static constexpr COLORREF kBackColour = RGB(255, 255, 255);
    static constexpr COLORREF kHighlightColour = RGB(0, 154, 255);
    static constexpr COLORREF kEditTextColour = RGB(0, 0, 255);
    static constexpr UINT_PTR kHoverTimer = 1;
    static constexpr UINT_PTR kScrollTimer = 2;
    static constexpr UINT kHoverMs = 800;
    static constexpr UINT kScrollMs = 40;
    // A drag that begins sooner than this after the button press is taken for a sloppy click.
    static constexpr DWORD kMinPressToDragMs = 60;
    // Pointer closer than this to the left edge means "no target".
    static constexpr int kNoTargetMargin = 20;

    CSkinTreeCtrl() = default;
    ~CSkinTreeCtrl() override;

    // Call once after the window exists (the dialog's OnInitDialog): also creates the two
    // skinned bars beside the tree; the dialog then gives them their images.
    void Initialise(bool dragDropEnabled);
    CSkinScrollBar& VerticalBar() { return m_verticalBar; }
    CSkinScrollBar& HorizontalBar() { return m_horizontalBar; }
    // Puts the bars beside the tree again, after the tree moved.
    void PlaceBars();
    void SetMayDropCallback(DropCallback callback) { m_mayDrop = std::move(callback); }
    void SetAfterDropCallback(DropCallback callback) { m_afterDrop = std::move(callback); }
    // When set, a drag with the right button copies the branch instead of moving it.
    void SetRightDragCopies(bool copies) { m_rightDragCopies = copies; }

    HTREEITEM InsertNode(const char* text, HTREEITEM parent, const std::string& data, int image = 0,
                         int selectedImage = 0, HTREEITEM after = TVI_LAST);
    std::string NodeData(HTREEITEM item) const;
    void SetNodeData(HTREEITEM item, const std::string& data);
    static const char* DataText(LPARAM data) { return data ? reinterpret_cast<const char*>(data) : ""; }

    bool IsDragging() const { return m_dragging; }
    HTREEITEM DropTarget() const { return m_dropTarget; }

    bool OnReflectedMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    LRESULT OnPaint();
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW* draw);
    void BeginDrag(HTREEITEM item, bool rightButton);
    void OnDragMove(POINT point);
    void OnHoverTimer();
    void OnScrollTimer();
    void SetDropTarget(HTREEITEM item);
    void EndDrag();
    void Drop(bool rightButton);
    bool IsInBranch(HTREEITEM item, HTREEITEM branchRoot) const;
    HTREEITEM CopyBranch(HTREEITEM source, HTREEITEM newParent);
    HTREEITEM LastVisibleItem() const;
    HTREEITEM ItemAt(POINT point) const;
    LPARAM OwnText(const std::string& data);
    void FreeText(LPARAM data);
    LPARAM CopyData(LPARAM data);
    HTREEITEM Next(HTREEITEM item, UINT code) const;

    bool m_dragDropEnabled = false;
    bool m_rightDragCopies = false;
    bool m_dragging = false;
    bool m_rightDrag = false;
    HTREEITEM m_dragItem = nullptr;
    HTREEITEM m_dropTarget = nullptr;
    HIMAGELIST m_dragImage = nullptr;
    int m_scrollTicks = 0;
    DWORD m_lastPressTick = 0;
    bool m_pressSeen = false;
    POINT m_lastPoint{};
    DropCallback m_mayDrop;
    DropCallback m_afterDrop;
    std::unordered_map<LPARAM, std::unique_ptr<char[]>> m_texts;
    CSkinScrollBar m_verticalBar{true};
    CSkinScrollBar m_horizontalBar{false};
};
