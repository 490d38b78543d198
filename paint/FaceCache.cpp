#include "paint/FaceCache.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/OffscreenInternal.h"

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ORV_BLEND_SSE2 1
#include <emmintrin.h>
#endif

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

// --- The shared blit surface ------------------------------------------------------------

namespace {

// Kept faces reach a device through this one surface, a tile at a time: two GDI handles
// for the whole process however many faces are kept. Made on first use and kept, so a
// face can still be shown when the process later runs short of handles.
class TBlitSurface {
public:
    static constexpr int kTileWidth = 512;
    static constexpr int kTileHeight = 128;

    static TBlitSurface& Get() {
        static TBlitSurface surface;
        return surface;
    }

    // Copies source (inside face) to dest at (x, y), through the surface a tile at a time;
    // alpha blends by the pixels' alpha when asked.
    void Copy(HDC dest, int x, int y, const TFace& face, const TRect& source, bool alpha) {
        if (!Ready()) return;
        for (int ty = source.Top; ty < source.Bottom; ty += kTileHeight)
            for (int tx = source.Left; tx < source.Right; tx += kTileWidth) {
                const int w = std::min(kTileWidth, source.Right - tx);
                const int h = std::min(kTileHeight, source.Bottom - ty);
                GdiFlush();  // the previous tile's copy must be done before its pixels change
                for (int row = 0; row < h; ++row)
                    std::memcpy(FBits + static_cast<std::size_t>(row) * kTileWidth,
                                face.Bits() + static_cast<std::size_t>(ty + row) * face.Width() + tx,
                                static_cast<std::size_t>(w) * 4);
                const int dx = x + tx - source.Left, dy = y + ty - source.Top;
                if (alpha) {
                    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
                    AlphaBlend(dest, dx, dy, w, h, FDC.Get(), 0, 0, w, h, blend);
                } else {
                    BitBlt(dest, dx, dy, w, h, FDC.Get(), 0, 0, SRCCOPY);
                }
            }
    }

    void Release() {
        FSelect.reset();
        FDC.Reset();
        FBitmap.Reset();
        FBits = nullptr;
    }

private:
    bool Ready() {
        if (FDC) return true;
        void* bits = nullptr;
        TGdiBitmap bitmap(detail::CreateOffscreenDIB(nullptr, kTileWidth, kTileHeight, &bits));
        if (!bitmap || !bits) return false;
        TGdiMemoryDC dc(detail::CreateOffscreenDC(nullptr));
        if (!dc) return false;
        FBitmap = std::move(bitmap);
        FDC = std::move(dc);
        FBits = static_cast<uint32_t*>(bits);
        FSelect = std::make_unique<TSelectGuard>(FDC.Get(), FBitmap.Get());
        return true;
    }

    uint32_t* FBits = nullptr;
    TGdiBitmap FBitmap;
    TGdiMemoryDC FDC;
    std::unique_ptr<TSelectGuard> FSelect;
};

}  // namespace

void ReleaseFaceBlitSurface() {
    TBlitSurface::Get().Release();
}

// --- TFace -----------------------------------------------------------------------------------

TFace::TFace(int width, int height) {
    if (width < 1 || height < 1) return;
    try {
        FPixels.assign(static_cast<std::size_t>(width) * height, 0u);
    } catch (const std::bad_alloc&) {
        return;  // empty: the caller paints directly
    }
    FWidth = width;
    FHeight = height;
}

void TFace::Blit(HDC dest, int x, int y) const {
    if (Empty()) return;
    TBlitSurface::Get().Copy(dest, x, y, *this, TRect{0, 0, FWidth, FHeight}, false);
}

void TFace::BlitPart(HDC dest, int x, int y, const TRect& source) const {
    if (Empty()) return;
    // Clipped to the face; the destination moves with a clipped left or top.
    const int left = std::max(source.Left, 0), top = std::max(source.Top, 0);
    const int right = std::min(source.Right, FWidth), bottom = std::min(source.Bottom, FHeight);
    if (left >= right || top >= bottom) return;
    TBlitSurface::Get().Copy(dest, x + left - source.Left, y + top - source.Top, *this, TRect{left, top, right, bottom},
                             false);
}

void TFace::AlphaBlit(HDC dest, int x, int y) const {
    if (Empty()) return;
    TBlitSurface::Get().Copy(dest, x, y, *this, TRect{0, 0, FWidth, FHeight}, true);
}

// --- TFaceSurface ----------------------------------------------------------------------------

TFaceSurface::TFaceSurface(int width, int height) {
    if (width < 1 || height < 1) return;
    void* bits = nullptr;
    FBitmap.Reset(detail::CreateOffscreenDIB(nullptr, width, height, &bits));
    if (!FBitmap || !bits) {
        FBitmap.Reset();
        return;
    }
    FDC.Reset(detail::CreateOffscreenDC(nullptr));
    if (!FDC) {
        FBitmap.Reset();
        return;
    }
    FWidth = width;
    FHeight = height;
    FBits = static_cast<uint32_t*>(bits);
    std::memset(FBits, 0, static_cast<std::size_t>(width) * height * 4);
    FSelect = std::make_unique<TSelectGuard>(FDC.Get(), FBitmap.Get());
}

TFaceSurface::~TFaceSurface() = default;

const uint32_t* TFaceSurface::Bits() const {
    GdiFlush();
    return FBits;
}

void TFaceSurface::Blit(HDC dest, int x, int y) const {
    if (Empty()) return;
    BitBlt(dest, x, y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY);
}

void TFaceSurface::CopyTo(TFace& face) const {
    if (Empty() || face.Empty() || face.Width() != FWidth || face.Height() != FHeight) return;
    std::memcpy(face.Bits(), Bits(), face.ByteSize());
}

void BlendFacePixels(const uint32_t* from, const uint32_t* to, uint32_t* out, std::size_t count, int percent) {
    // Weights out of 256, so a pixel is two multiplies and a shift per channel.
    const uint32_t a = static_cast<uint32_t>(std::clamp((percent * 256 + 50) / 100, 0, 256));
    const uint32_t b = 256 - a;
    std::size_t i = 0;
#ifdef ORV_BLEND_SSE2
    const __m128i zero = _mm_setzero_si128();
    const __m128i wa = _mm_set1_epi16(static_cast<short>(a));
    const __m128i wb = _mm_set1_epi16(static_cast<short>(b));
    const __m128i half = _mm_set1_epi16(128);
    // Four pixels a step: each channel widened to 16 bits (255 * 256 + 128 still fits).
    for (; count - i >= 4; i += 4) {
        const __m128i f = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(to + i));
        const __m128i lo = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(f, zero), wb),
                                        _mm_mullo_epi16(_mm_unpacklo_epi8(t, zero), wa)),
                          half),
            8);
        const __m128i hi = _mm_srli_epi16(
            _mm_add_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(f, zero), wb),
                                        _mm_mullo_epi16(_mm_unpackhi_epi8(t, zero), wa)),
                          half),
            8);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(lo, hi));
    }
#endif
    // Two channels at once in each half of the word.
    for (; i < count; ++i) {
        const uint32_t f = from[i], t = to[i];
        const uint32_t rb = (((f & 0xFF00FFu) * b + (t & 0xFF00FFu) * a + 0x800080u) >> 8) & 0xFF00FFu;
        const uint32_t ga = ((((f >> 8) & 0xFF00FFu) * b + ((t >> 8) & 0xFF00FFu) * a + 0x800080u) >> 8) & 0xFF00FFu;
        out[i] = rb | (ga << 8);
    }
}

void BlendFaces(HDC dest, int x, int y, const TFace& from, const TFace& to, int percent) {
    if (percent <= 0 || to.Empty()) {
        from.Blit(dest, x, y);
        return;
    }
    if (percent >= 100 || from.Empty() || from.Width() != to.Width() || from.Height() != to.Height()) {
        to.Blit(dest, x, y);
        return;
    }
    // Blended in memory and copied once: under Wine this is several times faster than a
    // copy followed by a constant-alpha AlphaBlend, and it needs no GDI object of its own.
    const int w = to.Width(), h = to.Height();
    static thread_local std::vector<uint32_t> frame;
    frame.resize(static_cast<std::size_t>(w) * h);
    BlendFacePixels(from.Bits(), to.Bits(), frame.data(), frame.size(), percent);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;  // top-down, as the faces
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dest, x, y, static_cast<DWORD>(w), static_cast<DWORD>(h), 0, 0, 0, static_cast<UINT>(h),
                      frame.data(), &info, DIB_RGB_COLORS);
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
    if (!face->Empty() && paint) {
        TFaceSurface surface(width, height);
        // No surface to be had (the handles ran out): an empty face, not kept.
        if (surface.Empty()) return std::make_shared<TFace>(0, 0);
        paint(*face, surface.DC());
        surface.CopyTo(*face);
    }
    if (face->Empty() || face->ByteSize() > FByteLimit || FFaceLimit == 0) return face;
    FEntries.push_front(TEntry{hash, std::move(key), face});
    FIndex.emplace(hash, FEntries.begin());
    FBytes += face->ByteSize();
    Trim();
    return face;
}

std::size_t TFaceCache::EraseWhere(const std::function<bool(const TKeyBase&)>& which) {
    std::size_t erased = 0;
    for (auto entry = FEntries.begin(); entry != FEntries.end();) {
        if (!which(*entry->Key)) {
            ++entry;
            continue;
        }
        auto [first, end] = FIndex.equal_range(entry->Hash);
        for (auto it = first; it != end; ++it)
            if (it->second == entry) {
                FIndex.erase(it);
                break;
            }
        FBytes -= entry->Face->ByteSize();
        entry = FEntries.erase(entry);
        ++erased;
    }
    return erased;
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
