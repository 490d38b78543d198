#pragma once
// What the menu bar tests share: a shown form with a toolbar whose Menu is a styled main
// menu, real input, and a script of steps that runs from a thread timer, so that it also
// runs while a popup menu or the menu mode holds the thread in a loop of its own.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../buttons/GlowButtonTestSupport.h"
#include "TestSupport.h"
#include "framework/Hooks.h"
#include "framework/Menus.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarMenuButton.h"

namespace menubartest {

using namespace orv;

// Steps run one after another, interval ms apart, from a thread timer.
class TScript {
public:
    explicit TScript(std::vector<std::function<void()>> steps, UINT interval = 150) : FSteps(std::move(steps)) {
        Current() = this;
        FTimer = SetTimer(nullptr, 0, interval, &TScript::Tick);
    }
    ~TScript() {
        if (FTimer) KillTimer(nullptr, FTimer);
        Current() = nullptr;
    }
    TScript(const TScript&) = delete;
    TScript& operator=(const TScript&) = delete;
    bool Done() const { return FNext >= FSteps.size(); }

private:
    static TScript*& Current() {
        static TScript* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TScript* s = Current();
        if (!s || s->Done()) return;
        std::function<void()> step = s->FSteps[s->FNext++];
        if (s->Done() && s->FTimer) {
            KillTimer(nullptr, s->FTimer);
            s->FTimer = 0;
        }
        step();
    }
    std::vector<std::function<void()>> FSteps;
    size_t FNext = 0;
    UINT_PTR FTimer = 0;
};

// A key pressed and released, without waiting.
inline void Tap(WORD key) {
    glowtest::Key(key, false);
    glowtest::Key(key, true);
}

// The pointer to a client point of the control, without waiting.
inline void MoveTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    SetCursorPos(p.X, p.Y);
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
}

// Press and release at a client point in one go: the release is queued behind the press
// and reaches whatever loop the press started.
inline void Click(TControl* control, int x, int y) {
    glowtest::PointAt(control, x, y);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof(INPUT));
}

// The visible menu window of this thread, or null.
inline HWND ShownMenuWindow() {
    HWND w = FindWindowW(L"#32768", nullptr);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// No test leaves a hook or a menu behind.
class MenuBarTest : public ::testing::Test {
protected:
    void TearDown() override {
        EXPECT_EQ(ThreadHookLiveCount(), 0) << "a hook outlived its test";
        EXPECT_EQ(ShownMenuWindow(), nullptr) << "a menu still shows";
    }
};

// A shown form in the foreground with a toolbar at its top whose Menu is Menu.
struct TMenuBar {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvMainMenu* Menu = nullptr;
    TOrvToolBar* Bar = nullptr;
    explicit TMenuBar(TRect bounds = {100, 100, 600, 400}) {
        SetCursorPos(20, 20);
        Form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        Menu = Make<TOrvMainMenu>(Form.get());
        Bar = new TOrvToolBar(Form.get());
        Bar->SetParent(Form.get());
        Bar->SetBounds(0, 0, 300, 26);
    }
    ~TMenuBar() { SetCursorPos(20, 20); }
    void Show() {
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(60);
    }
    TMenuItem* Top(const std::wstring& caption, int groupIndex = 0, TMainMenu* menu = nullptr) {
        TMenuItem* item = (menu ? menu : Menu)->AddItem(caption);
        item->SetGroupIndex(static_cast<uint8_t>(groupIndex));
        return item;
    }
    TMenuItem* Sub(TMenuItem* parent, const std::wstring& caption, TNotifyEvent onClick = nullptr) {
        auto* item = new TMenuItem(Form.get());
        item->SetCaption(caption);
        item->OnClick = std::move(onClick);
        parent->Add(item);
        return item;
    }
    std::vector<TOrvToolBarMenuButton*> Buttons() const {
        std::vector<TOrvToolBarMenuButton*> buttons;
        for (int i = 0; i < Bar->GetToolBarControlCount(); ++i)
            if (auto* b = dynamic_cast<TOrvToolBarMenuButton*>(Bar->ToolBarControls(i))) buttons.push_back(b);
        return buttons;
    }
    std::vector<std::wstring> Captions() const {
        std::vector<std::wstring> captions;
        for (TOrvToolBarMenuButton* b : Buttons()) captions.push_back(b->GetCaption());
        return captions;
    }
    // The captions of the items a menu item (or the open temporary menu) holds now.
    static std::vector<std::wstring> Items(const TMenuItem* item) {
        std::vector<std::wstring> captions;
        for (int i = 0; i < item->Count(); ++i) captions.push_back(item->Items(i)->GetCaption());
        return captions;
    }
    // Waits until no menu of the bar shows and its posted work is done.
    void WaitClosed(int ms = 3000) {
        orvtest::PumpUntil([this] { return !Bar->MenuDropped() && !ShownMenuWindow(); }, ms);
        orvtest::PumpFor(80);
    }
};

}  // namespace menubartest
