// Pictures kept as image-file bytes and decoded on demand, the picture container, and the
// early size readers over untrusted headers.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "TestImages.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/Resources.h"
#include "paint/GDIPPicture.h"
#include "paint/GDIPPictureContainer.h"
#include "paint/ImageHeaders.h"

using namespace orv;
using orvtest::kBmpBytes;
using orvtest::kGifBytes;
using orvtest::kIcoBytes;
using orvtest::kJpegBytes;
using orvtest::kPngBytes;
using orvtest::kTiffBytes;

namespace {

constexpr TColor kRed = 0x0000FF, kMagenta = 0xFF00FF, kGrey = 0x808080;

bool Near(TColor actual, TColor expected, int tolerance = 12) {
    for (int shift = 0; shift < 24; shift += 8) {
        int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

struct TSurface {
    TSurface(int w, int h, TColor background = kGrey) : Bitmap(w, h) {
        Bitmap.Canvas().Brush().SetColor(background);
        Bitmap.Canvas().FillRect(TRect{0, 0, w, h});
    }
    TColor At(int x, int y) const { return Bitmap.PixelColor(x, y); }
    bool Untouched(TColor background = kGrey) const {
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x)
                if (At(x, y) != background) return false;
        return true;
    }
    TBitmap Bitmap;
};

template <class P>
void LoadBytes(P& picture, const std::vector<uint8_t>& bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    picture.LoadFromStream(&stream);
}

std::wstring TempFile(const std::wstring& name, const std::vector<uint8_t>& bytes) {
    auto path = std::filesystem::temp_directory_path() / (L"orvpic_" + std::to_wstring(GetCurrentProcessId()) + name);
    TMemoryStream s;
    s.SetBytes(bytes);
    s.SaveToFile(path.wstring());
    return path.wstring();
}

struct TLiveCounts {
    int Gdip = GdipLiveTotal();
    int Gdi = GdiLiveTotal();
    void Check() const {
        EXPECT_EQ(GdipLiveTotal(), Gdip) << "GDI+ objects left alive";
        EXPECT_EQ(GdiLiveTotal(), Gdi) << "GDI objects left alive";
    }
};

}  // namespace

TEST(Picture, EachFormatLoadsReportsItsSizeAndDraws) {
    struct TCase {
        const char* Name;
        const std::vector<uint8_t>* Bytes;
        int Width, Height;
        TColor Centre;
    } cases[] = {
        {"PNG", &kPngBytes, 6, 4, kRed},    {"JPEG", &kJpegBytes, 8, 8, 0x00C000}, {"GIF", &kGifBytes, 5, 3, 0xFF0000},
        {"BMP", &kBmpBytes, 4, 4, clWhite}, {"ICO", &kIcoBytes, 16, 16, 0xFFFF00},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TOrvGDIPPicture picture;
        int changes = 0;
        picture.OnChange = [&](TObject*) { ++changes; };
        LoadBytes(picture, *c.Bytes);
        EXPECT_FALSE(picture.Empty());
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(picture.Width(), c.Width);
        EXPECT_EQ(picture.Height(), c.Height);

        TSurface s(40, 40), s2(40, 40);
        TLiveCounts before;
        {
            TGPGraphics g(s.Bitmap.Canvas().Handle());
            picture.GDIPDraw(g, TRect{0, 0, 20, 20});
        }
        // Scaled into 20 x 20; (2, 2) lies in the first column block of every test image.
        EXPECT_TRUE(Near(s.At(2, 2), c.Centre)) << std::hex << s.At(2, 2);
        EXPECT_EQ(s.At(30, 30), kGrey) << "nothing outside the rectangle";
        before.Check();

        {
            // Counted once the picture is gone: it keeps its decoded image while it lives.
            TGDIPPicture plain;
            LoadBytes(plain, *c.Bytes);
            EXPECT_EQ(plain.Width(), c.Width);
            {
                TGPGraphics g(s2.Bitmap.Canvas().Handle());
                plain.DrawImageRect(g, 10, 10, 20, 20);
            }
            EXPECT_TRUE(Near(s2.At(12, 12), c.Centre)) << std::hex << s2.At(12, 12);
            EXPECT_EQ(s2.At(5, 5), kGrey);
        }
        before.Check();
    }
}

TEST(Picture, PngWithAlphaBlendsOverTheCanvas) {
    TOrvGDIPPicture picture;
    LoadBytes(picture, kPngBytes);
    TSurface s(12, 8);
    picture.Width();  // decodes: the picture keeps its decoded image from here on
    TLiveCounts before;
    picture.Draw(s.Bitmap.Canvas(), TRect{0, 0, 12, 8});
    before.Check();
    EXPECT_EQ(s.At(1, 4), kRed);
    EXPECT_EQ(s.At(10, 4), kGrey) << "transparent half leaves the background";
}

TEST(Picture, DataRoundTripsByteForByteAndIsStoredOnlyWhenNotEmpty) {
    TOrvGDIPPicture picture;
    EXPECT_FALSE(picture.IsDataStored());
    picture.SetData(kPngBytes);
    EXPECT_TRUE(picture.IsDataStored());
    EXPECT_EQ(picture.GetData(), kPngBytes);
    TMemoryStream out;
    picture.SaveToStream(&out);
    EXPECT_EQ(out.Bytes(), kPngBytes);

    // Reading "Data" of length 0: TOrvGDIPPicture ignores it, TGDIPPicture takes it.
    picture.SetData({});
    EXPECT_EQ(picture.GetData(), kPngBytes);
    TGDIPPicture plain;
    plain.SetData(kPngBytes);
    EXPECT_FALSE(plain.Empty());
    EXPECT_EQ(plain.Width(), 0) << "size is not computed when Data is read";
    EXPECT_TRUE(plain.GetImageSizes());
    EXPECT_EQ(plain.Width(), 6);
}

TEST(Picture, StreamOfLengthZero) {
    TMemoryStream empty;
    TOrvGDIPPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.LoadFromStream(&empty);
    picture.LoadFromStream(nullptr);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(changes, 0);

    TGDIPPicture plain;
    plain.LoadFromStream(&empty);
    EXPECT_FALSE(plain.Empty());
    EXPECT_EQ(plain.Width(), 0);
    EXPECT_EQ(plain.Height(), 0);
    TSurface s(4, 4);
    plain.Draw(s.Bitmap.Canvas(), TRect{0, 0, 4, 4});
    EXPECT_TRUE(s.Untouched());
}

TEST(Picture, EmptyOrCorruptBytesDrawNothingAndRaiseNothing) {
    std::vector<uint8_t> corrupt(kPngBytes.begin(), kPngBytes.begin() + 30);
    std::vector<uint8_t> junk(64, 0xA5);
    TLiveCounts before;
    for (const auto* bytes : {&corrupt, &junk}) {
        TOrvGDIPPicture picture;
        EXPECT_NO_THROW(LoadBytes(picture, *bytes));
        EXPECT_FALSE(picture.Empty());
        EXPECT_FALSE(picture.GetImageSizes());
        EXPECT_EQ(picture.Width(), 0);
        TSurface s(10, 10);
        EXPECT_NO_THROW(picture.Draw(s.Bitmap.Canvas(), TRect{0, 0, 10, 10}));
        {
            TGPGraphics g(s.Bitmap.Canvas().Handle());
            EXPECT_NO_THROW(picture.GDIPDraw(g, TRect{0, 0, 10, 10}));
            EXPECT_NO_THROW(picture.GDIPDraw(g, MakeRect(0, 0, 10, 10)));
            EXPECT_NO_THROW(picture.FillRect(g, MakeRect(0, 0, 10, 10)));
        }
        EXPECT_TRUE(s.Untouched());
    }
    before.Check();
    TOrvGDIPPicture nothing;
    TSurface s(10, 10);
    nothing.Draw(s.Bitmap.Canvas(), TRect{0, 0, 10, 10});
    EXPECT_TRUE(s.Untouched());
}

TEST(Picture, MemoryFailureRaisesAndLeavesThePictureAlone) {
    TOrvGDIPPicture picture;
    LoadBytes(picture, kPngBytes);
    TSurface s(10, 10);
    TLiveCounts before;
    SetImageMemoryAllocator([](unsigned, size_t) -> void* { return nullptr; });
    try {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        picture.GDIPDraw(g, TRect{0, 0, 10, 10});
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), L"Could not allocate memory for image");
    }
    EXPECT_THROW(picture.GetImageSizes(), EImageMemoryError);
    SetImageMemoryAllocator(nullptr);
    before.Check();
    EXPECT_TRUE(s.Untouched());
    EXPECT_EQ(picture.GetData(), kPngBytes);
    EXPECT_EQ(picture.Width(), 6);
    // The float-rectangle draw clears its re-entrancy guard when it raises (new bytes: the
    // kept decoded image is dropped and the draw decodes).
    LoadBytes(picture, kPngBytes);
    SetImageMemoryAllocator([](unsigned, size_t) -> void* { return nullptr; });
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        EXPECT_THROW(picture.GDIPDraw(g, MakeRect(0, 0, 10, 10)), EImageMemoryError);
    }
    SetImageMemoryAllocator(nullptr);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        picture.GDIPDraw(g, MakeRect(0, 0, 10, 10));
    }
    EXPECT_EQ(s.At(1, 1), kRed);
}

TEST(Picture, LoadFromUrlResourceFileAndOtherForms) {
    TOrvGDIPPicture picture;
    picture.LoadFromURL(L"res://PLACEHOLDER");
    EXPECT_FALSE(picture.Empty()) << "raw-data resource PLACEHOLDER linked into the test";
    EXPECT_EQ(picture.GetData(), kPngBytes);

    TResourceStream resource(MainInstance(), L"placeholder", RawDataResourceType());
    EXPECT_EQ(resource.GetSize(), static_cast<int64_t>(kPngBytes.size()));
    std::vector<uint8_t> head(8);
    resource.ReadBuffer(head.data(), 8);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), kPngBytes.begin()));
    EXPECT_THROW(resource.WriteBuffer("x", 1), EStreamError);

    TOrvGDIPPicture missing;
    missing.LoadFromURL(L"RES://NO_SUCH_RESOURCE");
    EXPECT_TRUE(missing.Empty());
    EXPECT_THROW(missing.LoadFromResourceID(GetModuleHandleW(nullptr), 4711), EResNotFound);

    std::wstring path = TempFile(L"url.gif", kGifBytes);
    TGDIPPicture fromFile;
    fromFile.LoadFromURL(L"File://" + path);
    EXPECT_EQ(fromFile.GetData(), kGifBytes);
    EXPECT_EQ(fromFile.Width(), 5);

    for (const wchar_t* url : {L"http://x/y.png", L"RES://", L"FILE://", L" RES://PLACEHOLDER", L""}) {
        TOrvGDIPPicture other;
        other.LoadFromURL(url);
        EXPECT_TRUE(other.Empty()) << ToUtf8(url);
    }
    std::filesystem::remove(path);
}

TEST(Picture, LoadFromFileSizesFromTheHeaderAndSwallowsErrors) {
    TOrvGDIPPicture picture;
    int clears = 0, changes = 0;
    picture.OnClear = [&](TObject*) { ++clears; };
    picture.OnChange = [&](TObject*) { ++changes; };
    std::wstring png = TempFile(L"a.png", kPngBytes);
    picture.LoadFromFile(png);
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(changes, 1);

    // Real JPEG bytes under a .PNG name: the PNG signature is missing, so 0 x 0.
    std::wstring fake = TempFile(L"b.PNG", kJpegBytes);
    picture.LoadFromFile(fake);
    EXPECT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(picture.Height(), 0);
    EXPECT_TRUE(picture.GetImageSizes()) << "decoding still works";
    EXPECT_EQ(picture.Width(), 8);

    EXPECT_NO_THROW(picture.LoadFromFile(L"Z:\\no\\such\\file.png"));
    EXPECT_TRUE(picture.Empty());
    TMemoryStream out;
    picture.SaveToStream(&out);
    EXPECT_EQ(out.GetSize(), 0) << "a picture emptied by a failed load keeps no old bytes";
    std::filesystem::remove(png);
    std::filesystem::remove(fake);
}

TEST(Picture, KeyedBmpTransparency) {
    TLiveCounts before;  // checked after every surface below is gone
    auto draw = [&](TOrvGDIPPicture& p, const TRect& r) {
        auto s = std::make_unique<TSurface>(12, 12);
        TGPGraphics g(s->Bitmap.Canvas().Handle());
        p.GDIPDraw(g, r);
        return s;
    };
    TOrvGDIPPicture bmp;
    LoadBytes(bmp, kBmpBytes);

    auto opaque = draw(bmp, TRect{0, 0, 4, 4});
    EXPECT_EQ(opaque->At(1, 3), kMagenta) << "not transparent: drawn as is";

    bmp.SetTransparent(true);  // tmAuto: the bottom-left pixel (magenta) is the key
    auto autoKey = draw(bmp, TRect{0, 0, 12, 12});
    EXPECT_EQ(autoKey->At(1, 0), clWhite);
    EXPECT_EQ(autoKey->At(1, 3), kGrey) << "magenta keyed out";
    EXPECT_EQ(autoKey->At(8, 8), kGrey) << "natural size at the top-left corner, not scaled";

    bmp.SetTransparentMode(tmFixed);
    bmp.SetTransparentColor(clWhite);
    auto fixedKey = draw(bmp, TRect{0, 0, 4, 4});
    EXPECT_EQ(fixedKey->At(1, 0), kGrey) << "white keyed out";
    EXPECT_EQ(fixedKey->At(1, 3), kMagenta);

    // The float rectangle scales a keyed BMP into it.
    auto scaled = std::make_unique<TSurface>(12, 12);
    {
        TGPGraphics g(scaled->Bitmap.Canvas().Handle());
        bmp.GDIPDraw(g, MakeRect(0, 0, 8, 8));
    }
    EXPECT_EQ(scaled->At(2, 1), kGrey);
    EXPECT_EQ(scaled->At(2, 6), kMagenta);
    EXPECT_EQ(scaled->At(10, 10), kGrey);

    // A PNG ignores the transparency settings and is scaled.
    TOrvGDIPPicture png;
    LoadBytes(png, kPngBytes);
    png.SetTransparent(true);
    png.SetTransparentMode(tmFixed);
    png.SetTransparentColor(kRed);
    auto pngDrawn = draw(png, TRect{0, 0, 12, 8});
    EXPECT_EQ(pngDrawn->At(4, 6), kRed) << "scaled to 12 x 8 and red not keyed";
    EXPECT_EQ(png.PixelDepth(), 32);
    EXPECT_TRUE(png.HasAlpha());
    opaque.reset();
    autoKey.reset();
    fixedKey.reset();
    scaled.reset();
    pngDrawn.reset();
    // Emptied pictures drop the decoded images they keep.
    bmp.Assign(nullptr);
    png.Assign(nullptr);
    before.Check();
}

TEST(Picture, CanvasDrawOfBmpUsesTheBottomLeftColourAsTransparent) {
    TOrvGDIPPicture bmp;
    LoadBytes(bmp, kBmpBytes);
    TSurface s(10, 10);
    bmp.Width();  // decodes: the picture keeps its decoded image from here on
    TLiveCounts before;
    bmp.Draw(s.Bitmap.Canvas(), TRect{2, 2, 10, 10});
    before.Check();
    EXPECT_EQ(s.At(3, 2), clWhite);
    EXPECT_EQ(s.At(3, 5), kGrey) << "magenta transparent";
    EXPECT_EQ(s.At(8, 8), kGrey) << "natural size";

    // An icon is not keyed, whatever format the decoder reports for it.
    TOrvGDIPPicture icon;
    LoadBytes(icon, kIcoBytes);
    TSurface s3(20, 20);
    icon.Draw(s3.Bitmap.Canvas(), TRect{0, 0, 16, 16});
    EXPECT_EQ(s3.At(1, 14), TColor(0xFFFF00));

    TGDIPPicture plain;
    LoadBytes(plain, kBmpBytes);
    TSurface s2(8, 8);
    plain.Draw(s2.Bitmap.Canvas(), TRect{0, 0, 8, 8});
    EXPECT_EQ(s2.At(6, 1), clWhite) << "stretched";
    EXPECT_EQ(s2.At(6, 6), kGrey);
}

TEST(Picture, FillRectTilesFromTheSurfaceOrigin) {
    TOrvGDIPPicture png;
    LoadBytes(png, kPngBytes);
    TSurface s(20, 10);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        png.FillRect(g, MakeRect(4, 0, 16, 10));
    }
    EXPECT_EQ(s.At(1, 1), kGrey) << "outside the rectangle";
    EXPECT_EQ(s.At(4, 1), kGrey) << "column 4 of the tile is transparent";
    EXPECT_EQ(s.At(7, 1), kRed) << "column 7 is tile column 1";
    EXPECT_EQ(s.At(13, 5), kRed);
}

TEST(Picture, AssignCopiesClearsAndEmpties) {
    TOrvGDIPPicture source;
    LoadBytes(source, kGifBytes);
    TOrvGDIPPicture picture;
    std::string order;
    picture.OnChange = [&](TObject*) { order += "change "; };
    picture.OnClear = [&](TObject*) { order += "clear "; };

    picture.Assign(&source);
    EXPECT_EQ(picture.GetData(), kGifBytes);
    EXPECT_EQ(picture.Width(), 5);
    EXPECT_EQ(order, "change ");

    order.clear();
    picture.Assign(&picture);
    EXPECT_EQ(order, "") << "assigning itself changes nothing";
    EXPECT_EQ(picture.GetData(), kGifBytes);

    picture.Assign(nullptr);
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(picture.Width(), 0);
    EXPECT_EQ(order, "change clear ");

    // An unsupported source empties the picture and drops the old bytes for good.
    picture.Assign(&source);
    TFont font;
    picture.Assign(&font);
    EXPECT_TRUE(picture.Empty());
    TMemoryStream out;
    picture.SaveToStream(&out);
    EXPECT_EQ(out.GetSize(), 0);
    EXPECT_TRUE(picture.GetData().empty());

    // A framework bitmap arrives as BMP bytes.
    TBitmap bitmap(3, 2);
    bitmap.Canvas().Brush().SetColor(kRed);
    bitmap.Canvas().FillRect(TRect{0, 0, 3, 2});
    TGDIPPicture fromBitmap;
    fromBitmap.Assign(&bitmap);
    EXPECT_FALSE(fromBitmap.Empty());
    EXPECT_EQ(fromBitmap.Width(), 3);
    EXPECT_EQ(fromBitmap.Height(), 2);
    ASSERT_GE(fromBitmap.GetData().size(), 2u);
    EXPECT_EQ(fromBitmap.GetData()[0], 'B');
    TSurface s(6, 4);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        fromBitmap.DrawImageRect(g, 0, 0, 3, 2);
    }
    EXPECT_EQ(s.At(1, 1), kRed);
}

// --- container --------------------------------------------------------------------------

TEST(PictureContainer, FindsByNameWithoutRegardToCase) {
    TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
    auto& items = container->GetItems();
    TPictureItem* save = items.Add();
    save->SetName(L"save.png");
    LoadBytes(save->GetPicture(), kPngBytes);
    TPictureItem* twin = items.Add();
    twin->SetName(L"SAVE.png");
    TPictureItem* unnamed = items.Add();
    unnamed->SetTag(7);

    EXPECT_EQ(container->FindPicture(L"SAVE.PNG"), &save->GetPicture()) << "first in collection order";
    EXPECT_EQ(container->FindPicture(L""), &unnamed->GetPicture());
    EXPECT_EQ(container->FindPicture(L"budgets.png"), nullptr);
    twin->SetIndex(0);
    EXPECT_EQ(container->FindPicture(L"save.png"), &twin->GetPicture());
    EXPECT_EQ(container->GetItems().OwnerComponent(), container.get());

    // Item Assign copies name, tag and picture data.
    TPictureItem* copy = items.Add();
    copy->Assign(save);
    EXPECT_EQ(copy->GetName(), L"save.png");
    EXPECT_EQ(copy->GetPicture().GetData(), kPngBytes);
    copy->Assign(unnamed);
    EXPECT_EQ(copy->GetTag(), 7);

    EXPECT_EQ(container->GetVersion(), L"1.0.0.0");
    EXPECT_EQ(TGDIPPictureContainer::VersionString(0x01020304), L"1.2.3.4");
    container->SetVersion(L"9.9.9.9");
    EXPECT_EQ(container->GetVersion(), L"1.0.0.0");
}

// --- header size readers ------------------------------------------------------------------

TEST(ImageHeaders, ReadTheSizeOfEachFormat) {
    EXPECT_EQ(PngHeaderSize(kPngBytes.data(), kPngBytes.size()), (TImageHeaderSize{6, 4}));
    EXPECT_EQ(JpegHeaderSize(kJpegBytes.data(), kJpegBytes.size()), (TImageHeaderSize{8, 8}));
    EXPECT_EQ(GifHeaderSize(kGifBytes.data(), kGifBytes.size()), (TImageHeaderSize{5, 3}));
    EXPECT_EQ(BmpHeaderSize(kBmpBytes.data(), kBmpBytes.size()), (TImageHeaderSize{4, 4}));
    EXPECT_EQ(TiffHeaderSize(kTiffBytes.data(), kTiffBytes.size()), (TImageHeaderSize{7, 9}));
    EXPECT_EQ(HeaderSizeForFileName(L"c:\\x.y\\Pic.Jpeg", kJpegBytes.data(), kJpegBytes.size()),
              (TImageHeaderSize{8, 8}));
    EXPECT_EQ(HeaderSizeForFileName(L"c:\\x.png\\pic", kPngBytes.data(), kPngBytes.size()), TImageHeaderSize{});
    EXPECT_EQ(HeaderSizeForFileName(L"pic.ico", kIcoBytes.data(), kIcoBytes.size()), TImageHeaderSize{});
}

TEST(ImageHeaders, TruncatedHeadersGiveZeroByZero) {
    struct TCase {
        const char* Name;
        TImageHeaderSize (*Reader)(const uint8_t*, size_t);
        const std::vector<uint8_t>* Bytes;
        size_t HeaderEnd;  // bytes needed for the size
    } cases[] = {
        {"PNG", PngHeaderSize, &kPngBytes, 24},   {"GIF", GifHeaderSize, &kGifBytes, 10},
        {"BMP", BmpHeaderSize, &kBmpBytes, 26},   {"JPEG", JpegHeaderSize, &kJpegBytes, 0},
        {"TIFF", TiffHeaderSize, &kTiffBytes, 0},
    };
    for (const auto& c : cases) {
        const auto full = c.Reader(c.Bytes->data(), c.Bytes->size());
        ASSERT_NE(full, TImageHeaderSize{}) << c.Name;
        size_t needed = c.HeaderEnd;
        if (needed == 0)  // find the shortest prefix that is enough
            while (c.Reader(c.Bytes->data(), needed) != full) ++needed;
        // Every shorter prefix is 0 x 0, copied to a buffer of exactly that size so any read
        // past it is a real overrun.
        for (size_t n = 0; n < needed; ++n) {
            std::vector<uint8_t> prefix(c.Bytes->begin(), c.Bytes->begin() + static_cast<long>(n));
            EXPECT_EQ(c.Reader(prefix.data(), prefix.size()), TImageHeaderSize{}) << c.Name << " length " << n;
        }
        EXPECT_EQ(c.Reader(nullptr, 100), TImageHeaderSize{}) << c.Name;
    }
}

TEST(ImageHeaders, InconsistentHeaders) {
    // BMP: a negative (top-down) height counts by its absolute value.
    std::vector<uint8_t> bmp = kBmpBytes;
    int32_t negative = -4;
    std::memcpy(&bmp[22], &negative, 4);
    EXPECT_EQ(BmpHeaderSize(bmp.data(), bmp.size()), (TImageHeaderSize{4, 4}));
    bmp[14] = 5;  // header size no format has
    EXPECT_EQ(BmpHeaderSize(bmp.data(), bmp.size()), TImageHeaderSize{});

    // PNG whose first chunk is not IHDR.
    std::vector<uint8_t> png = kPngBytes;
    png[12] = 'X';
    EXPECT_EQ(PngHeaderSize(png.data(), png.size()), TImageHeaderSize{});

    // JPEG segment length below 2, and a length running past the end.
    const uint8_t shortLength[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01, 0xFF, 0xC0, 0, 0, 0, 0, 5, 0, 6};
    EXPECT_EQ(JpegHeaderSize(shortLength, sizeof(shortLength)), TImageHeaderSize{});
    const uint8_t longLength[] = {0xFF, 0xD8, 0xFF, 0xE0, 0xFF, 0xF0, 0x00};
    EXPECT_EQ(JpegHeaderSize(longLength, sizeof(longLength)), TImageHeaderSize{});
    const uint8_t sof[] = {0xFF, 0xD8, 0xFF, 0xFF, 0xD0, 0xFF, 0xC2, 0, 11, 8, 0, 3, 0, 9};
    EXPECT_EQ(JpegHeaderSize(sof, sizeof(sof)), (TImageHeaderSize{9, 3})) << "fill bytes and stand-alone markers";

    // TIFF: the walk stops at the entry count even when a size tag follows in the data.
    std::vector<uint8_t> tiff = {'I', 'I', 42, 0, 8, 0, 0, 0, 1, 0,              // one entry
                                 0,   1,   3,  0, 1, 0, 0, 0, 7, 0, 0xEE, 0xEE,  // width 7 (SHORT, padding ignored)
                                 1,   1,   4,  0, 1, 0, 0, 0, 9, 0, 0,    0};    // height, beyond the count
    EXPECT_EQ(TiffHeaderSize(tiff.data(), tiff.size()), TImageHeaderSize{});
    tiff[8] = 2;
    EXPECT_EQ(TiffHeaderSize(tiff.data(), tiff.size()), (TImageHeaderSize{7, 9}));
    tiff[8] = 0xFF;  // more entries than bytes
    tiff.resize(tiff.size() - 12);
    EXPECT_EQ(TiffHeaderSize(tiff.data(), tiff.size()), TImageHeaderSize{});
    tiff[4] = 200;  // directory past the end
    EXPECT_EQ(TiffHeaderSize(tiff.data(), tiff.size()), TImageHeaderSize{});
}

TEST(ImageHeaders, TheKindComesFromTheDataOwnSignature) {
    EXPECT_EQ(ImageKindOf(kPngBytes.data(), kPngBytes.size()), ikPng);
    EXPECT_EQ(ImageKindOf(kJpegBytes.data(), kJpegBytes.size()), ikJpeg);
    EXPECT_EQ(ImageKindOf(kGifBytes.data(), kGifBytes.size()), ikGif);
    EXPECT_EQ(ImageKindOf(kBmpBytes.data(), kBmpBytes.size()), ikBmp);
    EXPECT_EQ(ImageKindOf(kTiffBytes.data(), kTiffBytes.size()), ikTiff);
    EXPECT_EQ(ImageKindOf(kIcoBytes.data(), kIcoBytes.size()), ikIcon);

    const uint8_t bigEndianTiff[] = {'M', 'M', 0, 42, 0, 0, 0, 8};
    EXPECT_EQ(ImageKindOf(bigEndianTiff, sizeof(bigEndianTiff)), ikTiff);
    const uint8_t cursor[] = {0, 0, 2, 0, 1, 0};
    EXPECT_EQ(ImageKindOf(cursor, sizeof(cursor)), ikIcon);
    const uint8_t noImages[] = {0, 0, 1, 0, 0, 0};
    EXPECT_EQ(ImageKindOf(noImages, sizeof(noImages)), ikUnknown);
    std::vector<uint8_t> emf(88, 0);
    emf[0] = 1;
    std::memcpy(&emf[40], " EMF", 4);
    EXPECT_EQ(ImageKindOf(emf.data(), emf.size()), ikEmf);
    emf[41] = 'X';
    EXPECT_EQ(ImageKindOf(emf.data(), emf.size()), ikUnknown);
    const uint8_t placeable[] = {0xD7, 0xCD, 0xC6, 0x9A, 0, 0};
    EXPECT_EQ(ImageKindOf(placeable, sizeof(placeable)), ikWmf);

    EXPECT_EQ(ImageKindOf(kBmpBytes.data(), 1), ikUnknown) << "one byte of a signature is not enough";
    EXPECT_EQ(ImageKindOf(kPngBytes.data(), 7), ikUnknown);
    EXPECT_EQ(ImageKindOf(nullptr, 100), ikUnknown);
}
