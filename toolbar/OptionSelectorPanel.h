#pragma once
// TOptionSelectorPanel: the base of what the option window and its small windows show:
// a flat panel (optionally a gradient) with a one-pixel frame. It belongs to the window
// it fills (FOwner); the toolbar and quick access toolbar it serves are links.
#include "framework/WinControl.h"
#include "paint/OrvGradients.h"

namespace orv {

class IQuickAccessToolBar;
class TOrvCustomToolBar;

// Paints a panel background: Color -> ColorTo in 40 inset bands (when ColorTo is set),
// else Color, then the frame on the four outer edges of rect.
void PaintSelectorBackground(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo,
                             TGradientDirection direction, TColor borderColor);

// Paints a hot or pressed command item: color -> colorTo in 40 inset bands (vertical), or
// plain color, framed in black; nothing when color is clNone.
void PaintSelectorItemFill(TCanvas& canvas, const TRect& rect, TColor color, TColor colorTo);

// The option and popup windows size from their bottom-right 10 x 10 pixels, which the panel
// filling the window covers: a panel answers a hit test there as transparent, so the window
// under it answers with its sizing code. True when the message was answered.
constexpr int kSelectorSizingCorner = 10;
bool PassSizingCornerHit(TWinControl& panel, TMessage& message);

class TOptionSelectorPanel : public TCustomControl {
public:
    ORV_CLASS_NAME(TOptionSelectorPanel)
    explicit TOptionSelectorPanel(TComponent* owner);

    TColor GetColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TGradientDirection GetGradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection value);
    TColor GetWindowBorderColor() const { return FWindowBorderColor; }
    void SetWindowBorderColor(TColor value);
    int GetMarginX() const { return FMarginX; }
    int GetMarginY() const { return FMarginY; }
    TOrvCustomToolBar* GetOrvToolBar() const { return FOrvToolBar; }
    void SetOrvToolBar(TOrvCustomToolBar* value) { FOrvToolBar = value; }
    IQuickAccessToolBar* GetOrvQuickAccessToolBar() const { return FOrvQuickAccessToolBar; }
    void SetOrvQuickAccessToolBar(IQuickAccessToolBar* value) { FOrvQuickAccessToolBar = value; }

    // The height the window showing the panel takes.
    virtual int GetVisibleHeight() { return Height(); }
    // The window showing the panel went hidden.
    virtual void WindowHidden() {}

    // Asks the window showing the panel to hide.
    TNotifyEvent OnShouldHide;

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;

    TComponent* FOwner;
    TColor FColorTo = clNone;
    TGradientDirection FGradientDirection = gdHorizontal;
    TColor FWindowBorderColor = 0x808080;
    int FMarginY = 3;
    int FMarginX = 3;
    // Links, not owned: the toolbar owns the windows its panels live in.
    TOrvCustomToolBar* FOrvToolBar = nullptr;
    IQuickAccessToolBar* FOrvQuickAccessToolBar = nullptr;
};

}  // namespace orv
