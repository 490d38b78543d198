#include "framework/StringList.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "framework/Streams.h"

namespace orv {

namespace {

// Blanks and control characters separate entries of non-strict delimited text.
bool IsBlank(wchar_t c) {
    return c <= L' ';
}

int CompareOrdinal(const std::wstring& a, const std::wstring& b, bool ignoreCase) {
    int r = CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()),
                                 ignoreCase ? TRUE : FALSE);
    return r - CSTR_EQUAL;
}

std::wstring FromCodePage(UINT codePage, DWORD flags, const uint8_t* data, size_t size, bool& ok) {
    ok = true;
    if (size == 0) return {};
    int n =
        MultiByteToWideChar(codePage, flags, reinterpret_cast<const char*>(data), static_cast<int>(size), nullptr, 0);
    if (n <= 0) {
        ok = false;
        return {};
    }
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, reinterpret_cast<const char*>(data), static_cast<int>(size), out.data(), n);
    return out;
}

std::wstring FromUtf16(const uint8_t* data, size_t size, bool bigEndian) {
    std::wstring out(size / 2, L'\0');
    for (size_t i = 0; i < out.size(); ++i) {
        uint8_t lo = data[2 * i + (bigEndian ? 1 : 0)];
        uint8_t hi = data[2 * i + (bigEndian ? 0 : 1)];
        out[i] = static_cast<wchar_t>(lo | (hi << 8));
    }
    return out;
}

// Holds change notices back for a scope, also when the scope ends by an exception.
class TUpdateScope {
public:
    explicit TUpdateScope(TStringList& list) : FList(list) { FList.BeginUpdate(); }
    ~TUpdateScope() { FList.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TStringList& FList;
};

}  // namespace

TStringList::TStringList(const std::vector<std::wstring>& strings) {
    FItems.reserve(strings.size());
    for (const std::wstring& s : strings) FItems.push_back({s, nullptr});
}

// --- Items -------------------------------------------------------------------------------

void TStringList::CheckIndex(int index, int count) const {
    if (index < 0 || index >= count) throw EStringListError(L"List index out of bounds (" + IntToStr(index) + L")");
}

void TStringList::CheckNotSorted() const {
    if (FSorted) throw EStringListError(L"Operation not allowed on sorted list");
}

int TStringList::Compare(const std::wstring& a, const std::wstring& b) const {
    return CompareOrdinal(a, b, !FCaseSensitive);
}

const std::wstring& TStringList::Strings(int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)].String;
}

void TStringList::SetStrings(int index, const std::wstring& value) {
    CheckNotSorted();
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<size_t>(index)].String = value;
    Changed();
}

TObject* TStringList::Objects(int index) const {
    CheckIndex(index, Count());
    return FItems[static_cast<size_t>(index)].Object;
}

void TStringList::SetObjects(int index, TObject* object) {
    CheckIndex(index, Count());
    Changing();
    FItems[static_cast<size_t>(index)].Object = object;
    Changed();
}

int TStringList::Add(const std::wstring& s) {
    return AddObject(s, nullptr);
}

int TStringList::AddObject(const std::wstring& s, TObject* object) {
    int index = Count();
    if (FSorted) {
        if (Find(s, index)) {
            if (FDuplicates == dupIgnore) return index;
            if (FDuplicates == dupError) throw EStringListError(L"String list does not allow duplicates");
        }
    }
    InsertItem(index, s, object);
    return index;
}

void TStringList::AddStrings(const TStringList& strings) {
    if (&strings == this) {
        TStringList copy;
        copy.Assign(this);
        AddStrings(copy);
        return;
    }
    TUpdateScope update(*this);
    for (const TItem& item : strings.FItems) AddObject(item.String, item.Object);
}

void TStringList::Insert(int index, const std::wstring& s) {
    InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int index, const std::wstring& s, TObject* object) {
    CheckNotSorted();
    CheckIndex(index, Count() + 1);
    InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::wstring& s, TObject* object) {
    Changing();
    FItems.insert(FItems.begin() + index, TItem{s, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index, Count());
    Changing();
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TStringList::Exchange(int index1, int index2) {
    CheckNotSorted();
    CheckIndex(index1, Count());
    CheckIndex(index2, Count());
    Changing();
    std::swap(FItems[static_cast<size_t>(index1)], FItems[static_cast<size_t>(index2)]);
    Changed();
}

void TStringList::Clear() {
    if (FItems.empty()) return;
    Changing();
    FItems.clear();
    Changed();
}

// --- Search ------------------------------------------------------------------------------

int TStringList::IndexOf(const std::wstring& s) const {
    if (FSorted) {
        int index;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(FItems[static_cast<size_t>(i)].String, s) == 0) return i;
    return -1;
}

int TStringList::IndexOfName(const std::wstring& name) const {
    for (int i = 0; i < Count(); ++i) {
        const std::wstring& s = FItems[static_cast<size_t>(i)].String;
        size_t sep = s.find(FNameValueSeparator);
        if (sep != std::wstring::npos && Compare(s.substr(0, sep), name) == 0) return i;
    }
    return -1;
}

int TStringList::IndexOfObject(const TObject* object) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[static_cast<size_t>(i)].Object == object) return i;
    return -1;
}

bool TStringList::Find(const std::wstring& s, int& index) const {
    // Lands on the first of equal strings.
    int low = 0, high = Count() - 1;
    bool found = false;
    while (low <= high) {
        int mid = (low + high) / 2;
        int c = Compare(FItems[static_cast<size_t>(mid)].String, s);
        if (c < 0) {
            low = mid + 1;
        } else {
            high = mid - 1;
            if (c == 0) found = true;
        }
    }
    index = low;
    return found;
}

// --- Text forms --------------------------------------------------------------------------

std::wstring TStringList::GetText() const {
    std::wstring text;
    for (const TItem& item : FItems) {
        text += item.String;
        text += L"\r\n";
    }
    return text;
}

void TStringList::SetText(const std::wstring& text) {
    TUpdateScope update(*this);
    Clear();
    std::wstring line;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\r' || c == L'\n') {
            Add(line);
            line.clear();
            if (c == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) Add(line);
}

std::wstring TStringList::GetDelimitedText() const {
    if (Count() == 1 && FItems[0].String.empty()) return std::wstring(2, FQuoteChar);
    std::wstring text;
    for (size_t i = 0; i < FItems.size(); ++i) {
        const std::wstring& s = FItems[i].String;
        bool quote = false;
        for (wchar_t c : s)
            if (c == FQuoteChar || c == FDelimiter || c == L'\0' || (!FStrictDelimiter && IsBlank(c))) {
                quote = true;
                break;
            }
        if (i > 0) text += FDelimiter;
        if (!quote) {
            text += s;
            continue;
        }
        text += FQuoteChar;
        for (wchar_t c : s) {
            if (c == FQuoteChar) text += c;
            text += c;
        }
        text += FQuoteChar;
    }
    return text;
}

void TStringList::SetDelimitedText(const std::wstring& text) {
    TUpdateScope update(*this);
    Clear();
    size_t i = 0;
    const size_t n = text.size();
    auto skipBlanks = [&] {
        if (!FStrictDelimiter)
            while (i < n && IsBlank(text[i])) ++i;
    };
    skipBlanks();
    while (i < n) {
        std::wstring item;
        if (text[i] == FQuoteChar) {
            // Up to the closing quote; a doubled quote is one quote; an unclosed quote
            // takes the rest.
            ++i;
            while (i < n) {
                if (text[i] == FQuoteChar) {
                    if (i + 1 < n && text[i + 1] == FQuoteChar) {
                        item += FQuoteChar;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            while (i < n && text[i] != FDelimiter && (FStrictDelimiter || !IsBlank(text[i]))) item += text[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && text[i] == FDelimiter) {
            ++i;
            // A delimiter at the very end ends an empty last entry.
            if (i == n) Add(std::wstring());
            skipBlanks();
        }
    }
}

std::wstring TStringList::GetCommaText() const {
    TStringList copy;
    copy.FItems = FItems;
    return copy.GetDelimitedText();
}

void TStringList::SetCommaText(const std::wstring& text) {
    TStringList parsed;
    parsed.SetDelimitedText(text);
    TUpdateScope update(*this);
    Clear();
    for (const TItem& item : parsed.FItems) Add(item.String);
}

// --- Names and values --------------------------------------------------------------------

std::wstring TStringList::Names(int index) const {
    const std::wstring& s = Strings(index);
    size_t sep = s.find(FNameValueSeparator);
    return sep == std::wstring::npos ? std::wstring() : s.substr(0, sep);
}

std::wstring TStringList::ValueFromIndex(int index) const {
    const std::wstring& s = Strings(index);
    size_t sep = s.find(FNameValueSeparator);
    return sep == std::wstring::npos ? std::wstring() : s.substr(sep + 1);
}

void TStringList::SetValueFromIndex(int index, const std::wstring& value) {
    std::wstring entry = Names(index) + FNameValueSeparator + value;
    if (value.empty()) {
        Delete(index);
    } else if (FSorted) {
        TUpdateScope update(*this);
        Delete(index);
        Add(entry);
    } else {
        SetStrings(index, entry);
    }
}

std::wstring TStringList::Values(const std::wstring& name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::wstring() : ValueFromIndex(i);
}

void TStringList::SetValues(const std::wstring& name, const std::wstring& value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0) Delete(i);
        return;
    }
    std::wstring entry = name + FNameValueSeparator + value;
    if (i < 0) {
        Add(entry);
    } else if (FSorted) {
        // The entry's place may move with its new text.
        TUpdateScope update(*this);
        Delete(i);
        Add(entry);
    } else {
        SetStrings(i, entry);
    }
}

// --- Order -------------------------------------------------------------------------------

void TStringList::SetSorted(bool value) {
    if (FSorted == value) return;
    if (value) Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value) {
    if (FCaseSensitive == value) return;
    FCaseSensitive = value;
    if (FSorted) Sort();
}

void TStringList::Sort() {
    CustomSort([](const TStringList& list, int a, int b) {
        return list.Compare(list.FItems[static_cast<size_t>(a)].String, list.FItems[static_cast<size_t>(b)].String);
    });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
    if (Count() < 2) return;
    // Sort a permutation, so the comparison sees the items by their current index.
    std::vector<int> order(FItems.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
    bool moved = false;
    for (size_t i = 0; i < order.size(); ++i) moved |= order[i] != static_cast<int>(i);
    if (!moved) return;
    Changing();
    std::vector<TItem> sorted;
    sorted.reserve(FItems.size());
    for (int i : order) sorted.push_back(std::move(FItems[static_cast<size_t>(i)]));
    FItems = std::move(sorted);
    Changed();
}

// --- Copies ------------------------------------------------------------------------------

void TStringList::Assign(const TPersistent* source) {
    if (auto* s = dynamic_cast<const TStringList*>(source)) {
        if (s == this) return;
        Changing();
        FItems = s->FItems;
        FDelimiter = s->FDelimiter;
        FQuoteChar = s->FQuoteChar;
        FNameValueSeparator = s->FNameValueSeparator;
        FStrictDelimiter = s->FStrictDelimiter;
        FSorted = s->FSorted;
        FCaseSensitive = s->FCaseSensitive;
        FDuplicates = s->FDuplicates;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

std::vector<std::wstring> TStringList::ToVector() const {
    std::vector<std::wstring> out;
    out.reserve(FItems.size());
    for (const TItem& item : FItems) out.push_back(item.String);
    return out;
}

bool TStringList::Equals(const TStringList& other) const {
    if (Count() != other.Count()) return false;
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].String != other.FItems[i].String) return false;
    return true;
}

// --- Files -------------------------------------------------------------------------------

std::wstring TStringList::DecodeText(const uint8_t* data, size_t size) {
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) return FromUtf16(data + 2, size - 2, false);
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) return FromUtf16(data + 2, size - 2, true);
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        data += 3;
        size -= 3;
    }
    // Bytes that are not valid UTF-8 (a mark in front or not) are taken as ANSI.
    bool ok;
    std::wstring text = FromCodePage(CP_UTF8, MB_ERR_INVALID_CHARS, data, size, ok);
    if (ok) return text;
    return FromCodePage(CP_ACP, 0, data, size, ok);
}

void TStringList::LoadFromStream(TStream& stream) {
    int64_t left = stream.GetSize() - stream.GetPosition();
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<int64_t>(left, 0)));
    if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    SetText(DecodeText(bytes.data(), bytes.size()));
}

void TStringList::SaveToStream(TStream& stream, TTextEncoding encoding) const {
    std::wstring text = GetText();
    if (encoding == teUnicode) {
        std::vector<uint8_t> bytes{0xFF, 0xFE};
        bytes.reserve(2 + text.size() * 2);
        for (wchar_t c : text) {
            bytes.push_back(static_cast<uint8_t>(c & 0xFF));
            bytes.push_back(static_cast<uint8_t>((c >> 8) & 0xFF));
        }
        stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
        return;
    }
    if (encoding == teUTF8BOM) stream.WriteBuffer("\xEF\xBB\xBF", 3);
    std::string utf8 = ToUtf8(text);
    stream.WriteBuffer(utf8.data(), static_cast<int64_t>(utf8.size()));
}

void TStringList::LoadFromFile(const std::wstring& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TStringList::SaveToFile(const std::wstring& fileName, TTextEncoding encoding) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file, encoding);
}

// --- Notices -----------------------------------------------------------------------------

void TStringList::BeginUpdate() {
    if (FUpdateCount++ == 0) FChangedWhileUpdating = false;
}

void TStringList::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedWhileUpdating) {
        FChangedWhileUpdating = false;
        OnChange(this);
    }
}

void TStringList::Changing() {
    // Inside an update only the first change is announced.
    if (FUpdateCount == 0 || !FChangedWhileUpdating) OnChanging(this);
}

void TStringList::Changed() {
    if (FUpdateCount > 0) {
        FChangedWhileUpdating = true;
        return;
    }
    OnChange(this);
}

}  // namespace orv
