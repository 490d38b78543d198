#include "hints/ShortCutHintWindow.h"

#include <algorithm>

#include "paint/OrvGradients.h"

namespace orv {

TShortCutHintWindow::TShortCutHintWindow(TComponent* owner) : THintWindow(owner) {
    FColor = clWhite;
    // Key tips keep the framework's default font, not the system's hint font.
    TFont standard;
    FFont.Assign(&standard);
}

void TShortCutHintWindow::SetColorTo(TColor value) {
    if (FColorTo == value) return;
    FColorTo = value;
    Invalidate();
}

void TShortCutHintWindow::CreateParams(TCreateParams& p) {
    THintWindow::CreateParams(p);
    // The hint window's parameters without the border and the drop shadow.
    p.Style &= ~WS_BORDER;
    p.ClassStyle &= ~static_cast<UINT>(CS_DROPSHADOW);
    p.WinClassName = L"OrvShortCutHint";
}

int TShortCutHintWindow::MinWidth() {
    return TextSize(L"O", 0).cx + 8;
}

TRect TShortCutHintWindow::CalcHintRect(int, const std::wstring& text, void*) {
    TSize size = TextSize(text.empty() ? L"O" : text, 0);
    return {0, 0, std::max(size.cx + 6, MinWidth()), size.cy + 2};
}

void TShortCutHintWindow::SetBounds(int left, int top, int width, int height) {
    THintWindow::SetBounds(left, top, std::max(width, MinWidth()), height);
}

void TShortCutHintWindow::ActivateHint(const TRect& screenRect, const std::wstring& text) {
    SetCaption(text);
    ShowHintWindow(screenRect);
}

void TShortCutHintWindow::Paint() {
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    DrawGradient(canvas, FColor, FColorTo, 16, client, false);
    canvas.Font().Assign(&FFont);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect textRect = client;
    canvas.DrawText(FCaption, textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    canvas.Pen().SetColor(clGray);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.RoundRect(client, 3, 3);
}

}  // namespace orv
