#pragma once
// Edits a custom command item: a name and one command per line. The caller fills Name, Command
// and Editable, runs the dialog, and on OK reads back both texts, trimmed.
#include "ui/ImageButton.h"
#include "ui/SkinDialog.h"

#include <functional>
#include <string>

class CItemInfoDlg : public CSkinDialog {
public:
    // Starts one program, the way "Test" runs the command: the owner passes the program's
    // starter, as the dialog lives below the application that owns it.
    using Runner = std::function<void(const std::string& command)>;

    explicit CItemInfoDlg(HWND parent = nullptr);

    std::string Name;
    std::string Command;
    // Pre-defined commands are kept as they are: only their name may change.
    bool Editable = true;
    Runner RunProgram;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, int code) override;

private:
    void OnTest();
    void OnFile();

    CImageButton m_ok;
    CImageButton m_cancel;
    CImageButton m_test;
    CImageButton m_file;
};
