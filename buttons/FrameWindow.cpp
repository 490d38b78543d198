#include "buttons/FrameWindow.h"

#include "buttons/OrvShapeButton.h"
#include "framework/GdiHandles.h"
#include "framework/Timer.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"

namespace orv {

bool FrameWindowRegionWanted(int width) {
    return width > 10;
}

TFrameWindow::TFrameWindow(TComponent* owner) : TForm(owner), FOwner(owner) {
    SetBorderIcons(0);
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetDoubleBuffered(true);
    Font().SetName(L"Tahoma");
    FVisible = false;
    if (auto* ownerControl = dynamic_cast<TWinControl*>(owner)) SetPopupParent(ownerControl);
    FHideTimer = new TTimer(this);
    FHideTimer->SetEnabled(false);
    FHideTimer->SetInterval(1);
    FHideTimer->OnTimer = [this](TObject* s) { HideTimerTick(s); };
}

void TFrameWindow::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.WinClassName = L"TFrameWindow";
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TFrameWindow::HideTimerTick(TObject*) {
    FHideTimer->SetEnabled(false);
    Hide();
}

void TFrameWindow::ApplyRegion() {
    if (!HandleAllocated() || !FrameWindowRegionWanted(Width())) return;
    TGdiRegion region(ScenicRibbonMode ? CreateRectRgn(0, 0, ClientWidth(), ClientHeight())
                                       : CreateRoundRectRgn(0, 0, ClientWidth() + 1, ClientHeight() + 1, 4, 4));
    // The window owns the region once it took it.
    if (region && SetWindowRgn(FHandle, region.Get(), TRUE)) region.Release();
}

void TFrameWindow::PaintStrip(HDC dc) {
    auto* button = dynamic_cast<TOrvCustomShapeButton*>(FOwner);
    TColor color = button ? button->Appearance().GetColor() : clWhite;
    int left = button ? button->Left() : 0;
    int lineLeft = button ? button->Left() + button->Width() : 0;
    float width = 0.9f * static_cast<float>(Width()) - static_cast<float>(left);
    if (width > 0) {
        TGPGraphics g(dc);
        TGPRectF r = MakeRect(static_cast<float>(left), 0, width, 3);
        TGPLinearGradientBrush brush(MakeRect(r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2), MakeAlphaColor(255, color),
                                     MakeAlphaColor(0, color), LinearGradientModeHorizontal);
        g.FillRectangle(brush, r);
    }
    if (lineLeft < Width()) {
        TGdiBrush line(CreateSolidBrush(GetSysColor(COLOR_ACTIVEBORDER)));
        RECT r{lineLeft, 0, Width(), 1};
        FillRect(dc, &r, line.Get());
    }
}

void TFrameWindow::PaintWindow(HDC dc) {
    PaintStrip(dc);
}

void TFrameWindow::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_ESCAPE) {
        key = 0;
        Hide();
        return;
    }
    TForm::KeyDown(key, shift);
}

void TFrameWindow::WndProc(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEACTIVATE:
            m.Result = MA_NOACTIVATE;
            return;
        case CM_DIALOGKEY:
            if (m.WParam == VK_ESCAPE) {
                Hide();
                m.Result = 1;
                return;
            }
            break;
        case CM_DIALOGCHAR:
            if (m.WParam == 27) {
                Hide();
                m.Result = 1;
                return;
            }
            break;
        case WM_ACTIVATE:
            TForm::WndProc(m);
            if (LOWORD(m.WParam) != WA_INACTIVE) {
                // The main window keeps its caption drawn active while the frame has the keys.
                if (auto* owner = dynamic_cast<TWinControl*>(FOwner); owner && owner->HandleAllocated())
                    SendMessageW(GetAncestor(owner->Handle(), GA_ROOT), WM_NCACTIVATE, TRUE, 0);
                ApplyRegion();
            }
            return;
        default:
            break;
    }
    TForm::WndProc(m);
}

}  // namespace orv
