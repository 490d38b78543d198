#include "framework/Registry.h"

#include <algorithm>
#include <vector>

#include "framework/SysUtils.h"

namespace orv {

TRegistry::TRegistry(REGSAM access) : FAccess(access) {}

TRegistry::~TRegistry() {
    CloseKey();
    if (FCloseRootKey) RegCloseKey(FRootKey);
}

void TRegistry::SetRootKey(HKEY value) {
    if (FRootKey == value) return;
    if (FCloseRootKey) {
        RegCloseKey(FRootKey);
        FCloseRootKey = false;
    }
    FRootKey = value;
    CloseKey();
}

void TRegistry::CloseKey() {
    if (!FCurrentKey) return;
    if (!FLazyWrite) RegFlushKey(FCurrentKey);
    RegCloseKey(FCurrentKey);
    FCurrentKey = nullptr;
    FCurrentPath.clear();
}

HKEY TRegistry::BaseKeyFor(const std::wstring& key, std::wstring& remainder) const {
    bool absolute = !key.empty() && key[0] == L'\\';
    remainder = absolute ? key.substr(1) : key;
    if (absolute || !FCurrentKey) return FRootKey;
    return FCurrentKey;
}

bool TRegistry::OpenKey(const std::wstring& key, bool canCreate) {
    std::wstring remainder;
    HKEY base = BaseKeyFor(key, remainder);
    bool relativeToCurrent = base == FCurrentKey && FCurrentKey != nullptr;
    HKEY opened = nullptr;
    LONG rc;
    if (!canCreate || remainder.empty()) {
        rc = RegOpenKeyExW(base, remainder.c_str(), 0, FAccess, &opened);
    } else {
        DWORD disposition = 0;
        rc = RegCreateKeyExW(base, remainder.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, FAccess, nullptr, &opened,
                             &disposition);
    }
    FLastError = rc;
    if (rc != ERROR_SUCCESS) return false;
    // Beneath an open key the separator is kept also when that key was opened with the
    // empty path: "\B" under the root key still reads as a path from the root.
    std::wstring path = relativeToCurrent ? FCurrentPath + L"\\" + remainder : remainder;
    CloseKey();
    FCurrentKey = opened;
    FCurrentPath = path;
    return true;
}

bool TRegistry::ValueExists(const std::wstring& name) {
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExW(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size);
    FLastError = rc;
    return rc == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const std::wstring& key) {
    std::wstring remainder;
    HKEY base = BaseKeyFor(key, remainder);
    HKEY opened = nullptr;
    LONG rc = RegOpenKeyExW(base, remainder.c_str(), 0, KEY_READ, &opened);
    if (rc == ERROR_SUCCESS) RegCloseKey(opened);
    return rc == ERROR_SUCCESS;
}

int TRegistry::ReadInteger(const std::wstring& name) {
    DWORD type = 0, value = 0, size = sizeof(value);
    LONG rc = RegQueryValueExW(FCurrentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
    FLastError = rc;
    if (rc != ERROR_SUCCESS || type != REG_DWORD || size != sizeof(value))
        throw ERegistryException(L"Invalid data type for '" + name + L"'");
    return static_cast<int>(value);
}

void TRegistry::WriteInteger(const std::wstring& name, int value) {
    DWORD data = static_cast<DWORD>(value);
    LONG rc =
        RegSetValueExW(FCurrentKey, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof(data));
    FLastError = rc;
    if (rc != ERROR_SUCCESS) throw ERegistryException(L"Failed to set data for '" + name + L"'");
}

std::wstring TRegistry::ReadString(const std::wstring& name) {
    DWORD type = 0, size = 0;
    LONG rc = RegQueryValueExW(FCurrentKey, name.c_str(), nullptr, &type, nullptr, &size);
    FLastError = rc;
    if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
        throw ERegistryException(L"Invalid data type for '" + name + L"'");
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    rc = RegQueryValueExW(FCurrentKey, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    FLastError = rc;
    if (rc != ERROR_SUCCESS) throw ERegistryException(L"Invalid data type for '" + name + L"'");
    // Stored strings need not be terminated; take at most what was returned.
    size_t chars = bytes / sizeof(wchar_t);
    std::wstring out(buffer.data(), std::min(chars, buffer.size()));
    while (!out.empty() && out.back() == L'\0') out.pop_back();
    return out;
}

void TRegistry::WriteString(const std::wstring& name, const std::wstring& value) {
    LONG rc = RegSetValueExW(FCurrentKey, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    FLastError = rc;
    if (rc != ERROR_SUCCESS) throw ERegistryException(L"Failed to set data for '" + name + L"'");
}

}  // namespace orv
