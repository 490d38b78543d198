#include <gtest/gtest.h>

#include "GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "buttons/GlowButtonPresets.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/LayoutReader.h"
#include "framework/Menus.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/TestImages.h"

using namespace orv;
using namespace glowtest;

TEST(GlowButtonAppearance, DefaultsAreComputedAndEveryChangeIsAnnounced) {
    TGlowButtonAppearance a;
    EXPECT_EQ(a.GetColorDown(), 0xF5D8CA);
    EXPECT_EQ(a.GetColorDownTo(), 0xF9BDA0);
    EXPECT_EQ(a.GetColorMirrorDown(), 0xF5B49C);
    EXPECT_EQ(a.GetColorMirrorDownTo(), 0xFFDFDC);
    EXPECT_EQ(a.GetColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.GetColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.GetColorMirrorDisabled(), 0xB6B6B6);
    EXPECT_EQ(a.GetGradientMirrorChecked(), ggVertical);
    EXPECT_EQ(a.GetGradientDisabled(), ggRadial);
    EXPECT_TRUE(a.GetSystemFont());

    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    a.SetColorHot(0x123456);
    a.SetColorHot(0x123456);
    a.SetGradientMirrorDown(ggVertical);
    EXPECT_EQ(changes, 2) << "only changing setters fire";

    TGlowButtonAppearance other;
    other.SetColor(0x010203);
    other.SetGradientHot(ggDiagonalForward);
    changes = 0;
    a.Assign(&other);
    EXPECT_EQ(changes, 1) << "Assign fires once at the end";
    EXPECT_EQ(a.GetColor(), 0x010203);
    EXPECT_EQ(a.GetColorHot(), 0xF5F0E1);
    EXPECT_EQ(a.GetGradientHot(), ggDiagonalForward);
    a.SetColor(0);
    EXPECT_EQ(changes, 2) << "the record keeps its own change hook after Assign";
}

TEST(GlowButtonAppearance, PresetsLoadTheirColoursAndKeepWhatTheyLeaveOut) {
    TGlowButtonAppearance a;
    int changes = 0;
    a.OnChange = [&](TObject*) { ++changes; };
    ApplyGlowButtonPreset(a, tsOffice2010Blue);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(a.GetColor(), 0xFDF6EF);
    EXPECT_EQ(a.GetBorderColorHot(), 0x58CAF1);
    EXPECT_EQ(a.GetColorMirrorDownTo(), 0x6CD0FF);
    EXPECT_EQ(a.GetBorderColorChecked(), 0x308AC2);
    EXPECT_EQ(a.GetGradientHot(), ggVertical);
    EXPECT_EQ(a.GetGradientMirrorChecked(), ggVertical);
    EXPECT_EQ(a.GetGradientDisabled(), ggRadial) << "the disabled set is no preset's";

    TGlowButtonAppearance b;
    b.SetBorderColorChecked(0x111111);
    ApplyGlowButtonPreset(b, tsOffice2003Blue);
    EXPECT_EQ(b.GetBorderColorChecked(), 0x111111) << "a dash keeps the value";
    EXPECT_EQ(b.GetColorHotTo(), 0xACECFF);

    TGlowButtonAppearance t;
    t.SetBorderColor(0x222222);
    ApplyGlowButtonPreset(t, tsTerminal);
    EXPECT_EQ(t.GetColor(), clBtnFace);
    EXPECT_EQ(t.GetBorderColor(), 0x222222);
    EXPECT_EQ(t.GetGradientHot(), ggRadial) << "terminal keeps the gradients";
    EXPECT_EQ(t.GetBorderColorDown(), clHighlight);

    TGlowButtonAppearance c;
    changes = 0;
    c.OnChange = [&](TObject*) { ++changes; };
    ApplyGlowButtonPreset(c, tsCustom);
    EXPECT_EQ(changes, 0);
}

TEST(GlowButtonPaint, ANewButtonShowsWhiteGlassWithARoundedSilverFrame) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetCaption(L"Go");
    EXPECT_EQ(b->Width(), 100);
    EXPECT_EQ(b->Height(), 41);
    auto bmp = Snapshot(b.get());
    EXPECT_TRUE(Near(bmp->PixelColor(10, 4), clWhite)) << "upper half";
    EXPECT_TRUE(Near(bmp->PixelColor(10, 16), clWhite));
    EXPECT_TRUE(Near(bmp->PixelColor(10, 21), clWhite, 12)) << "lower half starts white";
    EXPECT_TRUE(Near(bmp->PixelColor(10, 38), 0xC0C0C0, 14)) << "lower half ends silver";
    EXPECT_LT(Channel(bmp->PixelColor(10, 30), 0), 0xF8) << "and runs between";
    EXPECT_GT(Channel(bmp->PixelColor(10, 30), 0), 0xC0);
    EXPECT_TRUE(Near(bmp->PixelColor(50, 0), 0xC0C0C0, 40)) << "frame on the top edge";
    EXPECT_TRUE(Near(bmp->PixelColor(0, 20), 0xC0C0C0, 40)) << "frame on the left edge";
    // Rounded: the very corner is not the frame colour (the line curves inwards).
    EXPECT_NE(bmp->PixelColor(0, 0), bmp->PixelColor(50, 0));
}

TEST(GlowButtonPaint, PaintsReleaseEverythingTheyMake) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 138, 61);
    b->SetCaption(L"Test\\nTwo");
    b->SetDropDownButton(true);
    b->NotesFont();
    b->SetNotes({L"notes"});
    auto bmp = std::make_unique<TBitmap>(138, 61);
    HDC dc = bmp->Canvas().Handle();
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    // Counted without the faces the cache keeps.
    SharedFaceCache().Clear();
    int gdi = GdiLiveTotal(), gdip = GdipLiveTotal();
    for (int i = 0; i < 30; ++i) {
        b->Perform(CM_MOUSEENTER);
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
        b->Perform(CM_MOUSELEAVE);
        b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    }
    SharedFaceCache().Clear();
    EXPECT_EQ(GdiLiveTotal(), gdi);
    EXPECT_EQ(GdipLiveTotal(), gdip);
}

TEST(GlowButtonAnimation, HoverFadesInAndOutInFiveSteps) {
    TStoppedGlowClock clock;
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    // Solid halves, white when normal and black when hot: the upper half shows the blend.
    TGlowButtonAppearance& a = b->Appearance();
    a.BeginUpdate();
    for (auto set : {&TGlowButtonAppearance::SetColor, &TGlowButtonAppearance::SetColorTo,
                     &TGlowButtonAppearance::SetColorMirror, &TGlowButtonAppearance::SetColorMirrorTo})
        (a.*set)(clWhite);
    for (auto set : {&TGlowButtonAppearance::SetColorHot, &TGlowButtonAppearance::SetColorHotTo,
                     &TGlowButtonAppearance::SetColorMirrorHot, &TGlowButtonAppearance::SetColorMirrorHotTo})
        (a.*set)(clBlack);
    a.SetGradientHot(ggVertical);
    a.SetGradientMirrorHot(ggVertical);
    a.EndUpdate();
    auto upper = [&] { return Snapshot(b)->PixelColor(50, 10); };

    PointAt(b, 50, 20);
    ASSERT_TRUE(b->Animating()) << "the pointer's arrival starts the fade";
    EXPECT_EQ(upper(), clWhite) << "the fade starts at the normal look";
    const TColor fadeIn[] = {0xCCCCCC, 0x999999, 0x666666, 0x333333, 0x000000};
    for (int i = 0; i < 5; ++i) {
        Tick(b);
        EXPECT_EQ(b->StepHover(), 20 * (i + 1));
        EXPECT_EQ(upper(), fadeIn[i]) << "step " << i + 1;
        EXPECT_TRUE(b->Animating());
    }
    Tick(b);
    EXPECT_FALSE(b->Animating()) << "the run ends after 100";
    EXPECT_EQ(upper(), clBlack);

    PointAt(f.Form.get(), 300, 250);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !b->Hot(); })) << "the pointer's leaving was not noticed";
    ASSERT_TRUE(b->Animating());
    const TColor fadeOut[] = {0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF};
    for (int i = 0; i < 5; ++i) {
        Tick(b);
        EXPECT_EQ(upper(), fadeOut[i]) << "step " << i + 1;
    }
    Tick(b);
    EXPECT_FALSE(b->Animating());
    EXPECT_EQ(upper(), clWhite);
}

TEST(GlowButtonAnimation, TheRealTimerRunsTheFadeToItsEnd) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    PointAt(b, 30, 20);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !b->Animating(); }, 2000));
    EXPECT_EQ(b->StepHover(), 100);
}

TEST(GlowButtonMouse, AReleaseInsideClicksOnceAndOutsideNot) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    PointAt(b, 20, 20);
    LeftDown();
    EXPECT_EQ(b->State(), absDown);
    LeftUp();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(b->State(), absUp);
    LeftDown();
    PointAt(b, 150, 20);
    EXPECT_EQ(b->State(), absUp) << "dragged outside";
    LeftUp();
    EXPECT_EQ(clicks, 1);
}

TEST(GlowButtonMouse, TheRowBelowTheButtonIsOutsideForTheDragAndTheRelease) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 100, 41);
    b->SetGroupIndex(1);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    PointAt(b, 20, 20);
    LeftDown();
    EXPECT_EQ(b->State(), absDown);
    PointAt(b, 20, 41);
    EXPECT_EQ(b->State(), absUp) << "y = Height is below the button";
    LeftUp();
    EXPECT_FALSE(b->GetDown()) << "a release below the button does not toggle it";
    EXPECT_EQ(clicks, 0);
    ClickAt(b, 20, 40);
    EXPECT_TRUE(b->GetDown()) << "the last row is inside";
    EXPECT_EQ(clicks, 1);
}

TEST(GlowButtonGroup, DownNeedsAGroupOrCheckStyle) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetDown(true);
    EXPECT_FALSE(b->GetDown());
    b->SetStyle(bsCheck);
    b->SetDown(true);
    EXPECT_TRUE(b->GetDown());
    EXPECT_EQ(b->State(), absDown);
}

TEST(GlowButtonGroup, DownOnAGroupedButtonWithoutParentSkipsTheBroadcast) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetGroupIndex(3);
    b->SetDown(true);
    EXPECT_TRUE(b->GetDown());
    EXPECT_EQ(b->State(), absExclusive);
}

TEST(GlowButtonGroup, PressingOneRaisesTheOtherAndTheDownOneStaysDownUnlessAllowAllUp) {
    TFixture f;
    auto* panel = new TPanel(f.Form.get());
    panel->SetBounds(0, 0, 300, 100);
    panel->SetParent(f.Form.get());
    TOrvGlowButton* first = f.Add(0, 0, 100, 41, panel);
    TOrvGlowButton* second = f.Add(110, 0, 100, 41, panel);
    TOrvGlowButton* elsewhere = f.Add(0, 150);  // same index, other parent
    for (TOrvGlowButton* b : {first, second, elsewhere}) b->SetGroupIndex(1);
    first->SetDown(true);
    elsewhere->SetDown(true);
    ClickAt(second, 20, 20);
    EXPECT_TRUE(second->GetDown());
    EXPECT_FALSE(first->GetDown());
    EXPECT_EQ(first->State(), absUp);
    EXPECT_TRUE(elsewhere->GetDown()) << "groups are per parent";
    ClickAt(second, 20, 20);
    EXPECT_TRUE(second->GetDown()) << "a group's down button cannot raise itself";
    second->SetAllowAllUp(true);
    ClickAt(second, 20, 20);
    EXPECT_FALSE(second->GetDown());
}

TEST(GlowButtonDropDown, SplitHitZonesAreFourteenForPressAndTwelveForHover) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 100, 41);
    b->SetDropDownButton(true);
    auto* menu = new TRecordingMenu(f.Form.get());
    b->SetDropDownMenu(menu);
    int clicks = 0, dropDowns = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->OnDropDown = [&](TObject*) { ++dropDowns; };

    ClickAt(b, 90, 20);
    EXPECT_EQ(dropDowns, 1);
    EXPECT_EQ(menu->Shown, 1);
    EXPECT_EQ(clicks, 0) << "the drop-down press is no click";
    EXPECT_EQ(menu->At, b->ClientToScreen({0, 41})) << "below the bottom-left corner";
    ClickAt(b, 80, 20);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(menu->Shown, 1);

    PointAt(b, 100 - 13, 20);
    EXPECT_FALSE(b->InDropDownPart()) << "x = width - 13 is outside the 12-pixel hover strip";
    PointAt(b, 100 - 11, 20);
    EXPECT_TRUE(b->InDropDownPart());
    ClickAt(b, 100 - 13, 20);
    EXPECT_EQ(menu->Shown, 2) << "but the press zone is 14 pixels";

    b->SetDropDownDirection(ddRight);
    ClickAt(b, 95, 20);
    EXPECT_EQ(menu->At, b->ClientToScreen({100, 0})) << "to the right: the top-right corner";
}

TEST(GlowButtonDropDown, ANonSplitButtonOpensFromAnywhereAndLooksPressedMeanwhile) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10, 100, 41);
    b->SetDropDownButton(true);
    b->SetDropDownSplit(false);
    // Solid looks: white normal, black hot, blue down.
    TGlowButtonAppearance& a = b->Appearance();
    a.SetColor(clWhite);
    a.SetColorTo(clWhite);
    a.SetColorHot(clBlack);
    a.SetColorHotTo(clBlack);
    a.SetColorDown(clBlue);
    a.SetColorDownTo(clBlue);
    a.SetGradientHot(ggVertical);
    a.SetGradientDown(ggVertical);
    auto* menu = new TRecordingMenu(f.Form.get());
    b->SetDropDownMenu(menu);
    bool droppedWhileOpen = false;
    TColor whileOpen = clNone;
    menu->WhileOpen = [&] {
        droppedWhileOpen = b->IsDroppedDown();
        orvtest::PumpUntil([&] { return !b->Animating(); }, 1000);
        whileOpen = Snapshot(b)->PixelColor(40, 8);
    };
    ClickAt(b, 5, 5);
    EXPECT_EQ(menu->Shown, 1);
    EXPECT_TRUE(droppedWhileOpen);
    EXPECT_EQ(whileOpen, clBlue) << "the pressed look after the fade";
    EXPECT_FALSE(b->IsDroppedDown());
}

TEST(GlowButtonSize, AutoSizeFollowsSpacingMarginsAndTheDropDownPart) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    TImageList* images = new TImageList(b.get());
    images->SetSize(24, 24);
    TBitmap glyph(24, 24);
    glyph.Canvas().Brush().SetColor(clGreen);
    glyph.Canvas().FillRect({0, 0, 24, 24});
    images->Add(glyph);
    b->SetImages(images);
    b->SetImageIndex(0);
    b->SetAutoSize(true);
    // A glyph alone: 3 x 2 + 24 + 2 x 1 + 2 wide, 2 x 2 + 24 + 2 x 1 high.
    EXPECT_EQ(b->Width(), 34);
    EXPECT_EQ(b->Height(), 30);
    b->SetSpacing(5);
    EXPECT_EQ(b->Width(), 15 + 24 + 2 + 2);
    EXPECT_EQ(b->Height(), 10 + 24 + 2);
    b->SetMarginHorz(2);
    b->SetMarginVert(3);
    EXPECT_EQ(b->Width(), 15 + 24 + 4 + 2);
    EXPECT_EQ(b->Height(), 10 + 24 + 6);
    b->SetDropDownButton(true);
    EXPECT_EQ(b->Width(), 45 + 14);
    EXPECT_EQ(b->Height(), 40);
    b->SetDropDownPosition(dpBottom);
    EXPECT_EQ(b->Width(), 45);
    EXPECT_EQ(b->Height(), 40 + 14);
}

TEST(GlowButtonSize, AClassicCaptionIsMeasuredByTheTextRoutine) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->Appearance().SetSystemFont(false);
    b->Font().SetName(L"Tahoma");
    b->Font().SetSize(8);
    b->SetAntiAlias(aaNone);
    b->SetCaption(L"Caption");
    b->SetNotes({L"A longer line of notes"});
    b->SetAutoSize(true);
    TBitmap probe(1, 1);
    auto measure = [&](const TFont& font, const std::wstring& text) {
        probe.Canvas().Font().Assign(&font);
        TRect r{0, 0, 4096, 0};
        probe.Canvas().DrawText(text, r, DT_CALCRECT | DT_WORDBREAK);
        return TSize{r.Width(), r.Height()};
    };
    TSize caption = measure(b->Font(), L"Caption"), notes = measure(b->NotesFont(), L"A longer line of notes");
    ASSERT_GT(notes.cx, caption.cx);
    // Without a glyph: the wider text + spacing, then 3 x spacing, 2 x margin and 2.
    EXPECT_EQ(b->Width(), notes.cx + 2 + 3 * 2 + 2 * 1 + 2);
    EXPECT_EQ(b->Height(), caption.cy + 2 + notes.cy + 2 * 2 + 2 * 1);
}

TEST(GlowButtonSize, TheLineBreakEscapeBreaksOnlyAtLargeSize) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetAutoSize(true);
    b->SetCaption(L"Line one\\nLine two");
    TSize broken = b->GetSizeForState(bsLarge);
    TSize label = b->GetSizeForState(bsLabel);
    b->SetCaption(L"Line one Line two");
    TSize oneLine = b->GetSizeForState(bsLarge);
    EXPECT_GT(broken.cy, oneLine.cy) << "two lines";
    EXPECT_LT(broken.cx, oneLine.cx);
    EXPECT_EQ(label, oneLine) << "a space at label size";
    EXPECT_LT(b->GetSizeForState(bsGlyph).cx, label.cx) << "no caption at glyph size";
}

TEST(GlowButtonSize, SizeStatesClampAndRestoreTheLayout) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->SetAutoSize(true);
    b->SetCaption(L"Wide caption");
    b->SetLayout(blGlyphTop);
    b->SetDropDownButton(true);
    b->SetDropDownPosition(dpBottom);
    b->SetButtonSizeState(bsGlyph);
    EXPECT_EQ(b->GetLayout(), blGlyphLeft);
    EXPECT_EQ(b->GetDropDownPosition(), dpRight);
    b->SetMinButtonSizeState(bsLabel);
    EXPECT_EQ(b->GetButtonSizeState(), bsLabel);
    b->SetMinButtonSizeState(bsGlyph);
    EXPECT_EQ(b->GetButtonSizeState(), bsLabel) << "a smaller minimum does not shrink";
    b->SetMaxButtonSizeState(bsLarge);
    EXPECT_EQ(b->GetButtonSizeState(), bsLarge);
    EXPECT_EQ(b->GetLayout(), blGlyphTop);
    EXPECT_EQ(b->GetDropDownPosition(), dpBottom);
    EXPECT_EQ(b->GetSizeForState(bsLarge), (TSize{b->Width(), b->Height()}));
}

TEST(GlowButtonLooks, DisabledAndTransparentButtons) {
    TFixture f;
    auto* panel = new TPanel(f.Form.get());
    panel->SetBounds(0, 0, 300, 100);
    panel->SetColor(clRed);
    panel->SetParent(f.Form.get());
    TOrvGlowButton* b = f.Add(20, 20, 100, 41, panel);
    b->SetAntiAlias(aaNone);
    b->SetCaption(L"Disabled");
    b->SetEnabled(false);
    auto disabled = Snapshot(b);
    EXPECT_EQ(disabled->PixelColor(50, 6), 0xF2F2F2) << "the disabled upper half";
    EXPECT_EQ(disabled->PixelColor(3, 23), 0xB6B6B6) << "the disabled lower half outside its glow";
    EXPECT_FALSE(PixelBox(*disabled, [](TColor c) { return c == 0x808080; }).IsEmpty()) << "grey text";
    b->SetShowDisabled(false);
    auto plain = Snapshot(b);
    EXPECT_EQ(plain->PixelColor(50, 6), clWhite) << "ShowDisabled off keeps the normal colours";
    EXPECT_TRUE(Near(plain->PixelColor(3, 23), clWhite, 16)) << "the normal lower half starts white";
    b->SetEnabled(true);
    b->SetCaption(L"");

    b->SetTransparent(true);
    auto idle = Snapshot(b);
    EXPECT_EQ(idle->PixelColor(50, 20), clRed) << "the parent shows through";
    EXPECT_EQ(idle->PixelColor(50, 0), clRed) << "and no frame";
    PointAt(b, 50, 20);
    auto hot = Snapshot(b);
    EXPECT_NE(hot->PixelColor(50, 20), clRed) << "hovered: the face is drawn";
    PointAt(f.Form.get(), 350, 250);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !b->Hot(); }));
    b->SetFocusType(ftHot);
    b->SetTabStop(true);
    b->SetFocus();
    auto focused = Snapshot(b);
    EXPECT_NE(focused->PixelColor(50, 20), clRed) << "focused with a hot focus type";

    b->SetTransparent(false);
    auto opaque = Snapshot(b);
    EXPECT_EQ(opaque->PixelColor(0, 0), clRed) << "the rounded corner pixel is the parent's";
}

TEST(GlowButtonKeyboard, EnterOnTheFocusedButtonClicksOnceAndEscapeClicksTheCancelButton) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    TOrvGlowButton* cancel = f.Add(10, 60);
    cancel->SetCancel(true);
    int clicks = 0, cancels = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    cancel->OnClick = [&](TObject*) { ++cancels; };
    b->SetTabStop(true);
    b->SetFocus();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return b->Focused(); }));
    Keys({VK_RETURN});
    EXPECT_EQ(clicks, 1);
    Key(VK_SPACE, false);
    orvtest::PumpFor(40);
    EXPECT_EQ(b->State(), absDown);
    Key(VK_SPACE, true);
    orvtest::PumpFor(40);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(b->State(), absUp);
    Keys({VK_ESCAPE});
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(clicks, 2);
}

TEST(GlowButtonKeyboard, CheckButtonsToggleOnClickAndOnRelease) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    b->SetStyle(bsCheck);
    ClickAt(b, 20, 20);
    EXPECT_TRUE(b->GetDown());
    ClickAt(b, 20, 20);
    EXPECT_FALSE(b->GetDown());
    PointAt(b, 20, 20);
    LeftDown();
    PointAt(b, 300, 20);
    LeftUp();
    EXPECT_FALSE(b->GetDown()) << "a release outside takes the check back";
}

TEST(GlowButtonRepeat, HeldButtonsRepeatTheirClick) {
    TFixture f;
    TOrvGlowButton* b = f.Add(10, 10);
    b->SetRepeatClick(true);
    b->SetInitRepeatPause(50);
    b->SetRepeatPause(20);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    PointAt(b, 20, 20);
    LeftDown();
    ASSERT_EQ(GetCapture(), b->Handle());
    orvtest::PumpUntil([&] { return clicks >= 3; }, 2000);
    LeftUp();
    EXPECT_GE(clicks, 4) << "repeats plus the release click";
    int after = clicks;
    orvtest::PumpFor(150);
    EXPECT_EQ(clicks, after) << "the release stops the repeat";
}

TEST(GlowButtonActions, TheActionDrivesCaptionCheckedStateAndTheClick) {
    TFixture f;
    auto* list = new TActionList(f.Form.get());
    auto* action = new TAction(f.Form.get());
    action->SetActionList(list);
    action->SetCaption(L"Act");
    action->SetGroupIndex(2);
    int executed = 0;
    action->OnExecute = [&](TObject*) { ++executed; };
    TOrvGlowButton* b = f.Add(10, 10);
    b->SetAction(action);
    EXPECT_EQ(b->GetCaption(), L"Act");
    EXPECT_EQ(b->GetGroupIndex(), 2);
    action->SetChecked(true);
    EXPECT_TRUE(b->GetDown());
    action->SetCaption(L"Renamed");
    EXPECT_EQ(b->GetCaption(), L"Renamed");
    ClickAt(b, 20, 20);
    EXPECT_EQ(executed, 1);
    action->Free();
    EXPECT_EQ(b->GetAction(), nullptr) << "the link is dropped with the action";
    ClickAt(b, 20, 20);
    EXPECT_EQ(executed, 2) << "the click keeps the handler it took from the action";
}

TEST(GlowButtonKeyTips, HintWindowsArePlacedByPosition) {
    struct TCase {
        TShortCutHintPos Pos;
        TPoint At;
    };
    // Button at (100, 200), 60 x 40; window 20 x 10.
    const TCase cases[] = {
        {shpLeft, {106, 215}},
        {shpTop, {120, 195}},
        {shpRight, {150, 215}},
        {shpBottom, {120, 235}},
        {shpCenter, {120, 215}},
        {shpAuto, {120, 195}},
        {shpTopLeft, {106, 195}},
        {shpTopRight, {141, 195}},
        {shpAboveTop, {120, 190}},
        {shpAboveTopLeft, {106, 190}},
        {shpAboveTopRight, {141, 190}},
        {shpBottomLeft, {106, 235}},
        {shpBottomRight, {141, 235}},
        {shpBelowBottom, {120, 240}},
        {shpBelowBottomLeft, {106, 240}},
        {shpBelowBottomRight, {141, 240}},
        {shpBelowBottomCenter, {120, 240}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ShortCutHintOrigin(c.Pos, 100, 200, 60, 40, 20, 10), c.At) << "position " << c.Pos;
    EXPECT_EQ(ShortCutHintOrigin(shpTop, 0, 0, 5, 4, 10, 7), (TPoint{-2, -3})) << "div 2 truncates toward zero";

    TFixture f;
    TOrvGlowButton* b = f.Add(30, 40, 138, 61);
    b->SetShortCutHint(L"T");
    b->SetShortCutHintPos(shpBelowBottom);
    b->ShowShortCutHint();
    TShortCutHintWindow* w = b->ShortCutHintWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(IsWindowVisible(w->Handle()));
    RECT r;
    GetWindowRect(w->Handle(), &r);
    TPoint origin = b->ClientToScreen({0, 0});
    EXPECT_EQ(r.top, origin.Y + 61);
    EXPECT_EQ(r.left, origin.X + (138 - (r.right - r.left)) / 2);
    EXPECT_EQ(w->GetColorTo(), b->Appearance().GetColor());
    b->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(w->GetColorTo(), 0xFDF6EF) << "the key tip follows the style";
    b->HideShortCutHint();
    EXPECT_FALSE(IsWindowVisible(w->Handle()));
}

TEST(GlowButtonLayout, StoredValuesAreRestoredAndDownIsAppliedAfterLoading) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    ReadLayoutText(form.get(),
                   L"object Form1: TForm\n"
                   L"  object B: TOrvGlowButton\n"
                   L"    Caption = 'Stored'\n"
                   L"    Down = True\n"
                   L"    GroupIndex = 4\n"
                   L"    FocusType = ftHot\n"
                   L"    ShortCutHintPos = shpBelowBottomRight\n"
                   L"    Notes = ('first' 'second')\n"
                   L"    NotesFont.Height = -13\n"
                   L"    Appearance.Color = $00FDF6EF\n"
                   L"    Appearance.GradientHot = ggVertical\n"
                   L"  end\n"
                   L"end\n",
                   L"test");
    auto* b = dynamic_cast<TOrvGlowButton*>(form->FindComponent(L"B"));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->GetCaption(), L"Stored");
    EXPECT_TRUE(b->GetDown()) << "Down read before GroupIndex still counts";
    EXPECT_EQ(b->GetFocusType(), ftHot);
    EXPECT_EQ(b->GetShortCutHintPos(), shpBelowBottomRight);
    EXPECT_EQ(b->GetNotes(), (std::vector<std::wstring>{L"first", L"second"}));
    EXPECT_EQ(b->NotesFont().GetHeight(), -13);
    EXPECT_EQ(b->Appearance().GetColor(), 0xFDF6EF);
    EXPECT_EQ(b->Appearance().GetGradientHot(), ggVertical);
    std::wstring written = WriteComponentLayout(form.get());
    EXPECT_NE(written.find(L"Appearance.GradientHot = ggVertical"), std::wstring::npos)
        << std::string(written.begin(), written.end());
}

TEST(GlowButtonPaint, ABitmapPictureIsKeyedByItsBottomLeftPixel) {
    TOwnedPtr<TOrvGlowButton> b(new TOrvGlowButton(nullptr));
    b->Picture().SetData(orvtest::kBmpBytes);  // 4 x 4: white rows over magenta rows
    ASSERT_FALSE(b->Picture().Empty());
    auto bmp = Snapshot(b.get());
    int magenta = 0, white = 0;
    for (int y = 4; y < b->Height() - 4; ++y)
        for (int x = 4; x < b->Width() - 4; ++x) {
            TColor c = bmp->PixelColor(x, y);
            if (c == clFuchsia) ++magenta;
            if (c == clWhite) ++white;
        }
    EXPECT_EQ(magenta, 0) << "the key colour must not be drawn";
    EXPECT_GT(white, 0) << "the picture's other rows are drawn";
}

TEST(GlowButtonKeyboard, TheCaptionAcceleratorClicksOrDropsDownAndF4DropsDown) {
    TFixture f;
    TOrvGlowButton* plain = f.Add(0, 0);
    plain->SetCaption(L"&Go");
    int clicks = 0;
    plain->OnClick = [&](TObject*) { ++clicks; };
    TOrvGlowButton* menuButton = f.Add(0, 50);
    menuButton->SetCaption(L"&Menu");
    TRecordingMenu* menu = new TRecordingMenu(f.Form.get());
    menuButton->SetDropDownMenu(menu);

    Keys({VK_MENU, 'G'});
    EXPECT_EQ(clicks, 1);
    Keys({'G'});
    EXPECT_EQ(clicks, 1) << "without Alt it is not an accelerator";
    Keys({VK_MENU, 'X'});
    EXPECT_EQ(clicks, 1);

    Keys({VK_MENU, 'M'});
    EXPECT_EQ(menu->Shown, 1) << "a button with a drop-down menu opens it instead of clicking";
    menuButton->SetTabStop(true);
    menuButton->SetFocus();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return menuButton->Focused(); }));
    Keys({VK_F4});
    EXPECT_EQ(menu->Shown, 2);

    plain->SetEnabled(false);
    Keys({VK_MENU, 'G'});
    EXPECT_EQ(clicks, 1) << "a button that cannot take the focus ignores it";
}
