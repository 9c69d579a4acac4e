#pragma once
// The application object: owns the process's life and the one message-box hook.
#include <windows.h>

#include <functional>
#include <string>

class CDialog;

class CApplication {
public:
    // Tests answer message boxes here instead of a person: the responder gets the prompt and
    // the MB_* type and returns the button id the user would have pressed.
    using MessageBoxResponder = std::function<int(const std::string& prompt, UINT type)>;

    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* Current();

    // Runs InitInstance; when it reports that nothing is left to run, ExitInstance gives the
    // exit code.
    int Run(HINSTANCE instance);

    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }
    virtual int DoMessageBox(const char* prompt, UINT type, UINT helpId);
    virtual bool PreTranslateMessage(MSG* msg);

    void SetMainDialog(CDialog* dialog) { m_mainDialog = dialog; }
    CDialog* MainDialog() const { return m_mainDialog; }

    static void SetMessageBoxResponder(MessageBoxResponder responder);
    static int ShowMessage(const char* prompt, UINT type, UINT helpId);

    // The one place that reports an exception caught at a window procedure's boundary.
    static void ReportUnexpected(const char* where) noexcept;

private:
    HINSTANCE m_instance = nullptr;
    CDialog* m_mainDialog = nullptr;
};

// Every message box of the program goes through here (and so through the hook).
int AppMessageBox(const char* prompt, UINT type = MB_OK, UINT helpId = 0);
