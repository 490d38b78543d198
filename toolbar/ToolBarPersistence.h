#pragma once
// The stores behind TPersistence: one INI section or one registry key, opened for a
// single save or load and closed afterwards. Every value is read or written at once.
//
// INI (plIniFile): the file Key (a name without a folder lives where the profile
// functions put it, the Windows folder), section Section, "Name=Value" lines with
// integers as decimal text.
// Registry (plRegistry): HKEY_CURRENT_USER\Key\Section; integers are REG_DWORD values,
// strings REG_SZ values.
// Reads never fail: a missing entry, text that is no number, or a registry value of
// another type or size gives the default. Writes that the store refuses (a read-only
// file, a key without write access) raise an exception naming the file or key.
//
// The save and restore routines of dock panels, toolbars and the pager that use these
// stores are members of those classes, defined in ToolBarPersistence.cpp.
#include <exception>
#include <memory>
#include <string>

namespace orv {

class TPersistence;

class TPersistenceStore {
public:
    virtual ~TPersistenceStore() = default;
    virtual int ReadInteger(const std::wstring& name, int defaultValue) = 0;
    virtual std::wstring ReadString(const std::wstring& name, const std::wstring& defaultValue) = 0;
    virtual void WriteInteger(const std::wstring& name, int value) = 0;
    virtual void WriteString(const std::wstring& name, const std::wstring& value) = 0;
    // Booleans are the integers 1 and 0; any other stored number reads as true.
    bool ReadBool(const std::wstring& name, bool defaultValue) { return ReadInteger(name, defaultValue ? 1 : 0) != 0; }
    void WriteBool(const std::wstring& name, bool value) { WriteInteger(name, value ? 1 : 0); }
};

enum class TStoreAccess { Read, Write };

// The store the record names; null while its Key or Section is empty. Opening a
// registry key for writing creates it; a key that does not exist yet reads as empty.
// A key that exists but cannot be opened raises.
std::unique_ptr<TPersistenceStore> OpenPersistenceStore(const TPersistence& persistence, TStoreAccess access);

// Runs a save or restore that starting or closing the program must survive: an error
// of the store (a read-only file) skips it. Explicit calls are made without it and raise.
template <class F>
void SkipOnStoreError(F&& saveOrRestore) {
    try {
        saveOrRestore();
    } catch (const std::exception&) {
    }
}

// Stored counts ("ToolBarCount", "RowCount") above this are taken as this.
constexpr int kMaxStoredCount = 1024;

}  // namespace orv
