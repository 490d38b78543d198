// Kept toolbar button faces: on a toolbar that names its kept face every state of a
// button (idle over the toolbar's pixels, hot, down, checked, disabled, with and without
// the toolbar's disabled images) repaints from a face, and shows what the direct paint
// shows after a change of each thing it paints.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "paint/FaceCache.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/ToolBarButtonFace.h"

using namespace orv;

namespace {

struct TFaceScope {
    bool Saved = ToolButtonFaceCache;
    ~TFaceScope() { ToolButtonFaceCache = Saved; }
};

// A 16 x 16 square of one colour on magenta, added to the list.
void AddSquare(TImageList& list, TColor color) {
    TBitmap b(16, 16);
    b.Canvas().Brush().SetColor(clFuchsia);
    b.Canvas().FillRect({0, 0, 16, 16});
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect({2, 2, 14, 14});
    list.AddMasked(b, clFuchsia);
}

void SetSquare(TBitmap& glyph, TColor color) {
    TBitmap b(16, 16);
    b.Canvas().Brush().SetColor(clFuchsia);
    b.Canvas().FillRect({0, 0, 16, 16});
    b.Canvas().Brush().SetColor(color);
    b.Canvas().FillRect({2, 2, 14, 14});
    glyph.Assign(&b);
}

// A shown form with a toolbar of captioned buttons: glyph bitmaps, and list images with and
// without the toolbar's disabled images.
struct TFaceToolBar {
    glowtest::TFixture Fixture;
    TOrvToolBar* Bar;
    TImageList* Images;
    TImageList* Disabled;
    std::vector<TOrvToolBarButton*> Buttons;
    TOrvToolBarButton *Idle, *Down, *Check, *Off, *ListOn, *ListOff;

    TFaceToolBar() {
        TForm* form = Fixture.Form.get();
        form->SetBounds(100, 100, 700, 200);
        Images = new TImageList(form);
        Images->SetSize(16, 16);
        AddSquare(*Images, clRed);
        AddSquare(*Images, clGreen);
        Disabled = new TImageList(form);
        Disabled->SetSize(16, 16);
        AddSquare(*Disabled, 0x404040);
        AddSquare(*Disabled, clBlue);
        Bar = new TOrvToolBar(form);
        Bar->SetParent(form);
        Bar->SetBounds(0, 0, 660, 30);
        Bar->SetImages(Images);
        auto add = [&](const std::wstring& caption) {
            auto* b = new TOrvToolBarButton(form);
            b->SetCaption(caption);
            b->SetShowCaption(true);
            b->SetParent(Bar);
            Buttons.push_back(b);
            return b;
        };
        Idle = add(L"Print");
        SetSquare(Idle->Glyph(), 0x2F7FD0);
        Down = add(L"Held");
        SetSquare(Down->Glyph(), 0x2F7FD0);
        Down->SetGroupIndex(1);
        Down->SetDown(true);
        Check = add(L"Check");
        SetSquare(Check->Glyph(), 0x2F7FD0);
        Check->SetStyle(tasCheck);
        Check->SetDown(true);
        Off = add(L"Off");
        SetSquare(Off->Glyph(), 0x2F7FD0);
        Off->SetEnabled(false);
        ListOn = add(L"List");
        ListOn->SetImageIndex(0);
        ListOff = add(L"Grey");
        ListOff->SetImageIndex(1);
        ListOff->SetEnabled(false);
        orvtest::PumpFor(60);
    }

    // The toolbar and its buttons painted into a bitmap as the window shows them.
    std::unique_ptr<TBitmap> Grab(bool faces) {
        ToolButtonFaceCache = faces;
        auto bmp = std::make_unique<TBitmap>(Bar->Width(), Bar->Height());
        HDC dc = bmp->Canvas().Handle();
        Bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        return bmp;
    }
};

void ExpectFacesShowTheDirectPaint(TFaceToolBar& bar, const std::string& after) {
    auto kept = bar.Grab(true);
    auto direct = bar.Grab(false);
    EXPECT_EQ(orvtest::FirstPixelDifference(*kept, *direct), "") << "after " << after;
    const std::size_t misses = SharedFaceCache().Misses();
    auto again = bar.Grab(true);
    EXPECT_EQ(SharedFaceCache().Misses(), misses) << "after " << after << ": the faces are kept";
    EXPECT_EQ(orvtest::FirstPixelDifference(*again, *direct), "") << "after " << after;
}

}  // namespace

TEST(ToolBarButtonFace, EveryStateRepaintsFromAFaceShowingTheDirectPaint) {
    TFaceScope scope;
    TFaceToolBar f;
    ExpectFacesShowTheDirectPaint(f, "the first paint");
    // Every button is one face: the toolbar's paint copies them without drawing.
    const std::size_t hits = SharedFaceCache().Hits();
    f.Grab(true);
    EXPECT_GE(SharedFaceCache().Hits(), hits + f.Buttons.size());

    // Without the toolbar's disabled images the disabled list image shows as it is; with
    // them, greyed from that list.
    f.Bar->SetDisabledImages(f.Disabled);
    ExpectFacesShowTheDirectPaint(f, "the disabled images given");

    f.Idle->SetCaption(L"Preview");
    ExpectFacesShowTheDirectPaint(f, "a caption");
    SetSquare(f.Idle->Glyph(), clMaroon);
    ExpectFacesShowTheDirectPaint(f, "a glyph");
    f.ListOn->SetImageIndex(1);
    ExpectFacesShowTheDirectPaint(f, "an image index");
    f.Images->Clear();
    AddSquare(*f.Images, clNavy);
    AddSquare(*f.Images, clOlive);
    ExpectFacesShowTheDirectPaint(f, "the list's images");
    f.Off->SetEnabled(true);
    ExpectFacesShowTheDirectPaint(f, "a button enabled");
    f.Check->SetDown(false);
    ExpectFacesShowTheDirectPaint(f, "a check released");
    f.Idle->SetAutoSize(false);
    f.Idle->SetWidth(f.Idle->Width() + 9);
    ExpectFacesShowTheDirectPaint(f, "a wider button");

    // The styler: the buttons' colours, the caption font, and the toolbar beneath.
    TCustomOrvToolBarStyler& styler = *f.Bar->InternalToolBarStyler();
    styler.ButtonAppearance().SetColorDown(0x30A0E0);
    styler.ButtonAppearance().SetColorDownTo(0x1060B0);
    ExpectFacesShowTheDirectPaint(f, "the down colours");
    TFont font;
    font.Assign(&styler.ButtonAppearance().CaptionFont());
    font.SetStyle(fsBold);
    styler.ButtonAppearance().SetCaptionFont(font);
    f.Bar->Invalidate();
    ExpectFacesShowTheDirectPaint(f, "the caption font");
    styler.Color().SetColor(0x80F0F0);
    styler.Color().SetColorTo(0x4080C0);
    ExpectFacesShowTheDirectPaint(f, "the toolbar's colours");

    // Hot by the real pointer, then pressed.
    glowtest::PointAt(f.Idle, 5, 5);
    ASSERT_TRUE(f.Idle->Hot());
    ExpectFacesShowTheDirectPaint(f, "the hot state");
    glowtest::LeftDown();
    ExpectFacesShowTheDirectPaint(f, "the pressed state");
    glowtest::PointAt(f.Idle, -40, 50);
    glowtest::LeftUp();
    orvtest::PumpFor(60);
    ExpectFacesShowTheDirectPaint(f, "the pointer gone");
}

TEST(ToolBarButtonFace, AButtonOffAToolbarKeepsOnlyFacesThatCoverIt) {
    TFaceScope scope;
    glowtest::TFixture fixture;
    auto* b = new TOrvToolBarButton(fixture.Form.get());
    b->SetParent(fixture.Form.get());
    b->SetCaption(L"Print");
    b->SetShowCaption(true);
    orvtest::PumpFor(40);
    // At rest it is transparent over a form that names no face: the magenta beneath shows.
    auto idle = [&] {
        auto bmp = std::make_unique<TBitmap>(b->Width(), b->Height());
        bmp->Canvas().Brush().SetColor(clFuchsia);
        bmp->Canvas().FillRect({0, 0, b->Width(), b->Height()});
        b->PaintTo(bmp->Canvas().Handle());
        return bmp;
    };
    EXPECT_EQ(idle()->PixelColor(1, 1), clFuchsia);
    const std::size_t count = SharedFaceCache().Count();
    idle();
    EXPECT_EQ(SharedFaceCache().Count(), count) << "no face for a button that does not cover itself";

    // Down, its fill covers it: a face, the same pixels as drawn directly.
    b->SetGroupIndex(3);
    b->SetDown(true);
    ToolButtonFaceCache = true;
    auto kept = idle();
    ToolButtonFaceCache = false;
    auto direct = idle();
    EXPECT_EQ(orvtest::FirstPixelDifference(*kept, *direct), "");
    EXPECT_NE(kept->PixelColor(1, 1), clFuchsia);
}
