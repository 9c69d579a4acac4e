#include "app/Launcher.h"
#include "data/ClipboardSnapshot.h"
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

TEST_F(LauncherTest, ComposedItemStartsOnlyItsCommandsInOrderWithPauses)
{
    // Member names that would start something if they were ever run.
    const std::string text = m_folder.File("member.exe") + "\r\n" + m_folder.File("MEMBER.EXE") + "^^^\r\n  " +
                             m_folder.File("First.EXE") + "\r\n" + m_folder.File("second.exe") + " \r\n";
    EXPECT_TRUE(LaunchCommandText(text));

    const std::vector<Start> starts = WaitForStarts(2);
    PumpFor(1000); // time for a wrongly started member to show up
    ASSERT_EQ(ReadStarts().size(), 2u);
    EXPECT_NE(starts[1].commandLine.find("second.exe"), std::string::npos) << starts[1].commandLine;
    // The command is started as written.
    EXPECT_NE(starts[0].commandLine.find("First.EXE"), std::string::npos) << starts[0].commandLine;
    EXPECT_GE(starts[1].tick - starts[0].tick, 450u);
}

TEST_F(LauncherTest, EmptyAndShortPiecesCostAPauseButStartNothing)
{
    const std::string text = m_folder.File("first.exe") + "\r\n\r\ncalc\r\n" + m_folder.File("second.exe");
    const DWORD before = GetTickCount();
    EXPECT_TRUE(LaunchCommandText(text));
    // Three pauses of 500 ms stand between the four pieces.
    EXPECT_GE(GetTickCount() - before, 1450u);

    const std::vector<Start> starts = WaitForStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_NE(starts[0].commandLine.find("first.exe"), std::string::npos);
    EXPECT_GE(starts[1].tick - starts[0].tick, 1400u);

    // Nothing to start at all: an empty command, blanks, a four-character word.
    EXPECT_TRUE(LaunchCommandText(""));
    EXPECT_TRUE(LaunchCommandText("   \t "));
    EXPECT_TRUE(LaunchCommandText("calc"));
    PumpFor(500);
    EXPECT_EQ(ReadStarts().size(), 2u);
}

TEST_F(LauncherTest, SnapshotPieceRestoresTheClipboard)
{
    HWND owner = CreateWindowA("STATIC", "main", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    g_mainWnd = owner;
    PutClipboardText(owner, "saved for later");
    const std::string path = m_folder.File("A1B2C3D4-0000-1111-2222-333344445555.stx");
    ASSERT_EQ(SaveClipboardSnapshot(owner, path.c_str()), 1);

    PutClipboardText(owner, "");
    // Written in capitals, and followed by a program.
    EXPECT_TRUE(LaunchCommandText("Clip^^^" + path + "\r\n" + m_folder.File("first.exe")));

    EXPECT_EQ(ClipboardText(owner), "saved for later");
    ASSERT_EQ(WaitForStarts(1).size(), 1u);

    g_mainWnd = nullptr;
    DestroyWindow(owner);
}

TEST_F(LauncherTest, ItemByIndexStartsThatItemsCommand)
{
    g_itemList.Clear();
    for (const char* name : {"FIRST.exe", "second.exe"}) {
        ShortcutItem item;
        item.ExePath = m_folder.File(name);
        g_itemList.Append(item);
    }

    // Out of range in either direction: nothing starts and nothing breaks.
    LaunchItemByIndex(-1);
    LaunchItemByIndex(2);
    LaunchItemByIndex(1);
    std::vector<Start> starts = WaitForStarts(1);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_NE(starts[0].commandLine.find("second.exe"), std::string::npos) << starts[0].commandLine;

    // A deleted item has an empty command and starts nothing.
    g_itemList.Tombstone(0, false);
    LaunchItemByIndex(0);
    PumpFor(1000);
    EXPECT_EQ(ReadStarts().size(), 1u);
    g_itemList.Clear();
}

TEST_F(LauncherTest, CommandLineArgumentsReachTheProgramUnchanged)
{
    // A batch file that writes what it was given; the argument's letter case is the point.
    const std::string received = m_folder.File("received.txt");
    WriteBytes(m_folder.File("Echo Args.bat"), "@echo off\r\necho %*> \"" + received + "\"\r\n");
    g_itemList.Clear();
    ShortcutItem item;
    item.ExePath = "  \"" + m_folder.File("Echo Args.bat") + "\" Hello WoRLD /Key=MixedCase \r\n";
    g_itemList.Append(item);

    LaunchItemByIndex(0);
    ASSERT_TRUE(PumpUntil([&] { return ReadBytes(received).find('\n') != std::string::npos; }, 20000));
    EXPECT_EQ(ReadBytes(received), "Hello WoRLD /Key=MixedCase\r\n");
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
