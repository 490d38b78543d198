#include "paint/ImageStream.h"

#include <windows.h>
#include <objidl.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>

namespace orv {

namespace {

std::atomic<int> gLiveStreams{0};

// The locked global block, shared by a stream and its clones.
class TLockedBlock {
public:
    TLockedBlock(HGLOBAL block, size_t size) : FBlock(block), FSize(size) {
        if (FBlock && size > 0) FData = static_cast<const uint8_t*>(GlobalLock(FBlock));
    }
    ~TLockedBlock() {
        if (FData) GlobalUnlock(FBlock);
        if (FBlock) GlobalFree(FBlock);
    }
    TLockedBlock(const TLockedBlock&) = delete;
    TLockedBlock& operator=(const TLockedBlock&) = delete;
    bool Usable() const { return FSize == 0 || FData != nullptr; }
    const uint8_t* Data() const { return FData; }
    uint64_t Size() const { return FSize; }

private:
    HGLOBAL FBlock;
    size_t FSize;
    const uint8_t* FData = nullptr;
};

class TBoundedStream final : public IStream {
public:
    explicit TBoundedStream(std::shared_ptr<TLockedBlock> block, uint64_t position = 0)
        : FBlock(std::move(block)), FPosition(position) {
        ++gLiveStreams;
    }
    ~TBoundedStream() { --gLiveStreams; }
    TBoundedStream(const TBoundedStream&) = delete;
    TBoundedStream& operator=(const TBoundedStream&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ISequentialStream) ||
            IsEqualIID(riid, IID_IStream)) {
            *object = static_cast<IStream*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&FReferences)); }
    ULONG STDMETHODCALLTYPE Release() override {
        LONG left = InterlockedDecrement(&FReferences);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // ISequentialStream
    HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override {
        if (read) *read = 0;
        if (!buffer && count > 0) return STG_E_INVALIDPOINTER;
        const ULONG n = static_cast<ULONG>(std::min<uint64_t>(count, Available()));
        if (n > 0) std::memcpy(buffer, FBlock->Data() + FPosition, n);
        FPosition += n;
        if (read) *read = n;
        return n == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
        if (written) *written = 0;
        return STG_E_ACCESSDENIED;
    }

    // IStream
    HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* newPosition) override {
        int64_t base = 0;
        switch (origin) {
            case STREAM_SEEK_SET:
                base = 0;
                break;
            case STREAM_SEEK_CUR:
                base = static_cast<int64_t>(FPosition);
                break;
            case STREAM_SEEK_END:
                base = static_cast<int64_t>(FBlock->Size());
                break;
            default:
                return STG_E_INVALIDFUNCTION;
        }
        const int64_t offset = move.QuadPart;
        // A position before the start, or one that overflows, is refused and changes nothing.
        if ((offset < 0 && base + offset < 0) || (offset > 0 && base > INT64_MAX - offset))
            return STG_E_INVALIDFUNCTION;
        // Past the end is a legal position; reads there simply find nothing.
        FPosition = static_cast<uint64_t>(base + offset);
        if (newPosition) newPosition->QuadPart = FPosition;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
    HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                     ULARGE_INTEGER* written) override {
        if (read) read->QuadPart = 0;
        if (written) written->QuadPart = 0;
        if (!target) return STG_E_INVALIDPOINTER;
        const uint64_t n = std::min<uint64_t>(count.QuadPart, Available());
        uint64_t done = 0;
        HRESULT result = S_OK;
        while (done < n) {
            const ULONG chunk = static_cast<ULONG>(std::min<uint64_t>(n - done, 0x10000000u));
            ULONG put = 0;
            result = target->Write(FBlock->Data() + FPosition + done, chunk, &put);
            done += put;
            if (FAILED(result) || put < chunk) break;
        }
        FPosition += n;  // what was read, whether or not the target took all of it
        if (read) read->QuadPart = n;
        if (written) written->QuadPart = done;
        return FAILED(result) ? result : S_OK;
    }
    HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
        return STG_E_INVALIDFUNCTION;
    }
    HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
        if (!stat) return STG_E_INVALIDPOINTER;
        std::memset(stat, 0, sizeof(*stat));  // no name: the caller has nothing to free
        stat->type = STGTY_STREAM;
        stat->cbSize.QuadPart = FBlock->Size();
        stat->grfMode = STGM_READ;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IStream** clone) override {
        if (!clone) return STG_E_INVALIDPOINTER;
        *clone = new TBoundedStream(FBlock, FPosition);
        return S_OK;
    }

private:
    uint64_t Available() const { return FPosition < FBlock->Size() ? FBlock->Size() - FPosition : 0; }

    std::shared_ptr<TLockedBlock> FBlock;
    uint64_t FPosition;
    LONG FReferences = 1;
};

}  // namespace

IStream* NewBoundedImageStream(void* globalBlock, size_t size) {
    auto block = std::make_shared<TLockedBlock>(static_cast<HGLOBAL>(globalBlock), size);
    if (!block->Usable()) return nullptr;
    return new TBoundedStream(std::move(block));
}

int ImageStreamLiveCount() {
    return gLiveStreams.load();
}

}  // namespace orv
