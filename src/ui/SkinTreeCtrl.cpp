#include "ui/SkinTreeCtrl.h"

#include "ui/DragEdgeScroll.h"

#include <windowsx.h>

#include <cstring>
#include <vector>

namespace {
// Item texts longer than a catalog name can be are still copied whole.
const size_t kFirstTextBuffer = 1024;
const size_t kLongestText = 65536;
} // namespace

CSkinTreeCtrl::~CSkinTreeCtrl()
{
    if (m_dragImage)
        ImageList_Destroy(m_dragImage);
}

void CSkinTreeCtrl::Initialise(bool dragDropEnabled)
{
    m_dragDropEnabled = dragDropEnabled;
    SendMessageA(Hwnd(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kBackColour));
    m_verticalBar.Create(Hwnd());
    m_horizontalBar.Create(Hwnd());
    PlaceBars();
}

void CSkinTreeCtrl::PlaceBars()
{
    m_verticalBar.Place();
    m_horizontalBar.Place();
}

HTREEITEM CSkinTreeCtrl::Next(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(Hwnd(), TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

LPARAM CSkinTreeCtrl::OwnText(const std::string& data)
{
    auto text = std::make_unique<char[]>(data.size() + 1);
    std::memcpy(text.get(), data.c_str(), data.size() + 1);
    auto key = reinterpret_cast<LPARAM>(text.get());
    m_texts[key] = std::move(text);
    return key;
}

void CSkinTreeCtrl::FreeText(LPARAM data)
{
    m_texts.erase(data);
}

LPARAM CSkinTreeCtrl::CopyData(LPARAM data)
{
    // Data this control does not own (set by someone else) is passed on as it stands.
    if (m_texts.find(data) == m_texts.end())
        return data;
    return OwnText(DataText(data));
}

HTREEITEM CSkinTreeCtrl::InsertNode(const char* text, HTREEITEM parent, const std::string& data, int image,
                                    int selectedImage, HTREEITEM after)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = OwnText(data);
    auto item =
        reinterpret_cast<HTREEITEM>(SendMessageA(Hwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!item)
        FreeText(insert.item.lParam);
    return item;
}

std::string CSkinTreeCtrl::NodeData(HTREEITEM handle) const
{
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = handle;
    if (!handle || !SendMessageA(Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    return m_texts.find(item.lParam) != m_texts.end() ? DataText(item.lParam) : "";
}

void CSkinTreeCtrl::SetNodeData(HTREEITEM handle, const std::string& data)
{
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem = handle;
    if (!handle || !SendMessageA(Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return;
    const LPARAM old = item.lParam;
    item.lParam = OwnText(data);
    if (SendMessageA(Hwnd(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        FreeText(old);
    else
        FreeText(item.lParam);
}

bool CSkinTreeCtrl::OnReflectedMessage(UINT msg, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (msg != WM_NOTIFY)
        return false;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    auto* tree = reinterpret_cast<NMTREEVIEWA*>(lParam);
    switch (header->code) {
    case TVN_BEGINDRAGA:
    case TVN_BEGINDRAGW:
        BeginDrag(tree->itemNew.hItem, false);
        break;
    case TVN_BEGINRDRAGA:
    case TVN_BEGINRDRAGW:
        BeginDrag(tree->itemNew.hItem, true);
        break;
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW:
        FreeText(tree->itemOld.lParam);
        break;
    case NM_CUSTOMDRAW:
        result = OnCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(lParam));
        return true;
    default:
        return false;
    }
    result = 0;
    return true;
}

LRESULT CSkinTreeCtrl::OnCustomDraw(NMTVCUSTOMDRAW* draw)
{
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage != CDDS_ITEMPREPAINT)
        return CDRF_DODEFAULT;
    auto item = reinterpret_cast<HTREEITEM>(draw->nmcd.dwItemSpec);
    const UINT state = static_cast<UINT>(
        SendMessageA(Hwnd(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED | TVIS_DROPHILITED));
    // While a drop target is shown, only it is lit, so the user sees where the branch goes.
    const bool lit = m_dragging && m_dropTarget ? item == m_dropTarget : (state & TVIS_SELECTED) != 0;
    if (lit) {
        draw->clrTextBk = kHighlightColour;
        draw->clrText = RGB(255, 255, 255);
    } else {
        draw->clrTextBk = kBackColour;
        draw->clrText = GetSysColor(COLOR_WINDOWTEXT);
    }
    return CDRF_DODEFAULT;
}

LRESULT CSkinTreeCtrl::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT:
        return OnPaint();
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        // Taken before the default handling: the tree detects the drag inside it.
        m_lastPressTick = GetTickCount();
        m_pressSeen = true;
        break;
    case WM_MOUSEMOVE:
        if (!m_dragging)
            break;
        OnDragMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_LBUTTONUP:
        if (!m_dragging)
            break;
        Drop(false);
        return 0;
    case WM_RBUTTONUP:
        if (!m_dragging)
            break;
        if (m_rightDragCopies)
            Drop(true);
        else
            EndDrag();
        return 0;
    case WM_KEYDOWN:
        if (m_dragging && wParam == VK_ESCAPE) {
            EndDrag();
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (m_dragging && reinterpret_cast<HWND>(lParam) != Hwnd())
            EndDrag();
        break;
    case WM_TIMER:
        if (wParam == kHoverTimer && m_dragging) {
            OnHoverTimer();
            return 0;
        }
        if (wParam == kScrollTimer && m_dragging) {
            OnScrollTimer();
            return 0;
        }
        break;
    case WM_CTLCOLOREDIT: {
        LRESULT brush = DefaultProc(msg, wParam, lParam);
        SetTextColor(reinterpret_cast<HDC>(wParam), kEditTextColour);
        return brush;
    }
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

LRESULT CSkinTreeCtrl::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap =
        CreateCompatibleBitmap(dc, client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HBRUSH back = CreateSolidBrush(kBackColour);
    FillRect(memory, &client, back);
    DeleteObject(back);
    m_verticalBar.Sync();
    m_horizontalBar.Sync();
    DefaultProc(WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(Hwnd(), &paint);
    return 0;
}

void CSkinTreeCtrl::BeginDrag(HTREEITEM item, bool rightButton)
{
    if (!m_dragDropEnabled || !item || m_dragging)
        return;
    if (m_pressSeen && GetTickCount() - m_lastPressTick < kMinPressToDragMs)
        return;
    m_dragItem = item;
    m_dropTarget = nullptr;
    m_rightDrag = rightButton;
    m_dragging = true;
    m_scrollTicks = 0;
    SetCapture(Hwnd());
    SetTimer(Hwnd(), kScrollTimer, kScrollMs, nullptr);
    m_dragImage =
        reinterpret_cast<HIMAGELIST>(SendMessageA(Hwnd(), TVM_CREATEDRAGIMAGE, 0, reinterpret_cast<LPARAM>(item)));
    if (m_dragImage && ImageList_BeginDrag(m_dragImage, 0, 0, 0)) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(Hwnd(), &cursor);
        ImageList_DragEnter(Hwnd(), cursor.x, cursor.y);
    }
}

HTREEITEM CSkinTreeCtrl::ItemAt(POINT point) const
{
    TVHITTESTINFO hit{};
    hit.pt = point;
    return reinterpret_cast<HTREEITEM>(SendMessageA(Hwnd(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void CSkinTreeCtrl::OnDragMove(POINT point)
{
    SetTimer(Hwnd(), kHoverTimer, kHoverMs, nullptr);
    m_lastPoint = point;
    if (HTREEITEM hit = ItemAt(point))
        SetDropTarget(hit);
    if (m_dragImage)
        ImageList_DragMove(point.x, point.y);
    if (point.x < kNoTargetMargin)
        SetDropTarget(nullptr);
}

void CSkinTreeCtrl::SetDropTarget(HTREEITEM item)
{
    if (m_dragImage)
        ImageList_DragShowNolock(FALSE);
    m_dropTarget = item;
    SendMessageA(Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(item));
    if (m_dragImage) {
        UpdateWindow(Hwnd());
        ImageList_DragShowNolock(TRUE);
    }
}

void CSkinTreeCtrl::OnHoverTimer()
{
    KillTimer(Hwnd(), kHoverTimer);
    if (HTREEITEM hit = ItemAt(m_lastPoint)) {
        SendMessageA(Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(hit));
        SendMessageA(Hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(hit));
    }
}

HTREEITEM CSkinTreeCtrl::LastVisibleItem() const
{
    HTREEITEM item = Next(nullptr, TVGN_FIRSTVISIBLE);
    const int visible = static_cast<int>(SendMessageA(Hwnd(), TVM_GETVISIBLECOUNT, 0, 0));
    for (int i = 1; item && i < visible; ++i) {
        HTREEITEM next = Next(item, TVGN_NEXTVISIBLE);
        if (!next)
            break;
        item = next;
    }
    return item;
}

void CSkinTreeCtrl::OnScrollTimer()
{
    ++m_scrollTicks;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const DragEdgeScroll scroll = DragEdgeScrollAt(m_lastPoint.y, client.bottom);
    if (scroll.direction == 0 || m_scrollTicks % scroll.rate != 0)
        return;
    if (m_dragImage)
        ImageList_DragShowNolock(FALSE);
    SendMessageA(Hwnd(), WM_VSCROLL, scroll.direction < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    SetDropTarget(scroll.direction < 0 ? Next(nullptr, TVGN_FIRSTVISIBLE) : LastVisibleItem());
    m_verticalBar.Sync();
}

void CSkinTreeCtrl::EndDrag()
{
    KillTimer(Hwnd(), kHoverTimer);
    KillTimer(Hwnd(), kScrollTimer);
    // Cleared first: releasing the capture comes back here as WM_CAPTURECHANGED.
    m_dragging = false;
    if (GetCapture() == Hwnd())
        ReleaseCapture();
    if (m_dragImage) {
        ImageList_DragLeave(Hwnd());
        ImageList_EndDrag();
        ImageList_Destroy(m_dragImage);
        m_dragImage = nullptr;
    }
    m_dropTarget = nullptr;
    SendMessageA(Hwnd(), TVM_SELECTITEM, TVGN_DROPHILITE, 0);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

bool CSkinTreeCtrl::IsInBranch(HTREEITEM item, HTREEITEM branchRoot) const
{
    for (HTREEITEM walk = item; walk; walk = Next(walk, TVGN_PARENT)) {
        if (walk == branchRoot)
            return true;
    }
    return false;
}

void CSkinTreeCtrl::Drop(bool rightButton)
{
    HTREEITEM dragged = m_dragItem;
    HTREEITEM target = m_dropTarget;
    m_dragItem = nullptr;
    EndDrag();
    // A branch cannot go into itself; checked before anyone is asked about the drop.
    if (!dragged || !target || IsInBranch(target, dragged))
        return;
    SendMessageA(Hwnd(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(target));
    if (m_mayDrop && m_mayDrop(Hwnd(), dragged, target) == 0)
        return;
    HTREEITEM copy = CopyBranch(dragged, target);
    if (!copy)
        return;
    if (m_afterDrop)
        m_afterDrop(Hwnd(), dragged, target);
    if (!rightButton)
        SendMessageA(Hwnd(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(dragged));
    SendMessageA(Hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(copy));
}

HTREEITEM CSkinTreeCtrl::CopyBranch(HTREEITEM source, HTREEITEM newParent)
{
    std::vector<char> text(kFirstTextBuffer);
    TVITEMA item{};
    for (;;) {
        item = TVITEMA{};
        item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_PARAM | TVIF_STATE;
        item.stateMask = static_cast<UINT>(-1);
        item.hItem = source;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(text.size());
        if (!SendMessageA(Hwnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
            return nullptr;
        if (std::strlen(text.data()) + 1 < text.size() || text.size() >= kLongestText)
            break;
        text.resize(text.size() * 4);
    }
    TVINSERTSTRUCTA insert{};
    insert.hParent = newParent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = item.mask;
    insert.item.pszText = text.data();
    insert.item.iImage = item.iImage;
    insert.item.iSelectedImage = item.iSelectedImage;
    insert.item.cChildren = item.cChildren;
    insert.item.state = item.state & ~(TVIS_SELECTED | TVIS_DROPHILITED);
    insert.item.stateMask = item.stateMask;
    insert.item.lParam = CopyData(item.lParam);
    auto copy =
        reinterpret_cast<HTREEITEM>(SendMessageA(Hwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
    if (!copy) {
        if (insert.item.lParam != item.lParam)
            FreeText(insert.item.lParam);
        return nullptr;
    }
    for (HTREEITEM child = Next(source, TVGN_CHILD); child; child = Next(child, TVGN_NEXT))
        CopyBranch(child, copy);
    return copy;
}
