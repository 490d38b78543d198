// INI files through the profile functions: missing and malformed values, sections and
// keys, long values, and names without a folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "framework/IniFiles.h"
#include "framework/StringList.h"

using namespace orv;

namespace {

class IniFile : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t dir[MAX_PATH];
        GetTempPathW(MAX_PATH, dir);
        FFolder = std::wstring(dir) + L"orv-ini-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(FFolder.c_str(), nullptr);
        FFile = FFolder + L"\\settings.ini";
    }
    void TearDown() override {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
        DeleteFileW(FFile.c_str());
        RemoveDirectoryW(FFolder.c_str());
    }
    void WriteText(const std::string& text) {
        std::ofstream out(FFile.c_str(), std::ios::binary);
        out << text;
    }
    std::string ReadText() {
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
        std::ifstream in(FFile.c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::wstring FFolder;
    std::wstring FFile;
};

}  // namespace

TEST_F(IniFile, AMissingFileReadsAsEmpty) {
    TIniFile ini(FFile);
    EXPECT_EQ(ini.ReadString(L"S", L"K", L"fallback"), L"fallback");
    EXPECT_EQ(ini.ReadInteger(L"S", L"K", -5), -5);
    EXPECT_TRUE(ini.ReadBool(L"S", L"K", true));
    EXPECT_FALSE(ini.ValueExists(L"S", L"K"));
    EXPECT_FALSE(ini.SectionExists(L"S"));
    TStringList names(std::vector<std::wstring>{L"stale"});
    ini.ReadSections(names);
    EXPECT_EQ(names.Count(), 0) << "the list is replaced, not added to";
    ini.ReadSection(L"S", names);
    EXPECT_EQ(names.Count(), 0);
    EXPECT_NO_THROW(ini.EraseSection(L"S"));
    EXPECT_NO_THROW(ini.DeleteKey(L"S", L"K"));
    EXPECT_EQ(GetFileAttributesW(FFile.c_str()), INVALID_FILE_ATTRIBUTES) << "reading made no file";
}

TEST_F(IniFile, MalformedNumbersGiveTheDefault) {
    WriteText(
        "[Numbers]\r\n"
        "Dec=42\r\n"
        "Neg=-7\r\n"
        "Dollar=$1F\r\n"
        "Hex=0x1f\r\n"
        "Junk=12abc\r\n"
        "Empty=\r\n"
        "Padded=   5   \r\n"
        "Huge=99999999999\r\n"
        "Dot=1.5\r\n"
        "Zero=0\r\n"
        "Word=yes\r\n");
    TIniFile ini(FFile);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Dec", -1), 42);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Neg", -1), -7);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Dollar", -1), 31);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Hex", -1), 31);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Junk", -1), -1);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Empty", -1), -1);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Padded", -1), 5);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Huge", -1), -1);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Dot", -1), -1);
    EXPECT_EQ(ini.ReadInteger(L"Numbers", L"Missing", -1), -1);
    EXPECT_EQ(ini.ReadInteger(L"numbers", L"dec", -1), 42) << "names compare without case";

    EXPECT_FALSE(ini.ReadBool(L"Numbers", L"Zero", true));
    EXPECT_TRUE(ini.ReadBool(L"Numbers", L"Dec", false)) << "any number but 0 is true";
    EXPECT_TRUE(ini.ReadBool(L"Numbers", L"Word", true)) << "not a number: the default";
    EXPECT_FALSE(ini.ReadBool(L"Numbers", L"Word", false));
    EXPECT_EQ(ini.ReadString(L"Numbers", L"Empty", L"default"), L"") << "present but empty is not missing";
}

TEST_F(IniFile, WritesSectionsKeysAndErasing) {
    WriteText("[Empty]\r\n[Other]\r\nX=1\r\n");
    TIniFile ini(FFile);
    ini.WriteString(L"Main", L"Name", L"Orv Tool Bar");
    ini.WriteInteger(L"Main", L"Left", -12);
    ini.WriteBool(L"Main", L"Visible", true);
    ini.WriteBool(L"Main", L"Floating", false);
    ini.UpdateFile();
    std::string text = ReadText();
    EXPECT_NE(text.find("[Main]"), std::string::npos) << text;
    EXPECT_NE(text.find("Left=-12"), std::string::npos) << text;
    EXPECT_NE(text.find("Visible=1"), std::string::npos) << text;
    EXPECT_NE(text.find("Floating=0"), std::string::npos) << text;

    EXPECT_EQ(ini.ReadString(L"Main", L"Name", L""), L"Orv Tool Bar");
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Left", 0), -12);
    EXPECT_TRUE(ini.ReadBool(L"Main", L"Visible", false));
    EXPECT_FALSE(ini.ReadBool(L"Main", L"Floating", true));

    TStringList keys;
    ini.ReadSection(L"Main", keys);
    EXPECT_EQ(keys.ToVector(), (std::vector<std::wstring>{L"Name", L"Left", L"Visible", L"Floating"}));
    ini.ReadSectionValues(L"Main", keys);
    EXPECT_EQ(keys.Values(L"Left"), L"-12");
    ini.ReadSections(keys);
    EXPECT_EQ(keys.ToVector(), (std::vector<std::wstring>{L"Empty", L"Other", L"Main"}));
    EXPECT_TRUE(ini.SectionExists(L"Empty")) << "a section without keys exists";
    EXPECT_TRUE(ini.SectionExists(L"main"));
    EXPECT_TRUE(ini.ValueExists(L"Main", L"visible"));
    EXPECT_FALSE(ini.ValueExists(L"Other", L"Visible"));

    ini.DeleteKey(L"Main", L"Left");
    EXPECT_FALSE(ini.ValueExists(L"Main", L"Left"));
    EXPECT_EQ(ini.ReadInteger(L"Main", L"Left", 99), 99);
    ini.EraseSection(L"Main");
    EXPECT_FALSE(ini.SectionExists(L"Main"));
    EXPECT_EQ(ini.ReadString(L"Other", L"X", L""), L"1") << "other sections stay";
}

TEST_F(IniFile, LongValuesReadWholeWithTheCallersBuffer) {
    std::wstring hex;
    for (int i = 0; i < 2500; ++i) hex += L"A7";
    TIniFile ini(FFile);
    ini.WriteString(L"Fill", L"Picture", hex);
    ini.WriteInteger(L"Fill", L"PictureSize", static_cast<int>(hex.size()));
    std::wstring usual = ini.ReadString(L"Fill", L"Picture", L"");
    EXPECT_EQ(usual.size(), TIniFile::kStringBufferSize - 1) << "the usual read stops at its limit";
    int size = ini.ReadInteger(L"Fill", L"PictureSize", 0);
    ASSERT_EQ(size, 5000);
    EXPECT_EQ(ini.ReadString(L"Fill", L"Picture", L"", static_cast<size_t>(size) + 1), hex);
    EXPECT_EQ(ini.ReadString(L"Fill", L"Picture", L"", 5), L"A7A7") << "a small buffer cuts the value";
}

TEST(IniFileName, ANameWithoutAFolderLivesInTheWindowsFolder) {
    std::wstring name = L"orv-ini-" + std::to_wstring(GetCurrentProcessId()) + L".ini";
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    std::wstring full = std::wstring(windows) + L"\\" + name;
    {
        TIniFile bare(name);
        bare.WriteString(L"Where", L"Here", L"yes");
        bare.UpdateFile();
    }
    EXPECT_NE(GetFileAttributesW(full.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(TIniFile(full).ReadString(L"Where", L"Here", L""), L"yes");
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, full.c_str());
    DeleteFileW(full.c_str());
}
