// The toolbar's option window: which controls and items it shows and where, its check
// list of the toolbar's controls, the "Options" entry, the pixels of its panels, and
// what happens when the toolbar goes while it shows. Real windows and real input.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/GdiHandles.h"
#include "framework/Hooks.h"
#include "menus/OrvMenus.h"
#include "paint/FaceCache.h"
#include "paint/OrvGDIP.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/CustomizeOption.h"
#include "toolbar/OTBMenuItem.h"
#include "toolbar/OTBPopupPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/ToolBarCustomizerLink.h"

using namespace orv;
using glowtest::ClickAt;
using glowtest::PointAt;
using glowtest::Snapshot;
using glowtest::TRecordingMenu;

namespace {

// Stands in for the customizer: says there is one and counts its dialogs.
class TStandInCustomizer : public IToolBarCustomizer {
public:
    std::wstring CustomizeText() const override { return L"Customize"; }
    void ShowDialog() override { ++Shown; }
    int Shown = 0;
};

// The width of a single line in Tahoma 8, measured by the platform.
int TahomaWidth(const std::wstring& text) {
    HDC dc = CreateCompatibleDC(nullptr);
    HFONT font = CreateFontW(-MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, 0, 0, 0,
                             DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return size.cx;
}

// The width of both command items with the default captions: at least 130, else the
// wider caption ("Add or Remove Buttons") + 15.
int ItemWidth() {
    return std::max(130, TahomaWidth(L"Add or Remove Buttons") + 15);
}

// A shown form with a docked toolbar of a given length (not auto-sized, so adaptive
// hiding takes controls off it when they do not fit).
struct TBarScene {
    glowtest::TFixture F;
    TOrvToolBar* Bar;
    explicit TBarScene(int width) {
        Bar = new TOrvToolBar(F.Form.get());
        Bar->SetAutoSize(false);
        Bar->SetBounds(10, 10, width, 26);
        Bar->SetParent(F.Form.get());
        Bar->SetCaption(L"Standard");
    }
    template <class B = TOrvToolBarButton>
    B* Button(const wchar_t* caption, int width = 40) {
        auto* b = new B(F.Form.get());
        b->SetCaption(caption);
        b->SetOrvToolBar(Bar);
        b->SetAutoSize(false);
        b->SetBounds(0, 0, width, 22);
        return b;
    }
    TOrvToolBarSeparator* Separator() {
        auto* s = new TOrvToolBarSeparator(F.Form.get());
        s->SetOrvToolBar(Bar);
        return s;
    }
    TOptionSelectorWindow* Window() const { return Bar->OptionWindow(); }
    TControlSelectorPanel* Panel() const { return Window()->ControlSelector(); }
    TPoint BarScreen(int x, int y) const { return Bar->ClientToScreen({x, y}); }
};

bool Visible(TForm* window) {
    return window && window->GetVisible();
}

// Every test leaves no hook behind, gives back every GDI object and component, and no
// message handler of it raised.
class OptionWindow : public ::testing::Test {
protected:
    void SetUp() override {
        SharedFaceCache().Clear();
        FGdi = GdiLiveTotal();
        FGdip = GdipLiveTotal();
        FComponents = TComponent::LiveCount();
        Application->OnException = [this](TObject*, const std::exception& e) { FRaised += e.what(); };
    }
    void TearDown() override {
        SharedFaceCache().Clear();
        orvtest::PumpFor(20);
        Application->OnException = nullptr;
        EXPECT_EQ(FRaised, "") << "raised inside a message handler";
        EXPECT_EQ(ThreadHookLiveCount(), 0) << "a hook stayed installed";
        EXPECT_EQ(GdiLiveTotal(), FGdi) << "GDI objects";
        EXPECT_EQ(GdipLiveTotal(), FGdip) << "GDI+ objects";
        EXPECT_EQ(TComponent::LiveCount(), FComponents) << "components";
    }

private:
    int FGdi = 0, FGdip = 0, FComponents = 0;
    std::string FRaised;
};

}  // namespace

TEST(OptionSelectorValues, MenuTreeAndPlacement) {
    TOTBMenuItem root;
    TOTBMenuItem* caption = root.Add();
    EXPECT_EQ(caption->ParentItem(), &root);
    for (const wchar_t* text : {L"One", L"Two", L"Three"}) caption->Add()->SetCaption(text);
    EXPECT_TRUE(caption->HasChildren());
    caption->RemoveItem(1);
    ASSERT_EQ(caption->Count(), 2) << "RemoveItem takes the child out";
    EXPECT_EQ(caption->Items(1)->GetCaption(), L"Three");
    EXPECT_THROW(caption->Items(2), Exception);
    caption->Clear();
    EXPECT_FALSE(caption->HasChildren());

    const TRect work{0, 0, 1000, 700}, monitor{0, 0, 1000, 740};
    const TRect bar{100, 50, 300, 76};
    // Under the right end; moved up to end 2 above the work area's bottom; against the
    // monitor's right edge, or left of a right-docked toolbar.
    EXPECT_EQ(PlaceOptionWindow(bar, {136, 80}, false, true, 16, daTop, work, monitor), (TPoint{288, 77}));
    EXPECT_EQ(PlaceOptionWindow({100, 650, 300, 676}, {136, 80}, false, true, 16, daBottom, work, monitor),
              (TPoint{288, 618}));
    EXPECT_EQ(PlaceOptionWindow({800, 50, 990, 76}, {136, 80}, false, true, 16, daTop, work, monitor),
              (TPoint{864, 77}));
    EXPECT_EQ(PlaceOptionWindow({960, 50, 986, 300}, {136, 80}, false, true, 16, daRight, work, monitor),
              (TPoint{824, 301}));
    // Floating: at the caption, 40 from the right with a close button, 20 without.
    EXPECT_EQ(PlaceOptionWindow(bar, {136, 80}, true, true, 16, daTop, work, monitor), (TPoint{260, 64}));
    EXPECT_EQ(PlaceOptionWindow(bar, {136, 80}, true, false, 16, daTop, work, monitor), (TPoint{280, 64}));
    // Beside an item: left of it at the right edge, above the bottom.
    EXPECT_EQ(PlaceBeside({950, 690}, 820, {100, 60}, work), (TPoint{720, 638}));
    EXPECT_EQ(PlaceBeside({500, 100}, 370, {100, 60}, work), (TPoint{500, 100}));
}

TEST_F(OptionWindow, ShowsNothingWithoutHiddenControlsOrItemsAndOtherwiseOpensUnderTheRightEnd) {
    TBarScene s(200);
    for (const wchar_t* text : {L"One", L"Two", L"Three"}) s.Button(text);
    ASSERT_EQ(s.Bar->HiddenControlCount(), 0) << "9 + 3 x 40 + 14 fits in 200";
    s.Bar->ShowOptionWindow();
    EXPECT_FALSE(Visible(s.Window())) << "nothing to offer: no window";

    s.Bar->SetAutoOptionMenu(true);
    int lastCaption = -1;
    int hook = s.F.Form->AddMessageHook([&](TMessage& m) {
        if (m.Msg == WM_NCACTIVATE) lastCaption = static_cast<int>(m.WParam);
        return false;
    });
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    orvtest::PumpFor(30);
    s.F.Form->RemoveMessageHook(hook);
    EXPECT_EQ(GetActiveWindow(), s.Window()->Handle()) << "the window takes the activation";
    EXPECT_EQ(lastCaption, TRUE) << "and the form keeps its caption active";
    TPoint corner = s.BarScreen(200 - 12, 26 + 1);
    EXPECT_EQ(s.Window()->Left(), corner.X);
    EXPECT_EQ(s.Window()->Top(), corner.Y);
    // Only "Add or Remove Buttons": 3 + 20 + 3 high.
    int w = ItemWidth();
    EXPECT_EQ(s.Window()->Width(), w + 6);
    EXPECT_EQ(s.Window()->Height(), 26);
    EXPECT_EQ(s.Panel()->AddAndRemoveBtn().GetBRect(), (TRect{3, 3, 3 + w, 23}));
    EXPECT_TRUE(s.Panel()->OptionsBtn().GetBRect().IsEmpty());
    // The bottom-right 10 x 10 pixels are the sizing corner.
    auto hit = [&](int x, int y) {
        TPoint p = s.Window()->ClientToScreen({x, y});
        return SendMessageW(s.Window()->Handle(), WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    };
    EXPECT_EQ(hit(w + 6 - 10, 16), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(w + 6 - 1, 25), HTBOTTOMRIGHT);
    EXPECT_NE(hit(w + 6 - 11, 25), HTBOTTOMRIGHT);
    EXPECT_NE(hit(w + 6 - 1, 15), HTBOTTOMRIGHT);
    s.Bar->ShowOptionWindow();
    EXPECT_FALSE(Visible(s.Window())) << "a second press closes it";
}

TEST_F(OptionWindow, HiddenButtonsComeWithASeparatorCopyThatGoesWhenTheWindowHides) {
    TBarScene s(40);
    s.Bar->SetAutoOptionMenu(true);
    auto* one = s.Button(L"One", 50);
    auto* separator = s.Separator();
    auto* two = s.Button(L"Two", 50);
    auto* three = s.Button(L"Three", 50);
    for (TControl* c : {static_cast<TControl*>(one), static_cast<TControl*>(two), static_cast<TControl*>(three)})
        ASSERT_TRUE(s.Bar->HiddenControls().Contains(c)) << "no button fits in 40";
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    int shown = TComponent::LiveCount();
    TControlSelectorPanel* panel = s.Panel();
    ASSERT_EQ(panel->ControlList().Count(), 4);
    EXPECT_EQ(panel->ControlList()[0], one);
    auto* copy = dynamic_cast<TOrvToolBarSeparator*>(panel->ControlList()[1]);
    ASSERT_NE(copy, nullptr) << "a separator in the second place";
    EXPECT_NE(copy, separator) << "a copy: the separator stays on the toolbar";
    EXPECT_EQ(panel->ControlList()[2], two);
    EXPECT_EQ(panel->ControlList()[3], three);
    EXPECT_EQ(panel->SeparatorList().Count(), 1) << "one copy made";
    EXPECT_EQ(panel->SeparatorList()[0], copy);
    for (TControl* c : {static_cast<TControl*>(one), static_cast<TControl*>(two), static_cast<TControl*>(three)})
        EXPECT_EQ(c->Parent(), panel);
    EXPECT_EQ(separator->Parent(), s.Bar);
    // Rows in the items' width (at least 130) from (3, 3): 50 + 10 + 50 fit, the third
    // button (113 + 50 > width) starts a row 22 lower. 47 + 20 + 8 + 3 high.
    int w = ItemWidth();
    ASSERT_LT(w, 163) << "the third button would fit beside the others";
    EXPECT_EQ(one->BoundsRect(), (TRect{3, 3, 53, 25}));
    EXPECT_EQ(copy->BoundsRect(), (TRect{53, 3, 63, 25}));
    EXPECT_EQ(two->BoundsRect(), (TRect{63, 3, 113, 25}));
    EXPECT_EQ(three->BoundsRect(), (TRect{3, 25, 53, 47}));
    EXPECT_EQ(s.Window()->Height(), 78);
    EXPECT_EQ(s.Window()->Width(), w + 6);
    EXPECT_EQ(panel->AddAndRemoveBtn().GetBRect(), (TRect{3, 55, 3 + w, 75}));

    // A click elsewhere takes the activation: the window hides on its timer.
    ClickAt(s.F.Form.get(), 300, 250);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !Visible(s.Window()); }, 2000)) << "hidden after deactivation";
    EXPECT_EQ(panel->SeparatorList().Count(), 0);
    EXPECT_EQ(TComponent::LiveCount(), shown - 1) << "the copy is freed";
    for (TControl* c : {static_cast<TControl*>(one), static_cast<TControl*>(two), static_cast<TControl*>(three)})
        EXPECT_EQ(c->Parent(), s.Bar) << "back on the toolbar";
    for (TControl* c : {static_cast<TControl*>(one), static_cast<TControl*>(two), static_cast<TControl*>(three)})
        EXPECT_TRUE(s.Bar->HiddenControls().Contains(c)) << "hidden for lack of room as before";
    EXPECT_EQ(s.Bar->GetToolBarControlCount(), 4) << "still registered with the toolbar";
}

TEST_F(OptionWindow, ClickingABorrowedButtonRunsItClosesTheWindowAndBringsItBack) {
    TBarScene s(90);
    auto* one = s.Button(L"One");
    auto* two = s.Button(L"Two");
    ASSERT_EQ(s.Bar->HiddenControlCount(), 1) << "9 + 40 + 40 > 90 - 14: the least recently used goes";
    TControl* hidden = s.Bar->HiddenControls()[0];
    EXPECT_EQ(hidden, two);
    int clicks = 0;
    two->OnClick = [&](TObject*) { ++clicks; };
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    ClickAt(two, 20, 11);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Visible(s.Window()));
    EXPECT_EQ(two->Parent(), s.Bar);
    EXPECT_EQ(s.Bar->RecentlyUsedControls()[0], two) << "front of the recently used list";
    EXPECT_EQ(s.Bar->HiddenControls()[0], one) << "the other one makes room";
    EXPECT_EQ(two->Left(), 9) << "placed first after the grip";

    // A borrowed control hidden or shown again: the rows and the window follow.
    s.Bar->SetAutoOptionMenu(true);
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    ASSERT_EQ(one->Parent(), s.Panel());
    EXPECT_EQ(s.Window()->Height(), 3 + 22 + 20 + 8 + 3);
    one->SetVisible(false);
    EXPECT_EQ(s.Window()->Height(), 3 + 20 + 3) << "no row, no separator space";
    EXPECT_LT(one->Top(), 0) << "out of sight";
    one->SetVisible(true);
    EXPECT_EQ(s.Window()->Height(), 3 + 22 + 20 + 8 + 3);
    EXPECT_EQ(one->BoundsRect(), (TRect{3, 3, 43, 25}));
}

TEST_F(OptionWindow, ABorrowedGlowButtonMovesItsWindowAlongAndIsClickedThere) {
    TBarScene s(90);
    s.Button(L"One");
    auto* glow = new TOrvGlowButton(s.F.Form.get());
    glow->SetCaption(L"Glow");
    glow->SetBounds(0, 0, 40, 22);
    glow->SetParent(s.Bar);
    ASSERT_TRUE(s.Bar->HiddenControls().Contains(glow));
    int clicks = 0;
    glow->OnClick = [&](TObject*) { ++clicks; };
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    EXPECT_EQ(GetParent(glow->Handle()), s.Panel()->Handle()) << "its window is the panel's child";
    EXPECT_TRUE(IsWindowVisible(glow->Handle()));
    EXPECT_EQ(glow->BoundsRect(), (TRect{3, 3, 43, 25}));
    ClickAt(glow, 20, 11);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Visible(s.Window()));
    EXPECT_EQ(GetParent(glow->Handle()), s.Bar->Handle()) << "back in the toolbar's window";
    EXPECT_EQ(glow->Left(), 9) << "first after the grip: clicked last";
    EXPECT_EQ(s.Bar->GetToolBarControlCount(), 2);
}

TEST_F(OptionWindow, ALongAddOrRemoveTextWidensBothItems) {
    TBarScene s(200);
    const std::wstring text = L"Add or remove the buttons of this toolbar and of its neighbours";
    auto* menu = new TRecordingMenu(s.F.Form.get());
    menu->Items()->Add(new TMenuItem(menu));
    s.Bar->SetOptionMenu(menu);
    s.Bar->SetAutoOptionMenu(true);
    s.Bar->SetTextAutoOptionMenu(text);
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    int expected = TahomaWidth(text) + 15;
    ASSERT_GT(expected, 130);
    EXPECT_EQ(s.Panel()->AddAndRemoveBtn().GetBRect().Width(), expected);
    EXPECT_EQ(s.Panel()->OptionsBtn().GetBRect().Width(), expected);
    EXPECT_EQ(s.Window()->Width(), expected + 6);
    // Both items: 3 + 20 + 20 + 3.
    EXPECT_EQ(s.Window()->Height(), 46);
}

TEST_F(OptionWindow, TheCheckListHidesAndShowsAToolBarButtonAtOnce) {
    TBarScene s(200);
    s.Bar->SetAutoOptionMenu(true);
    // The items take the toolbar's button colours (no menu on the toolbar).
    TButtonAppearance& look = s.Bar->CurrentToolBarStyler()->ButtonAppearance();
    look.SetColorDown(0x3060C0);
    look.SetColorDownTo(clNone);
    s.Button(L"One");
    auto* two = s.Button(L"Two");
    auto* three = s.Button(L"Three");
    ASSERT_EQ(three->Left(), 89) << "9 + 40 + 40";
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));

    // Onto "Add or Remove Buttons": its pop-up opens beside it with the toolbar's caption.
    PointAt(s.Panel(), 60, 12);
    TOTBPopupWindow* popup = s.Panel()->AddAndRemovePopup();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(popup); }, 1000));
    EXPECT_TRUE(s.Panel()->AddAndRemoveDown());
    orvtest::PumpFor(30);
    EXPECT_EQ(glowtest::ScreenPixel(s.Panel(), 6, 6), 0x3060C0u) << "down: filled with ColorDown";
    EXPECT_EQ(glowtest::ScreenPixel(s.Panel(), 3, 6), 0u) << "black outline";
    TPoint itemCorner = s.Panel()->ClientToScreen({3 + ItemWidth(), 3});
    EXPECT_EQ(popup->Left(), itemCorner.X) << "at the item's top-right corner";
    EXPECT_EQ(popup->Top(), itemCorner.Y);
    TOTBPopupPanel* list = popup->PopupPanel();
    ASSERT_EQ(list->GetItems()->Count(), 1);
    TOTBMenuItem* caption = list->GetItems()->Items(0);
    EXPECT_EQ(caption->GetCaption(), L"Standard");
    ASSERT_EQ(caption->Count(), 3) << "one check item per control";

    // Onto the caption item: its check items open 2 pixels right of it.
    PointAt(list, 20, 12);
    TOTBPopupWindow* checks = list->ItemPopup();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(checks); }, 1000));
    EXPECT_EQ(list->HotItem(), 0);
    EXPECT_EQ(checks->Left(), list->ClientToScreen({caption->GetBoundRect().Right + 2, 0}).X);
    TOTBPopupPanel* items = checks->PopupPanel();
    TRect second = caption->Items(1)->GetBoundRect();
    EXPECT_EQ(caption->Items(1)->GetCaption(), L"Two");
    EXPECT_TRUE(caption->Items(1)->GetChecked());

    ClickAt(items, second.Left + 30, second.Top + 12);
    EXPECT_FALSE(two->GetVisible()) << "unchecked: hidden";
    EXPECT_FALSE(caption->Items(1)->GetChecked());
    EXPECT_EQ(three->Left(), 49) << "the toolbar closes the gap at once";
    EXPECT_TRUE(Visible(checks)) << "the list stays open for more";

    ClickAt(items, second.Left + 30, second.Top + 12);
    EXPECT_TRUE(two->GetVisible());
    EXPECT_TRUE(caption->Items(1)->GetChecked());
    EXPECT_EQ(three->Left(), 89);

    // A click elsewhere closes the whole chain.
    ClickAt(s.F.Form.get(), 300, 250);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !Visible(s.Window()); }, 2000));
    EXPECT_FALSE(Visible(popup));
    EXPECT_FALSE(Visible(checks));
}

TEST_F(OptionWindow, OptionsOffersTheCustomizerWithTheToolBarCaption) {
    TBarScene s(200);
    s.Button(L"One");
    TStandInCustomizer customizer;
    s.Bar->SetCustomizer(&customizer);
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window())) << "a customizer makes \"Options\" worth showing";
    EXPECT_EQ(s.Panel()->OptionsBtn().GetBRect(), (TRect{3, 3, 133, 23})) << "130 wide: only \"Options\" is measured";

    PointAt(s.Panel(), 60, 12);
    TOptionSelectorWindow* customize = s.Panel()->CustomizeOptionWindow();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(customize); }, 1000));
    TCustomizeOption* option = s.Panel()->CustomizeOptionPanel();
    EXPECT_EQ(option->GetCustomizeText(), L"Customize Standard");
    EXPECT_EQ(customize->Width(), TahomaWidth(L"Customize Standard") + 6 + 12);
    EXPECT_EQ(customize->Height(), 25);
    EXPECT_EQ(customize->Left(), s.Panel()->ClientToScreen({133, 3}).X) << "at the item's top-right corner";
    EXPECT_EQ(customize->Top(), s.Panel()->ClientToScreen({133, 3}).Y);

    ClickAt(option, option->Width() / 2, 12);
    EXPECT_EQ(customizer.Shown, 1) << "the customizer's dialog";
    EXPECT_FALSE(Visible(customize));
    EXPECT_FALSE(Visible(s.Window()));
    s.Bar->SetCustomizer(nullptr);
}

TEST_F(OptionWindow, OptionsPopsTheMenuUpAndItsTimerHandsThePointerBackToAddOrRemove) {
    TBarScene s(200);
    s.Bar->SetAutoOptionMenu(true);
    auto* menu = new TRecordingMenu(s.F.Form.get());
    s.Bar->SetOptionMenu(menu);
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    TControlSelectorPanel* panel = s.Panel();
    int w = ItemWidth();
    EXPECT_EQ(panel->OptionsBtn().GetBRect(), (TRect{3, 3, 3 + w, 23}));
    EXPECT_EQ(panel->AddAndRemoveBtn().GetBRect(), (TRect{3, 23, 3 + w, 43}));

    bool timerRan = false;
    menu->WhileOpen = [&] {
        timerRan = panel->OptionsTimerRunning();
        // A menu holds the pointer while it is open: the panel sees no moves, only its
        // timer watches where the pointer goes.
        SetCapture(s.F.Form->Handle());
        TPoint p = panel->ClientToScreen({60, 33});
        SetCursorPos(p.X, p.Y);
        orvtest::PumpUntil([&] { return !panel->OptionsTimerRunning(); }, 1000);
        ReleaseCapture();
        orvtest::PumpFor(50);
    };
    PointAt(panel, 60, 12);
    EXPECT_EQ(menu->Shown, 1);
    EXPECT_EQ(menu->At, panel->ClientToScreen({3 + w, 3})) << "at the item's top-right corner";
    EXPECT_TRUE(timerRan) << "the timer runs while the menu is open";
    EXPECT_FALSE(panel->OptionsTimerRunning());
    EXPECT_TRUE(Visible(panel->AddAndRemovePopup())) << "the posted press and release opened the check list";
    EXPECT_TRUE(Visible(s.Window())) << "the pointer is over \"Add or Remove Buttons\": the window stays";
    EXPECT_FALSE(panel->OptionsDown());
}

TEST_F(OptionWindow, CommandItemPixels) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* panel = new TControlSelectorPanel(form.get());
    auto* menu = new TPopupMenu(form.get());
    panel->SetOptionsMenu(menu);
    auto* button = new TOrvToolBarButton(form.get());
    button->SetAutoSize(false);
    button->SetBounds(0, 0, 40, 22);
    panel->AddControl(button);
    panel->ArrangeControls();
    // One row (3 .. 25), then 8, "Options" (33 .. 53) and "Add or Remove" (53 .. 73).
    const int R = 3 + ItemWidth(), W = R + 3;
    ASSERT_EQ(panel->OptionsBtn().GetBRect(), (TRect{3, 33, R, 53}));
    ASSERT_EQ(panel->AddAndRemoveBtn().GetBRect(), (TRect{3, 53, R, 73}));
    ASSERT_EQ(panel->Height(), 76);
    ASSERT_EQ(panel->Width(), W);
    auto bmp = Snapshot(panel);
    const TColor back = 0xF7F8F9, line = 0x808080, black = 0;
    for (int x : {0, 1, 60, W - 2, W - 1}) EXPECT_EQ(bmp->PixelColor(x, 29), line) << "separator at " << x;
    EXPECT_EQ(bmp->PixelColor(60, 28), back);
    EXPECT_EQ(bmp->PixelColor(60, 30), back);
    EXPECT_EQ(bmp->PixelColor(W - 1, 50), line) << "right frame";
    EXPECT_EQ(bmp->PixelColor(60, 75), line) << "bottom frame";
    EXPECT_EQ(bmp->PixelColor(0, 50), line) << "left frame";
    // "Add or Remove Buttons": rows of 5, 3 and 1 at bottom - 10 .. bottom - 8.
    for (int x = R - 9; x <= R - 5; ++x) EXPECT_EQ(bmp->PixelColor(x, 63), black) << x;
    for (int x = R - 8; x <= R - 6; ++x) EXPECT_EQ(bmp->PixelColor(x, 64), black) << x;
    EXPECT_EQ(bmp->PixelColor(R - 7, 65), black);
    for (TPoint p : {TPoint{R - 10, 63}, TPoint{R - 4, 63}, TPoint{R - 9, 64}, TPoint{R - 5, 64}, TPoint{R - 8, 65},
                     TPoint{R - 6, 65}, TPoint{R - 7, 62}, TPoint{R - 7, 66}})
        EXPECT_EQ(bmp->PixelColor(p.X, p.Y), back) << p.X << "," << p.Y;
    // "Options": columns of 5, 3 and 1 at right - 8 .. right - 6.
    for (int y = 40; y <= 44; ++y) EXPECT_EQ(bmp->PixelColor(R - 8, y), black) << y;
    for (int y = 41; y <= 43; ++y) EXPECT_EQ(bmp->PixelColor(R - 7, y), black) << y;
    EXPECT_EQ(bmp->PixelColor(R - 6, 42), black);
    for (TPoint p : {TPoint{R - 8, 39}, TPoint{R - 8, 45}, TPoint{R - 7, 40}, TPoint{R - 7, 44}, TPoint{R - 6, 41},
                     TPoint{R - 6, 43}, TPoint{R - 9, 42}, TPoint{R - 5, 42}})
        EXPECT_EQ(bmp->PixelColor(p.X, p.Y), back) << p.X << "," << p.Y;
    panel->RemoveControl(button);
    EXPECT_EQ(panel->Height(), 46) << "re-arranged without it";
    button->Free();
}

TEST_F(OptionWindow, PopupPixelsIconColumnCheckMarkAndSubMenuArrow) {
    TOwnedPtr<TForm> form{Make<TForm>(nullptr)};
    auto* styler = new menus::TOrvMenuStyler(form.get());
    styler->IconBar().SetColor(0x00C000);
    styler->IconBar().SetColorTo(clNone);
    styler->IconBar().SetCheckColor(0x0000F0);
    styler->IconBar().SetCheckColorTo(clNone);
    styler->IconBar().SetCheckBorder(0xF00000);
    TBitmap& check = styler->Glyphs().Check();
    TBitmap& arrow = styler->Glyphs().SubMenu();
    ASSERT_FALSE(check.Empty()) << "the check glyph comes from the resources";
    ASSERT_FALSE(arrow.Empty());
    TOTBMenuItem root;
    TOTBMenuItem* caption = root.Add();
    caption->SetCaption(L"Standard");
    caption->Add()->SetCaption(L"One");
    TOTBMenuItem* checked = root.Add();
    checked->SetCaption(L"Two");
    checked->SetAutoCheck(true);
    checked->SetChecked(true);
    TOTBMenuItem* unchecked = root.Add();
    unchecked->SetCaption(L"Three");
    unchecked->SetAutoCheck(true);

    auto* panel = new TOTBPopupPanel(form.get());
    panel->SetOrvMenuStyler(styler);
    panel->SetShowIconBar(true);
    panel->SetItems(&root);
    panel->ArrangeItems();
    // Items 24 high from y = 2, 2 apart; the icon column 24 wide from x = 2.
    ASSERT_EQ(checked->GetBoundRect().Top, 28);
    ASSERT_EQ(unchecked->GetBoundRect().Top, 54);
    EXPECT_EQ(panel->Height(), 80);
    EXPECT_GE(panel->Width(), 74) << "at least 70 plus the margins";
    auto bmp = Snapshot(panel);
    EXPECT_EQ(bmp->PixelColor(4, 60), 0x00C000u) << "the icon column behind an unchecked item";
    EXPECT_EQ(bmp->PixelColor(25, 60), 0x00C000u) << "its last column";
    EXPECT_EQ(bmp->PixelColor(26, 60), 0xF7F8F9u) << "the panel after it";
    EXPECT_EQ(bmp->PixelColor(1, 60), 0xF7F8F9u) << "the margin before it";
    // The checked item's box (3, 29) - (24, 51): framed, filled, the glyph centred.
    const TRect box{3, 29, 24, 51};
    EXPECT_EQ(bmp->PixelColor(box.Left, 40), 0xF00000u) << "frame";
    EXPECT_EQ(bmp->PixelColor(box.Right - 1, 40), 0xF00000u);
    EXPECT_EQ(bmp->PixelColor(10, box.Top), 0xF00000u);
    EXPECT_EQ(bmp->PixelColor(box.Left + 1, box.Top + 1), 0x0000F0u) << "check fill";
    int gx = box.Left + (box.Width() - check.Width()) / 2, gy = box.Top + (box.Height() - check.Height()) / 2;
    int marks = 0;
    for (int y = 0; y < check.Height(); ++y)
        for (int x = 0; x < check.Width(); ++x) {
            bool ink = check.PixelColor(x, y) != 0xFFFFFFu;
            TColor at = bmp->PixelColor(gx + x, gy + y);
            if (ink) {
                ++marks;
                EXPECT_EQ(at, check.PixelColor(x, y)) << "check glyph at " << x << "," << y;
            } else if (gx + x > box.Left && gx + x < box.Right - 1 && gy + y > box.Top && gy + y < box.Bottom - 1) {
                EXPECT_EQ(at, 0x0000F0u) << "white of the glyph is see-through at " << x << "," << y;
            }
        }
    EXPECT_GT(marks, 0);
    // The sub-menu arrow of the caption item at (right - 8, (top + bottom - 5) div 2).
    const TRect& r = caption->GetBoundRect();
    int ax = r.Right - 8, ay = (r.Top + r.Bottom - 5) / 2, inked = 0;
    for (int y = 0; y < arrow.Height(); ++y)
        for (int x = 0; x < arrow.Width(); ++x)
            if (arrow.PixelColor(x, y) != 0xFFFFFFu) {
                ++inked;
                EXPECT_EQ(bmp->PixelColor(ax + x, ay + y), arrow.PixelColor(x, y)) << "arrow at " << x << "," << y;
            }
    EXPECT_GT(inked, 0);
}

namespace {

// Counts itself out when it goes.
class TProbeButton : public TOrvToolBarButton {
public:
    using TOrvToolBarButton::TOrvToolBarButton;
    int* Freed = nullptr;

protected:
    void BeforeDestruction() override {
        if (Freed) ++*Freed;
        TOrvToolBarButton::BeforeDestruction();
    }
};

}  // namespace

TEST_F(OptionWindow, AnOptionWindowFreedWhileItShowsGivesItsControlsBackFirstAlsoWithItsToolBar) {
    int freed = 0;
    TBarScene s(40);
    s.Bar->SetAutoOptionMenu(true);
    std::vector<TControl*> buttons;
    for (const wchar_t* text : {L"One", L"Two"}) buttons.push_back(s.Button<TProbeButton>(text));
    s.Separator();
    buttons.push_back(s.Button<TProbeButton>(L"Three"));
    for (TControl* b : buttons) static_cast<TProbeButton*>(b)->Freed = &freed;
    int components = TComponent::LiveCount();

    // The window alone goes: the controls are the toolbar's again, the copy is freed.
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    ASSERT_EQ(s.Panel()->SeparatorList().Count(), 1);
    s.Window()->Free();
    EXPECT_EQ(s.Bar->OptionWindow(), nullptr);
    EXPECT_EQ(freed, 0) << "borrowed, not the window's to free";
    for (TControl* b : buttons) EXPECT_EQ(b->Parent(), s.Bar);
    EXPECT_EQ(s.Bar->GetToolBarControlCount(), 4);
    EXPECT_EQ(TComponent::LiveCount(), components) << "the window, its panel, its timer and the copy went";

    // The toolbar goes while its window shows: it frees its controls as their parent.
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    int onForm = s.F.Form->ComponentCount();
    s.Bar->Free();
    EXPECT_EQ(freed, 3) << "freed with their toolbar, not left behind without a parent";
    EXPECT_EQ(s.F.Form->ComponentCount(), onForm - 5) << "the toolbar, three buttons and the separator";
}

TEST_F(OptionWindow, TheFormGoesWhileTheWholeChainShows) {
    auto s = std::make_unique<TBarScene>(40);
    s->Bar->SetAutoOptionMenu(true);
    for (const wchar_t* text : {L"One", L"Two"}) s->Button(text);
    s->Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s->Window()));
    PointAt(s->Panel(), 20, s->Panel()->AddAndRemoveBtn().GetBRect().Top + 10);
    TOTBPopupWindow* popup = s->Panel()->AddAndRemovePopup();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(popup); }, 1000));
    PointAt(popup->PopupPanel(), 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(popup->PopupPanel()->ItemPopup()); }, 1000));
    EXPECT_NO_THROW(s.reset());
}

TEST_F(OptionWindow, TheRealPointerReachesTheSizingCornerOfBothWindowKinds) {
    // The panels fill their windows; the corner must still be the window's under the pointer.
    TBarScene s(200);
    s.Bar->SetAutoOptionMenu(true);
    s.Button(L"One");
    s.Bar->ShowOptionWindow();
    ASSERT_TRUE(Visible(s.Window()));
    auto answerUnderPointer = [](TForm* window, int x, int y, HWND* under) {
        PointAt(window, x, y);
        POINT p;
        GetCursorPos(&p);
        *under = WindowFromPoint(p);
        return SendMessageW(*under, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    };
    HCURSOR sizing = LoadCursorW(nullptr, IDC_SIZENWSE);
    HWND under = nullptr;
    int w = s.Window()->Width(), h = s.Window()->Height();
    EXPECT_EQ(answerUnderPointer(s.Window(), w - 3, h - 3, &under), HTBOTTOMRIGHT);
    EXPECT_EQ(under, s.Window()->Handle()) << "the window, not its panel, is under the pointer";
    EXPECT_EQ(GetCursor(), sizing) << "the pointer shows the sizing shape";
    EXPECT_EQ(answerUnderPointer(s.Window(), w - 12, h - 3, &under), HTCLIENT);
    EXPECT_EQ(under, s.Panel()->Handle()) << "beside the corner the panel answers";

    // The check list's pop-up window.
    PointAt(s.Panel(), 60, 12);
    TOTBPopupWindow* popup = s.Panel()->AddAndRemovePopup();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return Visible(popup); }, 1000));
    int pw = popup->Width(), ph = popup->Height();
    EXPECT_EQ(answerUnderPointer(popup, pw - 2, ph - 2, &under), HTBOTTOMRIGHT);
    EXPECT_EQ(under, popup->Handle());
    s.Bar->ShowOptionWindow();
}
