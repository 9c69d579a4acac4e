#include "ui/SkinDialog.h"

#include "ui/TipText.h"
#include "ui/wnd/InstallFolder.h"

#include <algorithm>

CSkinDialog::CSkinDialog(int templateId, HWND parent) : CDialog(templateId, parent)
{
}

std::string CSkinDialog::ImagesFolder()
{
    return InstallFolder() + "\\Images";
}

std::string CSkinDialog::ImagePath(const std::string& file)
{
    const bool fullPath = file.find(':') != std::string::npos || file.rfind("\\\\", 0) == 0;
    return fullPath ? file : ImagesFolder() + "\\" + file;
}

void CSkinDialog::SetFrameButtons(int minimizeId, int exitId, int helpId, HelpImages help)
{
    m_minimizeId = minimizeId;
    m_exitId = exitId;
    m_helpId = helpId;
    m_helpImages = help;
}

void CSkinDialog::SetupImageButton(CImageButton& button, int id, const std::string& stem, const char* tipKey)
{
    if (!button.AttachDlgItem(Hwnd(), id))
        return;
    button.SetImageStem(ImagesFolder(), stem);
    if (tipKey) {
        const std::string tip = GetTipText(tipKey);
        button.SetTooltipText(tip.c_str());
    }
}

BOOL CSkinDialog::OnInitDialog()
{
    if (!m_backgroundPath.empty())
        m_background.Load(m_backgroundPath);
    SetupFrameButtons();
    return TRUE;
}

void CSkinDialog::SetupFrameButtons()
{
    if (m_minimizeId)
        SetupImageButton(m_minimizeButton, m_minimizeId, "Min", "MinButton");
    if (m_exitId)
        SetupImageButton(m_exitButton, m_exitId, "Exit", "ExitButton");
    if (m_helpId && m_helpButton.AttachDlgItem(Hwnd(), m_helpId)) {
        if (m_helpImages == kHelp03)
            m_helpButton.SetImagePair(ImagesFolder(), "Help_03.png", "Help_04.png");
        else
            m_helpButton.SetImagePair(ImagesFolder(), "Help_01.png", "Help_02.png");
        const std::string tip = GetTipText("HelpButton");
        m_helpButton.SetTooltipText(tip.c_str());
    }
}

bool CSkinDialog::OnCommand(int id, int code)
{
    if (code != BN_CLICKED || id == 0)
        return false;
    if (id == m_minimizeId)
        OnMinimizeButton();
    else if (id == m_exitId)
        OnExitButton();
    else if (id == m_helpId)
        OnHelpButton();
    else
        return false;
    return true;
}

void CSkinDialog::DrawBackground(HDC dc, const RECT& rect) const
{
    if (m_background.IsLoaded()) {
        m_background.Draw(dc, rect);
        return;
    }
    HBRUSH brush = CreateSolidBrush(kFallbackBackground);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool CSkinDialog::OnEraseBkgnd(HDC dc)
{
    RECT client{};
    GetClientRect(Hwnd(), &client);
    DrawBackground(dc, client);
    return true;
}

bool CSkinDialog::IsInputControl(HWND control) const
{
    const int id = GetDlgCtrlID(control);
    return std::find(m_inputIds.begin(), m_inputIds.end(), id) != m_inputIds.end();
}

HBRUSH CSkinDialog::OnCtlColor(HDC dc, HWND control, UINT msg)
{
    if (msg == WM_CTLCOLORDLG || IsInputControl(control))
        return nullptr;
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

LRESULT CSkinDialog::OnNcHitTest(POINT screenPoint)
{
    if (!m_dragAnywhere)
        return kDefaultHitTest;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    MapWindowPoints(Hwnd(), HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return PtInRect(&client, screenPoint) ? HTCAPTION : kDefaultHitTest;
}
