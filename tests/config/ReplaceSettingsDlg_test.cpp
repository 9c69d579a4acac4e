#include "TempFolder.h"
#include "WinTestSupport.h"
#include "ui/TipText.h"
#include "config/ReplaceSettingsDlg.h"
#include "resource.h"
#include "ui/wnd/Application.h"
#include "ui/wnd/Choosers.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {
using Step = std::function<void(HWND dialog)>;

struct Steps {
    CDialog* dialog;
    std::vector<Step> steps;
    size_t ran = 0;
};

// Each step runs from the dialog's own loop; one left over after the dialog ended does nothing.
void RunStep(std::shared_ptr<Steps> state)
{
    if (state->ran >= state->steps.size() || !state->dialog->IsRunning())
        return;
    state->steps[state->ran++](state->dialog->Hwnd());
    RunSoon([state] { RunStep(state); });
}

// Returns the dialog's result and how many steps ran, so a dialog that never opened fails.
INT_PTR Drive(CDialog& dialog, std::vector<Step> steps, size_t& ran)
{
    auto state = std::make_shared<Steps>(Steps{&dialog, std::move(steps)});
    RunSoon([state] { RunStep(state); });
    const INT_PTR result = dialog.DoModal();
    ran = state->ran;
    return result;
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

class ReplaceSettingsTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_configPath = DistFolder() + "\\TavimorethConfig.ini";
        CApplication::SetMessageBoxResponder([this](const std::string& prompt, UINT) {
            m_messages.push_back(prompt);
            return IDOK;
        });
    }
    void TearDown() override
    {
        CApplication::SetMessageBoxResponder(nullptr);
        SetChooserAnswer(nullptr);
    }

    std::string ConfigIni() const { return m_folder.File("Config.ini"); }
    std::string InstallPathWritten() const
    {
        char value[512] = {};
        GetPrivateProfileStringA("Shortcut", "InstallPath", "", value, sizeof(value), ConfigIni().c_str());
        return value;
    }

    TempFolder m_folder;
    std::vector<std::string> m_messages;
};
} // namespace

TEST_F(ReplaceSettingsTest, OkTakesTheTextsAndRecordsTheInstallPath)
{
    std::vector<ChooserKind> asked;
    SetChooserAnswer([&](ChooserKind kind, std::string& path) {
        asked.push_back(kind);
        path = "D:\\New Apps";
        return true;
    });
    CReplaceSettingsDlg dialog(m_folder.Path().string());
    dialog.Settings.nameFind = "Old";
    size_t ran = 0;
    const INT_PTR result = Drive(dialog,
                                 {[&](HWND hwnd) {
                                      EXPECT_EQ(TextOf(hwnd, IDC_REPLACE_NAME_FIND), "Old");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_NAME_WITH, "New");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_SHORTNAME_FIND, "O");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_FIND, "  C:\\Old Apps \t");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_WITH, "typed over");
                                      Click(hwnd, IDC_REPLACE_BROWSE);
                                      EXPECT_EQ(TextOf(hwnd, IDC_REPLACE_PATH_WITH), "D:\\New Apps");
                                      Click(hwnd, IDC_REPLACE_ALL);
                                  },
                                  [&](HWND hwnd) { Click(hwnd, IDOK); }},
                                 ran);
    EXPECT_EQ(ran, 2u);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(asked, std::vector<ChooserKind>{ChooserKind::Folder});
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(dialog.Settings.nameFind, "Old");
    EXPECT_EQ(dialog.Settings.nameReplace, "New");
    EXPECT_EQ(dialog.Settings.shortNameFind, "O");
    EXPECT_EQ(dialog.Settings.shortNameReplace, "");
    EXPECT_EQ(dialog.Settings.pathFind, "C:\\Old Apps");
    EXPECT_EQ(dialog.Settings.pathReplace, "D:\\New Apps");
    EXPECT_TRUE(dialog.Settings.replaceAll);
    EXPECT_EQ(InstallPathWritten(), "C:\\Old Apps");
}

TEST_F(ReplaceSettingsTest, AnEmptyPathFindTextKeepsItOpenAndCancelWritesNothing)
{
    // A cancelled chooser leaves the replacement as typed.
    SetChooserAnswer([](ChooserKind, std::string&) { return false; });
    CReplaceSettingsDlg dialog(m_folder.Path().string());
    bool openAfterOk = false;
    size_t ran = 0;
    const INT_PTR result = Drive(dialog,
                                 {[&](HWND hwnd) {
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_NAME_FIND, "a");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_FIND, "   ");
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_WITH, "kept");
                                      Click(hwnd, IDC_REPLACE_BROWSE);
                                      EXPECT_EQ(TextOf(hwnd, IDC_REPLACE_PATH_WITH), "kept");
                                      Click(hwnd, IDOK);
                                  },
                                  [&](HWND hwnd) {
                                      openAfterOk = dialog.IsRunning() && IsWindowVisible(hwnd);
                                      SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_FIND, "C:\\Old");
                                      Click(hwnd, IDC_REPLACE_EXIT);
                                  }},
                                 ran);
    EXPECT_EQ(ran, 2u);
    EXPECT_TRUE(openAfterOk);
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(m_messages, std::vector<std::string>{GetTipText("FindWhatEmpty")});
    EXPECT_FALSE(FileExists(ConfigIni()));

    CReplaceSettingsDlg second(m_folder.Path().string());
    const INT_PTR cancelled = Drive(second, {[&](HWND hwnd) {
                                        SetDlgItemTextA(hwnd, IDC_REPLACE_PATH_FIND, "C:\\Old");
                                        Click(hwnd, IDCANCEL);
                                    }},
                                    ran);
    EXPECT_EQ(ran, 1u);
    EXPECT_EQ(cancelled, IDCANCEL);
    EXPECT_FALSE(FileExists(ConfigIni()));
}
