#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/SysUtils.h"

using namespace orv;
using orvtest::PumpUntil;

namespace {

// A windowed control that counts what it hears.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* owner) : TCustomControl(owner) {
        FControlStyle = csCaptureMouse | csClickEvents | csOpaque;
        OnClick = [this](TObject*) { ++Clicks; };
        OnMouseEnter = [this](TObject*) { ++Enters; };
        OnMouseLeave = [this](TObject*) { ++Leaves; };
    }
    int Clicks = 0, Enters = 0, Leaves = 0;
};

// A control without a window of its own, routed through its parent.
class TGraphicProbe : public TGraphicControl {
public:
    explicit TGraphicProbe(TComponent* owner) : TGraphicControl(owner) {
        OnClick = [this](TObject*) { ++Clicks; };
        OnMouseEnter = [this](TObject*) { ++Enters; };
        OnMouseLeave = [this](TObject*) { ++Leaves; };
    }
    int Clicks = 0, Enters = 0, Leaves = 0;

protected:
    void Paint() override {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(ClientRect());
    }
};

TOwnedPtr<TForm> MakeForm(int clientWidth, int clientHeight) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 400, 300);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    return form;
}

LPARAM Pt(int x, int y) {
    return MAKELPARAM(x, y);
}

}  // namespace

TEST(Align, ChildrenAreLaidOutTopBottomLeftRightThenClient) {
    auto form = MakeForm(300, 200);
    auto add = [&](TAlign align, int l, int t, int w, int h) {
        auto* p = new TPanel(form.get());
        p->SetBounds(l, t, w, h);
        p->SetParent(form.get());
        p->SetAlign(align);
        return p;
    };
    // Built the way a layout is read: nothing aligns while loading, then once, with
    // position deciding among equals (inserted out of order on purpose).
    form->IncludeState(csLoading);
    TPanel* client = add(TAlign::alClient, 0, 0, 10, 10);
    TPanel* right = add(TAlign::alRight, 0, 0, 50, 10);
    TPanel* topLower = add(TAlign::alTop, 0, 100, 10, 30);
    TPanel* topUpper = add(TAlign::alTop, 0, 5, 10, 20);
    TPanel* left = add(TAlign::alLeft, 0, 0, 40, 10);
    TPanel* bottom = add(TAlign::alBottom, 0, 0, 10, 10);
    EXPECT_EQ(topUpper->BoundsRect(), Bounds(0, 5, 10, 20)) << "no alignment while loading";
    form->Loaded();

    form->Show();
    ASSERT_TRUE(form->HandleAllocated());
    EXPECT_EQ(form->ClientRect(), (TRect{0, 0, 300, 200}));
    EXPECT_EQ(topUpper->BoundsRect(), Bounds(0, 0, 300, 20));
    EXPECT_EQ(topLower->BoundsRect(), Bounds(0, 20, 300, 30));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 190, 300, 10));
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 50, 40, 140));
    EXPECT_EQ(right->BoundsRect(), Bounds(250, 50, 50, 140));
    EXPECT_EQ(client->BoundsRect(), Bounds(40, 50, 210, 140));

    // The native windows agree with the control's bounds.
    RECT rc;
    GetWindowRect(client->Handle(), &rc);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(rc.left, 40);
    EXPECT_EQ(rc.bottom - rc.top, 140);

    // Resizing the parent re-aligns; hiding an aligned child gives its room away.
    form->SetClientWidth(400);
    EXPECT_EQ(right->BoundsRect(), Bounds(350, 50, 50, 140));
    topLower->Hide();
    EXPECT_EQ(left->BoundsRect(), Bounds(0, 20, 40, 170));
}

TEST(Mouse, PressAndReleaseInsideClickOnceReleaseOutsideNever) {
    auto form = MakeForm(200, 100);
    auto* probe = new TProbe(form.get());
    probe->SetBounds(10, 10, 80, 40);
    probe->SetParent(form.get());
    auto* graphic = new TGraphicProbe(form.get());
    graphic->SetBounds(120, 10, 50, 40);
    graphic->SetParent(form.get());
    form->Show();
    HWND h = probe->Handle();

    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    EXPECT_TRUE(probe->GetMouseCapture()) << "a press captures the mouse";
    SendMessageW(h, WM_LBUTTONUP, 0, Pt(6, 6));
    EXPECT_EQ(probe->Clicks, 1);
    EXPECT_FALSE(probe->GetMouseCapture());

    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, Pt(-5, 60));  // released outside
    EXPECT_EQ(probe->Clicks, 1);

    SendMessageW(h, WM_LBUTTONUP, 0, Pt(5, 5));  // release without a press
    EXPECT_EQ(probe->Clicks, 1);

    // The graphic child gets its messages through the form's window, in its own
    // coordinates, and keeps them while captured even when the pointer leaves it.
    HWND f = form->Handle();
    SendMessageW(f, WM_LBUTTONDOWN, MK_LBUTTON, Pt(130, 20));
    EXPECT_TRUE(graphic->GetMouseCapture());
    SendMessageW(f, WM_LBUTTONUP, 0, Pt(131, 21));
    EXPECT_EQ(graphic->Clicks, 1);
    SendMessageW(f, WM_LBUTTONDOWN, MK_LBUTTON, Pt(130, 20));
    SendMessageW(f, WM_LBUTTONUP, 0, Pt(10, 90));
    EXPECT_EQ(graphic->Clicks, 1);
    EXPECT_EQ(probe->Clicks, 1);

    // Disabled controls take no clicks.
    probe->SetEnabled(false);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, Pt(5, 5));
    SendMessageW(h, WM_LBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(probe->Clicks, 1);
}

TEST(Mouse, EnterAndLeaveFireOnceEachAsThePointerMoves) {
    auto form = MakeForm(300, 120);
    auto* probe = new TProbe(form.get());
    probe->SetBounds(10, 10, 100, 80);
    probe->SetParent(form.get());
    auto* graphic = new TGraphicProbe(form.get());
    graphic->SetBounds(150, 10, 100, 80);
    graphic->SetParent(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(100);

    TPoint p = probe->ClientToScreen({20, 20});
    SetCursorPos(p.X, p.Y);
    ASSERT_TRUE(PumpUntil([&] { return probe->Enters == 1; })) << "no enter after moving onto the control";
    p = probe->ClientToScreen({30, 40});
    SetCursorPos(p.X, p.Y);  // moving inside: no second enter
    orvtest::PumpFor(150);
    EXPECT_EQ(probe->Enters, 1);
    EXPECT_EQ(probe->Leaves, 0);

    p = graphic->ClientToScreen({20, 20});
    SetCursorPos(p.X, p.Y);
    ASSERT_TRUE(PumpUntil([&] { return probe->Leaves == 1 && graphic->Enters == 1; }));
    p = form->ClientToScreen({280, 100});  // still on the form, off the graphic child
    SetCursorPos(p.X, p.Y);
    ASSERT_TRUE(PumpUntil([&] { return graphic->Leaves == 1; }));
    orvtest::PumpFor(150);
    EXPECT_EQ(probe->Enters, 1);
    EXPECT_EQ(probe->Leaves, 1);
    EXPECT_EQ(graphic->Enters, 1);
    EXPECT_EQ(graphic->Leaves, 1);
}

TEST(Parent, ReparentingKeepsTheWindowAndFreeingAChildUnlinksIt) {
    auto form = MakeForm(200, 100);
    auto* a = new TPanel(form.get());
    a->SetParent(form.get());
    auto* b = new TPanel(form.get());
    b->SetParent(form.get());
    auto* child = new TProbe(form.get());
    child->SetParent(a);
    form->Show();
    HWND h = child->Handle();
    child->SetParent(b);
    EXPECT_EQ(child->Handle(), h) << "the native window moves, it is not re-made";
    EXPECT_EQ(GetParent(h), b->Handle());
    EXPECT_EQ(b->ControlCount(), 1);
    EXPECT_EQ(a->ControlCount(), 0);
    EXPECT_THROW(a->SetParent(a), Exception);
    EXPECT_EQ(a->Parent(), form.get());

    // Stacking follows the list: the last child is on top, BringToFront moves it there.
    EXPECT_EQ(form->Controls(form->ControlCount() - 1), b);
    a->BringToFront();
    EXPECT_EQ(form->Controls(form->ControlCount() - 1), a);
    EXPECT_EQ(GetWindow(form->Handle(), GW_CHILD), a->Handle()) << "first in the native order is the topmost";

    child->Free();
    EXPECT_EQ(b->ControlCount(), 0);
    EXPECT_FALSE(IsWindow(h));
}

TEST(Parent, AFrameMovedIntoAPopUpWindowAndBackKeepsItsWindowAndShows) {
    auto form = MakeForm(300, 200);
    auto* frame = Make<TFrame>(form.get());
    frame->SetParent(form.get());
    frame->SetBounds(10, 10, 120, 80);
    auto* child = new TProbe(form.get());
    child->SetParent(frame);
    child->SetAlign(TAlign::alClient);
    form->Show();
    TOwnedPtr<TForm> popup(Make<TForm>(nullptr));
    popup->SetBorderStyle(TFormBorderStyle::bsNone);
    popup->SetBounds(300, 300, 200, 150);
    popup->ShowNoActivate();
    HWND frameWindow = frame->Handle(), childWindow = child->Handle();

    frame->SetParent(popup.get());
    frame->SetBounds(0, 3, 200, 147);
    orvtest::PumpFor(30);
    EXPECT_EQ(frame->Handle(), frameWindow);
    EXPECT_EQ(child->Handle(), childWindow);
    EXPECT_EQ(GetParent(frameWindow), popup->Handle());
    EXPECT_TRUE(IsWindowVisible(frameWindow)) << "shown in the pop-up, not left parked hidden";
    EXPECT_EQ(child->Width(), 200) << "its aligned child fills it again";
    EXPECT_EQ(child->Height(), 147);

    frame->SetParent(form.get());
    orvtest::PumpFor(30);
    EXPECT_EQ(frame->Handle(), frameWindow);
    EXPECT_EQ(GetParent(frameWindow), form->Handle());
    EXPECT_TRUE(IsWindowVisible(frameWindow)) << "and shown again back home";

    // A hidden frame stays hidden wherever it goes.
    frame->SetVisible(false);
    frame->SetParent(popup.get());
    EXPECT_FALSE(IsWindowVisible(frameWindow));
    EXPECT_EQ(frame->Handle(), frameWindow);
}

namespace {

// What another process reads: the atom in the window's name property.
std::wstring NameOnWindow(HWND window) {
    auto atom = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(window, L"OrvComponentName")));
    if (!atom) return L"<none>";
    wchar_t text[256] = {};
    UINT length = GlobalGetAtomNameW(atom, text, 256);
    return std::wstring(text, length);
}

}  // namespace

TEST(WindowName, WindowsCarryTheirComponentNameThroughRenameAndReleaseItWhenDestroyed) {
    auto form = MakeForm(200, 100);
    form->SetName(L"NameProbeForm");
    auto* named = new TPanel(form.get());
    named->SetName(L"NameProbePanelA");
    named->SetParent(form.get());
    auto* unnamed = new TPanel(form.get());
    unnamed->SetParent(form.get());
    form->Show();
    ASSERT_TRUE(named->HandleAllocated());
    EXPECT_EQ(NameOnWindow(form->Handle()), L"NameProbeForm");
    EXPECT_EQ(NameOnWindow(named->Handle()), L"NameProbePanelA");
    EXPECT_EQ(NameOnWindow(unnamed->Handle()), L"<none>");

    named->SetName(L"NameProbePanelB");
    EXPECT_EQ(NameOnWindow(named->Handle()), L"NameProbePanelB") << "a rename reaches the window";
    EXPECT_EQ(GlobalFindAtomW(L"NameProbePanelA"), 0) << "the old name's atom is released";
    unnamed->SetName(L"NameProbeLate");
    EXPECT_EQ(NameOnWindow(unnamed->Handle()), L"NameProbeLate");

    named->Free();
    EXPECT_EQ(GlobalFindAtomW(L"NameProbePanelB"), 0) << "a destroyed window releases its name";
    form.reset();
    EXPECT_EQ(GlobalFindAtomW(L"NameProbeForm"), 0);
    EXPECT_EQ(GlobalFindAtomW(L"NameProbeLate"), 0);
}
