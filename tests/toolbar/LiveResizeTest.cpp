// Live resizing of a ribbon in a real window: one layout pass per size change, the
// windows compact mode made are kept (none made while the edge is dragged on), every
// step ends where a fresh layout at that width ends, and a tab switch lays out once and
// repaints only what it changed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "PagerTestSupport.h"
#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

using namespace orv;

namespace {

// A form with a pager whose first page holds five toolbars of three large and three
// label-size glow buttons that keep their captions (so narrow pages compact toolbars), as
// the bench drags it.
struct TLiveRibbon {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarPager* Pager;
    TOrvPage* Page;
    TOrvPage* Other;
    std::vector<TOrvToolBar*> Bars;

    explicit TLiveRibbon(int width) {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(20, 20, width, 240);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->SetAlign(TAlign::alTop);
        Page = Pager->AddOrvPage(L"Home");
        Other = Pager->AddOrvPage(L"Insert");
        for (int i = 0; i < 5; ++i) {
            auto* tb = new TOrvToolBar(Form.get());
            tb->SetCaption(L"Group " + std::to_wstring(i));
            tb->SetShowCaption(true);
            tb->SetCaptionPosition(cpBottom);
            tb->SetShowRightHandle(false);
            Page->AddOrvToolBar(tb);
            for (int k = 0; k < 6; ++k) {
                auto* b = new TOrvGlowButton(Form.get());
                b->SetCaption(L"Command " + std::to_wstring(k));
                if (k >= 3) b->SetButtonSizeState(bsLabel);
                b->SetMinButtonSizeState(bsLabel);
                b->SetAutoSize(true);
                b->SetParent(tb);
            }
            Bars.push_back(tb);
        }
        Page->ArrangeToolBars();
        Form->Show();
        orvtest::PumpFor(50);
    }
    // The size change as a dragged edge gives it: the window is sized, then the queue runs.
    void Drag(int width) {
        RECT r{};
        GetWindowRect(Form->Handle(), &r);
        SetWindowPos(Form->Handle(), nullptr, r.left, r.top, width, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    // Every toolbar's place, width and mode, and every button's state and bounds.
    std::string Layout() const {
        std::string s = "page " + std::to_string(Page->Width()) + "\n";
        for (TOrvToolBar* tb : Bars) {
            s += "bar " + std::to_string(tb->Left()) + "," + std::to_string(tb->Width()) +
                 (tb->IsCompacted() ? " compact" : "") + ":";
            TOrvCustomToolBar* holder = tb->IsCompacted() ? tb->SelfClone() : tb;
            for (int i = 0; holder && i < holder->ControlCount(); ++i) {
                auto* b = dynamic_cast<TOrvGlowButton*>(holder->Controls(i));
                if (!b || !b->GetVisible()) continue;
                s += " " + std::to_string(static_cast<int>(b->GetButtonSizeState())) + "@" +
                     std::to_string(b->Left()) + "," + std::to_string(b->Top()) + "," + std::to_string(b->Width()) +
                     "x" + std::to_string(b->Height());
            }
            s += "\n";
        }
        return s;
    }
};

std::vector<int> DragWidths(int steps) {
    std::vector<int> widths;
    for (int w = 1200; w >= 300 && static_cast<int>(widths.size()) < steps; w -= 10) widths.push_back(w);
    for (int w = 310; w <= 1200 && static_cast<int>(widths.size()) < steps; w += 10) widths.push_back(w);
    return widths;
}

// Counts the windows this thread makes and destroys while it lives.
class TWindowLifeCounter {
public:
    TWindowLifeCounter() {
        Current() = this;
        FHook = SetWindowsHookExW(WH_CBT, Proc, nullptr, GetCurrentThreadId());
    }
    ~TWindowLifeCounter() {
        UnhookWindowsHookEx(FHook);
        Current() = nullptr;
    }
    int Created = 0, Destroyed = 0;

private:
    static TWindowLifeCounter*& Current() {
        static TWindowLifeCounter* current = nullptr;
        return current;
    }
    static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
        if (TWindowLifeCounter* c = Current()) {
            if (code == HCBT_CREATEWND) ++c->Created;
            if (code == HCBT_DESTROYWND) ++c->Destroyed;
        }
        return CallNextHookEx(nullptr, code, w, l);
    }
    HHOOK FHook = nullptr;
};

}  // namespace

TEST(LiveResize, OneLayoutPassPerSizeChangeAndNoneForTheHiddenPage) {
    TLiveRibbon r(1200);
    for (int w : {1100, 700, 400, 300, 520, 900, 1200}) {
        int passes = r.Page->LayoutPassCount();
        int hidden = r.Other->LayoutPassCount();
        r.Drag(w);
        EXPECT_EQ(r.Page->LayoutPassCount() - passes, 1) << "width " << w;
        EXPECT_EQ(r.Other->LayoutPassCount() - hidden, 0) << "a hidden page waits until it shows, width " << w;
    }
    // A toolbar whose size the step did not change is not positioned again.
    r.Drag(1190);
    std::vector<int> before;
    for (TOrvToolBar* tb : r.Bars) before.push_back(tb->PositionCount());
    r.Drag(1180);
    for (size_t i = 0; i < r.Bars.size(); ++i)
        EXPECT_EQ(r.Bars[i]->PositionCount(), before[i]) << "toolbar " << i << " kept its size at 1180";
}

TEST(LiveResize, NoWindowMadeOrDestroyedAfterTheFirstCompactOfEachToolbar) {
    TLiveRibbon r(1200);
    // The first drag down compacts the toolbars once.
    for (int w : DragWidths(91)) r.Drag(w);
    int compacted = 0;
    for (TOrvToolBar* tb : r.Bars) compacted += tb->IsCompacted() ? 1 : 0;
    EXPECT_GE(compacted, 4) << "compact toolbars at 300";
    r.Drag(1200);
    for (size_t i = 0; i < r.Bars.size(); ++i) EXPECT_FALSE(r.Bars[i]->IsCompacted()) << "toolbar " << i << " at 1200";
    TWindowLifeCounter counter;
    for (int w : DragWidths(100)) r.Drag(w);
    EXPECT_EQ(counter.Created, 0) << "windows made during 100 resize steps";
    EXPECT_EQ(counter.Destroyed, 0) << "windows destroyed during 100 resize steps";
}

TEST(LiveResize, EveryStepEndsWithTheLayoutOfAFreshRibbonAtThatWidth) {
    // Both made 10 pixels wider, so every width of the drag is a size change for both.
    TLiveRibbon dragged(1210);
    int mismatches = 0;
    const std::vector<int> widths = DragWidths(181);
    for (size_t i = 0; i < widths.size(); ++i) {
        const int w = widths[i];
        dragged.Drag(w);
        // Every fifth step is compared (a fresh ribbon costs a form of 30 windows).
        if (i % 5 != 0) continue;
        TLiveRibbon fresh(w + 10);
        fresh.Drag(w);
        if (dragged.Layout() != fresh.Layout() && ++mismatches <= 3)
            ADD_FAILURE() << "width " << w << ": dragged\n"
                          << dragged.Layout() << "fresh\n"
                          << fresh.Layout();
    }
    EXPECT_EQ(mismatches, 0);
}

namespace {

// The union of the areas a window's paints covered while it lives (read as each WM_PAINT
// leaves the queue, before the paint validates it).
class TPaintedArea {
public:
    explicit TPaintedArea(HWND window) : FWindow(window), FArea(CreateRectRgn(0, 0, 0, 0)) {
        Current() = this;
        FHook = SetWindowsHookExW(WH_GETMESSAGE, Proc, nullptr, GetCurrentThreadId());
    }
    ~TPaintedArea() {
        UnhookWindowsHookEx(FHook);
        Current() = nullptr;
    }
    int Paints() const { return FPaints; }
    // The bounds of what was painted outside the given rectangles (empty when nothing was).
    TRect Outside(std::initializer_list<TRect> allowed) const {
        TGdiRegion rest(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(rest.Get(), FArea.Get(), nullptr, RGN_COPY);
        for (const TRect& r : allowed) {
            TGdiRegion cut(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
            CombineRgn(rest.Get(), rest.Get(), cut.Get(), RGN_DIFF);
        }
        RECT box{};
        if (GetRgnBox(rest.Get(), &box) == NULLREGION) return TRect{};
        return TRect{box.left, box.top, box.right, box.bottom};
    }

private:
    static TPaintedArea*& Current() {
        static TPaintedArea* current = nullptr;
        return current;
    }
    static LRESULT CALLBACK Proc(int code, WPARAM w, LPARAM l) {
        auto* msg = reinterpret_cast<MSG*>(l);
        TPaintedArea* self = Current();
        if (self && code == HC_ACTION && w == PM_REMOVE && msg->message == WM_PAINT && msg->hwnd == self->FWindow) {
            TGdiRegion update(CreateRectRgn(0, 0, 0, 0));
            if (GetUpdateRgn(self->FWindow, update.Get(), FALSE) != NULLREGION) {
                ++self->FPaints;
                CombineRgn(self->FArea.Get(), self->FArea.Get(), update.Get(), RGN_OR);
            }
        }
        return CallNextHookEx(nullptr, code, w, l);
    }
    HWND FWindow;
    TGdiRegion FArea;
    HHOOK FHook = nullptr;
    int FPaints = 0;
};

// The control's pixels as the screen shows them.
std::vector<TColor> ScreenPixels(TControl* control) {
    TPoint o = control->ClientToScreen({0, 0});
    TBitmap bmp(control->Width(), control->Height());
    TWindowDC screen(nullptr);
    BitBlt(bmp.Canvas().Handle(), 0, 0, control->Width(), control->Height(), screen.Get(), o.X, o.Y, SRCCOPY);
    std::vector<TColor> pixels;
    for (int y = 0; y < control->Height(); ++y)
        for (int x = 0; x < control->Width(); ++x) pixels.push_back(bmp.PixelColor(x, y));
    return pixels;
}

}  // namespace

TEST(LiveResize, ATabSwitchLaysTheNewPageOutOnceAndRepaintsOnlyItsTwoTabs) {
    pagertest::TPagerFixture f({L"Home", L"Insert", L"View", L"Review"}, 800);
    for (TOrvPage* page : {f.Pages[0], f.Pages[1]})
        for (int i = 0; i < 3; ++i) {
            auto* tb = new TOrvToolBar(f.Form.get());
            page->AddOrvToolBar(tb);
            for (int k = 0; k < 3; ++k) {
                auto* b = new TOrvGlowButton(f.Form.get());
                b->SetCaption(L"Command " + std::to_wstring(k));
                b->SetAutoSize(true);
                b->SetParent(tb);
            }
        }
    // Narrower while Home shows: Insert's toolbars wait for it to show.
    f.Pager->SetWidth(420);
    orvtest::PumpFor(60);
    int homePasses = f.Pages[0]->LayoutPassCount(), insertPasses = f.Pages[1]->LayoutPassCount();
    TRect home = f.Pager->GetTabRect(0), insert = f.Pager->GetTabRect(1);
    glowtest::PointAt(f.Pager, (insert.Left + insert.Right) / 2, (insert.Top + insert.Bottom) / 2);
    orvtest::PumpFor(400);  // the hover glow runs out
    TPaintedArea painted(f.Pager->Handle());
    glowtest::LeftDown();
    glowtest::LeftUp();
    orvtest::PumpFor(100);
    ASSERT_EQ(f.Pager->GetActivePageIndex(), 1);
    EXPECT_EQ(f.Pages[1]->LayoutPassCount() - insertPasses, 1) << "the shown page lays out once";
    EXPECT_EQ(f.Pages[0]->LayoutPassCount() - homePasses, 0) << "the page that hides does not";
    auto around = [](TRect r) { return TRect{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2}; };
    EXPECT_GT(painted.Paints(), 0);
    TRect outside = painted.Outside({around(home), around(insert), f.Pages[1]->BoundsRect()});
    EXPECT_TRUE(outside.IsEmpty()) << "the pager repainted " << testing::PrintToString(outside)
                                   << " beside the two tabs and the page";
    // Insert's toolbars fit the narrower page as a resize there would have left them.
    TOrvCustomToolBar* last = f.Pages[1]->ToolBars(f.Pages[1]->ToolBarCount() - 1);
    EXPECT_LE(last->Left() + last->Width(), f.Pages[1]->Width());
    // What the screen shows after the narrow repaint is what a full repaint shows.
    std::vector<TColor> after = ScreenPixels(f.Pager);
    RedrawWindow(f.Pager->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    orvtest::PumpFor(30);
    EXPECT_TRUE(after == ScreenPixels(f.Pager)) << "a full repaint changed pixels the switch left";
}
