#include "ui/wnd/Application.h"

#include "ui/wnd/Dialog.h"

namespace {
CApplication* g_application = nullptr;
CApplication::MessageBoxResponder& Responder()
{
    static CApplication::MessageBoxResponder responder;
    return responder;
}
} // namespace

CApplication::CApplication()
{
    g_application = this;
}

CApplication::~CApplication()
{
    if (g_application == this)
        g_application = nullptr;
}

CApplication* CApplication::Current()
{
    return g_application;
}

int CApplication::Run(HINSTANCE instance)
{
    m_instance = instance;
    try {
        InitInstance();
        return ExitInstance();
    } catch (...) {
        ReportUnexpected("application");
        return 1;
    }
}

int CApplication::DoMessageBox(const char* prompt, UINT type, UINT /*helpId*/)
{
    HWND owner = m_mainDialog ? m_mainDialog->Hwnd() : nullptr;
    return MessageBoxA(owner, prompt, "", type);
}

bool CApplication::PreTranslateMessage(MSG* msg)
{
    return CDialog::RoutePreTranslate(msg, m_mainDialog);
}

void CApplication::SetMessageBoxResponder(MessageBoxResponder responder)
{
    Responder() = std::move(responder);
}

int CApplication::ShowMessage(const char* prompt, UINT type, UINT helpId)
{
    if (Responder())
        return Responder()(prompt ? prompt : "", type);
    if (g_application)
        return g_application->DoMessageBox(prompt, type, helpId);
    return MessageBoxA(nullptr, prompt, "", type);
}

void CApplication::ReportUnexpected(const char* where) noexcept
{
    char text[256];
    wsprintfA(text, "An unexpected error stopped an operation (%s). Your data files were not changed by it.", where);
    MessageBoxA(nullptr, text, "Tavimoreth", MB_OK | MB_ICONERROR);
}

int AppMessageBox(const char* prompt, UINT type, UINT helpId)
{
    return CApplication::ShowMessage(prompt, type, helpId);
}
