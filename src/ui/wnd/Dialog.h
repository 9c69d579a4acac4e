#pragma once
// A modal dialog bound to a template of the .rc. One procedure, one switch: OnMessage routes
// the messages to the virtual handlers below; a dialog overrides only what it needs.
#include <windows.h>
#include <commctrl.h>

class CDialog {
public:
    explicit CDialog(int templateId, HWND parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the dialog and runs its own message loop until EndDialog; thread messages (such
    // as hotkeys registered without a window) reach PreTranslateMessage on the way.
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    bool IsRunning() const { return m_hwnd != nullptr && !m_ending; }

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    // A control's rectangle in this dialog's client coordinates.
    RECT ControlRect(int id) const;

    static CDialog* FromHandle(HWND hwnd);
    // Offers a message to the dialogs it is aimed at (innermost first), then to the main one.
    static bool RoutePreTranslate(MSG* msg, CDialog* mainDialog);
    // What every message loop of the program does before dispatching a message: offers it
    // for pre-translation, then to the dialog it is aimed at for keyboard navigation.
    // Returns true when the message was taken.
    static bool TranslateLoopMessage(MSG* msg);

    virtual bool PreTranslateMessage(MSG* msg);

protected:
    virtual INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Return true when handled.
    virtual bool OnCommand(int id, int code) { return false; }
    virtual bool OnNotify(int id, NMHDR* header, LRESULT& result) { return false; }
    virtual void OnTimer(UINT_PTR timerId) {}
    virtual bool OnPaint() { return false; }
    virtual bool OnEraseBkgnd(HDC dc) { return false; }
    // Return a brush to colour a control, or nullptr for the default.
    virtual HBRUSH OnCtlColor(HDC dc, HWND control, UINT msg) { return nullptr; }
    // Return a hit-test code, or kDefaultHitTest to leave the answer to the system.
    virtual LRESULT OnNcHitTest(POINT screenPoint) { return kDefaultHitTest; }
    virtual bool OnDrawItem(int id, DRAWITEMSTRUCT* item) { return false; }

    // Sets the result of a handled message, as dialog procedures must.
    INT_PTR SetResult(LRESULT result);

    static constexpr LRESULT kDefaultHitTest = -100;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Reflect(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled);
    void RunModalLoop();

    int m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    bool m_ending = false;
    INT_PTR m_result = IDCANCEL;
};
