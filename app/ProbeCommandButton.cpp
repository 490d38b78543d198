#include "app/ProbeCommandButton.h"

using namespace orv;

TProbeCommandButton::TProbeCommandButton(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
    FParentColor = true;
    FTabStop = true;
    FDoubleBuffered = true;
}

void TProbeCommandButton::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    TColor face = FDown ? TColor(0x6CD0FF) : FMouseInControl ? TColor(0x8AE3FD) : TColor(0xFDF6EF);
    TColor border = FDown ? TColor(0x308AC2) : FMouseInControl ? TColor(0x58CAF1) : TColor(0xC7B29F);
    c.Brush().SetColor(face);
    c.Pen().SetColor(border);
    c.Rectangle(r);
    c.Font().Assign(&FFont);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    TRect text = r.Inflate(-4, -4);
    c.DrawText(FCaption, text, DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
}

void TProbeCommandButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        FDown = true;
        Invalidate();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TProbeCommandButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && FDown) {
        FDown = false;
        Invalidate();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TProbeCommandButton::MouseEnter() {
    Invalidate();
    TCustomControl::MouseEnter();
}

void TProbeCommandButton::MouseLeave() {
    Invalidate();
    TCustomControl::MouseLeave();
}
