#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"

using namespace orv;
using orvtest::PumpUntil;

namespace {

void SendMouse(DWORD flags, DWORD data = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.mouseData = data;
    SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}

void MoveTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
}

class TFocusable : public TCustomControl {
public:
    explicit TFocusable(TComponent* owner) : TCustomControl(owner) { FTabStop = true; }
};

class TGraphicPiece : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

// Records each wheel turn a control hears and answers it with Handles.
struct TWheelLog {
    int Turns = 0;
    int Delta = 0;
    TPoint At;
    bool Handles = false;
    void Attach(TControl* control) {
        control->OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint at, bool& handled) {
            ++Turns;
            Delta = delta;
            At = at;
            handled = Handles;
        };
    }
};

// A real popup menu that notes where and for whom it opened, and closes itself.
class TNotingMenu : public TPopupMenu {
public:
    explicit TNotingMenu(TComponent* owner) : TPopupMenu(owner) {
        AddItem(L"Item");
        OnPopup = [this](TObject*) {
            ++Shown;
            For = GetPopupComponent();
            SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
                KillTimer(nullptr, id);
                EndMenu();
            });
        };
    }
    void Popup(int x, int y) override {
        At = {x, y};
        TPopupMenu::Popup(x, y);
    }
    int Shown = 0;
    TComponent* For = nullptr;
    TPoint At;
};

}  // namespace

TEST(MouseWheel, ANotchReachesTheFocusedControlThenItsParentsUntilOneHandlesIt) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 300, 200);
    auto* panel = new TPanel(form.get());
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(form.get());
    auto* focused = new TFocusable(panel);
    focused->SetBounds(10, 10, 60, 40);
    focused->SetParent(panel);
    auto* other = new TFocusable(panel);
    other->SetBounds(100, 10, 60, 40);
    other->SetParent(panel);
    TWheelLog child, sibling, parent, top;
    child.Attach(focused);
    sibling.Attach(other);
    parent.Attach(panel);
    top.Attach(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    focused->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focused->Focused(); }));
    MoveTo(other, 20, 20);  // the pointer over another control: the turn is the focused one's
    orvtest::PumpFor(50);

    child.Handles = true;
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return child.Turns == 1; })) << "the focused control heard no turn";
    EXPECT_EQ(child.Delta, 120);
    EXPECT_EQ(child.At, other->ClientToScreen({20, 20})) << "the pointer in screen coordinates";
    orvtest::PumpFor(50);
    EXPECT_EQ(parent.Turns, 0) << "handled by the child";
    EXPECT_EQ(sibling.Turns, 0);

    child.Handles = false;
    parent.Handles = true;
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return parent.Turns == 1; })) << "an unhandled turn goes to the parent";
    EXPECT_EQ(child.Turns, 2);
    EXPECT_EQ(parent.Delta, -120);
    orvtest::PumpFor(50);
    EXPECT_EQ(top.Turns, 0) << "the parent handled it";
    EXPECT_EQ(child.Turns, 2) << "heard once per notch";

    parent.Handles = false;
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return top.Turns == 1; }));
    orvtest::PumpFor(50);
    EXPECT_EQ(child.Turns, 3);
    EXPECT_EQ(parent.Turns, 2);
    EXPECT_EQ(sibling.Turns, 0);
}

TEST(ContextMenu, ARightClickOrTheMenuKeyPopsTheControlsMenu) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 320, 200);
    auto* windowed = new TFocusable(form.get());
    windowed->SetBounds(10, 10, 80, 40);
    windowed->SetParent(form.get());
    auto* graphic = new TGraphicPiece(form.get());
    graphic->SetBounds(110, 10, 80, 40);
    graphic->SetParent(form.get());
    auto* panel = new TPanel(form.get());
    panel->SetBounds(10, 80, 200, 60);
    panel->SetParent(form.get());
    auto* bare = new TGraphicPiece(form.get());  // no menu of its own
    bare->SetBounds(10, 10, 50, 30);
    bare->SetParent(panel);
    auto* windowedMenu = new TNotingMenu(form.get());
    auto* graphicMenu = new TNotingMenu(form.get());
    auto* panelMenu = new TNotingMenu(form.get());
    windowed->SetPopupMenu(windowedMenu);
    graphic->SetPopupMenu(graphicMenu);
    panel->SetPopupMenu(panelMenu);
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(100);
    auto rightClick = [&](TControl* control, int x, int y) {
        MoveTo(control, x, y);
        orvtest::PumpFor(30);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
    };

    rightClick(windowed, 20, 15);
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 1; })) << "no menu on a windowed control";
    EXPECT_EQ(windowedMenu->For, windowed);
    EXPECT_EQ(windowedMenu->At, windowed->ClientToScreen({20, 15})) << "at the pointer";

    rightClick(graphic, 30, 20);
    ASSERT_TRUE(PumpUntil([&] { return graphicMenu->Shown == 1; })) << "no menu on a graphic control";
    EXPECT_EQ(graphicMenu->For, graphic);
    EXPECT_EQ(graphicMenu->At, graphic->ClientToScreen({30, 20}));

    rightClick(bare, 5, 5);
    ASSERT_TRUE(PumpUntil([&] { return panelMenu->Shown == 1; })) << "a control without a menu passes to its parent";
    EXPECT_EQ(panelMenu->For, panel);

    windowed->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return windowed->Focused(); }));
    SendKey(VK_APPS, false);
    SendKey(VK_APPS, true);
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 2; })) << "the menu key opened nothing";
    EXPECT_EQ(windowedMenu->At, windowed->ClientToScreen({0, 0})) << "from the keyboard: at the control";
    SendKey(VK_SHIFT, false);
    SendKey(VK_F10, false);
    SendKey(VK_F10, true);
    SendKey(VK_SHIFT, true);
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 3; })) << "Shift+F10 opened nothing";
    orvtest::PumpFor(100);
    EXPECT_EQ(windowedMenu->Shown, 3) << "one request per key press";

    // A freed menu is forgotten; a right click then opens nothing.
    windowedMenu->Free();
    EXPECT_EQ(windowed->GetPopupMenu(), nullptr);
    rightClick(windowed, 20, 15);
    orvtest::PumpFor(150);
    EXPECT_EQ(graphicMenu->Shown + panelMenu->Shown, 2);
    EXPECT_EQ(GetCapture(), nullptr);
}
