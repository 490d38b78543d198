// Real windows driven with real input: showing and hiding, clicks, the keyboard, the
// hover delay, key tips and pop-up sub-menus.
#include <atomic>
#include <thread>

#include "AppMenuTestSupport.h"
#include "framework/ActnList.h"
#include "framework/Hooks.h"
#include "framework/HintWindow.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
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
    split->SubItems().Items(0)->SetShortCutHint(L"1");
    split->SubItems().Items(1)->SetShortCutHint(L"2");
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
    // Then the sub-item tips are typed: a miss beeps, a match clicks that sub-item.
    EXPECT_TRUE(panel->KeyTipsShowing());
    int misses = panel->KeyTipMisses();
    Key('9');
    EXPECT_EQ(panel->KeyTipMisses(), misses + 1);
    Key('2');
    EXPECT_FALSE(f.Menu->MenuVisible());
    ASSERT_EQ(f.SubClicks.size(), 1u);
    EXPECT_EQ(f.SubClicks[0], (std::pair<int, int>{2, 1}));
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
    // Kept faces hold no GDI objects: every handle a show made must come back.
    auto loose = [] { return GdiLiveTotal(); };
    auto cycle = [&] {
        f.Show();
        f.Menu->HideMenu();
        orvtest::PumpFor(20);
    };
    cycle();
    cycle();
    int gdi = loose(), gdip = GdipLiveTotal(), hooks = ThreadHookLiveCount();
    const size_t faces = SharedFaceCache().Count();
    for (int i = 0; i < 25; ++i) cycle();
    EXPECT_EQ(SharedFaceCache().Count(), faces) << "a show leaves the faces of the look before it behind";
    EXPECT_EQ(loose(), gdi) << "GDI objects outside the face cache";
    EXPECT_EQ(GdipLiveTotal(), gdip);
    EXPECT_EQ(ThreadHookLiveCount(), hooks);
}

namespace {

// Show and hide changes of one window, with its size at each, as the window saw them.
struct TShowRecorder {
    static inline HWND Window = nullptr;
    static inline std::vector<std::pair<bool, SIZE>> Changes;
    HHOOK Hook;
    explicit TShowRecorder(HWND window) {
        Window = window;
        Changes.clear();
        Hook = SetWindowsHookExW(WH_CALLWNDPROCRET, Proc, nullptr, GetCurrentThreadId());
    }
    ~TShowRecorder() { UnhookWindowsHookEx(Hook); }
    static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
        auto* msg = reinterpret_cast<CWPRETSTRUCT*>(l);
        if (code == HC_ACTION && msg->hwnd == Window && msg->message == WM_WINDOWPOSCHANGED) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(msg->lParam);
            RECT r;
            GetWindowRect(Window, &r);
            if (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))
                Changes.push_back({(pos->flags & SWP_SHOWWINDOW) != 0, {r.right - r.left, r.bottom - r.top}});
        }
        return CallNextHookEx(nullptr, code, w, l);
    }
};

// From a second thread while a pop-up runs its loop: a real move to p, then the pointer
// is held there. The display's own pointer is put there too, or it may later report
// where the pointer was before and move it back.
void MoveAndHold(TPoint p, int ms) {
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = (p.X * 65536 + cx / 2) / cx;
    move.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof(INPUT));
    SetCursorPos(p.X, p.Y);
    for (int waited = 0; waited < ms; waited += 50) {
        Sleep(50);
        POINT now;
        if (GetCursorPos(&now) && (now.x != p.X || now.y != p.Y)) SetCursorPos(p.X, p.Y);
    }
}

// A key press from a second thread (the pop-up's loop reads it).
void PressKey(WORD key) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

struct TVistaLocaleGuard {
    bool (*Saved)() = PreviewMenuHasVistaLocale;
    explicit TVistaLocaleGuard(bool (*query)()) { PreviewMenuHasVistaLocale = query; }
    ~TVistaLocaleGuard() { PreviewMenuHasVistaLocale = Saved; }
};

}  // namespace

TEST(PreviewMenuWindow, WithoutTheVistaLocaleTheWindowFlashesInvisiblyFirst) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"One");
    TSize size = f.Menu->MenuSize();
    HWND window = f.Menu->Window()->Handle();
    {
        // With the interface: one plain show at the full size.
        TShowRecorder record(window);
        f.Show();
        ASSERT_FALSE(TShowRecorder::Changes.empty());
        EXPECT_TRUE(TShowRecorder::Changes[0].first);
        EXPECT_EQ(TShowRecorder::Changes[0].second.cx, size.cx);
        f.Menu->HideMenu();
        orvtest::PumpFor(40);
    }
    f.Hides = 0;
    TVistaLocaleGuard older([] { return false; });
    TShowRecorder record(window);
    f.Show();
    const auto& changes = TShowRecorder::Changes;
    ASSERT_GE(changes.size(), 3u);
    // Shown at no size, hidden at 1 x 1, then shown at its own size.
    EXPECT_TRUE(changes[0].first);
    EXPECT_EQ(changes[0].second.cx, 0);
    EXPECT_EQ(changes[0].second.cy, 0);
    EXPECT_FALSE(changes[1].first);
    EXPECT_EQ(changes[1].second.cx, 1);
    EXPECT_TRUE(changes[2].first);
    EXPECT_EQ(changes[2].second.cx, size.cx);
    EXPECT_EQ(changes[2].second.cy, size.cy);
    orvtest::PumpFor(100);
    EXPECT_TRUE(f.Menu->MenuVisible()) << "no hide left over from the flash";
    EXPECT_TRUE(f.Menu->MenuShowing());
    EXPECT_EQ(f.Hides, 0) << "the flash is no hide of the menu";
    RECT wr;
    GetWindowRect(window, &wr);
    EXPECT_EQ(wr.left, 120);
    EXPECT_EQ(wr.top, 90);
    EXPECT_EQ(wr.right - wr.left, size.cx);
    // The rounded region went on again: a corner pixel is cut, the middle is not.
    TGdiRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(window, region.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
    EXPECT_TRUE(PtInRegion(region.Get(), size.cx / 2, size.cy / 2));
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, OfficeHintsFollowTheHotEntry) {
    TScenicGuard classic(false);
    TShown f;
    f.Menu->SetShowHint(true);
    f.AddItem(L"Open")->OfficeHint().SetTitle(L"Open a document");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Recent");
    f.Menu->SubMenuItems().Items(0)->OfficeHint().SetTitle(L"A recent one");
    f.Menu->SubMenuItems().Items(0)->OfficeHint().SetNotes({L"opened yesterday"});
    TOrvPreviewMenuPanel* panel = f.Show();
    auto hint = [&](int& result) {
        THintInfo info{};
        result = static_cast<int>(panel->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)));
        return info.HintStr;
    };
    int result = -1;
    PointAt(panel, Centre(panel->ItemRect(0)));
    EXPECT_EQ(hint(result), L"Open a document");
    EXPECT_EQ(result, 0);
    PointAt(panel, Centre(panel->SubItemRect(0)));
    EXPECT_EQ(hint(result), L"A recent one\nopened yesterday");
    // Over nothing (the bottom frame's empty left end) the hint is cleared and not shown.
    PointAt(panel, {panel->LeftFrameRect().Left + 2, panel->Height() - 4});
    EXPECT_EQ(hint(result), L"");
    EXPECT_EQ(result, 1);
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, PressesOnTheApplicationButtonAndOnNothing) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"Folder", 2);
    f.Menu->SubMenuItems().Add()->SetTitle(L"Own");
    TOrvPreviewMenuPanel* panel = f.Show();
    Key(VK_DOWN);
    ASSERT_EQ(panel->SubMenuItem(), 0);
    // A press on the empty bottom frame clears the hot item and brings the own list back.
    ClickAt(panel, {panel->Width() / 2, panel->Height() - 3});
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(panel->ItemHot(), -1);
    EXPECT_EQ(panel->SubMenuItem(), -1);
    // A press where the application button sits (0, 1, 55, 23) closes the menu.
    PointAt(panel, {30, 12});
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_FALSE(f.Menu->MenuVisible());
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(f.Clicks.empty());
}

TEST(PreviewMenuWindow, APressOnTheApplicationButtonsBottomRowClosesTheMenu) {
    // The button is drawn at (0, 1), 55 by 23: its last row is 23.
    TScenicGuard scenic(true);
    TShown f;
    f.AddItem(L"One");
    TOrvPreviewMenuPanel* panel = f.Show();
    PointAt(panel, {54, 23});
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_FALSE(f.Menu->MenuVisible()) << "the button's bottom-right pixel";
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(f.Clicks.empty());
    panel = f.Show();
    PointAt(panel, {30, 24});
    Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(f.Menu->MenuVisible()) << "the row below the button is the top frame's";
    Mouse(MOUSEEVENTF_LEFTUP);
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, TheSubItemChosenFromAnItemShowsCheckedWhenItsListOpensAgain) {
    TScenicGuard classic(false);
    TShown f;
    auto* styler = new TOrvPreviewMenuOfficeStyler(f.Form.get());
    styler->SetStyle(psOffice2007Luna);
    TGlowColorSet checked;
    checked.Color = 0x2040C0;
    checked.BorderColor = 0x102060;
    styler->MenuItemAppearance().SetLook(glChecked, checked);
    f.Menu->SetStyler(styler);
    f.AddItem(L"Plain");
    f.AddItem(L"Folder", 3);
    for (int i = 0; i < 3; ++i) f.AddItem(L"More");  // room for the three sub-items on one page
    f.Menu->SubMenuItems().Add()->SetTitle(L"Own 0");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Own 1");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Own 2");
    auto checkedAt = [](TOrvPreviewMenuPanel* p, int sub) {
        TRect r = p->SubItemRect(sub);
        return PaintPanel(p)->PixelColor(r.Left + 3, r.Bottom - 3) == 0x2040C0;
    };

    TOrvPreviewMenuPanel* panel = f.Show();
    ClickAt(panel, Centre(panel->ItemRect(1)));
    ASSERT_EQ(panel->SubMenuItem(), 1) << "the item opens its list";
    ASSERT_FALSE(panel->Paging().Active);
    for (int sub = 0; sub < 3; ++sub) EXPECT_FALSE(checkedAt(panel, sub)) << "nothing chosen yet: " << sub;
    ClickAt(panel, Centre(panel->SubItemRect(2)));
    EXPECT_FALSE(f.Menu->MenuVisible());
    ASSERT_EQ(f.SubClicks.size(), 1u);
    EXPECT_EQ(f.SubClicks[0], (std::pair<int, int>{1, 2}));

    panel = f.Show();
    for (int sub = 0; sub < 3; ++sub) EXPECT_FALSE(checkedAt(panel, sub)) << "the menu's own list: " << sub;
    ClickAt(panel, Centre(panel->ItemRect(1)));
    ASSERT_EQ(panel->SubMenuItem(), 1);
    EXPECT_TRUE(checkedAt(panel, 2)) << "the chosen sub-item in the checked colours";
    EXPECT_FALSE(checkedAt(panel, 0));
    EXPECT_FALSE(checkedAt(panel, 1));
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, APopupPulledLeftAtTheScreenEdgeKeepsThePointerItCovers) {
    TScenicGuard classic(false);
    TShown f;
    auto* popup = new TPopupMenu(f.Form.get());
    for (const wchar_t* caption : {L"First entry", L"Second entry", L"Third entry", L"Fourth entry", L"Fifth entry"}) {
        auto* entry = new TMenuItem(popup);
        entry->SetCaption(caption);
        popup->Items()->Add(entry);
    }
    f.AddItem(L"Item");
    f.AddItem(L"Another");
    f.AddItem(L"Third");
    f.AddItem(L"Fourth");
    for (const wchar_t* title : {L"Has popup", L"Second", L"Third", L"Fourth"})
        f.Menu->SubMenuItems().Add()->SetTitle(title);
    f.Menu->SubMenuItems().Items(0)->SetSubMenu(popup);
    TSize size = f.Menu->MenuSize();
    int screenRight = GetSystemMetrics(SM_CXSCREEN);
    f.Menu->ShowMenu(screenRight - size.cx - 2, 90);
    orvtest::PumpUntil([&] { return f.Menu->MenuVisible(); }, 1000);
    orvtest::PumpFor(60);
    TOrvPreviewMenuPanel* panel = f.Menu->Panel();
    TRect subRect = panel->SubItemRect(0);
    TPoint corner = panel->ClientToScreen({subRect.Right, subRect.Top});
    int coveredY = panel->ClientToScreen(Centre(panel->SubItemRect(2))).Y;
    RECT popupRect{};
    bool openAfterMove = false, overPopup = false;
    TPreviewHit under;
    std::thread helper([&] {
        Sleep(500);
        HWND w = FindWindowW(L"#32768", nullptr);
        if (!w || !IsWindowVisible(w)) return;
        GetWindowRect(w, &popupRect);
        // Onto the pop-up where it lies over another sub-item of the panel.
        TPoint p{(popupRect.left + popupRect.right) / 2, coveredY};
        under = panel->HitTest(panel->ScreenToClient(p));
        overPopup = p.X >= popupRect.left && p.X < popupRect.right && p.Y >= popupRect.top && p.Y < popupRect.bottom;
        MoveAndHold(p, 400);
        openAfterMove = IsWindowVisible(w) && panel->SubMenuPopup() != nullptr;
        // Closed by itself (Escape in the pop-up): the whole menu goes.
        for (int i = 0; i < 3 && panel->SubMenuPopup(); ++i) {
            PressKey(VK_ESCAPE);
            Sleep(150);
        }
    });
    PointAt(panel, Centre(subRect));
    orvtest::PumpFor(1800);
    helper.join();
    ASSERT_GT(popupRect.right, 0) << "the pop-up opened";
    EXPECT_LT(popupRect.left, corner.X) << "pulled left of the sub-item's corner";
    EXPECT_LE(popupRect.right, screenRight);
    EXPECT_NEAR(popupRect.top, corner.Y, 4);
    EXPECT_TRUE(overPopup);
    EXPECT_EQ(under.Kind, phSubItem);
    EXPECT_NE(under.Index, 0) << "the pop-up covers another sub-item there";
    EXPECT_TRUE(openAfterMove) << "moves over the covered part belong to the pop-up";
    EXPECT_EQ(panel->SubMenuPopup(), nullptr);
    EXPECT_FALSE(f.Menu->MenuVisible()) << "a pop-up closed by itself hides the menu";
}

TEST(PreviewMenuWindow, PointerOntoAnItemClosesThePopupAndMovesTheMark) {
    TScenicGuard classic(false);
    TShown f;
    auto* popup = new TPopupMenu(f.Form.get());
    auto* entry = new TMenuItem(popup);
    entry->SetCaption(L"Entry");
    popup->Items()->Add(entry);
    f.AddItem(L"Item");
    f.AddItem(L"Other");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Has popup");
    f.Menu->SubMenuItems().Items(0)->SetSubMenu(popup);
    TOrvPreviewMenuPanel* panel = f.Show();
    TPoint onItem = panel->ClientToScreen(Centre(panel->ItemRect(1)));
    TPoint from = panel->ClientToScreen(Centre(panel->SubItemRect(0)));
    bool wasOpen = false;
    int escapes = 0;
    std::thread helper([&] {
        Sleep(500);
        HWND w = FindWindowW(L"#32768", nullptr);
        wasOpen = w && IsWindowVisible(w);
        // The way there in steps, as a hand moves (a single jump is sometimes reported late
        // or not at all by the pop-up's loop), then held long enough for a late report of
        // the old place to be undone.
        for (int step = 1; step < 6; ++step) {
            MoveAndHold(TPoint{from.X + (onItem.X - from.X) * step / 6, from.Y + (onItem.Y - from.Y) * step / 6}, 50);
        }
        MoveAndHold(onItem, 1200);
        // Should the pop-up stay, close it so the test fails instead of hanging. Asked of
        // the pop-up's own window: the panel's state belongs to the other thread, and an
        // Escape sent after the pop-up went would hide the whole menu.
        for (int i = 0; i < 3; ++i) {
            HWND open = FindWindowW(L"#32768", nullptr);
            if (!open || !IsWindowVisible(open)) break;
            ++escapes;
            PressKey(VK_ESCAPE);
            Sleep(400);
        }
    });
    PointAt(panel, Centre(panel->SubItemRect(0)));
    orvtest::PumpFor(2400);
    helper.join();
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(escapes, 0) << "the move closed the pop-up, not the fallback's Escape";
    EXPECT_EQ(panel->SubMenuPopup(), nullptr);
    EXPECT_TRUE(f.Menu->MenuVisible()) << "closed from inside, the menu stays";
    EXPECT_EQ(panel->ItemHot(), 1) << "the hot mark follows the pointer";
    EXPECT_EQ(panel->SubMenuItemHot(), -1);
    f.Menu->HideMenu();
}

TEST(PreviewMenuWindow, ShiftTabAcceleratorsAndEscapeOnAButton) {
    TScenicGuard classic(false);
    TShown f;
    f.AddItem(L"&Open");
    f.AddItem(L"&Folder", 2);
    f.Menu->SubMenuItems().Add()->SetTitle(L"First own");
    f.Menu->SubMenuItems().Add()->SetTitle(L"Last own");
    f.Menu->Buttons().Add()->SetCaption(L"Right");
    f.Menu->Buttons().Add()->SetCaption(L"Left");
    TOrvPreviewMenuPanel* panel = f.Show();
    // Shift+Tab from the first item goes to the first button of the collection (rightmost).
    Key(VK_DOWN);
    ASSERT_EQ(panel->ItemHot(), 0);
    Key(VK_TAB, true);
    ASSERT_EQ(panel->ButtonList().size(), 2u);
    EXPECT_TRUE(panel->ButtonList()[0]->Focused());
    EXPECT_EQ(panel->ItemHot(), -1);
    // Back from a button with Shift held: the last sub-item of the shown list is hot.
    Key(VK_TAB, true);
    EXPECT_TRUE(panel->ButtonList()[1]->Focused());
    Key(VK_TAB, true);
    EXPECT_TRUE(panel->Focused());
    EXPECT_EQ(panel->SubMenuItemHot(), 1);
    // Escape on a focused button hides the menu.
    panel = f.Show();
    Key(VK_DOWN);
    Key(VK_TAB, true);
    ASSERT_TRUE(panel->ButtonList()[0]->Focused());
    Key(VK_ESCAPE);
    EXPECT_FALSE(f.Menu->MenuVisible());
    // An accelerator of an item with sub-items only marks it; a plain one clicks.
    panel = f.Show();
    Key('F');
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(panel->ItemHot(), 1);
    EXPECT_EQ(panel->SubMenuItem(), 1);
    Key('O');
    EXPECT_FALSE(f.Menu->MenuVisible());
    EXPECT_EQ(f.Clicks, (std::vector<int>{0}));
}

TEST(PreviewMenuWindow, ScrollArrowsAndTheKeyboardPageTheSubItems) {
    TScenicGuard classic(false);
    TShown f;
    for (int i = 0; i < 4; ++i) f.AddItem(L"Item " + std::to_wstring(i));
    f.Menu->SetSubMenuItemHeight(20);
    for (int i = 0; i < 10; ++i) f.Menu->SubMenuItems().Add()->SetTitle(L"Entry " + std::to_wstring(i));
    TOrvPreviewMenuPanel* panel = f.Show();
    TPreviewPaging paging = panel->Paging();
    ASSERT_TRUE(paging.Active);
    ASSERT_GE(paging.PageSize, 1);
    // A press on the down arrow pages one page forward; the up arrow back.
    ClickAt(panel, Centre(panel->ScrollDownRect()));
    EXPECT_TRUE(f.Menu->MenuVisible());
    EXPECT_EQ(panel->TopSubMenuItem(), paging.PageSize);
    EXPECT_EQ(panel->SubMenuScroller().GetPosition(), 1);
    ClickAt(panel, Centre(panel->ScrollUpRect()));
    EXPECT_EQ(panel->TopSubMenuItem(), 0);
    EXPECT_TRUE(f.SubClicks.empty()) << "arrows are no sub-items";
    // Walking down the sub-items past the page pages towards the hot one, and back up.
    PointAtScreen({5, 5});
    Key(VK_DOWN);
    Key(VK_RIGHT);
    ASSERT_EQ(panel->SubMenuItemHot(), 0);
    for (int i = 0; i < paging.PageSize; ++i) Key(VK_DOWN);
    EXPECT_EQ(panel->SubMenuItemHot(), paging.PageSize);
    EXPECT_EQ(panel->TopSubMenuItem(), paging.PageSize);
    EXPECT_FALSE(panel->SubItemRect(paging.PageSize).IsEmpty());
    Key(VK_UP);
    EXPECT_EQ(panel->TopSubMenuItem(), 0);
    f.Menu->HideMenu();
}
