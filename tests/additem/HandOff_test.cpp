#include "data/HandOff.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {
std::string Joined(const HandOffItem& item)
{
    return item.Name + "|" + item.ShortName + "|" + item.Hotkey1 + "|" + item.Hotkey2 + "|" + item.Description + "|" +
           item.ExePath + "|" + item.NodeID;
}
} // namespace

TEST(HandOffRequest, AMissingOrEmptyNameIsNothingToOpenAndLongValuesArriveCut)
{
    WriteProfileStringA(kRequestSection, nullptr, nullptr);
    WriteProfileStringA(kRequestSection, "ShortName", "np");
    WriteProfileStringA(kRequestSection, "Description", "editor");
    WriteProfileStringA(kRequestSection, "ExePath", "C:\\Tools\\np.exe");
    HandOffRequest request;
    EXPECT_FALSE(ReadHandOffRequest(request));
    WriteProfileStringA(kRequestSection, "Name", "");
    EXPECT_FALSE(ReadHandOffRequest(request));
    WriteProfileStringA(kRequestSection, "Name", "Notepad");
    ASSERT_TRUE(ReadHandOffRequest(request));
    EXPECT_EQ(request.Name + "|" + request.ShortName + "|" + request.Description + "|" + request.ExePath,
              "Notepad|np|editor|C:\\Tools\\np.exe");

    WriteProfileStringA(kRequestSection, "Name", std::string(400, 'N').c_str());
    WriteProfileStringA(kRequestSection, "ExePath", std::string(1500, 'E').c_str());
    ASSERT_TRUE(ReadHandOffRequest(request));
    EXPECT_EQ(request.Name, std::string(259, 'N'));
    EXPECT_EQ(request.ExePath, std::string(1023, 'E'));
}

TEST(HandOffRequest, AReaderBetweenTwoWritesNeverPairsOneRequestsNameWithAnothersPath)
{
    // The extension writes while the program may still be reading the request before.
    WriteProfileStringA(kRequestSection, nullptr, nullptr);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int i = 0; i < 300; ++i) {
            WriteHandOffRequest({"f" + std::to_string(i), "", "", "C:\\f" + std::to_string(i)});
            std::this_thread::yield();
        }
        done = true;
    });
    int reads = 0;
    for (HandOffRequest request; !done; ++reads) {
        if (ReadHandOffRequest(request))
            EXPECT_EQ(request.ExePath, "C:\\" + request.Name);
    }
    writer.join();
    HandOffRequest last;
    EXPECT_TRUE(ReadHandOffRequest(last) && last.ExePath == "C:\\f299");
    EXPECT_GT(reads, 0);
}

TEST(HandOffDest, OnlyALiveWindowOfThisProcessIsNamed)
{
    HWND window = CreateWindowA("STATIC", "dest", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    PublishHandOffDest(window);
    EXPECT_EQ(HandOffDest(), window);
    DestroyWindow(window);
    EXPECT_EQ(HandOffDest(), nullptr);
    EXPECT_FALSE(SendItemWaiting());

    // A handle an earlier run left behind may now name another program's window.
    PublishHandOffDest(GetDesktopWindow());
    EXPECT_EQ(HandOffDest(), nullptr);
    for (const char* text : {"0", "", "not a number", "-"}) {
        WriteProfileStringA(kItemSection, "Dest", text);
        EXPECT_EQ(HandOffDest(), nullptr) << text;
    }
}

TEST(HandOffItem, ValuesComeBackWholeAndCutToTheirBuffers)
{
    WriteProfileStringA(kItemSection, nullptr, nullptr);
    HandOffItem item{"Report \"final\"",
                     "  rf ",
                     "Ctrl",
                     "F5",
                     "first line\r\nNodeID=forged\r\n\r\n[other]\r\nlast",
                     "C:\\Reports\\100% done.xlsx",
                     "AAAAAAAA-0000-0000-0000-000000000001"};
    WriteHandOffItem(item);
    HandOffItem back;
    ASSERT_TRUE(ReadHandOffItem(back));
    EXPECT_EQ(Joined(back), Joined(item)) << "the forged line stays inside the description";

    item = HandOffItem{std::string(300, 'n'),   std::string(300, 's'),  std::string(30, 'c'), std::string(30, 'k'),
                       std::string(1200, '\n'), std::string(1100, 'e'), std::string(40, 'A')};
    WriteHandOffItem(item);
    ASSERT_TRUE(ReadHandOffItem(back));
    // Cut to their buffers, but a longer NodeID from a foreign catalogs file comes whole.
    EXPECT_EQ(Joined(back), Joined(HandOffItem{std::string(259, 'n'), std::string(259, 's'), std::string(19, 'c'),
                                               std::string(19, 'k'), std::string(1023, '\n'), std::string(1023, 'e'),
                                               std::string(40, 'A')}));

    WriteProfileStringA(kItemSection, "Name", "");
    EXPECT_FALSE(ReadHandOffItem(back));
    // An escaped NUL is no name, and reaches no field of the items file.
    WriteProfileStringA(kItemSection, "Name", "%00%00");
    EXPECT_FALSE(ReadHandOffItem(back));
}
