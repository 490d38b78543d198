#include "tools/Render/QuickAccessRender.h"

#include <windows.h>

#include "framework/Bitmap.h"
#include "framework/Forms.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/OrvVistaButton.h"
#include "toolbar/QuickAccessPaint.h"

#include "tools/Render/RenderInput.h"

using namespace orv;

namespace orvtools {

namespace {

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

// A borderless form at the screen's top-left corner with a pager too narrow for its
// strip of eight buttons: the overflow window opens under the strip's right end.
struct TQuickAccessScene {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    TOrvToolBarPager* Pager;
    TOrvQuickAccessToolBar* Qat;
    explicit TQuickAccessScene(bool fullSize) {
        Form->SetBorderStyle(TFormBorderStyle::bsNone);
        Form->SetBounds(0, 0, fullSize ? 150 : 330, fullSize ? 230 : 200);
        Form->SetColor(0xF0E8E0);
        auto* styler = new TOrvToolBarOfficeStyler(Form.get());
        styler->SetStyle(bsOffice2007Luna);
        Pager = new TOrvToolBarPager(Form.get());
        Pager->SetToolBarStyler(styler);
        Pager->SetParent(Form.get());
        Pager->AddOrvPage(L"Home");
        Qat = new TOrvQuickAccessToolBar(Form.get());
        Qat->SetParent(Pager);
        const TColor colors[] = {0x40C040, 0x40A0F0, 0xC06040, 0x4040E0, 0xC0C040, 0xA040A0, 0x808080, 0x2080FF};
        for (TColor color : colors) {
            auto* b = new TOrvToolBarButton(Form.get());
            SetGlyph(b, color);
            b->SetLeft(2000);
            b->SetParent(Qat);
        }
        Qat->SetShowCustomizeOption(true);
        Form->Show();
        SetForegroundWindow(Form->Handle());
        Pump(100);
        if (fullSize) Pager->SetShowQATBelow(true);
        Pump(50);
        if (!Qat->HiddenControlList().Empty()) Qat->ShowOverflowWindow();
        Pump(150);
    }
    void Capture(TBitmap& bmp) {
        RedrawWindow(nullptr, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump(100);
        HDC screen = GetDC(nullptr);
        BitBlt(bmp.Canvas().Handle(), 0, 0, bmp.Width(), bmp.Height(), screen, 0, 0, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
};

void PaintCapsule(TBitmap& bmp) {
    SetCursorPos(600, 500);
    TQuickAccessScene s(false);
    s.Capture(bmp);
}

void PaintFullSize(TBitmap& bmp) {
    SetCursorPos(600, 500);
    TQuickAccessScene s(true);
    s.Capture(bmp);
}

// The frame the glass look draws over the glowing caption: plain above, scenic below,
// on a glass-like blue (the glass itself needs desktop composition).
void PaintGlassFrame(TBitmap& bmp) {
    bmp.Canvas().Brush().SetColor(0xE0C8A8);
    bmp.Canvas().FillRect({0, 0, bmp.Width(), bmp.Height()});
    TGPGraphics g(bmp.Canvas().Handle());
    DrawQuickAccessGlassFrame(g, {10, 6, 150, 28}, false);
    DrawQuickAccessGlassFrame(g, {10, 36, 150, 60}, true);
}

}  // namespace

std::vector<TRenderItem> QuickAccessRenderItems() {
    return {
        {L"QuickAccessCapsule",
         L"the quick access toolbar in the caption off glass: the capsule with eight buttons, five of them in the "
         L"overflow window with the customize button after them",
         330, 150, 2, PaintCapsule},
        {L"QuickAccessFullSize",
         L"the quick access toolbar full size below the pages, with its overflow window open", 300, 280, 2,
         PaintFullSize},
        {L"QuickAccessGlassFrame", L"the frame the glass look draws: the capsule outline and the scenic separators",
         160, 66, 3, PaintGlassFrame},
    };
}

}  // namespace orvtools
