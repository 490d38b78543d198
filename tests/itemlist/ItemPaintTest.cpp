// What the items paint: text layout from measuring, the badge, image sources, the
// wedge's notch and content box, the paint order and the draw events. Pixels are read
// back from a white 32-bit bitmap; anti-aliased edges are never asserted.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "framework/Bitmap.h"
#include "framework/GdiHandles.h"
#include "framework/ImageList.h"
#include "itemlist/GDIPWedgeItem.h"
#include "itemlist/ItemText.h"
#include "paint/GDIPFill.h"
#include "paint/GDIPPictureContainer.h"

using namespace orv;

namespace {

bool Near(TColor actual, TColor expected, int tolerance = 10) {
    for (int shift = 0; shift < 24; shift += 8) {
        int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

struct TSurface {
    explicit TSurface(int w, int h) : Bitmap(w, h) {
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect(TRect{0, 0, w, h});
    }
    TColor At(int x, int y) const { return Bitmap.PixelColor(x, y); }
    TBitmap Bitmap;
};

// A solid fill per state, the fonts of a list appearance.
struct TLook {
    TLook() {
        for (TGDIPFill* f : {&Normal, &Hover, &Down, &Selected, &Disabled}) {
            f->SetGradientType(gtSolid);
            f->SetBorderColor(clNone);
        }
        Normal.SetColor(0xF0F0F0);
        Hover.SetColor(0x00C0FF);
        Down.SetColor(0x008000);
        Selected.SetColor(0xC00000);
        Disabled.SetColor(0x808080);
        A.Normal = &Normal;
        A.Hover = &Hover;
        A.Down = &Down;
        A.Selected = &Selected;
        A.Disabled = &Disabled;
        for (TFont** f : {&A.NormalFont, &A.HoverFont, &A.DownFont, &A.SelectedFont, &A.DisabledFont}) *f = &Font;
    }
    TGDIPFill Normal, Hover, Down, Selected, Disabled;
    TFont Font;
    TItemAppearance A;
};

// The text's size as GDI+ measures it in a box for a font of the given points, measured
// here with the plain GDI+ layer.
TGPRectF Measured(TGPGraphics& g, const std::wstring& text, const TFont& font, float points, const TGPRectF& box,
                  int flags = 0) {
    TGPFontFamily family(font.GetName());
    TGPFont gpFont(family, points, FontStyleRegular, UnitPoint);
    TGPStringFormat format(flags, 0);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    TGPRectF bounds{};
    g.MeasureString(text, gpFont, box, &format, bounds);
    return bounds;
}

std::vector<uint8_t> SolidBmp(int w, int h, TColor color) {
    TBitmap b(w, h);
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect(TRect{0, 0, w, h});
    return BmpFileBytes(b);
}

}  // namespace

TEST(ItemText, CaptionAloneIsCentredThreePixelsIn) {
    TSurface s(220, 60);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TLook look;
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetCaption(L"Open &file");
    TGPRectF r = MakeRect(10, 10, 200, 40);
    TGPRectF got = item->DrawText(g, r, look.A, false);
    TGPRectF m =
        Measured(g, L"Open &file", look.Font, static_cast<float>(look.Font.GetSize()), MakeRect(13, 13, 194, 34));
    ASSERT_GT(m.Height, 0) << "the font is measurable";
    EXPECT_FLOAT_EQ(got.X, 13);
    EXPECT_FLOAT_EQ(got.Y, 13 + (34 - m.Height) / 2);
    EXPECT_FLOAT_EQ(got.Width, m.Width);
    EXPECT_FLOAT_EQ(got.Height, m.Height);

    // Both texts empty: the item rectangle itself; caption empty: all zero.
    item->SetCaption(L"");
    TGPRectF none = item->DrawText(g, r, look.A, false);
    EXPECT_FLOAT_EQ(none.X, 10);
    EXPECT_FLOAT_EQ(none.Width, 200);
    item->SetDescription(L"only");
    TGPRectF zero = item->DrawText(g, r, look.A, false);
    EXPECT_FLOAT_EQ(zero.Width, 0);
    EXPECT_FLOAT_EQ(zero.X, 0);
}

TEST(ItemText, CaptionBandAboveTheDescription) {
    TSurface s(220, 80);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TLook look;
    look.Normal.SetColor(clWhite);
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetCaption(L"Recent");
    item->SetDescription(L"XXXXXXXX");
    item->SetDescriptionColor(clRed);
    item->SetCaptionColor(clBlue);
    TGPRectF r = MakeRect(0, 0, 200, 70);
    TGPRectF got = item->DrawText(g, r, look.A, true);
    TGPRectF m = Measured(g, L"Recent", look.Font, static_cast<float>(look.Font.GetSize()), MakeRect(3, 3, 194, 64));
    // The band is margin top + text + margin bottom high; the caption sits in its middle.
    EXPECT_FLOAT_EQ(got.X, 3);
    EXPECT_FLOAT_EQ(got.Y, 6);
    EXPECT_FLOAT_EQ(got.Height, m.Height);
    // The description starts below the band: nothing red above it, something red below.
    int descriptionTop = static_cast<int>(3 + m.Height + 6);
    bool redAbove = false, redBelow = false;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 200; ++x) {
            TColor c = s.At(x, y);
            bool red = (c & 0xFF) > 150 && ((c >> 8) & 0xFF) < 100 && ((c >> 16) & 0xFF) < 100;
            if (red && y < descriptionTop) redAbove = true;
            if (red && y >= descriptionTop) redBelow = true;
        }
    EXPECT_FALSE(redAbove);
    EXPECT_TRUE(redBelow);
}

TEST(ItemText, CaptionSizeTwelvePointsWhateverTheFont) {
    TSurface s(220, 60);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TLook look;
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetCaption(L"Options");
    item->SetCaptionSize(12);
    TGPRectF r = MakeRect(0, 0, 200, 40);
    TGPRectF got = item->DrawText(g, r, look.A, false);
    TGPRectF twelve = Measured(g, L"Options", look.Font, 12, MakeRect(3, 3, 194, 34));
    TGPRectF own = Measured(g, L"Options", look.Font, static_cast<float>(look.Font.GetSize()), MakeRect(3, 3, 194, 34));
    EXPECT_FLOAT_EQ(got.Height, twelve.Height);
    EXPECT_GT(got.Height, own.Height);
    item->SetCaptionSize(-1);
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).Height, own.Height) << "-1 follows the font";
}

TEST(ItemText, NoWrapWithEllipsisStaysOnOneLine) {
    TSurface s(100, 60);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TLook look;
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetCaption(L"a caption with many words that cannot fit");
    TGPRectF r = MakeRect(0, 0, 80, 60);
    float oneLine =
        Measured(g, L"a", look.Font, static_cast<float>(look.Font.GetSize()), MakeRect(3, 3, 74, 54)).Height;
    EXPECT_GT(item->DrawText(g, r, look.A, false).Height, 1.5f * oneLine) << "word wrap wraps";
    item->SetWordWrap(false);
    item->SetEllipsis(true);
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).Height, oneLine);
    // With a description the caption wraps again unless Ellipsis is set.
    item->SetDescription(L"d");
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).Height, oneLine);
    item->SetEllipsis(false);
    EXPECT_GT(item->DrawText(g, r, look.A, false).Height, 1.5f * oneLine);
}

TEST(ItemText, AnUnknownFamilyFallsBackToArial) {
    TFont font;
    font.SetName(L"No Such Family 42");
    TItemTextFace face(font);
    EXPECT_TRUE(face.UsesFallbackFamily());
    TFont known;
    TItemTextFace knownFace(known);
    EXPECT_FALSE(knownFace.UsesFallbackFamily());
}

TEST(ItemImage, TextStartsAfterTheImageOnlyWhenThereIsOne) {
    TSurface s(220, 60);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TLook look;
    TGDIPPictureContainer* container = Make<TGDIPPictureContainer>(nullptr);
    TOwnedPtr<TGDIPPictureContainer> own(container);
    TPictureItem* p = container->GetItems().Add();
    p->SetName(L"Blue");
    p->GetPicture().SetData(SolidBmp(8, 8, clBlue));
    look.A.PictureContainer = container;
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    item->SetCaption(L"Save");
    item->SetImageName(L"Missing");
    TGPRectF r = MakeRect(0, 0, 200, 40);
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).X, 3) << "no image: the caption margin only";
    EXPECT_FALSE(item->IsImageVisible(look.A));
    item->SetImageName(L"blue");
    EXPECT_TRUE(item->IsImageVisible(look.A)) << "found without regard to case";
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).X, 24) << "18 image + 3 spacing + 3 margin";
    item->SetImageVisible(false);
    EXPECT_FLOAT_EQ(item->DrawText(g, r, look.A, false).X, 3);
}

TEST(ItemImage, ContainerPictureIsDrawnOverTheOwnPicture) {
    TSurface s(120, 40);
    TLook look;
    TOwnedPtr<TGDIPPictureContainer> container(Make<TGDIPPictureContainer>(nullptr));
    TPictureItem* p = container->GetItems().Add();
    p->SetName(L"Top");
    p->GetPicture().SetData(SolidBmp(6, 6, clBlue));
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    item->SetWidth(100);
    item->SetHeight(30);
    item->Image().SetData(SolidBmp(6, 6, clRed));
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    // Image box: (3, 6, 18, 18).
    EXPECT_TRUE(Near(s.At(12, 15), clRed)) << std::hex << s.At(12, 15);
    item->SetImageName(L"Top");
    look.A.PictureContainer = container.get();
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    EXPECT_TRUE(Near(s.At(12, 15), clBlue)) << std::hex << s.At(12, 15);
    EXPECT_TRUE(Near(s.At(50, 15), look.Normal.GetColor())) << "the fill beside the image";
}

TEST(ItemPaint, TheStateFillPaintsTheItem) {
    TSurface s(140, 50);
    TLook look;
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetX(10);
    item->SetY(10);
    item->SetWidth(100);
    const std::pair<TItemState, TColor> states[] = {{isNormal, 0xF0F0F0}, {isSelected, 0xC00000}};
    for (auto [state, color] : states) {
        item->SetState(state);
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
        EXPECT_TRUE(Near(s.At(60, 25), color)) << "state " << int(state);
    }
    item->SetEnabled(false);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    EXPECT_TRUE(Near(s.At(60, 25), 0x808080)) << "a disabled item takes the disabled fill whatever its state";
    EXPECT_TRUE(Near(s.At(5, 5), clWhite)) << "nothing outside the item";
}

TEST(ItemPaint, BadgeIsAPillAtTheCaptionsCornerAndAnEmptyOneIsNotDrawn) {
    TSurface s(200, 70);
    TLook look;
    look.Normal.SetColor(clWhite);
    TOwnedPtr<TTextItem> item(Make<TTextItem>(nullptr));
    item->SetX(20);
    item->SetY(20);
    item->SetWidth(120);
    item->Status().SetVisible(true);
    item->Status().SetPosition(spItemRectangle);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    for (int x = 120; x < 160; ++x)
        for (int y = 10; y < 20; ++y) ASSERT_TRUE(Near(s.At(x, y), clWhite)) << "no badge without content";
    EXPECT_FALSE(item->IsStatusAtXY(150, 15));

    item->Status().SetCaption(L"12");
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    const TGPRectF& b = item->Status().Rect();
    // Right edge 14 pixels beyond the item's (140 + 14), top 6 above it.
    EXPECT_FLOAT_EQ(b.X + b.Width, 154);
    EXPECT_FLOAT_EQ(b.Y, 14);
    EXPECT_LE(std::abs(item->Status().Appearance().GetFill()->GetRounding() - b.Height / 2), 1.0f)
        << "the badge is a pill, rounded by half its height";
    // The badge body is red near its left end, below the shine.
    TColor mid = s.At(static_cast<int>(b.X + 3), static_cast<int>(b.Y + b.Height * 3 / 4));
    EXPECT_GT(mid & 0xFF, 180u) << std::hex << mid;
    EXPECT_LT((mid >> 16) & 0xFF, 90u) << std::hex << mid;
    EXPECT_TRUE(item->IsStatusAtXY(static_cast<int>(b.X + b.Width), static_cast<int>(b.Y + 2)));
}

TEST(ItemPaint, StartDrawRunsTwicePerImageTextPaintAndTheImageComesLast) {
    TSurface s(140, 40);
    TLook look;
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    item->SetWidth(120);
    item->SetCaption(L"x");
    item->Image().SetData(SolidBmp(4, 4, clLime));
    // The badge over the image box, at the item rectangle's left.
    item->Status().SetVisible(true);
    item->Status().SetCaption(L"8");
    item->Status().SetPosition(spItemRectangle);
    item->Status().SetOffsetLeft(-100);
    item->Status().SetOffsetTop(6);
    int starts = 0, ends = 0;
    item->OnItemStartDraw = [&](TObject*, TGPGraphics&, TCustomItem*, TGPRectF) { ++starts; };
    item->OnItemEndDraw = [&](TObject*, TGPGraphics&, TCustomItem*, TGPRectF) { ++ends; };
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    EXPECT_EQ(starts, 2);
    EXPECT_EQ(ends, 2);
    const TGPRectF& b = item->Status().Rect();
    ASSERT_LT(b.X, 12);
    ASSERT_GT(b.X + b.Width, 12);
    EXPECT_TRUE(Near(s.At(12, 15), clLime)) << "the image lies over the badge" << std::hex << s.At(12, 15);
}

TEST(ItemWedge, ContentBoxPerSideAndOnlyInWedgeStates) {
    TOwnedPtr<TWedgeItem> item(Make<TWedgeItem>(nullptr));
    item->SetWedgeStates(ItemStateBit(isSelected));
    TGPRectF r = MakeRect(10, 20, 100, 40);
    auto same = [](const TGPRectF& a, float x, float y, float w, float h) {
        return a.X == x && a.Y == y && a.Width == w && a.Height == h;
    };
    EXPECT_TRUE(same(item->ContentBox(r), 10, 20, 100, 40)) << "normal is no wedge state";
    item->SetState(isSelected);
    EXPECT_TRUE(same(item->ContentBox(r), 10, 20, 94, 40));
    item->SetWedgePositions(WedgeBit(wpLeft) | WedgeBit(wpTop));
    EXPECT_TRUE(same(item->ContentBox(r), 16, 26, 94, 34));
    item->SetWedgePositions(WedgeBit(wpBottom));
    EXPECT_TRUE(same(item->ContentBox(r), 10, 20, 100, 34));
    item->SetWedgePositions(0);
    EXPECT_FALSE(item->WedgeShows());

    // The notch on the right of (0, 0, 101, 41): apex 6 pixels in, at (41 - 1) / 2.
    item->SetWedgePositions(WedgeBit(wpRight));
    auto notches = item->Notches(MakeRect(0, 0, 101, 41));
    ASSERT_EQ(notches.size(), 1u);
    EXPECT_FLOAT_EQ(notches[0].Points[0].X, 101);
    EXPECT_FLOAT_EQ(notches[0].Points[0].Y, 14);
    EXPECT_FLOAT_EQ(notches[0].Points[1].X, 95);
    EXPECT_FLOAT_EQ(notches[0].Points[1].Y, 20);
    EXPECT_FLOAT_EQ(notches[0].Points[2].Y, 26);
}

TEST(ItemWedge, TheNotchShowsTheBackgroundAndTheTextMovesAway) {
    TSurface s(140, 60);
    TLook look;
    look.Selected.SetBorderColor(clBlack);
    TOwnedPtr<TWedgeItem> item(Make<TWedgeItem>(nullptr));
    item->SetX(10);
    item->SetY(10);
    item->SetWidth(100);
    item->SetHeight(40);
    item->SetWedgeStates(ItemStateBit(isSelected));
    item->SetState(isSelected);
    int liveBefore = GdipLiveTotal();
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    EXPECT_EQ(GdipLiveTotal(), liveBefore) << "the paint released what it made";
    // Right edge at 110; the notch's apex at (104, 30).
    EXPECT_TRUE(Near(s.At(108, 30), clWhite)) << "background in the notch " << std::hex << s.At(108, 30);
    EXPECT_TRUE(Near(s.At(107, 14), 0xC00000)) << "fill above the notch";
    EXPECT_TRUE(Near(s.At(60, 30), 0xC00000));

    // Out of its wedge states the same item paints like an image-text item.
    item->SetState(isNormal);
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    EXPECT_TRUE(Near(s.At(108, 30), 0xF0F0F0));

    // In a wedge state the text keeps clear of the notched side.
    item->SetState(isSelected);
    item->SetCaption(L"Page");
    item->SetCaptionLocation(tlCenterRight);
    TGPGraphics g(s.Bitmap.Canvas().Handle());
    TGPRectF text = item->DrawText(g, MakeRect(10, 10, 100, 40), look.A, false);
    EXPECT_FLOAT_EQ(text.X + text.Width, 110 - 6 - 3);
}

TEST(ItemWedge, TheNotchStaysUnpaintedInEveryFillCombination) {
    // The fill's later steps (border, glow, a radial body) must keep the notch's clip.
    struct Body {
        TOrvGradientType upper, mirror;
        TColor colorMirror;
        const char* name;
    } bodies[] = {{gtSolid, gtSolid, clNone, "solid"},
                  {gtVertical, gtSolid, clNone, "vertical"},
                  {gtRadial, gtSolid, clNone, "radial"},
                  {gtRadial, gtVertical, 0x800000, "radial upper part"},
                  {gtVertical, gtRadial, 0x800000, "radial mirror part"}};
    for (const Body& b : bodies)
        for (TGlowMode glow : {gmNone, gmGradient, gmRadial, gmRadialGradient})
            for (TColor border : {clNone, clBlack}) {
                TSurface s(140, 60);
                TLook look;
                look.Selected.SetColorTo(0x00C0C0);
                look.Selected.SetGradientType(b.upper);
                look.Selected.SetColorMirror(b.colorMirror);
                look.Selected.SetColorMirrorTo(0x008000);
                look.Selected.SetGradientMirrorType(b.mirror);
                look.Selected.SetBorderColor(border);
                look.Selected.SetRounding(2);
                look.Selected.SetGlow(glow);
                TOwnedPtr<TWedgeItem> item(Make<TWedgeItem>(nullptr));
                item->SetX(10);
                item->SetY(10);
                item->SetWidth(100);
                item->SetHeight(40);
                item->SetWedgeStates(ItemStateBit(isSelected));
                item->SetState(isSelected);
                {
                    TGPGraphics g(s.Bitmap.Canvas().Handle());
                    item->Draw(g, look.A);
                }
                // The notch: (111, 24), apex (105, 30), (111, 36); its edges are drawn
                // one pixel in, in the border colour.
                for (auto [x, y] :
                     {std::pair{108, 30}, {109, 30}, {110, 30}, {109, 28}, {110, 28}, {109, 32}, {110, 32}})
                    EXPECT_TRUE(Near(s.At(x, y), clWhite, 2))
                        << b.name << ", glow " << glow << ", border " << std::hex << border << ": " << std::dec << x
                        << "," << y << " is " << std::hex << s.At(x, y);
                EXPECT_FALSE(Near(s.At(60, 30), clWhite, 30)) << b.name << ": the body is painted";
            }
}

TEST(ItemImage, ImageListImageIsScaledIntoTheBoxWithItsTransparency) {
    TSurface s(120, 40);
    TLook look;
    TOwnedPtr<TImageList> list(Make<TImageList>(nullptr));
    TBitmap strip(16, 16);
    strip.Canvas().Brush().SetColor(clFuchsia);
    strip.Canvas().FillRect(TRect{0, 0, 16, 16});
    strip.Canvas().Brush().SetColor(clGreen);
    strip.Canvas().FillRect(TRect{4, 4, 12, 12});
    ASSERT_EQ(list->AddMasked(strip, clFuchsia), 0);
    look.A.ImageList = list.get();
    TOwnedPtr<TImageTextItem> item(Make<TImageTextItem>(nullptr));
    item->SetWidth(100);
    item->SetImageIndex(0);
    EXPECT_TRUE(item->IsImageVisible(look.A));
    {
        TGPGraphics g(s.Bitmap.Canvas().Handle());
        item->Draw(g, look.A);
    }
    // Image box (3, 6, 18, 18): the list's 16 pixels scaled by 18 / 16.
    EXPECT_TRUE(Near(s.At(12, 15), clGreen)) << std::hex << s.At(12, 15);
    EXPECT_TRUE(Near(s.At(5, 8), look.Normal.GetColor()))
        << "the list's transparent pixels show the fill " << std::hex << s.At(5, 8);
    item->SetImageIndex(1);
    EXPECT_FALSE(item->IsImageVisible(look.A)) << "an index outside the list shows no image";
}
