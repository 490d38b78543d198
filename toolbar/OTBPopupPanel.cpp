#include "toolbar/OTBPopupPanel.h"

#include <algorithm>

#include "buttons/OrvGlowButton.h"
#include "framework/ActnList.h"
#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "menus/OrvMenus.h"
#include "paint/GDIPPicture.h"
#include "toolbar/OTBMenuItem.h"
#include "toolbar/OptionSelectorPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"

namespace orv {

namespace {

// The image list and index a control's image comes from (null when it has none).
TImageList* ListImage(TControl* control, int& index) {
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control)) {
        TOrvCustomToolBar* toolBar = button->GetOrvToolBar();
        index = button->GetImageIndex();
        return index >= 0 && toolBar ? toolBar->GetImages() : nullptr;
    }
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        index = glow->GetImageIndex();
        if (index >= 0 && glow->GetImages()) return glow->GetImages();
        if (auto* action = dynamic_cast<TCustomAction*>(glow->GetAction()))
            if (action->GetActionList() && action->GetActionList()->GetImages() && action->GetImageIndex() >= 0) {
                index = action->GetImageIndex();
                return action->GetActionList()->GetImages();
            }
    }
    return nullptr;
}

// Where a w x h image goes in column: centred, or the column itself when larger.
TRect ImagePlace(const TRect& column, int w, int h) {
    if (w > column.Width() || h > column.Height()) return column;
    int x = column.Left + (column.Width() - w) / 2, y = column.Top + (column.Height() - h) / 2;
    return {x, y, x + w, y + h};
}

void FillBand(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, bool horizontal, int steps) {
    if (color == clNone) return;
    if (colorTo == clNone) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(color);
        canvas.FillRect(r);
        return;
    }
    DrawGradient(canvas, color, colorTo, steps, r, horizontal, gvInsetFarEdge);
}

void Outline(TCanvas& canvas, const TRect& r, TColor color) {
    if (color == clNone) return;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(color);
    canvas.Rectangle(r);
}

}  // namespace

bool ItemHasImage(TControl* control) {
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control))
        return button->GetImageIndex() >= 0 || !button->Glyph().Empty();
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        if (glow->GetImageIndex() >= 0 || !glow->Picture().Empty()) return true;
        auto* action = dynamic_cast<TCustomAction*>(glow->GetAction());
        return action && action->GetActionList() && action->GetActionList()->GetImages() &&
               action->GetImageIndex() >= 0;
    }
    return false;
}

void DrawItemImage(TCanvas& canvas, TControl* control, const TRect& column) {
    if (!control) return;
    int index = -1;
    if (TImageList* list = ListImage(control, index)) {
        int w = list->GetWidth(), h = list->GetHeight();
        TRect place = ImagePlace(column, w, h);
        if (place.Width() == w && place.Height() == h) {
            list->Draw(canvas, place.Left, place.Top, index, control->GetEnabled());
            return;
        }
        // Larger than the column: drawn on a key colour and stretched without it.
        TBitmap image(w, h);
        image.Canvas().Brush().SetColor(clFuchsia);
        image.Canvas().FillRect({0, 0, w, h});
        list->Draw(image.Canvas(), 0, 0, index, control->GetEnabled());
        image.SetTransparentColor(clFuchsia);
        image.SetTransparent(true);
        image.Draw(canvas, place);
        return;
    }
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control)) {
        TBitmap& glyph = button->Glyph();
        if (!glyph.Empty()) glyph.Draw(canvas, ImagePlace(column, glyph.Width(), glyph.Height()));
        return;
    }
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        TGDIPPicture& picture = glow->Picture();
        if (!picture.Empty()) picture.Draw(canvas, ImagePlace(column, picture.Width(), picture.Height()));
    }
}

// --- TOTBCustomPopupPanel ----------------------------------------------------------------------

TOTBCustomPopupPanel::TOTBCustomPopupPanel(TComponent* owner) : TCustomControl(owner), FOwner(owner) {
    SetControlStyle(ControlStyle() | csOpaque);
    SetColor(0xF7F8F9);
    Font().SetName(L"Tahoma");
    Font().SetSize(8);
}

void TOTBCustomPopupPanel::SetColorTo(TColor value) {
    if (FColorTo == value) return;
    FColorTo = value;
    Invalidate();
}

void TOTBCustomPopupPanel::SetGradientDirection(TGradientDirection value) {
    if (FGradientDirection == value) return;
    FGradientDirection = value;
    Invalidate();
}

void TOTBCustomPopupPanel::SetWindowBorderColor(TColor value) {
    if (FWindowBorderColor == value) return;
    FWindowBorderColor = value;
    Invalidate();
}

void TOTBCustomPopupPanel::WndProc(TMessage& message) {
    if (PassSizingCornerHit(*this, message)) return;
    TCustomControl::WndProc(message);
}

void TOTBCustomPopupPanel::Paint() {
    PaintSelectorBackground(Canvas(), ClientRect(), GetColor(), FColorTo, FGradientDirection, FWindowBorderColor);
}

// --- TOTBPopupPanel: items -----------------------------------------------------------------------

TOTBPopupPanel::TOTBPopupPanel(TComponent* owner) : TOTBCustomPopupPanel(owner) {}

void TOTBPopupPanel::Notification(TComponent* component, TOperation operation) {
    TOTBCustomPopupPanel::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FOrvMenuStyler) FOrvMenuStyler = nullptr;
    if (component == FItemPopup) FItemPopup = nullptr;
}

void TOTBPopupPanel::SetItems(TOTBMenuItem* value) {
    FItems = value;
    FHotItem = FPopupItem = -1;
    Invalidate();
}

void TOTBPopupPanel::SetOrvMenuStyler(menus::TCustomOrvMenuStyler* value) {
    if (FOrvMenuStyler == value) return;
    if (FOrvMenuStyler) RemoveFreeNotification(FOrvMenuStyler);
    FOrvMenuStyler = value;
    if (value) value->FreeNotification(this);
    Invalidate();
}

void TOTBPopupPanel::SetShowIconBar(bool value) {
    if (FShowIconBar == value) return;
    FShowIconBar = value;
    Invalidate();
}

int TOTBPopupPanel::ItemCount() const {
    return FItems ? FItems->Count() : 0;
}

TOTBMenuItem* TOTBPopupPanel::Item(int index) const {
    return FItems->Items(index);
}

void TOTBPopupPanel::ArrangeItems() {
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().Assign(&Font());
    int w = 0;
    FShowImageBar = false;
    for (int i = 0; i < ItemCount(); ++i) {
        TOTBMenuItem* item = Item(i);
        int need = canvas.TextWidth(item->GetCaption()) + 7;
        if (item->HasChildren()) need += 30;
        w = std::max(w, need);
        if (ItemHasImage(item->GetObjects())) FShowImageBar = true;
    }
    if (FOrvMenuStyler && FShowIconBar) w += FOrvMenuStyler->IconBar().GetSize();
    if (FShowImageBar) w += FImageBarSize;
    w = std::max(w, 70);
    int y = FMarginY;
    for (int i = 0; i < ItemCount(); ++i) {
        TOTBMenuItem* item = Item(i);
        item->SetBoundRect({FMarginX, y, FMarginX + w, y + FItemHeight});
        item->SetWidth(w);
        item->SetHeight(FItemHeight);
        y += FItemHeight + FMarginY;
    }
    SetBounds(FLeft, FTop, w + 2 * FMarginX, y);
    Invalidate();
}

int TOTBPopupPanel::ItemAt(TPoint p) const {
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i)->GetVisible() && Item(i)->GetBoundRect().Contains(p)) return i;
    return -1;
}

void TOTBPopupPanel::InvalidateItem(int index) {
    if (index >= 0 && index < ItemCount()) InvalidateRect(Item(index)->GetBoundRect(), false);
}

// --- painting ------------------------------------------------------------------------------------

void TOTBPopupPanel::Paint() {
    TOTBCustomPopupPanel::Paint();
    TCanvas& canvas = Canvas();
    int iconSize = FOrvMenuStyler && FShowIconBar ? FOrvMenuStyler->IconBar().GetSize() : 0;
    int imageBar = FShowImageBar ? FImageBarSize : 0;
    if (FOrvMenuStyler && iconSize + imageBar > 0) {
        menus::TIconBar& bar = FOrvMenuStyler->IconBar();
        TRect column{FMarginX, FMarginY, FMarginX + iconSize + imageBar, FHeight - FMarginY};
        FillBand(canvas, column, bar.GetColor(), bar.GetColor() == clNone ? clNone : bar.GetColorTo(), true, 40);
    }
    for (int i = 0; i < ItemCount(); ++i)
        if (Item(i)->GetVisible()) PaintItem(canvas, *Item(i), i == FHotItem, iconSize, imageBar);
}

void TOTBPopupPanel::PaintItem(TCanvas& canvas, TOTBMenuItem& item, bool hot, int iconSize, int imageBar) {
    const TRect& r = item.GetBoundRect();
    menus::TCustomOrvMenuStyler* styler = FOrvMenuStyler;
    if (hot && styler) {
        menus::TSelectedItem& selected = styler->SelectedItem();
        TColor colorTo = selected.GetColor() == clNone ? clNone : selected.GetColorTo();
        FillBand(canvas, r, selected.GetColor(), colorTo, selected.GetGradientDirection() == menus::gdHorizontal, 40);
        Outline(canvas, r, selected.GetBorderColor());
    }
    if (iconSize > 0 && styler) {
        TRect box{r.Left + 1, r.Top + 1, r.Left + iconSize - 2, r.Bottom - 1};
        if (item.GetAutoCheck() && item.GetChecked() && item.GetEnabled()) {
            if (hot) {
                menus::TSelectedItem& selected = styler->SelectedItem();
                FillBand(canvas, box, selected.GetCheckColor(), selected.GetCheckColorTo(), true, 16);
                Outline(canvas, box, selected.GetBorderColor());
            } else {
                menus::TIconBar& bar = styler->IconBar();
                FillBand(canvas, box, bar.GetCheckColor(), bar.GetCheckColorTo(), true, 16);
                Outline(canvas, box, bar.GetCheckBorder());
            }
            TBitmap& check = styler->Glyphs().Check();
            if (!check.Empty()) check.Draw(canvas, ImagePlace(box, check.Width(), check.Height()));
        } else if (!item.GetAutoCheck() && imageBar == 0) {
            DrawItemImage(canvas, item.GetObjects(), {r.Left, r.Top, r.Left + iconSize, r.Bottom});
        }
    }
    if (imageBar > 0)
        DrawItemImage(canvas, item.GetObjects(), {r.Left + iconSize, r.Top, r.Left + iconSize + imageBar, r.Bottom});
    TColor text = clWindowText;
    if (styler) text = hot ? styler->SelectedItem().Font().GetColor() : styler->Font().GetColor();
    if (!item.GetEnabled()) text = clGrayText;
    canvas.Font().Assign(&Font());
    canvas.Font().SetColor(text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect textRect{r.Left + iconSize + imageBar + 4, r.Top, r.Right, r.Bottom};
    canvas.DrawText(item.GetCaption(), textRect, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    if (item.HasChildren() && styler) {
        TBitmap& arrow = styler->Glyphs().SubMenu();
        if (!arrow.Empty())
            arrow.Draw(canvas, Bounds(r.Right - 8, (r.Top + r.Bottom - 5) / 2, arrow.Width(), arrow.Height()));
    }
}

// --- interaction ---------------------------------------------------------------------------------

TOTBPopupWindow* TOTBPopupPanel::ParentPopupWindow() const {
    return dynamic_cast<TOTBPopupWindow*>(Parent());
}

void TOTBPopupPanel::MouseMove(TShiftState shift, int x, int y) {
    TOTBCustomPopupPanel::MouseMove(shift, x, y);
    if (shift & (ssLeft | ssRight | ssMiddle)) return;
    int index = ItemAt({x, y});
    if (index < 0) return;
    if (index != FHotItem) {
        int old = FHotItem;
        if (FPopupItem >= 0 && FPopupItem != index) CloseSubPopup();
        FHotItem = index;
        InvalidateItem(old);
        InvalidateItem(index);
    }
    if (Item(index)->HasChildren() && FPopupItem != index) OpenSubPopup(index);
}

void TOTBPopupPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TOTBCustomPopupPanel::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    int index = ItemAt({x, y});
    if (index < 0) return;
    TOTBMenuItem* item = Item(index);
    TControl* control = item->GetObjects();
    if (!item->GetAutoCheck() || !item->GetEnabled() || !control) return;
    // The toolbar hears the change and lays out again.
    control->SetVisible(!control->GetVisible());
    item->SetChecked(control->GetVisible());
    InvalidateItem(index);
}

void TOTBPopupPanel::MouseLeave() {
    TOTBCustomPopupPanel::MouseLeave();
    if (FPopupItem >= 0 || FHotItem < 0) return;
    int old = FHotItem;
    FHotItem = -1;
    InvalidateItem(old);
}

void TOTBPopupPanel::OpenSubPopup(int index) {
    TOTBPopupWindow* parentWindow = ParentPopupWindow();
    if (!FItemPopup) {
        auto* popup = new TOTBPopupWindow(this);
        popup->SetOrvToolBar(parentWindow ? parentWindow->GetOrvToolBar() : nullptr);
        popup->OnWindowHide = [this](TObject*) {
            if (TOTBPopupWindow* window = ParentPopupWindow()) window->SetHideOnDeActivate(true);
            if (FItemPopup) FItemPopup->PopupPanel()->SetItems(nullptr);
            FPopupItem = -1;
        };
        popup->OnDeActivateHide = [this](TObject*) {
            TOTBPopupWindow* window = ParentPopupWindow();
            if (!window) return;
            window->HideWindow();
            window->RaiseDeActivateHide();
        };
        FItemPopup = popup;
    }
    TOTBPopupPanel* panel = FItemPopup->PopupPanel();
    panel->SetShowIconBar(true);
    panel->SetOrvMenuStyler(FOrvMenuStyler);
    panel->SetItems(Item(index));
    panel->ArrangeItems();
    FItemPopup->SetWindowSize();
    if (parentWindow) parentWindow->SetHideOnDeActivate(false);
    FPopupItem = index;
    const TRect& r = Item(index)->GetBoundRect();
    TPoint at = ClientToScreen({r.Right + 2, r.Top});
    int itemLeft = ClientToScreen({r.Left, r.Top}).X;
    FItemPopup->ShowAt(PlaceBeside(at, itemLeft, {FItemPopup->Width(), FItemPopup->Height()}, WorkAreaAt(at)));
}

void TOTBPopupPanel::CloseSubPopup() {
    if (FItemPopup && FItemPopup->GetVisible()) FItemPopup->HideWindow();
    FPopupItem = -1;
}

void TOTBPopupPanel::WindowHidden() {
    CloseSubPopup();
    int old = FHotItem;
    FHotItem = FPopupItem = -1;
    InvalidateItem(old);
}

}  // namespace orv
