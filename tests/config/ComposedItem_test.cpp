#include "config/ComposedEditor.h"
#include "config/ComposedItem.h"
#include "config/DefaultShortName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using Entries = std::vector<ComposedEntry>;

std::vector<std::string> Names(const Entries& entries)
{
    std::vector<std::string> names;
    for (const ComposedEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}
} // namespace

TEST(ComposedCommand, NamesThenCommandsWithoutTrailingLineBreaksReadToTheShorterList)
{
    const Entries two = {{"Editor", "C:\\Tools\\Ed.exe"}, {"Wiki", "https://Example.org/Main_Page"}};
    EXPECT_EQ(EncodeComposedCommand(two), "Editor\r\nWiki^^^C:\\Tools\\Ed.exe\r\nhttps://Example.org/Main_Page");
    EXPECT_EQ(DecodeComposedCommand(EncodeComposedCommand(two)), two);

    // One entry: no line break anywhere.
    EXPECT_EQ(EncodeComposedCommand({{"Notes", "c:\\notes.txt"}}), "Notes^^^c:\\notes.txt");
    // Line breaks at the end of the last name or command are cut from each list.
    EXPECT_EQ(EncodeComposedCommand({{"A", "a.exe"}, {"B\r\n", "b.exe\r\n\r\n"}}), "A\r\nB^^^a.exe\r\nb.exe");
    // ... so an empty last command is lost, and reading back keeps the names that have commands.
    const std::string lost = EncodeComposedCommand({{"A", "a.exe"}, {"B", ""}});
    EXPECT_EQ(lost, "A\r\nB^^^a.exe");
    EXPECT_EQ(DecodeComposedCommand(lost), (Entries{{"A", "a.exe"}}));

    // Decoding reads no further than the shorter list.
    EXPECT_EQ(DecodeComposedCommand("A\r\nB\r\nC^^^a.exe\r\nb.exe"), (Entries{{"A", "a.exe"}, {"B", "b.exe"}}));
    EXPECT_EQ(DecodeComposedCommand("A^^^a.exe\r\nb.exe\r\nc.exe"), (Entries{{"A", "a.exe"}}));
    // Empty lines inside keep names and commands in step.
    EXPECT_EQ(DecodeComposedCommand("A\r\n\r\nC^^^a.exe\r\nb.exe\r\nc.exe"),
              (Entries{{"A", "a.exe"}, {"", "b.exe"}, {"C", "c.exe"}}));
    // A second marker belongs to the commands.
    EXPECT_EQ(DecodeComposedCommand("A^^^x^^^y"), (Entries{{"A", "x^^^y"}}));
    EXPECT_TRUE(DecodeComposedCommand("^^^").empty());
    EXPECT_TRUE(DecodeComposedCommand("A\r\nB^^^").empty());
    EXPECT_TRUE(DecodeComposedCommand("c:\\plain.exe").empty());
}

TEST(ComposedItem, StoredFieldsAndRecognition)
{
    ShortcutItem item;
    item.Hotkey1 = "Ctrl";
    item.Hotkey2 = "M";
    WriteComposedItem(item, "Morning tools", {{"Mail", "mail.exe"}, {"News", "news.exe"}});
    EXPECT_EQ(item.Name + "|" + item.Description + "|" + item.ShortName + "|" + item.Hotkey1,
              "+ Morning tools|Morning tools|MT|Ctrl");
    EXPECT_TRUE(IsComposedItem(item.Name, item.ExePath));
    EXPECT_TRUE(IsItemNameOf("+ MORNING Tools", "morning tools"));
    EXPECT_FALSE(IsItemNameOf("+ Morning", "Morning tools"));

    // The description loses leading plus signs and blanks the user typed into the name.
    WriteComposedItem(item, "+ Odd", {{"A", "a.exe"}});
    EXPECT_EQ(item.Name + "|" + item.Description + "|" + item.ShortName, "+ + Odd|Odd|ODD");

    EXPECT_FALSE(IsComposedItem("+ Plain", "c:\\plain.exe"));
    EXPECT_FALSE(IsComposedItem("Plain", "A^^^a.exe"));
    // Pinyin initials in capitals.
    EXPECT_EQ(DefaultShortName("+ \xC4\xE3\xBA\xC3"), "NH");
}

TEST(ComposedEditor, AddingDeletingAndMovingEntries)
{
    ComposedEditor editor;
    // Composed items are never nested.
    EXPECT_EQ(editor.AddItemRows("X^^^x.exe", {{"+ X", "X^^^x.exe"}}), ComposedEditor::AddResult::ComposedRefused);
    EXPECT_TRUE(editor.Entries().empty());
    EXPECT_FALSE(editor.ListChanged());

    // The first entry names an unnamed composed item.
    EXPECT_EQ(editor.AddItemRows("mail.exe", {{"Mail", "mail.exe"}}), ComposedEditor::AddResult::Done);
    EXPECT_TRUE(editor.ListChanged());
    editor.MarkSaved();
    // Composed rows among the selection and names already present (any case) are passed over.
    editor.AddItemRows("news.exe", {{"MAIL", "other.exe"}, {"+ Y", "Y^^^y.exe"}, {"News", "news.exe"}});
    EXPECT_EQ(Names(editor.Entries()), (std::vector<std::string>{"Mail", "News"}));
    editor.MarkSaved();
    editor.AddItemRows("mail.exe", {{"mail", "mail.exe"}});
    EXPECT_FALSE(editor.ListChanged()) << "nothing was added";
    editor.Append({"Docs", "c:\\docs"});
    EXPECT_TRUE(editor.ListChanged());
    EXPECT_EQ(editor.Name(), "Mail");
    // The stored form holds no name with "^^^" or a line break and no command of two lines.
    EXPECT_FALSE(editor.Append({"A^^^B", "a.exe"}) || editor.Append({"Two", "a.exe\r\nb.exe"}) ||
                 editor.ApplyEdit(0, {"Mail", "x\ny"}));
    EXPECT_EQ(Names(editor.Entries()), (std::vector<std::string>{"Mail", "News", "Docs"}));

    // First up and last down change nothing; a move takes the selection along.
    editor.MarkSaved();
    editor.Select(0);
    EXPECT_FALSE(editor.MoveSelectedUp());
    editor.Select(2);
    EXPECT_FALSE(editor.MoveSelectedDown());
    EXPECT_FALSE(editor.ListChanged());
    EXPECT_TRUE(editor.MoveSelectedUp());
    EXPECT_EQ(editor.Selected(), 1);
    EXPECT_EQ(Names(editor.Entries()), (std::vector<std::string>{"Mail", "Docs", "News"}));
    editor.Select(7);
    EXPECT_EQ(editor.Selected(), -1);
    EXPECT_FALSE(editor.MoveSelectedDown());

    editor.MarkSaved();
    editor.DeleteEntries({2, 0, 2, 9});
    EXPECT_EQ(Names(editor.Entries()), (std::vector<std::string>{"Docs"}));
    EXPECT_TRUE(editor.ListChanged());
}

TEST(ComposedEditor, LoadingCheckingSavingAndTheLeavingQuestion)
{
    ComposedEditor editor;
    editor.Load("+ Start day", "Mail\r\nPanel\r\nClip^^^mail.exe\r\nC:\\Windows\\Desk.CPL\r\nd:\\data\\1.STX");
    EXPECT_EQ(editor.Name(), "Start day");
    ASSERT_EQ(editor.Entries().size(), 3u);
    EXPECT_FALSE(editor.AsksToSaveOnLeaving(true, false));

    // A control panel applet keeps its command through an edit; a snapshot goes to its dialog.
    EXPECT_EQ(editor.EditKindOf(0), ComposedEditor::EditKind::Command);
    EXPECT_EQ(editor.EditKindOf(1), ComposedEditor::EditKind::LockedCommand);
    EXPECT_EQ(editor.EditKindOf(2), ComposedEditor::EditKind::Clipboard);
    editor.ApplyEdit(1, {"Display", "evil.exe"});
    EXPECT_EQ(editor.Entries()[1], (ComposedEntry{"Display", "C:\\Windows\\Desk.CPL"}));
    EXPECT_TRUE(editor.AsksToSaveOnLeaving(true, false));
    // Only in browsing mode, and only when leaving a composed item.
    EXPECT_FALSE(editor.AsksToSaveOnLeaving(true, true));
    EXPECT_FALSE(editor.AsksToSaveOnLeaving(false, false));

    editor.MarkSaved();
    editor.SetName("Start week");
    EXPECT_TRUE(editor.AsksToSaveOnLeaving(true, false));

    EXPECT_STREQ(editor.CheckBeforeSave(false), "CheckComposedItem");
    editor.SetName("  \t ");
    EXPECT_STREQ(editor.CheckBeforeSave(true), "ComposedNameEmpty");
    editor.SetName("  Week ");
    EXPECT_EQ(editor.CheckBeforeSave(true), nullptr);
    EXPECT_EQ(editor.Name(), "Week");
    ShortcutItem item;
    editor.WriteInto(item);
    EXPECT_EQ(item.ExePath, "Mail\r\nDisplay\r\nClip^^^mail.exe\r\nC:\\Windows\\Desk.CPL\r\nd:\\data\\1.STX");
    EXPECT_EQ(editor.Commands(), (std::vector<std::string>{"mail.exe", "C:\\Windows\\Desk.CPL", "d:\\data\\1.STX"}));

    editor.Reset();
    editor.SetName("Empty");
    EXPECT_STREQ(editor.CheckBeforeSave(true), "ComposedListCount");
}
