// What a toolbar hands on and when: adaptive hiding of an auto-sized toolbar, the menu
// styler and the glow look for its controls and containers, a container's toolbar for
// the controls in it, auto-size of separators on a page, the active (focused) look.
#include <gtest/gtest.h>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"

using namespace orv;
using namespace glowtest;

namespace {

TOrvGlowButton* FixedButton(TComponent* owner, TWinControl* parent, int width = 30, int height = 22) {
    auto* b = new TOrvGlowButton(owner);
    b->SetBounds(0, 0, width, height);
    b->SetParent(parent);
    return b;
}

}  // namespace

TEST(ToolBarAdaptiveHiding, AnAutoSizedDockedToolBarGivenTooLittleRoomHidesTheLeastRecentlyUsed) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    ASSERT_TRUE(tb->GetAutoSize());
    std::vector<TOrvGlowButton*> b;
    for (int i = 0; i < 4; ++i) b.push_back(FixedButton(form.get(), tb));
    ASSERT_EQ(tb->Width(), 9 + 4 * 30 + 14) << "grip part, controls, right handle";

    // 100 long: room for 100 - 14 - 9 = 77 pixels of controls, two of them.
    tb->SetWidth(100);
    EXPECT_EQ(tb->Width(), 100) << "keeps the length it was given";
    ASSERT_EQ(tb->HiddenControlCount(), 2);
    EXPECT_EQ(tb->HiddenControls()[0], b[3]) << "the least recently used first";
    EXPECT_EQ(tb->HiddenControls()[1], b[2]);
    EXPECT_EQ(b[2]->Top(), tb->Height() + 2) << "moved off the toolbar";
    EXPECT_EQ(b[1]->Left(), 9 + 30);
    EXPECT_EQ(tb->MaxLength(), 9 + 4 * 30 + 14) << "the full length still counts every control";

    // Room again: they come back, most recently hidden first, as long as they fit.
    tb->SetWidth(9 + 3 * 30 + 14);
    ASSERT_EQ(tb->HiddenControlCount(), 1);
    EXPECT_EQ(tb->HiddenControls()[0], b[3]);

    // Without the right handle its 4-pixel edge ends the room: 103 - 4 - 9 holds three.
    tb->SetWidth(103);
    ASSERT_EQ(tb->HiddenControlCount(), 2);
    tb->SetShowRightHandle(false);
    EXPECT_EQ(tb->HiddenControlCount(), 1);
    tb->SetShowRightHandle(true);
    EXPECT_EQ(tb->HiddenControlCount(), 2);
    tb->SetWidth(400);
    EXPECT_EQ(tb->HiddenControlCount(), 0);
    EXPECT_EQ(tb->Width(), 9 + 4 * 30 + 14) << "longer than every control: back to the full length";

    // A full-size toolbar never hides this way.
    tb->SetFullSize(true);
    tb->SetWidth(60);
    EXPECT_EQ(tb->HiddenControlCount(), 0);
}

TEST(ToolBarStylerChange, LinkingAMenuStylerGivesTheDropDownAndOptionMenusTheNewMenuStyler) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    auto* button = new TOrvToolBarButton(form.get());
    button->SetParent(tb);
    auto* dropDown = new TOrvPopupMenu(form.get());
    button->SetDropDownMenu(dropDown);
    auto* options = new TOrvPopupMenu(form.get());
    tb->SetOptionMenu(options);
    auto* menuStyler = new TOrvMenuStyler(form.get());

    TCustomOrvToolBarStyler* styler = tb->CurrentToolBarStyler();
    styler->SetOrvMenuStyler(menuStyler);
    EXPECT_EQ(dropDown->GetMenuStyler(), menuStyler) << "before the menu ever opens";
    EXPECT_EQ(options->GetMenuStyler(), menuStyler);
    styler->SetOrvMenuStyler(nullptr);
    EXPECT_EQ(dropDown->GetMenuStyler(), styler->InternalOrvMenuStyler()) << "the styler's own one again";
}

TEST(ToolBarContainers, GlowButtonsInAContainerTakeTheStylersLookWhenTheyJoinAndWhenItChanges) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    TCustomOrvToolBarStyler* styler = tb->CurrentToolBarStyler();
    styler->GlowButtonAppearance().SetColorHot(0x123456);
    auto* container = new TOrvToolBarContainer(form.get());
    container->SetParent(tb);
    container->SetOrvToolBar(tb);
    TOrvGlowButton* glow = FixedButton(form.get(), container);
    EXPECT_EQ(glow->Appearance().GetColorHot(), 0x123456) << "on joining the container";
    styler->GlowButtonAppearance().SetColorHot(0x654321);
    EXPECT_EQ(glow->Appearance().GetColorHot(), 0x654321) << "when the styler's glow look changes";
    TOrvGlowButton* own = FixedButton(form.get(), tb);
    EXPECT_EQ(own->Appearance().GetColorHot(), 0x654321) << "as the toolbar's own glow buttons";
}

TEST(ToolBarContainers, ControlsInAContainerLinkToItsToolBarWhenEverItIsSetAndStayInTheContainer) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    auto* container = new TOrvToolBarContainer(form.get());
    container->SetParent(tb);
    auto* before = new TOrvToolBarButton(form.get());
    before->SetParent(container);
    auto* separator = new TOrvToolBarSeparator(form.get());
    separator->SetParent(container);
    EXPECT_EQ(before->GetOrvToolBar(), nullptr);

    container->SetOrvToolBar(tb);
    EXPECT_EQ(before->GetOrvToolBar(), tb) << "a child from before the toolbar was set";
    EXPECT_EQ(separator->GetOrvToolBar(), tb);
    auto* after = new TOrvToolBarButton(form.get());
    after->SetParent(container);
    EXPECT_EQ(after->GetOrvToolBar(), tb);
    for (TControl* c : {static_cast<TControl*>(before), static_cast<TControl*>(after)}) {
        EXPECT_EQ(c->Parent(), container) << "stays in the container";
        EXPECT_EQ(tb->IndexOfToolBarControl(c), -1) << "the container is the toolbar's control, not the button";
    }
    container->SetOrvToolBar(nullptr);
    EXPECT_EQ(before->GetOrvToolBar(), nullptr);
}

TEST(ToolBarContainers, AStylerChangeLaysTheContainersOutAgain) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    auto* container = new TOrvToolBarContainer(form.get());
    container->SetMargins(5);
    container->SetParent(tb);
    container->SetBounds(0, 0, 120, 40);
    container->SetOrvToolBar(tb);
    TOrvGlowButton* glow = FixedButton(form.get(), container);
    EXPECT_EQ(glow->Left(), 5) << "kept inside the margins when it joined";
    glow->SetBounds(0, 0, 30, 22);
    ASSERT_EQ(glow->Left(), 0);

    tb->CurrentToolBarStyler()->ContainerAppearance().SetLineColor(0x0000D0);
    EXPECT_EQ(glow->Left(), 5) << "inside the margins again";
    EXPECT_EQ(glow->Top(), 5);
}

TEST(ToolBarSeparators, ASeparatorAddedBeforeItsToolBarJoinsAPageHasItsAutoSizeSwitchedOff) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* page = new TOrvPage(form.get());
    page->SetBounds(0, 0, 600, 95);
    page->SetParent(form.get());
    auto* tb = new TOrvToolBar(form.get());
    tb->SetParent(form.get());
    auto* separator = new TOrvToolBarSeparator(form.get());
    separator->SetParent(tb);
    ASSERT_TRUE(separator->GetAutoSize()) << "docked on a form it sizes itself";
    page->AddOrvToolBar(tb);
    EXPECT_FALSE(separator->GetAutoSize()) << "on a page the columns decide";
}

TEST(ToolBarActive, AToolBarOnAPageHoldingTheFocusShowsTheHotLook) {
    TFixture f;
    f.Form->SetBounds(100, 100, 700, 200);
    auto* page = new TOrvPage(f.Form.get());
    page->SetBounds(10, 10, 600, 95);
    page->SetParent(f.Form.get());
    auto* tb = new TOrvToolBar(f.Form.get());
    tb->SetShowRightHandle(false);
    page->AddOrvToolBar(tb);
    TMirrorGradient& hot = tb->CurrentToolBarStyler()->ColorHot().Mirror();
    hot.SetColor(0x2080F0);
    hot.SetColorTo(0x2080F0);
    hot.SetColorMirror(0x2080F0);
    hot.SetColorMirrorTo(0x2080F0);
    TOrvGlowButton* inside = FixedButton(f.Form.get(), tb, 60, 60);
    TOrvGlowButton* outside = f.Add(10, 120, 80, 30);
    orvtest::PumpFor(50);
    const int x = tb->Width() - 3, y = 40;

    outside->SetFocus();
    orvtest::PumpFor(50);
    auto idle = Snapshot(tb);
    ASSERT_FALSE(Near(idle->PixelColor(x, y), 0x2080F0)) << "not hot while the focus is elsewhere";

    inside->SetFocus();
    orvtest::PumpFor(50);
    EXPECT_TRUE(tb->Active());
    auto active = Snapshot(tb);
    EXPECT_TRUE(Near(active->PixelColor(x, y), 0x2080F0)) << "active and enabled on a page: the hot colours";

    outside->SetFocus();
    orvtest::PumpFor(50);
    EXPECT_FALSE(tb->Active());
    auto left = Snapshot(tb);
    EXPECT_FALSE(Near(left->PixelColor(x, y), 0x2080F0));
}
