// Values and pixels of the application (shape) button: appearance defaults and copies,
// palettes, geometry, style bounds, the frame height, and the painted shapes.
#include <gtest/gtest.h>

#include "ShapeButtonTestSupport.h"
#include "appmenu/OrvPreviewMenu.h"
#include "framework/ActnList.h"
#include "framework/RegisteredMessages.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "paint/ShapeButtonPaint.h"
#include "toolbar/OrvToolBarForm.h"

using namespace shapetest;

namespace {

// A 16 x 16 24-bit BMP of one colour (0x00BBGGRR).
std::vector<uint8_t> SolidBmp(TColor color) {
    const int w = 16, h = 16, row = w * 3;
    std::vector<uint8_t> out(54 + static_cast<size_t>(row) * h);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    out[26] = 1;
    out[28] = 24;
    for (size_t at = 54; at + 2 < out.size(); at += 3) {
        out[at] = static_cast<uint8_t>(color >> 16);
        out[at + 1] = static_cast<uint8_t>(color >> 8);
        out[at + 2] = static_cast<uint8_t>(color);
    }
    return out;
}

// The button alone, painted into a bitmap as its own paint does, through the kept face
// or drawn afresh.
std::unique_ptr<TBitmap> PaintButton(TOrvShapeButton* b, bool kept) {
    bool saved = ShapeButtonFaceCache;
    ShapeButtonFaceCache = kept;
    auto bmp = std::make_unique<TBitmap>(b->Width(), b->Height());
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    ShapeButtonFaceCache = saved;
    return bmp;
}

int DifferentPixels(TBitmap& a, TBitmap& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += a.PixelColor(x, y) != b.PixelColor(x, y);
    return n;
}

}  // namespace

TEST(ShapeButtonAppearance, DefaultsAssignAndAssignColors) {
    TOrvShapeButtonAppearance a;
    EXPECT_EQ(a.GetShape(), TOrvButtonShape::bsCustom);
    const TColor colours[] = {a.GetBorderColor(),
                              a.GetBorderColorHot(),
                              a.GetBorderColorDown(),
                              a.GetBorderColorDisabled(),
                              a.GetInnerBorderColor(),
                              a.GetInnerBorderColorHot(),
                              a.GetInnerBorderColorDown(),
                              a.GetInnerBorderColorDisabled(),
                              a.GetColor(),
                              a.GetColorTo(),
                              a.GetColorMirror(),
                              a.GetColorMirrorTo(),
                              a.GetColorHot(),
                              a.GetColorHotTo(),
                              a.GetColorHotMirror(),
                              a.GetColorHotMirrorTo(),
                              a.GetColorDown(),
                              a.GetColorDownTo(),
                              a.GetColorDownMirror(),
                              a.GetColorDownMirrorTo(),
                              a.GetColorDisabled(),
                              a.GetColorDisabledTo(),
                              a.GetColorDisabledMirror(),
                              a.GetColorDisabledMirrorTo(),
                              a.GetMenuShapeColor(),
                              a.GetMenuShapeColorHot(),
                              a.GetMenuShapeColorDown(),
                              a.GetMenuShapeColorDisabled()};
    const TColor expected[] = {12413505, 13993796, 12413505, 8421504,  13607033, 15978143, 13607033,
                               12632256, 13011785, 11757871, 8929562,  13540160, 15710584, 13796424,
                               11488785, 16777110, 13011785, 11757871, 8929562,  13540160, 14408667,
                               12895428, 11184810, 12632256, 16777215, 16777215, 16777215, 16777215};
    for (size_t i = 0; i < std::size(expected); ++i) EXPECT_EQ(colours[i], expected[i]) << "colour " << i;
    EXPECT_FALSE(a.GetShowMenuShape());
    EXPECT_TRUE(a.GetShowPicture());

    TOrvShapeButtonAppearance b;
    b.SetShape(TOrvButtonShape::bsOrb);
    b.SetShowMenuShape(true);
    b.SetShowPicture(false);
    b.SetColorHotMirrorTo(0x123456);
    b.SetMenuShapeColorDisabled(0x654321);
    TOrvShapeButtonAppearance colours2;
    colours2.AssignColors(&b);
    EXPECT_EQ(colours2.GetColorHotMirrorTo(), 0x123456);
    EXPECT_EQ(colours2.GetMenuShapeColorDisabled(), 0x654321);
    EXPECT_EQ(colours2.GetShape(), TOrvButtonShape::bsCustom) << "AssignColors leaves the shape";
    EXPECT_FALSE(colours2.GetShowMenuShape());
    EXPECT_TRUE(colours2.GetShowPicture());
    TGlowButtonAppearance other;
    colours2.AssignColors(&other);  // another kind of record is ignored
    EXPECT_EQ(colours2.GetColorHotMirrorTo(), 0x123456);

    TOrvShapeButtonAppearance whole;
    whole.Assign(&b);
    EXPECT_EQ(whole.GetShape(), TOrvButtonShape::bsOrb) << "Assign copies the whole look";
    EXPECT_TRUE(whole.GetShowMenuShape());
    EXPECT_FALSE(whole.GetShowPicture());
    EXPECT_EQ(whole.GetColorHotMirrorTo(), 0x123456);
}

TEST(ShapeButtonAppearance, OneColourPaletteOnlyWithUseGlobalColor) {
    TOwnedPtr<TOrvShapeButton> button(Make<TOrvShapeButton>(nullptr));
    TOrvShapeButtonAppearance& a = button->Appearance();
    a.UpdateButtonColor(0x373737);
    EXPECT_EQ(a.GetBorderColor(), 12413505u) << "without UseGlobalColor nothing changes";

    button->SetUseGlobalColor(true);
    // Channel 55: lighten 40 -> 135, 30 -> 115, 10 -> 75; darken 40 -> 33.
    a.SetColor(0x373737);
    EXPECT_EQ(a.GetBorderColor(), 0x212121u);
    EXPECT_EQ(a.GetInnerBorderColor(), 0x878787u);
    EXPECT_EQ(a.GetColor(), 0x737373u);
    EXPECT_EQ(a.GetColorTo(), 0x4B4B4Bu);
    EXPECT_EQ(a.GetColorMirror(), 0x373737u);
    EXPECT_EQ(a.GetColorMirrorTo(), 0x373737u);
    // Hot: each lightened 10 more (33 -> 55, 135 -> 147, 115 -> 129, 75 -> 93, 55 -> 75).
    EXPECT_EQ(a.GetBorderColorHot(), 0x373737u);
    EXPECT_EQ(a.GetInnerBorderColorHot(), 0x939393u);
    EXPECT_EQ(a.GetColorHot(), 0x818181u);
    EXPECT_EQ(a.GetColorHotTo(), 0x5D5D5Du);
    EXPECT_EQ(a.GetColorHotMirror(), 0x4B4B4Bu);
    EXPECT_EQ(a.GetColorHotMirrorTo(), 0x4B4B4Bu);
    // Down: as normal.
    EXPECT_EQ(a.GetBorderColorDown(), 0x212121u);
    EXPECT_EQ(a.GetInnerBorderColorDown(), 0x878787u);
    EXPECT_EQ(a.GetColorDown(), 0x737373u);
    EXPECT_EQ(a.GetColorDownTo(), 0x4B4B4Bu);
    EXPECT_EQ(a.GetColorDownMirror(), 0x373737u);
    EXPECT_EQ(a.GetColorDownMirrorTo(), 0x373737u);
    EXPECT_EQ(a.GetColorDisabled(), 14408667u) << "disabled colours stay";
}

TEST(ShapeButtonGeometry, PictureLayoutsAndMenuPlacement) {
    // Centred picture, caption over the whole client area.
    TShapeContentLayout c = ShapeContentLayout(plPictureCenter, 55, 24, 16, 16, 13);
    EXPECT_EQ(c.Picture, (TPoint{19, 4}));
    EXPECT_EQ(c.Caption, (TRect{0, 0, 55, 24}));
    EXPECT_FALSE(c.CaptionTop);
    // A tall caption never pushes the picture above y = 2.
    TShapeContentLayout top = ShapeContentLayout(plPictureOnTop, 55, 24, 16, 16, 40);
    EXPECT_EQ(top.Picture, (TPoint{19, 2}));
    EXPECT_EQ(top.Caption, (TRect{0, 16, 55, 24}));
    EXPECT_TRUE(top.CaptionTop);
    TShapeContentLayout onTop = ShapeContentLayout(plPictureOnTop, 55, 45, 16, 16, 13);
    EXPECT_EQ(onTop.Picture.Y, 8);
    EXPECT_EQ(onTop.Caption.Top, 22);
    TShapeContentLayout bottom = ShapeContentLayout(plPictureAtBottom, 55, 45, 16, 16, 13);
    EXPECT_EQ(bottom.Caption, (TRect{0, 8, 55, 20}));
    EXPECT_EQ(bottom.Picture, (TPoint{19, 21}));
    EXPECT_EQ(ShapeContentLayout(plPictureAtBottom, 55, 20, 16, 16, 13).Caption.Top, 2);
    // Without a picture the caption is the client area whatever the layout.
    EXPECT_EQ(ShapeContentLayout(plPictureOnTop, 55, 24, 0, 0, 13).Caption, (TRect{0, 0, 55, 24}));

    // The menu under the button (scenic: at its top - 1; else below, 3 to the left).
    TShapeMenuPlacement scenic = ShapeMenuPlacement(true, {100, 200}, 24, 253, 26, 1024);
    EXPECT_EQ(scenic.Origin, (TPoint{100, 199}));
    EXPECT_EQ(scenic.OffSet, 0);
    TShapeMenuPlacement classic = ShapeMenuPlacement(false, {100, 200}, 45, 253, 16, 1024);
    EXPECT_EQ(classic.Origin, (TPoint{97, 231}));
    // Shifted left so its right edge meets the work area's.
    TShapeMenuPlacement shifted = ShapeMenuPlacement(true, {900, 200}, 24, 253, 26, 1024);
    EXPECT_EQ(shifted.OffSet, -129);
    EXPECT_EQ(shifted.Origin, (TPoint{771, 199}));
}

TEST(ShapeButtonStyle, InitializeStyleBoundsAndColourPresets) {
    TMainWindow w;
    TOrvShapeButton* b = w.Button;
    {
        TLookFlags flags(true, false);
        b->InitializeStyle();
        EXPECT_EQ(b->BoundsRect(), Bounds(0, 27 + 3, 55, 24)) << "below the pager's caption";
        EXPECT_EQ(b->Appearance().GetShape(), TOrvButtonShape::bsRectangle);
        EXPECT_TRUE(b->Appearance().GetShowMenuShape());
        w.Pager->Caption().SetVisible(false);
        b->InitializeStyle();
        EXPECT_EQ(b->BoundsRect(), Bounds(0, 3, 55, 24));
        w.Pager->Caption().SetVisible(true);
    }
    {
        TLookFlags flags(true, true);
        b->InitializeStyle();
        EXPECT_FALSE(b->Appearance().GetShowMenuShape()) << "no menu glyph in the Office 2010 look";
        b->InitializeColors();
        const TOrvShapeButtonAppearance& a = b->Appearance();
        EXPECT_EQ(a.GetBorderColor(), 10569759u);
        EXPECT_EQ(a.GetBorderColorDown(), 10569759u);
        EXPECT_EQ(a.GetInnerBorderColor(), 15042372u);
        EXPECT_EQ(a.GetColor(), 14318910u);
        EXPECT_EQ(a.GetColorTo(), 11690024u);
        EXPECT_EQ(a.GetColorDownTo(), 11690024u);
        EXPECT_EQ(a.GetInnerBorderColorHot(), 15966549u);
        EXPECT_EQ(a.GetColorHot(), 14515779u);
        EXPECT_EQ(a.GetColorHotTo(), 12347186u);
        EXPECT_EQ(a.GetColorMirror(), 8929562u) << "the rest back to the defaults";
    }
    {
        TLookFlags flags(false, false);
        b->InitializeStyle();
        EXPECT_EQ(b->BoundsRect(), Bounds(5, 6, 45, 45));
        EXPECT_EQ(b->Appearance().GetShape(), TOrvButtonShape::bsOrb);
        EXPECT_FALSE(b->Appearance().GetShowMenuShape());
        b->InitializeColors();
        const TOrvShapeButtonAppearance& a = b->Appearance();
        EXPECT_EQ(a.GetBorderColorDisabled(), 0xFFFFFFu);
        EXPECT_EQ(a.GetInnerBorderColorDown(), 8421504u);
        EXPECT_EQ(a.GetColor(), 12954008u);
        EXPECT_EQ(a.GetColorTo(), 15722980u);
        EXPECT_EQ(a.GetColorHotTo(), 14408667u);
        EXPECT_EQ(a.GetColorDown(), 10724259u);
        EXPECT_EQ(a.GetColorDisabledTo(), 8421504u);
        EXPECT_EQ(a.GetInnerBorderColorDisabled(), 12632256u) << "nothing else changes";
    }
    // ChangeStyle sets the bounds again from its own flag.
    {
        TLookFlags flags(false, false);
        b->ChangeStyle(true, -1);
        EXPECT_EQ(b->BoundsRect(), Bounds(0, 30, 55, 24));
    }
}

TEST(ShapeButtonStyle, TheVisualStateChoosesTheLookAndItsPicture) {
    TMainWindow w;
    TLookFlags flags(true, true);
    TOrvShapeButton* b = w.Button;
    b->Appearance().SetShape(TOrvButtonShape::bsCustom);
    b->SetText(L"");
    b->Picture().SetData(SolidBmp(0x0000FF));
    b->PictureHot().SetData(SolidBmp(0x00FF00));
    b->PictureDown().SetData(SolidBmp(0xFF0000));
    b->PictureDisabled().SetData(SolidBmp(0x808080));
    // The picture is centred: (19, 4) to (35, 20).
    auto centre = [&] { return Snapshot(b)->PixelColor(27, 12); };
    EXPECT_EQ(b->CurrentLook(), slNormal);
    EXPECT_TRUE(Near(centre(), 0x0000FF, 2)) << "Picture when normal";

    b->SetTabStop(true);
    b->SetFocus();
    orvtest::PumpFor(30);
    EXPECT_EQ(b->CurrentLook(), slHot) << "the focus makes it hot";
    EXPECT_TRUE(Near(centre(), 0x00FF00, 2)) << "PictureHot with the hot look";

    b->SetStyle(tasCheck);
    b->SetDown(true);
    EXPECT_EQ(b->CurrentLook(), slDown) << "down wins over hot";
    EXPECT_TRUE(Near(centre(), 0xFF0000, 2));
    b->PictureDown().Assign(nullptr);
    EXPECT_TRUE(Near(centre(), 0x0000FF, 2)) << "no down picture: Picture, not the hot one";

    b->SetEnabled(false);
    EXPECT_EQ(b->CurrentLook(), slDisabled) << "disabled wins over down";
    EXPECT_TRUE(Near(centre(), 0x808080, 2));
    b->SetEnabled(true);
    b->SetDown(false);

    // From the click until the delayed show has run, the button is down.
    b->SetFrame(w.Frame);
    b->Click();
    EXPECT_TRUE(b->MenuBeingShown());
    EXPECT_EQ(b->CurrentLook(), slDown) << "down while the frame is being shown";
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !b->MenuBeingShown(); }, 2000));
    EXPECT_NE(b->CurrentLook(), slDown);
    b->HideFrame();
}

TEST(ShapeButtonAction, CheckedAndGroupIndexFollowTheAction) {
    TFixture f;
    auto add = [&](int left) {
        auto* b = new TOrvShapeButton(f.Form.get());
        b->SetParent(f.Form.get());
        b->SetBounds(left, 10, 55, 24);
        return b;
    };
    TOrvShapeButton* first = add(10);
    TOrvShapeButton* second = add(80);
    auto* action = new TAction(f.Form.get());
    action->SetGroupIndex(2);
    first->SetAction(action);
    EXPECT_EQ(first->GetGroupIndex(), 2) << "a button without a group takes the action's";
    action->SetChecked(true);
    EXPECT_TRUE(first->GetDown()) << "Checked drives Down while the two agreed";

    auto* other = new TAction(f.Form.get());
    other->SetGroupIndex(7);
    second->SetGroupIndex(2);
    second->SetAction(other);
    EXPECT_EQ(second->GetGroupIndex(), 2) << "a button with a group keeps it";
    // The second of group 2 goes down: the first goes up and unchecks its action.
    second->SetDown(true);
    EXPECT_TRUE(second->GetDown());
    EXPECT_FALSE(first->GetDown());
    EXPECT_FALSE(action->GetChecked());
}

TEST(ShapeButtonStyle, FrameHeightOnAndOffGlassNormalAndMaximized) {
    int frame = GetSystemMetrics(SM_CXFRAME), border = GetSystemMetrics(SM_CYFRAME);
    int caption = GetSystemMetrics(SM_CYCAPTION);
    TMainWindow plain;
    int h = plain.Form->Height();
    EXPECT_EQ(plain.Button->GetFrameHeight(), h - (2 * frame + 0 + 24 + 30));
    plain.Form->SetWindowState(TWindowState::wsMaximized);
    orvtest::PumpFor(50);
    int hm = plain.Form->Height();
    EXPECT_EQ(plain.Button->GetFrameHeight(), hm - (2 * frame + border + 24 + 30));
    plain.Form->SetWindowState(TWindowState::wsNormal);

    // Glass needs the toolbar form under the pager.
    plain.Button->Perform(SetAeroVistaMessage(), 1);
    EXPECT_FALSE(plain.Button->IsAeroVista()) << "not on a toolbar form: glass stays off";
    TMainWindow glass(Make<TOrvToolBarForm>(nullptr));
    glass.Button->Perform(SetAeroVistaMessage(), 1);
    ASSERT_TRUE(glass.Button->IsAeroVista());
    int hg = glass.Form->Height();
    EXPECT_EQ(glass.Button->GetFrameHeight(), hg - (caption + 0 + 24 + 2 * frame));
    glass.Button->Perform(SetAeroVistaMessage(), 0);
    EXPECT_FALSE(glass.Button->IsAeroVista());
}

TEST(ShapeButtonPaint, ClassicRectangleRoundsOnlyItsTopRightCorner) {
    TLookFlags flags(false, false);
    TFixture f;
    f.Form->SetColor(0x00FF00);
    auto* b = new TOrvShapeButton(f.Form.get());
    b->SetParent(f.Form.get());
    b->SetBounds(10, 10, 55, 24);
    b->Appearance().SetShape(TOrvButtonShape::bsRectangle);
    b->Appearance().SetBorderColor(0x0000FF);
    auto bmp = Snapshot(b);
    auto isBorder = [](TColor c) { return Channel(c, 0) > 200 && Channel(c, 8) < 90; };
    auto isGround = [](TColor c) { return Channel(c, 8) > 200 && Channel(c, 0) < 90; };
    // The outline runs on (0, 0, 54, 23).
    EXPECT_TRUE(isBorder(bmp->PixelColor(0, 0))) << std::hex << bmp->PixelColor(0, 0);
    EXPECT_TRUE(isBorder(bmp->PixelColor(0, 23)));
    EXPECT_TRUE(isBorder(bmp->PixelColor(54, 23)));
    EXPECT_TRUE(isGround(bmp->PixelColor(54, 0)))
        << "the top-right corner is round: " << std::hex << bmp->PixelColor(54, 0);
    EXPECT_FALSE(isGround(bmp->PixelColor(27, 12))) << "filled inside";
}

TEST(ShapeButtonPaint, Office2010ThirdsOrbAndMenuGlyph) {
    TFixture f;
    f.Form->SetColor(0x00FF00);
    auto add = [&](TOrvButtonShape shape, int w, int h) {
        auto* b = new TOrvShapeButton(f.Form.get());
        b->SetParent(f.Form.get());
        b->SetBounds(10, 10, w, h);
        b->Appearance().SetShape(shape);
        return b;
    };
    {
        TLookFlags flags(true, true);
        TOrvShapeButton* b = add(TOrvButtonShape::bsRectangle, 55, 24);
        TOrvShapeButtonAppearance& a = b->Appearance();
        a.SetColor(0x0000FF);
        a.SetColorTo(0xFF0000);
        a.SetColorDown(0x0000FF);
        a.SetColorDownTo(0xFF0000);
        auto bmp = Snapshot(b);
        // The middle third (y 7.7 to 15.3, the top third drawn over it down to y 10) is solid
        // ColorTo where the bottom glow (from y 11.5) has not begun.
        EXPECT_TRUE(Near(bmp->PixelColor(27, 11), 0xFF0000, 6)) << std::hex << bmp->PixelColor(27, 11);
        EXPECT_GT(Channel(bmp->PixelColor(27, 2), 0), Channel(bmp->PixelColor(27, 2), 16)) << "top third from Color";
        // Down: no glow, the bottom third runs back to Color.
        b->SetStyle(tasCheck);
        b->SetDown(true);
        ASSERT_EQ(b->CurrentLook(), slDown);
        bmp = Snapshot(b);
        EXPECT_TRUE(Near(bmp->PixelColor(27, 12), 0xFF0000, 2)) << std::hex << bmp->PixelColor(27, 12);
        EXPECT_GT(Channel(bmp->PixelColor(27, 21), 0), Channel(bmp->PixelColor(27, 21), 16))
            << "bottom third back to Color: " << std::hex << bmp->PixelColor(27, 21);
        // Both top corners round.
        EXPECT_GT(Channel(bmp->PixelColor(0, 0), 8), 150);
        EXPECT_GT(Channel(bmp->PixelColor(54, 0), 8), 150);
    }
    {
        TLookFlags flags(false, false);
        TOrvShapeButton* orb = add(TOrvButtonShape::bsOrb, 45, 45);
        TOrvShapeButtonAppearance& a = orb->Appearance();
        a.SetColor(0x0000FF);
        a.SetColorTo(0x0000FF);
        a.SetBorderColor(0x0000FF);
        auto bmp = Snapshot(orb);
        EXPECT_TRUE(Near(bmp->PixelColor(1, 1), 0x00FF00, 2)) << "outside the orb";
        EXPECT_TRUE(Near(bmp->PixelColor(43, 43), 0x00FF00, 2));
        TColor low = bmp->PixelColor(22, 39);
        EXPECT_GT(Channel(low, 0), 170) << std::hex << low;
        EXPECT_GT(Channel(low, 0), Channel(low, 8) + 60) << "the red body near the bottom";
        TColor mid = bmp->PixelColor(22, 29);
        EXPECT_GT(Channel(mid, 8), Channel(low, 8) + 20) << "whitened by the highlight in the middle";
    }
    {
        TLookFlags flags(false, false);
        TOrvShapeButton* g = add(TOrvButtonShape::bsCustom, 55, 24);
        g->Appearance().SetShowMenuShape(true);
        g->Appearance().SetMenuShapeColor(0x0000FF);
        auto bmp = Snapshot(g);
        // x0 = 13, y0 = 6.5 on (0, 0, 54, 23): bar at x 14, bar at x 27, the triangle at (36, 12).
        EXPECT_TRUE(Near(bmp->PixelColor(14, 12), 0x0000FF, 2)) << std::hex << bmp->PixelColor(14, 12);
        EXPECT_TRUE(Near(bmp->PixelColor(27, 12), 0x0000FF, 2));
        EXPECT_TRUE(Near(bmp->PixelColor(36, 13), 0x0000FF, 40));
        EXPECT_TRUE(Near(bmp->PixelColor(31, 12), 0x00FF00, 2)) << "between the list and the arrow";
        EXPECT_TRUE(Near(bmp->PixelColor(5, 12), 0x00FF00, 2)) << "left of the glyph";
    }
}

TEST(ShapeButtonPaint, OnThePagersBackdropTheKeptFaceIsTheDirectPaintAndFollowsIt) {
    TMainWindow w;
    TLookFlags flags(true, true);
    w.Pager->Caption().SetCaption(L"Quillan - a caption long enough to lie under the button");
    TOrvShapeButton* b = w.Button;
    // Picture and text only, over the middle of the caption text, where the pager names
    // its backdrop: the face is the pager's pixels.
    b->Appearance().SetShape(TOrvButtonShape::bsCustom);
    b->SetText(L"");
    b->SetBounds(w.Pager->Width() / 2 - 27, 2, 55, 24);
    orvtest::PumpFor(30);
    TParentBackgroundQuery query;
    query.Rect = b->BoundsRect();
    ASSERT_EQ(w.Pager->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query)), 1);

    auto same = [&](const char* what) {
        auto kept = PaintButton(b, true);
        auto direct = PaintButton(b, false);
        EXPECT_EQ(DifferentPixels(*kept, *direct), 0) << what;
        return kept;
    };
    same("first paint");
    SharedFaceCache().ResetCounters();
    auto before = same("from the kept face");
    EXPECT_EQ(SharedFaceCache().Misses(), 0u) << "a steady repaint makes no face";
    // The caption text beneath goes: the face must follow the pager.
    w.Pager->Caption().SetCaption(L"");
    orvtest::PumpFor(30);
    auto after = same("the text beneath gone");
    EXPECT_GT(DifferentPixels(*before, *after), 20) << "the text showed and is gone";

    b->Appearance().SetShape(TOrvButtonShape::bsRectangle);
    b->SetText(L"File");
    same("the rectangle");
    b->SetFocus();
    orvtest::PumpFor(30);
    same("hot");
}

TEST(ShapeButtonPaint, FrameWindowTopStrip) {
    TFixture f;
    auto* b = new TOrvShapeButton(f.Form.get());
    b->SetBounds(0, 30, 55, 24);
    b->Appearance().SetColor(0x0000FF);
    TOwnedPtr<TFrameWindow> w(new TFrameWindow(b));
    w->SetBounds(0, 0, 400, 100);
    TBitmap bmp(400, 10);
    bmp.Canvas().Brush().SetColor(0x00FF00);
    bmp.Canvas().FillRect({0, 0, 400, 10});
    w->PaintStrip(bmp.Canvas().Handle());
    TColor active = GetSysColor(COLOR_ACTIVEBORDER) & 0xFFFFFF;
    EXPECT_EQ(bmp.PixelColor(55, 0), active) << "the line starts right of the button";
    EXPECT_EQ(bmp.PixelColor(399, 0), active);
    EXPECT_TRUE(Near(bmp.PixelColor(2, 1), 0x0000FF, 12)) << "the colour fades from the button's left";
    TColor late = bmp.PixelColor(340, 1);
    EXPECT_GT(Channel(late, 8), 200) << "nearly clear at 0.9 of the width";
    EXPECT_TRUE(Near(bmp.PixelColor(370, 2), 0x00FF00, 0)) << "nothing beyond 0.9 of the width";
    EXPECT_TRUE(Near(bmp.PixelColor(100, 5), 0x00FF00, 0)) << "only the top 3 rows";
}

TEST(ShapeButtonPaint, FrameWindowTopStripIsNineTenthsOfTheWindowWideWhereverTheButtonIs) {
    // The strip is the box (button Left, 0, 0.9 x W, 3): from 100 to 460 in a 400-wide
    // window, fading from the button's colour to clear.
    TFixture f;
    auto* b = new TOrvShapeButton(f.Form.get());
    b->SetBounds(100, 30, 55, 24);
    b->Appearance().SetColor(0x0000FF);
    TOwnedPtr<TFrameWindow> w(new TFrameWindow(b));
    w->SetBounds(0, 0, 400, 100);
    TBitmap bmp(480, 10);
    bmp.Canvas().Brush().SetColor(0x00FF00);
    bmp.Canvas().FillRect({0, 0, 480, 10});
    w->PaintStrip(bmp.Canvas().Handle());
    EXPECT_TRUE(Near(bmp.PixelColor(99, 2), 0x00FF00, 0)) << "nothing left of the button";
    EXPECT_TRUE(Near(bmp.PixelColor(102, 1), 0x0000FF, 12)) << "the colour starts at the button's left";
    // Three quarters along (370) about a quarter of the colour is left.
    TColor along = bmp.PixelColor(370, 1);
    EXPECT_GT(Channel(along, 0), 30) << std::hex << along;
    EXPECT_LT(Channel(along, 0), 110) << std::hex << along;
    EXPECT_GT(Channel(bmp.PixelColor(440, 2), 0), 0) << "still tinted short of 460";
    EXPECT_TRUE(Near(bmp.PixelColor(465, 2), 0x00FF00, 0)) << "nothing beyond 460";
}

TEST(ShapeButtonPaint, TheOffice2010RectangleKeepsTheCallersClip) {
    // The caller keeps the band 20..30 out of its clip: the face's own clip of its inner
    // outline narrows it, and it still holds after the face is drawn.
    TBitmap bmp(60, 30);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect({0, 0, 60, 30});
    TShapeButtonColors colors;
    colors.BorderColor = 0x800000;
    colors.InnerBorderColor = 0xFF8080;
    colors.Color = 0x0000FF;
    colors.ColorTo = 0x000080;
    {
        TGPGraphics g(bmp.Canvas().Handle());
        TGPRegion clip(TGPRectF{0, 0, 60, 30});
        TGPGraphicsPath band;
        band.AddRectangle({20, 0, 10, 30});
        clip.Exclude(band);
        g.SetClip(clip);
        DrawShapeButtonOffice2010Rect(g, 0, 0, 55, 24, colors, 60);
        g.FillRectangle(TGPSolidBrush(0xFF00FF00), TGPRectF{0, 26, 60, 4});
    }
    for (int y = 0; y < 30; ++y)
        for (int x = 20; x < 30; ++x) ASSERT_EQ(bmp.PixelColor(x, y), clWhite) << x << "," << y;
    EXPECT_GT(Channel(bmp.PixelColor(10, 12), 0), 100) << "the face is painted beside the band";
    EXPECT_EQ(bmp.PixelColor(10, 28), clLime) << "the caller's clip still holds";
}

TEST(ShapeButtonPaint, ItsPictureOnTheApplicationMenuKeepsTheMenusClip) {
    // The menu draws the button on its top frame into its own canvas; a band the menu keeps
    // out of its clip must stay untouched by the button's picture.
    TMainWindow w;
    TLookFlags flags(false, false);
    TOrvShapeButton* b = w.Button;
    auto* menu = new TOrvPreviewMenu(w.Form.get());
    b->SetOrvPreviewMenu(menu);
    b->Appearance().SetShape(TOrvButtonShape::bsCustom);
    b->SetText(L"");
    b->Picture().SetData(SolidBmp(0x0000FF));
    auto paint = [&](bool band, int bandLeft) {
        auto bmp = std::make_unique<TBitmap>(200, 120);
        bmp->Canvas().Brush().SetColor(clLime);
        bmp->Canvas().FillRect({0, 0, 200, 120});
        if (band) ExcludeClipRect(bmp->Canvas().Handle(), bandLeft, 0, bandLeft + 4, 120);
        b->DrawOnPreviewMenu(nullptr, bmp->Canvas(), {0, 0, 200, 120});
        return bmp;
    };
    // Where the picture lands when nothing is kept out.
    auto whole = paint(false, 0);
    int left = -1, row = -1;
    for (int y = 0; y < 120 && left < 0; ++y)
        for (int x = 0; x < 200; ++x)
            if (Near(whole->PixelColor(x, y), 0x0000FF, 2)) {
                left = x;
                row = y;
                break;
            }
    ASSERT_GE(left, 0) << "the picture is drawn on the menu";
    auto banded = paint(true, left + 4);
    for (int x = left + 4; x < left + 8; ++x)
        EXPECT_EQ(banded->PixelColor(x, row + 2), clLime) << "kept out at x " << x;
    EXPECT_TRUE(Near(banded->PixelColor(left + 1, row + 2), 0x0000FF, 2)) << "the picture beside the band";
}
