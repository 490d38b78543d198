#pragma once
// TIniFile: typed reads and writes of an INI file through the platform's profile
// functions. Every call goes to the file (the platform may cache writes until
// UpdateFile). A missing file or section reads as empty; a file name without a folder is
// resolved by the profile functions themselves (the Windows folder).
#include <cstddef>
#include <string>

#include "framework/Persistent.h"
#include "framework/SysUtils.h"

namespace orv {

class TStringList;

class EIniFileException : public Exception {
    using Exception::Exception;
};

class TIniFile : public TObject {
public:
    ORV_CLASS_NAME(TIniFile)
    // The usual read limit of ReadString, in characters with the terminator.
    static constexpr size_t kStringBufferSize = 2048;

    explicit TIniFile(const std::wstring& fileName) : FFileName(fileName) {}
    const std::wstring& FileName() const { return FFileName; }

    // Values longer than kStringBufferSize - 1 characters are cut to that length.
    std::wstring ReadString(const std::wstring& section, const std::wstring& ident,
                            const std::wstring& defaultValue) const;
    // Reads with a buffer of bufferSize characters (terminator included), so a value of
    // known length is read whole.
    std::wstring ReadString(const std::wstring& section, const std::wstring& ident, const std::wstring& defaultValue,
                            size_t bufferSize) const;
    // Decimal, "$1F" or "0x1F"; missing or anything else gives the default.
    int ReadInteger(const std::wstring& section, const std::wstring& ident, int defaultValue) const;
    // An integer: 0 is false, any other true; missing or not a number gives the default.
    bool ReadBool(const std::wstring& section, const std::wstring& ident, bool defaultValue) const;

    // A failed write raises EIniFileException naming the file.
    void WriteString(const std::wstring& section, const std::wstring& ident, const std::wstring& value);
    void WriteInteger(const std::wstring& section, const std::wstring& ident, int value);
    // Written as 1 or 0.
    void WriteBool(const std::wstring& section, const std::wstring& ident, bool value);

    // The key names of a section, the section names of the file, and a section's
    // "name=value" lines; each replaces the list's content.
    void ReadSection(const std::wstring& section, TStringList& keys) const;
    void ReadSections(TStringList& sections) const;
    void ReadSectionValues(const std::wstring& section, TStringList& values) const;
    // True for a section of that name, also an empty one.
    bool SectionExists(const std::wstring& section) const;
    bool ValueExists(const std::wstring& section, const std::wstring& ident) const;
    void EraseSection(const std::wstring& section);
    void DeleteKey(const std::wstring& section, const std::wstring& ident);
    // Writes what the platform may still hold back to the file.
    void UpdateFile();

private:
    std::wstring FFileName;
};

}  // namespace orv
