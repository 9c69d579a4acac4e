#include "config/BatchReplace.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Replaced(std::string text, const std::string& find, const std::string& replacement)
{
    ReplaceText(text, find, replacement);
    return text;
}
} // namespace

TEST(ReplaceText, LeftToRightNonOverlappingCaseSensitive)
{
    std::string banana = "banana";
    EXPECT_EQ(ReplaceText(banana, "a", "aa"), 3u);
    EXPECT_EQ(banana, "baanaanaa");
    EXPECT_EQ(Replaced("aaaa a", "aa", "b"), "bb a");
    EXPECT_EQ(Replaced("aaa", "aa", "b"), "ba");
    EXPECT_EQ(Replaced("C:\\Apps c:\\apps", "C:\\Apps", "D:\\Tools"), "D:\\Tools c:\\apps");
    EXPECT_EQ(Replaced("XaXbX", "X", ""), "ab");
    EXPECT_EQ(Replaced("abc", "", "z"), "abc");
    std::string none = "abc";
    EXPECT_EQ(ReplaceText(none, "d", "e"), 0u);
}

TEST(BatchReplace, RowRulesForNamesShortNamesAndPaths)
{
    ReplaceSettings settings;
    settings.nameFind = "+";
    settings.nameReplace = "#";
    settings.shortNameFind = "X";
    settings.pathFind = "C:\\Old";
    // No path replacement given: names change, commands stay.
    ReplaceRow row{"+ Start", "XSXX", "Start^^^C:\\Old\\a.exe"};
    ReplaceInRow(row, settings);
    EXPECT_EQ(row.name, "# Start");
    EXPECT_EQ(row.shortName, "S");
    EXPECT_EQ(row.command, "Start^^^C:\\Old\\a.exe");

    settings.pathReplace = "D:\\New";
    settings.shortNameFind.clear();
    ReplaceRow composed{"+ Start", "ST", "A\r\nB^^^C:\\Old\\a.exe\r\nC:\\Old\\b.exe"};
    ReplaceInRow(composed, settings);
    EXPECT_EQ(composed.name, "# Start");
    EXPECT_EQ(composed.shortName, "ST");
    EXPECT_EQ(composed.command, "A\r\nB^^^D:\\New\\a.exe\r\nD:\\New\\b.exe");
}

TEST(BatchReplace, ItemsChangeOnlyWhereSomethingWasFound)
{
    ItemList items;
    ShortcutItem editor;
    editor.Name = "Editor";
    editor.ShortName = "ed";
    editor.ExePath = "C:\\Old\\ed.exe";
    ShortcutItem web;
    web.Name = "Web";
    web.ShortName = "w";
    web.ExePath = "https://example.org";
    items.Append(editor);
    items.Append(web);
    items.Append(editor);
    items.Tombstone(2, false);

    ReplaceSettings settings;
    settings.nameFind = "Ed";
    settings.nameReplace = "Writ";
    settings.pathFind = "C:\\Old";
    settings.pathReplace = "D:\\New";
    EXPECT_EQ(ReplaceInAllItems(items, settings), 1u);
    EXPECT_EQ(items.At(0).Name, "Writitor");
    EXPECT_EQ(items.At(0).ExePath, "D:\\New\\ed.exe");
    EXPECT_EQ(items.At(0).ShortName, "ed");
    EXPECT_EQ(items.At(1).Name, "Web");
    EXPECT_TRUE(items.At(2).IsTombstone());
    EXPECT_TRUE(items.At(2).Name.empty());
    EXPECT_FALSE(ReplaceInItem(items.At(1), settings));
}
