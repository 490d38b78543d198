// The face cache: keys derived from a record's field list, hits and misses, the byte and
// face bounds with least-recently-used eviction, the generation drop, fade blends, and
// handles released when the cache is cleared.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace {

enum class TFaceState { fsNormal, fsHot };

struct TSampleKey {
    int Width = 0;
    int Height = 0;
    uint32_t Color = 0;
    TFaceState State = TFaceState::fsNormal;
    std::wstring Caption;
    const void* Picture = nullptr;
    auto Tie() const { return std::tie(Width, Height, Color, State, Caption, Picture); }
};

// A record that grew a field its Tie() does not list.
struct TForgottenFieldKey {
    int Width = 0;
    std::wstring Caption;
    bool Flat = false;
    auto Tie() const { return std::tie(Width, Caption); }
};

static_assert(FaceKeyComplete<TSampleKey>());
static_assert(!FaceKeyComplete<TForgottenFieldKey>(), "a field missing from Tie() must be caught");

// Paints the key's colour (0x00BBGGRR) into the whole face, opaque, and counts calls.
struct TSolidPainter {
    int Calls = 0;
    TFaceCache::TPaintFace For(const TSampleKey& key) {
        return [this, key](TFace& face, HDC dc) {
            ++Calls;
            TGdiBrush brush(CreateSolidBrush(key.Color));
            RECT rc{0, 0, face.Width(), face.Height()};
            FillRect(dc, &rc, brush.Get());
        };
    }
};

TSampleKey Key(uint32_t color, int size = 8) {
    TSampleKey key;
    key.Width = key.Height = size;
    key.Color = color;
    return key;
}

std::shared_ptr<const TFace> Get(TFaceCache& cache, TSolidPainter& painter, const TSampleKey& key) {
    return cache.Get(key, key.Width, key.Height, painter.For(key));
}

bool Near(TColor actual, TColor expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8)
        if (std::abs(static_cast<int>((actual >> shift) & 0xFF) - static_cast<int>((expected >> shift) & 0xFF)) >
            tolerance)
            return false;
    return true;
}

}  // namespace

TEST(FaceKey, EveryFieldTakesPartInHashAndEquality) {
    TSampleKey base;
    base.Width = 10;
    base.Caption = L"Open";
    TSampleKey copy = base;
    EXPECT_TRUE(EqualRecords(base, copy));
    EXPECT_EQ(HashRecord(base), HashRecord(copy));

    int pictureTag = 0;
    const std::function<void(TSampleKey&)> changes[] = {
        [](TSampleKey& k) { k.Width = 11; },        [](TSampleKey& k) { k.Height = 1; },
        [](TSampleKey& k) { k.Color = 0xFF; },      [](TSampleKey& k) { k.State = TFaceState::fsHot; },
        [](TSampleKey& k) { k.Caption = L"Opem"; }, [&](TSampleKey& k) { k.Picture = &pictureTag; },
    };
    int index = 0;
    for (const auto& change : changes) {
        TSampleKey other = base;
        change(other);
        EXPECT_FALSE(EqualRecords(base, other)) << "field " << index;
        EXPECT_NE(HashRecord(base), HashRecord(other)) << "field " << index;
        ++index;
    }
}

TEST(FaceCache, PaintsOnceAndBlitsTheKeptFace) {
    TFaceCache cache;
    TSolidPainter painter;
    auto first = Get(cache, painter, Key(0x3050A0));
    auto second = Get(cache, painter, Key(0x3050A0));
    EXPECT_EQ(painter.Calls, 1);
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(cache.Hits(), 1u);
    EXPECT_EQ(cache.Misses(), 1u);
    EXPECT_EQ(cache.Bytes(), 8u * 8 * 4);

    TSampleKey other = Key(0x3050A0);
    other.Caption = L"x";
    Get(cache, painter, other);
    EXPECT_EQ(painter.Calls, 2) << "a different caption is a different face";
    EXPECT_EQ(cache.Misses(), 2u);

    TBitmap target(20, 20);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect{0, 0, 20, 20});
    first->Blit(target.Canvas().Handle(), 4, 4);
    EXPECT_EQ(target.PixelColor(4, 4), static_cast<TColor>(0x3050A0));
    EXPECT_EQ(target.PixelColor(11, 11), static_cast<TColor>(0x3050A0));
    EXPECT_EQ(target.PixelColor(12, 12), clWhite);
    EXPECT_EQ(target.PixelColor(3, 3), clWhite);
}

TEST(FaceCache, EvictsTheLeastRecentlyUsedAndDropsOnAGenerationChange) {
    TFaceCache cache;
    TSolidPainter painter;
    cache.SetByteLimit(3 * 8 * 8 * 4);
    Get(cache, painter, Key(1));
    Get(cache, painter, Key(2));
    Get(cache, painter, Key(3));
    Get(cache, painter, Key(1));  // 2 is now the oldest
    Get(cache, painter, Key(4));
    EXPECT_EQ(cache.Count(), 3u);
    EXPECT_EQ(cache.Evictions(), 1u);
    EXPECT_EQ(painter.Calls, 4);
    Get(cache, painter, Key(1));
    EXPECT_EQ(painter.Calls, 4) << "the recently used face stays";
    Get(cache, painter, Key(2));
    EXPECT_EQ(painter.Calls, 5) << "the oldest face went first";

    cache.SetFaceLimit(1);
    EXPECT_EQ(cache.Count(), 1u);
    cache.SetFaceLimit(TFaceCache::kDefaultFaceLimit);

    // A face bigger than the whole bound is painted but not kept.
    auto big = Get(cache, painter, Key(5, 64));
    ASSERT_FALSE(big->Empty());
    EXPECT_EQ(big->Width(), 64);
    EXPECT_LE(cache.Bytes(), cache.ByteLimit());

    unsigned generation = FaceGeneration();
    AnnounceFaceChange();
    EXPECT_NE(FaceGeneration(), generation);
    int calls = painter.Calls;
    Get(cache, painter, Key(2));
    EXPECT_EQ(painter.Calls, calls + 1) << "a style change leaves no stale face";
    EXPECT_EQ(cache.Count(), 1u);
}

TEST(FaceCache, TenThousandFacesStayWithinTheBoundAndReleaseEverything) {
    int gdiBefore = GdiLiveTotal(), gdipBefore = GdipLiveTotal();
    {
        TFaceCache cache;
        TSolidPainter painter;
        bool withinBound = true;
        for (int i = 0; i < 10000; ++i) {
            TSampleKey key = Key(static_cast<uint32_t>(i), 24 + i % 40);
            key.Caption = std::to_wstring(i);
            auto face = cache.Get(key, key.Width, key.Height, [&](TFace& f, HDC dc) {
                painter.For(key)(f, dc);
                if (i % 50 == 0) {  // some faces paint through GDI+ as controls do
                    TGPGraphics graphics(dc);
                    TGPSolidBrush brush(0xFF102030);
                    graphics.FillRectangle(brush, MakeRect(0, 0, 4, 4));
                }
            });
            ASSERT_FALSE(face->Empty());
            withinBound = withinBound && cache.Bytes() <= cache.ByteLimit() && cache.Count() <= cache.FaceLimit();
        }
        EXPECT_TRUE(withinBound);
        EXPECT_EQ(painter.Calls, 10000);
        EXPECT_GT(cache.Evictions(), 0u);
        EXPECT_EQ(cache.Count(), cache.FaceLimit());
        // Kept faces are memory: at most the shared blit surface's bitmap and DC beyond.
        EXPECT_LE(GdiLiveTotal(), gdiBefore + 2) << "kept faces hold no handles of their own";
        cache.Clear();
        EXPECT_EQ(cache.Bytes(), 0u);
        EXPECT_EQ(GdiLiveTotal(), gdiBefore);
        EXPECT_EQ(GdipLiveTotal(), gdipBefore);
    }
}

TEST(FaceCache, EveryChannelOfEveryPixelBlendsWithinOneOfTheExactMix) {
    // Seven pixels: the four-at-once steps and the pixels after them both run.
    const uint32_t from[7] = {0xFF000000u, 0x00FFFFFFu, 0x12345678u, 0xFFFFFFFFu, 0x80808080u, 0x01FE02FDu, 0u};
    const uint32_t to[7] = {0x00FFFFFFu, 0xFF000000u, 0x87654321u, 0xFFFFFFFFu, 0x7F7F7F7Fu, 0xFE01FD02u, 0u};
    for (int percent = 0; percent <= 100; percent += 10) {
        uint32_t out[7] = {};
        BlendFacePixels(from, to, out, 7, percent);
        for (int i = 0; i < 7; ++i)
            for (int shift = 0; shift < 32; shift += 8) {
                const double f = (from[i] >> shift) & 0xFF, t = (to[i] >> shift) & 0xFF;
                const double exact = f + (t - f) * percent / 100.0;
                const double got = (out[i] >> shift) & 0xFF;
                EXPECT_LE(std::abs(got - exact), 1.0) << "pixel " << i << ", bits " << shift << ", " << percent << "%";
            }
    }
}

TEST(FaceCache, AFadeFrameBlendsTheTwoEndFaces) {
    TFace from(10, 10), to(10, 10);
    std::fill(from.Bits(), from.Bits() + 100, 0xFFC80000u);  // RGB(200, 0, 0) as BGRA
    std::fill(to.Bits(), to.Bits() + 100, 0xFF0000F0u);      // RGB(0, 0, 240)
    TBitmap target(10, 10);
    HDC dc = target.Canvas().Handle();
    BlendFaces(dc, 0, 0, from, to, 0);
    EXPECT_EQ(target.PixelColor(5, 5), static_cast<TColor>(RGB(200, 0, 0)));
    BlendFaces(dc, 0, 0, from, to, 100);
    EXPECT_EQ(target.PixelColor(5, 5), static_cast<TColor>(RGB(0, 0, 240)));
    BlendFaces(dc, 0, 0, from, to, 50);
    EXPECT_TRUE(Near(target.PixelColor(5, 5), RGB(100, 0, 120), 2)) << std::hex << target.PixelColor(5, 5);
    BlendFaces(dc, 0, 0, from, to, 30);
    EXPECT_TRUE(Near(target.PixelColor(9, 0), RGB(140, 0, 72), 2)) << std::hex << target.PixelColor(9, 0);
}

TEST(FaceCache, FacesLargerThanTheBlitTileReachTheDeviceWholeAndPartsClipToTheFace) {
    // 700 x 300 spans several 512 x 128 tiles: a pixel pattern that tells every position.
    TFace face(700, 300);
    auto colour = [](int x, int y) { return static_cast<uint32_t>(0xFF000000u | (x % 251) << 16 | (y % 241) << 8 | 7u); };
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 700; ++x) face.Bits()[y * 700 + x] = colour(x, y);
    auto expected = [&](int x, int y) {  // as TColor (0x00BBGGRR)
        const uint32_t c = colour(x, y);
        return static_cast<TColor>(((c >> 16) & 0xFF) | (c & 0xFF00) | ((c & 0xFF) << 16));
    };
    TBitmap target(720, 320);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect{0, 0, 720, 320});
    face.Blit(target.Canvas().Handle(), 10, 10);
    for (auto [x, y] : {std::pair{0, 0}, {511, 127}, {512, 128}, {699, 299}, {600, 200}, {5, 290}})
        EXPECT_EQ(target.PixelColor(10 + x, 10 + y), expected(x, y)) << x << ", " << y;
    EXPECT_EQ(target.PixelColor(9, 9), clWhite);
    EXPECT_EQ(target.PixelColor(710, 310), clWhite);

    // A part reaching past the face copies only what the face has, where it would be.
    target.Canvas().FillRect(TRect{0, 0, 720, 320});
    face.BlitPart(target.Canvas().Handle(), 20, 20, TRect{-5, 290, 8, 310});
    EXPECT_EQ(target.PixelColor(25, 20), expected(0, 290));
    EXPECT_EQ(target.PixelColor(32, 29), expected(7, 299));
    EXPECT_EQ(target.PixelColor(24, 20), clWhite) << "left of the face";
    EXPECT_EQ(target.PixelColor(25, 30), clWhite) << "below the face";
    EXPECT_EQ(target.PixelColor(33, 20), clWhite) << "right of the part";
}

TEST(FaceCache, AlphaBlitBlendsTransparentAndHalfCoveredPixels) {
    TFace face(3, 1);
    face.Bits()[0] = 0x00000000u;  // transparent: the target shows through
    face.Bits()[1] = 0xFF0000FFu;  // opaque blue
    face.Bits()[2] = 0x80000080u;  // half-covered blue, premultiplied
    TBitmap target(3, 1);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(TRect{0, 0, 3, 1});
    face.AlphaBlit(target.Canvas().Handle(), 0, 0);
    EXPECT_EQ(target.PixelColor(0, 0), clWhite);
    EXPECT_EQ(target.PixelColor(1, 0), static_cast<TColor>(0xFF0000));
    EXPECT_TRUE(Near(target.PixelColor(2, 0), 0xFF7F7F, 2)) << std::hex << target.PixelColor(2, 0);
}

TEST(FaceCache, EraseIfDropsOnlyTheMatchingFacesOfThatKeyType) {
    TFaceCache cache;
    TSolidPainter painter;
    for (uint32_t c : {1u, 2u, 3u}) Get(cache, painter, Key(c));
    // Another key type with the same fields' values must stay.
    struct TOtherKey {
        uint32_t Color = 0;
        auto Tie() const { return std::tie(Color); }
    };
    cache.Get(TOtherKey{2}, 8, 8, [](TFace&, HDC) {});
    EXPECT_EQ(cache.EraseIf<TSampleKey>([](const TSampleKey& k) { return k.Color >= 2; }), 2u);
    EXPECT_EQ(cache.Count(), 2u);
    EXPECT_EQ(cache.Bytes(), 2u * 8 * 8 * 4);
    const int calls = painter.Calls;
    Get(cache, painter, Key(1));
    EXPECT_EQ(painter.Calls, calls) << "the face not matched is still kept";
    Get(cache, painter, Key(2));
    EXPECT_EQ(painter.Calls, calls + 1) << "an erased face is painted again";
    auto other = cache.Get(TOtherKey{2}, 8, 8, [](TFace&, HDC) { ADD_FAILURE() << "the other key type was erased"; });
    EXPECT_FALSE(other->Empty());
}
