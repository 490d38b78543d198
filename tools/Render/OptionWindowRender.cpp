#include "tools/Render/OptionWindowRender.h"

#include <windows.h>

#include <algorithm>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/OTBPopupPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/OrvToolBarStylers.h"

#include "tools/Render/RenderInput.h"

using namespace orv;

namespace orvtools {

namespace {

// Moves the real pointer to a client point of control, as a hand would.
void PointerTo(TControl* control, int x, int y) {
    TPoint p = control->ClientToScreen({x, y});
    int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (p.X * 65536 + cx / 2) / cx;
    input.mi.dy = (p.Y * 65536 + cy / 2) / cy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    SetCursorPos(p.X, p.Y);
    Pump(80);
}

// A little coloured glyph for a toolbar button.
void SetGlyph(TOrvToolBarButton* button, TColor color) {
    TBitmap glyph(16, 16);
    glyph.Canvas().Brush().SetColor(clWhite);
    glyph.Canvas().FillRect({0, 0, 16, 16});
    glyph.Canvas().Brush().SetColor(color);
    glyph.Canvas().Pen().SetColor(clBlack);
    glyph.Canvas().Rectangle({2, 2, 14, 14});
    glyph.SetTransparentColor(clWhite);
    glyph.SetTransparent(true);
    button->Glyph().Assign(&glyph);
}

// A form at the screen's top-left corner with a short Office 2003 toolbar whose last
// controls do not fit: the option window opens under its right end.
struct TOptionScene {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBar* Bar;
    TOptionScene() {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, 640, 320);
        Form->SetColor(0xF0E8E0);
        auto* styler = new TOrvToolBarOfficeStyler(Form.get());
        styler->SetStyle(bsOffice2003Blue);
        Bar = new TOrvToolBar(Form.get());
        Bar->SetToolBarStyler(styler);
        Bar->SetAutoSize(false);
        Bar->SetBounds(8, 8, 170, 26);
        Bar->SetParent(Form.get());
        Bar->SetCaption(L"Standard");
        Bar->SetAutoOptionMenu(true);
        auto* menu = new TPopupMenu(Form.get());
        auto* item = new TMenuItem(menu);
        item->SetCaption(L"Reset toolbar");
        menu->Items()->Add(item);
        Bar->SetOptionMenu(menu);
        const wchar_t* captions[] = {L"New", L"Open", L"Save", nullptr, L"Cut", L"Copy", L"Paste"};
        const TColor colors[] = {0x40C040, 0x40A0F0, 0xC06040, 0, 0x4040E0, 0xC0C040, 0xA040A0};
        for (int i = 0; i < 7; ++i) {
            if (!captions[i]) {
                (new TOrvToolBarSeparator(Form.get()))->SetOrvToolBar(Bar);
                continue;
            }
            auto* b = new TOrvToolBarButton(Form.get());
            b->SetCaption(captions[i]);
            b->SetShowCaption(true);
            SetGlyph(b, colors[i]);
            b->SetOrvToolBar(Bar);
        }
        Form->Show();
        SetForegroundWindow(Form->Handle());
        Pump(100);
        Bar->ShowOptionWindow();
        Pump(150);
    }
    // Copies the screen's top-left corner, where the form and its pop-ups are.
    void Capture(TBitmap& bmp) {
        RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(100);
        HDC screen = GetDC(nullptr);
        BitBlt(bmp.Canvas().Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, 0, 0, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
};

void PaintOptionWindow(TBitmap& bmp) {
    SetCursorPos(400, 300);
    TOptionScene s;
    s.Capture(bmp);
}

void PaintOptionWindowCheckList(TBitmap& bmp) {
    SetCursorPos(400, 300);
    TOptionScene s;
    TControlSelectorPanel* panel = s.Bar->OptionWindow()->ControlSelector();
    const TRect& item = panel->AddAndRemoveBtn().GetBRect();
    PointerTo(panel, item.Left + 40, item.Top + 10);
    if (TOTBPopupWindow* popup = panel->AddAndRemovePopup()) {
        PointerTo(popup->PopupPanel(), 30, 12);
        if (TOTBPopupWindow* checks = popup->PopupPanel()->ItemPopup()) {
            TOTBPopupPanel* list = checks->PopupPanel();
            PointerTo(list, 40, 2 + 26 * 2 + 12);
        }
    }
    s.Capture(bmp);
    SetCursorPos(400, 300);
}

}  // namespace

std::vector<TRenderItem> OptionWindowRenderItems() {
    return {
        {L"OptionWindow",
         L"a short docked toolbar and its option window: the hidden buttons with a separator copy, \"Options\" and "
         L"\"Add or Remove Buttons\"",
         420, 170, 2, PaintOptionWindow},
        {L"OptionWindowCheckList",
         L"the option window's check list: \"Add or Remove Buttons\" down, the toolbar's caption item hot, its check "
         L"items with the icon and image columns, the third one hot",
         640, 320, 2, PaintOptionWindowCheckList},
    };
}

}  // namespace orvtools
