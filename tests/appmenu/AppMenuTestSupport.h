#pragma once
// What the application-menu tests share: a menu with its window made, real input and
// panel paints into a bitmap.
#include <windows.h>

#include "TestSupport.h"
#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuPanel.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "buttons/OrvGlowButton.h"
#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "paint/OrvLook.h"

namespace appmenutest {

using namespace orv;

struct TScenicGuard {
    bool Saved = ScenicRibbonMode;
    explicit TScenicGuard(bool value) { ScenicRibbonMode = value; }
    ~TScenicGuard() { ScenicRibbonMode = Saved; }
};

// A menu owned by a shown main form; the window and panel are made and laid out.
struct TMenuFixture {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvPreviewMenu* Menu = nullptr;
    TMenuFixture() {
        SetCursorPos(5, 5);
        Form->SetBounds(40, 40, 300, 200);
        Menu = new TOrvPreviewMenu(Form.get());
    }
    ~TMenuFixture() { SetCursorPos(5, 5); }
    TOrvPreviewMenuPanel* Panel() {
        Menu->MenuSize();
        return Menu->Panel();
    }
    TOrvPreviewMenuItem* AddItem(const std::wstring& caption, int subItems = 0) {
        auto* item = Menu->MenuItems().Add();
        item->SetCaption(caption);
        for (int i = 0; i < subItems; ++i) item->SubItems().Add()->SetTitle(L"Sub " + std::to_wstring(i));
        return item;
    }
};

inline std::unique_ptr<TBitmap> PaintPanel(TOrvPreviewMenuPanel* panel) {
    auto bmp = std::make_unique<TBitmap>(panel->Width(), panel->Height());
    bmp->Canvas().Brush().SetColor(clFuchsia);
    bmp->Canvas().FillRect({0, 0, panel->Width(), panel->Height()});
    panel->PaintTo(bmp->Canvas());
    return bmp;
}

inline void PointAtScreen(TPoint p) {
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    POINT now;
    if (GetCursorPos(&now) && (now.x != p.X || now.y != p.Y)) SetCursorPos(p.X, p.Y);
    orvtest::PumpFor(30);
}
inline void PointAt(TControl* c, TPoint p) {
    PointAtScreen(c->ClientToScreen(p));
}
inline void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(INPUT));
    orvtest::PumpFor(40);
}
inline void ClickAt(TControl* c, TPoint p) {
    PointAt(c, p);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
}
inline void Key(WORD key, bool shift = false) {
    INPUT in[4]{};
    int n = 0;
    auto add = [&](WORD k, bool up) {
        in[n].type = INPUT_KEYBOARD;
        in[n].ki.wVk = k;
        in[n].ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        ++n;
    };
    if (shift) add(VK_SHIFT, false);
    add(key, false);
    add(key, true);
    if (shift) add(VK_SHIFT, true);
    SendInput(n, in, sizeof(INPUT));
    orvtest::PumpFor(40);
}
inline TPoint Centre(const TRect& r) {
    return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
}

}  // namespace appmenutest
