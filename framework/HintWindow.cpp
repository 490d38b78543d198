#include "framework/HintWindow.h"

#include <versionhelpers.h>

#include <algorithm>

#include "framework/Screen.h"

namespace orv {

std::wstring GetShortHint(const std::wstring& hint) {
    size_t bar = hint.find(L'|');
    return bar == std::wstring::npos ? hint : hint.substr(0, bar);
}

std::wstring GetLongHint(const std::wstring& hint) {
    size_t bar = hint.find(L'|');
    return bar == std::wstring::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    FVisible = false;
    FParentFont = false;
    FParentShowHint = false;
    FColor = clInfoBk;
    FControlStyle &= ~(csCaptureMouse | csClickEvents | csDoubleClicks);
    if (Screen) FFont.Assign(&Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& p) {
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_BORDER;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.ClassStyle = CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS;
    if (IsWindowsXPOrGreater()) p.ClassStyle |= CS_DROPSHADOW;
    // A parent's window (set by the base) is only the owner of a pop-up; without a
    // parent, a windowed owner's top-level window keeps the hint above it.
    if (!p.WndParent)
        if (auto* owner = dynamic_cast<TWinControl*>(Owner()))
            if (owner->HandleAllocated()) p.WndParent = GetAncestor(owner->Handle(), GA_ROOT);
    p.WinClassName = L"OrvHintWindow";
}

TSize THintWindow::TextSize(const std::wstring& text, int maxWidth) {
    TWindowDC screen(nullptr);
    TGdiFont font = CreateFontHandle(FFont);
    TSelectGuard select(screen.Get(), font.Get());
    if (maxWidth <= 0) {
        SIZE size{0, 0};
        GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return {size.cx, size.cy};
    }
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

TRect THintWindow::CalcHintRect(int maxWidth, const std::wstring& text, void*) {
    TSize size = TextSize(text, std::max(maxWidth, 1));
    // Border and margins: one pixel of border and a few of air around the text.
    return {0, 0, size.cx + 8, size.cy + 4};
}

TRect THintWindow::CalcHintRect(const std::wstring& text) {
    return CalcHintRect(GetSystemMetrics(SM_CXSCREEN), text, nullptr);
}

void THintWindow::ShowHintWindow(const TRect& r) {
    HandleNeeded();
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
    FVisible = true;
    SetWindowPos(FHandle, HWND_TOPMOST, FLeft, FTop, FWidth, FHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    Invalidate();
}

void THintWindow::ActivateHint(const TRect& screenRect, const std::wstring& text) {
    SetCaption(text);
    TRect r = screenRect;
    TRect work = Screen ? Screen->MonitorFromRect(r).WorkareaRect : TRect{};
    if (!work.IsEmpty()) {
        if (r.Right > work.Right) r = r.Offset(work.Right - r.Right, 0);
        if (r.Bottom > work.Bottom) r = r.Offset(0, work.Bottom - r.Bottom);
        if (r.Left < work.Left) r = r.Offset(work.Left - r.Left, 0);
        if (r.Top < work.Top) r = r.Offset(0, work.Top - r.Top);
    }
    ShowHintWindow(r);
}

void THintWindow::ActivateHintData(const TRect& screenRect, const std::wstring& text, void*) {
    ActivateHint(screenRect, text);
}

void THintWindow::ShowAt(TPoint screenPos) {
    TRect size = CalcHintRect(FCaption);
    ActivateHint(size.Offset(screenPos.X, screenPos.Y), FCaption);
}

void THintWindow::HideHint() {
    FVisible = false;
    if (FHandle) ShowWindow(FHandle, SW_HIDE);
}

bool THintWindow::IsHintVisible() const {
    return FHandle && IsWindowVisible(FHandle);
}

void THintWindow::SetHintControl(TControl* control) {
    if (FHintControl == control) return;
    if (FHintControl) RemoveFreeNotification(FHintControl);
    FHintControl = control;
    if (control) FreeNotification(control);
}

void THintWindow::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FHintControl) FHintControl = nullptr;
}

void THintWindow::EraseBackground(HDC) {}

void THintWindow::Paint() {
    TCanvas& canvas = Canvas();
    TRect client = ClientRect();
    canvas.Brush().SetColor(FColor);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FillRect(client);
    canvas.Font().Assign(&FFont);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect text{client.Left + 3, client.Top + 1, client.Right - 3, client.Bottom - 1};
    canvas.DrawText(FCaption, text, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEACTIVATE:
            m.Result = MA_NOACTIVATE;
            return;
        case WM_NCHITTEST:
            // The pointer belongs to whatever lies beneath the hint.
            m.Result = HTTRANSPARENT;
            return;
        default:
            break;
    }
    TCustomControl::WndProc(m);
}

}  // namespace orv
