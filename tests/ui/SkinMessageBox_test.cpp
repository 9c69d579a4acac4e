#include "app/LauncherApp.h"
#include "ui/TipText.h"
#include "resource.h"
#include "ui/SkinMessageBox.h"

#include "SolidPng.h"
#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

namespace {
// The visible skinned box of this thread, if one is open.
HWND OpenBox()
{
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM result) {
            if (IsWindowVisible(hwnd) && GetDlgItem(hwnd, IDC_MESSAGE_TEXT)) {
                *reinterpret_cast<HWND*>(result) = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::set<int> VisibleButtons(HWND box)
{
    std::set<int> shown;
    for (int id : {IDOK, IDCANCEL, IDYES, IDNO}) {
        if (IsWindowVisible(GetDlgItem(box, id)) && IsWindowEnabled(GetDlgItem(box, id)))
            shown.insert(id);
    }
    return shown;
}

class SkinMessageBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_savedConfig = g_configPath;
        g_configPath = m_folder.File("TavimorethConfig.ini");
        WriteBytes(g_configPath, "[TipMsgs]\r\nShortDlgTitle=Launcher question\r\n");
        TheApp().m_paths = InstallPaths::In(DistFolder());
    }
    void TearDown() override { g_configPath = m_savedConfig; }

    // Shows a box through the application's hook and answers it with `answer` (a button id to
    // click, or a key); returns the box's result and what it showed.
    int Ask(UINT type, const std::function<void(HWND)>& answer)
    {
        m_shown.clear();
        auto answered = std::make_shared<bool>(false);
        RunSoon([this, answer, answered] {
            HWND box = OpenBox();
            ASSERT_NE(box, nullptr);
            *answered = true;
            m_shown = VisibleButtons(box);
            m_title = TextOf(box, IDC_TITLE_STATIC);
            m_text = TextOf(box, IDC_MESSAGE_TEXT);
            answer(box);
        });
        const int result = TheApp().DoMessageBox("Delete the item?", type, 0);
        EXPECT_TRUE(*answered) << "the box never opened";
        return result;
    }
    static std::function<void(HWND)> Click(int id)
    {
        return [id](HWND box) { SendMessageA(GetDlgItem(box, id), BM_CLICK, 0, 0); };
    }
    static std::function<void(HWND)> Key(WPARAM key)
    {
        return [key](HWND box) {
            HWND focus = GetFocus();
            PostMessageA(focus ? focus : box, WM_KEYDOWN, key, 0);
            PostMessageA(focus ? focus : box, WM_KEYUP, key, 0);
        };
    }

    TempFolder m_folder;
    std::string m_savedConfig;
    std::set<int> m_shown;
    std::string m_title;
    std::string m_text;
};
} // namespace

TEST_F(SkinMessageBoxTest, EachTypeShowsOnlyItsButtonsAndReturnsTheClickedOne)
{
    EXPECT_EQ(Ask(MB_OK, Click(IDOK)), IDOK);
    EXPECT_EQ(m_shown, (std::set<int>{IDOK}));
    EXPECT_EQ(m_title, "Launcher question") << "captioned with the text of ShortDlgTitle";
    EXPECT_EQ(m_text, "Delete the item?");

    EXPECT_EQ(Ask(MB_OKCANCEL, Click(IDOK)), 1);
    EXPECT_EQ(m_shown, (std::set<int>{IDOK, IDCANCEL}));
    EXPECT_EQ(Ask(MB_OKCANCEL, Click(IDCANCEL)), 2);

    EXPECT_EQ(Ask(MB_YESNO, Click(IDYES)), 6);
    EXPECT_EQ(m_shown, (std::set<int>{IDYES, IDNO}));
    EXPECT_EQ(Ask(MB_YESNO, Click(IDNO)), 7);
    EXPECT_EQ(Ask(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, Click(IDNO)), 7)
        << "icon and default-button flags do not change the buttons";
    EXPECT_EQ(m_shown, (std::set<int>{IDYES, IDNO}));
}

TEST_F(SkinMessageBoxTest, KeyboardAnswersAndTypesWithoutButtonsOfTheirOwn)
{
    EXPECT_EQ(Ask(MB_YESNO, Key(VK_ESCAPE)), IDCANCEL) << "Escape answers no question";
    EXPECT_EQ(Ask(MB_YESNO, Key(VK_RETURN)), IDYES);
    EXPECT_EQ(Ask(MB_OKCANCEL, Key(VK_ESCAPE)), IDCANCEL);
    EXPECT_EQ(Ask(MB_OK, Key(VK_RETURN)), IDOK);

    EXPECT_EQ(Ask(MB_YESNOCANCEL, Click(IDOK)), IDOK);
    EXPECT_EQ(m_shown, (std::set<int>{IDOK})) << "a box can always be closed with the mouse";
    // Hidden buttons must not answer even when something sends their command.
    EXPECT_EQ(Ask(MB_YESNO,
                  [](HWND box) {
                      SendMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                   reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
                  }),
              IDYES);
}

TEST_F(SkinMessageBoxTest, BoxIsDrawnWithItsBorderAndDoesNotDrag)
{
    EXPECT_EQ(Ask(MB_OK,
                  [](HWND box) {
                      PumpFor(50);
                      EXPECT_EQ(PixelOf(box, 0, 0), RGB(7, 191, 255)) << "the border colour runs along the edge";
                      RECT rect{};
                      GetWindowRect(box, &rect);
                      const LRESULT hit =
                          SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(rect.left + 5, rect.bottom - 5));
                      EXPECT_NE(hit, HTCAPTION) << "the message box stays where it is";
                      SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
                  }),
              IDOK);
}
