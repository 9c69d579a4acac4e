#include "app/Launcher.h"
#include "data/SharedItemList.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Start {
    unsigned long tick = 0;
    std::string commandLine;
};

class LauncherTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_marker = m_folder.File("starts.txt");
        const std::string marker = BesideTestProgram("marker.exe");
        for (const char* name : {"first.exe", "second.exe", "member.exe"})
            ASSERT_TRUE(CopyFileA(marker.c_str(), m_folder.File(name).c_str(), FALSE)) << name;
        // The first start of a program under Wine is slow; warm up so the ticks show the pauses.
        HANDLE warm = StartProcess("\"" + m_folder.File("member.exe") + "\" " + m_folder.File("warm.txt"));
        ASSERT_NE(warm, nullptr);
        WaitForSingleObject(warm, 30000);
        CloseHandle(warm);
        SetEnvironmentVariableA("TAV_MARKER", m_marker.c_str());
    }
    void TearDown() override { SetEnvironmentVariableA("TAV_MARKER", nullptr); }

    std::vector<Start> WaitForStarts(size_t count)
    {
        PumpUntil([&] { return ReadStarts().size() >= count; }, 20000);
        return ReadStarts();
    }

    std::vector<Start> ReadStarts() const
    {
        std::vector<Start> starts;
        std::istringstream lines(ReadBytes(m_marker));
        std::string line;
        while (std::getline(lines, line))
            starts.push_back({std::stoul(line.substr(0, line.find(' '))), line.substr(line.find(' ') + 1)});
        return starts;
    }

    TempFolder m_folder;
    std::string m_marker;
};

} // namespace

// Composed items in order, as written and never their member names, are also driven end to
// end; here the pauses, the pieces that start nothing, and items started by their index.
TEST_F(LauncherTest, ComposedItemsPauseAfterEveryPieceAndItemsStartByIndex)
{
    // Member names that would start something if they were ever run.
    const std::string text = m_folder.File("member.exe") + "\r\n" + m_folder.File("MEMBER.EXE") + "^^^\r\n  " +
                             m_folder.File("First.EXE") + "\r\n\r\ncalc\r\n" + m_folder.File("second.exe") + " \r\n";
    const DWORD before = GetTickCount();
    EXPECT_TRUE(LaunchCommandText(text));
    // Three pauses of 500 ms stand between the four pieces, the empty and the short one included.
    EXPECT_GE(GetTickCount() - before, 1450u);

    const std::vector<Start> starts = WaitForStarts(2);
    PumpFor(1000); // time for a wrongly started member to show up
    ASSERT_EQ(ReadStarts().size(), 2u);
    EXPECT_NE(starts[0].commandLine.find("First.EXE"), std::string::npos) << starts[0].commandLine;
    EXPECT_NE(starts[1].commandLine.find("second.exe"), std::string::npos) << starts[1].commandLine;
    EXPECT_GE(starts[1].tick - starts[0].tick, 1400u);

    // Nothing to start at all: an empty command, blanks, a four-character word.
    EXPECT_TRUE(LaunchCommandText(""));
    EXPECT_TRUE(LaunchCommandText("   \t "));
    EXPECT_TRUE(LaunchCommandText("calc"));

    // An item by its index: out of range in either direction, or deleted (its command is empty),
    // nothing starts and nothing breaks.
    g_itemList.Clear();
    for (const char* name : {"FIRST.exe", "second.exe"})
        g_itemList.Append(ShortcutItem{"", "", "", "", "", "", "0", "", m_folder.File(name)});
    LaunchItemByIndex(-1);
    LaunchItemByIndex(2);
    LaunchItemByIndex(1);
    ASSERT_EQ(WaitForStarts(3).size(), 3u);
    EXPECT_NE(ReadStarts()[2].commandLine.find("second.exe"), std::string::npos) << ReadStarts()[2].commandLine;
    g_itemList.Tombstone(0, false);
    LaunchItemByIndex(0);
    PumpFor(1000);
    EXPECT_EQ(ReadStarts().size(), 3u);
    g_itemList.Clear();
}

TEST_F(LauncherTest, TrialRunStartsEachEntryAsItStandsInOrderWithPauses)
{
    // Entries of a composed item before it is saved: an empty command is passed over, a
    // command line keeps its arguments as typed.
    const std::vector<std::string> commands = {m_folder.File("First.exe"), "",
                                               "\"" + m_folder.File("second.exe") + "\" Two ArGs",
                                               m_folder.File("member.exe")};
    const DWORD before = GetTickCount();
    RunCommandsInTurn(commands);
    EXPECT_GE(GetTickCount() - before, 950u);

    const std::vector<Start> starts = WaitForStarts(3);
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_NE(starts[0].commandLine.find("First.exe"), std::string::npos) << starts[0].commandLine;
    EXPECT_NE(starts[1].commandLine.find("second.exe\" Two ArGs"), std::string::npos) << starts[1].commandLine;
    EXPECT_NE(starts[2].commandLine.find("member.exe"), std::string::npos) << starts[2].commandLine;
    // Two pauses of 500 ms; how soon each started program runs varies, so only their span counts.
    EXPECT_GE(starts[2].tick - starts[0].tick, 800u);

    RunCommandsInTurn({});
    RunCommandsInTurn({"", ""});
    PumpFor(500);
    EXPECT_EQ(ReadStarts().size(), 3u);
}
