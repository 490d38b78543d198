#include "toolbar/OrvToolBarButton.h"

#include <algorithm>

#include "framework/Exception.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Timer.h"
#include "hints/OrvHintInfo.h"
#include "menus/OrvMenus.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvPictureDraw.h"
#include "paint/OrvText.h"
#include "toolbar/OptionSelectorPanel.h"

namespace orv {

namespace {

// A screen-compatible canvas for measuring text outside a paint.
class TMeasureCanvas {
public:
    TMeasureCanvas() : FDC(CreateCompatibleDC(nullptr)) { FCanvas.SetHandle(FDC.Get()); }
    ~TMeasureCanvas() { FCanvas.SetHandle(nullptr); }
    TCanvas& Canvas() { return FCanvas; }

private:
    TGdiMemoryDC FDC;
    TCanvas FCanvas;  // declared after the DC: lets go of it first
};

TSize MeasureSingleLine(const TFont& font, const std::wstring& text) {
    if (text.empty()) return {0, 0};
    TMeasureCanvas m;
    m.Canvas().Font().Assign(&font);
    TRect r{0, 0, 0, 0};
    m.Canvas().DrawText(text, r, DT_SINGLELINE | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

int TextHeightOf(const TFont& font, const std::wstring& text) {
    TMeasureCanvas m;
    m.Canvas().Font().Assign(&font);
    return m.Canvas().TextHeight(text);
}

}  // namespace

// --- the control base ----------------------------------------------------------------------

TOrvCustomToolBarControl::TOrvCustomToolBarControl(TComponent* owner) : TGraphicControl(owner) {}

TOrvCustomToolBarControl::~TOrvCustomToolBarControl() = default;

void TOrvCustomToolBarControl::BeforeDestruction() {
    Detach();
    TGraphicControl::BeforeDestruction();
}

void TOrvCustomToolBarControl::Detach() {
    if (FOrvToolBar && !FOrvToolBar->IsDestroying() && FOrvToolBar->IndexOfToolBarControl(this) >= 0)
        FOrvToolBar->RemoveToolBarControl(this);
    if (FOrvQuickAccessToolBar) FOrvQuickAccessToolBar->RemoveQuickAccessControl(this);
    FOrvToolBar = nullptr;
    FOrvQuickAccessToolBar = nullptr;
}

void TOrvCustomToolBarControl::SetOrvToolBar(TOrvCustomToolBar* value) {
    if (value == FOrvToolBar && (!value || value->IndexOfToolBarControl(this) >= 0)) return;
    Detach();
    if (!value) return;
    SetParent(value);
}

void TOrvCustomToolBarControl::SetOrvQuickAccessToolBar(IQuickAccessToolBar* value) {
    if (value == FOrvQuickAccessToolBar) return;
    Detach();
    if (!value) return;
    SetParent(value->QuickAccessControl());
}

void TOrvCustomToolBarControl::SetParent(TWinControl* parent) {
    // Lent to its toolbar's option window and given back: it stays the toolbar's control
    // at the size the toolbar gave it.
    if (FOrvToolBar && FOrvToolBar->LendingControls()) {
        TGraphicControl::SetParent(parent);
        return;
    }
    TOrvCustomToolBar* toolBar = dynamic_cast<TOrvCustomToolBar*>(parent);
    auto* container = dynamic_cast<TOrvToolBarContainer*>(parent);
    auto* quick = dynamic_cast<IQuickAccessToolBar*>(parent);
    // Lent to the quick access toolbar's overflow window: still that toolbar's control.
    if (auto* panel = dynamic_cast<TOptionSelectorPanel*>(parent); panel && !toolBar && !quick && !container)
        quick = panel->GetOrvQuickAccessToolBar();
    // Leaving a toolbar's own list for a container of that toolbar is leaving it too.
    bool registered = FOrvToolBar && FOrvToolBar->IndexOfToolBarControl(this) >= 0;
    if (toolBar != FOrvToolBar || quick != FOrvQuickAccessToolBar || (container && registered)) Detach();
    TGraphicControl::SetParent(parent);
    if (container) {
        // The container is the toolbar's control; what sits in it only links to the toolbar.
        SetContainerToolBar(container->GetOrvToolBar());
    } else if (toolBar) {
        FOrvToolBar = toolBar;
        if (toolBar->IndexOfToolBarControl(this) < 0) toolBar->AddToolBarControl(this);
        if (toolBar->IndexOfToolBarControl(this) < 0) {
            FOrvToolBar = nullptr;
            throw Exception(L"OrvToolBar not set");
        }
        FreeNotification(toolBar);
        SetPosition(toolBar->GetPosition());
    } else if (quick) {
        FOrvQuickAccessToolBar = quick;
        if (!quick->AddQuickAccessControl(this)) {
            FOrvQuickAccessToolBar = nullptr;
            throw Exception(L"OrvToolBar not set");
        }
    }
    ParentChanged();
}

void TOrvCustomToolBarControl::SetContainerToolBar(TOrvCustomToolBar* toolBar) {
    if (FOrvToolBar == toolBar) return;
    FOrvToolBar = toolBar;
    if (!toolBar) return;
    FreeNotification(toolBar);
    SetPosition(toolBar->GetPosition());
    ParentChanged();
    Invalidate();
}

void TOrvCustomToolBarControl::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FOrvToolBar) FOrvToolBar = nullptr;
}

void TOrvCustomToolBarControl::SetPosition(TDockAlign value) {
    if (FPosition == value) return;
    FPosition = value;
    PositionChanged();
}

TCustomOrvToolBarStyler* TOrvCustomToolBarControl::HostStyler() const {
    if (FOrvToolBar) return FOrvToolBar->CurrentToolBarStyler();
    if (FOrvQuickAccessToolBar) return FOrvQuickAccessToolBar->QuickAccessStyler();
    return nullptr;
}

// --- draw position and action link -------------------------------------------------------------

void TOrvToolBarButtonDrawPosition::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvToolBarButtonDrawPosition*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FEnabled = s->FEnabled;
    FTextX = s->FTextX;
    FTextY = s->FTextY;
    FImageX = s->FImageX;
    FImageY = s->FImageY;
    if (OnChange) OnChange(this);
}

TOrvToolBarButtonActionLink::TOrvToolBarButtonActionLink(TOrvCustomToolBarButton* client)
    : TControlActionLink(client), FClient(client) {}

bool TOrvToolBarButtonActionLink::IsCheckedLinked() {
    TCustomAction* a = Custom();
    FClient->FCheckLinked = a && a->GetChecked() == FClient->GetDown();
    return FClient->FCheckLinked;
}

bool TOrvToolBarButtonActionLink::IsGroupIndexLinked() {
    TCustomAction* a = Custom();
    FClient->FGroupIndexLinked = a && a->GetGroupIndex() == FClient->GetGroupIndex();
    return FClient->FGroupIndexLinked;
}

void TOrvToolBarButtonActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) FClient->SetDown(value);
}

void TOrvToolBarButtonActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(value);
}

// --- the button -------------------------------------------------------------------------------------

TOrvCustomToolBarButton::TOrvCustomToolBarButton(TComponent* owner)
    : TOrvCustomToolBarControl(owner),
      FGlyph(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()),
      FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphChecked(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>()),
      FPicture(std::make_unique<TGDIPPicture>()),
      FPictureDisabled(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()) {
    FControlStyle = csCaptureMouse | csClickEvents | csDoubleClicks;
    FWidth = 23;
    FHeight = 22;
    FFont.SetName(L"Tahoma");
    auto content = [this](TObject*) { ContentChanged(); };
    const std::pair<TBitmap*, TToolButtonGlyph> slots[] = {{FGlyphHot.get(), tgHot},
                                                           {FGlyphDown.get(), tgDown},
                                                           {FGlyphDisabled.get(), tgDisabled},
                                                           {FGlyphChecked.get(), tgChecked}};
    GlyphChanged();
    for (auto [bitmap, slot] : slots)
        bitmap->OnChange = [this, slot](TObject*) {
            FGlyphFaces[slot].reset();
            GlyphChanged();
            ContentChanged();
        };
    FGlyph->OnChange = [this](TObject*) {
        FGlyphFaces[tgNormal].reset();
        GlyphChanged();
        if (FShaded && !IsLoading()) BuildShade();
        ContentChanged();
    };
    FPicture->OnChange = content;
    FPictureDisabled->OnChange = content;
    FAppearance.OnChange = content;
    FDrawPosition.OnChange = [this](TObject*) { Invalidate(); };
    FUnHotTimer = new TTimer(nullptr);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->OnTimer = [this](TObject*) { UnHotTick(); };
}

TOrvCustomToolBarButton::~TOrvCustomToolBarButton() {
    *FAlive = false;
    FUnHotTimer->Free();
}

void TOrvCustomToolBarButton::Loaded() {
    TOrvCustomToolBarControl::Loaded();
    if (FInitialDown) SetDown(true);
    if (FShaded) BuildShade();
    AdjustSize();
}

void TOrvCustomToolBarButton::Notification(TComponent* component, TOperation operation) {
    TOrvCustomToolBarControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FDropDownMenu) FDropDownMenu = nullptr;
    if (component == FMenuItem) FMenuItem = nullptr;
    if (component == FOrvToolBar) FOrvToolBar = nullptr;
}

// --- property setters -----------------------------------------------------------------------------

void TOrvCustomToolBarButton::ContentChanged() {
    if (!IsLoading()) AdjustSize();
    Invalidate();
}

void TOrvCustomToolBarButton::SetAutoSize(bool value) {
    if (FAutoSize == value) return;
    FAutoSize = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetCanRotate(bool value) {
    if (FCanRotate == value) return;
    FCanRotate = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetGlyphPosition(TGlyphPosition value) {
    if (FGlyphPosition == value) return;
    FGlyphPosition = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetDropDownButton(bool value) {
    if (FDropDownButton == value) return;
    FDropDownButton = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetDropDownSplit(bool value) {
    if (FDropDownSplit == value) return;
    FDropDownSplit = value;
    Invalidate();
}

void TOrvCustomToolBarButton::SetDropDownMenu(TPopupMenu* value) {
    if (FDropDownMenu == value) return;
    if (FDropDownMenu) RemoveFreeNotification(FDropDownMenu);
    FDropDownMenu = value;
    if (FDropDownMenu) FreeNotification(FDropDownMenu);
}

void TOrvCustomToolBarButton::SetImageIndex(int value) {
    if (FImageIndex == value) return;
    FImageIndex = value;
    if (FShaded && !IsLoading()) BuildShade();
    ContentChanged();
}

void TOrvCustomToolBarButton::SetForceImageIndex(bool value) {
    if (FForceImageIndex == value) return;
    FForceImageIndex = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetParentStyler(bool value) {
    if (FParentStyler == value) return;
    FParentStyler = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetShaded(bool value) {
    if (FShaded == value) return;
    FShaded = value;
    if (FShaded && !IsLoading()) BuildShade();
    Invalidate();
}

void TOrvCustomToolBarButton::SetShowCaption(bool value) {
    if (FShowCaption == value) return;
    FShowCaption = value;
    ContentChanged();
}

void TOrvCustomToolBarButton::SetStyle(TOrvToolButtonStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Invalidate();
}

void TOrvCustomToolBarButton::PositionChanged() {
    ContentChanged();
}

void TOrvCustomToolBarButton::SetPropHot(bool value) {
    if (FPropHot == value) return;
    FPropHot = value;
    Invalidate();
}

bool TOrvCustomToolBarButton::UnHotTimerRunning() const {
    return FUnHotTimer->GetEnabled();
}

// --- Down and groups -----------------------------------------------------------------------------------

void TOrvCustomToolBarButton::SetDown(bool value) {
    if (IsLoading()) {
        FInitialDown = value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == tasButton) value = false;
    if (FGroupIndex == 0) {
        if (FDown == value) return;
        FDown = value;
        FState = value ? absDown : absUp;
        Repaint();
        return;
    }
    if (FDown == value) return;
    // A group's down button is only raised by another one going down (or AllowAllUp).
    if (FDown && !FAllowAllUp) return;
    FDown = value;
    if (value) {
        if (FState == absUp) Invalidate();
        FState = absExclusive;
        BroadcastPressed();
    } else {
        FState = absUp;
        Repaint();
    }
}

void TOrvCustomToolBarButton::BroadcastPressed() {
    if (FGroupIndex == 0) return;
    auto groupIndex = static_cast<WPARAM>(FGroupIndex);
    auto sender = reinterpret_cast<LPARAM>(static_cast<TControl*>(this));
    if (FOrvToolBar) {
        // The toolbar tells its parent's controls and its option window panel.
        FOrvToolBar->BroadcastButtonPressed(FGroupIndex, this);
        return;
    }
    if (FParent)
        for (int i = 0; i < FParent->ControlCount(); ++i)
            FParent->Controls(i)->Perform(CM_BUTTONPRESSED, groupIndex, sender);
    // The quick access toolbar hears it also when the button has no parent.
    if (FOrvQuickAccessToolBar) FOrvQuickAccessToolBar->ButtonPressed(FGroupIndex, this);
}

void TOrvCustomToolBarButton::ButtonPressed(int groupIndex, TOrvCustomToolBarButton* sender) {
    if (!sender || sender == this || groupIndex != FGroupIndex) return;
    FAllowAllUp = sender->FAllowAllUp;
    if (sender->FDown && FDown) {
        FDown = false;
        FState = absUp;
        if (auto* action = dynamic_cast<TCustomAction*>(GetAction())) action->SetChecked(false);
        Invalidate();
    }
}

void TOrvCustomToolBarButton::SetGroupIndex(int value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    if (FDown) BroadcastPressed();
}

void TOrvCustomToolBarButton::SetAllowAllUp(bool value) {
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    if (FDown) BroadcastPressed();
}

// --- menu item, action ---------------------------------------------------------------------------------

void TOrvCustomToolBarButton::SetMenuItem(TMenuItem* item) {
    if (FMenuItem == item) return;
    if (FMenuItem) RemoveFreeNotification(FMenuItem);
    FMenuItem = item;
    if (!item) return;
    FreeNotification(item);
    SetAction(item->GetAction());
    SetCaption(item->GetCaption());
    SetDown(item->GetChecked());
    SetEnabled(item->GetEnabled());
    SetHint(item->GetHint());
    SetImageIndex(item->GetImageIndex());
    SetVisible(item->GetVisible());
}

std::unique_ptr<TControlActionLink> TOrvCustomToolBarButton::CreateActionLink() {
    return std::make_unique<TOrvToolBarButtonActionLink>(this);
}

void TOrvCustomToolBarButton::ActionChange(TObject* sender, bool checkDefaults) {
    TOrvCustomToolBarControl::ActionChange(sender, checkDefaults);
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (checkDefaults || FGroupIndex == 0) SetGroupIndex(a->GetGroupIndex());
    SetImageIndex(a->GetImageIndex());
    SetDown(a->GetChecked());
    ContentChanged();
}

// --- click and menus ------------------------------------------------------------------------------------

void TOrvCustomToolBarButton::Click() {
    if (FOrvToolBar)
        FOrvToolBar->ClosePopups();
    else if (FOrvQuickAccessToolBar)
        FOrvQuickAccessToolBar->CloseOverflowWindow();
    TOrvCustomToolBar* toolBar = FOrvToolBar;
    std::shared_ptr<bool> alive = FAlive;
    TOrvCustomToolBarControl::Click();
    // The handler may have freed the button (and with it, its link to the toolbar).
    if (*alive && toolBar && FOrvToolBar == toolBar) toolBar->AfterButtonClick(this);
}

bool TOrvCustomToolBarButton::OpenThroughToolBar() {
    return FOrvToolBar && FOrvToolBar->OpenControlMenu(this);
}

bool TOrvCustomToolBarButton::CheckMenuDropdown() {
    if (IsLoading() || IsDestroying()) return false;
    bool hasMenu = (FDropDownMenu && FDropDownMenu->GetAutoPopup()) || FMenuItem;
    return hasMenu && OpenThroughToolBar();
}

void TOrvCustomToolBarButton::PopupDropDownMenu() {
    if (!FDropDownMenu) return;
    if (auto* styled = dynamic_cast<TOrvPopupMenu*>(FDropDownMenu)) {
        if (TCustomOrvToolBarStyler* styler = HostStyler()) styled->SetMenuStyler(styler->CurrentOrvMenuStyler());
    }
    TPoint at = ClientToScreen({0, FHeight});
    FDropDownMenu->Popup(at.X, at.Y);
}

// --- mouse ---------------------------------------------------------------------------------------------------

void TOrvCustomToolBarButton::EnterSteps() {
    FMouseInControl = true;
    FHot = true;
    if (GetEnabled() && FOrvToolBar) {
        FPropHot = FState == absUp;
        FOrvToolBar->SetHotControl(this);
    }
    Invalidate();
    FUnHotTimer->SetEnabled(true);
}

void TOrvCustomToolBarButton::LeaveSteps() {
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    FHot = false;
    bool keepTracking = FOrvToolBar && FOrvToolBar->InMenuLoop() && FOrvToolBar->MenuFocused();
    if (!keepTracking) {
        FPropHot = false;
        if (FOrvToolBar && FOrvToolBar->HotControl() == this) FOrvToolBar->SetHotControl(nullptr);
    }
    Invalidate();
}

void TOrvCustomToolBarButton::MouseEnter() {
    EnterSteps();
    TOrvCustomToolBarControl::MouseEnter();
}

void TOrvCustomToolBarButton::MouseLeave() {
    LeaveSteps();
    TOrvCustomToolBarControl::MouseLeave();
}

void TOrvCustomToolBarButton::TrackPointer(int x, int y) {
    bool inside = Inside(x, y);
    if (inside && !FMouseInControl)
        MouseEnter();
    else if (!inside && FMouseInControl)
        MouseLeave();
}

void TOrvCustomToolBarButton::UnHotTick() {
    POINT sp;
    GetCursorPos(&sp);
    TPoint p = ScreenToClient({sp.x, sp.y});
    bool inside = ClientRect().Contains(p);
    bool menuOpenOnIt = IsMenuButton() && FDropDownButton && FMenuSel && (FDropDownMenu || FMenuItem);
    if (inside && !menuOpenOnIt) return;
    if (!FMouseInControl) {
        FUnHotTimer->SetEnabled(false);
        return;
    }
    MouseLeave();
}

void TOrvCustomToolBarButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft || !GetEnabled()) {
        TOrvCustomToolBarControl::MouseDown(button, shift, x, y);
        return;
    }
    FMouseDownInControl = true;
    bool inPart = FDropDownButton && FDropDownSplit && InDropDownPressZone(FWidth, FHeight, x, y, Rotated());
    if (!(FDropDownButton && (!FDropDownSplit || inPart))) {
        if (!FDown) {
            FState = absDown;
            Invalidate();
        }
        FDragging = true;
        if (FStyle == tasCheck) {
            FState = absDown;
            Repaint();
        }
        TOrvCustomToolBarControl::MouseDown(button, shift, x, y);
        return;
    }
    // The press belongs to the drop-down part: its release is no click.
    FClicked = false;
    FState = absUp;
    FMouseInControl = FHot = FPropHot = false;
    std::shared_ptr<bool> alive = FAlive;
    OnDropDown(this);
    if (!*alive) return;
    if (FDropDownMenu) {
        if (FStyle == tasButton) FState = absUp;
        FMenuSel = true;
        Repaint();
        PopupDropDownMenu();
        if (!*alive) return;
        FMenuSel = false;
        Repaint();
    }
    TOrvCustomToolBarControl::MouseDown(button, shift, x, y);
}

void TOrvCustomToolBarButton::MouseMove(TShiftState shift, int x, int y) {
    if (FDragging) {
        TOrvButtonState state = FDown ? absExclusive : Inside(x, y) ? absDown : absUp;
        if (FStyle == tasCheck && FDown) state = absDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        TrackPointer(x, y);
    }
    TOrvCustomToolBarControl::MouseMove(shift, x, y);
}

void TOrvCustomToolBarButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button != TMouseButton::mbLeft) {
        TOrvCustomToolBarControl::MouseUp(button, shift, x, y);
        return;
    }
    FMenuSel = false;
    FMouseDownInControl = false;
    bool menuButtonWithMenu = IsMenuButton() && (FDropDownMenu || FMenuItem);
    if (menuButtonWithMenu || !FDragging) {
        FClicked = false;
        TOrvCustomToolBarControl::MouseUp(button, shift, x, y);
        return;
    }
    FDragging = false;
    bool inside = Inside(x, y);
    auto* action = dynamic_cast<TCustomAction*>(GetAction());
    if (FGroupIndex != 0) {
        bool actionHandles = action && (FCheckLinked || FGroupIndexLinked);
        if (!actionHandles) {
            if (inside) {
                SetDown(!FDown);
                if (FDown) Repaint();
            } else if (FDown) {
                FState = absExclusive;
                Repaint();
            }
        }
    } else {
        FState = absUp;
        FHot = false;
        if (FStyle == tasCheck && inside) SetDown(!FDown);
        Repaint();
    }
    TrackPointer(x, y);
    TOrvCustomToolBarControl::MouseUp(button, shift, x, y);
}

void TOrvCustomToolBarButton::WndProc(TMessage& m) {
    switch (m.Msg) {
        case CM_BUTTONPRESSED:
            ButtonPressed(static_cast<int>(m.WParam),
                          dynamic_cast<TOrvCustomToolBarButton*>(reinterpret_cast<TControl*>(m.LParam)));
            return;
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            TOrvCustomToolBarControl::WndProc(m);
            ContentChanged();
            return;
        case CM_ENABLEDCHANGED:
            if (!GetEnabled()) {
                FUnHotTimer->SetEnabled(false);
                FMouseInControl = FHot = FPropHot = false;
            }
            break;
        default:
            break;
    }
    TOrvCustomToolBarControl::WndProc(m);
}

// --- glyphs and sizes -----------------------------------------------------------------------------------------

TImageList* TOrvCustomToolBarButton::GlyphImages(int& index) {
    index = FImageIndex;
    TImageList* hostImages = FOrvToolBar              ? FOrvToolBar->GetImages()
                             : FOrvQuickAccessToolBar ? FOrvQuickAccessToolBar->QuickAccessImages()
                                                      : nullptr;
    TImageList* hostDisabled = FOrvToolBar              ? FOrvToolBar->GetDisabledImages()
                               : FOrvQuickAccessToolBar ? FOrvQuickAccessToolBar->QuickAccessDisabledImages()
                                                        : nullptr;
    TImageList* list = hostImages;
    auto* action = dynamic_cast<TCustomAction*>(GetAction());
    if (!FForceImageIndex && action && action->GetActionList() && action->GetActionList()->GetImages()) {
        list = action->GetActionList()->GetImages();
        index = action->GetImageIndex();
    }
    if (!GetEnabled() && list && hostDisabled) list = hostDisabled;
    if (!list || index < 0 || index >= list->Count()) return nullptr;
    return list;
}

TBitmap* TOrvCustomToolBarButton::StateBitmap(TToolButtonGlyph which) {
    TBitmap* b = nullptr;
    switch (which) {
        case tgHot:
            b = FGlyphHot.get();
            break;
        case tgDown:
            b = FGlyphDown.get();
            break;
        case tgDisabled:
            b = FGlyphDisabled.get();
            break;
        case tgChecked:
            b = FGlyphChecked.get();
            break;
        default:
            break;
    }
    return b && !b->Empty() ? b : FGlyph.get();
}

TSize TOrvCustomToolBarButton::GlyphSize() {
    int index;
    if (TImageList* list = GlyphImages(index)) return {list->GetWidth(), list->GetHeight()};
    TSize size{0, 0};
    for (TBitmap* b : {FGlyph.get(), FGlyphHot.get(), FGlyphDown.get(), FGlyphDisabled.get(), FGlyphChecked.get()}) {
        size.cx = std::max(size.cx, b->Width());
        size.cy = std::max(size.cy, b->Height());
    }
    if (size.cx > 0 || size.cy > 0) return size;
    if (!FPicture->Empty()) return {FPicture->Width(), FPicture->Height()};
    return {0, 0};
}

const TFont& TOrvCustomToolBarButton::CaptionFont() {
    if (FParentStyler)
        if (TCustomOrvToolBarStyler* styler = HostStyler()) return styler->CaptionFont();
    return FFont;
}

const TOrvCustomToolBarButton::TMeasuredCaption& TOrvCustomToolBarButton::Measure() {
    const TFont& font = CaptionFont();
    bool same = FMeasuredValid && FMeasured.Text == FCaption && FMeasured.FontName == font.GetName() &&
                FMeasured.FontHeight == font.GetHeight() && FMeasured.FontStyle == font.GetStyle() &&
                FMeasured.Charset == font.GetCharset();
    if (same) return FMeasured;
    FMeasured.Text = FCaption;
    FMeasured.FontName = font.GetName();
    FMeasured.FontHeight = font.GetHeight();
    FMeasured.FontStyle = font.GetStyle();
    FMeasured.Charset = font.GetCharset();
    FMeasured.Size = MeasureSingleLine(font, FCaption);
    FMeasured.GhHeight = TextHeightOf(font, L"gh");
    FMeasuredValid = true;
    return FMeasured;
}

TSize TOrvCustomToolBarButton::CaptionSize() {
    if (!FShowCaption || FCaption.empty()) return {0, 0};
    return Measure().Size;
}

void TOrvCustomToolBarButton::SetOffSet(int value) {
    if (FOffSet == value) return;
    FOffSet = value;
    AdjustSize();
    Invalidate();
}

void TOrvCustomToolBarButton::AdjustSize() {
    if (!FAutoSize || !FParent || IsLoading()) return;
    TToolButtonSizeInput in;
    in.Glyph = GlyphSize();
    in.TextWidth = CaptionSize().cx;
    in.TextHeight = Measure().GhHeight;
    in.Spacing = FSpacing;
    in.Offset = FOffSet;
    in.QuickAccess = FOrvQuickAccessToolBar != nullptr;
    in.DropDown = FDropDownButton;
    in.DropDownWidth = FDropDownSectWidth;
    in.Position = FGlyphPosition;
    TSize sums = ToolButtonAutoSize(in);
    // In a toolbar container the button keeps to its own sums: the toolbar's thickness
    // is not the container's.
    TOrvCustomToolBar* bar = FOrvToolBar && Parent() == FOrvToolBar ? FOrvToolBar : nullptr;
    bool floating = bar && bar->GetToolBarState() == tsFloating;
    bool applyAcross = in.QuickAccess || floating || (bar && bar->GetAutoPositionControls()) || (FOrvToolBar && !bar);
    int across = sums.cy;
    if (bar && (Horizontal() || Rotated())) {
        // Across the toolbar: its height, or its width for a button turned with a vertical
        // toolbar (raising a turned button to the toolbar's height would make it as wide
        // as the toolbar is long).
        int inner = (Rotated() ? bar->Width() : bar->Height()) - 4;
        if (bar->GetShowCaption()) inner -= bar->GetCaptionHeight();
        // Floating, the toolbar is a caption over rows: a row is as thick as when docked.
        if (floating) inner = bar->SizeAtDock() - 4;
        across = std::max(across, inner);
    } else if (FOrvQuickAccessToolBar) {
        across = std::max(across, FOrvQuickAccessToolBar->QuickAccessControl()->ClientHeight() - 1);
    }
    int oldWidth = FWidth, oldHeight = FHeight;
    if (Rotated()) {
        // The sums run down the toolbar: the along size is the height.
        int width = across;
        if (floating) width = std::max(width, bar->SizeAtDock() - 4);
        SetBounds(FLeft, FTop, applyAcross ? width : FWidth, sums.cx);
    } else {
        SetBounds(FLeft, FTop, sums.cx, applyAcross ? across : FHeight);
    }
    // The toolbar places its controls by their sizes: a new size moves the ones after it.
    if (bar && (FWidth != oldWidth || FHeight != oldHeight)) bar->ControlResized(this);
}

void TOrvCustomToolBarButton::BuildShade() {
    // The silhouette of the glyph (or of the list image drawn on magenta) in grey.
    TBitmap source;
    TColor key = clFuchsia;
    int index;
    if (TImageList* list = GlyphImages(index)) {
        list->GetBitmap(index, source, clFuchsia);
    } else if (!FGlyph->Empty()) {
        source.Assign(FGlyph.get());
        key = FGlyph->GetTransparentColor();
    } else {
        FGlyphShade = std::make_unique<TBitmap>();
        FShadedForGlyph = false;
        GlyphChanged();
        return;
    }
    auto shade = std::make_unique<TBitmap>(source.Width(), source.Height());
    shade->Canvas().Brush().SetColor(clFuchsia);
    shade->Canvas().FillRect({0, 0, source.Width(), source.Height()});
    for (int y = 0; y < source.Height(); ++y)
        for (int x = 0; x < source.Width(); ++x)
            if (source.PixelColor(x, y) != key) shade->Canvas().SetPixel(x, y, 0x808080);
    shade->SetTransparentColor(clFuchsia);
    shade->SetTransparent(true);
    FGlyphShade = std::move(shade);
    FGlyphFaces[kShadeFace].reset();
    FShadedForGlyph = true;
    GlyphChanged();
}

void TOrvCustomToolBarButton::GlyphChanged() {
    static uint64_t versions = 0;
    FGlyphVersion = ++versions;
}

}  // namespace orv
