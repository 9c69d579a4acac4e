#include "app/RunCommand.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class RunCommandTest : public testing::Test {
protected:
    void TearDown() override { SetEnvironmentVariableA("TAV_MARKER", nullptr); }
    TempFolder m_folder;
    const std::string m_marker = m_folder.File("marker.txt");
    const std::string m_program = BesideTestProgram("marker.exe");
};
} // namespace

TEST_F(RunCommandTest, FullProgramPathIsCreatedAsProcess)
{
    SetEnvironmentVariableA("TAV_MARKER", m_marker.c_str());
    EXPECT_TRUE(RunCommand(m_program.c_str(), nullptr, true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
}

TEST_F(RunCommandTest, DocumentGoesToItsAssociatedProgram)
{
    // Associate a document type of our own with the marker program, as an installer would.
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, ".tavdoc", REG_SZ, "Tavimoreth.TestDocument", 0), ERROR_SUCCESS);
    const std::string open = "\"" + m_program + "\" \"" + m_marker + "\"";
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, "Tavimoreth.TestDocument\\shell\\open\\command", REG_SZ, open.c_str(), 0),
              ERROR_SUCCESS);
    const std::string document = m_folder.File("letter.tavdoc");
    WriteBytes(document, "text");
    EXPECT_FALSE(RunCommand(document.c_str(), nullptr, true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
}

TEST_F(RunCommandTest, CommandLinesAndParametersReachTheProgram)
{
    // A command line with arguments falls through to WinExec.
    EXPECT_FALSE(RunCommand((m_program + " " + m_marker).c_str(), "", true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
    EXPECT_NE(ReadBytes(m_marker).find(m_marker), std::string::npos);
    // Program and parameters: the joined line names no file, so the shell starts the program.
    const std::string second = m_folder.File("second.txt");
    EXPECT_FALSE(RunCommand(m_program.c_str(), second.c_str(), true));
    ASSERT_TRUE(WaitForFile(second, 10000));
}
