#include "../data/DataBytes.h"

#include "data/ClipboardSnapshot.h"
#include "data/SnapshotFile.h"

#include "TempFolder.h"
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ClipboardSnapshotTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_owner = CreateWindowA("STATIC", "snapshot owner", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_owner, nullptr);
        m_path = m_folder.File("1B4E28BA-2FA1-11D2-883F-0016D3CCA427.stx");
    }
    void TearDown() override { DestroyWindow(m_owner); }

    TempFolder m_folder;
    HWND m_owner = nullptr;
    std::string m_path;
};

} // namespace

// Text and a DIB the application placed itself (memory data) are stored as the clipboard gave
// them, a text's terminator included, and come back from the file.
TEST_F(ClipboardSnapshotTest, TextAndAnApplicationsOwnDibComeBackFromTheFile)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = header.biHeight = header.biPlanes = 1;
    header.biBitCount = 24;
    const std::string dib =
        std::string(reinterpret_cast<const char*>(&header), sizeof(header)) + std::string("\x10\x20\x30", 4);
    const std::string text = "Line one\r\nLine two \xB1\xB1\xBE\xA9 end";
    for (const auto& [format, data] : {std::make_pair(UINT{CF_TEXT}, text + '\0'), std::make_pair(UINT{CF_DIB}, dib)}) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(PutClipboardData(m_owner, format, data));
        ASSERT_EQ(SaveClipboardSnapshot(m_owner, m_path.c_str()), 1);
        const SnapshotContents contents = ParseSnapshot(ReadBytes(m_path));
        EXPECT_TRUE(contents.IsWhole());
        std::string kept;
        for (const SnapshotRecord& record : contents.records) {
            EXPECT_NE(record.format, 49260u);
            kept += record.format == format ? record.data.substr(0, data.size()) + "|" : "";
        }
        EXPECT_EQ(kept, data + "|");

        PutClipboardText(m_owner, "something else");
        ASSERT_EQ(RestoreClipboardSnapshot(m_owner, m_path.c_str()), 1);
        EXPECT_EQ(ClipboardData(m_owner, format).substr(0, data.size()), data);
    }
}

// The file is replaced as every data file is (the data-file tests judge that).
TEST_F(ClipboardSnapshotTest, BitmapOnlyClipboardLeavesNoFileAndAFolderThatIsNotThereIsTold)
{
    const std::string missing = m_folder.File("no such folder") + "\\snap.stx";
    PutClipboardText(m_owner, "text to keep");
    EXPECT_EQ(SaveClipboardSnapshot(m_owner, missing.c_str()), kSnapshotNotWritten);

    WriteBytes(m_path, "an older snapshot that must go");
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    ASSERT_TRUE(OpenClipboard(m_owner));
    EmptyClipboard();
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap), nullptr);
    CloseClipboard();

    EXPECT_EQ(SaveClipboardSnapshot(m_owner, m_path.c_str()), 1);
    EXPECT_FALSE(FileExists(m_path));

    // Restoring the missing file reports it and leaves the bitmap where it was.
    EXPECT_EQ(RestoreClipboardSnapshot(m_owner, m_path.c_str()), 0);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(ClipboardSnapshotTest, HandMadeFilesRestoreTheirWholeRecords)
{
    // A private format and text, then a record cut short: the whole ones reach the clipboard.
    const UINT privateFormat = RegisterClipboardFormatA("Tavimoreth.SnapshotTest");
    std::string bytes;
    ASSERT_TRUE(EncodeSnapshotRecord(privateFormat, "\x01\x00\x02", 3, bytes));
    ASSERT_TRUE(EncodeSnapshotRecord(CF_TEXT, "kept\0", 5, bytes));
    bytes += SnapshotHeader("1", "100") + "short";
    WriteBytes(m_path, bytes);

    ASSERT_EQ(RestoreClipboardSnapshot(m_owner, m_path.c_str()), 1);
    EXPECT_EQ(ClipboardText(m_owner), "kept");
    EXPECT_EQ(ClipboardData(m_owner, privateFormat).substr(0, 3), std::string("\x01\x00\x02", 3));

    // An empty file is an empty clipboard.
    WriteBytes(m_path, "");
    ASSERT_EQ(RestoreClipboardSnapshot(m_owner, m_path.c_str()), 1);
    EXPECT_EQ(CountClipboardFormats(), 0);
}
