#include "hints/ShortCutHintWindow.h"

#include <algorithm>

#include "paint/OrvGradients.h"

namespace orv {

TShortCutHintWindow::TShortCutHintWindow(TComponent* owner) : TCustomControl(owner) {
    FVisible = false;
    FParentFont = false;
    FColor = clWhite;
    FControlStyle &= ~(csCaptureMouse | csClickEvents | csDoubleClicks);
}

void TShortCutHintWindow::SetColorTo(TColor value) {
    if (FColorTo == value) return;
    FColorTo = value;
    Invalidate();
}

void TShortCutHintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    // A plain popup: no border, no drop-shadow class style, never activated.
    p.Style = WS_POPUP | WS_CLIPCHILDREN;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.ClassStyle = CS_HREDRAW | CS_VREDRAW;
    p.WndParent = nullptr;
    // Owned by the owner's top-level window, so it stays above it and goes with it.
    if (auto* owner = dynamic_cast<TWinControl*>(Owner()))
        if (owner->HandleAllocated()) p.WndParent = GetAncestor(owner->Handle(), GA_ROOT);
    p.WinClassName = L"OrvShortCutHint";
}

TSize TShortCutHintWindow::TextSize(const std::wstring& text) {
    // Measured on a screen DC so the window need not exist yet.
    TWindowDC screen(nullptr);
    TGdiFont font = CreateFontHandle(FFont);
    TSelectGuard select(screen.Get(), font.Get());
    SIZE size{0, 0};
    GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return {size.cx, size.cy};
}

int TShortCutHintWindow::MinWidth() {
    return TextSize(L"O").cx + 8;
}

TRect TShortCutHintWindow::CalcHintRect(const std::wstring& text) {
    TSize size = TextSize(text.empty() ? L"O" : text);
    return {0, 0, std::max(size.cx + 6, MinWidth()), size.cy + 2};
}

void TShortCutHintWindow::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, std::max(width, MinWidth()), height);
}

void TShortCutHintWindow::ActivateHint(const TRect& screenRect, const std::wstring& text) {
    SetCaption(text);
    HandleNeeded();
    SetBounds(screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height());
    FVisible = true;
    SetWindowPos(FHandle, HWND_TOPMOST, FLeft, FTop, FWidth, FHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void TShortCutHintWindow::ShowAt(TPoint screenPos) {
    TRect size = CalcHintRect(FCaption);
    ActivateHint(size.Offset(screenPos.X, screenPos.Y), FCaption);
}

void TShortCutHintWindow::HideHint() {
    FVisible = false;
    if (FHandle) ShowWindow(FHandle, SW_HIDE);
}

void TShortCutHintWindow::EraseBackground(HDC) {
    // The paint covers the whole client area.
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

void TShortCutHintWindow::WndProc(TMessage& m) {
    if (m.Msg == WM_MOUSEACTIVATE) {
        m.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::WndProc(m);
}

}  // namespace orv
