#include <gtest/gtest.h>

#include <initializer_list>

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

void SendKeys(std::initializer_list<WORD> keys) {
    for (bool up : {false, true})
        for (WORD key : keys) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = key;
            input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
            SendInput(1, &input, sizeof(INPUT));
        }
}

void MoveTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    orvtest::PumpFor(30);
}

class TFocusable : public TCustomControl {
public:
    explicit TFocusable(TComponent* owner) : TCustomControl(owner) { FTabStop = true; }
};

// Counts the wheel turns a control hears and answers them with Handles.
struct TWheelLog {
    int Turns = 0, Delta = 0;
    bool Handles = false;
    explicit TWheelLog(TControl* control) {
        control->OnMouseWheel = [this](TObject*, TShiftState, int delta, TPoint, bool& handled) {
            ++Turns;
            Delta = delta;
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
    TWheelLog child(focused), sibling(other), parent(panel), top(form.get());
    form->Show();
    SetForegroundWindow(form->Handle());
    focused->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focused->Focused(); }));
    MoveTo(other, 20, 20);  // the turn is the focused control's, not the one under the pointer

    child.Handles = true;
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return child.Turns == 1; })) << "the focused control heard no turn";
    EXPECT_EQ(child.Delta, 120);

    child.Handles = false;
    parent.Handles = true;
    SendMouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    ASSERT_TRUE(PumpUntil([&] { return parent.Turns == 1; })) << "an unhandled turn goes to the parent";
    EXPECT_EQ(parent.Delta, -120);

    parent.Handles = false;
    SendMouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    ASSERT_TRUE(PumpUntil([&] { return top.Turns == 1; }));
    orvtest::PumpFor(50);
    EXPECT_EQ(child.Turns, 3) << "once per notch";
    EXPECT_EQ(parent.Turns, 2);
    EXPECT_EQ(sibling.Turns, 0);
}

TEST(ContextMenu, ARightClickOrTheMenuKeyPopsTheControlsMenu) {
    TOwnedPtr<TForm> form(Make<TForm>(nullptr));
    form->SetBounds(100, 100, 320, 200);
    auto place = [&](TControl* c, TWinControl* parent, int left, int top) {
        c->SetBounds(left, top, 80, 40);
        c->SetParent(parent);
        return c;
    };
    auto* windowed = static_cast<TFocusable*>(place(new TFocusable(form.get()), form.get(), 10, 10));
    TControl* graphic = place(new TGraphicControl(form.get()), form.get(), 110, 10);
    auto* panel = static_cast<TPanel*>(place(new TPanel(form.get()), form.get(), 10, 80));
    TControl* bare = place(new TGraphicControl(form.get()), panel, 0, 0);  // no menu of its own
    auto* windowedMenu = new TNotingMenu(form.get());
    auto* graphicMenu = new TNotingMenu(form.get());
    auto* panelMenu = new TNotingMenu(form.get());
    windowed->SetPopupMenu(windowedMenu);
    graphic->SetPopupMenu(graphicMenu);
    panel->SetPopupMenu(panelMenu);
    form->Show();
    SetForegroundWindow(form->Handle());
    orvtest::PumpFor(100);
    auto rightClick = [&](TControl* control) {
        MoveTo(control, 20, 15);
        SendMouse(MOUSEEVENTF_RIGHTDOWN);
        SendMouse(MOUSEEVENTF_RIGHTUP);
    };

    rightClick(windowed);
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 1; })) << "no menu on a windowed control";
    EXPECT_EQ(windowedMenu->For, windowed);
    EXPECT_EQ(windowedMenu->At, windowed->ClientToScreen({20, 15})) << "at the pointer";
    rightClick(graphic);
    ASSERT_TRUE(PumpUntil([&] { return graphicMenu->Shown == 1; })) << "no menu on a graphic control";
    EXPECT_EQ(graphicMenu->For, graphic);
    EXPECT_EQ(graphicMenu->At, graphic->ClientToScreen({20, 15}));
    rightClick(bare);
    ASSERT_TRUE(PumpUntil([&] { return panelMenu->Shown == 1; })) << "a control without a menu passes to its parent";
    EXPECT_EQ(panelMenu->For, panel);

    windowed->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return windowed->Focused(); }));
    SendKeys({VK_APPS});
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 2; })) << "the menu key opened nothing";
    EXPECT_EQ(windowedMenu->At, windowed->ClientToScreen({0, 0})) << "from the keyboard: at the control";
    SendKeys({VK_SHIFT, VK_F10});
    ASSERT_TRUE(PumpUntil([&] { return windowedMenu->Shown == 3; })) << "Shift+F10 opened nothing";
    orvtest::PumpFor(100);
    EXPECT_EQ(windowedMenu->Shown, 3) << "one request per key press";

    windowedMenu->Free();
    EXPECT_EQ(windowed->GetPopupMenu(), nullptr) << "a freed menu is forgotten";
    rightClick(windowed);
    orvtest::PumpFor(150);
    EXPECT_EQ(graphicMenu->Shown + panelMenu->Shown, 2);
}
