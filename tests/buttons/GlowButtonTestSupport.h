#pragma once
// What the glow button tests share: a shown form in the foreground, real mouse and
// keyboard input (SendInput), paints into a bitmap and pixels read from the screen.
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>

#include "TestSupport.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"

namespace glowtest {

using namespace orv;

// Moves the real pointer to a screen point and lets the messages arrive.
inline void PointAtScreen(TPoint p) {
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    POINT now;
    // The absolute scale may round to a neighbouring pixel: put it exactly there.
    if (GetCursorPos(&now) && (now.x != p.X || now.y != p.Y)) SetCursorPos(p.X, p.Y);
    orvtest::PumpFor(30);
}

// Moves the real pointer to a client point of the control and lets the messages arrive.
inline void PointAt(TControl* control, int x, int y) {
    PointAtScreen(control->ClientToScreen({x, y}));
}

inline void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    orvtest::PumpFor(30);
}
inline void LeftDown() {
    Mouse(MOUSEEVENTF_LEFTDOWN);
}
inline void LeftUp() {
    Mouse(MOUSEEVENTF_LEFTUP);
}
inline void ClickAt(TControl* control, int x, int y) {
    PointAt(control, x, y);
    LeftDown();
    LeftUp();
}

inline void Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(INPUT));
}
// Presses the keys in order and releases them in reverse (a chord such as Alt+G).
inline void Keys(std::initializer_list<WORD> keys) {
    for (WORD k : keys) Key(k, false);
    for (auto it = std::rbegin(keys); it != std::rend(keys); ++it) Key(*it, true);
    orvtest::PumpFor(40);
}

// A shown form in the foreground, the pointer parked outside it.
struct TFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TFixture() {
        SetCursorPos(20, 20);
        Form->SetBounds(100, 100, 400, 300);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        orvtest::PumpFor(50);
    }
    ~TFixture() { SetCursorPos(20, 20); }
    TOrvGlowButton* Add(int left, int top, int width = 100, int height = 41, TWinControl* parent = nullptr) {
        auto* b = new TOrvGlowButton(Form.get());
        b->SetBounds(left, top, width, height);
        b->SetParent(parent ? parent : Form.get());
        return b;
    }
};

// Paints the control into a fresh bitmap of its size (client coordinates).
inline std::unique_ptr<TBitmap> Snapshot(TWinControl* c) {
    auto bmp = std::make_unique<TBitmap>(c->Width(), c->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, c->Width(), c->Height()});
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp->Canvas().Handle()), 0);
    return bmp;
}

inline TColor ScreenPixel(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    TBitmap one(1, 1);
    TWindowDC screen(nullptr);
    BitBlt(one.Canvas().Handle(), 0, 0, 1, 1, screen.Get(), p.X, p.Y, SRCCOPY);
    return one.PixelColor(0, 0);
}

inline int Channel(TColor c, int shift) {
    return (c >> shift) & 0xFF;
}
// Each channel within tolerance.
inline ::testing::AssertionResult Near(TColor actual, TColor expected, int tolerance = 6) {
    for (int s : {0, 8, 16})
        if (std::abs(Channel(actual, s) - Channel(expected, s)) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "0x" << actual << " is not near 0x" << expected;
    return ::testing::AssertionSuccess();
}

// The bounding box of the pixels that satisfy a test; empty when none does.
inline TRect PixelBox(TBitmap& bmp, const std::function<bool(TColor)>& test) {
    TRect box{bmp.Width(), bmp.Height(), 0, 0};
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x)
            if (test(bmp.PixelColor(x, y))) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box.IsEmpty() ? TRect{} : box;
}

// Records where it was asked to pop up instead of running a modal menu.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int x, int y) override {
        ++Shown;
        At = {x, y};
        if (WhileOpen) WhileOpen();
    }
    int Shown = 0;
    TPoint At;
    std::function<void()> WhileOpen;
};

// The fade timer never fires by itself while one lives: tests step the fade.
struct TStoppedGlowClock {
    unsigned Saved = GlowSpeed;
    TStoppedGlowClock() { GlowSpeed = 600000; }
    ~TStoppedGlowClock() { GlowSpeed = Saved; }
};
inline void Tick(TWinControl* c) {
    SendMessageW(c->Handle(), WM_TIMER, 1, 0);
}

}  // namespace glowtest
