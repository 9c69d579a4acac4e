#pragma once
// An image-drawn scroll bar that stands beside a list or tree (its target) as a sibling
// window and drives it with the standard scroll messages. Any window with scroll bars can be
// a target: Create() hides the target's own bar of this orientation and follows every change
// of the target's scroll position from then on, so owners need not call Sync() themselves
// (they still may).
#include "ui/ScrollGeometry.h"
#include "ui/wnd/PngImage.h"

#include <windows.h>

#include <string>

class CSkinScrollBar {
public:
    static constexpr int kBarWidth = 12;
    static constexpr int kControlId = 65535;
    // Sent to the parent by the horizontal bar before each of its scroll messages.
    static constexpr UINT kHorizontalScrollNotice = 0x52C;

    explicit CSkinScrollBar(bool vertical);
    ~CSkinScrollBar();
    CSkinScrollBar(const CSkinScrollBar&) = delete;
    CSkinScrollBar& operator=(const CSkinScrollBar&) = delete;

    // Creates the bar as a visible child of the target's parent and binds it to the target.
    bool Create(HWND target);
    void Destroy();
    // Loads the bar's four images from the installation folder's Images folder; a missing
    // file leaves that part to the drawn fallback.
    void AttachImages(const std::string& installFolder);
    // Puts the bar beside the target: the vertical one along its right edge, starting
    // `topInset` pixels below its top (a list's header), the horizontal one below it.
    void Place(int topInset = 0);
    // Reads the target's scroll position and limit again and repaints.
    void Sync();

    void SetCorner(bool corner);
    void Show(bool show);
    void Enable(bool enable);

    HWND Hwnd() const { return m_hwnd; }
    bool IsVertical() const { return m_vertical; }
    bool Corner() const { return m_geometry.Corner(); }
    int Position() const { return m_position; }
    int Maximum() const { return m_maximum; }
    int PageSize() const { return m_page; }
    int ThumbOffset() const { return m_thumbOffset; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    static bool RegisterWindowClass();

    LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    bool OnTargetMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void AfterTargetMessage();
    void OnLButtonDown(int along);
    void OnLButtonUp(int along);
    void OnMouseMove(int along);
    void OnTimer(UINT_PTR id);
    void OnPaint();
    void ResetPress();

    bool ReadTarget(int& position, int& maximum, int& page) const;
    void UpdateGeometry();
    int Along(LPARAM lParam) const;
    void RunPressedPart();
    bool LineTowardsStart(bool sync);
    bool LineTowardsEnd(bool sync);
    bool PageTowardsStart();
    bool PageTowardsEnd();
    void SendScroll(int code);

    void Draw(HDC dc, const RECT& client) const;
    void DrawArrow(HDC dc, const RECT& box, bool start) const;
    void DrawTrack(HDC dc, const RECT& box) const;
    void DrawThumb(HDC dc, const RECT& box) const;
    RECT PartRect(int from, int length) const;

    bool m_vertical;
    HWND m_hwnd = nullptr;
    HWND m_target = nullptr;
    int m_position = 0;
    int m_maximum = 0;
    int m_page = 0;
    ScrollGeometry m_geometry;
    int m_thumbOffset = ScrollGeometry::kArrowLength;
    ScrollGeometry::Part m_pressed = ScrollGeometry::Part::None;
    bool m_dragging = false;
    // The owner's redraw is switched off (WM_SETREDRAW): it is being filled in bulk.
    bool m_ownerFrozen = false;
    int m_lastAlong = 0;
    int m_grabOffset = 0;
    bool m_repeating = false;
    CPngImage m_startArrow;
    CPngImage m_endArrow;
    CPngImage m_track;
    CPngImage m_thumb;
};
