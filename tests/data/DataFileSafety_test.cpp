// Data files against inputs that are no data files, text in double-byte code pages, and
// saves that are interrupted or fail.
#include "DataBytes.h"
#include "TempFolder.h"

#include "data/FileAccess.h"
#include "data/ItemsFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
#ifndef _WIN32
// Runs `step` as a user without the rights of root (tests often run as root, who may read
// and delete anything).
template <typename Step> void AsPlainUser(Step step)
{
    const bool root = geteuid() == 0;
    if (root)
        ASSERT_EQ(seteuid(65534), 0);
    step();
    if (root)
        ASSERT_EQ(seteuid(0), 0);
}

// Runs `step` as on a disk that is full once a file reaches `room` bytes.
template <typename Step> void OnAFullDisk(Step step, rlim_t room = 0)
{
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit none{room, old.rlim_max};
    auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &none), 0);
    step();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
}
#endif
} // namespace

TEST(DataFileSafety, OnlyRegularFilesOfADataFilesSizeAreRead)
{
    TempFolder folder;
    std::string bytes;
    ItemList items;
    CatalogTree tree;
    const std::string folderPath = folder.File("Shortcut2.dat");
    std::filesystem::create_directory(folderPath);
    EXPECT_FALSE(ReadWholeFile(folderPath, bytes));
    EXPECT_FALSE(LoadItems(folderPath, items));
    EXPECT_FALSE(LoadCatalogTree(folderPath, tree));
    EXPECT_EQ(FileSizeOf(folderPath), -1);

    // Sparse, far larger than any data file: unreadable, and no attempt to hold it.
    const std::string huge = folder.File("huge.dat");
    WriteBytes(huge, Header("0000000000000001"));
    std::filesystem::resize_file(huge, uintmax_t(5) << 30);
    EXPECT_FALSE(ReadWholeFile(huge, bytes));
    EXPECT_FALSE(LoadItems(huge, items));
    EXPECT_EQ(items.Count(), 0u);
    // Exactly at the limit is still a data file's size.
    std::filesystem::resize_file(huge, uintmax_t(kDataFileSizeLimit));
    int64_t size = 0;
    std::FILE* file = OpenDataFile(huge, size);
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    EXPECT_EQ(size, kDataFileSizeLimit);
    // Cut back as a failed append does.
    EXPECT_TRUE(TruncateFile(huge, 3));
    EXPECT_EQ(FileSizeOf(huge), 3);

#ifdef _WIN32
    EXPECT_FALSE(ReadWholeFile("NUL", bytes));
    // A file another program holds open for writing is read all the same.
    const std::string held = folder.File("held.dat");
    WriteBytes(held, "held bytes");
    HANDLE writer = CreateFileA(held.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(ReadWholeFile(held, bytes));
    EXPECT_EQ(bytes, "held bytes");
    CloseHandle(writer);
#else
    EXPECT_FALSE(ReadWholeFile("/dev/zero", bytes));
    // A pipe without a writer must neither be read nor waited for.
    const std::string fifo = folder.File("pipe.clg");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadWholeFile(fifo, bytes));
#endif
}

TEST(DataFileSafety, DoubleByteNamesWithSeparatorBytesSurviveASaveAndLoad)
{
    // Second bytes 0x5C ("\") and 0x7C ("|"): GBK and Shift-JIS names of the kind users type.
    const LeadBytes gbk = LeadBytes::Of(936);
    const LeadBytes sjis = LeadBytes::Of(932);
    const std::string gbkName = "\xB1\x5C\xC7\x7C tools";
    const std::string sjisName = "\x95\x5C\x83\x7C list";
    for (const auto& [lead, name] : {std::make_pair(gbk, gbkName), std::make_pair(sjis, sjisName)}) {
        const std::string text = kRoot + "|" + name + "|" + kA + "|0,1\\" + kA + "|" + name + " 2|" + kRootNodeId;
        CatalogTree tree = Place(text, lead);
        EXPECT_EQ(Names(tree), (std::vector<std::string>{name, name + " 2"}));
        EXPECT_EQ(tree.Data(tree.FirstChild(CatalogTree::kRoot)), kA + "|0,1");
        EXPECT_TRUE(IsStorableCatalogName(name, lead));
        EXPECT_EQ(NodeIdOf(name + "|5", lead), name);
    }
    // 0xB1 is a character of its own in Shift-JIS (a half-width kana), a lead byte in GBK.
    EXPECT_TRUE(IsStorableCatalogName("\xB1|", gbk));
    EXPECT_FALSE(IsStorableCatalogName("\xB1|", sjis));
    EXPECT_FALSE(IsStorableCatalogName("a\\b", gbk));
    EXPECT_FALSE(IsStorableCatalogName("cut \xB1", gbk));

    // A name that cannot be stored is never written as separators: the catalog stays one record.
    std::string out;
    AppendCatalogRecord(out, kRoot, "A|B\\C \xB1\x5C", kA, gbk);
    EXPECT_EQ(out, kRoot + "|A_B_C \xB1\x5C|" + kA + "\\");

    // Text that ends inside a character loses that half character, not its record.
    CatalogParse parse = ParseCatalogs(kRoot + "|Cut|" + kA + "\xB1", gbk);
    ASSERT_EQ(parse.records.size(), 1u);
    EXPECT_EQ(parse.records[0].nodeId, kA);
    EXPECT_EQ(parse.problems.size(), 1u);
}

#ifndef _WIN32
// A leftover of a crashed save never becomes part of the next save, and saves that fail leave
// the old files whole.
TEST(DataFileSafety, SavesTakeInNoLeftoverAndLeaveTheOldFilesWholeWhenTheyFail)
{
    TempFolder folder;
    std::filesystem::permissions(folder.Path(), std::filesystem::perms::all);
    const std::string dat = folder.File("Shortcut2.dat");
    const std::string clg = folder.File("Shortcut2.clg");
    // Left by a crashed save of another user: it may be written but not read.
    for (const std::string& path : {dat, clg}) {
        WriteBytes(FreshFileName(path), "LEFTOVER OF A CRASHED SAVE");
        ASSERT_EQ(chmod(FreshFileName(path).c_str(), 0222), 0);
    }
    const std::string old = EncodeItemsFile(Items(1));
    AsPlainUser([&] {
        EXPECT_TRUE(SaveItems(dat, Items(1)));
        EXPECT_TRUE(SaveCatalogsText(clg, kRoot + "|A|" + kA));
    });
    EXPECT_EQ(ReadBytes(dat), old);
    EXPECT_EQ(ReadBytes(clg), kRoot + "|A|" + kA);
    EXPECT_FALSE(FileExists(FreshFileName(dat)));

    OnAFullDisk([&] {
        EXPECT_FALSE(SaveItems(dat, ItemList()));
        EXPECT_FALSE(SaveItems(dat, Items(1)));
        EXPECT_FALSE(AppendItem(dat, Items(1), 0));
        EXPECT_FALSE(SaveCatalogsText(clg, kRoot + "|B|" + kA));
    });
    EXPECT_EQ(ReadBytes(dat), old);
    EXPECT_EQ(ReadBytes(clg), kRoot + "|A|" + kA);
    EXPECT_FALSE(FileExists(FreshFileName(dat)));
    EXPECT_FALSE(FileExists(FreshFileName(clg)));

    // The hand-off's one-record append runs out of room halfway: the half record goes again.
    OnAFullDisk([&] { EXPECT_FALSE(AppendItem(dat, Items(2), 1)); }, old.size() + 10);
    EXPECT_EQ(ReadBytes(dat), old);

    std::filesystem::permissions(folder.Path(), std::filesystem::perms::owner_all |
                                                    std::filesystem::perms::others_read |
                                                    std::filesystem::perms::others_exec);
    AsPlainUser([&] { EXPECT_FALSE(SaveItems(dat, ItemList())); });
    EXPECT_EQ(ReadBytes(dat), old);
}
#endif
