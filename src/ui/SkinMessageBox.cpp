#include "ui/SkinMessageBox.h"

#include "resource.h"

#include <utility>

CSkinMessageBox::CSkinMessageBox(std::string title, std::string text, UINT type, const std::string& backgroundPath,
                                 COLORREF borderColour, std::string buttonNormalPath, std::string buttonHoverPath,
                                 HWND parent)
    : CSkinDialog(IDD_SKIN_MESSAGEBOX, parent), m_title(std::move(title)), m_text(std::move(text)), m_type(type),
      m_borderColour(borderColour), m_buttonNormalPath(std::move(buttonNormalPath)),
      m_buttonHoverPath(std::move(buttonHoverPath))
{
    SetBackgroundPath(backgroundPath);
    SetDragAnywhere(false);
}

UINT CSkinMessageBox::ButtonKind(UINT type)
{
    const UINT kind = type & MB_TYPEMASK;
    // A box without buttons could only be closed from the keyboard: other kinds get Ok.
    return (kind == MB_OKCANCEL || kind == MB_YESNO) ? kind : MB_OK;
}

BOOL CSkinMessageBox::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    SetDlgItemTextA(Hwnd(), IDC_MESSAGE_TEXT, m_text.c_str());
    SetDlgItemTextA(Hwnd(), IDC_TITLE_STATIC, m_title.c_str());
    SetWindowTextA(Hwnd(), m_title.c_str());
    SetupButton(m_yesButton, IDYES);
    SetupButton(m_noButton, IDNO);
    SetupButton(m_okButton, IDOK);
    SetupButton(m_cancelButton, IDCANCEL);
    ShowButtons();
    return FALSE;
}

void CSkinMessageBox::SetupButton(CImageButton& button, int id)
{
    if (button.AttachDlgItem(Hwnd(), id))
        button.SetImage(m_buttonNormalPath.c_str(), m_buttonHoverPath.c_str(), m_buttonHoverPath.c_str());
}

void CSkinMessageBox::ShowButtons()
{
    const UINT kind = ButtonKind(m_type);
    const bool yesNo = kind == MB_YESNO;
    const bool withCancel = kind == MB_OKCANCEL;
    const struct {
        int id;
        bool shown;
    } buttons[] = {{IDYES, yesNo}, {IDNO, yesNo}, {IDOK, !yesNo}, {IDCANCEL, withCancel}};
    for (const auto& button : buttons) {
        HWND control = Item(button.id);
        EnableWindow(control, button.shown ? TRUE : FALSE);
        ShowWindow(control, button.shown ? SW_SHOW : SW_HIDE);
    }
    // Enter presses the default button; a hidden Ok must not stay the default of a question.
    SendMessageA(Hwnd(), DM_SETDEFID, yesNo ? IDYES : IDOK, 0);
    SetFocus(Item(yesNo ? IDYES : IDOK));
}

// Enter answers with the first button. Escape gives no answer (IDCANCEL), also to a Yes/No
// question: each caller decides which answer is the harmless one.
void CSkinMessageBox::OnOK()
{
    EndDialog(ButtonKind(m_type) == MB_YESNO ? IDYES : IDOK);
}

void CSkinMessageBox::OnCancel()
{
    EndDialog(IDCANCEL);
}

bool CSkinMessageBox::OnCommand(int id, int code)
{
    // Enter and Escape arrive as the commands of Ok and Cancel even when those are hidden.
    if (code != BN_CLICKED || !IsWindowVisible(Item(id)))
        return false;
    switch (id) {
    case IDYES:
    case IDNO:
    case IDOK:
    case IDCANCEL:
        EndDialog(id);
        return true;
    default:
        return false;
    }
}

bool CSkinMessageBox::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    RECT client{};
    GetClientRect(Hwnd(), &client);
    HBRUSH border = CreateSolidBrush(m_borderColour);
    FrameRect(dc, &client, border);
    DeleteObject(border);
    EndPaint(Hwnd(), &paint);
    return true;
}

HBRUSH CSkinMessageBox::OnCtlColor(HDC dc, HWND control, UINT msg)
{
    const int id = GetDlgCtrlID(control);
    if (msg != WM_CTLCOLORSTATIC || (id != IDC_MESSAGE_TEXT && id != IDC_TITLE_STATIC))
        return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}
