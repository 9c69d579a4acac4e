#include "app/CommandPieces.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {
using V = std::vector<std::string>;
using A = PieceAction;

std::vector<std::string> Texts(const std::vector<CommandPiece>& pieces)
{
    std::vector<std::string> texts;
    for (const CommandPiece& piece : pieces)
        texts.push_back(piece.text);
    return texts;
}

std::vector<A> Actions(const std::vector<CommandPiece>& pieces)
{
    std::vector<A> actions;
    for (const CommandPiece& piece : pieces)
        actions.push_back(piece.action);
    return actions;
}
} // namespace

TEST(SplitCommandText, LinesEmptyPiecesAndTrimming)
{
    EXPECT_EQ(Texts(SplitCommandText("C:\\Tools\\App.EXE")), V{"C:\\Tools\\App.EXE"});
    EXPECT_EQ(Texts(SplitCommandText("")), V{""});
    EXPECT_EQ(Texts(SplitCommandText("c:\\a.exe\r\n\r\nc:\\b.exe")), (V{"c:\\a.exe", "", "c:\\b.exe"}));
    EXPECT_EQ(Texts(SplitCommandText("c:\\a.exe\r\n")), (V{"c:\\a.exe", ""}));
    EXPECT_EQ(Texts(SplitCommandText("\r\n")), (V{"", ""}));
    EXPECT_EQ(Texts(SplitCommandText("  c:\\a.exe \t\r\n\tNotes.TXT  ")), (V{"c:\\a.exe", "Notes.TXT"}));
    // A lone LF or CR is no separator; it is white space at the ends of a piece only.
    EXPECT_EQ(Texts(SplitCommandText("c:\\a.exe\nc:\\b.exe")), V{"c:\\a.exe\nc:\\b.exe"});
    EXPECT_EQ(Texts(SplitCommandText("c:\\a.exe\r\r\n\nc:\\b.exe")), (V{"c:\\a.exe", "c:\\b.exe"}));
}

TEST(SplitCommandText, ComposedItemsStartOnlyWhatFollowsTheMarker)
{
    EXPECT_EQ(Texts(SplitCommandText("Editor\r\nBrowser^^^c:\\ed.exe\r\nhttp://Example.org")),
              (V{"c:\\ed.exe", "http://Example.org"}));
    // Trimming after the marker drops a leading line break, so no empty first piece.
    EXPECT_EQ(Texts(SplitCommandText("One\r\nTwo\r\n^^^\r\nc:\\a.exe\r\nc:\\b.exe\r\n")),
              (V{"c:\\a.exe", "c:\\b.exe"}));
    // A second marker stays inside the started text.
    EXPECT_EQ(Texts(SplitCommandText("A^^^c:\\a.exe\r\nx^^^c:\\b.exe")), (V{"c:\\a.exe", "x^^^c:\\b.exe"}));
    EXPECT_EQ(Texts(SplitCommandText("Names only^^^")), V{""});
}

TEST(SplitCommandText, ActionsBySuffixAndLength)
{
    const std::vector<CommandPiece> pieces =
        SplitCommandText("C:\\A.BAT\r\nd:\\data\\1234-abcd.STX\r\nx.stx\r\n.stx\r\nabcd\r\nabcde\r\n\r\ncmd /c dir");
    EXPECT_EQ(Actions(pieces), (std::vector<A>{A::Run, A::RestoreSnapshot, A::RestoreSnapshot, A::Skip, A::Skip, A::Run,
                                               A::Skip, A::Run}));
    // Four characters after trimming are still too short, however many blanks surround them.
    EXPECT_EQ(SplitCommandText("   calc   ")[0].action, PieceAction::Skip);
}

TEST(LowerCaseAnsi, TheSameBytesFoldAsTheirCodePageReadsThem)
{
    // 0xB1 starts a double-byte character on 936 only (a half-width kana on 932, a sign on 1252),
    // 0xE9 on 936 and 932 (an accented letter on 1252). The second byte may look like a letter
    // or "\": changing it, or taking it for a separator, would name another file.
    const std::string b1 = "\xB1", e9 = "\xE9";
    const std::tuple<unsigned, std::string, std::string, size_t> pages[] = {
        {936, b1 + "Ab caf" + e9 + "Bar", b1 + "aB CAF" + e9 + "bAR", 2},
        {932, b1 + "ab caf" + e9 + "Bar", b1 + "AB CAF" + e9 + "bAR", 4},
        {1252, b1 + "ab caf" + e9 + "bar", b1 + "AB CAF" + e9 + "BAR", 4}};
    for (const auto& [codePage, lower, upper, lastSeparator] : pages) {
        const LeadBytes lead = LeadBytes::Of(codePage);
        EXPECT_EQ(LowerCaseAnsi(b1 + "AB Caf" + e9 + "BAR", lead), lower) << codePage;
        EXPECT_EQ(UpperCaseAnsi(b1 + "ab caf" + e9 + "bar", lead), upper) << codePage;
        EXPECT_EQ(lead.FindLast("C:\\" + b1 + "\\x", '\\'), lastSeparator) << codePage;
    }
    // A lead byte at the very end has no trail byte to skip.
    EXPECT_EQ(LowerCaseAnsi("AB\xB2", LeadBytes::Of(936)), "ab\xB2");
}

TEST(SplitCommandText, KindIsToldInLowerCaseButThePieceIsStartedAsWritten)
{
    // Arguments, web addresses and file names on other systems can depend on letter case.
    const std::vector<CommandPiece> pieces =
        SplitCommandText("Clip^^^  D:\\Data\\AB12.STX \r\ncmd /c echo Hello\r\n"
                         "https://Example.org/Wiki/Main_Page?q=CaseSensitive\r\n\"C:\\My Tools\\Run.BAT\" /Pass=XyZ");
    EXPECT_EQ(Texts(pieces),
              (V{"D:\\Data\\AB12.STX", "cmd /c echo Hello", "https://Example.org/Wiki/Main_Page?q=CaseSensitive",
                 "\"C:\\My Tools\\Run.BAT\" /Pass=XyZ"}));
    EXPECT_EQ(Actions(pieces), (std::vector<A>{A::RestoreSnapshot, A::Run, A::Run, A::Run}));
    // Double-byte text comes through byte for byte, trail bytes that look like capitals too.
    EXPECT_EQ(SplitCommandText("D:\\\xB2\x41.EXE")[0].text, "D:\\\xB2\x41.EXE");
}
