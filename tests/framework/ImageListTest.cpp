#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/ImageList.h"

using namespace orv;

namespace {

constexpr TColor kKey = 0xFF00FF;

// Two 16 x 16 images in a strip: a red square and a blue bar, both on the key colour.
void MakeStrip(TBitmap& strip) {
    strip.SetSize(32, 16);
    TCanvas& c = strip.Canvas();
    c.Brush().SetColor(kKey);
    c.FillRect({0, 0, 32, 16});
    c.Brush().SetColor(clRed);
    c.FillRect({4, 4, 12, 12});
    c.Brush().SetColor(clBlue);
    c.FillRect({16, 6, 32, 10});
}

bool IsGrey(TColor c) {
    return (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
}

}  // namespace

TEST(ImageList, AddMaskedSplitsTheStripAndLeavesTheSourceAlone) {
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    TBitmap strip;
    MakeStrip(strip);
    EXPECT_EQ(list->AddMasked(strip, kKey), 0);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(strip.PixelColor(0, 0), kKey) << "the caller's bitmap keeps its key colour";

    TBitmap target(20, 20);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect({0, 0, 20, 20});
    list->Draw(target.Canvas(), 2, 2, 0);
    EXPECT_EQ(target.PixelColor(2, 2), clLime) << "key colour is transparent";
    EXPECT_EQ(target.PixelColor(8, 8), clRed);
    list->Draw(target.Canvas(), 2, 2, 1);
    EXPECT_EQ(target.PixelColor(10, 10), clBlue);
    EXPECT_EQ(target.PixelColor(10, 2), clLime);

    TBitmap untouched(20, 20);
    untouched.Canvas().Brush().SetColor(clLime);
    untouched.Canvas().FillRect({0, 0, 20, 20});
    list->Draw(untouched.Canvas(), 0, 0, 2);
    list->Draw(untouched.Canvas(), 0, 0, -1);
    for (int y = 0; y < 20; y += 3)
        for (int x = 0; x < 20; x += 3) ASSERT_EQ(untouched.PixelColor(x, y), clLime) << "out-of-range index drew";
}

TEST(ImageList, DisabledDrawingIsGreyAndKeepsTheMaskWithoutLeaking) {
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    TBitmap strip;
    MakeStrip(strip);
    list->AddMasked(strip, kKey);
    TBitmap target(16, 16);
    target.Canvas().Brush().SetColor(clLime);
    target.Canvas().FillRect({0, 0, 16, 16});
    target.Canvas().Handle();
    int gdi = GdiLiveTotal();
    list->Draw(target.Canvas(), 0, 0, 0, false);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(target.PixelColor(0, 0), clLime);
    EXPECT_EQ(target.PixelColor(15, 15), clLime);
    TColor inside = target.PixelColor(8, 8);
    EXPECT_TRUE(IsGrey(inside)) << std::hex << inside;
    EXPECT_NE(inside, clLime);
}

TEST(ImageList, GetBitmapAndSizeChanges) {
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    TBitmap strip;
    MakeStrip(strip);
    list->AddMasked(strip, kKey);
    TBitmap image;
    EXPECT_FALSE(list->GetBitmap(5, image));
    ASSERT_TRUE(list->GetBitmap(0, image, clWhite));
    EXPECT_EQ(image.Width(), 16);
    EXPECT_EQ(image.Height(), 16);
    EXPECT_EQ(image.PixelColor(0, 0), clWhite);
    EXPECT_EQ(image.PixelColor(8, 8), clRed);

    list->SetSize(24, 24);
    EXPECT_EQ(list->Count(), 0) << "a new image size empties the list";
    EXPECT_EQ(list->GetWidth(), 24);
}

TEST(ImageList, ChangeLinksHearChangesAndSurviveEitherSideGoingFirst) {
    int live = ImageListLiveCount();
    auto* list = Make<TImageList>(nullptr);
    EXPECT_EQ(ImageListLiveCount(), live + 1);
    TBitmap strip;
    MakeStrip(strip);
    int heard = 0;
    TObject* sender = nullptr;
    TChangeLink link;
    link.OnChange = [&](TObject* s) {
        ++heard;
        sender = s;
    };
    list->RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), list);
    list->AddMasked(strip, kKey);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(sender, list);
    list->Delete(0);
    EXPECT_EQ(list->Count(), 1);
    EXPECT_EQ(heard, 2);
    {
        TChangeLink shortLived;
        int shortHeard = 0;
        shortLived.OnChange = [&](TObject*) { ++shortHeard; };
        list->RegisterChanges(&shortLived);
        list->Clear();
        EXPECT_EQ(shortHeard, 1);
    }
    list->AddMasked(strip, kKey);  // the destroyed link must not be called
    EXPECT_EQ(heard, 4);
    list->Free();
    EXPECT_EQ(link.Sender(), nullptr) << "the freed list clears its links";
    EXPECT_EQ(ImageListLiveCount(), live);
}
