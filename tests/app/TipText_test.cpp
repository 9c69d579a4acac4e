#include "ui/TipText.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {
class TipTextTest : public testing::Test {
protected:
    void SetUp() override { g_configPath = m_folder.File("TavimorethConfig.ini"); }
    void WriteTexts(const std::string& lines) { WriteBytes(g_configPath, "[TipMsgs]\r\n" + lines); }
    TempFolder m_folder;
};
} // namespace

TEST_F(TipTextTest, MissingFileSectionOrKeyGiveEmptyText)
{
    EXPECT_STREQ(GetTipText("ShortDlgTitle"), "");
    WriteBytes(g_configPath, "[Other]\r\nShortDlgTitle=Elsewhere\r\n");
    EXPECT_STREQ(GetTipText("ShortDlgTitle"), "");
    WriteTexts("Present=\r\nOther=x\r\n");
    EXPECT_STREQ(GetTipText("Present"), "");
    EXPECT_STREQ(GetTipText("Missing"), "");
}

TEST_F(TipTextTest, LookupsShareOneBufferAndReadTheFileEachTime)
{
    WriteTexts("First=one\r\nSecond=two\r\n");
    const char* first = GetTipText("First");
    std::string copy = first;
    const char* second = GetTipText("Second");
    EXPECT_EQ(first, second);
    EXPECT_STREQ(first, "two");
    EXPECT_EQ(copy, "one");

    WriteTexts("First=edited\r\n");
    EXPECT_STREQ(GetTipText("First"), "edited");
}

TEST_F(TipTextTest, LongTextIsCutAt2047Characters)
{
    WriteTexts("Long=" + std::string(3000, 'x') + "\r\nShort=abc\r\n");
    EXPECT_EQ(std::string(GetTipText("Long")), std::string(2047, 'x'));
    // The shorter text after it leaves no tail of the longer one behind.
    EXPECT_STREQ(GetTipText("Short"), "abc");
}
