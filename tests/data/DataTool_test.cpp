// Runs the real tavimoreth-data program on real files and reads its exit code and output.
#include "DataBytes.h"
#include "TempFolder.h"

#include "data/CatalogData.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {
struct ToolResult {
    int exit = -1;
    std::string out;
};

ToolResult RunTool(const std::string& args)
{
    ToolResult result;
    std::string command = std::string("'") + TAV_DATA_TOOL + "' " + args + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        result.out.append(buffer, got);
    int status = pclose(pipe);
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

size_t Lines(const std::string& text)
{
    return static_cast<size_t>(std::count(text.begin(), text.end(), '\n'));
}

const std::string kA = "AAAAAAAA-0000-0000-0000-000000000001";
const std::string kB = "BBBBBBBB-0000-0000-0000-000000000002";

std::string TwoItems(char flag = '\0')
{
    return Header("0000000000000002", flag) + Slot("Notes") + Slot("N") + Slot("Alt") + Slot("F5") + Slot("") +
           Slot("line one\r\nline two") + Slot("0") + Slot(kA) + Slot("notepad.exe") + Slot("") + Slot("") + Slot("") +
           Slot("") + Slot("") + Slot("") + Slot("-1") + Slot("") + Slot("");
}
} // namespace

TEST(DataTool, ItemsFileDumpCheckAndRewrite)
{
    TempFolder folder;
    const std::string dat = folder.File("Shortcut2.dat");
    const std::string out = folder.File("out.dat");
    WriteBytes(dat, TwoItems('\x01'));

    ToolResult dump = RunTool("dump '" + dat + "'");
    EXPECT_EQ(dump.exit, 0);
    EXPECT_NE(dump.out.find("#0 live"), std::string::npos);
    EXPECT_NE(dump.out.find("#1 tombstone"), std::string::npos);
    EXPECT_NE(dump.out.find("Description: \"line one\\r\\nline two\""), std::string::npos);
    EXPECT_NE(dump.out.find("editing flag 1"), std::string::npos);

    EXPECT_EQ(RunTool("check '" + dat + "'").exit, 0);
    ASSERT_EQ(RunTool("rewrite '" + dat + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), TwoItems('\x01'));

    // Cut inside the second record: one problem line, and the rewrite keeps the first record.
    const std::string whole = TwoItems();
    WriteBytes(dat, whole.substr(0, whole.size() - 3));
    ToolResult check = RunTool("check '" + dat + "'");
    EXPECT_EQ(check.exit, 1);
    EXPECT_EQ(Lines(check.out), 1u) << check.out;
    EXPECT_NE(check.out.find("cut short"), std::string::npos);
    ASSERT_EQ(RunTool("rewrite '" + dat + "' '" + out + "'").exit, 0);
    EXPECT_EQ(RunTool("check '" + out + "'").exit, 0);
    std::string first =
        Header("0000000000000001") + whole.substr(116, whole.find("0000000000000000000000000002-1") - 116);
    EXPECT_EQ(ReadBytes(out), first);

    EXPECT_EQ(RunTool("check '" + folder.File("missing.dat") + "'").exit, 2);
    EXPECT_EQ(RunTool("check '" + folder.File("what.txt") + "'").exit, 2);
    EXPECT_EQ(RunTool("").exit, 2);
}

TEST(DataTool, CatalogsFileCheckWithItemsAndRewrite)
{
    TempFolder folder;
    const std::string clg = folder.File("Shortcut2.clg");
    const std::string dat = folder.File("Shortcut2.dat");
    const std::string out = folder.File("out.clg");
    const std::string root = kRootNodeId;
    const std::string whole = root + "|Tools|" + kA + "|0,1\\" + kA + "|Inner|" + kB + "|1";
    WriteBytes(clg, whole);
    WriteBytes(dat, TwoItems());
    EXPECT_EQ(RunTool("check '" + clg + "' --items '" + dat + "'").exit, 0);
    ASSERT_EQ(RunTool("rewrite '" + clg + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), whole);
    ToolResult dump = RunTool("dump '" + clg + "'");
    EXPECT_EQ(dump.exit, 0);
    EXPECT_NE(dump.out.find("name: \"Inner\""), std::string::npos);

    WriteBytes(clg, whole + ",2\\99999999-0000-0000-0000-000000000000|Orphan|" + kB);
    ToolResult check = RunTool("check '" + clg + "' --items '" + dat + "'");
    EXPECT_EQ(check.exit, 1);
    EXPECT_EQ(Lines(check.out), 2u) << check.out;
    EXPECT_NE(check.out.find("index 2 past the item count 2"), std::string::npos);
    EXPECT_NE(check.out.find("is unknown"), std::string::npos);
    EXPECT_EQ(RunTool("check '" + clg + "'").exit, 1);
    ASSERT_EQ(RunTool("rewrite '" + clg + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), whole + ",2");
    EXPECT_EQ(RunTool("check '" + clg + "' --items '" + folder.File("none.dat") + "'").exit, 2);
}

TEST(DataTool, SnapshotFileCheckAndRewrite)
{
    TempFolder folder;
    const std::string stx = folder.File("snap.stx");
    const std::string out = folder.File("out.stx");
    const std::string whole = std::string("1\0\0\0\0\0\0\0"
                                          "5\0\0\0\0\0\0\0",
                                          16) +
                              "hello" +
                              std::string("13\0\0\0\0\0\0"
                                          "2\0\0\0\0\0\0\0",
                                          16) +
                              "hi";
    WriteBytes(stx, whole);
    ToolResult dump = RunTool("dump '" + stx + "'");
    EXPECT_EQ(dump.exit, 0);
    EXPECT_NE(dump.out.find("format 13, 2 bytes \"hi\""), std::string::npos) << dump.out;
    ASSERT_EQ(RunTool("rewrite '" + stx + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), whole);

    WriteBytes(stx, whole.substr(0, whole.size() - 1));
    ToolResult check = RunTool("check '" + stx + "'");
    EXPECT_EQ(check.exit, 1);
    EXPECT_EQ(Lines(check.out), 1u) << check.out;
    ASSERT_EQ(RunTool("rewrite '" + stx + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), whole.substr(0, 21));
}

TEST(DataTool, InputsThatAreNoDataFilesAreUnreadableAndTheOutputStays)
{
    TempFolder folder;
    const std::string out = folder.File("out");
    WriteBytes(out, "an earlier output");
    const std::string huge = folder.File("huge.clg");
    WriteBytes(huge, std::string(kRootNodeId) + "|A|" + kA);
    std::filesystem::resize_file(huge, uintmax_t(3) << 30);
    std::vector<std::string> inputs{huge};
    for (const char* name : {"Shortcut2.dat", "Shortcut2.clg", "snap.stx"}) {
        inputs.push_back(folder.File(name));
        std::filesystem::create_directory(inputs.back());
    }
    for (const std::string& input : inputs) {
        EXPECT_EQ(RunTool("dump '" + input + "'").exit, 2) << input;
        EXPECT_EQ(RunTool("check '" + input + "'").exit, 2) << input;
        ToolResult rewrite = RunTool("rewrite '" + input + "' '" + out + "'");
        EXPECT_EQ(rewrite.exit, 2) << input;
        EXPECT_NE(rewrite.out.find("cannot be read"), std::string::npos) << rewrite.out;
        EXPECT_EQ(ReadBytes(out), "an earlier output") << input;
    }
    WriteBytes(huge, std::string(kRootNodeId) + "|A|" + kA);
    EXPECT_EQ(RunTool("check '" + huge + "' --items '" + folder.File("Shortcut2.dat") + "'").exit, 2);
}

TEST(DataTool, CatalogsReadInTheCodePageGiven)
{
    TempFolder folder;
    const std::string clg = folder.File("Shortcut2.clg");
    const std::string out = folder.File("out.clg");
    // Shift-JIS: a kanji whose second byte is "\", then a half-width kana that GBK takes for a lead byte.
    const std::string whole = std::string(kRootNodeId) + "|\x95\x5C\xB1|" + kA + "|0,1";
    WriteBytes(clg, whole);
    ToolResult sjis = RunTool("dump '" + clg + "' --codepage 932");
    EXPECT_EQ(sjis.exit, 0);
    EXPECT_NE(sjis.out.find("name: \"\x95\x5C\xB1\"\n"), std::string::npos) << sjis.out;
    EXPECT_NE(sjis.out.find("index list: \"0,1\""), std::string::npos) << sjis.out;
    ASSERT_EQ(RunTool("rewrite --codepage 932 '" + clg + "' '" + out + "'").exit, 0);
    EXPECT_EQ(ReadBytes(out), whole);
    // Read as GBK by default, the kana swallows the "|" after it.
    EXPECT_EQ(RunTool("dump '" + clg + "'").out.find("index list"), std::string::npos);
    EXPECT_EQ(RunTool("dump '" + clg + "' --codepage").exit, 2);
    EXPECT_EQ(RunTool("dump '" + clg + "' --codepage GBK").exit, 2);
}
