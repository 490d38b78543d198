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

TEST_F(IniFile, ANewFileIsUnicodeAndKeepsTextTheAnsiCodePageLacks) {
    const std::wstring text = L"\u65E5\u672C \u0396\u03B5\u03CD\u03C2 \u20AC \u00E9";  // Japanese, Greek, euro, e-acute
    TIniFile ini(FFile);
    ini.WriteString(L"Main", L"Title", text);
    ini.WriteString(L"\u0396", L"\u65E5", L"key and section");
    std::string bytes = ReadText();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF) << "a UTF-16 byte-order mark first";
    EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xFE);
    EXPECT_EQ(ini.ReadString(L"Main", L"Title", L""), text);
    EXPECT_EQ(ini.ReadString(L"\u0396", L"\u65E5", L""), L"key and section");
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.ToVector(), (std::vector<std::wstring>{L"Main", L"\u0396"}));

    // A file another program wrote in the ANSI code page stays so: what it cannot hold is
    // refused, not turned into question marks.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
    DeleteFileW(FFile.c_str());
    WriteText("[Main]\r\nName=plain\r\n");
    EXPECT_THROW(ini.WriteString(L"Main", L"Title", text), EIniFileException);
    EXPECT_THROW(ini.WriteString(L"Main", L"\u65E5", L"x"), EIniFileException);
    EXPECT_THROW(ini.WriteString(L"\u0396", L"Name", L"x"), EIniFileException);
    ini.WriteString(L"Main", L"Name", L"still plain");
    std::string ansi = ReadText();
    EXPECT_EQ(ansi.rfind("[Main]", 0), 0u) << "no byte-order mark put before what was there";
    EXPECT_NE(ansi.find("Name=still plain\r\n"), std::string::npos) << ansi;
}

TEST_F(IniFile, WhatTheFormatCannotHoldIsRefusedAndNothingChangesMeaning) {
    TIniFile ini(FFile);
    ini.WriteString(L"Main", L"Name", L"kept");
    struct TCase {
        const wchar_t* Section;
        std::wstring Key;
        std::wstring Value;
        const wchar_t* Fault;
    };
    const TCase cases[] = {
        {L"Main", L"Evil", L"a\r\n[Other]\r\nName=b", L"line break"},
        {L"Main", L"Evil", L"first\nName=second", L"line break"},
        {L"Main", L"Evil", L"cut\rhere", L"line break"},
        {L"Main", L"Evil", std::wstring(L"ab\0cd", 5), L"NUL"},
        {L"Main", L"Name=Evil", L"x", L"'='"},
        {L"Main", L"Na\nme", L"x", L"line break"},
        {L"Main", std::wstring(L"Name\0x", 6), L"x", L"NUL"},
        {L"Main", L"[Other]", L"x", L"'['"},
        {L"Main", L";Name", L"x", L"';'"},
        {L"Main", L" Name", L"x", L"white space"},
        {L"Main", L"Name\t", L"x", L"white space"},
        {L"Main", L"", L"x", L"empty"},
        {L"Other]x", L"Name", L"x", L"']'"},
        {L"Other\r\n[Main", L"Name", L"x", L"line break"},
        {L" Main", L"Name", L"x", L"white space"},
        {L"", L"Name", L"x", L"empty"},
    };
    for (const TCase& c : cases) {
        try {
            ini.WriteString(c.Section, c.Key, c.Value);
            ADD_FAILURE() << "stored: " << ToUtf8(c.Key) << " = " << ToUtf8(c.Value);
        } catch (const EIniFileException& e) {
            EXPECT_NE(e.Message().find(FFile), std::wstring::npos) << ToUtf8(e.Message());
            EXPECT_NE(e.Message().find(c.Fault), std::wstring::npos) << ToUtf8(e.Message());
        }
    }
    EXPECT_THROW(ini.WriteInteger(L"Main", L"A=B", 1), EIniFileException);
    EXPECT_THROW(ini.WriteBool(L"Main\n", L"A", true), EIniFileException);

    TStringList names;
    ini.ReadSections(names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::wstring>{L"Main"}));
    ini.ReadSection(L"Main", names);
    EXPECT_EQ(names.ToVector(), (std::vector<std::wstring>{L"Name"}));
    EXPECT_EQ(ini.ReadString(L"Main", L"Name", L""), L"kept");

    // A name with a NUL is no other name cut short.
    const std::wstring cut(L"Name\0x", 6);
    EXPECT_EQ(ini.ReadString(L"Main", cut, L"default"), L"default");
    EXPECT_EQ(ini.ReadString(std::wstring(L"Main\0y", 6), L"Name", L"default"), L"default");
    ini.DeleteKey(L"Main", cut);
    ini.EraseSection(std::wstring(L"Main\0y", 6));
    EXPECT_EQ(ini.ReadString(L"Main", L"Name", L""), L"kept");
}

TEST_F(IniFile, ValuesTheProfileFunctionsWouldTrimOrUnquoteReadBackExactly) {
    const std::wstring values[] = {L"  padded  ", L" lead",  L"trail ",
                                   L"\ttab",      L" ",      L"\"quoted\"",
                                   L"'single'",   L"\"",     L"\"\"",
                                   L"''",         L"\"half", L"mid \"dle\" quotes",
                                   L"'mixed\"",   L"",       L"\u3000wide space\u3000"};
    TIniFile ini(FFile);
    int i = 0;
    for (const std::wstring& v : values) ini.WriteString(L"Values", L"K" + std::to_wstring(i++), v);
    i = 0;
    for (const std::wstring& v : values)
        EXPECT_EQ(ini.ReadString(L"Values", L"K" + std::to_wstring(i++), L"default"), v) << ToUtf8(v);
    // The same in a file of the ANSI code page.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFile.c_str());
    DeleteFileW(FFile.c_str());
    WriteText("[Values]\r\n");
    i = 0;
    for (const std::wstring& v : values)
        if (v.find(L'\u3000') == std::wstring::npos) ini.WriteString(L"Values", L"K" + std::to_wstring(i++), v);
    i = 0;
    for (const std::wstring& v : values) {
        if (v.find(L'\u3000') != std::wstring::npos) continue;
        EXPECT_EQ(ini.ReadString(L"Values", L"K" + std::to_wstring(i++), L"default"), v) << ToUtf8(v);
    }
}
