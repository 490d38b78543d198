#include "paint/FaceCache.h"

#include <windows.h>

#include <cstring>

namespace orv {

namespace {
unsigned gFaceGeneration = 0;
}  // namespace

void AnnounceFaceChange() {
    ++gFaceGeneration;
}

unsigned FaceGeneration() {
    return gFaceGeneration;
}

// --- TFace -----------------------------------------------------------------------------------

TFace::TFace(int width, int height) {
    if (width < 1 || height < 1) return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    FBitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!FBitmap || !bits) {
        FBitmap.Reset();
        return;
    }
    FDC.Reset(CreateCompatibleDC(nullptr));
    if (!FDC) {
        FBitmap.Reset();
        return;
    }
    FWidth = width;
    FHeight = height;
    FBits = static_cast<uint32_t*>(bits);
    std::memset(FBits, 0, ByteSize());
    FSelect = std::make_unique<TSelectGuard>(FDC.Get(), FBitmap.Get());
}

void TFace::Blit(HDC dest, int x, int y) const {
    if (Empty()) return;
    BitBlt(dest, x, y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY);
}

void TFace::AlphaBlit(HDC dest, int x, int y) const {
    if (Empty()) return;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dest, x, y, FWidth, FHeight, FDC.Get(), 0, 0, FWidth, FHeight, blend);
}

void BlendFaces(HDC dest, int x, int y, const TFace& from, const TFace& to, int percent) {
    if (percent <= 0 || to.Empty()) {
        from.Blit(dest, x, y);
        return;
    }
    if (percent >= 100 || from.Empty()) {
        to.Blit(dest, x, y);
        return;
    }
    from.Blit(dest, x, y);
    // Constant alpha without AC_SRC_ALPHA: the face's own alpha bytes play no part.
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>((percent * 255 + 50) / 100), 0};
    AlphaBlend(dest, x, y, to.Width(), to.Height(), to.DC(), 0, 0, to.Width(), to.Height(), blend);
}

// --- TFaceCache ------------------------------------------------------------------------------

void TFaceCache::CheckGeneration() {
    if (FGeneration == FaceGeneration()) return;
    Clear();
    FGeneration = FaceGeneration();
}

std::shared_ptr<const TFace> TFaceCache::Lookup(std::size_t hash, const std::function<bool(const TKeyBase&)>& matches) {
    CheckGeneration();
    auto [first, last] = FIndex.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        TEntries::iterator entry = it->second;
        if (!matches(*entry->Key)) continue;
        FEntries.splice(FEntries.begin(), FEntries, entry);  // iterators stay valid
        ++FHits;
        return entry->Face;
    }
    ++FMisses;
    return nullptr;
}

std::shared_ptr<const TFace> TFaceCache::Insert(std::size_t hash, std::unique_ptr<TKeyBase> key, int width, int height,
                                                const TPaintFace& paint) {
    auto face = std::make_shared<TFace>(width, height);
    if (!face->Empty() && paint) paint(*face, face->DC());
    if (face->Empty() || face->ByteSize() > FByteLimit || FFaceLimit == 0) return face;
    FEntries.push_front(TEntry{hash, std::move(key), face});
    FIndex.emplace(hash, FEntries.begin());
    FBytes += face->ByteSize();
    Trim();
    return face;
}

void TFaceCache::EvictLast() {
    TEntries::iterator last = std::prev(FEntries.end());
    auto [first, end] = FIndex.equal_range(last->Hash);
    for (auto it = first; it != end; ++it)
        if (it->second == last) {
            FIndex.erase(it);
            break;
        }
    FBytes -= last->Face->ByteSize();
    FEntries.erase(last);
    ++FEvictions;
}

void TFaceCache::Trim() {
    while (!FEntries.empty() && (FBytes > FByteLimit || FEntries.size() > FFaceLimit)) EvictLast();
}

void TFaceCache::Clear() {
    FIndex.clear();
    FEntries.clear();
    FBytes = 0;
}

void TFaceCache::SetByteLimit(std::size_t value) {
    FByteLimit = value;
    Trim();
}

void TFaceCache::SetFaceLimit(std::size_t value) {
    FFaceLimit = value;
    Trim();
}

TFaceCache& SharedFaceCache() {
    static TFaceCache cache;
    return cache;
}

}  // namespace orv
