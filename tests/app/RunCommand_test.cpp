#include "app/RunCommand.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

// A program by its full path, and a command line with arguments, are started by every item test
// and end to end; here the two ways that reach the shell.
TEST(RunCommand, DocumentsGoToTheirProgramAndParametersReachTheProgram)
{
    TempFolder folder;
    const std::string program = BesideTestProgram("marker.exe");
    // Associate a document type of our own with the marker program, as an installer would.
    const std::string opened = folder.File("opened.txt");
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, ".tavdoc", REG_SZ, "Tavimoreth.TestDocument", 0), ERROR_SUCCESS);
    const std::string open = "\"" + program + "\" \"" + opened + "\"";
    ASSERT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, "Tavimoreth.TestDocument\\shell\\open\\command", REG_SZ, open.c_str(), 0),
              ERROR_SUCCESS);
    const std::string document = folder.File("letter.tavdoc");
    WriteBytes(document, "text");
    EXPECT_FALSE(RunCommand(document.c_str(), nullptr, true));
    EXPECT_TRUE(WaitForFile(opened, 10000));

    // Program and parameters: the joined line names no file, so the shell starts the program.
    const std::string given = folder.File("given.txt");
    EXPECT_FALSE(RunCommand(program.c_str(), given.c_str(), true));
    EXPECT_TRUE(WaitForFile(given, 10000));
}
