// Runs the real tavimoreth-data program on real files and reads its exit code and output.
#include "DataBytes.h"
#include "TempFolder.h"

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
    size_t Lines() const { return static_cast<size_t>(std::count(out.begin(), out.end(), '\n')); }
};

// Runs the tool with its arguments; paths are passed quoted.
ToolResult Tool(const std::string& verb, const std::vector<std::string>& paths, const std::string& options = "")
{
    std::string command = std::string("'") + TAV_DATA_TOOL + "' " + verb;
    for (const std::string& path : paths)
        command += " '" + path + "'";
    command += " " + options + " 2>&1";
    ToolResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return result;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof(buffer), pipe)) > 0)
        result.out.append(buffer, got);
    const int status = pclose(pipe);
    result.exit = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string TwoItems(char flag = '\0')
{
    return Header("0000000000000002", flag) + Slot("Notes") + Slot("N") + Slot("Alt") + Slot("F5") + Slot("") +
           Slot("line one\r\nline two") + Slot("0") + Slot(kA) + Slot("notepad.exe") + Slot("") + Slot("") + Slot("") +
           Slot("") + Slot("") + Slot("") + Slot("-1") + Slot("") + Slot("");
}
} // namespace

// Each kind of file: a whole one is dumped, passes the check and is rewritten byte for byte;
// a damaged one is told in one line and rewritten with what was whole; a folder is unreadable.
TEST(DataTool, EachFileKindIsDumpedCheckedAndRewritten)
{
    TempFolder folder;
    const std::string dat = folder.File("Shortcut2.dat");
    const std::string items = TwoItems('\x01');
    const std::string catalogs = kRoot + "|Tools|" + kA + "|0,1\\" + kA + "|Inner|" + kB + "|1";
    const std::string snapshot = SnapshotHeader("1", "5") + "hello" + SnapshotHeader("13", "2") + "hi";
    struct Case {
        std::string file, whole, dumped, damaged, kept;
    };
    const Case cases[] = {
        {"Shortcut2.dat", items, "Description: \"line one\\r\\nline two\"", items.substr(0, items.size() - 3),
         Header("0000000000000001", '\x01') + items.substr(116, items.find("0000000000000000000000000002-1") - 116)},
        {"Shortcut2.clg", catalogs, "name: \"Inner\"",
         catalogs + ",2\\99999999-0000-0000-0000-000000000000|Orphan|" + kB, catalogs + ",2"},
        {"snap.stx", snapshot, "format 13, 2 bytes \"hi\"", snapshot.substr(0, 38), snapshot.substr(0, 21)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = folder.File(c.file);
        const std::string out = folder.File("out-" + c.file);
        WriteBytes(path, c.whole);
        const ToolResult dump = Tool("dump", {path});
        EXPECT_EQ(dump.exit, 0);
        EXPECT_NE(dump.out.find(c.dumped), std::string::npos) << dump.out;
        EXPECT_EQ(Tool("check", {path}).exit, 0);
        ASSERT_EQ(Tool("rewrite", {path, out}).exit, 0);
        EXPECT_EQ(ReadBytes(out), c.whole);

        WriteBytes(path, c.damaged);
        const ToolResult check = Tool("check", {path});
        EXPECT_EQ(check.exit, 1);
        EXPECT_EQ(check.Lines(), 1u) << check.out;
        ASSERT_EQ(Tool("rewrite", {path, out}).exit, 0);
        EXPECT_EQ(ReadBytes(out), c.kept);
        EXPECT_EQ(Tool("check", {out}).exit, 0);

        // A folder is no data file: unreadable, and the output stays as it was.
        const std::string notAFile = folder.File("folder-" + c.file);
        std::filesystem::create_directory(notAFile);
        EXPECT_EQ(Tool("dump", {notAFile}).exit, 2);
        EXPECT_EQ(Tool("check", {notAFile}).exit, 2);
        const ToolResult rewrite = Tool("rewrite", {notAFile, out});
        EXPECT_EQ(rewrite.exit, 2);
        EXPECT_NE(rewrite.out.find("cannot be read"), std::string::npos) << rewrite.out;
        EXPECT_EQ(ReadBytes(out), c.kept);
    }
    // With the items file, the catalogs check also judges the indexes.
    WriteBytes(dat, items);
    EXPECT_NE(Tool("dump", {dat}).out.find("#1 tombstone"), std::string::npos);
    const ToolResult withItems = Tool("check", {folder.File("Shortcut2.clg")}, "--items '" + dat + "'");
    EXPECT_EQ(withItems.Lines(), 2u) << withItems.out;
    EXPECT_NE(withItems.out.find("index 2 past the item count 2"), std::string::npos);
    EXPECT_EQ(
        Tool("check", {folder.File("Shortcut2.clg")}, "--items '" + folder.File("folder-Shortcut2.dat") + "'").exit, 2);
    EXPECT_EQ(Tool("check", {folder.File("missing.dat")}).exit, 2);
    EXPECT_EQ(Tool("check", {folder.File("what.txt")}).exit, 2);
    EXPECT_EQ(Tool("", {}).exit, 2);
}

TEST(DataTool, CatalogsReadInTheCodePageGiven)
{
    TempFolder folder;
    const std::string clg = folder.File("Shortcut2.clg");
    const std::string out = folder.File("out.clg");
    // Shift-JIS: a kanji whose second byte is "\", then a half-width kana that GBK takes for a lead byte.
    const std::string whole = kRoot + "|\x95\x5C\xB1|" + kA + "|0,1";
    WriteBytes(clg, whole);
    const ToolResult sjis = Tool("dump", {clg}, "--codepage 932");
    EXPECT_EQ(sjis.exit, 0);
    EXPECT_NE(sjis.out.find("name: \"\x95\x5C\xB1\"\n"), std::string::npos) << sjis.out;
    EXPECT_NE(sjis.out.find("index list: \"0,1\""), std::string::npos) << sjis.out;
    ASSERT_EQ(Tool("rewrite --codepage 932", {clg, out}).exit, 0);
    EXPECT_EQ(ReadBytes(out), whole);
    // Read as GBK by default, the kana swallows the "|" after it.
    EXPECT_EQ(Tool("dump", {clg}).out.find("index list"), std::string::npos);
    EXPECT_EQ(Tool("dump", {clg}, "--codepage").exit, 2);
    EXPECT_EQ(Tool("dump", {clg}, "--codepage GBK").exit, 2);
}
