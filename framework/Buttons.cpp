#include "framework/Buttons.h"

#include "framework/ImageList.h"

namespace orv {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    FWidth = 23;
    FHeight = 22;
    FParentColor = true;
}

void TSpeedButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
}

void TSpeedButton::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = value;
    if (FImages) FImages->FreeNotification(this);
    Invalidate();
}

void TSpeedButton::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& m) {
    TGraphicControl::WndProc(m);
    if (m.Msg == CM_ENABLEDCHANGED && !FEnabled) FPressed = false;
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !FEnabled) return;
    FPressed = true;
    Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (FPressed) {
        FPressed = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::MouseEnter() {
    TGraphicControl::MouseEnter();
    if (FEnabled) Invalidate();
}

void TSpeedButton::MouseLeave() {
    TGraphicControl::MouseLeave();
    Invalidate();
}

void TSpeedButton::Paint() {
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(FColor);
    c.FillRect(r);
    RECT edge{r.Left, r.Top, r.Right, r.Bottom};
    if (FPressed && FMouseInControl)
        DrawEdge(c.Handle(), &edge, BDR_SUNKENOUTER, BF_RECT);
    else if (FMouseInControl && FEnabled)
        DrawEdge(c.Handle(), &edge, BDR_RAISEDINNER, BF_RECT);
    int shift = FPressed && FMouseInControl ? 1 : 0;
    if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count()) {
        int x = (r.Width() - FImages->GetWidth()) / 2 + shift;
        int y = (r.Height() - FImages->GetHeight()) / 2 + shift;
        FImages->Draw(c, x, y, FImageIndex, FEnabled);
    } else if (!FCaption.empty()) {
        c.Font().Assign(&FFont);
        if (!FEnabled) c.Font().SetColor(clGrayText);
        c.Brush().SetStyle(TBrushStyle::bsClear);
        TRect t{r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
        c.DrawText(FCaption, t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
}

}  // namespace orv
