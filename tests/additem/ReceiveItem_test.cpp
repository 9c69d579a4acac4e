#include "../data/DataBytes.h"
#include "AddItemTestSupport.h"
#include "TempFolder.h"
#include "data/CatalogData.h"
#include "data/HandOff.h"

#include <gtest/gtest.h>

#include <string>

namespace {
std::string Record(const std::string& name, const std::string& shortName, const std::string& hotkey1,
                   const std::string& hotkey2, const std::string& description, const std::string& state,
                   const std::string& guid, const std::string& exePath)
{
    return Slot(name) + Slot(shortName) + Slot(hotkey1) + Slot(hotkey2) + Slot("") + Slot(description) + Slot(state) +
           Slot(guid) + Slot(exePath);
}

class ReceiveItemTest : public testing::Test {
protected:
    void SetUp() override
    {
        WriteProfileStringA(kItemSection, nullptr, nullptr);
        m_existing =
            Header("0000000000000002") +
            Record("Notepad", "N", "Ctrl", "N", "", "0", "11111111-0000-0000-0000-000000000000", "notepad.exe") +
            Record("", "", "", "", "", "-1", "", "");
        WriteBytes(ItemsPath(), m_existing);
        WriteBytes(CatalogsPath(), SampleCatalogsText());
    }
    std::string ItemsPath() const { return m_folder.File("Shortcut2.dat"); }
    std::string CatalogsPath() const { return m_folder.File("Shortcut2.clg"); }

    static void Hand(const std::string& name, const std::string& nodeId)
    {
        WriteHandOffItem(HandOffItem{name, name.substr(0, 2), "Alt", "F2", "line 1\r\nline 2", "D:\\" + name, nodeId});
    }

    TempFolder m_folder;
    std::string m_existing;
};
} // namespace

TEST_F(ReceiveItemTest, AppendsTheItemAndAddsItsIndexToTheChosenCatalog)
{
    TestReceiver receiver(ItemsPath(), CatalogsPath());
    ASSERT_EQ(receiver.Items().Count(), 2u);

    Hand("Editor", kEditorsId);
    SendMessageA(receiver.Hwnd(), kItemWaitingMessage, 0, 0);
    ASSERT_TRUE(receiver.LastAdded());
    EXPECT_EQ(receiver.Last().index, 2u);
    EXPECT_EQ(receiver.Last().catalog, receiver.Model().Find(kEditorsId));
    const ShortcutItem& item = receiver.Items().At(2);
    EXPECT_EQ(item.guid.size(), 36u) << "a fresh identifier (its form is NewGuidString's test)";

    // One record at the end; the header still counts the two the file was written with.
    std::string expected =
        m_existing + Record("Editor", "Ed", "Alt", "F2", "line 1\r\nline 2", "0", item.guid, "D:\\Editor");
    EXPECT_EQ(ReadBytes(ItemsPath()), expected);
    const std::string root = kRootNodeId;
    EXPECT_EQ(ReadBytes(CatalogsPath()), root + "|Tools|" + kToolsId + "|0,1\\" + kToolsId + "|Editors|" + kEditorsId +
                                             "|,2\\" + root + "|Games|" + kGamesId);

    // A catalog without an index list gets its first one; each item has its own guid.
    Hand("Game", kGamesId);
    SendMessageA(receiver.Hwnd(), kItemWaitingMessage, 0, 0);
    EXPECT_EQ(receiver.Last().index, 3u);
    EXPECT_NE(receiver.Items().At(3).guid, item.guid);
    EXPECT_EQ(ReadBytes(CatalogsPath()), root + "|Tools|" + kToolsId + "|0,1\\" + kToolsId + "|Editors|" + kEditorsId +
                                             "|,2\\" + root + "|Games|" + kGamesId + "|3");
}

// Which catalog an item joins is the catalog tree's (tested natively); here: no catalog means
// no rewrite of the catalogs file, and no name means nothing happens at all.
TEST_F(ReceiveItemTest, NoCatalogOrNoNameLeavesTheCatalogsFileAsItWas)
{
    // A rewrite would drop the orphan record, so an untouched file shows that none happened.
    const std::string catalogs = SampleCatalogsText() + "\\99999999-0000-0000-0000-000000000009|Orphan|" + kGamesId;
    WriteBytes(CatalogsPath(), catalogs);
    TestReceiver receiver(ItemsPath(), CatalogsPath());
    Hand("Unknown", "DDDDDDDD-0000-0000-0000-000000000004");
    SendMessageA(receiver.Hwnd(), kItemWaitingMessage, 0, 0);
    EXPECT_TRUE(receiver.LastAdded());
    EXPECT_EQ(receiver.Items().Count(), 3u);
    EXPECT_EQ(ReadBytes(CatalogsPath()), catalogs);
    const std::string items = ReadBytes(ItemsPath());

    WriteProfileStringA(kItemSection, "Name", "");
    SendMessageA(receiver.Hwnd(), kItemWaitingMessage, 0, 0);
    EXPECT_FALSE(receiver.LastAdded());
    EXPECT_EQ(receiver.Items().Count(), 3u);
    EXPECT_EQ(ReadBytes(ItemsPath()), items);
}
