#include "toolbar/OrvToolBar.h"

#include <algorithm>

#include "paint/OrvLook.h"

#include "framework/ClassRegistry.h"
#include "framework/Forms.h"
#include "framework/HintWindow.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Screen.h"
#include "hints/OrvHintInfo.h"
#include "menus/OrvMenus.h"
#include "paint/GDIPPicture.h"
#include "toolbar/CompactWindow.h"
#include "toolbar/ControlSelectorPanel.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OptionSelectorWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarSeparator.h"
#include "toolbar/OrvToolBarStylers.h"
#include "toolbar/ToolBarCustomizerLink.h"
#include "toolbar/ToolBarPersistence.h"

namespace orv {

namespace {

// Window timers of the toolbar.
constexpr UINT_PTR kGlowTimer = 1;
constexpr UINT_PTR kOptionTimer = 2;

bool IsSeparator(const TControl* c) {
    return std::wstring(c->ClassName()) == L"TOrvToolBarSeparator";
}

}  // namespace

// --- TPersistence ------------------------------------------------------------------------

void TPersistence::Assign(const TPersistent* source) {
    if (auto* p = dynamic_cast<const TPersistence*>(source)) {
        bool changed =
            FLocation != p->FLocation || FKey != p->FKey || FSection != p->FSection || FEnabled != p->FEnabled;
        FLocation = p->FLocation;
        FKey = p->FKey;
        FSection = p->FSection;
        FEnabled = p->FEnabled;
        if (changed && OnChange) OnChange(this);
        return;
    }
    TPersistent::Assign(source);
}

// --- construction --------------------------------------------------------------------------

TOrvCustomToolBar::TOrvCustomToolBar(TComponent* owner)
    : TCustomControl(owner),
      FCompactPicture(std::make_unique<TGDIPPicture>()),
      FOptionPicture(std::make_unique<TGDIPPicture>()),
      FOptionDisabledPicture(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    SetControlStyle(ControlStyle() | csAcceptsControls);
    FInternalToolBarStyler = new TOrvToolBarOfficeStyler(this);
    FInternalToolBarStyler->SetName(L"InternalStyler");
    FInternalToolBarStyler->SetSubComponent(true);
    FCurrentToolBarStyler = FInternalToolBarStyler;
    FInternalToolBarStyler->AddControl(this);
    FPersistence.SetSection(L"UnDockedOrvToolBars");
    FShowHint = true;
    FParentShowHint = false;
    FDoubleBuffered = true;
    FWidth = 100;
    FHeight = 26;
}

TOrvCustomToolBar::~TOrvCustomToolBar() = default;

void TOrvCustomToolBar::BeforeDestruction() {
    // A store that refuses (a read-only file) must not keep the program from closing.
    if (FPersistence.GetEnabled() && !IsDesigning()) SkipOnStoreError([this] { SavePosition(); });
    MenuBarDestroying();
    // Controls lent to the option window come home before the window and this toolbar's
    // children go (the toolbar frees them as their parent); its panel frees the
    // separator copies it made.
    if (FOptionWindow) {
        FOptionWindow->OnWindowHide = nullptr;
        if (TControlSelectorPanel* panel = FOptionWindow->ControlSelector()) panel->ReturnControls();
    }
    // A compact toolbar takes its controls back before the clone and window go, so
    // every control is freed once, by this toolbar as their parent.
    if (FCompactBtn) {
        FPositioning = true;  // nothing to lay out any more
        if (FCompactWindow) FCompactWindow->HideWindow();
        ReturnControlsFromClone();
        TCompactWindow* window = FCompactWindow;
        FCompactWindow = nullptr;
        FSelfClone = nullptr;
        if (window) window->Free();
        TOrvCustomGlowButton* button = FCompactBtn;
        FCompactBtn = nullptr;
        button->Free();
    }
    if (FToolBarStyler && FToolBarStyler != FInternalToolBarStyler) FToolBarStyler->RemoveControl(this);
    if (FCurrentToolBarStyler && FCurrentToolBarStyler != FInternalToolBarStyler)
        FCurrentToolBarStyler->RemoveControl(this);
    if (auto* page = Page()) page->RemoveOrvToolBar(this);
    TCustomControl::BeforeDestruction();
}

void TOrvCustomToolBar::Loaded() {
    TCustomControl::Loaded();
    UpdateCurrentStyler();
    MenuBarLoaded();
    // A docked toolbar may have been restored by its dock panel already; an unreadable
    // store must not keep the program from starting.
    if (FPersistence.GetEnabled() && !IsDesigning() && !FPositionLoaded) SkipOnStoreError([this] { LoadPosition(); });
    PositionControls();
    UpdateKeyTipRows();
}

void TOrvCustomToolBar::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    MenuBarNotification(component);
    if (component == FToolBarStyler) {
        FToolBarStyler = nullptr;
        if (!IsDestroying()) UpdateCurrentStyler();
    }
    if (component == FCurrentToolBarStyler && component != FInternalToolBarStyler) {
        FCurrentToolBarStyler = FInternalToolBarStyler;
        if (!IsDestroying()) UpdateCurrentStyler();
    }
    if (component == FImages) FImages = nullptr;
    if (component == FDisabledImages) FDisabledImages = nullptr;
    if (component == FMenu) FMenu = nullptr;
    if (component == FOptionMenu) FOptionMenu = nullptr;
    if (component == FCompactWindow) FCompactWindow = nullptr;
    if (component == FFloatingWindow) FFloatingWindow = nullptr;
    if (component == FLastDock) {
        FLastDock = nullptr;  // a floating toolbar follows no form and takes its own styler
        if (!IsDestroying()) UpdateCurrentStyler();
    }
    if (component == FOptionWindow) FOptionWindow = nullptr;
    if (component == FCompactBtn) FCompactBtn = nullptr;
    if (component == FSelfClone && !FIsClone) FSelfClone = nullptr;
    if (component == FSpareCompactBtn) FSpareCompactBtn = nullptr;
    if (component == FSpareCompactWindow) FSpareCompactWindow = nullptr, FSpareClone = nullptr;
    if (component == FSpareClone) FSpareClone = nullptr;
    if (component == FHotControl) FHotControl = nullptr;
    std::erase_if(FDockCandidates, [component](const TDockCandidate& c) { return c.Panel == component; });
    if (auto* c = dynamic_cast<TControl*>(component)) {
        FOTBControls.Remove(c);
        FRUControls.Remove(c);
        FLUHidedControls.Remove(c);
        FSeqControlList.Remove(c);
    }
}

void TOrvCustomToolBar::SetParent(TWinControl* parent) {
    auto* dock = dynamic_cast<TOrvDockPanel*>(parent);
    if (dock && dock != Parent() && !IsDestroying() && !dock->CanJoin(this)) return;
    bool wasFloating = FFloatingWindow && Parent() == FFloatingWindow && parent != FFloatingWindow;
    // From a floating window or another dock into this one: a docking the handler hears of.
    bool redocked = wasFloating || (dock && dynamic_cast<TOrvDockPanel*>(Parent()) && Parent() != dock);
    TCustomControl::SetParent(parent);
    if (IsDestroying()) return;
    if (dock && FCurrentDock == dock) SetToolBarState(tsDocked);
    if (wasFloating) EndFloating();
    if (redocked && dock && FCurrentDock == dock && OnDocked) OnDocked(this, dock);
    UpdateCurrentStyler();
    for (TControl* c : FOTBControls)
        if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(c)) HookGlowButton(glow);
    SeparatorsOffAutoSize();
    MenuBarParentChanged();
}

void TOrvCustomToolBar::SeparatorsOffAutoSize() {
    if (!OnPage()) return;
    for (TControl* c : FOTBControls)
        if (auto* separator = dynamic_cast<TOrvToolBarSeparator*>(c)) separator->SetAutoSize(false);
}

void TOrvCustomToolBar::SetBounds(int left, int top, int width, int height) {
    if (FCurrentDock && !FAllowBoundChange && !FPositioning) FCurrentDock->FilterBounds(this, left, top, width, height);
    bool sized = width != FWidth || height != FHeight;
    // A length given from outside is the room adaptive hiding works with; the toolbar's
    // own sizing goes past this setter.
    if (sized && !FPositioning) FGivenLength = IsHorizontal() ? width : height;
    TCustomControl::SetBounds(left, top, width, height);
    if (sized && !FPositioning) PositionControls();
}

void TOrvCustomToolBar::Resize() {
    TCustomControl::Resize();
}

bool TOrvCustomToolBar::OnPage() const {
    return Page() != nullptr || InCompactWindow();
}

TOrvPage* TOrvCustomToolBar::Page() const {
    return dynamic_cast<TOrvPage*>(Parent());
}

bool TOrvCustomToolBar::InCompactWindow() const {
    return dynamic_cast<TCompactWindow*>(Parent()) != nullptr;
}

// --- control registration ----------------------------------------------------------------------

void TOrvCustomToolBar::RegisterChild(TControl* control) {
    // The internal styler's theme notifier is a child window, not a toolbar control.
    if (control == FCompactBtn || FOTBControls.Contains(control) || dynamic_cast<TNotifierWindow*>(control)) return;
    FOTBControls.Add(control);
    if (!FRUControls.Contains(control)) FRUControls.Add(control);
    if (!FSeqControlList.Contains(control)) FSeqControlList.Add(control);
    control->FreeNotification(this);
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) HookGlowButton(glow);
    SeparatorsOffAutoSize();
    PositionControls();
}

void TOrvCustomToolBar::UnregisterChild(TControl* control) {
    if (FOTBControls.Remove(control) < 0) return;
    FRUControls.Remove(control);
    FLUHidedControls.Remove(control);
    if (!FCompactBtn) FSeqControlList.Remove(control);
    // Not on its way into the compact clone: the page's recorded steps may name it.
    if (FSavedPlaces.empty())
        if (auto* page = Page()) page->ForgetLayoutSteps();
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        glow->OnSetButtonSize = nullptr;
        glow->OnInternalClick = nullptr;
        glow->OnInternalKeyDown = nullptr;
        glow->OnGetShortCutHintPos = nullptr;
    }
    if (!IsDestroying()) PositionControls();
}

void TOrvCustomToolBar::HookGlowButton(TOrvCustomGlowButton* button) {
    if (button == FCompactBtn) return;
    if (OnPage()) {
        button->OnSetButtonSize = TSetButtonSizeEvent::Bind(this, &TOrvCustomToolBar::ButtonSizeHook);
        button->OnInternalKeyDown = [this](TObject* sender, uint16_t& key, TShiftState shift) {
            PageKeyDown(sender, key, shift);
        };
        button->OnGetShortCutHintPos = TOnGetShortCutHintPos::Bind(this, &TOrvCustomToolBar::KeyTipPosHook);
    } else {
        button->OnSetButtonSize = nullptr;
        button->OnInternalKeyDown = nullptr;
        button->OnGetShortCutHintPos = nullptr;
        button->OnInternalClick = [this](TObject* sender) { AfterButtonClick(static_cast<TControl*>(sender)); };
    }
    button->SetAppearance(FCompactBtn ? FCurrentToolBarStyler->CompactGlowButtonAppearance()
                                      : FCurrentToolBarStyler->GlowButtonAppearance());
}

void TOrvCustomToolBar::ButtonSizeHook(TObject* sender, int& /*width*/, int& height) {
    auto* glow = static_cast<TOrvCustomGlowButton*>(sender);
    bool positions = FAutoPositionControls || (FCompactBtn && FOldAutoPosition);
    if (positions && glow->GetButtonSizeState() == bsLarge) height = FHeight - FCaptionHeight - 5;
}

void TOrvCustomToolBar::AddToolBarControl(TControl* control) {
    if (control->Parent() != this)
        control->SetParent(this);  // registers through the control-change notice
    else
        RegisterChild(control);
}

void TOrvCustomToolBar::InsertToolBarControl(int index, TControl* control) {
    AddToolBarControl(control);
    int at = FOTBControls.IndexOf(control);
    index = std::clamp(index, 0, FOTBControls.Count() - 1);
    if (at >= 0 && at != index) MoveToolBarControl(at, index);
}

void TOrvCustomToolBar::RemoveToolBarControl(TControl* control) {
    UnregisterChild(control);
}

void TOrvCustomToolBar::MoveToolBarControl(int from, int to) {
    FOTBControls.Move(from, to);
    PositionControls();
}

void TOrvCustomToolBar::MoveUpInRUList(TControl* control) {
    FRUControls.Remove(control);
    FRUControls.Insert(0, control);
    if (FLUHidedControls.Remove(control) >= 0) {
        // Back with the separator that opens its group.
        int at = FOTBControls.IndexOf(control);
        for (int i = at - 1; i >= 0; --i) {
            if (!IsSeparator(FOTBControls[i])) continue;
            FLUHidedControls.Remove(FOTBControls[i]);
            break;
        }
    }
    ArrangeAdaptive();
}

void TOrvCustomToolBar::AfterButtonClick(TControl* control) {
    ClosePopups();
    if (!FOTBControls.Contains(control)) return;
    MoveUpInRUList(control);
    PositionControls();
}

void TOrvCustomToolBar::BroadcastButtonPressed(int groupIndex, TControl* sender) {
    // Without a parent only the parent part is skipped: the option window panel and the
    // quick access toolbar are told by their own hooks below.
    if (TWinControl* parent = sender->Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i)
            parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex),
                                         reinterpret_cast<LPARAM>(sender));
    }
    for (TControl* c : FLUHidedControls)
        if (c->Parent() != sender->Parent())
            c->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(groupIndex), reinterpret_cast<LPARAM>(sender));
}

void TOrvCustomToolBar::ControlResized(TControl* /*control*/) {
    PositionControls();
}

void TOrvCustomToolBar::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) {
        PositionControls();
        Invalidate();
    }
}

// --- option window ---------------------------------------------------------------------------

bool TOrvCustomToolBar::OptionWindowShowing() const {
    return FOptionWindow && FOptionWindow->GetVisible();
}

void TOrvCustomToolBar::ShowOptionWindow() {
    if (IsDesigning() || IsLoading() || IsDestroying()) return;
    if (OptionWindowShowing()) {
        FOptionWindow->HideWindow();
        return;
    }
    if (!FOptionWindow) {
        FOptionWindow = TOptionSelectorWindow::CreateForToolBar(this);
        FOptionWindow->OnWindowHide = [this](TObject*) { OptionWindowHidden(); };
    }
    FOptionWindow->FillFromToolBar();
    TControlSelectorPanel* panel = FOptionWindow->ControlSelector();
    if (!panel || panel->IsEmpty()) return;
    TPoint topLeft = Parent() ? Parent()->ClientToScreen({FLeft, FTop}) : TPoint{FLeft, FTop};
    TRect screen = Bounds(topLeft.X, topLeft.Y, FWidth, FHeight);
    TPoint anchor{screen.Right - 12, screen.Bottom + 1};
    TPoint at = PlaceOptionWindow(screen, {FOptionWindow->Width(), FOptionWindow->Height()},
                                  FToolBarState == tsFloating, FShowClose, FCaptionHeight, FPosition,
                                  WorkAreaAt(anchor), MonitorBoundsAt(anchor));
    FOptionWindow->ShowAt(at);
    Invalidate();
}

void TOrvCustomToolBar::HideOptionWindow() {
    if (OptionWindowShowing()) FOptionWindow->HideWindow();
}

void TOrvCustomToolBar::OptionWindowHidden() {
    if (IsDestroying()) return;
    // The panel gave the borrowed controls back: adaptive hiding decides again.
    FRightHandleDown = false;
    PositionControls();
    Invalidate();
}

void TOrvCustomToolBar::ShowCustomizer() {
    if (FCustomizer) FCustomizer->ShowDialog();
}

// --- messages --------------------------------------------------------------------------------

void TOrvCustomToolBar::HintRequest(TMessage& message) {
    THintInfo* info = HintInfoOf(message);
    if (!info) return;
    TPoint p = info->CursorPos;
    auto offer = [&](const TRect& r, const std::wstring& text) {
        if (text.empty() || r.Width() <= 0 || !r.Contains(p)) return false;
        info->HintStr = text;
        info->CursorRect = r;
        return true;
    };
    if (FToolBarState == tsFloating) {
        if (offer(GetCloseButtonRect(), FHintCloseButton)) return;
        offer(GetOptionButtonRect(), FHintOptionButton);
        return;
    }
    if (ShowingOptionIndicator()) offer(GetOptionIndicatorRect(), FHintOptionButton);
}

void TOrvCustomToolBar::WndProc(TMessage& message) {
    if (MenuBarMessage(message)) return;
    switch (message.Msg) {
        case WM_LBUTTONUP:
            FClosePending = false;
            TCustomControl::WndProc(message);
            if (FClosePending) {
                FClosePending = false;
                CloseFloating();  // last: its OnClose may free the toolbar
            }
            return;
        case CM_HINTSHOW:
            if (IsKeyTipRequest(message)) {
                ShowKeyTips(message.LParam != 0);
                message.Result = 1;
                return;
            }
            TCustomControl::WndProc(message);
            HintRequest(message);
            return;
        case CM_CONTROLCHANGE: {
            // Lent to the option window and back: still this toolbar's control.
            if (FLendingControls > 0) break;
            auto* control = reinterpret_cast<TControl*>(message.WParam);
            if (message.LParam)
                RegisterChild(control);
            else
                UnregisterChild(control);
            break;
        }
        case CM_CHILDVISIBLECHANGED:
            if (!FCompactBtn || reinterpret_cast<TControl*>(message.WParam) != FCompactBtn) {
                PositionControls();
                if (auto* page = Page()) page->ToolBarVisibilityChanged(message.LParam != 0);
            }
            break;
        case CM_VISIBLECHANGED:
            TCustomControl::WndProc(message);
            return;
        case WM_NCHITTEST:
            if (FFloatingWindow && Parent() == FFloatingWindow && FFloatingWindow->PassEdgeHit(message)) return;
            break;
        case CM_FOCUSCHANGED: {
            // Every control of the window hears where the focus went: active while it is
            // on the toolbar or on one of its controls.
            bool inside = false;
            for (TControl* c = reinterpret_cast<TWinControl*>(message.LParam); c && !inside; c = c->Parent())
                inside = c == this;
            SetActive(inside);
            break;
        }
        case WM_ORV_PARENTBACKGROUNDKEY:
            message.Result =
                message.LParam && BackgroundKeyFor(*reinterpret_cast<TParentBackgroundQuery*>(message.LParam));
            return;
        default:
            if (message.Msg == CompactWinHideMessage()) {
                // The form repaints its menu after the window went: one pixel up and back.
                if (TForm* form = GetParentForm(this)) {
                    if (::GetMenu(form->Handle())) {
                        form->SetHeight(form->Height() + 1);
                        form->SetHeight(form->Height() - 1);
                    }
                }
                message.Result = 1;
                return;
            }
            break;
    }
    TCustomControl::WndProc(message);
}

int TOrvCustomToolBar::GetToolBarIndex() const {
    auto* page = Page();
    return page ? page->IndexOfOrvToolBar(this) : -1;
}

void TOrvCustomToolBar::SetToolBarIndex(int value) {
    auto* page = Page();
    if (!page) return;
    int from = page->IndexOfOrvToolBar(this);
    value = std::clamp(value, 0, page->ToolBarCount() - 1);
    if (from < 0 || from == value) return;
    page->MoveOrvToolBar(from, value);
    SetTabOrder(value);
}

// --- styler ------------------------------------------------------------------------------------------

void TOrvCustomToolBar::SetToolBarStyler(TCustomOrvToolBarStyler* value) {
    if (FToolBarStyler == value) return;
    if (FToolBarStyler) RemoveFreeNotification(FToolBarStyler);
    FToolBarStyler = value;
    if (value) value->FreeNotification(this);
    UpdateCurrentStyler();
}

void TOrvCustomToolBar::UpdateCurrentStyler() {
    TCustomOrvToolBarStyler* chosen = FToolBarStyler;
    if (FParentStyler) {
        if (auto* page = Page())
            if (page->GetToolBarStyler() && !page->GetToolBarStyler()->IsDestroying())
                chosen = page->GetToolBarStyler();
        if (auto* dock = dynamic_cast<TOrvDockPanel*>(Parent())) chosen = dock->CurrentToolBarStyler();
        if (FFloatingWindow && Parent() == FFloatingWindow && FLastDock)  // floating: its last dock's
            chosen = FLastDock->CurrentToolBarStyler();
        if (auto* window = dynamic_cast<TCompactWindow*>(Parent()))
            if (window->OwnerToolBar()) chosen = window->OwnerToolBar()->CurrentToolBarStyler();
    }
    if (!chosen || chosen->IsDestroying()) chosen = FInternalToolBarStyler;
    if (chosen != FCurrentToolBarStyler) {
        if (FCurrentToolBarStyler && FCurrentToolBarStyler != FInternalToolBarStyler)
            FCurrentToolBarStyler->RemoveControl(this);
        FCurrentToolBarStyler = chosen;
        chosen->AddControl(this);
    }
    if (Parent()) ApplyStylerToControls();
    Invalidate();
}

void TOrvCustomToolBar::ApplyStylerTo(TControl* control) {
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        glow->SetAppearance(FCurrentToolBarStyler->GlowButtonAppearance());
    } else if (auto* styled = dynamic_cast<IZemStyle*>(control)) {
        auto* office = dynamic_cast<TOrvToolBarOfficeStyler*>(FCurrentToolBarStyler);
        if (office && FCurrentToolBarStyler->GetZemStyle() != tsCustom)
            styled->SetComponentStyle(FCurrentToolBarStyler->GetZemStyle());
    }
}

void TOrvCustomToolBar::ApplyStylerToControls() {
    for (TControl* c : FOTBControls) {
        ApplyStylerTo(c);
        if (auto* container = dynamic_cast<TOrvToolBarContainer*>(c); container && container->GetOrvToolBar() == this)
            for (int i = 0; i < container->ControlCount(); ++i) ApplyStylerTo(container->Controls(i));
    }
    if (FCompactBtn) FCompactBtn->SetAppearance(FCurrentToolBarStyler->CompactGlowButtonAppearance());
}

void TOrvCustomToolBar::ApplyMenuStyler() {
    menus::TCustomOrvMenuStyler* menuStyler = FCurrentToolBarStyler->CurrentOrvMenuStyler();
    auto give = [menuStyler](TPopupMenu* menu) {
        if (auto* styled = dynamic_cast<TOrvPopupMenu*>(menu)) styled->SetMenuStyler(menuStyler);
    };
    give(FOptionMenu);
    for (TControl* c : FOTBControls) {
        auto* button = dynamic_cast<TOrvCustomToolBarButton*>(c);
        if (!button) continue;
        give(button->GetDropDownMenu());
        // A menu button paints from the menu styler's root item.
        if (button->IsMenuButton()) button->Invalidate();
    }
}

void TOrvCustomToolBar::RelayoutContainers() {
    for (TControl* c : FOTBControls)
        if (auto* container = dynamic_cast<TOrvToolBarContainer*>(c)) container->Relayout();
}

void TOrvCustomToolBar::ApplyStylerChange(int code) {
    if (FSelfClone && !FIsClone) FSelfClone->ApplyStylerChange(code);
    SetColor(FCurrentToolBarStyler->Color().GetColor());
    if (code == scStyle || code == scGlowButton) ApplyStylerToControls();
    if (code == scDragGrip) PositionControls();
    if (code == scMenuStyler && !IsLoading()) ApplyMenuStyler();
    RelayoutContainers();
    Invalidate();
}

void TOrvCustomToolBar::ToolBarStylerDestroying(TCustomOrvToolBarStyler* styler) {
    if (styler == FToolBarStyler) FToolBarStyler = nullptr;
    if (styler == FCurrentToolBarStyler) {
        FCurrentToolBarStyler = FInternalToolBarStyler;
        if (!IsDestroying()) ApplyStylerToControls();
    }
}

// --- plain setters ---------------------------------------------------------------------------------

#define ORV_TB_SETTER(Type, Name, After)            \
    void TOrvCustomToolBar::Set##Name(Type value) { \
        if (F##Name == value) return;               \
        F##Name = value;                            \
        After;                                      \
    }
ORV_TB_SETTER(bool, AllowFloating, (void)0)
ORV_TB_SETTER(TAntiAlias, AntiAlias, Invalidate())
ORV_TB_SETTER(bool, AutoArrangeButtons, ArrangeAdaptive())
ORV_TB_SETTER(bool, AutoDockOnClose, (void)0)
ORV_TB_SETTER(bool, AutoOptionMenu, (void)0)
ORV_TB_SETTER(bool, AutoPositionControls, PositionControls())
ORV_TB_SETTER(bool, AutoSize, PositionControls())
ORV_TB_SETTER(int, CaptionHeight, PositionControls())
ORV_TB_SETTER(TCaptionPosition, CaptionPosition, PositionControls())
ORV_TB_SETTER(TTextAlignment, CaptionAlignment, Invalidate())
ORV_TB_SETTER(int, CompactImageIndex, (void)0)
ORV_TB_SETTER(bool, ShowCaption, PositionControls())
ORV_TB_SETTER(bool, ShowRightHandle, PositionControls())
ORV_TB_SETTER(bool, ShowClose, Invalidate())
ORV_TB_SETTER(bool, ShowOptionIndicator, Invalidate())
ORV_TB_SETTER(TDockAlignSet, DockableTo, (void)0)
ORV_TB_SETTER(TDockMode, DockMode, (void)0)
ORV_TB_SETTER(bool, FullSize, PositionControls(); if (FCurrentDock) FCurrentDock->ToolBarFullSizeChanged(this);
              UpdateMDIWatch())
ORV_TB_SETTER(bool, ParentOptionPicture, Invalidate())
ORV_TB_SETTER(int, FloatingRows, PositionControls())
ORV_TB_SETTER(int, Row, (void)0)
#undef ORV_TB_SETTER

void TOrvCustomToolBar::SetLocked(bool value) {
    FLocked = value && FToolBarState != tsFloating;
}

void TOrvCustomToolBar::SetParentStyler(bool value) {
    if (FParentStyler == value) return;
    FParentStyler = value;
    UpdateCurrentStyler();
}

void TOrvCustomToolBar::SetHideOnEmpty(bool value) {
    if (FHideOnEmpty == value) return;
    FHideOnEmpty = value;
    PositionControls();
    if (auto* page = Page()) page->ArrangeToolBars();
}

void TOrvCustomToolBar::SetCaption(const std::wstring& value) {
    TControl::SetCaption(value);
    Invalidate();
}

void TOrvCustomToolBar::SetCompactCaption(const std::wstring& value) {
    FCompactCaption = value;
    if (FCompactBtn) FCompactBtn->SetCaption(value);
}

void TOrvCustomToolBar::SetImages(TImageList* value) {
    if (FImages == value) return;
    FImages = value;
    if (value) value->FreeNotification(this);
    Invalidate();
}

void TOrvCustomToolBar::SetDisabledImages(TImageList* value) {
    if (FDisabledImages == value) return;
    FDisabledImages = value;
    if (value) value->FreeNotification(this);
    Invalidate();
}

void TOrvCustomToolBar::SetOptionMenu(TPopupMenu* value) {
    if (FOptionMenu == value) return;
    FOptionMenu = value;
    if (value) value->FreeNotification(this);
}

// --- mouse and glow ----------------------------------------------------------------------------------

void TOrvCustomToolBar::SetRightHandleState(bool hot, bool down) {
    if (hot == FRightHandleHot && down == FRightHandleDown) return;
    FRightHandleHot = hot;
    FRightHandleDown = down;
    Invalidate();
}

void TOrvCustomToolBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    TPoint p{x, y};
    if (FToolBarState == tsFloating) {
        if (GetCloseButtonRect().Contains(p)) {
            SetCaptionButtonMarks(true, true, false, false);
            return;
        }
        if (GetOptionButtonRect().Contains(p)) {
            SetCaptionButtonMarks(false, false, true, true);
            return;
        }
    }
    if (StartsDrag(p)) {
        DragLoop(p);
        return;
    }
    if (ShowingOptionIndicator() && GetOptionIndicatorRect().Contains(p)) {
        FOptionDown = true;
        FOptionPushInc = 20;
        FOptionStepPush = 0;
        if (!FOptionTimerRunning) {
            FOptionTimerRunning = true;
            StartTimer(kOptionTimer, GlowSpeed);
        }
        Invalidate();
        TPoint client{FLeft + FWidth - 12, FTop + FHeight + 1};
        TPoint screen = Parent() ? Parent()->ClientToScreen(client) : client;
        if (OnOptionClick) OnOptionClick(this, client, screen);
        return;
    }
    if (FToolBarState != tsFloating && FShowRightHandle && !FFullSize && GetRightHandleRect().Contains(p)) {
        SetRightHandleState(true, true);
        ShowOptionWindow();
    }
}

void TOrvCustomToolBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    TPoint p{x, y};
    bool overOption = ShowingOptionIndicator() && GetOptionIndicatorRect().Contains(p);
    if (overOption != FOptionHot) {
        FOptionHot = overOption;
        FOptionHoverInc = overOption ? 20 : -20;
        if (!FOptionTimerRunning) {
            FOptionTimerRunning = true;
            StartTimer(kOptionTimer, GlowSpeed);
        }
        Invalidate();
    }
    if (FShowRightHandle && FToolBarState != tsFloating) {
        bool overHandle = GetRightHandleRect().Contains(p);
        if (overHandle != FRightHandleHot) SetRightHandleState(overHandle, FRightHandleDown && overHandle);
    }
    if (FToolBarState == tsFloating) {
        bool overClose = GetCloseButtonRect().Contains(p), overOption = GetOptionButtonRect().Contains(p);
        SetCaptionButtonMarks(overClose, FCloseDown && overClose, overOption, FFloatOptionDown && overOption);
    }
}

void TOrvCustomToolBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (FOptionDown) {
        FOptionPushInc = -20;
        if (!FOptionTimerRunning) {
            FOptionTimerRunning = true;
            StartTimer(kOptionTimer, GlowSpeed);
        }
    }
    if (FRightHandleDown) SetRightHandleState(FRightHandleHot, false);
    if (FCloseDown || FFloatOptionDown) {
        TPoint p{x, y};
        // Closing waits until the release is handled: OnClose may free the toolbar.
        FClosePending = FCloseDown && GetCloseButtonRect().Contains(p);
        bool option = FFloatOptionDown && GetOptionButtonRect().Contains(p);
        SetCaptionButtonMarks(FCloseHot, false, FFloatOptionHot, false);
        if (option) ShowOptionWindow();
    }
}

void TOrvCustomToolBar::MouseEnter() {
    TCustomControl::MouseEnter();
    if (OnPage()) {
        FHot = true;
        StartGlow(20);
    }
}

void TOrvCustomToolBar::MouseLeave() {
    TCustomControl::MouseLeave();
    bool repaint = FRightHandleHot || FRightHandleDown || FOptionHot || FOptionDown;
    FRightHandleHot = FRightHandleDown = false;
    SetCaptionButtonMarks(false, false, false, false);
    if (!FDragging && Screen->GetCursor() == crSizeAll) Screen->SetCursor(crDefault);
    if (FOptionHot || FOptionDown) {
        FOptionHot = false;
        FOptionDown = false;
        FOptionHoverInc = -20;
        FOptionStepHover = -20;
        FOptionStepPush = 0;
    }
    if (OnPage()) {
        FHot = false;
        StartGlow(-20);
    } else if (repaint) {
        Invalidate();
    }
}

void TOrvCustomToolBar::SetActive(bool value) {
    if (FActive == value) return;
    FActive = value;
    // The active look is the hot one on a page: its background shows through the controls.
    if (OnPage()) InvalidateWithBackgroundControls();
}

bool TOrvCustomToolBar::HotLook() const {
    return FHot || (FActive && GetEnabled() && OnPage());
}

void TOrvCustomToolBar::StartGlow(int step) {
    FTimeInc = step;
    if (FCurrentToolBarStyler->ColorHot().GetColor() == clNone) {
        FStepHover = step > 0 ? 100 : 0;
        InvalidateWithBackgroundControls();
        return;
    }
    if (!FGlowRunning) {
        FGlowRunning = true;
        StartTimer(kGlowTimer, GlowSpeed);
    }
}

void TOrvCustomToolBar::WindowTimer(UINT_PTR id) {
    if (id == kGlowTimer)
        GlowTick();
    else if (id == kOptionTimer)
        OptionTick();
    else if (id == kFloatTimer)
        FloatTick();
    else
        TCustomControl::WindowTimer(id);
}

void TOrvCustomToolBar::GlowTick() {
    FStepHover += FTimeInc;
    bool done = (FTimeInc > 0 && FStepHover > 100) || (FTimeInc < 0 && FStepHover < 0) ||
                FCurrentToolBarStyler->ColorHot().GetColor() == clNone;
    if (done) {
        // Stopped here; the timer is a window timer, so nothing is freed inside its tick.
        StopTimer(kGlowTimer);
        FGlowRunning = false;
    }
    InvalidateWithBackgroundControls();
}

void TOrvCustomToolBar::OptionTick() {
    bool running = false;
    if (FOptionPushInc != 0) {
        FOptionStepPush += FOptionPushInc;
        if (FOptionStepPush > 100 || FOptionStepPush < 0) {
            if (FOptionPushInc < 0) FOptionDown = false;
            FOptionStepPush = std::clamp(FOptionStepPush, 0, 100);
            FOptionPushInc = 0;
        } else {
            running = true;
        }
    }
    if (FOptionHoverInc != 0) {
        FOptionStepHover += FOptionHoverInc;
        if (FOptionStepHover > 100 || FOptionStepHover < 0) {
            FOptionStepPush = 0;
            FOptionStepHover = FOptionHoverInc > 0 ? 120 : -20;
            if (FOptionHoverInc < 0) FOptionHot = false;
            FOptionHoverInc = 0;
        } else {
            running = true;
        }
    }
    if (!running) {
        StopTimer(kOptionTimer);
        FOptionTimerRunning = false;
    }
    InvalidateRect(GetOptionIndicatorRect());
}

void TOrvCustomToolBar::InvalidateWithBackgroundControls() {
    Invalidate();
    for (TControl* c : FOTBControls) {
        std::wstring name = c->ClassName();
        // Whatever may show the toolbar's pixels through it: glow buttons, containers, the
        // office controls, and any control that publishes a Transparent setting.
        bool showsBackground = dynamic_cast<TOrvCustomGlowButton*>(c) || dynamic_cast<TOrvToolBarContainer*>(c) ||
                               name.find(L"OrvOffice") != std::wstring::npos ||
                               TClassRegistry::Publishes(name, L"Transparent");
        if (showsBackground) c->Invalidate();
        if (auto* container = dynamic_cast<TOrvToolBarContainer*>(c)) {
            for (int i = 0; i < container->ControlCount(); ++i) {
                container->Controls(i)->Invalidate();
                if (FStepHover > 0) container->Controls(i)->Update();
            }
        }
    }
}

// --- TOrvToolBarContainer ------------------------------------------------------------------------------

TOrvToolBarContainer::TOrvToolBarContainer(TComponent* owner)
    : TCustomControl(owner), FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    SetControlStyle(ControlStyle() | csAcceptsControls | csParentBackground);
    FWidth = 100;
    FHeight = 50;
}

TOrvToolBarContainer::~TOrvToolBarContainer() = default;

void TOrvToolBarContainer::SetOrvToolBar(TOrvCustomToolBar* value) {
    if (FOrvToolBar == value) return;
    FOrvToolBar = value;
    if (value) value->FreeNotification(this);
    // Children that were here before the toolbar take it now.
    for (int i = 0; i < ControlCount(); ++i) ApplyToolBarTo(Controls(i));
    Invalidate();
}

void TOrvToolBarContainer::ApplyToolBarTo(TControl* control) {
    TOrvCustomToolBar* bar = FOrvToolBar;
    if (auto* glow = dynamic_cast<TOrvCustomGlowButton*>(control)) {
        if (bar) {
            glow->OnInternalClick = [bar](TObject* sender) { bar->AfterButtonClick(static_cast<TControl*>(sender)); };
        } else {
            glow->OnInternalClick = nullptr;
        }
    }
    if (auto* toolBarControl = dynamic_cast<TOrvCustomToolBarControl*>(control))
        toolBarControl->SetContainerToolBar(bar);
    if (bar) bar->ApplyStylerTo(control);
}

void TOrvToolBarContainer::Relayout() {
    Realign();
    KeepChildrenInside();
    Invalidate();
}

void TOrvToolBarContainer::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FOrvToolBar) FOrvToolBar = nullptr;
}

void TOrvToolBarContainer::SetLineColor(TColor value) {
    if (FLineColor == value) return;
    FLineColor = value;
    Invalidate();
}

void TOrvToolBarContainer::SetLine3D(bool value) {
    if (FLine3D == value) return;
    FLine3D = value;
    Invalidate();
}

void TOrvToolBarContainer::SetParentStyler(bool value) {
    if (FParentStyler == value) return;
    FParentStyler = value;
    Invalidate();
}

void TOrvToolBarContainer::SetMargins(int value) {
    if (FMargins == value) return;
    FMargins = value;
    KeepChildrenInside();
    Invalidate();
}

void TOrvToolBarContainer::AdjustClientRect(TRect& rect) const {
    rect = {rect.Left + FMargins, rect.Top + FMargins, rect.Right - FMargins, rect.Bottom - FMargins};
}

void TOrvToolBarContainer::KeepChildrenInside() {
    if (FKeeping) return;
    FKeeping = true;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        int x = c->Left(), y = c->Top();
        if (x < FMargins) x = FMargins;
        if (y < FMargins) y = FMargins;
        if (x + c->Width() > FWidth - FMargins) x = std::max(FMargins, FWidth - FMargins - c->Width());
        if (y + c->Height() > FHeight - FMargins) y = std::max(FMargins, FHeight - FMargins - c->Height());
        if (x != c->Left() || y != c->Top()) c->SetBounds(x, y, c->Width(), c->Height());
    }
    FKeeping = false;
}

void TOrvToolBarContainer::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    if (message.Msg == CM_CONTROLCHANGE && message.LParam) {
        if (FOrvToolBar) ApplyToolBarTo(reinterpret_cast<TControl*>(message.WParam));
        KeepChildrenInside();
    }
}

void TOrvToolBarContainer::Paint() {
    TCanvas& canvas = Canvas();
    HDC dc = canvas.Handle();
    DrawParentBackground(dc);
    TColor line = FLineColor;
    bool line3D = FLine3D;
    if (FParentStyler && FOrvToolBar) {
        line = FOrvToolBar->CurrentToolBarStyler()->ContainerAppearance().GetLineColor();
        line3D = FOrvToolBar->CurrentToolBarStyler()->ContainerAppearance().GetLine3D();
    }
    if (line == clNone) return;
    int L = 0, T = 0, R = FWidth - 1, B = FHeight - 1, M = FMargins;
    int gapFrom = R - M, gapTo = R - M;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    if (!GetCaption().empty()) {
        canvas.Font().SetColor(clBlack);
        canvas.TextOut(L + 10, T, GetCaption());
        gapFrom = L + 9;
        gapTo = L + 10 + canvas.TextWidth(GetCaption()) + 1;
    }
    auto frame = [&](int offset, TColor color) {
        canvas.Pen().SetColor(color);
        int top = T + M + 2 + offset;
        if (gapFrom != gapTo) {
            canvas.MoveTo(L + offset, top);
            canvas.LineTo(gapFrom, top);
            canvas.MoveTo(gapTo, top);
            canvas.LineTo(R - M + offset, top);
        } else {
            canvas.MoveTo(L + offset, top);
            canvas.LineTo(R - M + offset, top);
        }
        canvas.MoveTo(L + offset, top);
        canvas.LineTo(L + offset, B - M + offset);
        canvas.LineTo(R - M + offset, B - M + offset);
        canvas.LineTo(R - M + offset, T + M + 2 - 1 + offset * 0);
    };
    frame(0, line);
    if (line3D) frame(1, clWhite);
}

}  // namespace orv
