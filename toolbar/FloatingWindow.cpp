#include "toolbar/FloatingWindow.h"

#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

TFloatingWindow::TFloatingWindow(TComponent* owner) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons(0);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poDesigned);
}

void TFloatingWindow::SetOrvCustomToolBar(TOrvCustomToolBar* value) {
    if (FOrvCustomToolBar == value) return;
    FOrvCustomToolBar = value;
    if (value) value->FreeNotification(this);
    UpdateSize();
}

void TFloatingWindow::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FOrvCustomToolBar) FOrvCustomToolBar = nullptr;
}

void TFloatingWindow::SetBorderWidth(int value) {
    if (FBorderWidth == value) return;
    FBorderWidth = value;
    UpdateSize();
}

void TFloatingWindow::UpdateSize() {
    if (!FOrvCustomToolBar) return;
    const int inset = FBorderWidth + 1;
    TOrvCustomToolBar* bar = FOrvCustomToolBar;
    if (bar->Parent() == this && (bar->Left() != inset || bar->Top() != inset))
        bar->SetBounds(inset, inset, bar->Width(), bar->Height());
    SetBounds(FLeft, FTop, bar->Width() + 2 * FBorderWidth + 2, bar->Height() + 2 * FBorderWidth + 2);
}

void TFloatingWindow::PaintWindow(HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush().SetColor(FColor);
    canvas.FillRect({0, 0, FWidth, FHeight});
    if (FBorderColor != clNone) {
        canvas.Pen().SetColor(FBorderColor);
        canvas.Pen().SetWidth(FBorderWidth);
        canvas.Rectangle(1, 1, FWidth, FHeight);
        const COLORREF c = ColorToRGB(FBorderColor);
        const int bw = FBorderWidth;
        SetPixel(dc, bw, bw, c);
        SetPixel(dc, FWidth - bw - 1, bw, c);
        SetPixel(dc, bw, FHeight - bw - 1, c);
        SetPixel(dc, FWidth - bw - 1, FHeight - bw - 1, c);
    }
    canvas.SetHandle(nullptr);
}

void TFloatingWindow::DoClose(TCloseAction& action) {
    TForm::DoClose(action);
    action = TCloseAction::caHide;
    if (FOrvCustomToolBar) FOrvCustomToolBar->Hide();
}

}  // namespace orv
