#include "ui/TipText.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

// Reading the file is the system's profile reading; what is the program's own is the one
// shared buffer, its limit, and reading the file afresh each time.
TEST(TipText, LookupsShareOneBufferCutAt2047AndReadTheFileEachTime)
{
    TempFolder folder;
    g_configPath = folder.File("TavimorethConfig.ini");
    WriteBytes(g_configPath, "[TipMsgs]\r\nFirst=one\r\nLong=" + std::string(3000, 'x') + "\r\nShort=abc\r\n");
    const char* first = GetTipText("First");
    const std::string copy = first;
    EXPECT_EQ(std::string(GetTipText("Long")), std::string(2047, 'x'));
    const char* second = GetTipText("Short");
    EXPECT_EQ(first, second);
    EXPECT_EQ(copy, "one");
    EXPECT_STREQ(second, "abc") << "no tail of the longer text is left behind";
    EXPECT_STREQ(GetTipText("Missing"), "");

    WriteBytes(g_configPath, "[TipMsgs]\r\nFirst=edited\r\n");
    EXPECT_STREQ(GetTipText("First"), "edited");
}
