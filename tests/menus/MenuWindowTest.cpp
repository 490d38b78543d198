// Real menu windows under the display: sub-menus and menu-bar drop-downs opened with
// the mouse, checked by where their windows end up and by their pixels on the screen.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "TestSupport.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/Hooks.h"
#include "menus/OrvMenuPainter.h"
#include "menus/OrvMenuWindow.h"
#include "menus/OrvMenus.h"

using namespace orv;
using namespace orv::menus;

namespace {

constexpr UINT kMenuOfWindow = 0x01E1;  // MN_GETHMENU
constexpr TColor kSideBarColor = 0x008000;
constexpr TColor kIconBarColor = 0xFFF9F9;     // the icon bar's first colour
constexpr TColor kBackgroundColor = 0xFFFAFD;  // Background.Color
constexpr TColor kBorderColor = 0x7C7C94;      // MenuBorderColor
constexpr TColor kSplitterColor = 0x808080;
constexpr TColor kSideBarBorderColor = 0xA19D9D;

void ClickAt(int x, int y) {
    SetCursorPos(x, y);
    INPUT in[2]{};
    in[0].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1] = in[0];
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// An entry's rectangle on the screen (window: the form for a menu bar, else null).
RECT EntryRect(HMENU menu, int index, HWND window = nullptr) {
    RECT r{};
    GetMenuItemRect(window, menu, static_cast<UINT>(index), &r);
    return r;
}

void ClickEntry(HMENU menu, int index, HWND window = nullptr) {
    RECT r = EntryRect(menu, index, window);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The visible menu window that shows menu, or null.
HWND MenuWindowOf(HMENU menu) {
    struct TSearch {
        HMENU Menu;
        HWND Found = nullptr;
    } search{menu};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<TSearch*>(data);
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32768" && IsWindowVisible(window) &&
                reinterpret_cast<HMENU>(SendMessageW(window, kMenuOfWindow, 0, 0)) == s->Menu) {
                s->Found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// Steps run one by one on a timer (the menu loop dispatches it), each a quarter second
// after the last; the last step closes the menu (whatever the earlier steps met).
class TMenuScript {
public:
    explicit TMenuScript(std::vector<std::function<void()>> steps) : FSteps(std::move(steps)) {
        gCurrent = this;
        FTimer = SetTimer(nullptr, 0, 250, Tick);
    }
    ~TMenuScript() {
        KillTimer(nullptr, FTimer);
        gCurrent = nullptr;
    }
    bool Done() const { return FNext >= FSteps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        TMenuScript* script = gCurrent;
        if (!script || script->Done()) {
            KillTimer(nullptr, id);
            return;
        }
        script->FSteps[script->FNext++]();
    }
    static inline TMenuScript* gCurrent = nullptr;
    std::vector<std::function<void()>> FSteps;
    size_t FNext = 0;
    UINT_PTR FTimer = 0;
};

TBitmap& Screen() {
    static TBitmap screen;
    return screen;
}

void CaptureScreen() {
    TBitmap& screen = Screen();
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    screen.SetSize(width, height);
    TWindowDC dc(nullptr);
    BitBlt(screen.Canvas().Handle(), 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
}

TColor At(int x, int y) {
    return Screen().PixelColor(x, y);
}

// Notes where each menu window was when the system asked for one of its items to be
// drawn.
class TDrawPlaces {
public:
    TDrawPlaces()
        : FHook(WH_CALLWNDPROC, [this](int, uintptr_t, intptr_t lParam) {
              auto* call = reinterpret_cast<CWPSTRUCT*>(lParam);
              if (call->message != WM_DRAWITEM) return false;
              auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(call->lParam);
              if (draw->CtlType != ODT_MENU) return false;
              if (HWND window = WindowFromDC(draw->hDC)) Places.push_back({window, WindowRectOf(window)});
              return false;
          }) {}
    struct TPlace {
        HWND Window;
        RECT Rect;
    };
    std::vector<TPlace> Places;
    // How many items of window were drawn, and how many of them somewhere else than
    // final.
    std::pair<int, int> Count(HWND window, const RECT& final) const {
        int drawn = 0, elsewhere = 0;
        for (const TPlace& p : Places)
            if (p.Window == window) {
                ++drawn;
                elsewhere += !EqualRect(&p.Rect, &final);
            }
        return {drawn, elsewhere};
    }

private:
    TThreadHook FHook;
};

TMenuItem* AddChild(TMenuItem* parent, const std::wstring& caption) {
    auto* item = new TMenuItem(parent->GetParentMenu());
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

// The side bar, splitter, icon bar and background of a window whose items begin at
// left; first and last: the rectangles of its first and last entries.
void ExpectBarsBeside(const RECT& first, const RECT& last, bool sideBar) {
    int left = first.left;
    int bottom = last.bottom - 1;
    int middle = (last.top + last.bottom) / 2;
    if (sideBar) {
        // The bar's border frames it from the first item's corner to the last item's
        // bottom row; the splitter is the 25th column.
        EXPECT_EQ(At(left, first.top), kSideBarBorderColor) << "the side bar begins at the first item's corner";
        EXPECT_EQ(At(left + 1, first.top + 1), kSideBarColor);
        EXPECT_EQ(At(left + 22, bottom - 1), kSideBarColor);
        EXPECT_EQ(At(left + 22, bottom), kSideBarBorderColor) << "and ends with the last item";
        EXPECT_EQ(At(left + 24, middle), kSplitterColor);
        left += 25;
    }
    EXPECT_EQ(At(left, middle), kIconBarColor) << "the icon bar follows at once";
    EXPECT_EQ(At(left + 26, last.top + 1), kBackgroundColor) << "then the background";
}

}  // namespace

TEST(StyledSubMenuWindow, SubMenusJoinTheirParentOnEitherSideAndArePaintedWhereTheyEndUp) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"First");
    TMenuItem* more = menu->AddItem(L"More");
    TMenuItem* deeper = AddChild(more, L"Deeper");
    AddChild(deeper, L"Deepest item");
    for (TMenuItem* parent : {more, deeper})
        for (const wchar_t* caption : {L"Extra one", L"Extra two", L"Extra three"}) AddChild(parent, caption);
    TSideBar& sideBar = menu->CurrentMenuStyler()->SideBar();
    sideBar.SetVisible(true);
    sideBar.SetVisibleIn(viAnyLevel);
    sideBar.Background().SetColor(kSideBarColor);

    int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    for (bool towardsLeft : {false, true}) {
        SCOPED_TRACE(towardsLeft ? "sub-menus open to the left" : "sub-menus open to the right");
        TDrawPlaces draws;
        RECT top{}, sub{}, deep{}, deepFirst{}, deepLast{}, moreEntry{}, deeperEntry{};
        HWND subWindow = nullptr, deepWindow = nullptr;
        TMenuScript script({[&] { ClickEntry(menu->Handle(), 1); }, [&] { ClickEntry(more->Handle(), 0); },
                            [&] {
                                CaptureScreen();
                                moreEntry = EntryRect(menu->Handle(), 1);
                                deeperEntry = EntryRect(more->Handle(), 0);
                                top = WindowRectOf(MenuWindowOf(menu->Handle()));
                                subWindow = MenuWindowOf(more->Handle());
                                deepWindow = MenuWindowOf(deeper->Handle());
                                sub = WindowRectOf(subWindow);
                                deep = WindowRectOf(deepWindow);
                                deepFirst = EntryRect(deeper->Handle(), 0);
                                deepLast = EntryRect(deeper->Handle(), 3);
                                EndMenu();
                            }});
        menu->Popup(towardsLeft ? screenWidth - 180 : 40, 40);
        ASSERT_TRUE(script.Done());
        ASSERT_NE(subWindow, nullptr);
        ASSERT_NE(deepWindow, nullptr);

        // What shows of a menu window: its outer pixel and the 17 measured pixels on the
        // right are cut off.
        auto shownLeft = [](const RECT& r) { return r.left + 1; };
        auto shownRight = [](const RECT& r) { return r.right - 1 - kMenuWindowCut; };
        // A sub-menu never covers its parent: the parent's border beside the selected item
        // stays in sight on either side.
        for (auto [parent, child, owner] : {std::tuple{top, sub, moreEntry}, std::tuple{sub, deep, deeperEntry}}) {
            const int ownerMiddle = (owner.top + owner.bottom) / 2;
            if (!towardsLeft) {
                ASSERT_GT(child.left, parent.left);
                int gap = shownLeft(child) - shownRight(parent);
                EXPECT_TRUE(gap >= 0 && gap <= 2) << "gap " << gap << " between a sub-menu and its parent";
                EXPECT_EQ(At(shownRight(parent) - 1, ownerMiddle), kBorderColor) << "the parent's right border";
            } else {
                ASSERT_LT(child.left, parent.left);
                int gap = shownLeft(parent) - shownRight(child);
                EXPECT_TRUE(gap >= 0 && gap <= 2) << "gap " << gap << " between a sub-menu and its parent";
                EXPECT_EQ(At(shownLeft(parent), ownerMiddle), kBorderColor) << "the parent's left border";
            }
        }
        for (auto [window, final] : {std::pair{subWindow, sub}, std::pair{deepWindow, deep}}) {
            auto [drawn, elsewhere] = draws.Count(window, final);
            EXPECT_GT(drawn, 0);
            EXPECT_EQ(elsewhere, 0) << "items drawn before the window moved to its place";
        }
        // The frame, then the bars of the deepest menu (none of its items is selected).
        int middle = (deep.top + deep.bottom) / 2;
        EXPECT_EQ(At(deep.left + 1, middle), kBorderColor);
        EXPECT_EQ(At(deep.left + 2, middle), kBackgroundColor);
        EXPECT_EQ(At(shownRight(deep) - 1, middle), kBorderColor);
        ExpectBarsBeside(deepFirst, deepLast, true);
    }
    EXPECT_EQ(ThreadHookLiveCount(), 0) << "the menu's window watch ended with the menu";
    EXPECT_EQ(TreatedMenuWindowCount(), 0) << "every treated window was let go";
}

TEST(StyledSubMenuWindow, AWindowNoWatchSawOpenIsMovedAndRepaintedAtItsFirstItem) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"First");
    TMenuItem* more = menu->AddItem(L"More");
    for (const wchar_t* caption : {L"One", L"Two", L"Three"}) AddChild(more, caption);
    TSideBar& sideBar = menu->CurrentMenuStyler()->SideBar();
    sideBar.SetVisible(true);
    sideBar.SetVisibleIn(viAnyLevel);
    sideBar.Background().SetColor(kSideBarColor);
    menu->HookItems();
    RECT top{}, sub{}, first{}, last{};
    TMenuScript script({[&] { ClickEntry(menu->Handle(), 1); },
                        [&] {
                            CaptureScreen();
                            top = WindowRectOf(MenuWindowOf(menu->Handle()));
                            sub = WindowRectOf(MenuWindowOf(more->Handle()));
                            first = EntryRect(more->Handle(), 0);
                            last = EntryRect(more->Handle(), 2);
                            EndMenu();
                        }});
    // Tracked by hand: no Popup, so no watch.
    TrackPopupMenuEx(menu->Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, 40, 40, MenuMessageWindow(), nullptr);
    ASSERT_TRUE(script.Done());
    int gap = sub.left + 1 - (top.right - 1 - kMenuWindowCut);
    EXPECT_TRUE(gap >= -4 && gap <= 1) << "gap " << gap;
    ExpectBarsBeside(first, last, true);
}

TEST(StyledMenuBar, DropDownJoinsItsBarItemAndItsSubMenuIsPaintedInPlace) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(30, 30, 420, 260);
    auto* menu = Make<TOrvMainMenu>(form.get());
    TMenuItem* file = menu->AddItem(L"&File");
    for (const wchar_t* caption : {L"New", L"Recent files", L"Save", L"Close"}) AddChild(file, caption);
    TMenuItem* recent = file->Items(1);
    for (const wchar_t* caption : {L"One.txt", L"Two.txt", L"Three.txt"}) AddChild(recent, caption);
    menu->AddItem(L"&Edit");
    TSideBar& sideBar = menu->CurrentMenuStyler()->SideBar();
    sideBar.SetVisible(true);  // in the drop-down of the first bar item only
    sideBar.Background().SetColor(kSideBarColor);
    form->Show();
    SetForegroundWindow(form->Handle());
    menu->Refresh();
    orvtest::PumpFor(200);

    HWND formWindow = form->Handle();
    HMENU bar = GetMenu(formWindow);
    TDrawPlaces draws;
    RECT barItem{}, drop{}, sub{}, dropFirst{}, dropLast{}, subFirst{}, subLast{};
    HWND dropWindow = nullptr, subWindow = nullptr;
    TMenuScript script({[&] { ClickEntry(bar, 0, formWindow); }, [&] { ClickEntry(file->Handle(), 1); },
                        [&] {
                            CaptureScreen();
                            barItem = EntryRect(bar, 0, formWindow);
                            dropWindow = MenuWindowOf(file->Handle());
                            subWindow = MenuWindowOf(recent->Handle());
                            drop = WindowRectOf(dropWindow);
                            sub = WindowRectOf(subWindow);
                            dropFirst = EntryRect(file->Handle(), 0);
                            dropLast = EntryRect(file->Handle(), 3);
                            subFirst = EntryRect(recent->Handle(), 0);
                            subLast = EntryRect(recent->Handle(), 2);
                            EndMenu();
                        }});
    ASSERT_TRUE(orvtest::PumpUntil([&] { return script.Done(); }, 5000));
    orvtest::PumpFor(100);
    ASSERT_NE(dropWindow, nullptr);
    ASSERT_NE(subWindow, nullptr);

    // The drop-down's shown part starts under the bar item's left edge and overlaps its
    // bottom row; its top border is open under the item.
    EXPECT_EQ(drop.left + 1, barItem.left);
    EXPECT_EQ(drop.top + 1, barItem.bottom - 1);
    ASSERT_GT(drop.right - 1 - kMenuWindowCut, barItem.right + 4);
    EXPECT_EQ(At(barItem.left + 3, drop.top + 1), kBackgroundColor) << "joined under the bar item";
    EXPECT_EQ(At(barItem.right + 3, drop.top + 1), kBorderColor) << "bordered beside it";
    ExpectBarsBeside(dropFirst, dropLast, true);

    for (auto [window, final] : {std::pair{dropWindow, drop}, std::pair{subWindow, sub}}) {
        auto [drawn, elsewhere] = draws.Count(window, final);
        EXPECT_GT(drawn, 0);
        EXPECT_EQ(elsewhere, 0) << "items drawn before the window moved to its place";
    }
    EXPECT_GT(sub.left, drop.left);
    ExpectBarsBeside(subFirst, subLast, false);
}

TEST(StyledMenuWindow, ASubMenuFilledByItsParentsClickOpensWithTheNewItems) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"Open");
    TMenuItem* recent = menu->AddItem(L"Recent");
    AddChild(recent, L"(nothing yet)");
    recent->OnClick = [&](TObject*) {
        recent->Clear();
        for (const wchar_t* caption : {L"One.txt", L"Two.txt", L"Three.txt"}) AddChild(recent, caption);
    };
    int entries = -1;
    RECT window{}, third{};
    TMenuScript script({[&] { ClickEntry(menu->Handle(), 1); },
                        [&] {
                            CaptureScreen();
                            entries = GetMenuItemCount(recent->Handle());
                            window = WindowRectOf(MenuWindowOf(recent->Handle()));
                            third = EntryRect(recent->Handle(), 2);
                            EndMenu();
                        }});
    menu->Popup(40, 40);
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(entries, 3);
    EXPECT_GE(window.bottom - window.top, 3 * 18) << "the window was measured with the new items";
    ASSERT_GT(third.bottom, third.top);
    EXPECT_EQ(At(third.left, (third.top + third.bottom) / 2), kIconBarColor);
}

TEST(StyledMenuWindow, ItemsRemovedAndAddedWhileItIsOpenLeaveItPaintedAndWorking) {
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    std::wstring clicked;
    for (const wchar_t* caption : {L"Alpha", L"Beta", L"Gamma", L"Delta"})
        menu->AddItem(caption, [&clicked, caption](TObject*) { clicked = caption; });
    int entries = -1;
    std::vector<RECT> slots;
    TMenuScript script({[&] {
                            menu->Items()->Delete(1);
                            menu->AddItem(L"Epsilon", [&clicked](TObject*) { clicked = L"Epsilon"; });
                            RedrawWindow(MenuWindowOf(menu->Handle()), nullptr, nullptr, RDW_INVALIDATE);
                        },
                        [&] {
                            CaptureScreen();
                            entries = GetMenuItemCount(menu->Handle());
                            for (int i = 0; i < 3; ++i) slots.push_back(EntryRect(menu->Handle(), i));
                            // The second entry is now Gamma.
                            ClickEntry(menu->Handle(), 1);
                        },
                        [] { EndMenu(); }});
    menu->Popup(40, 40);
    ASSERT_EQ(entries, 4) << "the native menu follows the items";
    ASSERT_EQ(slots.size(), 3u);
    for (const RECT& slot : slots) {
        ASSERT_GT(slot.bottom, slot.top);
        EXPECT_EQ(At(slot.left, (slot.top + slot.bottom) / 2), kIconBarColor) << "the entry is painted";
    }
    EXPECT_EQ(clicked, L"Gamma");
}

TEST(StyledMenuStyler, AChangeRepaintsEveryMenuBarItStyles) {
    TOwnedPtr<TOrvMenuStyler> styler(new TOrvMenuStyler(nullptr));
    TOwnedPtr<TForm> first(Make<TForm>(nullptr));
    TOwnedPtr<TForm> second(Make<TForm>(nullptr));
    std::vector<HWND> windows;
    int top = 40;
    for (TForm* form : {first.get(), second.get()}) {
        form->SetBounds(40, top, 300, 120);
        auto* menu = Make<TOrvMainMenu>(form);
        menu->AddItem(L"&File");
        menu->AddItem(L"&Edit");
        menu->SetMenuStyler(styler.get());
        form->Show();
        menu->Refresh();
        windows.push_back(form->Handle());
        top += 200;
    }
    orvtest::PumpFor(300);
    styler->RootItem().SetColor(clRed);
    styler->RootItem().SetColorTo(clRed);
    orvtest::PumpFor(300);
    CaptureScreen();
    for (HWND window : windows) {
        RECT item = EntryRect(GetMenu(window), 0, window);
        ASSERT_GT(item.right, item.left);
        EXPECT_EQ(At(item.left + 2, item.top + 2), clRed) << "a bar of the styler kept its old look";
    }
}

namespace {

bool MenuAnimation() {
    BOOL on = FALSE;
    SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &on, 0);
    return on != FALSE;
}

// For this login only, as a user's other program might.
void SetMenuAnimation(bool on) {
    SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(on)), 0);
}

// The user's stored preference (the menu animation bit of the profile's preference mask).
bool ProfileMenuAnimation() {
    BYTE mask[8] = {};
    DWORD size = sizeof(mask);
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"UserPreferencesMask", RRF_RT_REG_BINARY, nullptr, mask,
                 &size);
    return (mask[0] & 0x02) != 0;
}

constexpr const wchar_t* kStartUpProbe = L"ORV_MENU_ANIMATION_PROBE";

// Runs this test executable again on one test, as a second program loading the library;
// its exit code (0 when its test passed).
DWORD RunThisTestAgain(const wchar_t* test) {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(self) + L"\" --gtest_filter=" + test;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableW(kStartUpProbe, L"1");
    BOOL started =
        CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableW(kStartUpProbe, nullptr);
    if (!started) return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

}  // namespace

TEST(MenuAnimation, LoadingTheLibraryLeavesTheDesktopsMenusAlone) {
    if (GetEnvironmentVariableW(kStartUpProbe, nullptr, 0) > 0) {
        // The second program: its library start-up is done, the setting is as it found it.
        EXPECT_TRUE(MenuAnimation());
        return;
    }
    const bool original = MenuAnimation();
    SetMenuAnimation(true);
    EXPECT_EQ(0u, RunThisTestAgain(L"MenuAnimation.LoadingTheLibraryLeavesTheDesktopsMenusAlone"))
        << "another program that loads the library found menu animation switched off";
    EXPECT_TRUE(MenuAnimation()) << "nor was it switched off while that program ran or when it ended";
    SetMenuAnimation(original);
}

TEST(MenuAnimation, OffOnlyWhileAStyledMenuIsOpenAndNeverInTheProfile) {
    const bool stored = ProfileMenuAnimation();
    const bool original = MenuAnimation();
    SetMenuAnimation(true);
    TOwnedPtr<TOrvPopupMenu> menu(new TOrvPopupMenu(nullptr));
    menu->AddItem(L"First");
    TMenuItem* more = menu->AddItem(L"More");
    AddChild(more, L"Inner");
    int openAnimated = -1, subAnimated = -1;
    bool storedWhileOpen = !stored;
    TMenuScript script({[&] {
                            openAnimated = MenuAnimation();
                            storedWhileOpen = ProfileMenuAnimation();
                            ClickEntry(menu->Handle(), 1);
                        },
                        [&] {
                            subAnimated = MenuAnimation();
                            EndMenu();
                        }});
    menu->Popup(40, 40);
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(0, openAnimated) << "off while the menu is open";
    EXPECT_EQ(0, subAnimated) << "and while its sub-menu is";
    EXPECT_EQ(stored, storedWhileOpen) << "the profile keeps the user's setting";
    EXPECT_TRUE(MenuAnimation()) << "back on once the menu closed";
    EXPECT_EQ(stored, ProfileMenuAnimation()) << "nor written to the profile when switched back";

    // Off before the menu opened: it stays off.
    SetMenuAnimation(false);
    TMenuScript closing({[] { EndMenu(); }});
    menu->Popup(40, 40);
    ASSERT_TRUE(closing.Done());
    EXPECT_FALSE(MenuAnimation());
    SetMenuAnimation(original);
}
