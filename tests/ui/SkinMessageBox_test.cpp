#include "app/LauncherApp.h"
#include "resource.h"
#include "ui/TipText.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>

namespace {
using Answer = std::function<void(HWND box)>;

Answer Click(int id)
{
    return [id](HWND box) { SendMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); };
}

Answer Key(WPARAM key)
{
    return [key](HWND box) {
        HWND focus = GetFocus() ? GetFocus() : box;
        PostMessageA(focus, WM_KEYDOWN, key, 0);
        PostMessageA(focus, WM_KEYUP, key, 0);
    };
}

// Hidden buttons must not answer even when something sends their command.
Answer CommandOf(int id)
{
    return [id](HWND box) {
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
    };
}

Answer LookThenClickOk()
{
    return [](HWND box) {
        PumpFor(50);
        EXPECT_EQ(PixelOf(box, 0, 0), RGB(7, 191, 255)) << "the border colour runs along the edge";
        RECT rect{};
        GetWindowRect(box, &rect);
        EXPECT_NE(SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 5, rect.bottom - 5)), HTCAPTION)
            << "the message box stays where it is";
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    };
}
} // namespace

// Each row shows a box through the application's hook, answers it, and checks the answer and
// the buttons it showed.
TEST(SkinMessageBox, EachTypeShowsItsButtonsAndAnswersByMouseAndKey)
{
    TempFolder folder;
    const std::string savedConfig = g_configPath;
    g_configPath = folder.File("TavimorethConfig.ini");
    WriteBytes(g_configPath, "[TipMsgs]\r\nShortDlgTitle=Launcher question\r\nDeleteItem=Delete the item?\r\n");
    TheApp().m_paths = InstallPaths::In(DistFolder());

    const std::set<int> ok{IDOK};
    const std::set<int> okCancel{IDOK, IDCANCEL};
    const std::set<int> yesNo{IDYES, IDNO};
    const struct {
        const char* what;
        UINT type;
        Answer answer;
        int result;
        std::set<int> shown;
    } rows[] = {
        {"OK", MB_OK, Click(IDOK), IDOK, ok},
        {"OK of OK/Cancel", MB_OKCANCEL, Click(IDOK), IDOK, okCancel},
        {"Cancel", MB_OKCANCEL, Click(IDCANCEL), IDCANCEL, okCancel},
        {"Yes", MB_YESNO, Click(IDYES), IDYES, yesNo},
        {"No", MB_YESNO, Click(IDNO), IDNO, yesNo},
        {"icon and default-button flags", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, Click(IDNO), IDNO, yesNo},
        {"Escape answers no question", MB_YESNO, Key(VK_ESCAPE), IDCANCEL, yesNo},
        {"Enter on a question", MB_YESNO, Key(VK_RETURN), IDYES, yesNo},
        {"Escape on OK/Cancel", MB_OKCANCEL, Key(VK_ESCAPE), IDCANCEL, okCancel},
        {"Enter on OK", MB_OK, Key(VK_RETURN), IDOK, ok},
        {"a type without buttons of its own can be closed", MB_YESNOCANCEL, Click(IDOK), IDOK, ok},
        {"the hidden OK of a question", MB_YESNO, CommandOf(IDOK), IDYES, yesNo},
        {"drawn with its border, not draggable", MB_OK, LookThenClickOk(), IDOK, ok},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        auto answered = std::make_shared<bool>(false);
        RunSoon([&, answered] {
            HWND box = FindTopWindow("#32770", "Launcher question");
            ASSERT_NE(GetDlgItem(box, IDC_MESSAGE_TEXT), nullptr) << "no skinned box open";
            *answered = true;
            std::set<int> shown;
            for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
                if (IsWindowVisible(GetDlgItem(box, id)) && IsWindowEnabled(GetDlgItem(box, id)))
                    shown.insert(id);
            }
            EXPECT_EQ(shown, row.shown);
            EXPECT_EQ(TextOf(box, IDC_TITLE_STATIC), "Launcher question") << "captioned with ShortDlgTitle";
            EXPECT_EQ(TextOf(box, IDC_MESSAGE_TEXT), "Delete the item?");
            row.answer(box);
        });
        // The prompt comes from the same texts as the caption, as the windows' prompts do.
        EXPECT_EQ(TheApp().DoMessageBox(GetTipText("DeleteItem"), row.type, 0), row.result);
        EXPECT_TRUE(*answered) << "the box never opened";
    }
    g_configPath = savedConfig;
}
