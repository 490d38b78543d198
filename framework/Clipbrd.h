#pragma once
// The clipboard as one process-wide object, Clipboard(). Reads and writes open and close
// the clipboard themselves; between an explicit Open and Close several formats can be
// put on it together (the first write of the block empties it, later ones add).
// Data travels in movable global memory blocks, each with one owner (TGlobalMemory)
// until the clipboard takes it. A block may be larger than its data (the platform rounds
// sizes up, and a block cannot be empty: no bytes travel as one zero byte), so what this
// process wrote is read back at the size it was written while the clipboard still holds
// it; data of other writers reads at the block's size.
#include <cstddef>
#include <map>
#include <string>

#include "framework/Persistent.h"
#include "framework/SysUtils.h"

struct HWND__;

namespace orv {

class TStream;
class TMemoryStream;

class EClipboardException : public Exception {
    using Exception::Exception;
};

// A movable global memory block (an HGLOBAL) owned until Release().
class TGlobalMemory {
public:
    TGlobalMemory() = default;
    // Raises EOutOfResources when the block cannot be had.
    explicit TGlobalMemory(size_t size);
    ~TGlobalMemory() { Reset(); }
    TGlobalMemory(const TGlobalMemory&) = delete;
    TGlobalMemory& operator=(const TGlobalMemory&) = delete;
    TGlobalMemory(TGlobalMemory&& other) noexcept;
    TGlobalMemory& operator=(TGlobalMemory&& other) noexcept;

    void* Get() const { return FHandle; }
    explicit operator bool() const { return FHandle != nullptr; }
    // Gives the block away (to the clipboard) without freeing it.
    void* Release();
    void Reset();

    // Blocks owned by a TGlobalMemory right now, for leak tests.
    static int LiveCount();

private:
    void* FHandle = nullptr;
};

// Locks a global memory block for the scope; raises EClipboardException when it cannot.
class TGlobalLock {
public:
    explicit TGlobalLock(void* handle);
    ~TGlobalLock();
    TGlobalLock(const TGlobalLock&) = delete;
    TGlobalLock& operator=(const TGlobalLock&) = delete;
    void* Data() const { return FData; }
    size_t Size() const { return FSize; }

private:
    void* FHandle;
    void* FData;
    size_t FSize;
};

// A registered clipboard format of that name (the same id in every process); raises
// EClipboardException when the platform refuses the name.
unsigned RegisterClipboardFormatName(const std::wstring& name);

class TClipboard : public TPersistent {
public:
    ORV_CLASS_NAME(TClipboard)
    TClipboard() = default;
    ~TClipboard() override;
    TClipboard(const TClipboard&) = delete;
    TClipboard& operator=(const TClipboard&) = delete;

    // Opens are counted; the clipboard is closed by the Close that matches the first
    // Open. Raises EClipboardException when another window keeps it open.
    void Open();
    void Close();
    int OpenCount() const { return FOpenCount; }
    // Empties the clipboard.
    void Clear();
    bool HasFormat(unsigned format) const;

    // CF_UNICODETEXT; empty when the clipboard holds no text.
    std::wstring GetAsText();
    void SetAsText(const std::wstring& text);
    // Puts a copy of the bytes on the clipboard under the format. Raises EOutOfResources
    // when the memory cannot be had; a block that the clipboard refuses is freed and
    // EClipboardException raised.
    void SetBuffer(unsigned format, const void* data, size_t size);
    // The whole of stream (read from its start) as the format's data.
    void SetAsStream(unsigned format, TStream& stream);
    // Hands a filled block to the clipboard (the block is empty afterwards).
    void SetAsHandle(unsigned format, TGlobalMemory&& block);
    // The clipboard's own block of the format (null when absent); valid only while the
    // clipboard stays open, so call it between Open and Close.
    void* GetAsHandle(unsigned format);
    // Copies the format's block into stream (replacing its content, position 0); false,
    // and the stream untouched, when the clipboard holds no such data.
    bool GetAsStream(unsigned format, TMemoryStream& stream);

    // Destroys the hidden window the clipboard is opened with (the library's shut-down).
    void ReleaseWindow();

private:
    void Adding();
    void Emptied();
    void Put(unsigned format, TGlobalMemory&& block, size_t size);
    // The size a block of the format holds: the written size while the clipboard is as
    // this process left it, else the block's.
    size_t DataSize(unsigned format, size_t blockSize) const;
    HWND__* FWindow = nullptr;
    int FOpenCount = 0;
    bool FEmptied = false;
    bool FWrote = false;                       // since the outermost Open
    std::map<unsigned, size_t> FWrittenSizes;  // format -> bytes written
    unsigned long FWrittenSequence = 0;        // the clipboard's sequence number after the writes
};

TClipboard& Clipboard();

}  // namespace orv
