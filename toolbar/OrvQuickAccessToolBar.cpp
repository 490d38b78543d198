#include "toolbar/OrvQuickAccessToolBar.h"

#include <algorithm>

#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/Exception.h"
#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/GlassCaptionText.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvStyleIF.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"
#include "toolbar/OrvVistaButton.h"

namespace orv {

namespace {

// A second click on the application icon within this time closes the form.
constexpr uint32_t kAppIconCloseTime = 300;

bool SameTextNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                                        static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The pager's quick access height: its caption less 2.
int QuickAccessHeight(TOrvToolBarPager* pager) {
    return pager->Caption().GetHeight() - 2;
}

}  // namespace

TAppIconGlowButton::TAppIconGlowButton(TComponent* owner) : TOrvGlowButton(owner) {
    FStaticButton = true;
}

// --- construction ------------------------------------------------------------------------------

TOrvCustomQuickAccessToolBar::TOrvCustomQuickAccessToolBar(TComponent* owner) : TCustomControl(owner) {
    FIsAeroVista = GlassCondition(IsDesigning());
    TControlStyle style = (ControlStyle() | csAcceptsControls) & ~(csFramed | csOpaque);
    if (FIsAeroVista) style |= csParentBackground;
    SetControlStyle(style);
    SetDoubleBuffered(!FIsAeroVista);
    FWidth = kQuickAccessMinWidth;
    FHeight = 25;
    if (FIsAeroVista) {
        // Invalidated every other glass paint, so the glass is drawn again behind it.
        FRefGlowButton = new TOrvGlowButton(this);
        FRefGlowButton->SetBounds(0, 0, 1, 1);
        FRefGlowButton->SetParent(this);
    }
}

TOrvCustomQuickAccessToolBar::~TOrvCustomQuickAccessToolBar() = default;

void TOrvCustomQuickAccessToolBar::BeforeDestruction() {
    *FAlive = false;
    Destroying();
    // The controls lent to the overflow window come home before the window and this
    // strip's children go, so they are freed once, with the strip.
    if (FOverflowWindow) {
        FOverflowWindow->OnWindowHide = nullptr;
        if (FOverflowWindowPanel) {
            FLending = true;
            FOverflowWindowPanel->ReturnControls();
            FLending = false;
        }
    }
    FInternalUpdatingControlPos = true;
    FCtrlList.Clear();
    FHiddenCtrlList.Clear();
    TCustomControl::BeforeDestruction();
}

void TOrvCustomQuickAccessToolBar::Loaded() {
    TCustomControl::Loaded();
    UpdateAppIcon();
    FullReLayout();
    ApplyStylerToControls();
}

void TOrvCustomQuickAccessToolBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (component == FDisabledImages) {
        FDisabledImages = nullptr;
        Invalidate();
    }
    if (component == FDropDownPopupMenu) FDropDownPopupMenu = nullptr;
    if (component == FCustomizeButton) FCustomizeButton = nullptr;
    if (component == FScrollButton) FScrollButton = nullptr;
    if (component == FOverflowWindow) {
        FOverflowWindow = nullptr;
        FOverflowWindowPanel = nullptr;
    }
    if (component == FOverflowWindowPanel) FOverflowWindowPanel = nullptr;
    if (component == Fapp) Fapp = nullptr;
    if (component == FRefGlowButton) FRefGlowButton = nullptr;
    if (auto* control = dynamic_cast<TControl*>(component)) {
        FCtrlList.Remove(control);
        FHiddenCtrlList.Remove(control);
    }
}

void TOrvCustomQuickAccessToolBar::SetParent(TWinControl* parent) {
    if (parent && !dynamic_cast<TOrvToolBarPager*>(parent)) throw EInvalidOperation(L"Invalid Parent");
    if (FIsAeroVista && !IsDesigning() && Parent() && parent &&
        !dynamic_cast<TOrvToolBarForm*>(parent->Parent())) {
        FIsAeroVista = false;
        SetControlStyle(ControlStyle() & ~csParentBackground);
        SetDoubleBuffered(true);
    }
    TCustomControl::SetParent(parent);
}

void TOrvCustomQuickAccessToolBar::SetBounds(int left, int top, int width, int height) {
    TCustomControl::SetBounds(left, top, width, height);
    UpdateSize();
    CheckOverflow();
}

TOrvToolBarPager* TOrvCustomQuickAccessToolBar::Pager() const {
    return dynamic_cast<TOrvToolBarPager*>(Parent());
}

TCustomOrvToolBarStyler* TOrvCustomQuickAccessToolBar::Styler() const {
    TOrvToolBarPager* pager = Pager();
    return pager ? pager->CurrentToolBarStyler() : nullptr;
}

bool TOrvCustomQuickAccessToolBar::FormMaximized() {
    TOrvToolBarPager* pager = Pager();
    return pager && pager->FormMaximized();
}

TQuickAccessGeometry TOrvCustomQuickAccessToolBar::Geometry() const {
    TQuickAccessGeometry g;
    g.Client = TRect{0, 0, FWidth, FHeight};
    g.FullSize = FFullSize;
    g.Scenic = ScenicRibbonMode;
    g.ButtonWidth = FButtonWidth;
    g.ButtonGap = FButtonGap;
    return g;
}

bool TOrvCustomQuickAccessToolBar::Excluded(const TControl* c) const {
    return !c || c == FCustomizeButton || c == FScrollButton || c == FRefGlowButton || c == Fapp ||
           c == FOverflowWindow || c == FOverflowWindowPanel;
}

// --- controls ----------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::AddToolBarControl(TControl* control) {
    if (!control || control->Parent() == this) return;
    control->SetParent(this);
}

void TOrvCustomQuickAccessToolBar::RemoveControl(TControl* control) {
    if (!control) return;
    TWinControl::RemoveControl(control);
    RemoveQuickAccessControl(control);
}

void TOrvCustomQuickAccessToolBar::RemoveQuickAccessControl(TControl* control) {
    if (FLending) return;
    FCtrlList.Remove(control);
    if (FHiddenCtrlList.Remove(control) >= 0 && FOverflowWindowPanel && control->Parent() == FOverflowWindowPanel)
        FOverflowWindowPanel->RemoveControl(control);
}

void TOrvCustomQuickAccessToolBar::Clear() {
    if (IsDestroying()) return;
    const bool saved = FInternalUpdatingControlPos;
    FInternalUpdatingControlPos = true;
    for (int i = ControlCount() - 1; i >= 0; --i) {
        TControl* c = Controls(i);
        if (Excluded(c)) continue;
        FHiddenCtrlList.Remove(c);
        c->Free();
    }
    FCtrlList.Clear();
    while (!FHiddenCtrlList.Empty()) {
        TControl* c = FHiddenCtrlList[0];
        FHiddenCtrlList.Delete(0);
        if (Excluded(c)) continue;
        try {
            c->Free();
        } catch (...) {
            // A control that fails to go is left to its owner; the list is emptied anyway.
        }
    }
    FHiddenCtrlList.Clear();
    FInternalUpdatingControlPos = saved;
    if (FShowCustomizeOption) SetupCustomizeButton();
    FullReLayout();
}

void TOrvCustomQuickAccessToolBar::ButtonPressed(int groupIndex, TControl* sender) {
    if (!sender) return;
    if (TWinControl* parent = sender->Parent())
        for (int i = 0; i < parent->ControlCount(); ++i)
            parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex),
                                         reinterpret_cast<LPARAM>(sender));
    for (TControl* c : FHiddenCtrlList)
        if (c->Parent() != sender->Parent())
            c->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex), reinterpret_cast<LPARAM>(sender));
}

// --- update ------------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::BeginUpdate() {
    if (!GetVisible()) return;
    ++FUpdateCount;
    if (HandleAllocated()) SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
}

void TOrvCustomQuickAccessToolBar::EndUpdate() {
    const bool visible = GetVisible();
    // A surplus EndUpdate of a hidden strip does nothing; a nested one of a hidden
    // strip still counts down, so the strip never stays frozen.
    if (!visible && FUpdateCount <= 0) return;
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount > 0) return;
    if (HandleAllocated()) {
        SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
        // Switching redrawing on shows the window: a hidden strip stays hidden.
        if (!visible) ShowWindow(FHandle, SW_HIDE);
        if (visible) RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
    }
    FullReLayout();
}

void TOrvCustomQuickAccessToolBar::FullReLayout() {
    UpdateControlList();
    UpdateSize();
    PositionControls();
    CheckOverflow();
}

void TOrvCustomQuickAccessToolBar::PagerChanged() {
    if (IsLoading() || IsDestroying()) return;
    UpdateSize();
    PositionControls();
    CheckOverflow();
}

// --- layout ------------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::UpdateControlList() {
    FCtrlList.Clear();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if ((!c->GetVisible() && !IsDesigning()) || Excluded(c) || c == FRemoving || FHiddenCtrlList.Contains(c))
            continue;
        int at = FCtrlList.Count();
        for (int j = 0; j < FCtrlList.Count(); ++j)
            if (FCtrlList[j]->Left() > c->Left()) {
                at = j;
                break;
            }
        FCtrlList.Insert(at, c);
    }
    for (int i = FHiddenCtrlList.Count() - 1; i >= 0; --i) {
        TControl* c = FHiddenCtrlList[i];
        const bool home = c->Parent() == this && c != FRemoving;
        const bool lent = FOverflowWindowPanel && c->Parent() == FOverflowWindowPanel;
        if (!home && !lent) FHiddenCtrlList.Delete(i);
    }
}

int TOrvCustomQuickAccessToolBar::NeededWidth(int height) const {
    int width = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if ((!c->GetVisible() && !IsDesigning()) || c == FRemoving) continue;
        if (c == FCustomizeButton || c == FScrollButton || c == FRefGlowButton || c == FOverflowWindow ||
            c == FOverflowWindowPanel || FHiddenCtrlList.Contains(c))
            continue;
        width += c->Width();
    }
    for (TControl* c : FHiddenCtrlList) width += c->Width();
    width += FFullSize ? 4 + 4 : height / 2 + 2 + 12;
    return width + FButtonWidth + FButtonGap;
}

void TOrvCustomQuickAccessToolBar::UpdateSize() {
    TOrvToolBarPager* pager = Pager();
    if (!pager || FInternalUpdatingSize) return;
    FInternalUpdatingSize = true;
    try {
        TRect r = pager->GetQuickAccessRect();
        if (FFullSize) {
            if (r.Right > r.Left)
                TCustomControl::SetBounds(r.Left, r.Top, std::max(r.Width(), kQuickAccessMinWidth), r.Height());
        } else if (pager->Caption().GetVisible() && r.Right > r.Left) {
            const int width = std::max(std::min(NeededWidth(r.Height()), r.Width()), kQuickAccessMinWidth);
            TCustomControl::SetBounds(r.Left, r.Top, width, r.Height());
            if (!IsDesigning())
                if (TCaptionLayer* layer = pager->CaptionLayer(); layer && layer->GetVisible()) layer->Invalidate();
        }
    } catch (...) {
        FInternalUpdatingSize = false;
        throw;
    }
    FInternalUpdatingSize = false;
}

void TOrvCustomQuickAccessToolBar::PositionControls(bool updateSize) {
    if (FInternalUpdatingControlPos || IsLoading() || FUpdateCount > 0) return;
    FInternalUpdatingControlPos = true;
    try {
        const TRect c = ContentRect();
        const TRect overflow = OverflowButtonRect();
        const bool scenic = ScenicRibbonMode;
        int x = scenic && !FFullSize ? c.Left + 15 : c.Left;
        const int h = c.Height();
        for (TControl* control : FCtrlList) {
            const int top = FHiddenCtrlList.Contains(control) ? -control->Height() - 2
                                                               : c.Top + (h - control->Height()) / 2;
            control->SetBounds(x, top, control->Width(), control->Height());
            x += control->Width();
        }
        for (TControl* control : FHiddenCtrlList)
            if (control->Parent() == this) control->SetTop(-control->Height() - 2);
        if (FCustomizeButton && FCustomizeButton->GetVisible() && FHiddenCtrlList.Empty()) {
            const int left = FFullSize ? x : scenic ? overflow.Left : FWidth - FCustomizeButton->Width();
            FCustomizeButton->SetBounds(left, c.Top, FCustomizeButton->Width(), h);
        }
        if (FScrollButton && FScrollButton->GetVisible() && !FHiddenCtrlList.Empty())
            FScrollButton->SetBounds(FFullSize ? x : overflow.Left, c.Top, FScrollButton->Width(), h);
    } catch (...) {
        FInternalUpdatingControlPos = false;
        throw;
    }
    FInternalUpdatingControlPos = false;
    if (updateSize) UpdateSize();
}

void TOrvCustomQuickAccessToolBar::CheckOverflow() {
    TOrvToolBarPager* pager = Pager();
    if (!pager || FUpdateCount > 0 || FInternalUpdatingSize || FInternalUpdatingControlPos || IsLoading() ||
        IsDestroying())
        return;
    if (ScenicRibbonMode && Fapp) Fapp->SetVisible(pager->Caption().GetVisible());
    const TRect c = ContentRect();
    int k = -1;
    for (int i = 0; i < FCtrlList.Count(); ++i)
        if (FCtrlList[i]->Left() + FCtrlList[i]->Width() > c.Right) {
            k = i;
            break;
        }
    bool changed = false;
    if (k < 0 && !FHiddenCtrlList.Empty()) {
        int right = FCtrlList.Empty() ? c.Left : FCtrlList[FCtrlList.Count() - 1]->Left() +
                                                     FCtrlList[FCtrlList.Count() - 1]->Width();
        int room = c.Right - right;
        FInternalUpdatingControlPos = true;
        try {
            // Back one at a time from the first hidden, each only when it fits whole.
            while (!FHiddenCtrlList.Empty() && room > 0 && room >= FHiddenCtrlList[0]->Width()) {
                TControl* control = FHiddenCtrlList[0];
                const int width = control->Width();
                // At the running right edge, so the list keeps the order it had (one parked
                // on the strip kept the Left it had when it went).
                if (control->Parent() != this) control->SetParent(this);
                control->SetLeft(right);
                right += width;
                FHiddenCtrlList.Remove(control);
                room -= width;
                changed = true;
            }
        } catch (...) {
            FInternalUpdatingControlPos = false;
            throw;
        }
        FInternalUpdatingControlPos = false;
        if (FHiddenCtrlList.Empty()) {
            if (FScrollButton) FScrollButton->SetVisible(false);
            if (FShowCustomizeOption &&
                (!FCustomizeButton || FCustomizeButton->Parent() != this || !FCustomizeButton->GetVisible()))
                SetupCustomizeButton();
        }
    } else if (k >= 0) {
        ShowScrollButton();
        for (int i = FCtrlList.Count() - 1; i >= k; --i) {
            TControl* control = FCtrlList[i];
            FHiddenCtrlList.Insert(0, control);
            control->FreeNotification(this);
        }
        if (FCustomizeButton && FCustomizeButton->Parent() == this && FCustomizeButton->GetVisible())
            FCustomizeButton->SetVisible(false);
        changed = true;
    }
    UpdateControlList();
    // The lists changed: the controls, and the button at the end, go to their places.
    if (changed) PositionControls(true);
}

void TOrvCustomQuickAccessToolBar::SetFullSize(bool value) {
    if (FFullSize == value) return;
    FFullSize = value;
    UpdateControlList();
    UpdateSize();
    PositionControls();
    CheckOverflow();
    PositionControls();
    UpdateAppIcon();
    Invalidate();
}

void TOrvCustomQuickAccessToolBar::AlignControls(TControl* control, TRect& rect) {
    TCustomControl::AlignControls(control, rect);
    if (FVisibleChanged) {
        FVisibleChanged = false;
        if (FUpdateCount <= 0 && Pager())
            for (int i = 0; i < ControlCount(); ++i)
                if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(Controls(i)); glow && glow->GetVisible())
                    glow->Invalidate();
    }
    if (Parent()) Parent()->Invalidate();
    if (FInternalUpdatingControlPos || FInternalUpdatingSize || IsLoading() || IsDestroying()) return;
    FullReLayout();
}

// --- children ----------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::ChildInserted(TControl* control) {
    if (FInternalUpdatingControlPos || FLending) return;
    if (control == FOverflowWindow || control == FOverflowWindowPanel || control == FRefGlowButton) return;
    if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(control)) button->SetOffSet(1);
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control); glow && !glow->IsDestroying()) {
        if (TCustomOrvToolBarStyler* styler = Styler(); styler && !IsLoading())
            glow->Appearance().Assign(&styler->GlowButtonAppearance());
        if (!IsDesigning()) {
            glow->OnInternalClick = [this](TObject*) { HideOverflowWindow(); };
            glow->OnInternalDropDown = [this](TObject*) { HideOverflowWindow(); };
        }
    }
    // Added at the end while an overflow exists: it joins the overflow at its end (the
    // front of the hidden list is for controls leaving the strip, which stand left of it).
    if (!IsLoading() && !FHiddenCtrlList.Empty() && !Excluded(control) && control->GetVisible() &&
        !FHiddenCtrlList.Contains(control)) {
        FHiddenCtrlList.Add(control);
        control->FreeNotification(this);
    }
    if (!IsLoading() && !IsDestroying()) FullReLayout();
}

void TOrvCustomQuickAccessToolBar::ChildRemoved(TControl* control) {
    if (FInternalUpdatingControlPos || FLending || IsDestroying()) return;
    if (control == FOverflowWindow || control == FOverflowWindowPanel || control == FRefGlowButton) return;
    FCtrlList.Remove(control);
    FRemoving = control;
    try {
        if (!IsLoading()) FullReLayout();
    } catch (...) {
        FRemoving = nullptr;
        throw;
    }
    FRemoving = nullptr;
}

void TOrvCustomQuickAccessToolBar::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CM_CONTROLCHANGE: {
            auto* control = reinterpret_cast<TControl*>(message.WParam);
            if (message.LParam)
                ChildInserted(control);
            else
                ChildRemoved(control);
            break;
        }
        case CM_CHILDVISIBLECHANGED:
            if (!FInternalUpdatingControlPos && !IsLoading() && !IsDestroying() &&
                !Excluded(reinterpret_cast<TControl*>(message.WParam)))
                FullReLayout();
            break;
        case CM_HINTSHOW:
            if (IsKeyTipRequest(message)) {
                if (message.LParam)
                    ShowShortCutHints();
                else
                    HideShortCutHints();
                message.Result = 1;
                return;
            }
            break;
        case WM_ERASEBKGND:
            // The paint covers the strip.
            if (FIsAeroVista && !FFullSize) {
                message.Result = 1;
                return;
            }
            break;
        default:
            break;
    }
    TCustomControl::WndProc(message);
}

void TOrvCustomQuickAccessToolBar::SetVisible(bool value) {
    const bool was = GetVisible();
    TCustomControl::SetVisible(value);
    if (was != GetVisible()) VisibilityChanged(GetVisible());
}

void TOrvCustomQuickAccessToolBar::VisibilityChanged(bool visible) {
    if (IsLoading() || IsDestroying()) return;
    if (visible) {
        FVisibleChanged = true;
        BeginUpdate();
        EndUpdate();
    }
    TOrvToolBarPager* pager = Pager();
    if (pager && !IsDesigning() && FFullSize && !pager->InHideState()) {
        const int q = QuickAccessHeight(pager);
        pager->SetHeight(pager->Height() + (visible ? q : -q));
    }
}

// --- customize button --------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::MakeVistaButton(TOrvVistaButton*& field, TArrowStyle style, TScrollArrow arrow) {
    auto* button = new TOrvVistaButton(this);
    // Known before it becomes a child, so the insertion leaves it out of the controls.
    field = button;
    button->SetParent(this);
    button->SetArrowStyle(style);
    button->SetScrollArrow(arrow);
    button->OnMouseLeave = [this](TObject*) {
        if (FIsAeroVista) GlassRefresh();
    };
}

void TOrvCustomQuickAccessToolBar::SetupCustomizeButton() {
    if (!FCustomizeButton) {
        MakeVistaButton(FCustomizeButton, asWithLine, saBottom);
        FCustomizeButton->OnClick = [this](TObject* sender) { CustomizeClick(sender); };
    } else {
        FCustomizeButton->SetVisible(false);
    }
    FCustomizeButton->SetBounds(FCustomizeButton->Left(), FCustomizeButton->Top(), FButtonWidth, FHeight);
    FCustomizeButton->SetHint(FCustomizeHint);
    if (FCustomizeButton->Parent() != this) FCustomizeButton->SetParent(this);
    if (TCustomOrvToolBarStyler* styler = Styler())
        FCustomizeButton->Appearance().Assign(&styler->GlowButtonAppearance());
    FCustomizeButton->SetVisible(true);
}

void TOrvCustomQuickAccessToolBar::SetShowCustomizeOption(bool value) {
    if (FShowCustomizeOption == value) return;
    FShowCustomizeOption = value;
    if (value) {
        SetupCustomizeButton();
    } else if (FCustomizeButton) {
        FCustomizeButton->SetVisible(false);
        FCustomizeButton->SetBounds(FCustomizeButton->Left(), FCustomizeButton->Top(), 0, 0);
    }
    if (IsLoading()) return;
    UpdateSize();
    PositionControls();
    CheckOverflow();
}

void TOrvCustomQuickAccessToolBar::SetCustomizeHint(const std::wstring& value) {
    FCustomizeHint = value;
    if (FCustomizeButton) FCustomizeButton->SetHint(value);
}

void TOrvCustomQuickAccessToolBar::SetDropDownPopupMenu(TPopupMenu* value) {
    if (FDropDownPopupMenu == value) return;
    FDropDownPopupMenu = value;
    if (value) value->FreeNotification(this);
}

void TOrvCustomQuickAccessToolBar::CustomizeClick(TObject*) {
    std::shared_ptr<bool> alive = FAlive;
    OnCustomizeClick(this);
    if (!*alive || !FDropDownPopupMenu || !FCustomizeButton) return;
    TOrvVistaButton* button = FCustomizeButton;
    TPoint p = ClientToScreen({button->Left(), button->Top() + button->Height()});
    button->SetDown(true);
    FDropDownPopupMenu->Popup(p.X, p.Y);
    if (!*alive || !FCustomizeButton) return;
    FCustomizeButton->ClearHot();
    FCustomizeButton->SetDown(false);
}

// --- overflow ------------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::ShowScrollButton() {
    if (!FScrollButton) {
        MakeVistaButton(FScrollButton, asDouble, saRight);
        FScrollButton->SetBounds(0, 0, FButtonWidth, FHeight);
        FScrollButton->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int, int) {
            if (button != TMouseButton::mbLeft) return;
            if (FScrollButton) FScrollButton->SetDown(true);
            ShowOverflowWindow();
        };
    }
    const TRect r = OverflowButtonRect();
    FScrollButton->SetBounds(r.Left, r.Top, FButtonWidth, FScrollButton->Height());
    if (TCustomOrvToolBarStyler* styler = Styler())
        FScrollButton->Appearance().Assign(&styler->GlowButtonAppearance());
    FScrollButton->SetVisible(true);
}

void TOrvCustomQuickAccessToolBar::FillOverflowWindow() {
    if (IsDesigning()) return;
    if (!FOverflowWindow) {
        // A top-level pop-up owned by the strip's window, not a child window. Made with
        // positioning suppressed: it becomes the strip's child before it is known.
        const bool saved = FInternalUpdatingControlPos;
        FInternalUpdatingControlPos = true;
        FOverflowWindow = new TOptionSelectorWindow(this);
        FInternalUpdatingControlPos = saved;
        FOverflowWindow->SetBounds(0, 0, 10, 10);
        FOverflowWindow->OnWindowHide = [this](TObject*) { OverflowWindowHidden(); };
        FOverflowWindowPanel = new TControlSelectorPanel(FOverflowWindow);
        FOverflowWindowPanel->SetParent(FOverflowWindow);
        FOverflowWindowPanel->SetOrvQuickAccessToolBar(this);
        FOverflowWindow->SetOptionsPanel(FOverflowWindowPanel);
    }
    TControlSelectorPanel* panel = FOverflowWindowPanel;
    panel->SetShowAddAndRemoveBtn(false);
    panel->SetOptionsMenu(nullptr);
    panel->SetAddAndRemoveCaption(L"");
    panel->SetOptionsCaption(L"");
    panel->SetCustomizer(nullptr);
    panel->SetOrvToolBar(nullptr);
    if (TCustomOrvToolBarStyler* styler = Styler()) {
        const TButtonAppearance& b = styler->ButtonAppearance();
        panel->SetItemColorHot(b.GetColorHot());
        panel->SetItemColorHotTo(b.GetColorHotTo());
        panel->SetItemColorDown(b.GetColorDown());
        panel->SetItemColorDownTo(b.GetColorDownTo());
        panel->SetItemTextColor(b.GetCaptionTextColor());
        panel->SetItemTextColorHot(b.GetCaptionTextColorHot());
        panel->SetItemTextColorDown(b.GetCaptionTextColorDown());
        panel->SetWindowBorderColor(styler->QATAppearance().GetFullSizeBorderColor());
        panel->SetColor(styler->TabAppearance().BackGround().GetColor());
        panel->SetColorTo(styler->TabAppearance().BackGround().GetColorTo());
    }
    FLending = true;
    const bool saved = FInternalUpdatingControlPos;
    FInternalUpdatingControlPos = true;
    try {
        panel->ReturnControls();
        for (TControl* c : FHiddenCtrlList) panel->AddControl(c);
        if (FShowCustomizeOption && FCustomizeButton) {
            FCustomizeButton->SetVisible(true);
            panel->AddControl(FCustomizeButton);
        }
    } catch (...) {
        FInternalUpdatingControlPos = saved;
        FLending = false;
        throw;
    }
    FInternalUpdatingControlPos = saved;
    FLending = false;
    panel->ArrangeControls();
    FOverflowWindow->SetWindowSize();
}

void TOrvCustomQuickAccessToolBar::ShowOverflowWindow() {
    FillOverflowWindow();
    if (!FOverflowWindow || !FOverflowWindowPanel || FOverflowWindowPanel->IsEmpty()) return;
    TOrvToolBarPager* pager = Pager();
    TPoint p{FLeft + FWidth - 12, FTop + FHeight + 1};
    p = pager ? pager->ClientToScreen(p) : ClientToScreen({FWidth - 12, FHeight + 1});
    TOptionSelectorWindow* window = FOverflowWindow;
    const int width = window->Width(), height = window->Height();
    const TRect work = WorkAreaAt(p);
    if (p.Y + height + 2 > work.Bottom) p.Y = work.Bottom - height - 2;
    if (p.X + width > work.Right) p.X = work.Right - width;
    // Shown at no size first and then moved, so the old size never flashes at the old place.
    window->SetBounds(window->Left(), window->Top(), 0, 0);
    window->SetVisible(true);
    window->SetBounds(p.X, p.Y, 0, 0);
    window->SetVisible(true);
    window->SetBounds(p.X, p.Y, width, height);
}

bool TOrvCustomQuickAccessToolBar::OverflowWindowShowing() const {
    return FOverflowWindow && FOverflowWindow->GetVisible();
}

void TOrvCustomQuickAccessToolBar::HideOverflowWindow() {
    if (OverflowWindowShowing()) FOverflowWindow->HideWindow();
}

void TOrvCustomQuickAccessToolBar::OverflowWindowHidden() {
    if (FScrollButton) FScrollButton->SetDown(false);
    if (IsDestroying()) return;
    // The panel gave the controls back: the customize button stays out of the strip while
    // an overflow exists.
    if (!FHiddenCtrlList.Empty() && FCustomizeButton && FCustomizeButton->Parent() == this)
        FCustomizeButton->SetVisible(false);
    FullReLayout();
}

// --- styler and images ----------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::ApplyStylerChange(int code) {
    if (code == 0 || code == 10 || code == 11 || code == 12) Invalidate();
    if (code == 0 || code == 2 || code == 7) ApplyStylerToControls();
}

void TOrvCustomQuickAccessToolBar::ApplyStylerToControls() {
    TCustomOrvToolBarStyler* styler = Styler();
    if (!styler) return;
    auto* zemStyler = dynamic_cast<IZemStyle*>(styler);
    auto apply = [&](TControl* c) {
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c)) {
            glow->Appearance().Assign(&styler->GlowButtonAppearance());
        } else if (auto* styled = dynamic_cast<IZemStyle*>(c)) {
            if (zemStyler && styler->GetZemStyle() != tsCustom) styled->SetComponentStyle(styler->GetZemStyle());
        }
    };
    for (int i = 0; i < ControlCount(); ++i) apply(Controls(i));
    for (TControl* c : FHiddenCtrlList)
        if (c->Parent() != this) apply(c);
    if (FCustomizeButton) FCustomizeButton->Appearance().Assign(&styler->GlowButtonAppearance());
}

void TOrvCustomQuickAccessToolBar::ApplyImagesToControls(bool rebuildShades) {
    for (TControl* c : FCtrlList)
        if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(c)) {
            button->AdjustSize();
            if (rebuildShades) button->RebuildShade();
        }
}

void TOrvCustomQuickAccessToolBar::SetImages(TImageList* value) {
    if (FImages == value) return;
    if (FImages) {
        const int old = FImages->GetHeight();
        SetHeight(FHeight + (value ? value->GetHeight() - old : -old));
    }
    FImages = value;
    if (value) value->FreeNotification(this);
    const bool saved = FInternalUpdatingControlPos;
    FInternalUpdatingControlPos = true;
    ApplyImagesToControls(false);
    FInternalUpdatingControlPos = saved;
    PositionControls(true);
    if (value) ApplyImagesToControls(true);
    Invalidate();
}

void TOrvCustomQuickAccessToolBar::SetDisabledImages(TImageList* value) {
    if (FDisabledImages == value) return;
    FDisabledImages = value;
    if (value) value->FreeNotification(this);
    ApplyImagesToControls(false);
    Invalidate();
}

// --- key tips ------------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::ShowShortCutHints() {
    for (TControl* c : FCtrlList)
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c))
            if (glow->GetEnabled() && glow->GetVisible() && glow->Parent() == this) glow->ShowShortCutHint();
}

void TOrvCustomQuickAccessToolBar::HideShortCutHints() {
    for (const TDbgList<TControl>* list : {&FCtrlList, &FHiddenCtrlList})
        for (TControl* c : *list)
            if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c)) glow->HideShortCutHint();
}

bool TOrvCustomQuickAccessToolBar::MatchShortCutHint(const std::wstring& typed, int& remaining) {
    std::vector<TOrvCustomGlowButton*> buttons;
    for (TControl* c : FCtrlList)
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c)) buttons.push_back(glow);
    for (TOrvCustomGlowButton* glow : buttons) {
        const std::wstring& hint = glow->GetShortCutHint();
        if (SameTextNoCase(hint, typed)) {
            if (glow->GetEnabled() && glow->GetVisible()) {
                // The pager's tips go first: the click may free the pager and this strip.
                if (TOrvToolBarPager* pager = Pager()) pager->HideShortCutHint();
                HideShortCutHints();
                glow->SetFocus();
                glow->Repaint();
                glow->KeyboardClick();
            }
            return true;
        }
        if (hint.empty()) continue;
        if (hint.size() < typed.size() || !SameTextNoCase(hint.substr(0, typed.size()), typed))
            glow->HideShortCutHint();
        else
            ++remaining;
    }
    return false;
}

IToolBarKeyTips::TMatch TOrvCustomQuickAccessToolBar::MatchShortCutHint(const std::wstring& typed) {
    int remaining = 0;
    if (MatchShortCutHint(typed, remaining)) return kmMatched;
    return remaining > 0 ? kmCandidate : kmNone;
}

// --- application icon ------------------------------------------------------------------------------

void TOrvCustomQuickAccessToolBar::UpdateAppIcon() {
    if (!Fapp) {
        Fapp = new TAppIconGlowButton(this);
        Fapp->SetBounds(0, 5, 16, 16);
        Fapp->SetParent(this);
        Fapp->SetFocusType(ftNone);
        Fapp->SetTransparent(true);
        Fapp->SetCaption(L"");
        Fapp->SetEnabled(true);
        Fapp->OnClick = [this](TObject* sender) { AppIconClick(sender); };
    }
    if (!ScenicRibbonMode) {
        Fapp->SetVisible(false);
        Fapp->SetWidth(0);
        if (Fapp->Parent() != this) Fapp->SetParent(this);
        return;
    }
    Fapp->SetWidth(16);
    Fapp->SetVisible(true);
    // The small icon of the program's window, stretched into 16 x 16.
    // A form's own stored icon first: its window may not have taken it yet when the
    // strip loads, and then answers with the system's default icon.
    HICON icon = nullptr;
    if (TForm* form = GetParentForm(this)) {
        if (!form->Icon().Empty())
            icon = form->Icon().Handle();
        else if (form->HandleAllocated())
            icon = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL2, 0));
    }
    // Before the form's window has its icon (the strip loads first): the application's
    // own icon, shared, so nothing is freed here.
    if (!icon)
        icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, 16, 16, LR_SHARED));
    if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
    if (icon) {
        TBitmap picture(16, 16);
        picture.Canvas().Brush().SetColor(clWhite);
        picture.Canvas().FillRect({0, 0, 16, 16});
        DrawIconEx(picture.Canvas().Handle(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
        Fapp->Picture().Assign(&picture);
    }
    TOrvToolBarPager* pager = Pager();
    if (FFullSize && pager && pager->Parent()) {
        Fapp->SetParent(pager->Parent());
        Fapp->SetBounds(6, 7, 16, 16);
        Fapp->BringToFront();
    } else {
        if (Fapp->Parent() != this) Fapp->SetParent(this);
        Fapp->SetBounds(0, 5, 16, 16);
    }
}

void TOrvCustomQuickAccessToolBar::AppIconClick(TObject*) {
    TForm* form = GetParentForm(Fapp ? static_cast<TControl*>(Fapp) : this);
    if (!form || !form->HandleAllocated()) return;
    HWND window = form->Handle();
    const uint32_t now = GetTickCount();
    if (FAppButtonTime != 0 && now - FAppButtonTime <= kAppIconCloseTime) {
        // Closed through the system close command, so the close query runs; closing the
        // main form ends the application.
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    FAppButtonTime = now;
    HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu || !Fapp) return;
    TPoint p = Fapp->ClientToScreen({0, Fapp->Height()});
    std::shared_ptr<bool> alive = FAlive;
    const int cmd = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, p.X, p.Y, 0, window, nullptr);
    if (cmd && IsWindow(window)) PostMessageW(window, WM_SYSCOMMAND, static_cast<WPARAM>(cmd), 0);
}

// --- painting --------------------------------------------------------------------------------------

bool TOrvCustomQuickAccessToolBar::CommandControlVisible() const {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c == Fapp || c == FRefGlowButton || (!c->GetVisible() && !IsDesigning())) continue;
        if (dynamic_cast<TOrvCustomToolBarButton*>(c) || dynamic_cast<TOrvCustomGlowButton*>(c)) return true;
    }
    return false;
}

void TOrvCustomQuickAccessToolBar::GlassRefresh() {
    if (FRefGlowButton) {
        FRefGlowButton->Invalidate();
        return;
    }
    for (int i = 0; i < ControlCount(); ++i)
        if (!dynamic_cast<TOrvVistaButton*>(Controls(i))) {
            Controls(i)->Invalidate();
            return;
        }
}

void TOrvCustomQuickAccessToolBar::EraseBackground(HDC dc) {
    if (FIsAeroVista && !FFullSize) return;
    TCustomControl::EraseBackground(dc);
}

void TOrvCustomQuickAccessToolBar::Paint() {
    HDC dc = Canvas().Handle();
    if (FIsAeroVista && !FFullSize) {
        PaintGlass(dc);
        return;
    }
    TCustomOrvToolBarStyler* styler = Styler();
    if (!styler || FUpdateCount != 0) return;
    if (FFullSize) {
        DrawQuickAccessFullSize(Canvas(), ClientRect(), styler->QATAppearance(), ScenicRibbonMode);
        Canvas().DeselectObjects();
        return;
    }
    PaintCaption(dc);
}

void TOrvCustomQuickAccessToolBar::PaintCaption(HDC dc) {
    TCustomOrvToolBarStyler* styler = Styler();
    const int w = FWidth, h = FHeight;
    if (w <= 0 || h <= 0) return;
    TBitmap image(w, h);
    HDC imageDC = image.Canvas().Handle();
    DrawParentBackground(imageDC);
    TRect f = FrameRect();
    f.Bottom -= 1;
    if (ScenicRibbonMode) {
        if (CommandControlVisible()) {
            TGPGraphics g(imageDC);
            DrawQuickAccessGlassFrame(g, f, true);
        }
    } else {
        const TQATAppearance& q = styler->QATAppearance();
        TQuickAccessCapsuleColors colors;
        colors.Color = q.GetColor();
        colors.ColorTo = q.GetColorTo();
        colors.BorderColor = q.GetBorderColor();
        colors.CaptionColor = styler->PagerCaption().GetColor();
        colors.CaptionColorMirror = styler->PagerCaption().GetColorMirror();
        colors.SharpCurve = styler->GetQatSharpCurve();
        DrawQuickAccessCapsule(imageDC, w, h, f, colors);
    }
    BitBlt(dc, 0, 0, w, h, imageDC, 0, 0, SRCCOPY);
}

void TOrvCustomQuickAccessToolBar::PaintGlass(HDC dc) {
    TGlassCaptionText caption;
    caption.WhiteTint = Office2010Look && ScenicRibbonMode;
    caption.QuickAccessFrame = CommandControlVisible();
    caption.FrameRect = FrameRect();
    caption.FrameRect.Top = 0;
    caption.FrameRect.Bottom -= 1;
    caption.Scenic = ScenicRibbonMode;
    DrawGlowingCaptionText(this, dc, caption, ClientRect());
    if (!IsDesigning()) {
        // Window-less controls would be covered by the glass drawing: painted onto it.
        auto paintOn = [dc](TGraphicControl* c) {
            POINT old;
            OffsetViewportOrgEx(dc, c->Left(), c->Top(), &old);
            c->PaintTo(dc);
            SetViewportOrgEx(dc, old.x, old.y, nullptr);
        };
        if (FCustomizeButton && FCustomizeButton->GetVisible() && FCustomizeButton->Parent() == this)
            paintOn(FCustomizeButton);
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* button = dynamic_cast<TOrvCustomToolBarButton*>(Controls(i)); button && button->GetVisible())
                paintOn(button);
    }
    if (FRef) {
        FRef = false;
        GlassRefresh();
    } else {
        FRef = true;
    }
}

// --- registration -------------------------------------------------------------------------------------

void RegisterQuickAccessToolBarClasses() {
    if (TClassRegistry::Find(L"TOrvQuickAccessToolBar")) return;
    using T = TOrvCustomQuickAccessToolBar;
    TClassBuilder<T>(L"TOrvCustomQuickAccessToolBar", L"TCustomControl")
        .String(L"CustomizeHint", &T::GetCustomizeHint, &T::SetCustomizeHint)
        .Component<TImageList>(L"DisabledImages", &T::GetDisabledImages, &T::SetDisabledImages)
        .Component<TImageList>(L"Images", &T::GetImages, &T::SetImages)
        .Bool(L"ShowCustomizeOption", &T::GetShowCustomizeOption, &T::SetShowCustomizeOption)
        .Component<TPopupMenu>(L"DropDownPopupMenu", &T::GetDropDownPopupMenu, &T::SetDropDownPopupMenu)
        .Event(L"OnCustomizeClick", &T::OnCustomizeClick);
    TClassBuilder<TOrvQuickAccessToolBar>(L"TOrvQuickAccessToolBar", L"TOrvCustomQuickAccessToolBar").Factory();
}

}  // namespace orv
