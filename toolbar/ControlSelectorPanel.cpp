#include "toolbar/ControlSelectorPanel.h"

#include <algorithm>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/Menus.h"
#include "framework/Screen.h"
#include "menus/OrvMenus.h"
#include "toolbar/CustomizeOption.h"
#include "toolbar/OTBMenuItem.h"
#include "toolbar/OTBPopupPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/ToolBarCustomizerLink.h"

namespace orv {

namespace {

// The panel's 1 ms timer that watches the pointer while the options are open.
constexpr UINT_PTR kOptionsTimer = 1;

bool IsToolBarSeparator(const TControl* c) {
    return dynamic_cast<const TOrvToolBarSeparator*>(c) != nullptr;
}

// The text the check list shows for a control: the caption of the buttons, the name of
// anything else.
std::wstring CheckItemCaption(TControl* control) {
    if (dynamic_cast<TOrvCustomToolBarButton*>(control) || dynamic_cast<TOrvCustomGlowButton*>(control))
        return control->GetCaption();
    return control->GetName();
}

}  // namespace

TControlSelectorPanel::TControlSelectorPanel(TComponent* owner) : TOptionSelectorPanel(owner) {
    FAddAndRemoveBtn.SetCaption(L"Add or Remove Buttons");
    FOptionsBtn.SetCaption(L"Options");
    FAddAndRemoveBtn.SetWidth(130);
    FOptionsBtn.SetWidth(130);
    MeasureItems();
}

void TControlSelectorPanel::BeforeDestruction() {
    *FAlive = false;
    // Borrowed controls are not the panel's to free: they go home first, or, when their
    // home is going too and has freed its children already, to no parent (their owners
    // free them).
    TWinControl* home = HomeParent();
    ReleaseControls(home && home->IsDestroying() ? nullptr : home);
    TOptionSelectorPanel::BeforeDestruction();
}

void TControlSelectorPanel::Notification(TComponent* component, TOperation operation) {
    TOptionSelectorPanel::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FOptionsMenu) FOptionsMenu = nullptr;
    if (component == FAddAndRemovePopup) FAddAndRemovePopup = nullptr;
    if (component == FCustomizeOptionWindow) {
        FCustomizeOptionWindow = nullptr;
        FCustomizeOptionPanel = nullptr;
    }
    if (auto* control = dynamic_cast<TControl*>(component)) {
        FControlList.Remove(control);
        FSeparatorList.Remove(control);
    }
}

// --- list operations -----------------------------------------------------------------------------

int TControlSelectorPanel::AddControl(TControl* control) {
    if (!control) return -1;
    if (control->Parent() != this) control->SetParent(this);
    int index = FControlList.IndexOf(control);
    if (index < 0) {
        index = FControlList.Add(control);
        control->FreeNotification(this);
    }
    return index;
}

void TControlSelectorPanel::RemoveControl(TControl* control) {
    if (!control) return;
    bool listed = FControlList.Remove(control) >= 0;
    if (control->Parent() == this) control->SetParent(nullptr);
    if (listed) ArrangeControls();
}

bool TControlSelectorPanel::IsEmpty() const {
    return FControlList.Empty() && !FShowAddAndRemoveBtn && !ShowsOptions();
}

TWinControl* TControlSelectorPanel::HomeParent() const {
    if (FOrvToolBar) return FOrvToolBar;
    if (FOrvQuickAccessToolBar) return FOrvQuickAccessToolBar->QuickAccessControl();
    return nullptr;
}

void TControlSelectorPanel::ReturnControls() {
    ReleaseControls(HomeParent());
}

void TControlSelectorPanel::ReleaseControls(TWinControl* home) {
    std::vector<TControl*> borrowed;
    for (TControl* c : FControlList)
        if (!FSeparatorList.Contains(c) && c->Parent() == this) borrowed.push_back(c);
    FControlList.Clear();
    if (!borrowed.empty()) {
        TOrvCustomToolBar* lender = FOrvToolBar;
        if (lender) lender->BeginLendControls();
        try {
            for (TControl* c : borrowed) c->SetParent(home);
        } catch (...) {
            if (lender) lender->EndLendControls();
            throw;
        }
        if (lender) lender->EndLendControls();
    }
    // The copies are this panel's own.
    while (!FSeparatorList.Empty()) {
        TControl* copy = FSeparatorList[FSeparatorList.Count() - 1];
        FSeparatorList.Delete(FSeparatorList.Count() - 1);
        copy->Free();
    }
}

void TControlSelectorPanel::FillFromToolBar(TOrvCustomToolBar* toolBar) {
    ReturnControls();
    FOrvToolBar = toolBar;
    if (!toolBar) return;
    TCustomOrvToolBarStyler* styler = toolBar->CurrentToolBarStyler();
    menus::TCustomOrvMenuStyler* menuStyler = styler->CurrentOrvMenuStyler();

    FShowAddAndRemoveBtn = toolBar->GetAutoOptionMenu();
    TPopupMenu* menu = toolBar->GetOptionMenu();
    if (auto* styled = dynamic_cast<TOrvPopupMenu*>(menu)) styled->SetMenuStyler(menuStyler);
    SetOptionsMenu(menu);
    FCustomizer = toolBar->GetCustomizer();
    FAddAndRemoveBtn.SetCaption(toolBar->GetTextAutoOptionMenu());
    FOptionsBtn.SetCaption(toolBar->GetTextOptionMenu());
    MeasureItems();

    if (toolBar->GetMenu() && menuStyler) {
        menus::TRootItem& root = menuStyler->RootItem();
        FItemColorHot = root.GetHoverColor();
        FItemColorHotTo = root.GetHoverColorTo();
        FItemColorDown = root.GetSelectedColor();
        FItemColorDownTo = root.GetSelectedColorTo();
        FItemTextColor = root.Font().GetColor();
        FItemTextColorHot = root.GetHoverTextColor();
        FItemTextColorDown = root.GetSelectedTextColor();
    } else {
        TButtonAppearance& look = styler->ButtonAppearance();
        FItemColorHot = look.GetColorHot();
        FItemColorHotTo = look.GetColorHotTo();
        FItemColorDown = look.GetColorDown();
        FItemColorDownTo = look.GetColorDownTo();
        FItemTextColor = look.GetCaptionTextColor();
        FItemTextColorHot = look.GetCaptionTextColorHot();
        FItemTextColorDown = look.GetCaptionTextColorDown();
    }

    // The hidden controls in layout order; a separator passed between two of them comes
    // as a copy the panel owns (separators themselves stay on the toolbar).
    const TDbgList<TControl>& hidden = toolBar->HiddenControls();
    toolBar->BeginLendControls();
    try {
        TControl* passed = nullptr;
        int added = 0;
        for (int i = 0; i < toolBar->GetToolBarControlCount(); ++i) {
            TControl* c = toolBar->ToolBarControls(i);
            if (IsToolBarSeparator(c)) {
                passed = c;
                continue;
            }
            if (!hidden.Contains(c)) continue;
            if (passed && added > 0) {
                auto* copy = new TOrvToolBarSeparator(this);
                copy->Assign(passed);
                FSeparatorList.Add(copy);
                AddControl(copy);
            }
            passed = nullptr;
            AddControl(c);
            ++added;
        }
    } catch (...) {
        toolBar->EndLendControls();
        throw;
    }
    toolBar->EndLendControls();
    ArrangeControls();
}

void TControlSelectorPanel::WindowHidden() {
    StopOptionsTimer();
    FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = false;
    FOptionsBtnHot = FOptionsBtnDown = false;
    if (FAddAndRemovePopup && FAddAndRemovePopup->GetVisible()) FAddAndRemovePopup->HideWindow();
    HideCustomizeWindow();
    ReturnControls();
}

// --- settings ------------------------------------------------------------------------------------

void TControlSelectorPanel::SetShowAddAndRemoveBtn(bool value) {
    if (FShowAddAndRemoveBtn == value) return;
    FShowAddAndRemoveBtn = value;
    MeasureItems();
    ArrangeControls();
}

void TControlSelectorPanel::SetAddAndRemoveCaption(const std::wstring& value) {
    FAddAndRemoveBtn.SetCaption(value);
    MeasureItems();
    Invalidate();
}

void TControlSelectorPanel::SetOptionsCaption(const std::wstring& value) {
    if (FOptionsBtn.GetCaption() == value) return;
    FOptionsBtn.SetCaption(value);
    MeasureItems();
    Invalidate();
}

void TControlSelectorPanel::SetOptionsMenu(TPopupMenu* value) {
    if (FOptionsMenu == value) return;
    if (FOptionsMenu) RemoveFreeNotification(FOptionsMenu);
    FOptionsMenu = value;
    if (value) value->FreeNotification(this);
}

void TControlSelectorPanel::MeasureItems() {
    TBitmap scratch(1, 1);
    TCanvas& canvas = scratch.Canvas();
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetSize(8);
    int width = 130;
    if (FShowAddAndRemoveBtn) width = std::max(width, canvas.TextWidth(FAddAndRemoveBtn.GetCaption()) + 15);
    if (ShowsOptions()) width = std::max(width, canvas.TextWidth(FOptionsBtn.GetCaption()) + 15);
    FAddAndRemoveBtn.SetWidth(width);
    FOptionsBtn.SetWidth(width);
}

// --- arranging -----------------------------------------------------------------------------------

int TControlSelectorPanel::ComputeHeight(int bottomOfRows) const {
    int height = bottomOfRows;
    bool anyItem = FShowAddAndRemoveBtn || ShowsOptions();
    if (FShowAddAndRemoveBtn) height += FAddAndRemoveBtn.GetHeight();
    if (ShowsOptions()) height += FOptionsBtn.GetHeight();
    bool anyControl =
        std::any_of(FControlList.begin(), FControlList.end(), [](TControl* c) { return c->GetVisible(); });
    if (anyControl && anyItem) height += FSeparatorSize;
    return height + FMarginY;
}

void TControlSelectorPanel::ArrangeControls() {
    auto placed = [this](TControl* c) { return c->GetVisible() && FControlList.Contains(c); };
    // Children the list does not hold (or that are hidden) wait out of sight.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (!placed(c)) c->SetBounds(c->Left(), -c->Height() - 2, c->Width(), c->Height());
    }
    int w = FAddAndRemoveBtn.GetWidth();
    for (TControl* c : FControlList)
        if (c->GetVisible()) w = std::max(w, c->Width());
    int x = FMarginX, y = FMarginY, rowHeight = 0;
    bool rowEmpty = true;
    for (TControl* c : FControlList) {
        if (!c->GetVisible()) continue;
        if (!rowEmpty && w - x < c->Width()) {
            y += rowHeight;
            x = FMarginX;
            rowHeight = 0;
        }
        if (c->Left() != x || c->Top() != y) c->SetBounds(x, y, c->Width(), c->Height());
        x += c->Width();
        rowHeight = std::max(rowHeight, c->Height());
        rowEmpty = false;
    }
    int height = ComputeHeight(y + rowHeight);
    int width = w + 2 * FMarginX;
    int itemBottom = height - FMarginY;
    if (FShowAddAndRemoveBtn) {
        FAddAndRemoveBtn.SetBRect({FMarginX, itemBottom - FAddAndRemoveBtn.GetHeight(), width - FMarginX, itemBottom});
        itemBottom -= FAddAndRemoveBtn.GetHeight();
    } else {
        FAddAndRemoveBtn.SetBRect({});
    }
    if (ShowsOptions())
        FOptionsBtn.SetBRect({FMarginX, itemBottom - FOptionsBtn.GetHeight(), width - FMarginX, itemBottom});
    else
        FOptionsBtn.SetBRect({});
    SetBounds(FLeft, FTop, width, height);
    Invalidate();
}

void TControlSelectorPanel::WndProc(TMessage& message) {
    TOptionSelectorPanel::WndProc(message);
    // A borrowed control shown or hidden (through the check list): the rows change.
    if (message.Msg == CM_CHILDVISIBLECHANGED && FControlList.Contains(reinterpret_cast<TControl*>(message.WParam))) {
        ArrangeControls();
        if (TOptionSelectorWindow* window = OptionWindow()) window->SetWindowSize();
    }
}

// --- painting ------------------------------------------------------------------------------------

void TControlSelectorPanel::Paint() {
    TOptionSelectorPanel::Paint();
    bool showOptions = ShowsOptions();
    if (!FShowAddAndRemoveBtn && !showOptions) return;
    TCanvas& canvas = Canvas();
    int upperTop = showOptions ? FOptionsBtn.GetBRect().Top : FAddAndRemoveBtn.GetBRect().Top;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetColor(0x808080);
    canvas.MoveTo(0, upperTop - 4);
    canvas.LineTo(FWidth, upperTop - 4);
    if (showOptions) PaintItem(canvas, FOptionsBtn, FOptionsBtnHot, FOptionsBtnDown, false);
    if (FShowAddAndRemoveBtn) PaintItem(canvas, FAddAndRemoveBtn, FAddAndRemoveBtnHot, FAddAndRemoveBtnDown, true);
}

void TControlSelectorPanel::PaintItem(TCanvas& canvas, const TSelectorItem& item, bool hot, bool down, bool arrowDown) {
    TColor color = clNone, colorTo = clNone, text = FItemTextColor;
    if (down) {
        color = FItemColorDown;
        colorTo = FItemColorDownTo;
        text = FItemTextColorDown;
    } else if (hot) {
        color = FItemColorHot;
        colorTo = FItemColorHotTo;
        text = FItemTextColorHot;
    }
    const TRect& r = item.GetBRect();
    PaintSelectorItemFill(canvas, r, color, colorTo);
    canvas.Font().SetName(L"Tahoma");
    canvas.Font().SetSize(8);
    canvas.Font().SetColor(text);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    TRect textRect{r.Left, r.Top, r.Right - 8, r.Bottom};
    canvas.DrawText(item.GetCaption(), textRect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    // The glyph: rows of 5, 3 and 1 pixels pointing down, or columns pointing right.
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(text);
    if (arrowDown) {
        canvas.FillRect({r.Right - 9, r.Bottom - 10, r.Right - 4, r.Bottom - 9});
        canvas.FillRect({r.Right - 8, r.Bottom - 9, r.Right - 5, r.Bottom - 8});
        canvas.FillRect({r.Right - 7, r.Bottom - 8, r.Right - 6, r.Bottom - 7});
    } else {
        canvas.FillRect({r.Right - 8, r.Top + 7, r.Right - 7, r.Top + 12});
        canvas.FillRect({r.Right - 7, r.Top + 8, r.Right - 6, r.Top + 11});
        canvas.FillRect({r.Right - 6, r.Top + 9, r.Right - 5, r.Top + 10});
    }
}

// --- interaction ---------------------------------------------------------------------------------

TOptionSelectorWindow* TControlSelectorPanel::OptionWindow() const {
    return dynamic_cast<TOptionSelectorWindow*>(Parent());
}

bool TControlSelectorPanel::PointerOverAddAndRemove() const {
    if (!FShowAddAndRemoveBtn || !const_cast<TControlSelectorPanel*>(this)->HandleAllocated()) return false;
    POINT p;
    if (!GetCursorPos(&p)) return false;
    ::ScreenToClient(FHandle, &p);
    return FAddAndRemoveBtn.GetBRect().Contains({p.x, p.y});
}

void TControlSelectorPanel::MouseMove(TShiftState shift, int x, int y) {
    TOptionSelectorPanel::MouseMove(shift, x, y);
    if (shift & (ssLeft | ssRight | ssMiddle)) return;
    TPoint p{x, y};
    bool overAddAndRemove = FShowAddAndRemoveBtn && FAddAndRemoveBtn.GetBRect().Contains(p);
    bool overOptions = ShowsOptions() && FOptionsBtn.GetBRect().Contains(p);
    if (overAddAndRemove && !FAddAndRemoveBtnHot) {
        FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = true;
        Invalidate();
        HideCustomizeWindow();
        OpenAddAndRemovePopup();
    } else if (!overAddAndRemove && FAddAndRemoveBtnHot) {
        FAddAndRemoveBtnHot = false;
        // Down stays while its check list shows.
        FAddAndRemoveBtnDown = FAddAndRemovePopup && FAddAndRemovePopup->GetVisible();
        Invalidate();
    }
    if (overOptions && !FOptionsBtnHot) {
        FOptionsBtnHot = FOptionsBtnDown = true;
        Invalidate();
        OpenOptions();
    } else if (!overOptions && FOptionsBtnHot) {
        FOptionsBtnHot = FOptionsBtnDown = false;
        Invalidate();
        if (FCustomizeOptionWindow && FCustomizeOptionWindow->GetVisible() && y < FOptionsBtn.GetBRect().Top - 4)
            HideCustomizeWindow();
    }
}

void TControlSelectorPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TOptionSelectorPanel::MouseUp(button, shift, x, y);
    // The release posted while the options were open: the item takes the pointer again.
    if (button != TMouseButton::mbLeft || !FShowAddAndRemoveBtn || !FAddAndRemoveBtn.GetBRect().Contains({x, y}))
        return;
    if (FAddAndRemovePopup && FAddAndRemovePopup->GetVisible()) return;
    FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = true;
    Invalidate();
    HideCustomizeWindow();
    OpenAddAndRemovePopup();
}

void TControlSelectorPanel::MouseLeave() {
    TOptionSelectorPanel::MouseLeave();
    bool popupShows = FAddAndRemovePopup && FAddAndRemovePopup->GetVisible();
    if (FAddAndRemoveBtnHot || (FAddAndRemoveBtnDown && !popupShows) || FOptionsBtnHot || FOptionsBtnDown) {
        FAddAndRemoveBtnHot = false;
        FAddAndRemoveBtnDown = popupShows;
        FOptionsBtnHot = FOptionsBtnDown = false;
        Invalidate();
    }
}

void TControlSelectorPanel::HideCustomizeWindow() {
    if (!FCustomizeOptionWindow || !FCustomizeOptionWindow->GetVisible()) return;
    FInternalHiding = true;
    FCustomizeOptionWindow->HideWindow();
    FInternalHiding = false;
}

void TControlSelectorPanel::OpenAddAndRemovePopup() {
    if (!FShowAddAndRemoveBtn || (FAddAndRemovePopup && FAddAndRemovePopup->GetVisible())) return;
    TOptionSelectorWindow* optionWindow = OptionWindow();
    if (!FAddAndRemovePopup) {
        auto* popup = new TOTBPopupWindow(this);
        popup->SetOrvToolBar(optionWindow ? optionWindow->GetOrvToolBar() : FOrvToolBar);
        popup->OnWindowHide = [this](TObject*) {
            if (TOptionSelectorWindow* window = OptionWindow()) window->SetHideOnDeActivate(true);
            FAddAndRemoveBtnDown = false;
            Invalidate();
        };
        popup->OnDeActivateHide = [this](TObject*) {
            FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = false;
            Invalidate();
            if (TOptionSelectorWindow* window = OptionWindow()) window->HideWindow();
        };
        FAddAndRemovePopup = popup;
    }
    TOTBPopupWindow* popup = FAddAndRemovePopup;
    TOTBMenuItem* root = popup->Items();
    root->Clear();
    TOTBPopupPanel* panel = popup->PopupPanel();
    panel->SetShowIconBar(true);
    if (FOrvToolBar) {
        panel->SetOrvMenuStyler(FOrvToolBar->CurrentToolBarStyler()->CurrentOrvMenuStyler());
        TOTBMenuItem* caption = root->Add();
        caption->SetCaption(FOrvToolBar->GetCaption());
        for (int i = 0; i < FOrvToolBar->GetToolBarControlCount(); ++i) {
            TControl* c = FOrvToolBar->ToolBarControls(i);
            if (IsToolBarSeparator(c)) continue;
            TOTBMenuItem* check = caption->Add();
            check->SetAutoCheck(true);
            check->SetChecked(c->GetVisible());
            check->SetObjects(c);
            check->SetCaption(CheckItemCaption(c));
            c->FreeNotification(popup);
        }
    }
    panel->SetItems(root);
    panel->ArrangeItems();
    popup->SetWindowSize();
    if (optionWindow) optionWindow->SetHideOnDeActivate(false);
    const TRect& r = FAddAndRemoveBtn.GetBRect();
    TPoint topRight = ClientToScreen({r.Right, r.Top});
    TPoint topLeft = ClientToScreen({r.Left, r.Top});
    popup->ShowAt(PlaceBeside(topRight, topLeft.X, {popup->Width(), popup->Height()}, WorkAreaAt(topRight)));
}

void TControlSelectorPanel::OpenOptions() {
    if (!FOrvToolBar || !ShowsOptions()) return;
    if (FShowAddAndRemoveBtn) {
        if (FAddAndRemovePopup && FAddAndRemovePopup->GetVisible()) FAddAndRemovePopup->HideWindow();
        StartOptionsTimer();
    }
    int width = 0;
    if (FOptionsMenu) {
        TBitmap scratch(1, 1);
        TCanvas& canvas = scratch.Canvas();
        canvas.Font().Assign(Screen ? &Screen->MenuFont() : &Font());
        for (int i = 0; i < FOptionsMenu->ItemCount(); ++i) {
            TMenuItem* item = FOptionsMenu->Items(i);
            int w = canvas.TextWidth(item->GetCaption()), h = canvas.TextHeight(item->GetCaption());
            if (item->OnMeasureItem) item->OnMeasureItem(item, &canvas, w, h);
            width = std::max(width, w);
        }
    } else {
        if (!FCustomizeOptionWindow) {
            auto* window = new TOptionSelectorWindow(this);
            window->SetOrvToolBar(FOrvToolBar);
            window->SetBounds(0, 0, 100, 40);
            auto* option = new TCustomizeOption(window);
            option->SetParent(window);
            option->SetOrvToolBar(FOrvToolBar);
            window->SetOptionsPanel(option);
            window->OnWindowHide = [this](TObject* sender) {
                auto* hidden = static_cast<TOptionSelectorWindow*>(sender);
                if (FInternalHiding || hidden->HidingToOwner()) return;
                if (TOptionSelectorWindow* optionWindow = OptionWindow()) optionWindow->HideWindow();
            };
            FCustomizeOptionWindow = window;
            FCustomizeOptionPanel = option;
        }
        std::wstring text = FCustomizer ? FCustomizer->CustomizeText() : std::wstring(L"Customize");
        FCustomizeOptionPanel->SetCustomizeText(text + L" " + FOrvToolBar->GetCaption());
        FCustomizeOptionPanel->SizeToContent();
        FCustomizeOptionWindow->SetWindowSize();
        width = FCustomizeOptionWindow->Width();
    }
    const TRect& r = FOptionsBtn.GetBRect();
    TPoint at = ClientToScreen({r.Right, r.Top});
    TRect monitor = MonitorBoundsAt(at);
    if (at.X + width > monitor.Right) at.X = ClientToScreen({r.Left, r.Top}).X - width;
    TOptionSelectorWindow* optionWindow = OptionWindow();
    if (optionWindow) optionWindow->SetHideOnDeActivate(false);
    if (FOptionsMenu) {
        std::shared_ptr<bool> alive = FAlive;
        FOptionsMenu->Popup(at.X, at.Y);
        // The chosen item may have freed the toolbar and with it this panel.
        if (!*alive) return;
        FOptionsBtnHot = FOptionsBtnDown = false;
        StopOptionsTimer();
        if (optionWindow && !PointerOverAddAndRemove()) optionWindow->HideWindow();
    } else {
        FCustomizeOptionWindow->ShowAt(at);
    }
    if (optionWindow) optionWindow->SetHideOnDeActivate(true);
    Invalidate();
}

void TControlSelectorPanel::StartOptionsTimer() {
    FTimerRunning = true;
    StartTimer(kOptionsTimer, 1);
}

void TControlSelectorPanel::StopOptionsTimer() {
    if (!FTimerRunning) return;
    FTimerRunning = false;
    StopTimer(kOptionsTimer);
}

void TControlSelectorPanel::WindowTimer(UINT_PTR id) {
    if (id == kOptionsTimer)
        OptionsTimerTick();
    else
        TOptionSelectorPanel::WindowTimer(id);
}

void TControlSelectorPanel::OptionsTimerTick() {
    if (!PointerOverAddAndRemove()) return;
    StopOptionsTimer();
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(FHandle, &p);
    LPARAM at = MAKELPARAM(p.x, p.y);
    PostMessageW(FHandle, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(FHandle, WM_LBUTTONUP, 0, at);
}

}  // namespace orv
