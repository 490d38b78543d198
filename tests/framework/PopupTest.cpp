#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"

using namespace orv;

namespace {

// A control whose window is a pop-up, as drop-down panels and key tips are.
class TPopupProbe : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& p) override {
        TCustomControl::CreateParams(p);
        p.Style = (p.Style & WS_VISIBLE) | WS_POPUP | WS_BORDER;
        p.ExStyle |= WS_EX_TOOLWINDOW;
    }
};

TForm* ShownForm(int left, int top) {
    auto* f = Make<TForm>(nullptr);
    f->SetBounds(left, top, 300, 200);
    f->Show();
    return f;
}

RECT WindowRect(HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    return r;
}

}  // namespace

TEST(PopupWindows, ShowNoActivateLeavesTheForegroundWindowAsItWas) {
    TOwnedPtr<TForm> main(ShownForm(50, 50));
    orvtest::PumpFor(50);
    ASSERT_EQ(GetForegroundWindow(), main->Handle());

    TOwnedPtr<TForm> popup(Make<TForm>(nullptr));
    popup->SetBorderStyle(TFormBorderStyle::bsNone);
    popup->SetPopupParent(main.get());
    popup->SetBounds(120, 120, 80, 60);
    popup->ShowNoActivate();
    orvtest::PumpFor(50);
    EXPECT_TRUE(IsWindowVisible(popup->Handle()));
    EXPECT_EQ(GetForegroundWindow(), main->Handle()) << "the pop-up did not take the activation";
    EXPECT_EQ(GetActiveWindow(), main->Handle());
    EXPECT_EQ(GetWindow(popup->Handle(), GW_OWNER), main->Handle()) << "owned by its popup parent";
    EXPECT_EQ(WindowFromPoint(POINT{150, 150}), popup->Handle()) << "shown above its owner";

    // Shown the ordinary way, a form does take it (the check above can fail).
    TOwnedPtr<TForm> other(ShownForm(400, 50));
    orvtest::PumpFor(50);
    EXPECT_EQ(GetForegroundWindow(), other->Handle());

    // The owner can be any window: a panel's gives its top-level window.
    auto* panel = new TPanel(other.get());
    panel->SetBounds(10, 10, 100, 100);
    panel->SetParent(other.get());
    popup->SetPopupParent(panel);
    EXPECT_EQ(GetWindow(popup->Handle(), GW_OWNER), other->Handle());
    // When the popup parent goes, the form keeps its window under another owner.
    HWND before = popup->Handle();
    other.reset();
    EXPECT_TRUE(IsWindow(before));
    EXPECT_EQ(popup->GetPopupParent(), nullptr);
    EXPECT_EQ(popup->Handle(), before);
}

TEST(PopupWindows, AReparentedPopupStaysAPopupOwnedByItsParentsWindow) {
    TOwnedPtr<TForm> first(ShownForm(50, 50));
    TOwnedPtr<TForm> second(ShownForm(400, 50));
    // Owned by nobody: its parents free it.
    auto* probe = new TPopupProbe(nullptr);
    probe->SetAlign(TAlign::alClient);
    probe->SetBounds(500, 400, 60, 30);
    probe->SetParent(first.get());
    first->Realign();
    EXPECT_EQ(probe->BoundsRect(), Bounds(500, 400, 60, 30)) << "a pop-up is not aligned";
    orvtest::PumpFor(20);
    HWND h = probe->Handle();
    EXPECT_EQ(probe->ClientOrigin(), (TPoint{501, 401})) << "inside the one-pixel border";
    LONG style = GetWindowLongW(h, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD);
    EXPECT_EQ(GetAncestor(h, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetWindow(h, GW_OWNER), first->Handle());
    EXPECT_EQ(WindowRect(h).left, 500) << "Left and Top are screen coordinates";
    EXPECT_EQ(WindowRect(h).top, 400);
    EXPECT_EQ(first->ControlAtPos({500 - 50, 400 - 50}, false, true), nullptr)
        << "not hit-tested as if it lay in the parent";

    // Into a panel of another form: same window, still a pop-up, new owner, same place.
    auto* panel = new TPanel(second.get());
    panel->SetBounds(20, 20, 200, 100);
    panel->SetParent(second.get());
    probe->SetParent(panel);
    EXPECT_EQ(probe->Handle(), h) << "the window is kept";
    style = GetWindowLongW(h, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CHILD) << "never turned into a child window";
    EXPECT_EQ(GetAncestor(h, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetParent(h), second->Handle()) << "a pop-up's GetParent is its owner";
    EXPECT_EQ(panel->IndexOfControl(probe), 0) << "it is in the new parent's list";
    EXPECT_EQ(first->IndexOfControl(probe), -1);
    EXPECT_EQ(WindowRect(h).left, 500);
    EXPECT_EQ(probe->Left(), 500);
    EXPECT_TRUE(IsWindowVisible(h));

    // The old owner's window can go without taking the pop-up along.
    first.reset();
    EXPECT_TRUE(IsWindow(h));

    // Before its window exists, a pop-up's origin is its own Left and Top.
    TOwnedPtr<TForm> unshown(Make<TForm>(nullptr));
    unshown->SetBounds(10, 10, 100, 100);
    auto* later = new TPopupProbe(unshown.get());
    later->SetBounds(300, 200, 20, 20);
    later->SetParent(unshown.get());
    EXPECT_FALSE(later->HandleAllocated());
    EXPECT_EQ(later->ClientOrigin(), (TPoint{300, 200}));
}

TEST(PopupWindows, AFormWithAParentIsAnOwnedTopLevelWindow) {
    TOwnedPtr<TForm> host(ShownForm(50, 50));
    auto* panel = new TPanel(host.get());
    panel->SetBounds(10, 10, 100, 100);
    panel->SetParent(host.get());
    auto* inner = Make<TForm>(host.get());
    inner->SetBorderStyle(TFormBorderStyle::bsNone);
    inner->SetParent(panel);
    inner->SetBounds(600, 300, 50, 40);
    inner->ShowNoActivate();
    HWND h = inner->Handle();
    EXPECT_FALSE(GetWindowLongW(h, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetWindow(h, GW_OWNER), host->Handle());
    EXPECT_EQ(WindowRect(h).left, 600);
    EXPECT_EQ(GetForegroundWindow(), host->Handle());
}
