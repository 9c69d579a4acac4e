#include "config/BatchReplace.h"

#include <gtest/gtest.h>

#include <string>

TEST(ReplaceText, LeftToRightNonOverlappingCaseSensitive)
{
    std::string banana = "banana";
    EXPECT_EQ(ReplaceText(banana, "a", "aa"), 3u);
    EXPECT_EQ(banana, "baanaanaa");
    const struct {
        const char *text, *find, *replacement, *result;
    } rows[] = {{"aaaa a", "aa", "b", "bb a"},
                {"aaa", "aa", "b", "ba"},
                {"C:\\Apps c:\\apps", "C:\\Apps", "D:\\Tools", "D:\\Tools c:\\apps"},
                {"XaXbX", "X", "", "ab"},
                {"abc", "", "z", "abc"},
                {"abc", "d", "e", "abc"}};
    for (const auto& row : rows) {
        std::string text = row.text;
        ReplaceText(text, row.find, row.replacement);
        EXPECT_EQ(text, row.result) << row.text << " / " << row.find;
    }
    // The same bytes under each code page: 0x95 0x5C is one character on 932 and 936, whose
    // second byte is no "\" of the path, and so is 0xB1 0x5C on 936; on 932 0xB1 is a
    // half-width kana of its own, and on 1252 every byte is.
    for (const auto& [codePage, result] :
         {std::pair{932u, "C:\\\x95\\Tools\\\xB1\\Apps"}, std::pair{936u, "C:\\\x95\\Tools\\\xB1\\Tools"},
          std::pair{1252u, "C:\\\x95\\Apps\\\xB1\\Apps"}}) {
        std::string path = "C:\\\x95\\Tools\\\xB1\\Tools";
        ReplaceText(path, "\\Tools", "\\Apps", LeadBytes::Of(codePage));
        EXPECT_EQ(path, result) << codePage;
    }
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
    EXPECT_EQ(row.name + "|" + row.shortName + "|" + row.command, "# Start|S|Start^^^C:\\Old\\a.exe");

    // Every command of a composed item changes.
    settings.pathReplace = "D:\\New";
    settings.shortNameFind.clear();
    ReplaceRow composed{"+ Start", "ST", "A\r\nB^^^C:\\Old\\a.exe\r\nC:\\Old\\b.exe"};
    ReplaceInRow(composed, settings);
    EXPECT_EQ(composed.name + "|" + composed.shortName + "|" + composed.command,
              "# Start|ST|A\r\nB^^^D:\\New\\a.exe\r\nD:\\New\\b.exe");
}

TEST(BatchReplace, ItemsChangeOnlyWhereSomethingWasFound)
{
    ItemList items;
    for (const char* path : {"C:\\Old\\ed.exe", "https://example.org", "C:\\Old\\ed.exe"}) {
        ShortcutItem item;
        item.Name = "Editor";
        item.ShortName = "ed";
        item.ExePath = path;
        items.Append(item);
    }
    items.Tombstone(2, false);

    ReplaceSettings settings;
    settings.pathFind = "C:\\Old";
    settings.pathReplace = "D:\\New";
    EXPECT_EQ(ReplaceInAllItems(items, settings), 1u) << "the tombstone is passed over";
    EXPECT_EQ(items.At(0).ExePath, "D:\\New\\ed.exe");
    EXPECT_EQ(items.At(0).ShortName, "ed");
    EXPECT_TRUE(items.At(2).IsTombstone());
    EXPECT_TRUE(items.At(2).Name.empty());
    EXPECT_FALSE(ReplaceInItem(items.At(1), settings));
}
