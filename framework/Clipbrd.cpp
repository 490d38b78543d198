#include "framework/Clipbrd.h"

#include <windows.h>

#include <atomic>
#include <cstring>
#include <utility>
#include <vector>

#include "framework/Resources.h"
#include "framework/Streams.h"

namespace orv {

namespace {

std::atomic<int> gGlobalMemoryLive{0};

// Keeps the clipboard open for a scope.
class TOpenScope {
public:
    explicit TOpenScope(TClipboard& clipboard) : FClipboard(clipboard) { FClipboard.Open(); }
    ~TOpenScope() { FClipboard.Close(); }
    TOpenScope(const TOpenScope&) = delete;
    TOpenScope& operator=(const TOpenScope&) = delete;

private:
    TClipboard& FClipboard;
};

}  // namespace

// --- TGlobalMemory, TGlobalLock -------------------------------------------------------------

TGlobalMemory::TGlobalMemory(size_t size) {
    // A block of no bytes would be a discarded one that cannot be locked.
    FHandle = GlobalAlloc(GMEM_MOVEABLE, size > 0 ? size : 1);
    if (!FHandle)
        throw EOutOfResources(L"Out of global memory (" + IntToStr(static_cast<long long>(size)) + L" bytes)");
    ++gGlobalMemoryLive;
}

TGlobalMemory::TGlobalMemory(TGlobalMemory&& other) noexcept : FHandle(std::exchange(other.FHandle, nullptr)) {}

TGlobalMemory& TGlobalMemory::operator=(TGlobalMemory&& other) noexcept {
    if (this != &other) {
        Reset();
        FHandle = std::exchange(other.FHandle, nullptr);
    }
    return *this;
}

void* TGlobalMemory::Release() {
    if (FHandle) --gGlobalMemoryLive;
    return std::exchange(FHandle, nullptr);
}

void TGlobalMemory::Reset() {
    if (!FHandle) return;
    GlobalFree(FHandle);
    FHandle = nullptr;
    --gGlobalMemoryLive;
}

int TGlobalMemory::LiveCount() {
    return gGlobalMemoryLive;
}

TGlobalLock::TGlobalLock(void* handle) : FHandle(handle), FData(GlobalLock(handle)), FSize(GlobalSize(handle)) {
    if (!FData) throw EClipboardException(L"Cannot lock global memory");
}

TGlobalLock::~TGlobalLock() {
    GlobalUnlock(FHandle);
}

unsigned RegisterClipboardFormatName(const std::wstring& name) {
    UINT format = RegisterClipboardFormatW(name.c_str());
    if (!format) throw EClipboardException(L"Cannot register the clipboard format \"" + name + L"\"");
    return format;
}

// --- TClipboard ---------------------------------------------------------------------------

TClipboard::~TClipboard() {
    ReleaseWindow();
}

void TClipboard::Open() {
    if (FOpenCount == 0) {
        // Emptying the clipboard makes the opening window its owner; without a window
        // later writes would be refused.
        if (!FWindow)
            FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      reinterpret_cast<HINSTANCE>(MainInstance()), nullptr);
        if (!FWindow) throw EClipboardException(L"Cannot open clipboard: no window");
        // Another program may hold it for a moment.
        bool opened = false;
        for (int attempt = 0; attempt < 20 && !opened; ++attempt) {
            opened = OpenClipboard(FWindow) != FALSE;
            if (!opened) Sleep(5);
        }
        if (!opened) throw EClipboardException(L"Cannot open clipboard");
        FEmptied = false;
    }
    ++FOpenCount;
}

void TClipboard::Close() {
    if (FOpenCount == 0) return;
    if (--FOpenCount == 0) {
        CloseClipboard();
        FEmptied = false;
        // Closing may count as a change of its own: the state to recognise is the closed one.
        if (FWrote) FWrittenSequence = GetClipboardSequenceNumber();
        FWrote = false;
    }
}

void TClipboard::ReleaseWindow() {
    while (FOpenCount > 0) Close();
    if (FWindow) DestroyWindow(FWindow);
    FWindow = nullptr;
}

void TClipboard::Clear() {
    TOpenScope open(*this);
    EmptyClipboard();
    Emptied();
}

void TClipboard::Adding() {
    if (FOpenCount > 0 && !FEmptied) {
        EmptyClipboard();
        Emptied();
    }
}

void TClipboard::Emptied() {
    FEmptied = true;
    FWrittenSizes.clear();
}

size_t TClipboard::DataSize(unsigned format, size_t blockSize) const {
    auto it = FWrittenSizes.find(format);
    if (it == FWrittenSizes.end() || it->second > blockSize) return blockSize;
    return GetClipboardSequenceNumber() == FWrittenSequence ? it->second : blockSize;
}

bool TClipboard::HasFormat(unsigned format) const {
    return IsClipboardFormatAvailable(format) != FALSE;
}

std::wstring TClipboard::GetAsText() {
    TOpenScope open(*this);
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    TGlobalLock lock(data);
    const auto* chars = static_cast<const wchar_t*>(lock.Data());
    size_t count = lock.Size() / sizeof(wchar_t);
    // Up to the terminator, never past the block.
    size_t length = 0;
    while (length < count && chars[length]) ++length;
    return std::wstring(chars, length);
}

void TClipboard::SetAsText(const std::wstring& text) {
    SetBuffer(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

void TClipboard::SetBuffer(unsigned format, const void* data, size_t size) {
    TGlobalMemory block(size);
    {
        TGlobalLock lock(block.Get());
        std::memset(lock.Data(), 0, lock.Size());
        if (size > 0) std::memcpy(lock.Data(), data, size);
    }
    Put(format, std::move(block), size);
}

void TClipboard::SetAsStream(unsigned format, TStream& stream) {
    int64_t size = stream.GetSize();
    if (size < 0 || static_cast<uint64_t>(size) > SIZE_MAX)
        throw EOutOfResources(L"Out of global memory (" + IntToStr(size) + L" bytes)");
    TGlobalMemory block(static_cast<size_t>(size));
    {
        TGlobalLock lock(block.Get());
        std::memset(lock.Data(), 0, lock.Size());
        stream.SetPosition(0);
        stream.ReadBuffer(lock.Data(), size);  // a short stream raises; the block is freed
    }
    Put(format, std::move(block), static_cast<size_t>(size));
}

void TClipboard::SetAsHandle(unsigned format, TGlobalMemory&& block) {
    size_t size = block ? GlobalSize(block.Get()) : 0;
    Put(format, std::move(block), size);
}

void TClipboard::Put(unsigned format, TGlobalMemory&& block, size_t size) {
    TGlobalMemory owned(std::move(block));
    TOpenScope open(*this);
    Adding();
    if (!SetClipboardData(format, owned.Get()))
        throw EClipboardException(L"Cannot put data of format " + IntToStr(format) + L" on the clipboard");
    owned.Release();  // the clipboard's now
    FWrittenSizes[format] = size;
    FWrittenSequence = GetClipboardSequenceNumber();
    FWrote = true;
}

void* TClipboard::GetAsHandle(unsigned format) {
    TOpenScope open(*this);
    return GetClipboardData(format);
}

bool TClipboard::GetAsStream(unsigned format, TMemoryStream& stream) {
    TOpenScope open(*this);
    HANDLE data = GetClipboardData(format);
    if (!data) return false;
    TGlobalLock lock(data);
    const auto* bytes = static_cast<const uint8_t*>(lock.Data());
    stream.SetBytes(std::vector<uint8_t>(bytes, bytes + DataSize(format, lock.Size())));
    return true;
}

TClipboard& Clipboard() {
    static TClipboard clipboard;
    return clipboard;
}

}  // namespace orv
