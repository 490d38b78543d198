#include "framework/ExtCtrls.h"

namespace orv {

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
    FControlStyle = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
    FParentColor = true;
    FWidth = 185;
    FHeight = 41;
}

void TPanel::SetShowCaption(bool value) {
    if (FShowCaption == value) return;
    FShowCaption = value;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(FColor);
    c.FillRect(ClientRect());
    if (FShowCaption && !FCaption.empty()) {
        c.Font().Assign(&FFont);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        TRect r = ClientRect();
        c.DrawText(FCaption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

}  // namespace orv
