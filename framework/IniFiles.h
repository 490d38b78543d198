#pragma once
// TIniFile: typed reads and writes of an INI file through the platform's profile
// functions. Every call goes to the file (the platform may cache writes until
// UpdateFile). A missing file or section reads as empty; a file name without a folder is
// resolved by the profile functions themselves (the Windows folder).
//
// What is written reads back as it was, or is refused:
// - A file the first write makes (or one that is still empty) starts with a UTF-16
//   byte-order mark, so the profile functions keep it in UTF-16 and any text fits. A file
//   that exists keeps its encoding; in one without the mark (the ANSI code page) text the
//   code page cannot represent is refused.
// - Line breaks and NUL characters are refused everywhere: the format is one line per
//   entry, and the profile functions end every string at a NUL.
// - Keys cannot hold '=' (the first one ends the key), section names cannot hold ']';
//   names cannot be empty, start with '[' or ';', or begin or end with white space (the
//   profile functions trim it, so the name would be another one).
// - A value that begins or ends with white space, or is wrapped in a matching pair of
//   quotes, is written inside double quotes: the profile functions trim white space and
//   take one pair of quotes off when they read a value, so it reads back exactly.
//   ReadSectionValues shows the lines as stored, quotes included.
// Refusals raise EIniFileException naming the file, the key or section, and why. Reads
// and deletions with a name holding a NUL concern nothing stored: they give the default
// (or an empty list) and delete nothing.
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

    // A failed write, or a name or value the file cannot hold (see above), raises
    // EIniFileException naming the file.
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
