// Where a toolbar takes its looks from: the active tab group's caption, background and
// border; the styler's background picture; the border on glass; no border at full size.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;
using namespace glowtest;

namespace {

constexpr TColor kGreen = 0x0000C000;
constexpr TColor kRed = 0x000000D0;
constexpr TColor kBlue = 0x00D00000;

// A pager with two pages; the first belongs to a tab group and holds a captioned toolbar.
template <class TFormClass>
struct TGroupedPager {
    TOwnedPtr<TFormClass> Form{Make<TFormClass>(nullptr)};
    TOrvToolBarPager* Pager;
    TOrvToolBar* Bar;
    TTabGroupItem* Group;
    TGroupedPager() {
        Form->SetBounds(60, 60, 640, 300);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetAlign(TAlign::alNone);
        Pager->SetBounds(0, 0, 600, 149);
        Pager->SetParent(Form.get());
        TOrvPage* home = Pager->AddOrvPage(L"Home");
        Pager->AddOrvPage(L"Insert");
        Group = Pager->TabGroups().Add();
        Group->SetCaption(L"Tools");
        Group->SetTabIndexStart(0);
        Group->SetTabIndexEnd(0);
        Bar = new TOrvToolBar(Form.get());
        Bar->SetCaption(L"Clipboard");
        Bar->SetShowCaption(true);
        Bar->SetCaptionPosition(cpBottom);
        Bar->SetShowRightHandle(false);
        home->AddOrvToolBar(Bar);
        auto* b = new TOrvGlowButton(Form.get());
        b->SetCaption(L"Paste");
        b->SetParent(Bar);
        Pager->SetActivePageIndex(0);
    }
};

struct TStylerScope {
    bool Scenic = ScenicRibbonMode, Look = Office2010Look;
    ~TStylerScope() {
        ScenicRibbonMode = Scenic;
        Office2010Look = Look;
    }
};

// A docked toolbar on a form, 200 x 40, white, with its own styler.
struct TDockedBar {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBar* Bar;
    TCustomOrvToolBarStyler* Styler;
    TDockedBar() {
        Form->SetBounds(100, 100, 400, 200);
        Bar = new TOrvToolBar(Form.get());
        Bar->SetAutoSize(false);
        Bar->SetShowRightHandle(false);
        Bar->SetParent(Form.get());
        Bar->SetBounds(0, 0, 200, 40);
        Styler = Bar->CurrentToolBarStyler();
        Styler->SetDragGripStyle(dsNone);
        Styler->Color().SetColor(clWhite);
        Styler->Color().SetColorTo(clWhite);
        Styler->SetBorderColor(clNone);
    }
};

bool IsNear(TColor a, TColor b) {
    return static_cast<bool>(Near(a, b, 16));
}

}  // namespace

TEST(ToolBarLooks, OnTheActivePageOfATabGroupTheGroupsCaptionBackgroundAndBorderShow) {
    TGroupedPager<TForm> p;
    TGroupAppearance& g = p.Bar->CurrentToolBarStyler()->GroupAppearance();
    g.ToolBarAppearance().Color().SetColor(kGreen);
    g.ToolBarAppearance().Color().SetColorTo(clNone);
    g.ToolBarAppearance().SetBorderColor(kBlue);
    g.CaptionAppearance().SetCaptionColor(kRed);
    g.CaptionAppearance().SetCaptionColorTo(clNone);
    g.CaptionAppearance().SetCaptionBorderColor(clNone);
    const int w = p.Bar->Width(), h = p.Bar->Height();
    ASSERT_GT(w, 40);

    auto grouped = Snapshot(p.Bar);
    EXPECT_TRUE(IsNear(grouped->PixelColor(w - 6, 10), kGreen)) << "the group's toolbar background";
    EXPECT_TRUE(IsNear(grouped->PixelColor(w / 2, h - 1), kRed)) << "the group's caption colour";
    EXPECT_TRUE(IsNear(grouped->PixelColor(w / 2, 0), kBlue)) << "the group's toolbar border";

    // Another page active: the toolbar's page is no longer the group's active page.
    p.Pager->SetActivePageIndex(1);
    auto plain = Snapshot(p.Bar);
    EXPECT_FALSE(IsNear(plain->PixelColor(w - 6, 10), kGreen));
    EXPECT_FALSE(IsNear(plain->PixelColor(w / 2, h - 1), kRed));

    // A group with its own appearance paints with that one.
    p.Pager->SetActivePageIndex(0);
    p.Group->SetDefaultAppearance(false);
    p.Group->GroupAppearance().ToolBarAppearance().Color().SetColor(kBlue);
    p.Group->GroupAppearance().ToolBarAppearance().Color().SetColorTo(clNone);
    auto own = Snapshot(p.Bar);
    EXPECT_TRUE(IsNear(own->PixelColor(w - 6, 10), kBlue));
}

TEST(ToolBarLooks, TheStylersBackgroundPictureIsTiledCentredOrStretchedInsetBy2) {
    TDockedBar d;
    // 8 x 8: the left half red, the right half blue.
    TBitmap picture(8, 8);
    picture.Canvas().Brush().SetColor(kRed);
    picture.Canvas().FillRect({0, 0, 4, 8});
    picture.Canvas().Brush().SetColor(kBlue);
    picture.Canvas().FillRect({4, 0, 8, 8});
    d.Styler->SetBackGround(picture);

    d.Styler->SetBackGroundDisplay(bdStretch);
    auto stretched = Snapshot(d.Bar);
    EXPECT_TRUE(IsNear(stretched->PixelColor(3, 20), kRed)) << "stretched over (2, 2, 198, 38)";
    EXPECT_TRUE(IsNear(stretched->PixelColor(196, 20), kBlue));
    EXPECT_TRUE(IsNear(stretched->PixelColor(50, 2), kRed));
    EXPECT_TRUE(IsNear(stretched->PixelColor(50, 37), kRed));
    EXPECT_TRUE(IsNear(stretched->PixelColor(50, 1), clWhite)) << "inset by 2";
    EXPECT_TRUE(IsNear(stretched->PixelColor(50, 38), clWhite));
    EXPECT_TRUE(IsNear(stretched->PixelColor(1, 20), clWhite));

    d.Styler->SetBackGroundDisplay(bdCenter);
    auto centred = Snapshot(d.Bar);
    EXPECT_TRUE(IsNear(centred->PixelColor(96, 16), kRed)) << "once, at ((200 - 8) / 2, (40 - 8) / 2)";
    EXPECT_TRUE(IsNear(centred->PixelColor(103, 23), kBlue));
    EXPECT_TRUE(IsNear(centred->PixelColor(95, 16), clWhite));
    EXPECT_TRUE(IsNear(centred->PixelColor(96, 24), clWhite));

    d.Styler->SetBackGroundDisplay(bdTile);
    auto tiled = Snapshot(d.Bar);
    for (int x : {1, 9, 97, 193}) EXPECT_TRUE(IsNear(tiled->PixelColor(x, 1), kRed)) << "tiles from (1, 1): " << x;
    for (int x : {5, 101, 189}) EXPECT_TRUE(IsNear(tiled->PixelColor(x, 20), kBlue)) << x;
    EXPECT_TRUE(IsNear(tiled->PixelColor(0, 20), clWhite));
    EXPECT_TRUE(IsNear(tiled->PixelColor(100, 38), clWhite)) << "up to height - 2";
}

TEST(ToolBarLooks, AFullSizeToolBarHasNoBorder) {
    TDockedBar d;
    d.Styler->SetBorderColor(kRed);
    d.Styler->DockColor().SetColor(clWhite);
    d.Styler->DockColor().SetColorTo(clWhite);
    auto bordered = Snapshot(d.Bar);
    EXPECT_TRUE(IsNear(bordered->PixelColor(100, 0), kRed)) << "the border of a toolbar that is not full size";
    d.Bar->SetFullSize(true);
    auto full = Snapshot(d.Bar);
    EXPECT_TRUE(IsNear(full->PixelColor(100, 0), clWhite));
    EXPECT_TRUE(IsNear(full->PixelColor(100, 39), clWhite));
    EXPECT_TRUE(IsNear(full->PixelColor(0, 20), clWhite));
}

TEST(ToolBarLooks, OnGlassInScenicModeTheRightEdgeFadesIntoTheTabBorderColour) {
    TStylerScope scope;
    SetGlassOverride(TGlassOverride::goOn);
    TGroupedPager<TOrvToolBarForm> p;
    p.Form->Show();
    orvtest::PumpFor(60);
    SetGlassOverride(TGlassOverride::goNone);
    ASSERT_TRUE(p.Pager->IsAeroVista());
    // The look flags after the stylers were made (a style broadcast sets the first).
    Office2010Look = true;
    ScenicRibbonMode = true;
    ASSERT_TRUE(p.Pager->GlassDrawing());
    p.Group->SetTabIndexStart(1);  // the toolbar's page outside the group
    p.Group->SetTabIndexEnd(1);
    TCustomOrvToolBarStyler* s = p.Bar->CurrentToolBarStyler();
    s->SetBorderColor(0x808080);
    s->TabAppearance().SetBorderColor(kRed);
    const int w = p.Bar->Width(), h = p.Bar->Height();

    auto bmp = Snapshot(p.Bar);
    EXPECT_TRUE(IsNear(bmp->PixelColor(w - 3, h - 1), kRed)) << "the line ends opaque in the tab border colour";
    EXPECT_FALSE(IsNear(bmp->PixelColor(w - 3, 0), kRed)) << "and starts faint";
    EXPECT_FALSE(IsNear(bmp->PixelColor(w - 3, h - 1), 0xFAF1EC)) << "not the line of the look off glass";

    // Inside the active group the lower half runs into the group's border colour.
    p.Group->SetTabIndexStart(0);
    p.Group->SetTabIndexEnd(0);
    s->GroupAppearance().SetBorderColor(kBlue);
    auto grouped = Snapshot(p.Bar);
    EXPECT_TRUE(Near(grouped->PixelColor(w - 3, h - 1), kBlue, 60)) << "towards the group's border colour";
}
