#include "config/BrowserProfile.h"
#include "config/OpenCommand.h"
#include "config/ProgramList.h"
#include "config/WebAddresses.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

namespace {
Texts Expanded(const std::string& url, unsigned codePage = 936)
{
    Texts out;
    ExpandHistoryAddress(url, out, LeadBytes::Of(codePage));
    return out;
}
} // namespace

TEST(HistoryAddressTest, OffersFoldersPageWithoutQueryAndWholeAddressFoldingSingleBytesOnly)
{
    EXPECT_EQ(Expanded("http://Www.Example.com/Docs/Api/Page.html?Id=7&next=a/b"),
              (Texts{"http://Www.Example.com/Docs", "http://Www.Example.com/Docs/Api",
                     "http://Www.Example.com/Docs/Api/Page.html",
                     "http://www.example.com/docs/api/page.html?id=7&next=a/b"}));
    EXPECT_EQ(Expanded("http://Example.COM"), (Texts{"http://example.com"}));
    EXPECT_EQ(Expanded("HTTP://Example.com/"), (Texts{"http://example.com/"}));
    EXPECT_EQ(Expanded("http://"), Texts{});
    EXPECT_EQ(Expanded("https://example.com/a/b"), Texts{});
    EXPECT_EQ(Expanded("file:///C:/notes/a.txt"), Texts{});
    EXPECT_EQ(Expanded("https://example.com/?go=http://elsewhere.org/x/y"), Texts{});
    // 0x81 0x41 and 0x81 0x61 are two different characters of the Chinese code page.
    EXPECT_EQ(Expanded("http://A.cn/\x81\x41"), (Texts{"http://a.cn/\x81\x41"}));
    EXPECT_EQ(Expanded("http://A.jp/\xB1\x41", 932), (Texts{"http://a.jp/\xB1\x61"}));
}

TEST(OpenCommandTest, CleansRegisteredOpenCommandsAndOffersOnlyPrograms)
{
    EXPECT_EQ(CleanOpenCommand("\"C:\\Program Files\\Viewer\\view.exe\" \"%1\""),
              "C:\\Program Files\\Viewer\\view.exe");
    EXPECT_EQ(CleanOpenCommand("C:\\Tools\\edit.exe /open /x \"%1\""), "C:\\Tools\\edit.exe");
    EXPECT_EQ(CleanOpenCommand("C:\\Tools\\edit.exe %1"), "C:\\Tools\\edit.exe");
    EXPECT_EQ(CleanOpenCommand("\"C:\\App\\app.exe\" \"%1\" -n %2 %* \"%L\" -x%3"), "C:\\App\\app.exe  -n    -x");
    EXPECT_EQ(CleanOpenCommand("%SystemRoot%\\notepad.exe %1"), "%SystemRoot%\\notepad.exe");
    // What names no program file is not offered.
    for (const char* command : {"/", "\"/\"", "/usr/bin/x", "\"%1\"", "C:\\Tools\\", "C:\\Tools\\.exe", "x.exe1"})
        EXPECT_EQ(CleanOpenCommand(command), "") << command;
    EXPECT_EQ(CleanOpenCommand(""), "");

    // Only programs are offered; an installer's icon file stands for the program of its class.
    EXPECT_TRUE(IsProgramCommand("  C:\\APPS\\TOOL.EXE "));
    EXPECT_FALSE(IsProgramCommand("C:\\apps\\tool.exe -x"));
    EXPECT_FALSE(IsProgramCommand("C:\\docs\\readme.txt"));
    EXPECT_TRUE(IsInstallerIconTarget("C:\\WINDOWS\\Installer\\{90110804-6000-11D3}\\XLICONS.EXE"));
    EXPECT_FALSE(IsInstallerIconTarget("C:\\Program Files\\Office\\xlicons.exe"));
    EXPECT_FALSE(IsInstallerIconTarget("C:\\Windows\\Installer\\{1}\\setup.exe"));
}

TEST(ProgramListTest, AddressesAreAddedOnceInAnyCaseAndCut)
{
    ProgramList list;
    list.Append("Editor", "c:\\e.exe");
    const std::string longAddress = "http://example.com/" + std::string(300, 'p');
    AddAddresses(list, {"http://a.org", "HTTP://A.ORG", "editor", "http://b.org", longAddress,
                        longAddress.substr(0, kMaxAddressText) + "different tail"});
    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list.At(1).text, "http://a.org");
    EXPECT_EQ(list.At(2).command, "http://b.org");
    EXPECT_EQ(list.At(3).text, longAddress.substr(0, kMaxAddressText));
    EXPECT_EQ(list.At(3).command, list.At(3).text);

    // An accented letter on 1252 is one byte: the letter after it still compares in any case.
    // On 936 the same two bytes are one character, and another one with a small letter; an
    // address is cut before such a character rather than inside it.
    const std::string cutInside = "http://x/" + std::string(249, 'a') + "\xB1\x41";
    for (const unsigned codePage : {936u, 1252u}) {
        ProgramList named{LeadBytes::Of(codePage)};
        named.Append("Caf\xE9"
                     "Bar",
                     "c:\\cafe.exe");
        EXPECT_EQ(named.ContainsNoCase("caf\xE9"
                                       "bar"),
                  codePage == 1252)
            << codePage;
        AddAddresses(named, {cutInside});
        EXPECT_EQ(named.At(1).text.size(), codePage == 1252 ? 259u : 258u) << codePage;
    }
}

TEST(BrowserProfileTest, ChoosesTheDefaultProfile)
{
    EXPECT_EQ(ChooseProfileName({"Crash Reports", "Ab12.Default-Release", "x.default"}), "ab12.default-release");
    EXPECT_EQ(ChooseProfileName({"one", "Two"}), "two");

    const std::string ini = "[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile1]\r\nName=old\r\nIsRelative=1\r\n"
                            "Path=Profiles/old.default\r\nDefault=1\r\n\r\n[Profile0]\r\nName=new\r\n"
                            "IsRelative=0\r\nPath=D:\\Fx\\new\r\n\r\n[Install4F96D1932A9F858E]\r\n"
                            "Default=Profiles/new.default-release\r\nLocked=1\r\n";
    ProfileLocation named = DefaultProfileFromIni(ini);
    EXPECT_EQ(named.path, "Profiles/new.default-release");
    EXPECT_TRUE(named.relative);
    named = DefaultProfileFromIni("[Profile0]\nPath=D:\\Fx\\new\nIsRelative=0\nDefault=1\n[Profile1]\nPath=x\n");
    EXPECT_EQ(named.path, "D:\\Fx\\new");
    EXPECT_FALSE(named.relative);
    EXPECT_EQ(DefaultProfileFromIni("[Profile0]\nPath=Profiles/a\n").path, "");
}
