// The string list: its text forms (lines, delimited and comma text, name=value pairs),
// sorting and duplicates, change notices and text files in each encoding.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "framework/Streams.h"
#include "framework/StringList.h"

using namespace orv;

namespace {

using TStrings = std::vector<std::wstring>;

TStrings FromComma(const std::wstring& text) {
    TStringList list;
    list.SetCommaText(text);
    return list.ToVector();
}

std::wstring TempFile(const std::wstring& name) {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + L"orv-strings-" + std::to_wstring(GetCurrentProcessId()) + L"-" + name;
}

std::string ReadBytes(const std::wstring& file) {
    std::ifstream in(file.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::wstring& file, const std::string& bytes) {
    std::ofstream out(file.c_str(), std::ios::binary);
    out << bytes;
}

}  // namespace

TEST(StringList, CommaTextQuotesWhatWouldSplitAndReadsItBack) {
    TStringList list(TStrings{L"plain", L"two words", L"a,b", L"say \"hi\"", L"", L" lead", L"tab\there", L"x"});
    EXPECT_EQ(list.GetCommaText(), L"plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",,\" lead\",\"tab\there\",x");
    EXPECT_EQ(FromComma(list.GetCommaText()), list.ToVector());

    // One empty entry must not read back as no entry.
    EXPECT_EQ(TStringList(TStrings{L""}).GetCommaText(), L"\"\"");
    EXPECT_EQ(FromComma(L"\"\""), TStrings{L""});
    EXPECT_EQ(FromComma(L""), TStrings{});
    EXPECT_EQ(TStringList(TStrings{L"", L""}).GetCommaText(), L",");
    EXPECT_EQ(FromComma(L","), (TStrings{L"", L""}));

    // Reading: blanks outside quotes split and are dropped around entries; a trailing
    // comma ends an empty entry; an unclosed quote takes the rest.
    EXPECT_EQ(FromComma(L"  a b ,  c  "), (TStrings{L"a", L"b", L"c"}));
    EXPECT_EQ(FromComma(L"a,,b"), (TStrings{L"a", L"", L"b"}));
    EXPECT_EQ(FromComma(L"a,"), (TStrings{L"a", L""}));
    EXPECT_EQ(FromComma(L"\"open, still"), TStrings{L"open, still"});
    EXPECT_EQ(FromComma(L"\"a\"b,c"), (TStrings{L"a", L"b", L"c"}));
    EXPECT_EQ(FromComma(L"\"\"\"\""), TStrings{L"\""});

    // Comma text ignores the list's own delimiter settings.
    TStringList semi(TStrings{L"a;b", L"c d"});
    semi.SetDelimiter(L';');
    semi.SetStrictDelimiter(true);
    EXPECT_EQ(semi.GetCommaText(), L"a;b,\"c d\"");
}

TEST(StringList, DelimitedTextFollowsDelimiterQuoteAndStrictness) {
    TStringList list;
    list.SetDelimiter(L';');
    list.SetQuoteChar(L'\'');
    list.SetDelimitedText(L"a b;'c;d';'it''s'");
    EXPECT_EQ(list.ToVector(), (TStrings{L"a", L"b", L"c;d", L"it's"})) << "not strict: the blank splits too";

    list.SetStrictDelimiter(true);
    list.SetDelimitedText(L" a b ;c,d;");
    EXPECT_EQ(list.ToVector(), (TStrings{L" a b ", L"c,d", L""})) << "strict: only the delimiter splits";
    TStringList strict(TStrings{L"x y", L"p;q", L"it's", L"a,b"});
    strict.SetDelimiter(L';');
    strict.SetQuoteChar(L'\'');
    strict.SetStrictDelimiter(true);
    EXPECT_EQ(strict.GetDelimitedText(), L"x y;'p;q';'it''s';a,b");

    // Round trips of awkward entries in both modes.
    const TStrings awkward{L"", L" ", L"''", L";", L"a ; b", L"\x263A smile", L"end '"};
    for (bool strictMode : {false, true}) {
        TStringList out(awkward);
        out.SetDelimiter(L';');
        out.SetQuoteChar(L'\'');
        out.SetStrictDelimiter(strictMode);
        TStringList in;
        in.SetDelimiter(L';');
        in.SetQuoteChar(L'\'');
        in.SetStrictDelimiter(strictMode);
        in.SetDelimitedText(out.GetDelimitedText());
        EXPECT_EQ(in.ToVector(), awkward) << "strict " << strictMode;
    }
}

TEST(StringList, TextSplitsAtEveryLineBreakAndEndsEachLine) {
    TStringList list;
    list.SetText(L"a\r\nb\nc\rd");
    EXPECT_EQ(list.ToVector(), (TStrings{L"a", L"b", L"c", L"d"}));
    EXPECT_EQ(list.GetText(), L"a\r\nb\r\nc\r\nd\r\n");
    list.SetText(L"one\r\n\r\n");
    EXPECT_EQ(list.ToVector(), (TStrings{L"one", L""}));
    list.SetText(L"\n\r");
    EXPECT_EQ(list.ToVector(), (TStrings{L"", L""})) << "LF then CR are two breaks";
    list.SetText(L"");
    EXPECT_EQ(list.Count(), 0);
    list.SetText(std::wstring(L"nul\0inside", 10));
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Strings(0).size(), 10u) << "a NUL does not end the text";
}

TEST(StringList, NamesAndValues) {
    TStringList list(TStrings{L"Name=Value", L"Empty=", L"NoSeparator", L"a=b=c"});
    EXPECT_EQ(list.Names(0), L"Name");
    EXPECT_EQ(list.Values(L"NAME"), L"Value") << "names compare without case by default";
    EXPECT_EQ(list.Values(L"a"), L"b=c") << "the first separator splits";
    EXPECT_EQ(list.Names(2), L"");
    EXPECT_EQ(list.ValueFromIndex(2), L"");
    EXPECT_EQ(list.Values(L"Missing"), L"");
    EXPECT_EQ(list.IndexOfName(L"empty"), 1);
    EXPECT_EQ(list.IndexOfName(L"NoSeparator"), -1);

    list.SetValues(L"a", L"z");
    EXPECT_EQ(list.Strings(3), L"a=z");
    list.SetValues(L"New", L"1");
    EXPECT_EQ(list.Strings(4), L"New=1");
    list.SetValues(L"name", L"");
    EXPECT_EQ(list.ToVector(), (TStrings{L"Empty=", L"NoSeparator", L"a=z", L"New=1"}));
    list.SetValueFromIndex(2, L"y");
    EXPECT_EQ(list.Strings(2), L"a=y");

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.Values(L"NEW"), L"");
    EXPECT_EQ(list.Values(L"New"), L"1");
    list.SetNameValueSeparator(L':');
    list.Add(L"Key:Val=ue");
    EXPECT_EQ(list.Values(L"Key"), L"Val=ue");
}

TEST(StringList, SortedListsKeepOrderAndApplyDuplicates) {
    TStringList list;
    list.SetSorted(true);
    EXPECT_EQ(list.Add(L"b"), 0);
    EXPECT_EQ(list.Add(L"A"), 0);
    EXPECT_EQ(list.Add(L"c"), 2);
    EXPECT_EQ(list.Add(L"a"), 0) << "equal without case: ignored, its index returned";
    EXPECT_EQ(list.ToVector(), (TStrings{L"A", L"b", L"c"}));
    EXPECT_EQ(list.IndexOf(L"B"), 1);
    EXPECT_EQ(list.IndexOf(L"bb"), -1);
    int at = -1;
    EXPECT_FALSE(list.Find(L"bb", at));
    EXPECT_EQ(at, 2) << "where it would go";

    EXPECT_THROW(list.Insert(0, L"x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, L"x"), EStringListError);
    EXPECT_THROW(list.Exchange(0, 1), EStringListError);

    list.SetDuplicates(dupError);
    EXPECT_THROW(list.Add(L"C"), EStringListError);
    EXPECT_EQ(list.Count(), 3);
    list.SetDuplicates(dupAccept);
    list.Add(L"C");
    EXPECT_EQ(list.Count(), 4);

    // Case-sensitive order is the code-unit order: capitals first.
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.ToVector(), (TStrings{L"A", L"C", L"b", L"c"}));
    EXPECT_EQ(list.IndexOf(L"a"), -1);

    // Objects travel with their strings when sorting.
    TStringList objects;
    TObject* one = reinterpret_cast<TObject*>(uintptr_t(0x10));
    TObject* two = reinterpret_cast<TObject*>(uintptr_t(0x20));
    objects.AddObject(L"zwei", two);
    objects.AddObject(L"eins", one);
    objects.SetSorted(true);
    EXPECT_EQ(objects.Objects(0), one);
    EXPECT_EQ(objects.IndexOfObject(two), 1);
    try {
        objects.Strings(5);
        ADD_FAILURE() << "no error";
    } catch (const EStringListError& e) {
        EXPECT_EQ(e.Message(), L"List index out of bounds (5)");
    }
    EXPECT_THROW(objects.Delete(-1), EStringListError);
}

TEST(StringList, ChangeNoticesAssignAndEditing) {
    TStringList list;
    int changes = 0, changing = 0;
    list.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &list);
        ++changes;
    };
    list.OnChanging = [&](TObject*) { ++changing; };
    list.Add(L"a");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(changing, 1);
    list.SetText(L"x\ny\nz");
    EXPECT_EQ(changes, 2) << "one notice for the whole text";
    list.BeginUpdate();
    list.Delete(0);
    list.Insert(0, L"w");
    list.Exchange(0, 2);
    EXPECT_EQ(changes, 2);
    list.EndUpdate();
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.ToVector(), (TStrings{L"z", L"y", L"w"}));
    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(changes, 3) << "an update without a change sends nothing";

    // Assign copies strings, objects and options.
    TStringList source(TStrings{L"k=v"});
    source.SetObjects(0, &list);
    source.SetDelimiter(L'|');
    source.SetCaseSensitive(true);
    list.Assign(&source);
    EXPECT_EQ(changes, 4);
    EXPECT_TRUE(list.Equals(source));
    EXPECT_EQ(list.Objects(0), &list);
    EXPECT_EQ(list.GetDelimiter(), L'|');
    EXPECT_TRUE(list.GetCaseSensitive());
    TStringList other;
    other.AddStrings(list);
    other.AddStrings(other);
    EXPECT_EQ(other.ToVector(), (TStrings{L"k=v", L"k=v"}));
    EXPECT_THROW(list.Assign(nullptr), EConvertError);
}

TEST(StringList, FilesInEachEncodingAndStreams) {
    const TStrings lines{
        L"Gr\x00FC\x00DF"
        L"e",
        L"\x65E5\x672C", L"\xD83D\xDE00 face", L""};
    TStringList list(lines);
    std::wstring file = TempFile(L"enc.txt");

    list.SaveToFile(file);
    std::string bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, 6), "Gr\xC3\xBC\xC3\x9F") << "UTF-8 without a mark by default";
    EXPECT_EQ(bytes.substr(bytes.size() - 4), "\r\n\r\n");
    TStringList back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.ToVector(), lines);

    list.SaveToFile(file, teUTF8BOM);
    EXPECT_EQ(ReadBytes(file).substr(0, 4), "\xEF\xBB\xBFG");
    back.LoadFromFile(file);
    EXPECT_EQ(back.ToVector(), lines);

    list.SaveToFile(file, teUnicode);
    bytes = ReadBytes(file);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFEG\0", 4));
    back.LoadFromFile(file);
    EXPECT_EQ(back.ToVector(), lines);

    // Written by others: UTF-16 big-endian, and bytes that are not UTF-8 (the ANSI page,
    // a single-byte one here, so one character per byte).
    WriteBytes(file, std::string("\xFE\xFF\0A\0\n\0B", 8));
    back.LoadFromFile(file);
    EXPECT_EQ(back.ToVector(), (TStrings{L"A", L"B"}));
    WriteBytes(file, "caf\xE9\r\nx");
    back.LoadFromFile(file);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Strings(0).substr(0, 3), L"caf");
    EXPECT_EQ(back.Strings(0).size(), 4u);
    DeleteFileW(file.c_str());

    EXPECT_THROW(back.LoadFromFile(TempFile(L"missing.txt")), EFOpenError);
    EXPECT_THROW(back.SaveToFile(TempFile(L"no-folder\\x.txt")), EFCreateError);

    // Streams: reading starts at the position, writing goes at the position.
    TMemoryStream stream;
    stream.WriteBuffer("skip", 4);
    TStringList(TStrings{L"one", L"two"}).SaveToStream(stream);
    stream.SetPosition(4);
    back.LoadFromStream(stream);
    EXPECT_EQ(back.ToVector(), (TStrings{L"one", L"two"}));
    EXPECT_EQ(stream.GetSize(), 4 + 10);
}
