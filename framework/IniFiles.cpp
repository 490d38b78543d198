#include "framework/IniFiles.h"

#include <windows.h>

#include <vector>

#include "framework/StringList.h"

namespace orv {

namespace {

// A list of zero-terminated strings ending in an empty one, as the profile functions
// return keys, sections and section lines. read(buffer, size) returns the characters
// copied; a result of size - 2 means the buffer was too small.
template <class Read>
void ReadStringList(Read read, TStringList& out) {
    std::vector<wchar_t> buffer(4096);
    DWORD n;
    for (;;) {
        n = read(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n + 2 < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<std::wstring> strings;
    for (const wchar_t* p = buffer.data(); p < buffer.data() + n && *p;) {
        strings.emplace_back(p);
        p += strings.back().size() + 1;
    }
    out.Clear();
    out.AddStrings(TStringList(strings));
}

bool HoldsNul(const std::wstring& text) {
    return text.find(L'\0') != std::wstring::npos;
}

// White space as the profile functions trim it off names and values (Ctrl+Z included);
// a generous set, since quoting a value that needs none changes nothing.
bool IsProfileSpace(wchar_t c) {
    return c <= 0x20 || c == 0x7F || c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200B) ||
           c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF;
}

bool EdgeSpace(const std::wstring& text) {
    return !text.empty() && (IsProfileSpace(text.front()) || IsProfileSpace(text.back()));
}

// Why text cannot be stored anywhere in an INI file; empty when it can.
std::wstring LineFault(const std::wstring& text) {
    if (HoldsNul(text)) return L"it holds a NUL character";
    if (text.find_first_of(L"\r\n") != std::wstring::npos) return L"it holds a line break";
    return {};
}

// Why a key or section name cannot be stored as it is; empty when it can.
std::wstring NameFault(const std::wstring& name, wchar_t forbidden) {
    std::wstring fault = LineFault(name);
    if (!fault.empty()) return fault;
    if (name.empty()) return L"it is empty";
    if (name.find(forbidden) != std::wstring::npos) return std::wstring(L"it holds '") + forbidden + L"'";
    if (name.front() == L'[' || name.front() == L';') return std::wstring(L"it starts with '") + name.front() + L"'";
    if (EdgeSpace(name)) return L"it begins or ends with white space";
    return {};
}

// The value as written: quoted when the profile functions would otherwise trim it or
// take a pair of quotes off it.
std::wstring StoredValue(const std::wstring& value) {
    const bool quoted =
        value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front();
    if (quoted || EdgeSpace(value)) return L'"' + value + L'"';
    return value;
}

// The file as the profile functions open it: a name without a folder lives in the
// Windows folder.
std::wstring ProfilePath(const std::wstring& fileName) {
    if (fileName.find_first_of(L"\\/") != std::wstring::npos) return fileName;
    wchar_t windows[MAX_PATH];
    UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return fileName;
    return std::wstring(windows, n) + L"\\" + fileName;
}

enum class TIniEncoding { Unicode, Ansi };

// Makes a missing (or still empty) file a UTF-16 one and tells the encoding the profile
// functions will write in. A file that cannot be opened is left to the write to report.
TIniEncoding PrepareFile(const std::wstring& fileName) {
    const std::wstring path = ProfilePath(fileName);
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return TIniEncoding::Unicode;
    }
    unsigned char head[2] = {0, 0};
    DWORD read = 0;
    ReadFile(file, head, 2, &read, nullptr);
    TIniEncoding encoding = TIniEncoding::Ansi;
    if (read == 0) {
        static const unsigned char kMark[2] = {0xFF, 0xFE};
        DWORD written = 0;
        if (WriteFile(file, kMark, 2, &written, nullptr) && written == 2) encoding = TIniEncoding::Unicode;
    } else if (read == 2 && ((head[0] == 0xFF && head[1] == 0xFE) || (head[0] == 0xFE && head[1] == 0xFF))) {
        encoding = TIniEncoding::Unicode;
    }
    CloseHandle(file);
    return encoding;
}

// True when text survives the trip through the ANSI code page unchanged.
bool FitsAnsi(const std::wstring& text) {
    if (text.empty()) return true;
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, &usedDefault);
    if (n <= 0 || usedDefault) return false;
    std::string narrow(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), narrow.data(), n,
                        nullptr, &usedDefault);
    int back = MultiByteToWideChar(CP_ACP, 0, narrow.data(), n, nullptr, 0);
    std::wstring wide(static_cast<size_t>(back), L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow.data(), n, wide.data(), back);
    return !usedDefault && wide == text;
}

}  // namespace

std::wstring TIniFile::ReadString(const std::wstring& section, const std::wstring& ident,
                                  const std::wstring& defaultValue) const {
    return ReadString(section, ident, defaultValue, kStringBufferSize);
}

std::wstring TIniFile::ReadString(const std::wstring& section, const std::wstring& ident,
                                  const std::wstring& defaultValue, size_t bufferSize) const {
    if (HoldsNul(section) || HoldsNul(ident)) return defaultValue;
    std::vector<wchar_t> buffer(bufferSize > 0 ? bufferSize : 1, L'\0');
    DWORD n = GetPrivateProfileStringW(section.c_str(), ident.c_str(), defaultValue.c_str(), buffer.data(),
                                       static_cast<DWORD>(buffer.size()), FFileName.c_str());
    return std::wstring(buffer.data(), n);
}

int TIniFile::ReadInteger(const std::wstring& section, const std::wstring& ident, int defaultValue) const {
    std::wstring text = ReadString(section, ident, L"");
    return text.empty() ? defaultValue : StrToIntDef(text, defaultValue);
}

bool TIniFile::ReadBool(const std::wstring& section, const std::wstring& ident, bool defaultValue) const {
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteString(const std::wstring& section, const std::wstring& ident, const std::wstring& value) {
    auto refuse = [&](const std::wstring& what, const std::wstring& why) {
        throw EIniFileException(L"Cannot store " + what + L" in " + FFileName + L": " + why);
    };
    const std::wstring sectionName = L"the section name '" + section + L"'";
    const std::wstring keyName = L"the key '" + ident + L"' of section '" + section + L"'";
    const std::wstring valueName = L"the value of key '" + ident + L"' in section '" + section + L"'";
    if (std::wstring why = NameFault(section, L']'); !why.empty()) refuse(sectionName, why);
    if (std::wstring why = NameFault(ident, L'='); !why.empty()) refuse(keyName, why);
    if (std::wstring why = LineFault(value); !why.empty()) refuse(valueName, why);
    if (PrepareFile(FFileName) == TIniEncoding::Ansi) {
        const wchar_t* why = L"the file's ANSI code page cannot represent its text";
        if (!FitsAnsi(section)) refuse(sectionName, why);
        if (!FitsAnsi(ident)) refuse(keyName, why);
        if (!FitsAnsi(value)) refuse(valueName, why);
    }
    const std::wstring stored = StoredValue(value);
    if (!WritePrivateProfileStringW(section.c_str(), ident.c_str(), stored.c_str(), FFileName.c_str()))
        throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::WriteInteger(const std::wstring& section, const std::wstring& ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(const std::wstring& section, const std::wstring& ident, bool value) {
    WriteString(section, ident, value ? L"1" : L"0");
}

void TIniFile::ReadSection(const std::wstring& section, TStringList& keys) const {
    if (HoldsNul(section)) {
        keys.Clear();
        return;
    }
    ReadStringList(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer, size, FFileName.c_str());
        },
        keys);
}

void TIniFile::ReadSections(TStringList& sections) const {
    ReadStringList(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(nullptr, nullptr, L"", buffer, size, FFileName.c_str());
        },
        sections);
}

void TIniFile::ReadSectionValues(const std::wstring& section, TStringList& values) const {
    if (HoldsNul(section)) {
        values.Clear();
        return;
    }
    ReadStringList(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileSectionW(section.c_str(), buffer, size, FFileName.c_str());
        },
        values);
}

bool TIniFile::SectionExists(const std::wstring& section) const {
    TStringList sections;
    ReadSections(sections);
    return sections.IndexOf(section) >= 0;
}

bool TIniFile::ValueExists(const std::wstring& section, const std::wstring& ident) const {
    TStringList keys;
    ReadSection(section, keys);
    return keys.IndexOf(ident) >= 0;
}

void TIniFile::EraseSection(const std::wstring& section) {
    if (HoldsNul(section)) return;
    // Erasing from a file that is not there has nothing to do and is no fault.
    if (!WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, FFileName.c_str()) &&
        GetLastError() != ERROR_FILE_NOT_FOUND)
        throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::DeleteKey(const std::wstring& section, const std::wstring& ident) {
    if (HoldsNul(section) || HoldsNul(ident)) return;
    WritePrivateProfileStringW(section.c_str(), ident.c_str(), nullptr, FFileName.c_str());
}

void TIniFile::UpdateFile() {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFileName.c_str());
}

}  // namespace orv
