// Real windows driven with real input: showing and hiding, clicks, the keyboard, the
// hover delay, key tips and pop-up sub-menus.
#include <atomic>
#include <thread>

#include "AppMenuTestSupport.h"
#include "framework/ActnList.h"
#include "framework/Hooks.h"
#include "framework/Menus.h"
#include "paint/FaceCache.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "framework/GdiHandles.h"

using namespace appmenutest;

namespace {

struct TShown : TMenuFixture {
    int Hides = 0;
    std::vector<int> Clicks;
    std::vector<std::pair<int, int>> SubClicks;
    TShown() {
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(40);
        Menu->OnPreviewHide = [this](TObject*) { ++Hides; };
        Menu->OnMenuItemClick = [this](TObject*, int i) { Clicks.push_back(i); };
        Menu->OnSubMenuItemClick = [this](TObject*, int i, int s) { SubClicks.push_back({i, s}); };
    }
    TOrvPreviewMenuPanel* Show() {
        Menu->ShowMenu(120, 90);
        orvtest::PumpUntil([this] { return Menu->MenuVisible(); }, 1000);
        orvtest::PumpFor(60);
        return Menu->Panel();
    }
};

}  // namespace

TEST(PreviewMenuWindow, ShowPlacesAndDeactivationHides) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"One");
    TOrvPreviewMenuPanel* panel = f.Show();
    ASSERT_TRUE(f.Menu->MenuVisible());
    RECT wr;
    GetWindowRect(f.Menu->Window()->Handle(), &wr);
    EXPECT_EQ(wr.left, 120);
    EXPECT_EQ(wr.top, 90);
    EXPECT_EQ(wr.right - wr.left, panel->Width());
    EXPECT_EQ(GetForegroundWindow(), f.Menu->Window()->Handle());
    // Another window takes the activation: the menu hides and says so.
    SetForegroundWindow(f.Form->Handle());
    orvtest::PumpUntil([&] { return !f.Menu->MenuVisible(); }, 1000);
    EXPECT_FALSE(f.Menu->MenuVisible());
    EXPECT_FALSE(f.Menu->MenuShowing());
    EXPECT_GE(f.Hides, 1);
    // Shown again, the same window is reused.
    TPreviewMenuWindow* window = f.Menu->Window();
    f.Show();
    EXPECT_EQ(f.Menu->Window(), window);
    Key(VK_ESCAPE);
    EXPECT_FALSE(f.Menu->MenuVisible());
}

TEST(PreviewMenuWindow, ClicksHideRunTheItemAndTell) {
    TScenicGuard classic(false);
    TShown f;
    int plainClicks = 0, actionRuns = 0, splitClicks = 0;
    f.AddItem(L"Plain")->OnClick = [&](TObject*) { ++plainClicks; };
    auto* action = new TAction(f.Form.get());
    action->OnExecute = [&](TObject*) { ++actionRuns; };
    auto* acted = f.AddItem(L"");
    acted->SetAction(action);
    auto* split = f.AddItem(L"Split", 3);
    split->SetCanSelect(true);
    split->OnClick = [&](TObject*) { ++splitClicks; };
    auto* folder = f.AddItem(L"Folder", 2);
    int folderClicks = 0;
    folder->OnClick = [&](TObject*) { ++folderClicks; };

    TOrvPreviewMenuPanel* panel = f.Show();
    ClickAt(panel, Centre(panel->ItemRect(0)));
    EXPECT_FALSE(f.Menu->MenuVisible());
    EXPECT_EQ(plainClicks, 1);
    EXPECT_EQ(f.Clicks, (std::vector<int>{0}));

    // OnClick is the action's own handler: the action runs once.
    panel = f.Show();
    ASSERT_TRUE(acted->OnClick == action->OnExecute);
    ClickAt(panel, Centre(panel->ItemRect(1)));
    EXPECT_EQ(actionRuns, 1);

    // A split item: the right 24 pixels open, the rest clicks.
    panel = f.Show();
    TRect r = panel->ItemRect(2);
    ClickAt(panel, {r.Right - 8, r.Top + r.Height() / 2});
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(panel->SubMenuItem(), 2);
    EXPECT_EQ(splitClicks, 0);
    ClickAt(panel, {r.Left + 20, r.Top + r.Height() / 2});
    EXPECT_EQ(splitClicks, 1);
    EXPECT_EQ(f.Clicks.back(), 2);

    // Sub-items without CanSelect never click; they open their sub-items.
    panel = f.Show();
    size_t before = f.Clicks.size();
    ClickAt(panel, Centre(panel->ItemRect(3)));
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(folderClicks, 0);
    EXPECT_EQ(f.Clicks.size(), before);
    EXPECT_EQ(panel->SubMenuItem(), 3);
    // A sub-item click reports the shown item.
    ClickAt(panel, Centre(panel->SubItemRect(1)));
    EXPECT_FALSE(f.Menu->MenuVisible());
    ASSERT_EQ(f.SubClicks.size(), 1u);
    EXPECT_EQ(f.SubClicks[0], (std::pair<int, int>{3, 1}));
}

TEST(PreviewMenuWindow, HoverWaitsBeforeTheSubItemsChange) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"First", 2);
    f.AddItem(L"Second");
    TOrvPreviewMenuPanel* panel = f.Show();
    PointAt(panel, Centre(panel->ItemRect(0)));
    EXPECT_EQ(panel->ItemHot(), 0) << "hot at once";
    EXPECT_EQ(panel->SubMenuItem(), -1) << "the right area waits";
    orvtest::PumpFor(150);
    EXPECT_EQ(panel->SubMenuItem(), -1);
    orvtest::PumpUntil([&] { return panel->SubMenuItem() == 0; }, 1000);
    EXPECT_EQ(panel->SubMenuItem(), 0);
    // Onto an item without sub-items: the menu's own list comes back after the delay.
    PointAt(panel, Centre(panel->ItemRect(1)));
    EXPECT_EQ(panel->SubMenuItem(), 0);
    orvtest::PumpUntil([&] { return panel->SubMenuItem() == -1; }, 1000);
    EXPECT_EQ(panel->SubMenuItem(), -1);
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, KeyboardNavigation) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"A", 2);
    f.AddItem(L"B")->SetEnabled(false);
    f.AddItem(L"C");
    int buttonClicks = 0;
    f.Menu->Buttons().Add()->SetCaption(L"Right");
    f.Menu->Buttons().Add()->SetCaption(L"Left");
    f.Menu->OnButtonClick = [&](TObject*, int i) { buttonClicks += 10 + i; };
    TOrvPreviewMenuPanel* panel = f.Show();
    Key(VK_DOWN);
    EXPECT_EQ(panel->ItemHot(), 0);
    EXPECT_EQ(panel->SubMenuItem(), 0) << "the keyboard switches the right area at once";
    Key(VK_DOWN);
    EXPECT_EQ(panel->ItemHot(), 2) << "disabled items are skipped";
    Key(VK_DOWN);
    EXPECT_EQ(panel->ItemHot(), 0) << "wraps";
    Key(VK_UP);
    EXPECT_EQ(panel->ItemHot(), 2);
    Key(VK_UP);
    Key(VK_RIGHT);
    EXPECT_EQ(panel->SubMenuItemHot(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(panel->SubMenuItemHot(), 1);
    Key(VK_LEFT);
    EXPECT_EQ(panel->SubMenuItemHot(), -1);
    // Tab from the last sub-item to the leftmost button (the last of the collection).
    Key(VK_RIGHT);
    Key(VK_TAB);
    EXPECT_EQ(panel->SubMenuItemHot(), 1);
    Key(VK_TAB);
    ASSERT_EQ(panel->ButtonList().size(), 2u);
    EXPECT_TRUE(panel->ButtonList()[1]->Focused());
    Key(VK_RETURN);
    EXPECT_FALSE(f.Menu->MenuVisible());
    EXPECT_EQ(buttonClicks, 11);
}

TEST(PreviewMenuWindow, KeyTipsTypingAndTheBeep) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"&Open");
    f.AddItem(L"Save")->SetShortCutHint(L"SV");
    auto* split = f.AddItem(L"Print", 2);
    split->SetCanSelect(true);
    split->SetShortCutSubItemsHint(L"P");
    TOrvPreviewMenuPanel* panel = f.Show();
    f.Menu->ShowShortCutHints();
    EXPECT_TRUE(panel->KeyTipsShowing());
    EXPECT_EQ(panel->ItemHot(), 0) << "the first item becomes hot";
    Key('X');
    EXPECT_EQ(panel->KeyTipMisses(), 1) << "a miss beeps";
    EXPECT_TRUE(panel->KeyTipsShowing()) << "and keeps the tips";
    Key('S');
    EXPECT_TRUE(panel->KeyTipsShowing());
    EXPECT_TRUE(f.Menu->MenuVisible());
    Key('V');
    EXPECT_FALSE(f.Menu->MenuVisible());
    EXPECT_EQ(f.Clicks, (std::vector<int>{1}));

    // The drop-down tip opens the sub-items with the first one hot.
    panel = f.Show();
    f.Menu->ShowShortCutHints();
    Key('P');
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(panel->ItemHot(), 2);
    EXPECT_EQ(panel->SubMenuItem(), 2);
    EXPECT_EQ(panel->SubMenuItemHot(), 0);
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, PopupSubMenuOpensAtItsSubItemWithAThreadFilter) {
    TScenicGuard classic(false);
    TShown f;
    auto* popup = new TPopupMenu(f.Form.get());
    auto* entry = new TMenuItem(popup);
    entry->SetCaption(L"Entry");
    popup->Items()->Add(entry);
    f.AddItem(L"Item");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Plain");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Has popup");
    f.Menu->SubMenuItems().Items(1)->SetSubMenu(popup);
    TOrvPreviewMenuPanel* panel = f.Show();
    int hooks = ThreadHookLiveCount();
    TRect subRect = panel->SubItemRect(1);
    // The pop-up runs its own loop: a second thread notes where it opened and presses
    // Left (and Escape should the pop-up stay, so a fault fails instead of hanging).
    RECT popupRect{};
    int hooksInside = 0;
    std::atomic<int> escapes{0};
    auto press = [](WORD key) {
        INPUT in[2]{};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = key;
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    };
    std::thread helper([&] {
        Sleep(500);
        if (HWND w = FindWindowW(L"#32768", nullptr); w && IsWindowVisible(w)) GetWindowRect(w, &popupRect);
        hooksInside = ThreadHookLiveCount();
        press(VK_LEFT);
        Sleep(800);
        // Only while the pop-up is still open: an Escape that reached the panel would hide it.
        for (int i = 0; i < 3 && panel->SubMenuPopup(); ++i) {
            ++escapes;
            press(VK_ESCAPE);
            Sleep(100);
        }
    });
    PointAt(panel, Centre(subRect));
    orvtest::PumpFor(1500);
    helper.join();
    TPoint corner = panel->ClientToScreen({subRect.Right, subRect.Top});
    EXPECT_NEAR(popupRect.left, corner.X, 4) << "opened at the sub-item's top-right corner";
    EXPECT_NEAR(popupRect.top, corner.Y, 4);
    EXPECT_GT(hooksInside, hooks) << "a thread filter runs while the pop-up is open";
    EXPECT_EQ(panel->SubMenuPopup(), nullptr) << "the pop-up closed";
    EXPECT_EQ(escapes.load(), 0) << "Left closed the pop-up, no Escape was needed";
    EXPECT_TRUE(f.Menu->MenuVisible()) << "Left closes the pop-up only, the menu stays";
    EXPECT_EQ(panel->SubMenuItemHot(), 1) << "the sub-item stays hot under the resting pointer";
    EXPECT_EQ(ThreadHookLiveCount(), hooks) << "the filter is gone with the pop-up";
    f.Menu->HideMenu();
}

TEST(PreviewMenuRegression, UpAndDownStopAfterOneRoundWithNothingEnabled) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"A")->SetEnabled(false);
    f.AddItem(L"B")->SetEnabled(false);
    f.Menu->SubMenuItems().Add()->SetTitle(L"x");
    TOrvPreviewMenuPanel* panel = f.Show();
    Key(VK_DOWN);
    EXPECT_EQ(panel->ItemHot(), -1) << "nothing to move to: the mark stays";
    Key(VK_UP);
    EXPECT_EQ(panel->ItemHot(), -1);
    EXPECT_TRUE(f.Menu->MenuVisible());
    f.Menu->HideMenu();
}

TEST(PreviewMenuRegression, AFreedButtonOwnerIsDropped) {
    TScenicGuard scenic(true);
    TShown f;
    auto* button = new TComponent(f.Form.get());
    int calls = 0;
    f.Menu->WatchMenuButtonOwner(button);
    f.Menu->OnDrawButtonFrameTop = [&](TObject*, TCanvas&, TRect) { ++calls; };
    f.Menu->OnPreviewHide = [&](TObject*) { ++calls; };
    TGDIPPicture picture;
    f.Menu->SetMenuButtonAppearance(clGray, clWhite, clSilver, clSilver, clSilver, clSilver, clBlack, true, &picture,
                                    L"File", nullptr);
    button->Free();
    EXPECT_EQ(f.Menu->FMenuPicture, nullptr);
    f.Show();
    f.Menu->HideMenu();
    EXPECT_EQ(calls, 0) << "neither event calls into the freed button";
}

TEST(PreviewMenuRegression, TrailingAmpersandGivesNoKeyTip) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"Print&");
    TOrvPreviewMenuPanel* panel = f.Show();
    f.Menu->ShowShortCutHints();
    EXPECT_FALSE(f.Menu->MenuItems().Items(0)->FShortCutHintShowing);
    EXPECT_TRUE(panel->ItemTipRect(0, false).IsEmpty() || !panel->KeyTipsShowing());
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, ChangedCaptionRepaintsAtOnce) {
    TScenicGuard classic(false);
    TShown f;
    auto* item = f.AddItem(L"Before");
    TOrvPreviewMenuPanel* panel = f.Show();
    UpdateWindow(panel->Handle());
    item->SetCaption(L"After");
    RECT update;
    ASSERT_TRUE(GetUpdateRect(panel->Handle(), &update, FALSE));
    TRect r = panel->ItemRect(0);
    EXPECT_LE(update.top, r.Top);
    EXPECT_GE(update.bottom, r.Bottom);
    UpdateWindow(panel->Handle());
    item->SetEnabled(false);
    EXPECT_TRUE(GetUpdateRect(panel->Handle(), &update, FALSE));
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, ShowAndHideCyclesKeepNoHandlesBeyondTheKeptFaces) {
    TScenicGuard classic(false);
    TShown f;
    for (int i = 0; i < 4; ++i) f.AddItem(L"Item " + std::to_wstring(i), i == 1 ? 3 : 0);
    for (const wchar_t* c : {L"Exit", L"Options"}) f.Menu->Buttons().Add()->SetCaption(c);
    // Each kept face holds a bitmap and a memory DC; everything else must come back.
    auto loose = [] { return GdiLiveTotal() - 2 * static_cast<int>(SharedFaceCache().Count()); };
    auto cycle = [&] {
        f.Show();
        f.Menu->HideMenu();
        orvtest::PumpFor(20);
    };
    cycle();
    cycle();
    int gdi = loose(), gdip = GdipLiveTotal(), hooks = ThreadHookLiveCount();
    for (int i = 0; i < 25; ++i) cycle();
    EXPECT_EQ(loose(), gdi) << "GDI objects outside the face cache";
    EXPECT_EQ(GdipLiveTotal(), gdip);
    EXPECT_EQ(ThreadHookLiveCount(), hooks);
}
