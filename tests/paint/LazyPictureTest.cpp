// Pictures read from layouts and streams keep their bytes and decode only when a size or a
// draw needs them. Decodes are counted through the image memory allocator, which every
// decode goes through once.
#include <windows.h>

#include <gtest/gtest.h>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/Streams.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace {

struct TDecodeCounter {
    int Decodes = 0;
    TDecodeCounter() {
        SetImageMemoryAllocator([this](unsigned flags, size_t size) -> void* {
            ++Decodes;
            return GlobalAlloc(flags, size);
        });
    }
    ~TDecodeCounter() { SetImageMemoryAllocator(nullptr); }
};

}  // namespace

TEST(LazyPicture, ReadingStoresBytesAndTheFirstSizeQueryDecodes) {
    TDecodeCounter counter;
    TOrvGDIPPicture picture;
    picture.SetData(orvtest::kPngBytes);  // how a layout reads "Data"
    TOrvGDIPPicture streamed;
    int changes = 0;
    streamed.OnChange = [&](TObject*) { ++changes; };
    TMemoryStream stream;
    stream.SetBytes(orvtest::kGifBytes);
    streamed.LoadFromStream(&stream);
    EXPECT_EQ(counter.Decodes, 0) << "nothing is decoded while reading";
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(picture.Empty());

    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(counter.Decodes, 1);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(counter.Decodes, 1) << "the size is learnt once";
    EXPECT_EQ(streamed.Height(), 3);
    EXPECT_EQ(streamed.Width(), 5);
    EXPECT_EQ(counter.Decodes, 2);

    // New bytes: the new size, not the old one.
    picture.SetData(orvtest::kJpegBytes);
    EXPECT_EQ(counter.Decodes, 2);
    EXPECT_EQ(picture.Width(), 8);
    EXPECT_EQ(picture.Height(), 8);

    // A draw learns the size on its way.
    TOrvGDIPPicture drawn;
    drawn.SetData(orvtest::kGifBytes);
    TBitmap surface(20, 20);
    {
        TGPGraphics g(surface.Canvas().Handle());
        drawn.GDIPDraw(g, TRect{0, 0, 10, 10});
    }
    int afterDraw = counter.Decodes;
    EXPECT_EQ(drawn.Width(), 5);
    EXPECT_EQ(counter.Decodes, afterDraw);

    // Undecodable bytes measure 0 x 0, and asking again does not decode again.
    TOrvGDIPPicture junk;
    junk.SetData(std::vector<uint8_t>(64, 0xA5));
    EXPECT_EQ(junk.Width(), 0);
    int afterJunk = counter.Decodes;
    EXPECT_EQ(junk.Height(), 0);
    EXPECT_EQ(counter.Decodes, afterJunk);
}

TEST(LazyPicture, ADecodedImageIsKeptUntilTheBytesChange) {
    TDecodeCounter counter;
    const int gdip = GdipLiveTotal();
    {
        TOrvGDIPPicture picture;
        picture.SetData(orvtest::kPngBytes);
        TBitmap surface(20, 20);
        for (int i = 0; i < 3; ++i) {
            TGPGraphics g(surface.Canvas().Handle());
            picture.GDIPDraw(g, TRect{0, 0, 12, 8});
            picture.Draw(surface.Canvas(), TRect{0, 10, 12, 18});
        }
        EXPECT_EQ(picture.Width(), 6);
        EXPECT_EQ(counter.Decodes, 1) << "six draws and a size query, one decode";
        EXPECT_EQ(GdipLiveTotal(), gdip + 1) << "the kept image";

        picture.SetData(orvtest::kGifBytes);
        EXPECT_EQ(GdipLiveTotal(), gdip) << "new bytes drop the old image";
        {
            TGPGraphics g(surface.Canvas().Handle());
            picture.GDIPDraw(g, TRect{0, 0, 10, 6});
        }
        EXPECT_EQ(counter.Decodes, 2);
        EXPECT_EQ(picture.Width(), 5) << "the new image's size";
        EXPECT_EQ(surface.PixelColor(2, 2), TColor(0xFF0000)) << "the new image drawn";
    }
    EXPECT_EQ(GdipLiveTotal(), gdip) << "a picture's image goes with it";
}
