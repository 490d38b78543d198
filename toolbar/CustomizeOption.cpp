#include "toolbar/CustomizeOption.h"

#include "framework/Bitmap.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

TCustomizeOption::TCustomizeOption(TComponent* owner) : TOptionSelectorPanel(owner) {
    FHeight = 25;
}

void TCustomizeOption::SetCustomizeText(const std::wstring& value) {
    if (FCustomizeText == value) return;
    FCustomizeText = value;
    Invalidate();
}

void TCustomizeOption::SizeToContent() {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(&Font());
    int width = scratch.Canvas().TextWidth(FCustomizeText) + 2 * FMarginX + 12;
    SetBounds(FLeft, FTop, width, 25);
}

TRect TCustomizeOption::ButtonRect() const {
    return {FMarginX, FMarginY, FWidth - FMarginX, FHeight - FMarginY};
}

void TCustomizeOption::Paint() {
    TOptionSelectorPanel::Paint();
    // The button takes its colours from the toolbar: nothing to show without one.
    if (!FOrvToolBar) return;
    TCustomOrvToolBarStyler* styler = FOrvToolBar->CurrentToolBarStyler();
    menus::TCustomOrvMenuStyler* menuStyler = FOrvToolBar->GetMenu() ? styler->CurrentOrvMenuStyler() : nullptr;
    TButtonAppearance& look = styler->ButtonAppearance();
    TColor color = clNone, colorTo = clNone, text;
    if (FCustomizeBtnDown) {
        color = menuStyler ? menuStyler->RootItem().GetSelectedColor() : look.GetColorDown();
        colorTo = menuStyler ? menuStyler->RootItem().GetSelectedColorTo() : look.GetColorDownTo();
        text = menuStyler ? menuStyler->RootItem().GetSelectedTextColor() : look.GetCaptionTextColorDown();
    } else if (FCustomizeBtnHot) {
        color = menuStyler ? menuStyler->RootItem().GetHoverColor() : look.GetColorHot();
        colorTo = menuStyler ? menuStyler->RootItem().GetHoverColorTo() : look.GetColorHotTo();
        text = menuStyler ? menuStyler->RootItem().GetHoverTextColor() : look.GetCaptionTextColorHot();
    } else {
        text = menuStyler ? menuStyler->RootItem().GetSelectedTextColor() : look.GetCaptionTextColor();
    }
    TCanvas& canvas = Canvas();
    TRect r = ButtonRect();
    PaintSelectorItemFill(canvas, r, color, colorTo);
    canvas.Font().Assign(&Font());
    canvas.Font().SetColor(text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect textRect{r.Left + 4, r.Top, r.Right - 4, r.Bottom};
    canvas.DrawText(FCustomizeText, textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void TCustomizeOption::SetState(bool hot, bool down) {
    if (hot == FCustomizeBtnHot && down == FCustomizeBtnDown) return;
    FCustomizeBtnHot = hot;
    FCustomizeBtnDown = down;
    Invalidate();
}

void TCustomizeOption::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TOptionSelectorPanel::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !ButtonRect().Contains({x, y})) return;
    FPressed = true;
    SetState(FCustomizeBtnHot, true);
}

void TCustomizeOption::MouseMove(TShiftState shift, int x, int y) {
    TOptionSelectorPanel::MouseMove(shift, x, y);
    bool inside = ButtonRect().Contains({x, y});
    if (!inside)
        SetState(false, false);
    else if (!(shift & (ssLeft | ssRight | ssMiddle)))
        SetState(true, true);
}

void TCustomizeOption::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TOptionSelectorPanel::MouseUp(button, shift, x, y);
    bool pressed = FPressed;
    FPressed = false;
    if (button != TMouseButton::mbLeft || !pressed || !ButtonRect().Contains({x, y})) return;
    SetState(false, false);
    TOrvCustomToolBar* toolBar = FOrvToolBar;
    // Hiding the window may hide the option window that owns this one; the toolbar
    // owns them all and stays.
    if (OnShouldHide) OnShouldHide(this);
    if (toolBar) toolBar->ShowCustomizer();
}

void TCustomizeOption::MouseLeave() {
    TOptionSelectorPanel::MouseLeave();
    FPressed = false;
    SetState(false, false);
}

}  // namespace orv
