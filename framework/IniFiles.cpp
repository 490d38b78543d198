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

}  // namespace

std::wstring TIniFile::ReadString(const std::wstring& section, const std::wstring& ident,
                                  const std::wstring& defaultValue) const {
    return ReadString(section, ident, defaultValue, kStringBufferSize);
}

std::wstring TIniFile::ReadString(const std::wstring& section, const std::wstring& ident,
                                  const std::wstring& defaultValue, size_t bufferSize) const {
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
    if (!WritePrivateProfileStringW(section.c_str(), ident.c_str(), value.c_str(), FFileName.c_str()))
        throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::WriteInteger(const std::wstring& section, const std::wstring& ident, int value) {
    WriteString(section, ident, IntToStr(value));
}

void TIniFile::WriteBool(const std::wstring& section, const std::wstring& ident, bool value) {
    WriteString(section, ident, value ? L"1" : L"0");
}

void TIniFile::ReadSection(const std::wstring& section, TStringList& keys) const {
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
    // Erasing from a file that is not there has nothing to do and is no fault.
    if (!WritePrivateProfileStringW(section.c_str(), nullptr, nullptr, FFileName.c_str()) &&
        GetLastError() != ERROR_FILE_NOT_FOUND)
        throw EIniFileException(L"Unable to write to " + FFileName);
}

void TIniFile::DeleteKey(const std::wstring& section, const std::wstring& ident) {
    WritePrivateProfileStringW(section.c_str(), ident.c_str(), nullptr, FFileName.c_str());
}

void TIniFile::UpdateFile() {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, FFileName.c_str());
}

}  // namespace orv
