// The scrolling control's bar objects against the platform's scroll bars, and the drag
// operation driven by the real pointer.
#include <gtest/gtest.h>

#include <vector>

#include "TestSupport.h"
#include "framework/DragDrop.h"
#include "framework/Forms.h"
#include "framework/ScrollingWinControl.h"

using namespace orv;

namespace {

class TScrollProbe : public TScrollingWinControl {
public:
    using TScrollingWinControl::TScrollingWinControl;
    std::vector<TScrollBarKind> Moves;

protected:
    void ScrollPositionChanged(TScrollBarKind kind) override { Moves.push_back(kind); }
};

class TDropProbe : public TWinControl, public IDragTarget {
public:
    using TWinControl::TWinControl;
    bool Accepts = true;
    std::vector<TDragState> States;
    int Drops = 0;
    TPoint DropAt{-1, -1};
    void DragOver(TObject*, int, int, TDragState state, bool& accept) override {
        States.push_back(state);
        accept = Accepts;
    }
    void DragDrop(TObject*, int x, int y) override {
        ++Drops;
        DropAt = {x, y};
    }
};

void MoveTo(TControl* c, int x, int y) {
    TPoint p = c->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof(in));
    orvtest::PumpFor(40);
}

void Button(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    SendInput(1, &in, sizeof(in));
    orvtest::PumpFor(40);
}

}  // namespace

TEST(ScrollingWinControl, BarsClampShowAndFollowScrollRequests) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(50, 50, 300, 300);
    auto* c = new TScrollProbe(form.get());
    c->SetBounds(0, 0, 200, 100);
    c->SetParent(form.get());
    form->Show();
    orvtest::PumpFor(30);
    TControlScrollBar& v = c->VertScrollBar();
    v.SetThumbSize(100);
    v.SetRange(401);
    EXPECT_TRUE(v.IsScrollBarVisible());
    EXPECT_TRUE(GetWindowLongW(c->Handle(), GWL_STYLE) & WS_VSCROLL) << "the platform's bar shows";
    v.SetPosition(1000);
    EXPECT_EQ(v.GetPosition(), 301) << "clamped to range - thumb";
    v.SetPosition(-5);
    EXPECT_EQ(v.GetPosition(), 0);

    SendMessageW(c->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(v.GetPosition(), 8) << "one increment";
    SendMessageW(c->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(v.GetPosition(), 108) << "one thumb";
    SendMessageW(c->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(v.GetPosition(), 301);
    EXPECT_EQ(c->Moves.size(), 3u);
    EXPECT_EQ(GetScrollPos(c->Handle(), SB_VERT), 301) << "the window's bar follows";

    // A dragged thumb moves the position only with tracking.
    SendMessageW(c->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 0);
    EXPECT_EQ(v.GetPosition(), 301);
    v.SetTracking(true);
    SendMessageW(c->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 50), 0);
    EXPECT_NE(v.GetPosition(), 301);

    // A range within the thumb, or an invisible bar, hides it and keeps the position in range.
    v.SetRange(90);
    EXPECT_FALSE(v.IsScrollBarVisible());
    EXPECT_EQ(v.GetPosition(), 0);
    EXPECT_FALSE(GetWindowLongW(c->Handle(), GWL_STYLE) & WS_VSCROLL);
    v.SetRange(500);
    v.SetVisible(false);
    EXPECT_FALSE(GetWindowLongW(c->Handle(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(c->HorzScrollBar().GetRange() == 0 && !c->HorzScrollBar().IsScrollBarVisible());
}

TEST(DragOperation, OverEnterMoveLeaveThenDropOnAnAcceptingTarget) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(50, 50, 400, 200);
    auto* source = new TDropProbe(form.get());
    source->SetBounds(10, 10, 100, 100);
    source->SetParent(form.get());
    auto* target = new TDropProbe(form.get());
    target->SetBounds(200, 10, 100, 100);
    target->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(50);

    int ends = 0;
    TControl* endTarget = nullptr;
    MoveTo(source, 20, 20);
    Button(MOUSEEVENTF_LEFTDOWN);
    TDragOperation::Begin(source, [&](TControl* t, bool) {
        ++ends;
        endTarget = t;
    });
    EXPECT_TRUE(TDragOperation::Active());
    MoveTo(target, 30, 40);
    MoveTo(target, 35, 45);
    ASSERT_GE(target->States.size(), 2u);
    EXPECT_EQ(target->States[0], dsDragEnter);
    EXPECT_EQ(target->States[1], dsDragMove);
    EXPECT_EQ(source->States.back(), dsDragLeave) << "the source heard the pointer leave";
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_FALSE(TDragOperation::Active());
    EXPECT_EQ(target->Drops, 1);
    EXPECT_EQ(target->DropAt, (TPoint{35, 45}));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(endTarget, target);

    // A refusing target gets no drop; Escape ends a drag without one.
    target->Accepts = false;
    MoveTo(source, 20, 20);
    Button(MOUSEEVENTF_LEFTDOWN);
    TDragOperation::Begin(source, [&](TControl* t, bool) {
        ++ends;
        endTarget = t;
    });
    MoveTo(target, 30, 40);
    Button(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(target->Drops, 1);
    EXPECT_EQ(ends, 2);
    EXPECT_EQ(endTarget, nullptr);
    target->Accepts = true;
    TDragOperation::Begin(source);
    MoveTo(target, 30, 40);
    SendMessageW(source->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(TDragOperation::Active());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(target->Drops, 1);
}
