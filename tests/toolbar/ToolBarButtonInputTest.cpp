// Toolbar buttons driven with the real mouse on a shown form.
#include <gtest/gtest.h>

#include "ToolBarButtonTestSupport.h"

using namespace orv;
using namespace tbtest;
using glowtest::ClickAt;
using glowtest::LeftDown;
using glowtest::LeftUp;
using glowtest::PointAt;
using glowtest::TRecordingMenu;

TEST(ToolBarButtonInput, ASplitButtonOpensItsMenuOnAPressInTheLastFourteenPixels) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 20, 20, 35, 22);
    b->SetDropDownButton(true);
    auto* menu = new TRecordingMenu(f.Form.get());
    b->SetDropDownMenu(menu);
    int clicks = 0, dropDowns = 0;
    bool selWhileOpen = false;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->OnDropDown = [&](TObject*) { ++dropDowns; };
    menu->WhileOpen = [&] { selWhileOpen = b->MenuSel(); };

    PointAt(b, 25, 10);
    LeftDown();
    EXPECT_EQ(menu->Shown, 1) << "x = 25 is past the painted 12-pixel section but inside the press zone";
    EXPECT_EQ(menu->At, b->ClientToScreen({0, 22})) << "at the bottom-left corner";
    EXPECT_TRUE(selWhileOpen) << "the open-menu look while it is open";
    EXPECT_FALSE(b->MenuSel());
    EXPECT_EQ(dropDowns, 1);
    LeftUp();
    EXPECT_EQ(clicks, 0) << "the press belonged to the menu";

    ClickAt(b, 10, 10);
    EXPECT_EQ(menu->Shown, 1) << "the main part does not open the menu";
    EXPECT_EQ(clicks, 1);

    b->SetDropDownSplit(false);
    ClickAt(b, 5, 10);
    EXPECT_EQ(menu->Shown, 2) << "without a split, any press opens it";
    EXPECT_EQ(clicks, 1);
}

TEST(ToolBarButtonInput, AGroupButtonGoingDownRaisesTheOtherAndHandsOnAllowAllUp) {
    glowtest::TFixture f;
    TOrvToolBarButton* first = AddButton(f, 20, 20);
    TOrvToolBarButton* second = AddButton(f, 50, 20);
    first->SetGroupIndex(1);
    second->SetGroupIndex(1);
    // Going down tells the group: set before the second's AllowAllUp, which it would reset.
    first->SetDown(true);
    second->SetAllowAllUp(true);
    EXPECT_FALSE(first->GetAllowAllUp());

    ClickAt(second, 10, 10);
    EXPECT_TRUE(second->GetDown());
    EXPECT_FALSE(first->GetDown()) << "one down button per group";
    EXPECT_TRUE(first->GetAllowAllUp()) << "the first adopts the second's AllowAllUp";
    EXPECT_EQ(first->State(), absUp);

    ClickAt(first, 10, 10);
    EXPECT_TRUE(first->GetDown());
    ClickAt(first, 10, 10);
    EXPECT_FALSE(first->GetDown()) << "with AllowAllUp the down button comes up again";

    // A press that is released outside changes nothing.
    PointAt(second, 10, 10);
    LeftDown();
    PointAt(second, 10, 40);
    LeftUp();
    EXPECT_FALSE(second->GetDown());
}

TEST(ToolBarButtonInput, HoverFollowsThePointerAndTheUnHotTimerStopsWhenItLeaves) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 20, 20, 30, 22);
    int enters = 0, leaves = 0;
    b->OnMouseEnter = [&](TObject*) { ++enters; };
    b->OnMouseLeave = [&](TObject*) { ++leaves; };
    PointAt(b, 10, 10);
    EXPECT_TRUE(b->Hot());
    EXPECT_TRUE(b->UnHotTimerRunning());
    EXPECT_EQ(enters, 1);
    orvtest::PumpFor(50);
    EXPECT_EQ(glowtest::ScreenPixel(b, 0, 0), 0x6A240A) << "the hot frame on the screen";
    EXPECT_EQ(glowtest::ScreenPixel(b, 5, 5), 0xD2BDB6);

    // Straight off the form: the timer notices even without a message to the button.
    SetCursorPos(5, 5);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !b->Hot(); }, 1000));
    EXPECT_FALSE(b->UnHotTimerRunning());
    EXPECT_EQ(leaves, 1);
}

TEST(ToolBarButtonInput, ACheckButtonTogglesOnReleaseInsideAndClicksOnce) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 20, 20);
    b->SetStyle(tasCheck);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    ClickAt(b, 5, 21);
    EXPECT_TRUE(b->GetDown()) << "the last row is inside";
    EXPECT_EQ(clicks, 1);
    PointAt(b, 5, 5);
    LeftDown();
    PointAt(b, 5, 22);
    LeftUp();
    EXPECT_TRUE(b->GetDown()) << "y = Height is outside";
    EXPECT_EQ(clicks, 1);
}

TEST(ToolBarButtonSize, AutoSizeOnAPlainParentSetsTheWidthOnly) {
    glowtest::TFixture f;
    auto* b = new TOrvToolBarButton(f.Form.get());
    b->SetParent(f.Form.get());
    EXPECT_EQ(b->Width(), 15) << "empty: 15, not 16";
    EXPECT_EQ(b->Height(), 22) << "the height is kept without a toolbar";

    b->SetCaption(L"Caption");
    EXPECT_EQ(b->Width(), 15) << "a caption counts only when shown";
    b->SetShowCaption(true);
    TGdiFont font = CreateFontHandle(b->Font());
    TBitmap probe(1, 1);
    HDC dc = probe.Canvas().Handle();
    HGDIOBJ old = SelectObject(dc, font.Get());
    SIZE extent{};
    GetTextExtentPoint32W(dc, L"Caption", 7, &extent);
    SelectObject(dc, old);
    EXPECT_EQ(b->Width(), extent.cx + 8);
    b->SetDropDownButton(true);
    EXPECT_EQ(b->Width(), extent.cx + 8 + 12);
}

TEST(ToolBarButtonOnToolBar, SplitPressAndGroupAdoptionWorkOnARealToolBar) {
    glowtest::TFixture f;
    auto* bar = new TOrvToolBar(f.Form.get());
    bar->SetParent(f.Form.get());
    bar->SetBounds(10, 10, 300, 30);
    auto* split = new TOrvToolBarButton(f.Form.get());
    split->SetOrvToolBar(bar);
    EXPECT_EQ(split->GetOrvToolBar(), bar);
    EXPECT_GE(bar->IndexOfToolBarControl(split), 0) << "the toolbar registered it";
    split->SetDropDownButton(true);
    split->SetAutoSize(false);
    split->SetWidth(35);
    auto* first = new TOrvToolBarButton(f.Form.get());
    first->SetOrvToolBar(bar);
    auto* second = new TOrvToolBarButton(f.Form.get());
    second->SetOrvToolBar(bar);
    EXPECT_EQ(first->Height(), bar->Height() - 4) << "auto-size fills the toolbar's inner height";
    auto* menu = new TRecordingMenu(f.Form.get());
    split->SetDropDownMenu(menu);
    orvtest::PumpFor(50);

    ASSERT_EQ(split->Width(), 35);
    PointAt(split, 25, 8);
    LeftDown();
    LeftUp();
    EXPECT_EQ(menu->Shown, 1) << "a press at x = 25 of a 35-wide split button opens its menu";

    first->SetGroupIndex(3);
    second->SetGroupIndex(3);
    first->SetDown(true);
    second->SetAllowAllUp(true);
    ClickAt(second, 5, 5);
    EXPECT_TRUE(second->GetDown());
    EXPECT_FALSE(first->GetDown());
    EXPECT_TRUE(first->GetAllowAllUp()) << "adopted through the toolbar's broadcast";
}

TEST(ToolBarButtonGroups, ABroadcastFromAButtonWithoutParentStillReachesTheHiddenControls) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* bar = new TOrvToolBar(form.get());
    bar->InternalToolBarStyler()->SetDragGripStyle(dsNone);
    bar->SetAutoSize(false);
    bar->SetBounds(0, 0, 300, 26);
    bar->SetParent(form.get());
    auto* shown = new TOrvToolBarButton(form.get());
    auto* hidden = new TOrvToolBarButton(form.get());
    for (TOrvToolBarButton* b : {shown, hidden}) {
        b->SetOrvToolBar(bar);
        b->SetAutoSize(false);
        b->SetWidth(40);
        b->SetGroupIndex(2);
    }
    hidden->SetDown(true);
    bar->SetWidth(60);  // 2 + 40 fits before the handle, 2 + 80 does not
    ASSERT_TRUE(bar->HiddenControls().Contains(hidden));
    ASSERT_FALSE(bar->HiddenControls().Contains(shown));

    auto* sender = new TOrvToolBarButton(form.get());  // no parent
    sender->SetGroupIndex(2);
    sender->SetAllowAllUp(true);
    sender->SetDown(true);
    ASSERT_EQ(sender->Parent(), nullptr);
    EXPECT_NO_THROW(bar->BroadcastButtonPressed(2, sender));
    EXPECT_FALSE(hidden->GetDown()) << "the hidden (option window) controls still hear it";
    EXPECT_TRUE(hidden->GetAllowAllUp());
    EXPECT_FALSE(shown->GetAllowAllUp()) << "only the parent part is skipped";
}

TEST(ToolBarButtonLinks, AMenuItemIsMirroredAndForgottenWhenFreedAnActionDrivesDownAndGroup) {
    glowtest::TFixture f;
    TOrvToolBarButton* b = AddButton(f, 20, 20);
    b->SetStyle(tasCheck);
    auto* item = new TMenuItem(f.Form.get());
    item->SetCaption(L"&Bold");
    item->SetChecked(true);
    item->SetEnabled(false);
    item->SetHint(L"Bold text");
    item->SetImageIndex(4);
    b->SetMenuItem(item);
    EXPECT_EQ(b->GetCaption(), L"&Bold");
    EXPECT_TRUE(b->GetDown()) << "Down from Checked";
    EXPECT_FALSE(b->GetEnabled());
    EXPECT_EQ(b->GetHint(), L"Bold text");
    EXPECT_EQ(b->GetImageIndex(), 4);
    EXPECT_TRUE(b->GetVisible());
    auto* hiddenItem = new TMenuItem(f.Form.get());
    hiddenItem->SetVisible(false);
    b->SetMenuItem(hiddenItem);
    EXPECT_FALSE(b->GetVisible());
    hiddenItem->Free();
    EXPECT_EQ(b->GetMenuItem(), nullptr) << "told when its item is freed";
    b->SetVisible(true);
    b->SetEnabled(true);

    // An action gives its group index (the button had none) and image; its checked state
    // follows while it equals Down, and so does its group index.
    auto* action = new TAction(f.Form.get());
    action->SetGroupIndex(5);
    action->SetImageIndex(2);
    b->SetDown(false);
    b->SetAction(action);
    EXPECT_EQ(b->GetGroupIndex(), 5);
    EXPECT_EQ(b->GetImageIndex(), 2);
    action->SetChecked(true);
    EXPECT_TRUE(b->GetDown()) << "linked while the action's checked state equalled Down";
    action->SetGroupIndex(6);
    EXPECT_EQ(b->GetGroupIndex(), 6);

    // A menu item's action comes with the item: the button runs it when clicked.
    b->SetAction(nullptr);
    auto* itemAction = new TAction(f.Form.get());
    int executed = 0;
    itemAction->OnExecute = [&](TObject*) { ++executed; };
    auto* actionItem = new TMenuItem(f.Form.get());
    actionItem->SetAction(itemAction);
    actionItem->SetCaption(L"Italic");
    b->SetMenuItem(actionItem);
    EXPECT_EQ(b->GetAction(), itemAction) << "the item's action is copied first";
    EXPECT_EQ(b->GetCaption(), L"Italic") << "then the item's own values";
    b->Click();
    EXPECT_EQ(executed, 1);
}
