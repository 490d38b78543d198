#pragma once
// Byte streams: TStream is the abstract sequential/seekable stream; TMemoryStream keeps its
// bytes in memory, TFileStream reads and writes a file, TResourceStream reads a module's
// resource in place.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/Persistent.h"
#include "framework/SysUtils.h"

struct HINSTANCE__;

namespace orv {

class EStreamError : public Exception {
    using Exception::Exception;
};
class EFOpenError : public EStreamError {
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream : public TObject {
public:
    ORV_CLASS_NAME(TStream)
    // Reads or writes up to count bytes at the position; returns how many were moved.
    virtual int64_t Read(void* buffer, int64_t count) = 0;
    virtual int64_t Write(const void* buffer, int64_t count) = 0;
    // Moves the position and returns it; a target before the start is clamped to 0.
    virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
    virtual int64_t GetSize();
    virtual void SetSize(int64_t size);

    int64_t GetPosition() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }

    // All or nothing: a short read raises EReadError ("Stream read error"), a short write
    // EWriteError ("Stream write error").
    void ReadBuffer(void* buffer, int64_t count);
    void WriteBuffer(const void* buffer, int64_t count);
    // Copies count bytes from source's position; 0 copies the whole source from its start.
    int64_t CopyFrom(TStream& source, int64_t count);
};

// A stream over bytes in memory, growing as it is written.
class TMemoryStream : public TStream {
public:
    ORV_CLASS_NAME(TMemoryStream)
    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t GetSize() override { return static_cast<int64_t>(FData.size()); }
    void SetSize(int64_t size) override;

    void Clear();
    const uint8_t* Memory() const { return FData.data(); }
    const std::vector<uint8_t>& Bytes() const { return FData; }
    int64_t GetSizeConst() const { return static_cast<int64_t>(FData.size()); }
    // Replaces the content (position 0).
    void SetBytes(std::vector<uint8_t> bytes);
    // Replaces the content with the whole of source (read from its start).
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest) const;
    void LoadFromFile(const std::wstring& fileName);
    void SaveToFile(const std::wstring& fileName) const;

private:
    std::vector<uint8_t> FData;
    int64_t FPosition = 0;
};

enum TFileMode : uint32_t {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmCreate = 0xFF00,  // create or truncate, read and write
    fmShareDenyWrite = 0x0020,
    fmShareDenyNone = 0x0040,
};

class TFileStream : public TStream {
public:
    ORV_CLASS_NAME(TFileStream)
    // Raises EFOpenError / EFCreateError naming the file when it cannot be opened.
    TFileStream(const std::wstring& fileName, uint32_t mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    void SetSize(int64_t size) override;
    const std::wstring& FileName() const { return FFileName; }

private:
    std::wstring FFileName;
    void* FHandle = nullptr;
};

// A read-only stream over a resource of a module, read in place (resources stay mapped as
// long as the module is loaded). type is a resource type name or MAKEINTRESOURCE number.
class TResourceStream : public TStream {
public:
    ORV_CLASS_NAME(TResourceStream)
    // Raises EResNotFound "Resource <name> not found" when there is no such resource.
    TResourceStream(HINSTANCE__* module, const std::wstring& name, const wchar_t* type);
    TResourceStream(HINSTANCE__* module, int id, const wchar_t* type);

    int64_t Read(void* buffer, int64_t count) override;
    int64_t Write(const void* buffer, int64_t count) override;
    int64_t Seek(int64_t offset, TSeekOrigin origin) override;
    int64_t GetSize() override { return FSize; }
    const uint8_t* Memory() const { return FData; }

private:
    void Initialize(HINSTANCE__* module, const wchar_t* name, const std::wstring& shownName, const wchar_t* type);
    const uint8_t* FData = nullptr;
    int64_t FSize = 0;
    int64_t FPosition = 0;
};

}  // namespace orv
