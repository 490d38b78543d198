// Regression tests of the glow button's face: the classic text path, list glyphs and
// their size states, the rounded corners and what a paint costs.
#include <gtest/gtest.h>

#include "GlowButtonTestSupport.h"
#include "framework/ExtCtrls.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"

using namespace orv;
using namespace glowtest;

namespace {

constexpr TColor kGlyphGreen = 0x00B000;

// A 24 x 24 glyph: green with a magenta bottom-left pixel (its key), so the glyph's
// box is the green pixels' box.
void AddGreenGlyph(TImageList& list) {
    list.SetSize(24, 24);
    TBitmap glyph(24, 24);
    glyph.Canvas().Brush().SetColor(kGlyphGreen);
    glyph.Canvas().FillRect({0, 0, 24, 24});
    glyph.Canvas().SetPixel(0, 23, clFuchsia);
    list.Add(glyph);
}

bool IsGlyphGreen(TColor c) {
    return c == kGlyphGreen;
}
// Dark in every channel: black text, not the green glyph or red notes.
bool IsText(TColor c) {
    return Channel(c, 0) < 90 && Channel(c, 8) < 90 && Channel(c, 16) < 90;
}

// The text routine's box for text in a width, with the button's font.
TSize Measured(TFont& font, const std::wstring& text, int width) {
    TBitmap probe(1, 1);
    probe.Canvas().Font().Assign(&font);
    TRect r{0, 0, width, 0};
    probe.Canvas().DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
    return {r.Width(), r.Height()};
}

// Paints everything beneath it in one colour and counts how often it is asked to.
class TCountingParent : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect({0, 0, Width(), Height()});
    }
};

// Stands in for the quick access toolbar, whose image lists draw themselves.
class TQuickAccessStandIn : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const wchar_t* ClassName() const override { return L"TOrvQuickAccessToolBar"; }
};

}  // namespace

TEST(GlowButtonClassicText, TheGlyphAndCaptionFollowTheClassicGeometryInEveryLayout) {
    TFixture f;
    TImageList* images = new TImageList(f.Form.get());
    AddGreenGlyph(*images);
    TOrvGlowButton* b = f.Add(10, 10, 138, 61);
    b->SetAntiAlias(aaNone);
    b->Appearance().SetSystemFont(false);
    b->SetImages(images);
    b->SetImageIndex(0);
    const std::wstring caption = L"Caption";
    b->SetCaption(caption);
    // The glyph is 24 x 24; with the spacing of 2 it takes 26 across (left and right)
    // or down (top layouts).
    TSize inLeft = Measured(b->Font(), caption, 138 - 26 - 2), inRight = Measured(b->Font(), caption, 138 - 26 - 4);
    int th = Measured(b->Font(), caption, 138).cy;
    struct TCase {
        TButtonLayout Layout;
        TPoint Glyph;
    };
    const TCase cases[] = {
        {blGlyphLeft, {std::max(2, (138 - inLeft.cx - 26) / 2), 18}},
        {blGlyphLeftAdjusted, {2, 18}},
        {blGlyphRight, {(108 - inRight.cx) / 2 + inRight.cx + 4 + 2, 18}},
        {blGlyphRightAdjusted, {138 - 26 - 2 + 2, 18}},
        {blGlyphTop, {57, std::max(2, (33 - th) / 2 - 4)}},  // 4 higher than the anti-aliased path
        {blGlyphTopAdjusted, {57, 2}},
        {blGlyphBottom, {57, (35 - th) / 2 + th + 5}},  // 5 below the caption's box
        {blGlyphBottomAdjusted, {57, 61 - 24 - 2}},
    };
    for (const TCase& c : cases) {
        b->SetLayout(c.Layout);
        auto bmp = Snapshot(b);
        TRect glyph = PixelBox(*bmp, IsGlyphGreen);
        EXPECT_EQ((TPoint{glyph.Left, glyph.Top}), c.Glyph) << "layout " << c.Layout;
        TRect text = PixelBox(*bmp, IsText);
        ASSERT_FALSE(text.IsEmpty()) << "layout " << c.Layout;
        bool apart = text.Left >= glyph.Right || text.Right <= glyph.Left || text.Top >= glyph.Bottom ||
                     text.Bottom <= glyph.Top;
        EXPECT_TRUE(apart) << "the caption runs into the glyph in layout " << c.Layout;
    }
}

TEST(GlowButtonClassicText, NotesAreDrawnBelowTheCaptionInTheirOwnColour) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetBounds(0, 0, 138, 61);
    b->SetAntiAlias(aaNone);
    b->SetCaption(L"Caption");
    b->NotesFont().SetColor(clRed);
    b->SetNotes({L"Notes"});
    auto bmp = Snapshot(b.get());
    TRect notes = PixelBox(*bmp, [](TColor c) { return Channel(c, 0) > 150 && Channel(c, 8) < 90; });
    TRect caption = PixelBox(*bmp, IsText);
    ASSERT_FALSE(notes.IsEmpty()) << "no notes drawn";
    ASSERT_FALSE(caption.IsEmpty());
    EXPECT_GE(notes.Top, caption.Bottom - 1) << "the notes follow below the caption";
    EXPECT_LE(std::abs(notes.Left - caption.Left), 2) << "at the caption's left edge";
    EXPECT_GE(caption.Left, 4) << "no glyph: the adjusted caption starts at x + 2";
    EXPECT_LE(caption.Left, 6);
}

TEST(GlowButtonGlyphs, ListImagesAreKeyedByTheirBottomLeftPixelUnlessTheListDrawsItself) {
    TFixture f;
    // No mask: a green ground around a blue square.
    TImageList* images = new TImageList(f.Form.get());
    images->SetSize(24, 24);
    TBitmap glyph(24, 24);
    glyph.Canvas().Brush().SetColor(kGlyphGreen);
    glyph.Canvas().FillRect({0, 0, 24, 24});
    glyph.Canvas().Brush().SetColor(clBlue);
    glyph.Canvas().FillRect({6, 6, 18, 18});
    images->Add(glyph);
    TOrvGlowButton* b = f.Add(10, 10, 100, 41);
    b->SetImages(images);
    b->SetImageIndex(0);
    auto bmp = Snapshot(b);
    EXPECT_TRUE(PixelBox(*bmp, IsGlyphGreen).IsEmpty()) << "the image's ground shows";
    EXPECT_EQ(PixelBox(*bmp, [](TColor c) { return c == clBlue; }), (TRect{44, 14, 56, 26}));

    auto* quickAccess = new TQuickAccessStandIn(f.Form.get());
    quickAccess->SetBounds(0, 100, 300, 60);
    quickAccess->SetParent(f.Form.get());
    b->SetParent(quickAccess);
    EXPECT_EQ(PixelBox(*Snapshot(b), IsGlyphGreen), (TRect{38, 8, 62, 32})) << "the list draws its own ground";
}

TEST(GlowButtonGlyphs, TheInternalListServesWhenNoOtherIsSet) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    AddGreenGlyph(b->InternalImages());
    b->SetImageIndex(0);
    EXPECT_EQ(PixelBox(*Snapshot(b.get()), IsGlyphGreen), (TRect{38, 8, 62, 32}));
    TImageList* own = new TImageList(b.get());
    own->SetSize(24, 24);
    TBitmap blue(24, 24);
    blue.Canvas().Brush().SetColor(clBlue);
    blue.Canvas().FillRect({0, 0, 24, 24});
    blue.Canvas().SetPixel(0, 23, clFuchsia);
    own->Add(blue);
    b->SetImages(own);
    auto bmp = Snapshot(b.get());
    EXPECT_TRUE(PixelBox(*bmp, IsGlyphGreen).IsEmpty()) << "a list of its own wins";
    EXPECT_EQ(PixelBox(*bmp, [](TColor c) { return c == clBlue; }), (TRect{38, 8, 62, 32}));
}

TEST(GlowButtonGlyphs, SmallerSizeStatesShrinkListImagesWithoutTheKeyColour) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    TImageList* images = new TImageList(b.get());
    images->SetSize(24, 24);
    TBitmap glyph(24, 24);  // an orange disc on the magenta key
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect({0, 0, 24, 24});
    glyph.Canvas().Brush().SetColor(0x2F7FD0);
    glyph.Canvas().Pen().SetColor(0x2F7FD0);
    glyph.Canvas().Ellipse({2, 2, 22, 22});
    images->AddMasked(glyph, clFuchsia);
    b->SetImages(images);
    b->SetImageIndex(0);
    b->SetCaption(L"Label");
    b->SetAutoSize(true);
    for (TButtonSizeState state : {bsLabel, bsGlyph}) {
        b->SetButtonSizeState(state);
        auto bmp = Snapshot(b.get());
        TRect disc = PixelBox(*bmp, [](TColor c) { return Channel(c, 0) > 0xB0 && Channel(c, 16) < 0x60; });
        EXPECT_LE(disc.Width(), 16) << "state " << state;
        EXPECT_LE(disc.Height(), 16) << "state " << state;
        EXPECT_GE(disc.Width(), 12) << "state " << state;
        // The key mixed into the edge would give red with little green.
        TRect fringe = PixelBox(*bmp, [](TColor c) { return Channel(c, 0) > 100 && Channel(c, 8) < 60; });
        EXPECT_TRUE(fringe.IsEmpty()) << "state " << state << ": a fringe at " << fringe.Left << ", " << fringe.Top;
    }
}

TEST(GlowButtonCorners, PaintedIntoAnOffsetDcTheCornersAreTheParentsAndNothingSpills) {
    TFixture f;
    auto* panel = new TPanel(f.Form.get());
    panel->SetBounds(0, 0, 300, 100);
    panel->SetColor(clRed);
    panel->SetParent(f.Form.get());
    TOrvGlowButton* b = f.Add(20, 20, 100, 41, panel);
    TBitmap bmp(160, 90);
    bmp.Canvas().Brush().SetColor(clFuchsia);
    bmp.Canvas().FillRect({0, 0, 160, 90});
    HDC dc = bmp.Canvas().Handle();
    SetViewportOrgEx(dc, 30, 20, nullptr);
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    for (TPoint corner : {TPoint{30, 20}, TPoint{129, 20}, TPoint{30, 60}, TPoint{129, 60}})
        EXPECT_EQ(bmp.PixelColor(corner.X, corner.Y), clRed) << corner.X << ", " << corner.Y;
    EXPECT_TRUE(Near(bmp.PixelColor(80, 30), clWhite)) << "the face";
    TRect painted = PixelBox(bmp, [](TColor c) { return c != clFuchsia; });
    EXPECT_EQ(painted, (TRect{30, 20, 130, 61})) << "nothing painted outside the button";
}

TEST(GlowButtonCorners, OnScreenTheParentPaintsTheCornersWithoutRepaintingForTheButton) {
    TFixture f;
    auto* parent = new TCountingParent(f.Form.get());
    parent->SetBounds(0, 0, 300, 120);
    parent->SetParent(f.Form.get());
    TOrvGlowButton* b = f.Add(20, 20, 100, 41, parent);
    int buttonPaints = 0;
    b->OnDrawButton = [&](TObject*, TCanvas&, TGlowButtonState, TRect) { ++buttonPaints; };
    ASSERT_TRUE(orvtest::PumpUntil([&] { return buttonPaints > 0 && ScreenPixel(b, 50, 10) != clRed; }));
    for (TPoint corner : {TPoint{0, 0}, TPoint{99, 0}, TPoint{0, 40}, TPoint{99, 40}})
        EXPECT_EQ(ScreenPixel(b, corner.X, corner.Y), clRed) << corner.X << ", " << corner.Y;
    EXPECT_NE(ScreenPixel(b, 1, 20), clRed) << "the frame";

    int parentPaints = parent->Paints, before = buttonPaints;
    PointAt(b, 50, 20);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !b->Animating() && b->Hot(); }, 2000));
    orvtest::PumpFor(50);
    EXPECT_GE(buttonPaints - before, 5) << "the fade repaints the button";
    EXPECT_EQ(parent->Paints, parentPaints) << "each button paint repainted the parent";
    EXPECT_EQ(ScreenPixel(b, 0, 0), clRed);
    EXPECT_EQ(ScreenPixel(b, 99, 40), clRed);

    b->SetRounded(false);
    orvtest::PumpUntil([&] { return ScreenPixel(b, 0, 0) != clRed; }, 1000);
    EXPECT_NE(ScreenPixel(b, 0, 0), clRed) << "a square button owns its corners";
}

TEST(GlowButtonCost, APaintMakesOnlyTheBrushesAndFontsItShows) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    TBitmap bmp(100, 41);
    // Every paint a miss of the face cache: the face is drawn, not copied from a kept one.
    auto paint = [&] {
        SharedFaceCache().Clear();
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas().Handle()), 0);
    };
    paint();
    long brushes = GdipMadeCount(TGdipKind::Brush);
    paint();
    EXPECT_EQ(GdipMadeCount(TGdipKind::Brush) - brushes, 2) << "one brush for each linear half";

    b->SetCaption(L"Go");
    paint();
    long fonts = GdipMadeCount(TGdipKind::Font);
    paint();
    EXPECT_EQ(GdipMadeCount(TGdipKind::Font) - fonts, 1) << "no notes, no notes font";
    b->SetNotes({L"notes"});
    paint();
    fonts = GdipMadeCount(TGdipKind::Font);
    paint();
    EXPECT_EQ(GdipMadeCount(TGdipKind::Font) - fonts, 2);
}

TEST(GlowButtonGroup, ADownGroupButtonStaysDownAfterLosingTheFocusOrAKeyRelease) {
    TFixture f;
    TOrvGlowButton* down = f.Add(10, 10);
    TOrvGlowButton* other = f.Add(10, 60);
    for (TOrvGlowButton* b : {down, other}) b->SetTabStop(true);
    down->SetGroupIndex(1);
    // Solid looks: white when up, green when checked.
    TGlowButtonAppearance& a = down->Appearance();
    a.SetColorChecked(clLime);
    a.SetColorCheckedTo(clLime);
    a.SetGradientChecked(ggVertical);
    down->SetDown(true);
    auto look = [&] {
        orvtest::PumpUntil([&] { return !down->Animating(); }, 2000);
        return Snapshot(down)->PixelColor(50, 8);
    };
    ASSERT_EQ(look(), clLime);

    ClickAt(down, 30, 20);
    ASSERT_TRUE(down->Focused());
    EXPECT_TRUE(down->GetDown());
    ClickAt(other, 30, 20);
    ASSERT_TRUE(other->Focused());
    EXPECT_TRUE(down->GetDown());
    EXPECT_EQ(look(), clLime) << "painted raised after losing the focus";

    ClickAt(down, 30, 20);
    PointAt(f.Form.get(), 350, 250);
    Keys({VK_SHIFT});
    EXPECT_TRUE(down->GetDown());
    EXPECT_EQ(look(), clLime) << "painted raised after a key release";
    Key(VK_SPACE, false);
    orvtest::PumpFor(40);
    EXPECT_EQ(down->State(), absDown) << "a held key still shows the press";
    Key(VK_SPACE, true);
    EXPECT_EQ(look(), clLime);
}
