#include "framework/Streams.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

#include "framework/Resources.h"

namespace orv {

// --- TStream ----------------------------------------------------------------------------

int64_t TStream::GetSize() {
    int64_t position = Seek(0, TSeekOrigin::soCurrent);
    int64_t size = Seek(0, TSeekOrigin::soEnd);
    Seek(position, TSeekOrigin::soBeginning);
    return size;
}

void TStream::SetSize(int64_t /*size*/) {
    throw EStreamError(std::wstring(ClassName()) + L" cannot change its size");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
    if (count > 0 && Read(buffer, count) != count) throw EReadError(L"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
    if (count > 0 && Write(buffer, count) != count) throw EWriteError(L"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
    if (count == 0) {
        source.SetPosition(0);
        count = source.GetSize();
    }
    uint8_t chunk[64 * 1024];
    int64_t left = count;
    while (left > 0) {
        int64_t n = std::min<int64_t>(left, sizeof(chunk));
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= n;
    }
    return count;
}

namespace {
int64_t SeekTarget(int64_t position, int64_t size, int64_t offset, TSeekOrigin origin) {
    int64_t base = origin == TSeekOrigin::soBeginning ? 0 : origin == TSeekOrigin::soCurrent ? position : size;
    return std::max<int64_t>(0, base + offset);
}
}  // namespace

// --- TMemoryStream ------------------------------------------------------------------------

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
    int64_t size = GetSize();
    if (count <= 0 || FPosition >= size) return 0;
    int64_t n = std::min(count, size - FPosition);
    std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
    if (count <= 0) return 0;
    int64_t end = FPosition + count;
    if (end > GetSize()) FData.resize(static_cast<size_t>(end));
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = SeekTarget(FPosition, GetSize(), offset, origin);
    return FPosition;
}

void TMemoryStream::SetSize(int64_t size) {
    FData.resize(static_cast<size_t>(std::max<int64_t>(0, size)));
    FPosition = std::min(FPosition, GetSize());
}

void TMemoryStream::Clear() {
    FData.clear();
    FData.shrink_to_fit();
    FPosition = 0;
}

void TMemoryStream::SetBytes(std::vector<uint8_t> bytes) {
    FData = std::move(bytes);
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
    source.SetPosition(0);
    int64_t size = source.GetSize();
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    source.ReadBuffer(bytes.data(), size);
    SetBytes(std::move(bytes));
}

void TMemoryStream::SaveToStream(TStream& dest) const {
    dest.WriteBuffer(FData.data(), static_cast<int64_t>(FData.size()));
}

void TMemoryStream::LoadFromFile(const std::wstring& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const std::wstring& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// --- TFileStream --------------------------------------------------------------------------

TFileStream::TFileStream(const std::wstring& fileName, uint32_t mode) : FFileName(fileName) {
    DWORD share = (mode & fmShareDenyNone)    ? FILE_SHARE_READ | FILE_SHARE_WRITE
                  : (mode & fmShareDenyWrite) ? FILE_SHARE_READ
                                              : FILE_SHARE_READ;
    HANDLE h;
    if ((mode & fmCreate) == fmCreate) {
        h = CreateFileW(fileName.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) throw EFCreateError(L"Cannot create file \"" + fileName + L"\"");
    } else {
        DWORD access = (mode & 3) == fmOpenWrite       ? GENERIC_WRITE
                       : (mode & 3) == fmOpenReadWrite ? GENERIC_READ | GENERIC_WRITE
                                                       : GENERIC_READ;
        h = CreateFileW(fileName.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) throw EFOpenError(L"Cannot open file \"" + fileName + L"\"");
    }
    FHandle = h;
}

TFileStream::~TFileStream() {
    CloseHandle(FHandle);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
    int64_t total = 0;
    auto* p = static_cast<uint8_t*>(buffer);
    while (count > 0) {
        DWORD n = 0;
        DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count, 1 << 30));
        if (!ReadFile(FHandle, p + total, chunk, &n, nullptr) || n == 0) break;
        total += n;
        count -= n;
    }
    return total;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
    int64_t total = 0;
    auto* p = static_cast<const uint8_t*>(buffer);
    while (count > 0) {
        DWORD n = 0;
        DWORD chunk = static_cast<DWORD>(std::min<int64_t>(count, 1 << 30));
        if (!WriteFile(FHandle, p + total, chunk, &n, nullptr) || n == 0) break;
        total += n;
        count -= n;
    }
    return total;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
    DWORD method = origin == TSeekOrigin::soBeginning ? FILE_BEGIN
                   : origin == TSeekOrigin::soCurrent ? FILE_CURRENT
                                                      : FILE_END;
    LARGE_INTEGER distance, result;
    distance.QuadPart = offset;
    if (!SetFilePointerEx(FHandle, distance, &result, method)) {
        // Before the start: clamp, as the memory streams do.
        distance.QuadPart = 0;
        SetFilePointerEx(FHandle, distance, &result, FILE_BEGIN);
    }
    return result.QuadPart;
}

void TFileStream::SetSize(int64_t size) {
    SetPosition(size);
    if (!SetEndOfFile(FHandle)) throw EStreamError(L"Cannot set the size of \"" + FFileName + L"\"");
}

// --- TResourceStream ------------------------------------------------------------------------

TResourceStream::TResourceStream(HINSTANCE__* module, const std::wstring& name, const wchar_t* type) {
    Initialize(module, name.c_str(), name, type);
}

TResourceStream::TResourceStream(HINSTANCE__* module, int id, const wchar_t* type) {
    Initialize(module, MAKEINTRESOURCEW(id), IntToStr(id), type);
}

void TResourceStream::Initialize(HINSTANCE__* module, const wchar_t* name, const std::wstring& shownName,
                                 const wchar_t* type) {
    TResourceBytes bytes = FindResourceBytes(module, name, type);
    if (!bytes) throw EResNotFound(L"Resource " + shownName + L" not found");
    FData = bytes.Data;
    FSize = static_cast<int64_t>(bytes.Size);
}

int64_t TResourceStream::Read(void* buffer, int64_t count) {
    if (count <= 0 || FPosition >= FSize) return 0;
    int64_t n = std::min(count, FSize - FPosition);
    std::memcpy(buffer, FData + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

int64_t TResourceStream::Write(const void* /*buffer*/, int64_t /*count*/) {
    throw EStreamError(L"Cannot write to a resource stream");
}

int64_t TResourceStream::Seek(int64_t offset, TSeekOrigin origin) {
    FPosition = SeekTarget(FPosition, FSize, offset, origin);
    return FPosition;
}

}  // namespace orv
