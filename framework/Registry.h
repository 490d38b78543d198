#pragma once
// TRegistry: a short-lived accessor for one registry key at a time. Paths that begin
// with "\" are absolute beneath the root key; others are relative to the open key (or
// the root when none is open). Failures are recorded in LastError, not raised, except
// by the typed writers.
#include <windows.h>

#include <string>

namespace orv {

class TRegistry {
public:
    // Full access by default; pass KEY_READ for an accessor that only reads.
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    // Equal to the current root: nothing happens. Otherwise closes a root this accessor
    // opened itself, stores the new root and closes the current key.
    void SetRootKey(HKEY value);
    HKEY CurrentKey() const { return FCurrentKey; }
    const std::wstring& CurrentPath() const { return FCurrentPath; }
    REGSAM Access() const { return FAccess; }
    void SetAccess(REGSAM value) { FAccess = value; }
    bool LazyWrite() const { return FLazyWrite; }
    void SetLazyWrite(bool value) { FLazyWrite = value; }
    LONG LastError() const { return FLastError; }

    // Opens (or, with canCreate and a non-empty path, creates) a key; on failure the
    // accessor's state is unchanged.
    bool OpenKey(const std::wstring& key, bool canCreate);
    // Closes the current key; flushes it first only when lazy write is off.
    void CloseKey();
    // True exactly when the value can be queried under the current key (any type, any
    // size, empty data included). With no key open the query is made with a null key
    // and fails: there is no fall-back to the root.
    bool ValueExists(const std::wstring& name);
    bool KeyExists(const std::wstring& key);

    // Typed access for stored settings; a missing value or a failed write raises
    // ERegistryException.
    int ReadInteger(const std::wstring& name);
    void WriteInteger(const std::wstring& name, int value);
    std::wstring ReadString(const std::wstring& name);
    void WriteString(const std::wstring& name, const std::wstring& value);

private:
    HKEY BaseKeyFor(const std::wstring& key, std::wstring& remainder) const;

    HKEY FRootKey = HKEY_CURRENT_USER;
    HKEY FCurrentKey = nullptr;
    std::wstring FCurrentPath;
    REGSAM FAccess;
    bool FLazyWrite = true;
    bool FCloseRootKey = false;
    LONG FLastError = ERROR_SUCCESS;
};

}  // namespace orv
