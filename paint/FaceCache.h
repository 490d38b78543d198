#pragma once
// Rendered control faces, kept by their complete paint description.
//
// A face is the pixels of one control part for one paint description record (see
// FaceKey.h): premultiplied 32-bit pixels, top row first, held in plain memory. A painter
// asks the cache for the face of its record; on a miss the cache lends the painter a
// device context over cleared pixels (a TFaceSurface, made for that paint and freed after
// it) and keeps what was painted. Kept faces therefore cost no GDI handle: they reach a
// device through one small shared surface, so a full cache holds no more handles than an
// empty one. The cache is bounded in bytes and in faces, drops the least recently used
// faces first, and is dropped as a whole when the face generation moves on (a styler or an
// appearance record announces a change through AnnounceFaceChange).
//
// Faces are shared: a face evicted while a caller still holds it lives until released.
//
// A face can be empty although it was asked for a size: the surface to paint it could not
// be made (the process ran out of handles) or its memory could not be had. It is not kept,
// so the next lookup tries again; meanwhile the caller paints directly what the face would
// have shown.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "framework/GdiHandles.h"
#include "framework/Types.h"
#include "paint/FaceKey.h"

namespace orv {

class TFace {
public:
    // A cleared (transparent black) face; an empty face for a size below 1 x 1 or when its
    // memory cannot be had.
    TFace(int width, int height);
    TFace(const TFace&) = delete;
    TFace& operator=(const TFace&) = delete;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool Empty() const { return FPixels.empty(); }
    // Premultiplied BGRA, row after row from the top.
    uint32_t* Bits() { return FPixels.data(); }
    const uint32_t* Bits() const { return FPixels.data(); }
    std::size_t ByteSize() const { return FPixels.size() * 4; }

    // Copies the face as it is (alpha ignored): for opaque faces, the fast path.
    void Blit(HDC dest, int x, int y) const;
    // Copies the part source (face coordinates, clipped to the face) to (x, y).
    void BlitPart(HDC dest, int x, int y, const TRect& source) const;
    // Blends the face by its per-pixel alpha over what dest holds.
    void AlphaBlit(HDC dest, int x, int y) const;

private:
    int FWidth = 0;
    int FHeight = 0;
    std::vector<uint32_t> FPixels;
};

// A device context over cleared premultiplied pixels, to paint a face (or a scratch
// picture) with GDI and GDI+. Its bitmap and DC live only as long as it does.
class TFaceSurface {
public:
    // Empty when the bitmap or DC cannot be made, or below 1 x 1.
    TFaceSurface(int width, int height);
    ~TFaceSurface();
    TFaceSurface(const TFaceSurface&) = delete;
    TFaceSurface& operator=(const TFaceSurface&) = delete;

    bool Empty() const { return !FDC; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    HDC DC() const { return FDC.Get(); }
    // The pixels, with every drawing call made so far finished.
    const uint32_t* Bits() const;
    void Blit(HDC dest, int x, int y) const;
    // Copies the pixels into face, which has the surface's size.
    void CopyTo(TFace& face) const;

private:
    int FWidth = 0;
    int FHeight = 0;
    uint32_t* FBits = nullptr;
    TGdiBitmap FBitmap;
    TGdiMemoryDC FDC;
    std::unique_ptr<TSelectGuard> FSelect;  // declared last: deselects before the DC and bitmap go
};

// A fade frame: from over to, percent of the way (0 shows from, 100 shows to). Both
// faces must be the same size and opaque (faces of different sizes show to). The pixels
// are blended in memory and copied to dest once.
void BlendFaces(HDC dest, int x, int y, const TFace& from, const TFace& to, int percent);
// The blend itself, per channel: (from * (256 - w) + to * w + 128) / 256 with
// w = percent of 256, rounded.
void BlendFacePixels(const uint32_t* from, const uint32_t* to, uint32_t* out, std::size_t count, int percent);

// Gives back the bitmap and DC through which faces reach devices (at shut-down); they are
// made again at the next blit.
void ReleaseFaceBlitSurface();

// Moves the face generation on: every cache drops its faces at its next lookup.
void AnnounceFaceChange();
unsigned FaceGeneration();

class TFaceCache {
public:
    static constexpr std::size_t kDefaultByteLimit = 16u * 1024 * 1024;
    static constexpr std::size_t kDefaultFaceLimit = 1024;

    using TPaintFace = std::function<void(TFace& face, HDC dc)>;

    TFaceCache() = default;
    TFaceCache(const TFaceCache&) = delete;
    TFaceCache& operator=(const TFaceCache&) = delete;

    // The face for key, painted by paint on a miss (into a surface over the face's pixels;
    // the DC is valid only during the call).
    // A face larger than the whole byte limit is painted and returned but not kept.
    template <TiedRecord Key>
    std::shared_ptr<const TFace> Get(const Key& key, int width, int height, const TPaintFace& paint) {
        static_assert(FaceKeyComplete<Key>(), "every field of a face key must be listed in its Tie()");
        std::size_t hash = HashRecord(key) ^ std::hash<std::type_index>{}(typeid(Key));
        auto matches = [&key](const TKeyBase& stored) {
            auto* typed = dynamic_cast<const TKeyHolder<Key>*>(&stored);
            return typed && EqualRecords(typed->Value, key);
        };
        if (auto face = Lookup(hash, matches)) return face;
        return Insert(hash, std::make_unique<TKeyHolder<Key>>(key), width, height, paint);
    }

    // Drops the kept faces keyed by a Key for which which(key) holds: a control dropping
    // faces it can never ask for again. Returns how many went.
    template <TiedRecord Key>
    std::size_t EraseIf(const std::function<bool(const Key&)>& which) {
        return EraseWhere([&which](const TKeyBase& stored) {
            auto* typed = dynamic_cast<const TKeyHolder<Key>*>(&stored);
            return typed && which(typed->Value);
        });
    }

    // Drops every face the cache holds (faces still held by callers live on with them).
    void Clear();

    std::size_t ByteLimit() const { return FByteLimit; }
    void SetByteLimit(std::size_t value);
    std::size_t FaceLimit() const { return FFaceLimit; }
    void SetFaceLimit(std::size_t value);

    std::size_t Bytes() const { return FBytes; }
    std::size_t Count() const { return FEntries.size(); }
    std::size_t Hits() const { return FHits; }
    std::size_t Misses() const { return FMisses; }
    std::size_t Evictions() const { return FEvictions; }
    void ResetCounters() { FHits = FMisses = FEvictions = 0; }

private:
    struct TKeyBase {
        virtual ~TKeyBase() = default;
    };
    template <class K>
    struct TKeyHolder : TKeyBase {
        explicit TKeyHolder(const K& key) : Value(key) {}
        K Value;
    };
    struct TEntry {
        std::size_t Hash = 0;
        std::unique_ptr<TKeyBase> Key;
        std::shared_ptr<const TFace> Face;
    };
    using TEntries = std::list<TEntry>;

    std::shared_ptr<const TFace> Lookup(std::size_t hash, const std::function<bool(const TKeyBase&)>& matches);
    std::shared_ptr<const TFace> Insert(std::size_t hash, std::unique_ptr<TKeyBase> key, int width, int height,
                                        const TPaintFace& paint);
    std::size_t EraseWhere(const std::function<bool(const TKeyBase&)>& which);
    void CheckGeneration();
    void Trim();
    void EvictLast();

    TEntries FEntries;  // most recently used first
    std::unordered_multimap<std::size_t, TEntries::iterator> FIndex;
    std::size_t FByteLimit = kDefaultByteLimit;
    std::size_t FFaceLimit = kDefaultFaceLimit;
    std::size_t FBytes = 0;
    std::size_t FHits = 0;
    std::size_t FMisses = 0;
    std::size_t FEvictions = 0;
    unsigned FGeneration = FaceGeneration();
};

// The cache the library's controls share.
TFaceCache& SharedFaceCache();

}  // namespace orv
