#include "paint/FaceCache.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
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

// --- TFace -----------------------------------------------------------------------------------

TFace::TFace(int width, int height) {
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
