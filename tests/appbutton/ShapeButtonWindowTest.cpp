// The application (shape) button in a real window, driven by real mouse and keyboard
// input: the delayed frame window and preview menu, keys, groups and key tips, and the
// faults it once had.
#include <gtest/gtest.h>

#include <chrono>

#include "ShapeButtonTestSupport.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuPanel.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/GDIPPicture.h"
#include "toolbar/OrvPage.h"

using namespace shapetest;

namespace {

RECT WindowRectOf(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

TRect RegionBox(HWND h) {
    TGdiRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(h, region.Get()) == ERROR) return {};
    RECT box;
    GetRgnBox(region.Get(), &box);
    return {box.left, box.top, box.right, box.bottom};
}

// A frame child that takes part in the style protocol and counts its key-tip calls.
class TWinStyleProbe : public TCustomControl, public IWinStyle {
public:
    explicit TWinStyleProbe(TComponent* owner) : TCustomControl(owner) {}
    void ChangeStyle(bool, int) override {}
    void ChangeMenu(TColor) override {}
    void UpdateMenu() override {}
    void HideMenu() override {}
    void ShowMenuShortCuts() override { ++Shown; }
    void HideMenuShortCuts() override { ++Hidden; }
    int Shown = 0;
    int Hidden = 0;
};

}  // namespace

TEST(ShapeButtonWindow, ClickOpensTheFrameWindowLaterUnderTheButtonAndASecondClickClosesIt) {
    TMainWindow w;
    TLookFlags flags(true, true);
    auto* menu = new TOrvPreviewMenu(w.Form.get());
    w.Button->SetOrvPreviewMenu(menu);  // the frame wins over the menu in this look
    w.Button->SetFrame(w.Frame);
    EXPECT_FALSE(w.Frame->GetVisible()) << "a frame waits hidden until shown";
    TOrvShapeButtonAppearance& a = w.Button->Appearance();
    a.SetColorTo(0x00FF00);
    a.SetColorHotTo(0x00FFFF);
    a.SetColorDownTo(0xFF0000);

    auto start = std::chrono::steady_clock::now();
    ClickAt(w.Button, 20, 12);
    EXPECT_EQ(w.Clicks, 1);
    EXPECT_TRUE(Near(Snapshot(w.Button)->PixelColor(6, 12), 0xFF0000, 2)) << "down while it opens";
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    EXPECT_GE(waited.count(), 90) << "shown after the 100 ms delay";
    EXPECT_FALSE(menu->MenuVisible());
    orvtest::PumpFor(30);
    EXPECT_FALSE(Near(Snapshot(w.Button)->PixelColor(6, 12), 0xFF0000, 2)) << "not down once it is open";

    TPoint below = w.Button->ClientToScreen({0, 24});
    RECT r = WindowRectOf(w.Button->FrameWindow()->Handle());
    EXPECT_EQ(r.left, below.X);
    EXPECT_EQ(r.top, below.Y - 1);
    EXPECT_EQ(r.right - r.left, w.Pager->Width()) << "across the pager";
    int frame = GetSystemMetrics(SM_CXFRAME);
    EXPECT_EQ(r.bottom - r.top, w.Form->Height() - (2 * frame + 24 + 30));
    EXPECT_EQ(w.Frame->Parent(), w.Button->FrameWindow());
    EXPECT_EQ(w.Frame->BoundsRect(), Bounds(0, 3, w.Pager->Width(), r.bottom - r.top - 3));
    EXPECT_TRUE(IsWindowVisible(w.Frame->Handle()));
    EXPECT_EQ(GetFocus(), w.FrameChild->Handle()) << "the frame's first child has the keys";

    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return !w.FrameOpen(); }, 2000)) << "a second click closes it";
    orvtest::PumpFor(150);
    EXPECT_FALSE(w.FrameOpen());
    EXPECT_FALSE(Near(Snapshot(w.Button)->PixelColor(6, 12), 0xFF0000, 2)) << "and it is not down after";
}

TEST(ShapeButtonWindow, EscapeClosesAndEnterOpensWithoutOnClick) {
    TMainWindow w;
    TLookFlags flags(true, true);
    w.Button->SetFrame(w.Frame);
    w.Button->SetTabStop(true);
    w.Button->SetFocus();
    orvtest::PumpFor(30);
    ASSERT_TRUE(w.Button->Focused());
    Keys({VK_RETURN});
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000)) << "Enter is an internal click";
    EXPECT_EQ(w.Clicks, 0) << "no OnClick from the keyboard";
    Keys({VK_ESCAPE});
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !w.FrameOpen(); }, 1000)) << "Escape closes the frame window";

    w.Button->SetFocus();
    orvtest::PumpFor(30);
    Keys({VK_SPACE});
    EXPECT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000)) << "so does Space";
    EXPECT_EQ(w.Clicks, 0);
}

TEST(ShapeButtonWindow, WithoutTheOffice2010LookAClickOpensThePreviewMenuAtTheButton) {
    TMainWindow w;
    TLookFlags flags(true, false);
    auto* menu = new TOrvPreviewMenu(w.Form.get());
    menu->MenuItems().Add()->SetCaption(L"Item");
    w.Button->SetOrvPreviewMenu(menu);
    w.Button->SetFrame(w.Frame);
    w.Button->InitializeStyle();
    EXPECT_TRUE(w.Button->Appearance().GetShowMenuShape());
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return menu->MenuVisible(); }, 2000));
    EXPECT_FALSE(w.FrameOpen()) << "the menu, not the frame";
    TPoint at = w.Button->ClientToScreen({0, 0});
    RECT r = WindowRectOf(menu->Window()->Handle());
    EXPECT_EQ(r.left, at.X);
    EXPECT_EQ(r.top, at.Y - 1);
    EXPECT_EQ(menu->FMenuButtonColor, w.Button->Appearance().GetColorDown()) << "handed the down look";
    EXPECT_TRUE(menu->FMenuDefaultShape);
    EXPECT_EQ(w.Button->CurrentLook(), slDown) << "down while its menu shows";
    menu->HideMenu();
}

TEST(ShapeButtonWindow, GroupsKeyTipsAndANarrowFrameWindowsRegion) {
    TMainWindow w;
    TLookFlags flags(true, true);
    TOrvShapeButton* b = w.Button;
    b->SetDown(true);
    EXPECT_FALSE(b->GetDown()) << "group 0, plain button: never down";
    ClickAt(b, 20, 12);
    EXPECT_FALSE(b->GetDown());
    b->SetStyle(tasCheck);
    ClickAt(b, 20, 12);
    EXPECT_TRUE(b->GetDown()) << "a check button toggles";
    auto* other = new TOrvShapeButton(w.Form.get());
    other->SetParent(w.Pager);
    other->SetBounds(100, 30, 55, 24);
    b->SetStyle(tasButton);
    b->SetGroupIndex(3);
    b->SetDown(true);
    other->SetGroupIndex(3);
    other->SetAllowAllUp(true);
    other->SetDown(true);
    EXPECT_FALSE(b->GetDown()) << "one down button per group";
    EXPECT_TRUE(b->GetAllowAllUp()) << "and takes over the sender's AllowAllUp";

    // Key tips through the hint-show notification: (1, 1) shows, (1, 0) hides.
    b->SetShortCutHint(L"F");
    EXPECT_EQ(b->Perform(CM_HINTSHOW, 1, 1), 1);
    ASSERT_NE(b->ShortCutHintWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(b->ShortCutHintWindow()->Handle()));
    RECT tip = WindowRectOf(b->ShortCutHintWindow()->Handle());
    TPoint centre = b->ClientToScreen({27, 12});
    EXPECT_LE(std::abs((tip.left + tip.right) / 2 - centre.X), 1) << "centred (shpCenter)";
    EXPECT_LE(std::abs((tip.top + tip.bottom) / 2 - centre.Y), 1);
    EXPECT_EQ(b->Perform(CM_HINTSHOW, 1, 0), 1);
    EXPECT_EQ(b->ShortCutHintWindow(), nullptr);

    // A frame window narrower than 11 pixels keeps the region it had.
    b->SetGroupIndex(0);
    b->SetFrame(w.Frame);
    b->Click();
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    HWND fw = b->FrameWindow()->Handle();
    const int pagerWidth = w.Pager->Width();
    EXPECT_EQ(RegionBox(fw), (TRect{0, 0, pagerWidth, b->FrameWindow()->Height()}));
    TFrameWindow* window = b->FrameWindow();
    window->SetBounds(window->Left(), window->Top(), 8, window->Height());
    window->ApplyRegion();
    EXPECT_EQ(RegionBox(fw).Width(), pagerWidth) << "the old region stays";
    window->SetBounds(window->Left(), window->Top(), 300, window->Height());
    window->ApplyRegion();
    EXPECT_EQ(RegionBox(fw).Width(), 300);
    b->UpdateMenu();
    EXPECT_EQ(RegionBox(fw).Width(), pagerWidth) << "placed under the button again";
}

TEST(ShapeButtonWindow, APressOnThePagerClosesTheFrameWindowWhichNeverTakesTheActivation) {
    TMainWindow w;
    TLookFlags flags(true, true);
    w.Pager->AddOrvPage(L"Home");
    w.Button->SetFrame(w.Frame);
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    HWND main = w.Form->Handle();
    SetForegroundWindow(main);
    orvtest::PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), main);
    ClickAt(w.FrameChild, 50, 25);
    orvtest::PumpFor(50);
    EXPECT_EQ(GetForegroundWindow(), main) << "a click into the frame window leaves the main window active";
    EXPECT_TRUE(w.FrameOpen()) << "and keeps it open";

    // Any press on the pager (here its tab) hides it.
    TRect tab = w.Pager->GetTabRect(0);
    ASSERT_FALSE(tab.IsEmpty());
    ClickAt(w.Pager, (tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2);
    EXPECT_TRUE(orvtest::PumpUntil([&] { return !w.FrameOpen(); }, 1000)) << "the pager's press closes it";
}

TEST(ShapeButtonWindow, ItsKeyTipTypedOnThePagerClicksItAndTheFrameShowsItsChildrensKeyTips) {
    TMainWindow w;
    TLookFlags flags(true, true);
    TOrvPage* first = w.Pager->AddOrvPage(L"Home");
    TOrvPage* second = w.Pager->AddOrvPage(L"Insert");
    first->SetShortCutHint(L"NA");
    second->SetShortCutHint(L"NB");
    // Inside a plain panel of the frame: the key tips reach it there too.
    auto* box = new TPanel(w.Form.get());
    box->SetParent(w.Frame);
    box->SetBounds(0, 60, 150, 60);
    auto* probe = new TWinStyleProbe(w.Form.get());
    probe->SetParent(box);
    probe->SetBounds(10, 10, 100, 40);
    w.Button->SetFrame(w.Frame);
    w.Button->SetShortCutHint(L"F");

    w.Pager->ShowShortCutHint();
    ASSERT_TRUE(w.Pager->ShortCutHintShowing());
    ASSERT_NE(w.Button->ShortCutHintWindow(), nullptr) << "the pager tells the button to show its tip";
    EXPECT_TRUE(IsWindowVisible(w.Button->ShortCutHintWindow()->Handle()));
    Keys({'N'});
    EXPECT_TRUE(w.Pager->ShortCutHintShowing()) << "both tabs are candidates";
    EXPECT_EQ(w.Button->ShortCutHintWindow(), nullptr) << "F does not start with N";
    w.Pager->HideShortCutHint();

    w.Pager->ShowShortCutHint();
    ASSERT_NE(w.Button->ShortCutHintWindow(), nullptr);
    Keys({'F'});
    EXPECT_FALSE(w.Pager->ShortCutHintShowing()) << "a match ends the key tips";
    EXPECT_EQ(w.Button->ShortCutHintWindow(), nullptr);
    EXPECT_EQ(w.Clicks, 1) << "clicked as by the user";
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    EXPECT_EQ(probe->Shown, 1) << "the frame's children show their key tips";
    int hiddenBefore = probe->Hidden;
    w.Button->HideFrame();
    EXPECT_GT(probe->Hidden, hiddenBefore) << "and hide them with the frame window";

    // Opened by a click, the frame's children show no key tips.
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    EXPECT_EQ(probe->Shown, 1);
}

// --- mended faults -----------------------------------------------------------------------------

TEST(ShapeButtonFaults, AFreedButtonLeavesItsMenuNoHandlerAndNoPicture) {
    TMainWindow w;
    TLookFlags flags(true, false);
    auto* menu = new TOrvPreviewMenu(w.Form.get());
    w.Button->SetOrvPreviewMenu(menu);
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return menu->MenuVisible(); }, 2000));
    EXPECT_EQ(menu->FMenuPicture, &w.Button->PictureDown());
    menu->HideMenu();
    ASSERT_TRUE(static_cast<bool>(menu->OnDrawButtonFrameTop));
    w.Button->Free();
    w.Button = nullptr;
    EXPECT_FALSE(static_cast<bool>(menu->OnDrawButtonFrameTop));
    EXPECT_FALSE(static_cast<bool>(menu->OnPreviewHide));
    EXPECT_EQ(menu->FMenuPicture, nullptr);
    menu->ShowMenu(200, 200);  // paints its top frame without the button
    orvtest::PumpFor(50);
    menu->HideMenu();
}

TEST(ShapeButtonFaults, AFrameWithoutChildrenOpensAndTheButtonComesBackUp) {
    TMainWindow w(nullptr, false);
    TLookFlags flags(true, true);
    w.Button->SetFrame(w.Frame);
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    orvtest::PumpFor(30);
    EXPECT_FALSE(w.Button->MenuBeingShown()) << "the show ran to its end";
    EXPECT_NE(w.Button->CurrentLook(), slDown);
}

TEST(ShapeButtonFaults, WithoutAPagerNoFrameWindowAndNoNegativeHeight) {
    TLookFlags flags(true, true);
    TFixture f;
    auto* frame = new TPanel(f.Form.get());
    frame->SetParent(f.Form.get());
    auto* b = new TOrvShapeButton(f.Form.get());
    b->SetParent(f.Form.get());
    b->SetBounds(0, 30, 55, 24);
    b->SetFrame(frame);
    EXPECT_EQ(b->GetFrameHeight(), 0);
    ClickAt(b, 20, 12);
    orvtest::PumpFor(250);
    EXPECT_TRUE(b->FrameWindow() == nullptr || !b->FrameWindow()->GetVisible());
    b->UpdateMenu();
    EXPECT_FALSE(b->MenuBeingShown());

    TMainWindow small;
    small.Form->SetBounds(60, 60, 681, 40);
    EXPECT_EQ(small.Button->GetFrameHeight(), 0) << "a window shorter than the button's bottom";
}

TEST(ShapeButtonFaults, TheFrameGoesHomeBeforeTheFrameWindowIsFreed) {
    TMainWindow w;
    TLookFlags flags(true, true);
    w.Button->SetFrame(w.Frame);
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    // Clearing Frame puts it back where it was, shown.
    w.Button->SetFrame(nullptr);
    EXPECT_EQ(w.Frame->Parent(), w.Form.get());
    EXPECT_TRUE(w.Frame->GetVisible());
    EXPECT_TRUE(IsWindowVisible(w.Frame->Handle()));

    w.Button->SetFrame(w.Frame);
    ClickAt(w.Button, 20, 12);
    ASSERT_TRUE(orvtest::PumpUntil([&] { return w.FrameOpen(); }, 2000));
    HWND frameWindow = w.Frame->Handle();
    w.Button->Free();  // frees the frame window while the frame is in it
    w.Button = nullptr;
    EXPECT_EQ(w.Frame->Parent(), w.Form.get()) << "back in its own parent";
    EXPECT_TRUE(IsWindow(frameWindow)) << "the frame lives on";
    EXPECT_EQ(w.Frame->Handle(), frameWindow);
    // The window frees the frame exactly once when it goes (the fixture's end).
}
