// Pictures whose headers point outside their own data: the decoder must see nothing beyond
// the data's end, and such a picture draws nothing, measures 0 x 0 and raises nothing.
#include <windows.h>
#include <objidl.h>

#include <gtest/gtest.h>

#include <cstring>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "paint/GDIPPicture.h"
#include "paint/ImageHeaders.h"
#include "paint/ImageStream.h"
#include "paint/OrvPictureDraw.h"

using namespace orv;

namespace {

constexpr TColor kGrey = 0x808080;

std::vector<uint8_t> WithUInt32At(std::vector<uint8_t> bytes, size_t offset, uint32_t value) {
    std::memcpy(&bytes[offset], &value, 4);
    return bytes;
}

// The 4 x 4 BMP keeps its pixels (48 bytes) at offset 54 of 102 bytes (offset field at 10);
// the 7 x 9 TIFF keeps its one strip (126 bytes) at offset 8 of 296 (offset field at 216).
struct TCrafted {
    const char* Name;
    std::vector<uint8_t> Bytes;
};
std::vector<TCrafted> CraftedPictures() {
    using orvtest::kBmpBytes;
    using orvtest::kTiffBytes;
    return {
        {"BMP pixels far past the end", WithUInt32At(kBmpBytes, 10, 0x7FFFFFF0u)},
        {"BMP pixels running 40 bytes past the end", WithUInt32At(kBmpBytes, 10, 94)},
        {"BMP pixels starting at the end", WithUInt32At(kBmpBytes, 10, 102)},
        {"TIFF strip far past the end", WithUInt32At(kTiffBytes, 216, 0x7FFFFFF0u)},
        {"TIFF strip running 40 bytes past the end", WithUInt32At(kTiffBytes, 216, 210)},
    };
}

template <class P>
void LoadBytes(P& picture, const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    picture.LoadFromStream(&stream);
}

bool Untouched(const TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.PixelColor(x, y) != kGrey) return false;
    return true;
}

void PaintGrey(TBitmap& bitmap) {
    bitmap.Canvas().Brush().SetColor(kGrey);
    bitmap.Canvas().FillRect(TRect{0, 0, bitmap.Width(), bitmap.Height()});
}

}  // namespace

TEST(PictureBounds, DataOffsetsPastTheEndDecodeToNothingAndDrawNothing) {
    const int gdip = GdipLiveTotal(), gdi = GdiLiveTotal(), streams = ImageStreamLiveCount();
    for (const TCrafted& c : CraftedPictures()) {
        SCOPED_TRACE(c.Name);
        // Loading sizes the picture, which decodes it: this is where the process used to die.
        TOrvGDIPPicture picture;
        EXPECT_NO_THROW(LoadBytes(picture, c.Bytes));
        EXPECT_FALSE(picture.Empty()) << "the bytes are kept as they came";
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Height(), 0);
        EXPECT_FALSE(picture.GetImageSizes());

        TBitmap surface(24, 24);
        PaintGrey(surface);
        picture.SetTransparent(true);
        picture.Draw(surface.Canvas(), TRect{0, 0, 20, 20});
        {
            TGPGraphics g(surface.Canvas().Handle());
            picture.GDIPDraw(g, TRect{0, 0, 20, 20});
            picture.GDIPDraw(g, MakeRect(0, 0, 20, 20));
            picture.FillRect(g, MakeRect(0, 0, 20, 20));
            DrawPictureAt(&g, {1, 1}, &picture);
            DrawPictureStretched(&g, &surface.Canvas(), TRect{0, 0, 20, 20}, &picture);
            DrawGraphicAt(&g, nullptr, {1, 1}, &picture, true);
        }
        EXPECT_TRUE(Untouched(surface)) << "no stray memory is drawn as pixels";

        TGDIPPicture plain;
        plain.SetData(c.Bytes);
        EXPECT_FALSE(plain.GetImageSizes());
        EXPECT_EQ(plain.Width(), 0);
        plain.Draw(surface.Canvas(), TRect{0, 0, 20, 20});
        {
            TGPGraphics g(surface.Canvas().Handle());
            plain.DrawImage(g, 0, 0);
            plain.DrawImageRect(g, 0, 0, 20, 20);
        }
        EXPECT_TRUE(Untouched(surface));
    }
    EXPECT_EQ(ImageStreamLiveCount(), streams) << "every decode released its stream";
    EXPECT_EQ(GdipLiveTotal(), gdip);
    EXPECT_EQ(GdiLiveTotal(), gdi);
}

TEST(PictureBounds, TheDecoderStreamNeverReadsOutsideTheData) {
    const std::vector<uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const int live = ImageStreamLiveCount();
    {
        TComStream stream = CreateImageStream(bytes.data(), bytes.size());
        ASSERT_TRUE(stream);
        EXPECT_EQ(ImageStreamLiveCount(), live + 1);
        IStream* s = stream.Get();
        auto seek = [&](int64_t offset, DWORD origin) {
            LARGE_INTEGER move;
            move.QuadPart = offset;
            return s->Seek(move, origin, nullptr);
        };
        uint8_t buffer[16];
        ULONG read = 99;

        // A read that runs over the end gives only what is there.
        std::memset(buffer, 0xEE, sizeof(buffer));
        ASSERT_EQ(seek(8, STREAM_SEEK_SET), S_OK);
        EXPECT_EQ(s->Read(buffer, 16, &read), S_FALSE);
        EXPECT_EQ(read, 2u);
        EXPECT_EQ(buffer[0], 9);
        EXPECT_EQ(buffer[1], 10);
        EXPECT_EQ(buffer[2], 0xEE) << "nothing written beyond what was read";

        // Past the end is a position, but nothing can be read there.
        std::memset(buffer, 0xEE, sizeof(buffer));
        EXPECT_EQ(seek(0x7FFFFFF0, STREAM_SEEK_SET), S_OK);
        EXPECT_EQ(s->Read(buffer, 16, &read), S_FALSE);
        EXPECT_EQ(read, 0u);
        EXPECT_EQ(buffer[0], 0xEE);

        // Before the start is refused and leaves the position alone.
        ASSERT_EQ(seek(-5, STREAM_SEEK_END), S_OK);
        EXPECT_NE(seek(-6, STREAM_SEEK_CUR), S_OK);
        EXPECT_EQ(s->Read(buffer, 3, &read), S_OK);
        EXPECT_EQ(read, 3u);
        EXPECT_EQ(buffer[0], 6);
        EXPECT_EQ(buffer[2], 8);

        STATSTG stat{};
        ASSERT_EQ(s->Stat(&stat, STATFLAG_NONAME), S_OK);
        EXPECT_EQ(stat.cbSize.QuadPart, 10u);

        // A clone reads the same bytes from its own position, with the same end.
        IStream* clone = nullptr;
        ASSERT_EQ(s->Clone(&clone), S_OK);
        EXPECT_EQ(ImageStreamLiveCount(), live + 2);
        EXPECT_EQ(clone->Read(buffer, 16, &read), S_FALSE);
        EXPECT_EQ(read, 2u);
        EXPECT_EQ(buffer[0], 9);
        clone->Release();
        EXPECT_EQ(ImageStreamLiveCount(), live + 1);
    }
    EXPECT_EQ(ImageStreamLiveCount(), live);
}

TEST(PictureBounds, TheHeaderTellsWhetherThePixelsLieInsideTheData) {
    using orvtest::kBmpBytes;
    using orvtest::kTiffBytes;
    for (const auto* bytes :
         {&orvtest::kPngBytes, &orvtest::kJpegBytes, &orvtest::kGifBytes, &kBmpBytes, &orvtest::kIcoBytes, &kTiffBytes})
        EXPECT_TRUE(ImageDataWithinBounds(bytes->data(), bytes->size()));
    for (const TCrafted& c : CraftedPictures())
        EXPECT_FALSE(ImageDataWithinBounds(c.Bytes.data(), c.Bytes.size())) << c.Name;

    // 24-bit, 1 x 2: rows of 3 bytes padded to 4. The last row may lack its padding, not a pixel.
    std::vector<uint8_t> tall(kBmpBytes.begin(), kBmpBytes.begin() + 54);
    tall[18] = 1;  // width
    tall[22] = 2;  // height
    tall.resize(54 + 4 + 3, 0x40);
    EXPECT_TRUE(ImageDataWithinBounds(tall.data(), tall.size()));
    tall.pop_back();
    EXPECT_FALSE(ImageDataWithinBounds(tall.data(), tall.size()));
    // A header cut before the sizes cannot place anything.
    EXPECT_FALSE(ImageDataWithinBounds(kBmpBytes.data(), 20));

    // The TIFF strip's byte count (the value at 264) running one byte over the end.
    EXPECT_TRUE(ImageDataWithinBounds(WithUInt32At(kTiffBytes, 264, 288).data(), kTiffBytes.size()));
    EXPECT_FALSE(ImageDataWithinBounds(WithUInt32At(kTiffBytes, 264, 289).data(), kTiffBytes.size()));
    // The directory itself past the end.
    EXPECT_FALSE(ImageDataWithinBounds(WithUInt32At(kTiffBytes, 4, 5000).data(), kTiffBytes.size()));
}

TEST(PictureBounds, TheDecoderStopsAtTheDataEndEvenWithoutTheHeaderTest) {
    // Straight to the decoder, past the header test: our stream alone keeps it inside the
    // data, so it fails cleanly instead of reading beyond it.
    for (const TCrafted& c : CraftedPictures()) {
        SCOPED_TRACE(c.Name);
        TComStream stream = CreateImageStream(c.Bytes.data(), c.Bytes.size());
        TGPImage image(stream.Get());
        EXPECT_NE(image.GetLoadStatus(), TStatus::Ok);
        EXPECT_EQ(image.GetWidth(), 0);
    }
}
