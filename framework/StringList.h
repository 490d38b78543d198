#pragma once
// TStringList: an ordered list of strings, each with an optional companion object (not
// owned). It reads and writes itself as text lines, as a delimited list ("comma text")
// and as name=value pairs, and loads and saves text files in UTF-8 or UTF-16.
#include <functional>
#include <string>
#include <vector>

#include "framework/Event.h"
#include "framework/Persistent.h"
#include "framework/SysUtils.h"

namespace orv {

class TStream;

class EStringListError : public Exception {
    using Exception::Exception;
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

// How text is written. Reading recognises the byte order mark of UTF-8 and UTF-16 (either
// order); text without one is UTF-8 when it is valid UTF-8, else the ANSI code page.
enum TTextEncoding {
    teUTF8,     // UTF-8 without a byte order mark
    teUTF8BOM,  // UTF-8 with a byte order mark
    teUnicode,  // UTF-16 little-endian with a byte order mark
};

class TStringList : public TPersistent {
public:
    ORV_CLASS_NAME(TStringList)
    TStringList() = default;
    explicit TStringList(const std::vector<std::wstring>& strings);

    int Count() const { return static_cast<int>(FItems.size()); }
    // Out-of-range indexes raise EStringListError "List index out of bounds (n)".
    const std::wstring& Strings(int index) const;
    // Not allowed on a sorted list.
    void SetStrings(int index, const std::wstring& value);
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* object);

    // Appends (a sorted list inserts in order and applies Duplicates); returns the index
    // of the string, or of the existing equal one when a duplicate is ignored.
    int Add(const std::wstring& s);
    int AddObject(const std::wstring& s, TObject* object);
    void AddStrings(const TStringList& strings);
    // Index may equal Count; not allowed on a sorted list.
    void Insert(int index, const std::wstring& s);
    void InsertObject(int index, const std::wstring& s, TObject* object);
    void Delete(int index);
    void Exchange(int index1, int index2);
    void Clear();

    // Comparisons follow CaseSensitive; -1 when absent.
    int IndexOf(const std::wstring& s) const;
    int IndexOfName(const std::wstring& name) const;
    int IndexOfObject(const TObject* object) const;
    // Binary search of a sorted list: true when found; index is where s is or would go.
    bool Find(const std::wstring& s, int& index) const;

    // Every string followed by CR LF. Setting splits at CR LF, LF or CR; text after the
    // last line break is a last line, an empty remainder is none.
    std::wstring GetText() const;
    void SetText(const std::wstring& text);

    // Delimited text: an entry holding the quote character or the delimiter, or (unless
    // StrictDelimiter) a blank or control character, is quoted with the quote character
    // doubled inside; a single empty entry is written as two quotes. Reading splits at the
    // delimiter and, unless StrictDelimiter, at blanks outside quotes.
    std::wstring GetDelimitedText() const;
    void SetDelimitedText(const std::wstring& text);
    // Delimited text with ',' and '"', never strict, whatever the list's own settings.
    std::wstring GetCommaText() const;
    void SetCommaText(const std::wstring& text);
    wchar_t GetDelimiter() const { return FDelimiter; }
    void SetDelimiter(wchar_t value) { FDelimiter = value; }
    wchar_t GetQuoteChar() const { return FQuoteChar; }
    void SetQuoteChar(wchar_t value) { FQuoteChar = value; }
    bool GetStrictDelimiter() const { return FStrictDelimiter; }
    void SetStrictDelimiter(bool value) { FStrictDelimiter = value; }

    // name=value entries (the separator is NameValueSeparator). An entry without the
    // separator has an empty name and value.
    wchar_t GetNameValueSeparator() const { return FNameValueSeparator; }
    void SetNameValueSeparator(wchar_t value) { FNameValueSeparator = value; }
    std::wstring Names(int index) const;
    std::wstring ValueFromIndex(int index) const;
    void SetValueFromIndex(int index, const std::wstring& value);
    // The value of the first entry of that name; empty when there is none.
    std::wstring Values(const std::wstring& name) const;
    // Replaces the first entry of that name, or adds one; an empty value deletes it.
    void SetValues(const std::wstring& name, const std::wstring& value);

    bool GetSorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates GetDuplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    // Off by default: "abc" and "ABC" are equal.
    bool GetCaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);
    void Sort();
    // Sorts with compare(list, i, j) < 0 when item i goes before item j.
    void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

    // From a TStringList: strings, objects and every option.
    void Assign(const TPersistent* source) override;
    std::vector<std::wstring> ToVector() const;
    bool Equals(const TStringList& other) const;

    // Reads from the stream's position to its end / writes at its position.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream, TTextEncoding encoding = teUTF8) const;
    // A missing file raises EFOpenError, one that cannot be created EFCreateError.
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName, TTextEncoding encoding = teUTF8) const;

    // Change notices are held back until the last EndUpdate, which sends one when
    // anything changed meanwhile.
    void BeginUpdate();
    void EndUpdate();
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;

    // Text of bytes in one of the encodings above (byte order mark, else UTF-8 when valid,
    // else ANSI).
    static std::wstring DecodeText(const uint8_t* data, size_t size);

private:
    struct TItem {
        std::wstring String;
        TObject* Object = nullptr;
    };
    void CheckIndex(int index, int count) const;
    void CheckNotSorted() const;
    int Compare(const std::wstring& a, const std::wstring& b) const;
    void InsertItem(int index, const std::wstring& s, TObject* object);
    void Changing();
    void Changed();

    std::vector<TItem> FItems;
    wchar_t FDelimiter = L',';
    wchar_t FQuoteChar = L'"';
    wchar_t FNameValueSeparator = L'=';
    bool FStrictDelimiter = false;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
    int FUpdateCount = 0;
    bool FChangedWhileUpdating = false;
};

}  // namespace orv
