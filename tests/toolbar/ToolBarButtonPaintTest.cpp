// Toolbar button and separator pixels: painted into a bitmap over magenta.
#include <gtest/gtest.h>

#include <set>

#include "ToolBarButtonTestSupport.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/ToolBarButtonFace.h"

using namespace orv;
using namespace tbtest;

namespace {

constexpr TColor kMagenta = clFuchsia;

bool IsMagenta(TColor c) {
    return c == kMagenta;
}

}  // namespace

TEST(ToolBarButtonPaint, AnIdleTransparentButtonPaintsOnlyItsContentAndHoverFramesIt) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 10, 10, 60, 22);
    b->SetCaption(L"Go");
    b->SetShowCaption(true);

    auto idle = Snapshot(b);
    TRect ink = PixelBox(*idle, [](TColor c) { return !IsMagenta(c); });
    ASSERT_FALSE(ink.IsEmpty()) << "the caption is drawn";
    EXPECT_GT(ink.Left, 10) << "nothing but the centred caption: no fill, no frame";
    EXPECT_LT(ink.Right, 50);
    EXPECT_GT(ink.Top, 2);
    EXPECT_LT(ink.Bottom, 20);

    b->Perform(CM_MOUSEENTER);
    auto hot = Snapshot(b);
    EXPECT_EQ(hot->PixelColor(0, 0), 0x6A240A) << "hot border";
    EXPECT_EQ(hot->PixelColor(59, 21), 0x6A240A);
    EXPECT_EQ(hot->PixelColor(0, 11), 0x6A240A);
    EXPECT_EQ(hot->PixelColor(3, 3), 0xD2BDB6) << "hot fill";
    EXPECT_EQ(hot->PixelColor(56, 18), 0xD2BDB6);

    b->Perform(CM_MOUSELEAVE);
    EXPECT_TRUE(IsMagenta(Snapshot(b)->PixelColor(0, 0))) << "leaving clears the face";
}

TEST(ToolBarButtonPaint, ADisabledCaptionIsEmbossed) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 10, 10, 160, 30);
    b->Font().SetSize(14);
    b->SetCaption(L"Embossed");
    b->SetShowCaption(true);
    b->SetEnabled(false);
    auto bmp = Snapshot(b);
    std::set<TColor> colours;
    for (int y = 0; y < bmp->Height(); ++y)
        for (int x = 0; x < bmp->Width(); ++x) colours.insert(bmp->PixelColor(x, y));
    EXPECT_TRUE(colours.count(ColorToRGB(clBtnHighlight))) << "the highlight copy";
    EXPECT_TRUE(colours.count(ColorToRGB(clBtnShadow))) << "the shadow copy";
    EXPECT_FALSE(colours.count(clBlack)) << "no caption in the enabled colour";
    // The highlight copy lies one pixel right and down of the shadow copy.
    TRect light = PixelBox(*bmp, [](TColor c) { return c == ColorToRGB(clBtnHighlight); });
    TRect dark = PixelBox(*bmp, [](TColor c) { return c == ColorToRGB(clBtnShadow); });
    EXPECT_EQ(light.Right, dark.Right + 1);
    EXPECT_EQ(light.Bottom, dark.Bottom + 1);
}

TEST(ToolBarButtonPaint, SplitButtonsFrameBothPartsAndDrawTheArrowForTheirSide) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 10, 10, 35, 22);
    b->SetDropDownButton(true);
    auto idle = Snapshot(b);
    // Arrow: 5 x 3 pixels at (23 + 3, 9 + 2).
    EXPECT_EQ(idle->PixelColor(26, 11), clBlack);
    EXPECT_EQ(idle->PixelColor(30, 11), clBlack);
    EXPECT_EQ(idle->PixelColor(28, 13), clBlack);
    EXPECT_TRUE(IsMagenta(idle->PixelColor(26, 13)));

    b->Perform(CM_MOUSEENTER);
    auto hot = Snapshot(b);
    EXPECT_EQ(hot->PixelColor(22, 10), 0x6A240A) << "right edge of the main part";
    EXPECT_EQ(hot->PixelColor(23, 10), 0x6A240A) << "left edge of the section";
    EXPECT_EQ(hot->PixelColor(21, 10), 0xD2BDB6);
    EXPECT_EQ(hot->PixelColor(25, 5), 0xD2BDB6);
    b->Perform(CM_MOUSELEAVE);

    // Docked left, the section is at the bottom and the arrow points right.
    b->SetPosition(daLeft);
    b->SetBounds(10, 10, 22, 35);
    auto side = Snapshot(b);
    EXPECT_EQ(side->PixelColor(12, 27), clBlack) << "5-pixel column";
    EXPECT_EQ(side->PixelColor(12, 31), clBlack);
    EXPECT_EQ(side->PixelColor(13, 28), clBlack) << "3-pixel column";
    EXPECT_EQ(side->PixelColor(14, 29), clBlack) << "1-pixel tip";
    EXPECT_TRUE(IsMagenta(side->PixelColor(14, 28)));
    b->SetPosition(daRight);
    auto other = Snapshot(b);
    EXPECT_EQ(other->PixelColor(11, 29), clBlack) << "pointing left the tip comes first, one pixel further left";
    EXPECT_TRUE(IsMagenta(other->PixelColor(11, 27)));
    EXPECT_EQ(other->PixelColor(13, 27), clBlack);
    EXPECT_EQ(other->PixelColor(13, 31), clBlack);
}

TEST(ToolBarButtonPaint, GradientFacesComeFromTheCacheAndPaintsLeakNothing) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 10, 10, 30, 22);
    b->Appearance().SetColorHot(0x0000FF);
    b->Appearance().SetColorHotTo(0xFF0000);
    b->Appearance().SetBorderHotColor(clNone);
    b->Perform(CM_MOUSEENTER);
    TFaceCache& cache = SharedFaceCache();
    auto first = Snapshot(b);
    std::size_t hits = cache.Hits();
    auto second = Snapshot(b);
    EXPECT_EQ(cache.Hits(), hits + 1) << "the second paint copies the kept face";
    EXPECT_TRUE(Near(first->PixelColor(10, 0), 0x0000FF, 12)) << "vertical: red at the top";
    EXPECT_TRUE(Near(first->PixelColor(10, 20), 0xFF0000, 20)) << "blue at the bottom";
    EXPECT_EQ(first->PixelColor(10, 10), second->PixelColor(10, 10));

    auto bmp = std::make_unique<TBitmap>(30, 22);
    HDC dc = bmp->Canvas().Handle();
    int gdi = GdiLiveTotal(), gdip = GdipLiveTotal();
    for (int i = 0; i < 50; ++i) {
        b->Perform(i % 2 ? CM_MOUSELEAVE : CM_MOUSEENTER);
        b->PaintTo(dc);
    }
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(GdipLiveTotal(), gdip);
}

TEST(ToolBarButtonPaint, AHotGlyphGetsItsGreyShadeTwoPixelsDown) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 10, 10, 40, 30);
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clWhite);
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().Brush().SetColor(clRed);
    glyph.Canvas().FillRect({4, 4, 12, 12});
    b->Glyph().Assign(&glyph);
    // Glyph at (12, 7): its red square covers (16..23, 11..18).
    auto idle = Snapshot(b);
    EXPECT_EQ(idle->PixelColor(16, 11), clRed);
    EXPECT_TRUE(IsMagenta(idle->PixelColor(12, 7))) << "the white key colour is transparent";
    EXPECT_TRUE(IsMagenta(idle->PixelColor(25, 20)));
    b->Perform(CM_MOUSEENTER);
    auto hot = Snapshot(b);
    EXPECT_EQ(hot->PixelColor(25, 20), 0x808080) << "shade at +2, +2";
    EXPECT_EQ(hot->PixelColor(16, 11), clRed) << "glyph over its shade";
    EXPECT_EQ(hot->PixelColor(14, 9), 0xD2BDB6);
}

TEST(ToolBarSeparatorPaint, TheEtchedLineRunsAlongTheToolbarsCrossAxis) {
    glowtest::TFixture f;
    auto* s = new TOrvToolBarSeparator(f.Form.get());
    s->SetParent(f.Form.get());
    EXPECT_EQ(s->Width(), 10);
    EXPECT_EQ(s->Height(), 22);
    s->SetLineColor(0x123456);
    auto h = Snapshot(s);
    for (int y = 3; y < 19; ++y) EXPECT_EQ(h->PixelColor(5, y), 0x123456) << y;
    for (int y = 4; y < 20; ++y) EXPECT_EQ(h->PixelColor(6, y), clWhite) << y;
    EXPECT_TRUE(IsMagenta(h->PixelColor(5, 2)));
    EXPECT_TRUE(IsMagenta(h->PixelColor(5, 19)));
    EXPECT_TRUE(IsMagenta(h->PixelColor(6, 3)));
    EXPECT_TRUE(IsMagenta(h->PixelColor(4, 10)));

    s->SetPosition(daLeft);
    s->SetBounds(0, 0, 30, 10);
    auto v = Snapshot(s);
    for (int x = 3; x < 27; ++x) EXPECT_EQ(v->PixelColor(x, 5), 0x123456) << x;
    for (int x = 4; x < 28; ++x) EXPECT_EQ(v->PixelColor(x, 6), clWhite) << x;
    EXPECT_TRUE(IsMagenta(v->PixelColor(2, 5)));
    EXPECT_TRUE(IsMagenta(v->PixelColor(27, 5)));

    s->SetSeparatorStyle(ssBlank);
    EXPECT_TRUE(PixelBox(*Snapshot(s), [](TColor c) { return !IsMagenta(c); }).IsEmpty());
}

namespace {

// A 16 x 16 image: a square of colour on white (the key colour).
void AddSquare(TImageList& list, TColor colour) {
    TBitmap image(16, 16);
    image.Canvas().Brush().SetColor(clWhite);
    image.Canvas().FillRect({0, 0, 16, 16});
    image.Canvas().Brush().SetColor(colour);
    image.Canvas().FillRect({4, 4, 12, 12});
    list.AddMasked(image, clWhite);
}

bool IsGreyNotMagenta(TColor c) {
    return !IsMagenta(c) && (c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF);
}

// What a glyph painted: its ink (all non-magenta pixels) and whether every ink pixel
// has the colour, or passes the test.
template <typename Pred>
bool InkIsAll(const TBitmap& bmp, Pred pred) {
    bool any = false;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            TColor c = bmp.PixelColor(x, y);
            if (IsMagenta(c)) continue;
            if (!pred(c)) return false;
            any = true;
        }
    return any;
}

}  // namespace

TEST(ToolBarButtonPaint, ADisabledGlyphIsGreyOnlyFromTheDisabledListOtherwiseItsOwnDisabledPicture) {
    // The glyph as the button draws it, without the toolbar's pixels a kept face of the
    // button at rest carries (ToolBarButtonFaceTest holds faces and direct paints equal).
    struct TDirect {
        bool Saved = ToolButtonFaceCache;
        TDirect() { ToolButtonFaceCache = false; }
        ~TDirect() { ToolButtonFaceCache = Saved; }
    } direct;
    glowtest::TFixture f;
    auto* bar = new TOrvToolBar(f.Form.get());
    bar->SetParent(f.Form.get());
    bar->SetBounds(10, 10, 300, 40);
    TOwnedPtr<TImageList> images(Make<TImageList>(nullptr));
    TOwnedPtr<TImageList> disabledImages(Make<TImageList>(nullptr));
    AddSquare(*images, clRed);
    AddSquare(*disabledImages, clBlue);
    auto* b = new TOrvToolBarButton(f.Form.get());
    b->SetOrvToolBar(bar);
    b->SetAutoSize(false);
    b->SetBounds(b->Left(), b->Top(), 30, 30);
    bar->SetImages(images.get());
    b->SetImageIndex(0);
    auto isRed = [](TColor c) { return c == clRed; };

    EXPECT_TRUE(InkIsAll(*Snapshot(b), isRed)) << "enabled: the image itself";
    b->SetEnabled(false);
    EXPECT_TRUE(InkIsAll(*Snapshot(b), isRed)) << "disabled without disabled images: the image, not greyed";
    bar->SetDisabledImages(disabledImages.get());
    EXPECT_TRUE(InkIsAll(*Snapshot(b), IsGreyNotMagenta)) << "disabled with disabled images: that list's image, greyed";
    b->SetEnabled(true);
    EXPECT_TRUE(InkIsAll(*Snapshot(b), isRed)) << "an enabled button never uses the disabled list";

    // Without an image list: the disabled state bitmap, else the glyph as it is.
    bar->SetImages(nullptr);
    bar->SetDisabledImages(nullptr);
    TBitmap glyph(16, 16), greenGlyph(16, 16);
    for (auto [bmp, colour] : {std::pair{&glyph, clRed}, std::pair{&greenGlyph, clLime}}) {
        bmp->Canvas().Brush().SetColor(clWhite);
        bmp->Canvas().FillRect({0, 0, 16, 16});
        bmp->Canvas().Brush().SetColor(colour);
        bmp->Canvas().FillRect({4, 4, 12, 12});
    }
    b->Glyph().Assign(&glyph);
    b->SetEnabled(false);
    EXPECT_TRUE(InkIsAll(*Snapshot(b), isRed)) << "no disabled glyph: the glyph, not greyed";
    b->GlyphDisabled().Assign(&greenGlyph);
    EXPECT_TRUE(InkIsAll(*Snapshot(b), [](TColor c) { return c == clLime; })) << "the disabled glyph";
    b->SetEnabled(true);
    EXPECT_TRUE(InkIsAll(*Snapshot(b), isRed));
}
