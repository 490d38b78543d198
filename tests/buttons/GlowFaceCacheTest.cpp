// The glow button through the face cache: every state, layout and drop-down variant and
// the fade frames look as a direct paint does; each kind of input change shows at the
// next paint; a steady repaint is one copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "GlowButtonTestSupport.h"
#include "buttons/GlowButtonPresets.h"
#include "framework/Streams.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"

using namespace orv;
using namespace glowtest;

namespace {

// The largest difference of any channel over all pixels, and where it was.
struct TDifference {
    int Max = 0;
    int X = -1;
    int Y = -1;
};

TDifference Compare(TBitmap& a, TBitmap& b) {
    TDifference d;
    if (a.Width() != b.Width() || a.Height() != b.Height()) return {255, -1, -1};
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            TColor ca = a.PixelColor(x, y), cb = b.PixelColor(x, y);
            for (int s : {0, 8, 16}) {
                int diff = std::abs(Channel(ca, s) - Channel(cb, s));
                if (diff > d.Max) d = {diff, x, y};
            }
        }
    return d;
}

std::string Describe(const TDifference& d) {
    std::ostringstream out;
    out << "largest channel difference " << d.Max << " at " << d.X << ", " << d.Y;
    return out.str();
}

struct TCachedAndDirect {
    std::unique_ptr<TBitmap> Cached;
    std::unique_ptr<TBitmap> Direct;
};

// Paints through the cache (twice: the second paint is the kept face) and directly.
TCachedAndDirect PaintBoth(TWinControl* b) {
    TCachedAndDirect both;
    Snapshot(b);
    both.Cached = Snapshot(b);
    GlowFaceCache = false;
    both.Direct = Snapshot(b);
    GlowFaceCache = true;
    return both;
}

::testing::AssertionResult LooksAsDirect(TWinControl* b) {
    TCachedAndDirect both = PaintBoth(b);
    TDifference d = Compare(*both.Cached, *both.Direct);
    if (d.Max <= 2) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Describe(d);
}

// A 24 x 24 glyph in one colour with a magenta bottom-left pixel (its key).
void AddGlyph(TImageList& list, TColor color) {
    list.SetSize(24, 24);
    TBitmap glyph(24, 24);
    glyph.Canvas().Brush().SetColor(color);
    glyph.Canvas().FillRect({0, 0, 24, 24});
    glyph.Canvas().SetPixel(0, 23, clFuchsia);
    list.Add(glyph);
}

// The bytes of a 16 x 16 BMP file in one colour with a white bottom-left pixel.
std::vector<uint8_t> SolidBmp(TColor color) {
    TBitmap bitmap(16, 16);
    bitmap.Canvas().Brush().SetColor(color);
    bitmap.Canvas().FillRect({0, 0, 16, 16});
    bitmap.Canvas().SetPixel(0, 15, clWhite);
    return BmpFileBytes(bitmap);
}

int CountPixels(TBitmap& bmp, const std::function<bool(TColor)>& test) {
    int n = 0;
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (test(bmp.PixelColor(x, y))) ++n;
    return n;
}

bool IsDark(TColor c) {
    return Channel(c, 0) < 90 && Channel(c, 8) < 90 && Channel(c, 16) < 90;
}

enum TTestState { tsNormal, tsHot, tsDown, tsChecked, tsDisabled, tsFocused, tsTransparent, tsTransparentHot };
const char* const kStateNames[] = {"normal",   "hot",     "down",        "checked",
                                   "disabled", "focused", "transparent", "transparent hot"};

void Settle(TOrvGlowButton* b) {
    for (int i = 0; i < 10 && b->Animating(); ++i) Tick(b);
}

void Enter(TOrvGlowButton* b, TTestState state) {
    // Over the drop-down part where there is one (the part shows its own hover).
    LPARAM at = MAKELPARAM(b->Width() - 6, b->Height() - 6);
    switch (state) {
        case tsHot:
        case tsTransparentHot:
            if (state == tsTransparentHot) b->SetTransparent(true);
            SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, at);
            break;
        case tsDown:
            SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
            break;
        case tsChecked:
            b->SetGroupIndex(1);
            b->SetDown(true);
            break;
        case tsDisabled:
            b->SetEnabled(false);
            break;
        case tsFocused:
            b->SetTabStop(true);
            b->SetFocus();
            break;
        case tsTransparent:
            b->SetTransparent(true);
            break;
        case tsNormal:
            break;
    }
    Settle(b);
}

}  // namespace

TEST(GlowFaceCache, EveryStateLayoutAndDropDownVariantLooksAsTheDirectPaint) {
    TStoppedGlowClock clock;
    TFixture f;
    auto* images = new TImageList(f.Form.get());
    AddGlyph(*images, 0x00B000);
    struct TDropDown {
        bool On;
        TDropDownPosition Position;
        bool Split;
    };
    const TDropDown dropDowns[] = {
        {false, dpRight, true}, {true, dpRight, true}, {true, dpBottom, true}, {true, dpRight, false}};
    int compared = 0;
    for (int layout = blGlyphLeft; layout <= blGlyphBottomAdjusted; ++layout)
        for (const TDropDown& dd : dropDowns)
            for (int state = tsNormal; state <= tsTransparentHot; ++state) {
                TOrvGlowButton* b = f.Add(10, 10, 138, 61);
                b->SetComponentStyle(tsOffice2010Blue);
                b->SetCaption(L"Open file");
                b->SetImages(images);
                b->SetImageIndex(0);
                b->SetLayout(static_cast<TButtonLayout>(layout));
                b->SetDropDownButton(dd.On);
                b->SetDropDownPosition(dd.Position);
                b->SetDropDownSplit(dd.Split);
                Enter(b, static_cast<TTestState>(state));
                EXPECT_TRUE(LooksAsDirect(b)) << "layout " << layout << ", drop-down " << dd.On << "/" << dd.Position
                                              << "/" << dd.Split << ", " << kStateNames[state];
                ++compared;
                ReleaseCapture();
                b->Free();
            }
    EXPECT_EQ(compared, 8 * 4 * 8);
}

TEST(GlowFaceCache, ClassicTextNotesAndPicturesLookAsTheDirectPaint) {
    TStoppedGlowClock clock;
    TFixture f;
    for (int variant = 0; variant < 3; ++variant)
        for (int state = tsNormal; state <= tsTransparentHot; ++state) {
            TOrvGlowButton* b = f.Add(10, 10, 160, 64);
            b->SetCaption(L"Save as");
            b->SetNotes({L"Keep a copy", L"elsewhere"});
            b->Picture().SetData(SolidBmp(clBlue));
            if (variant == 1) b->SetAntiAlias(aaNone);  // the classic text routine
            if (variant == 2) {
                b->SetAntiAlias(aaAntiAlias);
                b->SetRounded(false);
                b->SetBorderStyle(bsNone);
            }
            Enter(b, static_cast<TTestState>(state));
            EXPECT_TRUE(LooksAsDirect(b)) << "variant " << variant << ", " << kStateNames[state];
            ReleaseCapture();
            b->Free();
        }
}

TEST(GlowFaceCache, FadeFramesWithRealInputLookAsTheDirectPaint) {
    TStoppedGlowClock clock;
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 138, 61);
    b->SetComponentStyle(tsOffice2007Luna);
    b->SetCaption(L"Fade");
    b->SetDropDownButton(true);
    int frames = 0;
    auto run = [&](const char* what) {
        for (int i = 0; i < 8 && b->Animating(); ++i) {
            EXPECT_TRUE(LooksAsDirect(b)) << what << ", frame " << i;
            ++frames;
            Tick(b);
        }
    };
    PointAt(b, 30, 20);
    ASSERT_TRUE(b->Animating());
    run("hover in");
    LeftDown();
    run("press");
    LeftUp();
    run("release");
    PointAt(f.Form.get(), 300, 250);
    orvtest::PumpUntil([&] { return !b->Hot(); });
    run("hover out");
    EXPECT_GE(frames, 15);
}

TEST(GlowFaceCache, TenFadeStepsAreBlendsOfTheTwoEndFaces) {
    TGlowButtonAppearance a;
    ApplyGlowButtonPreset(a, tsOffice2010Silver);
    const TGlowColorSet from = a.Look(glNormal), to = a.Look(glHot);
    TFont font;
    TGlowButtonPaint p;
    p.Rect = {0, 0, 138, 61};
    p.Caption = L"Ten steps";
    p.Font = &font;
    p.Highlighted = true;
    for (int percent = 10; percent <= 100; percent += 10) {
        TGlowButtonPaint direct = p;
        direct.Colors = to;
        direct.Colors.Color = BlendColor(to.Color, from.Color, percent);
        direct.Colors.ColorTo = BlendColor(to.ColorTo, from.ColorTo, percent);
        direct.Colors.ColorMirror = BlendColor(to.ColorMirror, from.ColorMirror, percent);
        direct.Colors.ColorMirrorTo = BlendColor(to.ColorMirrorTo, from.ColorMirrorTo, percent);
        direct.Colors.BorderColor = BlendColor(to.BorderColor, from.BorderColor, percent);
        TBitmap expected(138, 61), actual(138, 61);
        DrawGlowButton(expected.Canvas(), direct);
        PaintGlowButtonFade(actual.Canvas(), direct, from, to, percent);
        TDifference d = Compare(actual, expected);
        EXPECT_LE(d.Max, 2) << percent << "%: " << Describe(d);
    }
}

TEST(GlowFaceCache, ASteadyRepaintIsOneCopyOfTheKeptFace) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 138, 61);
    b->SetCaption(L"Steady");
    b->Picture().SetData(SolidBmp(clRed));
    Snapshot(b);
    TFaceCache& cache = SharedFaceCache();
    size_t hits = cache.Hits(), misses = cache.Misses();
    long made = GdipMadeCount(TGdipKind::Brush) + GdipMadeCount(TGdipKind::Font) + GdipMadeCount(TGdipKind::Image);
    Snapshot(b);
    Snapshot(b);
    EXPECT_EQ(cache.Hits() - hits, 2u);
    EXPECT_EQ(cache.Misses() - misses, 0u);
    EXPECT_EQ(GdipMadeCount(TGdipKind::Brush) + GdipMadeCount(TGdipKind::Font) + GdipMadeCount(TGdipKind::Image), made)
        << "a kept face needs no GDI+ object";

    // Kept faces are memory, not GDI objects: clearing frees bytes, no handles.
    int gdi = GdiLiveTotal();
    ASSERT_GT(cache.Bytes(), 0u);
    cache.Clear();
    EXPECT_EQ(cache.Bytes(), 0u);
    EXPECT_EQ(GdiLiveTotal(), gdi);
    Snapshot(b);
    EXPECT_EQ(cache.Misses() - misses, 1u) << "painted again after the cache was cleared";
}

// --- each kind of input change shows at the next paint ----------------------------------------

namespace {

// Paints through the cache, applies the change, and checks that the next paint through
// the cache shows the change and looks as a direct paint of the new state.
std::unique_ptr<TBitmap> PaintAfter(TOrvGlowButton* b, const std::function<void()>& change) {
    auto before = Snapshot(b);
    Snapshot(b);
    change();
    TCachedAndDirect after = PaintBoth(b);
    TDifference fresh = Compare(*after.Cached, *after.Direct);
    EXPECT_LE(fresh.Max, 2) << "a stale face: " << Describe(fresh);
    if (before->Width() == after.Cached->Width() && before->Height() == after.Cached->Height()) {
        EXPECT_GT(Compare(*before, *after.Cached).Max, 20) << "the change shows";
    }
    return std::move(after.Cached);
}

TOrvGlowButton* Button(TFixture& f) {
    TOrvGlowButton* b = f.Add(10, 10, 138, 61);
    b->SetCaption(L"Change");
    return b;
}

}  // namespace

TEST(GlowFaceCacheChange, AnAppearanceColour) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    auto after = PaintAfter(b, [&] {
        b->Appearance().SetColor(clLime);
        b->Appearance().SetColorTo(clLime);
        b->Appearance().SetGradient(ggVertical);
    });
    EXPECT_EQ(after->PixelColor(10, 6), clLime);
}

TEST(GlowFaceCacheChange, TheCaption) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    int narrow = PixelBox(*Snapshot(b), IsDark).Width();
    auto after = PaintAfter(b, [&] { b->SetCaption(L"A much longer caption"); });
    EXPECT_GT(PixelBox(*after, IsDark).Width(), narrow + 40);
}

TEST(GlowFaceCacheChange, TheFont) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    auto red = [](TColor c) { return Channel(c, 0) > 180 && Channel(c, 8) < 90 && Channel(c, 16) < 90; };
    auto after = PaintAfter(b, [&] { b->Font().SetColor(clRed); });
    EXPECT_GT(CountPixels(*after, red), 20);
    int height = PixelBox(*after, red).Height();
    after = PaintAfter(b, [&] { b->Font().SetSize(16); });
    EXPECT_GT(PixelBox(*after, red).Height(), height + 4) << "a larger size";
}

TEST(GlowFaceCacheChange, ThePicture) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    b->Picture().SetData(SolidBmp(clRed));
    auto isRed = [](TColor c) { return c == clRed; };
    auto isBlue = [](TColor c) { return c == clBlue; };
    EXPECT_GT(CountPixels(*Snapshot(b), isRed), 200);
    auto after = PaintAfter(b, [&] { b->Picture().SetData(SolidBmp(clBlue)); });
    EXPECT_EQ(CountPixels(*after, isRed), 0);
    EXPECT_GT(CountPixels(*after, isBlue), 200);
}

TEST(GlowFaceCacheChange, TheSize) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    auto after = PaintAfter(b, [&] { b->SetBounds(10, 10, 180, 50); });
    ASSERT_EQ(after->Width(), 180);
    ASSERT_EQ(after->Height(), 50);
    EXPECT_TRUE(Near(after->PixelColor(179, 25), after->PixelColor(0, 25), 4)) << "the frame at the new right edge";
}

// --- no stale face after a style change, an Assign, a reload or a font change ---------------

TEST(GlowFaceCacheStale, AStyleChange) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    b->SetComponentStyle(tsOffice2010Blue);
    auto after = PaintAfter(b, [&] { b->SetComponentStyle(tsOffice2007Obsidian); });
    TGlowButtonAppearance obsidian;
    ApplyGlowButtonPreset(obsidian, tsOffice2007Obsidian);
    EXPECT_TRUE(Near(after->PixelColor(10, 1), obsidian.GetColor(), 12));
}

TEST(GlowFaceCacheStale, AnAppearanceAssign) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    TGlowButtonAppearance other;
    other.SetColor(clYellow);
    other.SetColorTo(clYellow);
    other.SetGradient(ggVertical);
    auto after = PaintAfter(b, [&] { b->Appearance().Assign(&other); });
    EXPECT_EQ(after->PixelColor(10, 6), clYellow);
}

TEST(GlowFaceCacheStale, APictureReload) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    b->Picture().SetData(SolidBmp(clRed));
    auto after = PaintAfter(b, [&] {
        TMemoryStream stream;
        std::vector<uint8_t> bytes = SolidBmp(clBlue);
        stream.Write(bytes.data(), static_cast<int64_t>(bytes.size()));
        stream.SetPosition(0);
        b->Picture().LoadFromStream(&stream);
    });
    EXPECT_EQ(CountPixels(*after, [](TColor c) { return c == clRed; }), 0);
    EXPECT_GT(CountPixels(*after, [](TColor c) { return c == clBlue; }), 200);
}

TEST(GlowFaceCacheStale, AFontChange) {
    TFixture f;
    TOrvGlowButton* b = Button(f);
    b->SetNotes({L"notes below"});
    auto after = PaintAfter(b, [&] { b->NotesFont().SetColor(clBlue); });
    auto blueText = [](TColor c) { return Channel(c, 16) > 160 && Channel(c, 0) < 90 && Channel(c, 8) < 90; };
    EXPECT_GT(CountPixels(*after, blueText), 10);
    after = PaintAfter(b, [&] { b->Font().SetStyle(fsBold); });
}
