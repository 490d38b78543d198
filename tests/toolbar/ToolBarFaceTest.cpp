// A page toolbar's transparent glow buttons keep their faces composed over the
// toolbar's kept face: the window's pixels against the direct paint after each kind of
// change, and where the toolbar names its face and where it must not.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "paint/FaceCache.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;
using namespace glowtest;

namespace {

struct TCachesScope {
    bool Glow = GlowFaceCache, Bar = ToolBarFaceCache;
    ~TCachesScope() { GlowFaceCache = Glow, ToolBarFaceCache = Bar; }
};

// Counts its own paints: a button that gives its corners back paints it again.
class TCountingBar : public TOrvToolBar {
public:
    using TOrvToolBar::TOrvToolBar;
    int Paints = 0;

protected:
    void Paint() override {
        ++Paints;
        TOrvToolBar::Paint();
    }
};

// A shown page with one captioned toolbar of seven label glow buttons (transparent, or
// opaque with rounded corners); the hover glow moves the background from grey-blue to
// orange.
struct TBarWindow {
    TFixture Fixture;
    TOrvPage* Page;
    TCountingBar* Bar;
    std::vector<TOrvGlowButton*> Buttons;

    explicit TBarWindow(bool transparent = true) {
        Fixture.Form->SetBounds(100, 100, 760, 200);
        Page = new TOrvPage(Fixture.Form.get());
        Page->SetBounds(10, 10, 720, 95);
        Page->SetParent(Fixture.Form.get());
        Bar = new TCountingBar(Fixture.Form.get());
        Bar->SetCaption(L"Clipboard");
        Bar->SetShowCaption(true);
        Bar->SetCaptionPosition(cpBottom);
        Bar->SetShowRightHandle(false);
        TMirrorGradient& hot = Bar->InternalToolBarStyler()->ColorHot().Mirror();
        hot.SetColor(0x40A0FF);
        hot.SetColorTo(0x2080F0);
        hot.SetColorMirror(0x1060E0);
        hot.SetColorMirrorTo(0x0040C0);
        Page->AddOrvToolBar(Bar);
        for (int i = 0; i < 7; ++i) {
            auto* b = new TOrvGlowButton(Fixture.Form.get());
            b->SetCaption(L"Command");
            b->SetButtonSizeState(bsLabel);
            b->SetAutoSize(true);
            b->SetTransparent(transparent);
            b->SetParent(Bar);
            Buttons.push_back(b);
        }
        Page->ArrangeToolBars();
        orvtest::PumpFor(60);
    }

    // The toolbar and its buttons painted into a bitmap as the window shows them, with
    // or without the faces.
    std::unique_ptr<TBitmap> Grab(bool faces) {
        GlowFaceCache = ToolBarFaceCache = faces;
        auto bmp = std::make_unique<TBitmap>(Bar->Width(), Bar->Height());
        HDC dc = bmp->Canvas().Handle();
        Bar->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        for (TOrvGlowButton* b : Buttons) {
            SetViewportOrgEx(dc, b->Left(), b->Top(), nullptr);
            b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        }
        SetViewportOrgEx(dc, 0, 0, nullptr);
        return bmp;
    }
};

// The first pixel where a and b differ by more than tolerance in a channel, as text.
std::string FirstDifference(TBitmap& a, TBitmap& b, int tolerance) {
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!Near(a.PixelColor(x, y), b.PixelColor(x, y), tolerance))
                return "(" + std::to_string(x) + ", " + std::to_string(y) + ") " + std::to_string(a.PixelColor(x, y)) +
                       " vs " + std::to_string(b.PixelColor(x, y));
    return "";
}

LRESULT AskBackground(TOrvToolBar* bar, const TRect& rect, uint64_t& key) {
    TParentBackgroundQuery query;
    query.Rect = rect;
    LRESULT answer = bar->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query));
    key = query.Key;
    return answer;
}

}  // namespace

TEST(ToolBarFaces, TransparentButtonsOverTheKeptFaceShowWhatTheDirectPaintShows) {
    TCachesScope scope;
    TBarWindow w;
    ASSERT_GT(w.Bar->Width(), 100);
    // Each state is grabbed through the faces first, so a face kept from before the
    // change would show in the comparison.
    auto check = [&](const char* what) {
        auto kept = w.Grab(true);
        auto direct = w.Grab(false);
        EXPECT_EQ("", FirstDifference(*kept, *direct, 2)) << what;
    };
    check("first paint");
    check("second paint, from the kept faces");

    // Steady: the buttons' faces are kept over the toolbar's, nothing is painted anew.
    GlowFaceCache = ToolBarFaceCache = true;
    auto paintButtons = [&] {
        for (TOrvGlowButton* b : w.Buttons) Snapshot(b);
    };
    paintButtons();
    SharedFaceCache().ResetCounters();
    paintButtons();
    EXPECT_EQ(0u, SharedFaceCache().Misses()) << "a steady repaint is kept faces only";
    EXPECT_GE(SharedFaceCache().Hits(), 2 * w.Buttons.size()) << "each button's face and the toolbar's beneath it";

    w.Bar->SetCaption(L"Font and Paragraph");
    check("caption text");
    w.Bar->InternalToolBarStyler()->Color().Mirror().SetColorMirror(0x90E090);
    check("a colour of the background");

    // The pointer on a button: its rounded hot face, corners from the toolbar's.
    PointAt(w.Buttons[1], 5, 5);
    ASSERT_TRUE(w.Buttons[1]->Hot());
    orvtest::PumpFor(300);  // the button's own fade
    check("a hot button");

    auto resting = w.Grab(true);
    // Off the buttons, inside the toolbar: hot toolbar, every button at rest.
    PointAt(w.Bar, w.Bar->Width() - 4, w.Bar->Height() - 8);
    orvtest::PumpFor(300);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !w.Bar->GlowRunning(); }, 2000));
    EXPECT_TRUE(w.Bar->Hot());
    check("the hover glow run up");
    EXPECT_NE("", FirstDifference(*resting, *w.Grab(true), 2)) << "the glow changed the background";

    PointAt(w.Page, w.Page->Width() - 5, 5);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !w.Bar->Hot() && !w.Bar->GlowRunning(); }, 2500));
    check("the hover glow run down");
}

TEST(ToolBarFaces, TheToolBarNamesItsFaceOnlyWhereItAloneLiesBeneath) {
    TCachesScope scope;
    GlowFaceCache = ToolBarFaceCache = true;
    TBarWindow w;
    const TRect button = w.Buttons[0]->BoundsRect();
    uint64_t key = 0, again = 0;
    ASSERT_EQ(1, AskBackground(w.Bar, button, key));
    EXPECT_NE(0u, key);
    ASSERT_EQ(1, AskBackground(w.Bar, w.Buttons[6]->BoundsRect(), again));
    EXPECT_EQ(key, again) << "one face beneath every button";

    // The kept face claims every pixel of the client: none of it may be left unpainted
    // (the page would show there in the direct paint).
    for (bool hot : {false, true}) {
        w.Bar->InternalToolBarStyler()->SetBorderColor(hot ? 0x0000FF : 0x808080);
        auto direct = std::make_unique<TBitmap>(w.Bar->Width(), w.Bar->Height());
        direct->Canvas().Brush().SetColor(clFuchsia);
        direct->Canvas().FillRect({0, 0, w.Bar->Width(), w.Bar->Height()});
        ToolBarFaceCache = false;
        w.Bar->PaintTo(direct->Canvas().Handle());
        ToolBarFaceCache = true;
        TBitmap kept(w.Bar->Width(), w.Bar->Height());
        w.Bar->PaintTo(kept.Canvas().Handle());
        EXPECT_EQ("", FirstDifference(kept, *direct, 0)) << "border " << hot;
    }

    ASSERT_EQ(1, AskBackground(w.Bar, button, again));
    EXPECT_NE(key, again) << "another face, another key";
    ASSERT_EQ(1, AskBackground(w.Bar, button, key));
    w.Bar->SetCaption(L"Editing");
    ASSERT_EQ(1, AskBackground(w.Bar, button, again));
    EXPECT_NE(key, again) << "the caption changed the face";

    const int W = w.Bar->Width(), H = w.Bar->Height();
    EXPECT_EQ(0, AskBackground(w.Bar, TRect{W - 10, 10, W + 5, 30}, again)) << "reaching out of the client";
    EXPECT_EQ(0, AskBackground(w.Bar, TRect{-2, 10, 10, 30}, again)) << "reaching out on the left";
    EXPECT_EQ(0, AskBackground(w.Bar, TRect{10, H - 5, 30, H + 1}, again)) << "reaching out below";

    w.Bar->BeginUpdate();
    EXPECT_EQ(0, AskBackground(w.Bar, button, again)) << "the toolbar paints nothing while updating";
    w.Bar->EndUpdate();
    ToolBarFaceCache = false;
    EXPECT_EQ(0, AskBackground(w.Bar, button, again)) << "no kept face";
    ToolBarFaceCache = true;
    w.Bar->InternalToolBarStyler()->SetTransparent(true);
    EXPECT_EQ(0, AskBackground(w.Bar, button, again)) << "a transparent styler shows the page";
    w.Bar->InternalToolBarStyler()->SetTransparent(false);
    ASSERT_EQ(1, AskBackground(w.Bar, button, again));

    // A graphic control reaching into the rectangle paints beneath the button too.
    auto* separator = new TOrvToolBarSeparator(w.Fixture.Form.get());
    separator->SetParent(w.Bar);
    w.Bar->PositionControls();
    const TRect s = separator->BoundsRect();
    ASSERT_FALSE(s.IsEmpty());
    EXPECT_EQ(0, AskBackground(w.Bar, s, again)) << "the separator lies beneath";
    separator->SetVisible(false);
    EXPECT_EQ(1, AskBackground(w.Bar, s, again)) << "a hidden one does not";
}

TEST(ToolBarFaces, OpaqueRoundedButtonsComposeOverTheKeptFaceWithoutPaintingTheToolBarAgain) {
    TCachesScope scope;
    TBarWindow w(false);
    ASSERT_TRUE(w.Buttons[0]->GetRounded());
    auto check = [&](const char* what) {
        auto kept = w.Grab(true);
        auto direct = w.Grab(false);
        EXPECT_EQ("", FirstDifference(*kept, *direct, 2)) << what;
    };
    check("first paint");
    check("second paint, from the kept faces");

    GlowFaceCache = ToolBarFaceCache = true;
    for (TOrvGlowButton* b : w.Buttons) Snapshot(b);
    const int paints = w.Bar->Paints;
    SharedFaceCache().ResetCounters();
    for (TOrvGlowButton* b : w.Buttons) Snapshot(b);
    EXPECT_EQ(0u, SharedFaceCache().Misses()) << "a steady repaint is kept faces only";
    EXPECT_EQ(w.Bar->Paints, paints) << "the corners come with the button's face, not from a toolbar paint";

    // Changes beneath and of the buttons reach their faces.
    w.Bar->InternalToolBarStyler()->Color().Mirror().SetColorMirror(0x90E090);
    check("a colour of the background");
    w.Buttons[2]->SetCaption(L"Longer command");
    w.Page->ArrangeToolBars();
    orvtest::PumpFor(30);
    check("a caption and the places after it");
    PointAt(w.Buttons[1], 5, 5);
    orvtest::PumpFor(300);
    check("a hot button");
}
