#include "appbutton/FrameWindow.h"

#include "appbutton/OrvShapeButton.h"
#include "framework/GdiHandles.h"
#include "paint/OrvColors.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"

namespace orv {

bool FrameWindowRegionWanted(int width) {
    return width > 10;
}

TFrameWindow::TFrameWindow(TComponent* owner) : TPopupForm(owner) {}

void TFrameWindow::CreateParams(TCreateParams& params) {
    TPopupForm::CreateParams(params);
    params.ExStyle |= WS_EX_TOOLWINDOW;
}

void TFrameWindow::ApplyRegion() {
    if (!HandleAllocated() || !FrameWindowRegionWanted(Width())) return;
    TGdiRegion region(ScenicRibbonMode ? CreateRectRgn(0, 0, ClientWidth(), ClientHeight())
                                       : CreateRoundRectRgn(0, 0, ClientWidth() + 1, ClientHeight() + 1, 4, 4));
    // The window owns the region once it took it.
    if (region && SetWindowRgn(FHandle, region.Get(), TRUE)) region.Release();
}

void TFrameWindow::PaintStrip(HDC dc) {
    auto* button = dynamic_cast<TOrvCustomShapeButton*>(PopupOwner());
    TColor color = button ? button->Appearance().GetColor() : clWhite;
    int left = button ? button->Left() : 0;
    int lineLeft = button ? button->Left() + button->Width() : 0;
    // The box (button left, 0, 0.9 x window width, 3): its width does not depend on where
    // the button is.
    float width = 0.9f * static_cast<float>(Width());
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
    TPopupForm::KeyDown(key, shift);
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
            TPopupForm::WndProc(m);
            if (LOWORD(m.WParam) != WA_INACTIVE) {
                // The main window keeps its caption drawn active while the frame has the keys.
                KeepOwnerCaptionActive();
                ApplyRegion();
            }
            return;
        default:
            break;
    }
    TPopupForm::WndProc(m);
}

}  // namespace orv
