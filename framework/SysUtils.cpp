#include "framework/SysUtils.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <cwchar>

namespace orv {

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring FromUtf8(const std::string& text) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::wstring UpperCase(const std::wstring& text) {
    std::wstring out = text;
    if (!out.empty()) CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

int CompareText(const std::wstring& a, const std::wstring& b) {
    int r = CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE);
    return r - CSTR_EQUAL;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::wstring IntToStr(long long value) {
    return std::to_wstring(value);
}

int StrToInt(const std::wstring& text) {
    std::wstring s = text;
    while (!s.empty() && iswspace(s.front())) s.erase(s.begin());
    while (!s.empty() && iswspace(s.back())) s.pop_back();
    bool negative = false;
    size_t i = 0;
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) negative = s[i++] == L'-';
    int base = 10;
    if (i < s.size() && s[i] == L'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) throw EConvertError(L"'" + text + L"' is not a valid integer value");
    long long value = 0;
    for (; i < s.size(); ++i) {
        wchar_t c = s[i];
        int digit;
        if (c >= L'0' && c <= L'9')
            digit = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f')
            digit = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F')
            digit = c - L'A' + 10;
        else
            throw EConvertError(L"'" + text + L"' is not a valid integer value");
        value = value * base + digit;
        // Hexadecimal may spell the full unsigned 32-bit range (colours such as $FF00000F).
        if (value > (base == 16 ? 0xFFFFFFFFLL : 0x80000000LL))
            throw EConvertError(L"'" + text + L"' is not a valid integer value");
    }
    if (negative) value = -value;
    if (base == 16 && !negative) return static_cast<int>(static_cast<uint32_t>(value));
    if (value > INT_MAX || value < INT_MIN) throw EConvertError(L"'" + text + L"' is not a valid integer value");
    return static_cast<int>(value);
}

int StrToIntDef(const std::wstring& text, int fallback) {
    try {
        return StrToInt(text);
    } catch (const EConvertError&) {
        return fallback;
    }
}

}  // namespace orv
