#include "app/RunCommand.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string TestProgramFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

class RunCommandTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_marker = m_folder.File("marker.txt");
        m_program = TestProgramFolder() + "\\marker.exe";
    }
    void TearDown() override { SetEnvironmentVariableA("TAV_MARKER", nullptr); }
    TempFolder m_folder;
    std::string m_marker;
    std::string m_program;
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
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CLASSES_ROOT, ".tavdoc", &key), ERROR_SUCCESS);
    RegSetValueA(key, nullptr, REG_SZ, "Tavimoreth.TestDocument", 0);
    RegCloseKey(key);
    const std::string open = "\"" + m_program + "\" \"" + m_marker + "\"";
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, "Tavimoreth.TestDocument\\shell\\open\\command", REG_SZ, open.c_str(), 0),
              ERROR_SUCCESS);
    const std::string document = m_folder.File("letter.tavdoc");
    WriteBytes(document, "text");

    EXPECT_FALSE(RunCommand(document.c_str(), nullptr, true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
}

TEST_F(RunCommandTest, CommandLineWithArgumentsFallsThroughToWinExec)
{
    const std::string line = m_program + " " + m_marker;
    EXPECT_FALSE(RunCommand(line.c_str(), "", true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
    EXPECT_NE(ReadBytes(m_marker).find(m_marker), std::string::npos);
}

TEST_F(RunCommandTest, ProgramWithParametersGoesThroughTheShell)
{
    // The joined line names no file, so the process attempt fails; the shell then starts the
    // program with its parameters.
    EXPECT_FALSE(RunCommand(m_program.c_str(), m_marker.c_str(), true));
    ASSERT_TRUE(WaitForFile(m_marker, 10000));
}
