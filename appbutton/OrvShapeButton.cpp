#include "appbutton/OrvShapeButton.h"

#include <algorithm>

#include "appmenu/OrvPreviewMenu.h"
#include "paint/ShapeButtonPaint.h"
#include "appbutton/FrameWindow.h"
#include "framework/Forms.h"
#include "framework/RegisteredMessages.h"
#include "framework/Screen.h"
#include "framework/SysUtils.h"
#include "framework/Timer.h"
#include "hints/OrvHintInfo.h"
#include "hints/ShortCutHintWindow.h"
#include "paint/FaceCache.h"
#include "paint/FaceParts.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvDWM.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

// Posted to itself in glass mode: repaint shape, picture and caption.
constexpr UINT WM_ORV_SHAPEREPAINT = WM_ORV_FIRST + 0x32;

// The IWinStyle controls of a frame in list order, however deep a plain container holds
// them; an IWinStyle control speaks for what it contains, so the walk stops there.
void CollectWinStyle(TWinControl* parent, std::vector<IWinStyle*>& out) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* w = dynamic_cast<IWinStyle*>(c))
            out.push_back(w);
        else if (auto* container = dynamic_cast<TWinControl*>(c))
            CollectWinStyle(container, out);
    }
}

template <class F>
void ForEachWinStyleChild(TWinControl* frame, F f) {
    if (!frame) return;
    // Collected first: a call may change the tree.
    std::vector<IWinStyle*> targets;
    CollectWinStyle(frame, targets);
    for (IWinStyle* w : targets) f(*w);
}

}  // namespace

// --- pure geometry ------------------------------------------------------------------------

TShapeContentLayout ShapeContentLayout(TShapeButtonLayout layout, int width, int height, int pw, int ph, int th) {
    TShapeContentLayout out;
    out.Caption = {0, 0, width, height};
    out.Picture = {(width - pw) / 2, (height - ph) / 2};
    bool picture = pw > 0 || ph > 0;
    if (!picture || layout == plPictureCenter) return out;
    int y = (height - ph - th) / 2;
    if (y <= 1) y = 2;
    out.CaptionTop = true;
    if (layout == plPictureOnTop) {
        out.Picture.Y = y;
        out.Caption = {0, ph + y - 2, width, height};
    } else {
        out.Caption = {0, y, width, y + th - 1};
        out.Picture.Y = y + th;
    }
    return out;
}

TShapeMenuPlacement ShapeMenuPlacement(bool scenic, TPoint buttonScreen, int buttonHeight, int menuWidth,
                                       int topFrameHeight, int workAreaRight) {
    TShapeMenuPlacement out;
    out.Origin = scenic ? TPoint{buttonScreen.X, buttonScreen.Y - 1}
                        : TPoint{buttonScreen.X, buttonScreen.Y + buttonHeight - topFrameHeight + 2};
    if (!scenic) out.Origin.X -= 3;
    if (out.Origin.X + menuWidth > workAreaRight) {
        out.OffSet = workAreaRight - out.Origin.X - menuWidth;
        out.Origin.X += out.OffSet;
    }
    return out;
}

// --- action link ---------------------------------------------------------------------------

TOrvShapeButtonActionLink::TOrvShapeButtonActionLink(TOrvCustomShapeButton* client)
    : TControlActionLink(client), FClient(client) {}

bool TOrvShapeButtonActionLink::IsCheckedLinked() {
    TCustomAction* a = Custom();
    FClient->FCheckLinked = a && a->GetChecked() == FClient->GetDown();
    return FClient->FCheckLinked;
}

bool TOrvShapeButtonActionLink::IsGroupIndexLinked() {
    TCustomAction* a = Custom();
    FClient->FGroupIndexLinked = a && a->GetGroupIndex() == FClient->GetGroupIndex();
    return FClient->FGroupIndexLinked;
}

void TOrvShapeButtonActionLink::SetChecked(bool value) {
    if (IsCheckedLinked()) FClient->SetDown(value);
}

void TOrvShapeButtonActionLink::SetGroupIndex(int value) {
    if (IsGroupIndexLinked()) FClient->SetGroupIndex(value);
}

std::unique_ptr<TControlActionLink> TOrvCustomShapeButton::CreateActionLink() {
    return std::make_unique<TOrvShapeButtonActionLink>(this);
}

void TOrvCustomShapeButton::ActionChange(TObject* sender, bool checkDefaults) {
    TCustomControl::ActionChange(sender, checkDefaults);
    auto* a = dynamic_cast<TCustomAction*>(sender);
    if (!a) return;
    if (checkDefaults || FGroupIndex == 0) SetGroupIndex(a->GetGroupIndex());
    SetDown(a->GetChecked());
}

// --- construction ----------------------------------------------------------------------------

TOrvCustomShapeButton::TOrvCustomShapeButton(TComponent* owner)
    : TCustomControl(owner),
      FAppearance(this),
      FPicture(std::make_unique<TGDIPPicture>()),
      FPictureHot(std::make_unique<TGDIPPicture>()),
      FPictureDown(std::make_unique<TGDIPPicture>()),
      FPictureDisabled(std::make_unique<TGDIPPicture>()),
      FOfficeHint(std::make_unique<TOrvHintInfo>()),
      FShortCutHintPos(shpCenter) {
    FControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
    FLeft = 0;
    FTop = 0;
    FWidth = 22;
    FHeight = 23;
    FTabStop = false;
    Font().SetName(L"Tahoma");
    auto repaint = [this](TObject*) { Invalidate(); };
    FPicture->OnChange = repaint;
    FPictureDisabled->OnChange = repaint;
    FUnHotTimer = new TTimer(this);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->OnTimer = [this](TObject* s) { UnHotTimerTick(s); };
    FShowMenuTimer = new TTimer(this);
    FShowMenuTimer->SetEnabled(false);
    FShowMenuTimer->SetInterval(100);
    FShowMenuTimer->OnTimer = [this](TObject* s) { ShowMenuTimerTick(s); };
    FIsAeroVista = GlassCondition(IsDesigning());
    SetGlass(FIsAeroVista);
}

TOrvCustomShapeButton::~TOrvCustomShapeButton() = default;

void TOrvCustomShapeButton::BeforeDestruction() {
    FCanShowMenu = false;
    FShowMenuTimer->SetEnabled(false);
    FUnHotTimer->SetEnabled(false);
    if (FOrvPreviewMenu) {
        // A menu that outlives the button must not call back into it.
        UnhookMenuEvents(FOrvPreviewMenu);
        FOrvPreviewMenu->FMenuPicture = nullptr;
        RemoveFreeNotification(FOrvPreviewMenu);
        FOrvPreviewMenu = nullptr;
    }
    if (FMenuFrame) {
        TFrameWindow* window = FMenuFrame;
        window->OnHide = nullptr;
        if (window->GetVisible()) window->Hide();
        // The frame goes home before its host window (and the window's children) go.
        ReleaseFrame();
        FMenuFrame = nullptr;
        RemoveFreeNotification(window);
        window->Free();
    }
    if (FFrame) RemoveFreeNotification(FFrame);
    FFrame = nullptr;
    TCustomControl::BeforeDestruction();
}

void TOrvCustomShapeButton::Loaded() {
    TCustomControl::Loaded();
    if (FInitialDown) SetDown(true);
}

void TOrvCustomShapeButton::Notification(TComponent* component, TOperation operation) {
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == FOrvPreviewMenu) FOrvPreviewMenu = nullptr;
    if (component == FFrame) {
        FFrame = nullptr;
        FFrameHomeParent = nullptr;
        FFrameMoved = false;
    }
    if (component == FFrameHomeParent) FFrameHomeParent = nullptr;
    if (component == FMenuFrame) FMenuFrame = nullptr;
    if (component == FShortCutHint) FShortCutHint = nullptr;
    if (component == FRefGlowButton) FRefGlowButton = nullptr;
}

void TOrvCustomShapeButton::SetParent(TWinControl* parent) {
    TCustomControl::SetParent(parent);
    // Glass needs the toolbar form two levels up (the pager's form).
    if (parent && FIsAeroVista && !dynamic_cast<TOrvToolBarForm*>(parent->Parent())) SetGlass(false);
}

void TOrvCustomShapeButton::SetGlass(bool value) {
    FIsAeroVista = value;
    if (value) {
        FControlStyle = (FControlStyle & ~csOpaque) | csParentBackground;
        FDoubleBuffered = false;
        if (!FRefGlowButton) {
            FRefGlowButton = new TOrvGlowButton(this);
            FRefGlowButton->SetBounds(0, 0, 1, 1);
            FRefGlowButton->SetTransparent(true);
            FRefGlowButton->SetVisible(false);
            FRefGlowButton->SetParent(this);
        }
    } else {
        FControlStyle = (FControlStyle & ~csParentBackground) | csOpaque;
        FDoubleBuffered = true;
    }
    Invalidate();
}

// --- properties ------------------------------------------------------------------------------

void TOrvCustomShapeButton::HookMenuEvents(TOrvPreviewMenu* menu) {
    menu->OnDrawButtonFrameTop = [this](TObject* s, TCanvas& c, TRect r) { DrawOnPreviewMenu(s, c, r); };
    menu->OnPreviewHide = [this](TObject*) { Invalidate(); };
    menu->WatchMenuButtonOwner(this);
}

void TOrvCustomShapeButton::UnhookMenuEvents(TOrvPreviewMenu* menu) {
    menu->OnDrawButtonFrameTop.Reset();
    menu->OnPreviewHide.Reset();
}

void TOrvCustomShapeButton::SetOrvPreviewMenu(TOrvPreviewMenu* value) {
    if (FOrvPreviewMenu == value) return;
    if (FOrvPreviewMenu) {
        UnhookMenuEvents(FOrvPreviewMenu);
        RemoveFreeNotification(FOrvPreviewMenu);
    }
    FOrvPreviewMenu = value;
    if (value) {
        FreeNotification(value);
        HookMenuEvents(value);
    }
}

void TOrvCustomShapeButton::SetOfficeHint(const TOrvHintInfo& value) {
    FOfficeHint->Assign(&value);
}

void TOrvCustomShapeButton::SetFrame(TWinControl* value) {
    if (FFrame == value) return;
    TWinControl* old = FFrame;
    if (old) {
        if (FMenuFrame && FMenuFrame->GetVisible()) FMenuFrame->Hide();
        ReleaseFrame();
        RemoveFreeNotification(old);
        if (!old->IsDestroying()) old->SetVisible(true);
    }
    FFrame = value;
    FFrameHomeParent = nullptr;
    FFrameMoved = false;
    if (value) {
        FreeNotification(value);
        // It lives hidden where it is until the frame window first shows it.
        value->SetVisible(false);
    }
}

void TOrvCustomShapeButton::ReleaseFrame() {
    if (!FFrame || !FFrameMoved) return;
    FFrameMoved = false;
    TWinControl* home = FFrameHomeParent;
    if (home) RemoveFreeNotification(home);
    FFrameHomeParent = nullptr;
    if (FFrame->IsDestroying()) return;
    FFrame->SetParent(home && !home->IsDestroying() ? home : nullptr);
}

void TOrvCustomShapeButton::SetStyle(TOrvToolButtonStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    if (FStyle == tasButton && FGroupIndex == 0 && FDown) {
        FDown = false;
        Invalidate();
    }
}

// --- group behaviour -------------------------------------------------------------------------

void TOrvCustomShapeButton::SetDown(bool value) {
    if (IsLoading()) {
        FInitialDown = value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == tasButton) value = false;
    if (FGroupIndex == 0 && FStyle == tasCheck) {
        FDown = value;
        Repaint();
        return;
    }
    if (value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = value;
    Invalidate();
    if (value) UpdateExclusive();
}

void TOrvCustomShapeButton::SetGroupIndex(int value) {
    if (FGroupIndex == value) return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TOrvCustomShapeButton::SetAllowAllUp(bool value) {
    if (FAllowAllUp == value) return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TOrvCustomShapeButton::UpdateExclusive() {
    if (!FParent) return;
    TWinControl* parent = FParent;
    for (int i = 0; i < parent->ControlCount(); ++i)
        parent->Controls(i)->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                                     reinterpret_cast<LPARAM>(static_cast<TControl*>(this)));
}

void TOrvCustomShapeButton::ButtonPressed(int groupIndex, TOrvCustomShapeButton* sender) {
    if (!sender || sender == this || groupIndex == 0 || groupIndex != FGroupIndex) return;
    if (sender->FDown && FDown) {
        FDown = false;
        if (auto* action = dynamic_cast<TCustomAction*>(GetAction())) action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = sender->FAllowAllUp;
}

// --- click and the menu or frame -----------------------------------------------------------------

void TOrvCustomShapeButton::Click() {
    FShowAfterInternalClick = FInternalClick;
    if (!FInternalClick) TCustomControl::Click();
    if ((FOrvPreviewMenu || FFrame) && GetEnabled() && !IsDestroying()) {
        FCanShowMenu = true;
        if (FShortCutHint && FShortCutHint->GetVisible() && !FInternalClick) FDoShowMenuHint = true;
        FShowMenuTimer->SetEnabled(true);
        FMenuBeingShown = true;
        Invalidate();
    }
}

void TOrvCustomShapeButton::ShowMenuTimerTick(TObject*) {
    FShowMenuTimer->SetEnabled(false);
    ShowMenuOrFrame();
}

void TOrvCustomShapeButton::ShowMenuOrFrame() {
    FShowMenuTimer->SetEnabled(false);
    if (!FCanShowMenu || IsDestroying()) return;
    FCanShowMenu = false;
    bool showHints = (FShortCutHint && FShortCutHint->GetVisible() && !FShowAfterInternalClick) || FDoShowMenuHint;
    FDoShowMenuHint = false;
    bool useFrame = FFrame && ScenicRibbonMode && Office2010Look;
    if (!useFrame && FOrvPreviewMenu)
        ShowPreviewMenu(showHints);
    else if (useFrame)
        ToggleFrameWindow(showHints);
    FMenuBeingShown = false;
    Invalidate();
}

void TOrvCustomShapeButton::ShowPreviewMenu(bool showHints) {
    TOrvPreviewMenu* menu = FOrvPreviewMenu;
    TSize size = menu->MenuSize();
    FPreviewMenuOffSet = 0;
    TPoint origin = ClientToScreen({0, 0});
    TPoint probe = ScenicRibbonMode ? TPoint{origin.X, origin.Y - 1} : origin;
    TRect work = Screen ? Screen->MonitorFromPoint(probe).WorkareaRect : TRect{0, 0, 0, 0};
    if (work.IsEmpty()) {
        RECT r;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        work = {r.left, r.top, r.right, r.bottom};
    }
    TShapeMenuPlacement place =
        ShapeMenuPlacement(ScenicRibbonMode, origin, FHeight, size.cx, menu->FrameMetrics().TopHeight, work.Right);
    FPreviewMenuOffSet = place.OffSet;
    if (place.OffSet != 0) HookMenuEvents(menu);
    if (ScenicRibbonMode) {
        const TOrvShapeButtonAppearance& a = FAppearance;
        menu->SetMenuButtonAppearance(a.GetBorderColorDown(), a.GetInnerBorderColorDown(), a.GetColorDown(),
                                      a.GetColorDownTo(), a.GetColorDownMirror(), a.GetColorDownMirrorTo(),
                                      a.GetMenuShapeColorDown(), a.GetShowMenuShape(), FPictureDown.get(), GetCaption(),
                                      &Font());
        menu->WatchMenuButtonOwner(this);
    }
    menu->ShowMenu(place.Origin.X, place.Origin.Y);
    if (showHints) menu->ShowShortCutHints();
}

void TOrvCustomShapeButton::EnsureFrameWindow() {
    if (FMenuFrame) return;
    auto* w = new TFrameWindow(this);
    w->SetBorderIcons(0);
    w->SetBorderStyle(TFormBorderStyle::bsNone);
    w->SetFormStyle(TFormStyle::fsStayOnTop);
    w->SetShowBorder(false);
    w->SetDoubleBuffered(true);
    w->OnHide = [this](TObject*) { HideFrameShortCuts(); };
    FreeNotification(w);
    FMenuFrame = w;
}

void TOrvCustomShapeButton::HideFrameShortCuts() {
    ForEachWinStyleChild(FFrame, [](IWinStyle& s) { s.HideMenuShortCuts(); });
}

void TOrvCustomShapeButton::TellFrameChangeMenu(TColor color) {
    ForEachWinStyleChild(FFrame, [color](IWinStyle& s) { s.ChangeMenu(color); });
}

void TOrvCustomShapeButton::ToggleFrameWindow(bool showHints) {
    // The window takes the pager's width: without a pager there is nothing to open.
    if (!PagerParent()) return;
    EnsureFrameWindow();
    TFrameWindow* w = FMenuFrame;
    if (w->GetVisible()) {
        w->Hide();
        HideFrameShortCuts();
        return;
    }
    w->HandleNeeded();
    PlaceFrameWindow();
    w->ShowNoActivate();
    if (!FFrameMoved) {
        FFrameHomeParent = FFrame->Parent();
        if (FFrameHomeParent) FreeNotification(FFrameHomeParent);
        FFrameMoved = true;
    }
    FFrame->SetParent(w);
    FFrame->SetVisible(true);
    FFrame->SetBounds(0, 3, w->Width(), w->Height() - 3);
    if (showHints) ForEachWinStyleChild(FFrame, [](IWinStyle& s) { s.ShowMenuShortCuts(); });
    if (w->GetVisible() && FFrame->ControlCount() > 0) {
        auto* first = dynamic_cast<TWinControl*>(FFrame->Controls(0));
        if (first && first->GetVisible() && first->CanFocus()) first->SetFocus();
    }
}

void TOrvCustomShapeButton::PlaceFrameWindow() {
    TWinControl* pager = PagerParent();
    if (!pager || !FMenuFrame) return;
    TPoint p = ClientToScreen({0, FHeight});
    FMenuFrame->SetBounds(p.X, p.Y - 1, pager->Width(), GetFrameHeight());
    FMenuFrame->ApplyRegion();
}

void TOrvCustomShapeButton::UpdateMenu() {
    if (!FMenuFrame || !FMenuFrame->GetVisible() || !PagerParent()) return;
    PlaceFrameWindow();
    if (FFrame && FFrame->Parent() == FMenuFrame)
        FFrame->SetBounds(0, 3, FMenuFrame->Width(), FMenuFrame->Height() - 3);
}

void TOrvCustomShapeButton::HideFrame() {
    if (FMenuFrame && FMenuFrame->GetVisible()) FMenuFrame->Hide();
}

TWinControl* TOrvCustomShapeButton::PagerParent() const {
    return dynamic_cast<TOrvToolBarPager*>(FParent);
}

int TOrvCustomShapeButton::PagerCaptionHeight() const {
    auto* pager = dynamic_cast<TOrvToolBarPager*>(FParent);
    if (!pager || !pager->Caption().GetVisible()) return 0;
    return pager->Caption().GetHeight();
}

int TOrvCustomShapeButton::GetFrameHeight() {
    TWinControl* pager = PagerParent();
    if (!pager || !pager->Parent()) return 0;
    TWinControl* f = pager->Parent();
    int m = 0;
    if (auto* form = dynamic_cast<TForm*>(f);
        form && form->HandleAllocated() && form->GetWindowState() == TWindowState::wsMaximized)
        m = GetSystemMetrics(SM_CYFRAME);
    int frameWidth = GetSystemMetrics(SM_CXFRAME);
    int h = FIsAeroVista ? f->Height() - (GetSystemMetrics(SM_CYCAPTION) + m + FHeight + 2 * frameWidth)
                         : f->Height() - (2 * frameWidth + m + FHeight + FTop);
    return std::max(0, h);
}

// --- style -------------------------------------------------------------------------------------

void TOrvCustomShapeButton::InitializeStyle() {
    int c = PagerCaptionHeight();
    if (ScenicRibbonMode) {
        FAppearance.SetShape(TOrvButtonShape::bsRectangle);
        FAppearance.SetShowMenuShape(!Office2010Look);
        SetBounds(0, c + 3, 55, 24);
    } else {
        if (FAppearance.GetShape() == TOrvButtonShape::bsRectangle) FAppearance.SetShape(TOrvButtonShape::bsOrb);
        FAppearance.SetShowMenuShape(false);
        if (!FPicture->Empty() && FAppearance.GetShape() == TOrvButtonShape::bsCustom) {
            if (FPicture->Width() == 0) FPicture->GetImageSizes();
            int pw = FPicture->Width(), ph = FPicture->Height();
            // A picture whose size cannot be read leaves the bounds alone.
            if (pw > 0 && ph > 0) SetBounds(5, 6, pw, ph);
        } else {
            SetBounds(5, 6, 45, 45);
        }
    }
    if (IsDesigning()) InitializeColors();
}

void TOrvCustomShapeButton::InitializeColors() {
    TOrvShapeButtonAppearance& a = FAppearance;
    if (!ScenicRibbonMode) {
        a.SetBorderColor(clWhite);
        a.SetBorderColorHot(clWhite);
        a.SetBorderColorDown(clWhite);
        a.SetBorderColorDisabled(clWhite);
        a.SetInnerBorderColor(8421504);
        a.SetInnerBorderColorHot(8421504);
        a.SetInnerBorderColorDown(8421504);
        a.SetColor(12954008);
        a.SetColorTo(15722980);
        a.SetColorHot(14408667);
        a.SetColorHotTo(14408667);
        a.SetColorDown(10724259);
        a.SetColorDownTo(10724259);
        a.SetColorDisabled(8421504);
        a.SetColorDisabledTo(8421504);
    } else {
        TOrvShapeButtonAppearance defaults;
        a.AssignColors(&defaults);
        if (Office2010Look) {
            a.SetBorderColor(10569759);
            a.SetBorderColorDown(10569759);
            a.SetInnerBorderColor(15042372);
            a.SetInnerBorderColorDown(15042372);
            a.SetColor(14318910);
            a.SetColorDown(14318910);
            a.SetColorTo(11690024);
            a.SetColorDownTo(11690024);
            a.SetInnerBorderColorHot(15966549);
            a.SetColorHot(14515779);
            a.SetColorHotTo(12347186);
        } else {
            a.SetMenuShapeColor(clWhite);
            a.SetMenuShapeColorHot(clWhite);
            a.SetMenuShapeColorDown(clWhite);
            a.SetMenuShapeColorDisabled(clWhite);
        }
    }
    TellFrameChangeMenu(GetColor());
}

void TOrvCustomShapeButton::ChangeStyle(bool aWin7, int aStyle) {
    InitializeStyle();
    int c = PagerCaptionHeight();
    if (aWin7)
        SetBounds(0, c + 3, 55, 24);
    else
        SetBounds(5, 6, 45, 45);
    Invalidate();
    if (FOrvPreviewMenu) FOrvPreviewMenu->ChangeStyle(aWin7, aStyle);
    ForEachWinStyleChild(FFrame, [aWin7, aStyle](IWinStyle& s) { s.ChangeStyle(aWin7, aStyle); });
}

// --- mouse and keyboard ----------------------------------------------------------------------------

void TOrvCustomShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && GetEnabled()) {
        FMouseDownInControl = true;
        FDragging = true;
        Repaint();
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TOrvCustomShapeButton::MouseMove(TShiftState shift, int x, int y) {
    if (FDragging) {
        bool inside = x >= 0 && x < FWidth && y >= 0 && y < FHeight;
        if (inside != FMouseInControl) {
            FMouseInControl = inside;
            Repaint();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TOrvCustomShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft) {
        bool wasDragging = FDragging;
        FDragging = false;
        FMouseDownInControl = false;
        Repaint();
        bool inside = x >= 0 && x < FWidth && y >= 0 && y < FHeight;
        if (wasDragging && inside) {
            if (FGroupIndex != 0)
                SetDown(!FDown);
            else if (FStyle == tasCheck)
                SetDown(!FDown);
        }
        if (FGroupIndex == 0) FHot = false;
        SyncHover();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TOrvCustomShapeButton::SyncHover() {
    POINT sp;
    GetCursorPos(&sp);
    TPoint p = ScreenToClient({sp.x, sp.y});
    bool inside = p.X >= 0 && p.X < FWidth && p.Y >= 0 && p.Y < FHeight;
    if (inside && !FMouseInControl)
        Perform(CM_MOUSEENTER);
    else if (!inside && FMouseInControl)
        Perform(CM_MOUSELEAVE);
}

void TOrvCustomShapeButton::DblClick() {
    FCanShowMenu = false;
    FMenuBeingShown = false;
    FMouseDownInControl = false;
    TCustomControl::DblClick();
}

void TOrvCustomShapeButton::MouseEnter() {
    FHot = true;
    Repaint();
    if (auto* pager = dynamic_cast<TOrvToolBarPager*>(FParent)) pager->ShapeButtonRefreshed();
    FUnHotTimer->SetEnabled(true);
    TCustomControl::MouseEnter();
}

void TOrvCustomShapeButton::MouseLeave() {
    FUnHotTimer->SetEnabled(false);
    FHot = false;
    if (!FPictureHot->Empty()) Invalidate();
    Repaint();
    if (auto* pager = dynamic_cast<TOrvToolBarPager*>(FParent)) pager->ShapeButtonRefreshed();
    TCustomControl::MouseLeave();
}

void TOrvCustomShapeButton::UnHotTimerTick(TObject*) {
    if (!HandleAllocated()) return;
    POINT sp;
    GetCursorPos(&sp);
    TPoint p = ScreenToClient({sp.x, sp.y});
    if (p.X >= 0 && p.X < FWidth && p.Y >= 0 && p.Y < FHeight) return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    FHot = false;
    Invalidate();
}

void TOrvCustomShapeButton::KeyDown(uint16_t& key, TShiftState shift) {
    if (key == VK_RETURN || key == VK_SPACE) {
        FKeyDown = true;
        Repaint();
        FInternalClick = true;
        Click();
        FInternalClick = false;
    }
    TCustomControl::KeyDown(key, shift);
}

void TOrvCustomShapeButton::KeyUp(uint16_t& key, TShiftState shift) {
    if (FKeyDown) {
        FKeyDown = false;
        Invalidate();
    }
    TCustomControl::KeyUp(key, shift);
}

LRESULT TOrvCustomShapeButton::DialogCode() {
    return DLGC_WANTALLKEYS;
}

void TOrvCustomShapeButton::DoEnter() {
    FHasFocus = true;
    Invalidate();
    TCustomControl::DoEnter();
}

void TOrvCustomShapeButton::DoExit() {
    FHasFocus = false;
    Invalidate();
    TCustomControl::DoExit();
}

// --- key tips ----------------------------------------------------------------------------------------

void TOrvCustomShapeButton::ShowShortCutHint() {
    if (!FShortCutHint) {
        FShortCutHint = new TShortCutHintWindow(this);
        FShortCutHint->SetVisible(false);
        FreeNotification(FShortCutHint);
    }
    FShortCutHint->SetColor(clWhite);
    TColor to = 12632256;
    if (auto* pager = dynamic_cast<TOrvToolBarPager*>(FParent); pager && pager->GetToolBarStyler())
        to = pager->GetToolBarStyler()->GlowButtonAppearance().GetColor();
    FShortCutHint->SetColorTo(to);
    TRect need = FShortCutHint->CalcHintRect(FShortCutHintText);
    int w = need.Width(), h = need.Height();
    TPoint s = ClientToScreen({0, 0});
    TPoint at{FShortCutHint->Left(), FShortCutHint->Top()};
    switch (FShortCutHintPos) {
        case shpLeft:
            at = {s.X - w / 2, s.Y + (FHeight - h) / 2};
            break;
        case shpTop:
            at = {s.X + (FWidth - w) / 2, s.Y - h / 2};
            break;
        case shpRight:
            at = {s.X + FWidth - w / 2, s.Y + (FHeight - h) / 2};
            break;
        case shpBottom:
            at = {s.X + (FWidth - w) / 2, s.Y + FHeight - h / 2};
            break;
        case shpCenter:
            at = {s.X + (FWidth - w) / 2, s.Y + (FHeight - h) / 2};
            break;
        default:
            break;
    }
    FShortCutHint->ActivateHint(Bounds(at.X, at.Y, w, h), FShortCutHintText);
}

IToolBarKeyTips::TMatch TOrvCustomShapeButton::MatchShortCutHint(const std::wstring& typed) {
    if (FShortCutHintText.empty()) return kmNone;
    if (CompareText(FShortCutHintText, typed) == 0) {
        Invalidate();
        if (GetEnabled()) Click();
        return kmMatched;
    }
    bool candidate =
        typed.size() <= FShortCutHintText.size() && CompareText(FShortCutHintText.substr(0, typed.size()), typed) == 0;
    if (candidate) return kmCandidate;
    HideShortCutHint();
    return kmNone;
}

void TOrvCustomShapeButton::HideShortCutHint() {
    if (!FShortCutHint) return;
    TShortCutHintWindow* w = FShortCutHint;
    FShortCutHint = nullptr;
    RemoveFreeNotification(w);
    w->HideHint();
    w->Free();
}

// --- messages --------------------------------------------------------------------------------------------

void TOrvCustomShapeButton::WndProc(TMessage& m) {
    if (m.Msg == SetAeroVistaMessage()) {
        bool blocked = FParent && !dynamic_cast<TOrvToolBarForm*>(FParent->Parent());
        SetGlass(m.WParam != 0 && !blocked);
        return;
    }
    if (m.Msg == ShapeButtonDrawImageMessage() || m.Msg == WM_ORV_SHAPEREPAINT) {
        Invalidate();
        return;
    }
    switch (m.Msg) {
        case CM_HINTSHOW:
            if (m.WParam == 1) {
                if (m.LParam == 0)
                    HideShortCutHint();
                else
                    ShowShortCutHint();
                m.Result = 1;
                return;
            }
            break;
        case CM_BUTTONPRESSED:
            ButtonPressed(static_cast<int>(m.WParam),
                          dynamic_cast<TOrvCustomShapeButton*>(reinterpret_cast<TControl*>(m.LParam)));
            return;
        case CM_FOCUSCHANGED:
            Invalidate();
            break;
        default:
            break;
    }
    TCustomControl::WndProc(m);
}

// --- painting ------------------------------------------------------------------------------------------

namespace {

TShapeButtonColors ShapeColors(const TShapeColorSet& s) {
    return {s.BorderColor, s.InnerBorderColor, s.Color, s.ColorTo, s.ColorMirror, s.ColorMirrorTo};
}

// Everything the face of a shape button is drawn from, the background under it included
// (by the parent's name for it or its pixels' hash): a face is kept per record and copied.
struct TShapeFace {
    int Width = 0;
    int Height = 0;
    TShapeColorSet Colors;
    int Shape = 0;
    bool Office2010 = false;
    int Look = 0;
    bool MenuShape = false;
    const void* Picture = nullptr;
    uint64_t PictureVersion = 0;
    int Layout = 0;
    std::wstring Caption;
    TFontFace Font;
    bool Enabled = true;
    int Alignment = 0;
    int TextOffset = 0;
    int AntiAlias = 0;
    // The parent's name for the pixels beneath, or 0 and their hash.
    uint64_t ParentKey = 0;
    size_t Background = 0;
    auto Tie() const {
        return std::tie(Width, Height, Colors, Shape, Office2010, Look, MenuShape, Picture, PictureVersion, Layout,
                        Caption, Font, Enabled, Alignment, TextOffset, AntiAlias, ParentKey, Background);
    }
};

size_t HashPixels(const uint32_t* bits, size_t count) {
    // 64-bit arithmetic on both targets; the 32-bit build keeps the low half.
    uint64_t h = 1469598103934665603ull;
    for (size_t i = 0; i < count; ++i) h = (h ^ bits[i]) * 1099511628211ull;
    return static_cast<size_t>(h);
}

}  // namespace

TShapeLook TOrvCustomShapeButton::CurrentLook() const {
    if (!GetEnabled()) return slDisabled;
    bool menuVisible = FOrvPreviewMenu && FOrvPreviewMenu->MenuVisible();
    if ((FMouseDownInControl && FMouseInControl) || FDown || menuVisible || FMenuBeingShown || FKeyDown) return slDown;
    if (FMouseInControl || FHasFocus) return slHot;
    return slNormal;
}

TGDIPPicture* TOrvCustomShapeButton::CurrentPicture(TShapeLook look, bool hot) const {
    if (look == slDisabled && !FPictureDisabled->Empty()) return FPictureDisabled.get();
    if (look == slDown && !FPictureDown->Empty()) return FPictureDown.get();
    if (hot && !FPictureHot->Empty()) return FPictureHot.get();
    return FPicture.get();
}

int TOrvCustomShapeButton::CaptionHeight(TCanvas& canvas) {
    if (GetCaption().empty()) return 0;
    TRect box = DrawGDIPText(canvas, TTextAlignment::taLeftJustify, DT_SINGLELINE, {0, 0, 1000, 500}, GetCaption(),
                             Font(), true, false, FAntiAlias, false, false);
    return box.Height();
}

void TOrvCustomShapeButton::DrawShape(TCanvas& canvas, const TRect& r, TShapeLook look) {
    TOrvButtonShape shape = FAppearance.GetShape();
    bool menuShape = FAppearance.GetShowMenuShape();
    if (shape == TOrvButtonShape::bsCustom && !menuShape) return;
    TGPGraphics g(canvas.Handle());
    TShapeColorSet set = FAppearance.Look(look);
    float x = static_cast<float>(r.Left), y = static_cast<float>(r.Top);
    float w = static_cast<float>(r.Width()), h = static_cast<float>(r.Height());
    if (shape == TOrvButtonShape::bsRectangle) {
        if (ScenicRibbonMode && Office2010Look)
            DrawShapeButtonOffice2010Rect(g, x, y, w, h, ShapeColors(set),
                                          look == slHot    ? 110
                                          : look == slDown ? 0
                                                           : 60);
        else
            DrawShapeButtonClassicRect(g, x, y, w, h, ShapeColors(set));
    } else if (shape == TOrvButtonShape::bsOrb) {
        DrawShapeButtonOrb(g, x, y, w, h, ShapeColors(set));
    }
    if (menuShape) DrawShapeButtonMenuGlyph(g, x, y, w, h, set.MenuShapeColor);
}

void TOrvCustomShapeButton::DrawContent(TCanvas& canvas, TShapeLook look) {
    // The hot picture goes with the hot look (pointer or focus); on the menu's top frame
    // only the pointer counts.
    TGDIPPicture* picture = FAppearance.GetShowPicture() ? CurrentPicture(look, look == slHot) : nullptr;
    if (picture && picture->Empty()) picture = nullptr;
    if (picture && picture->Width() == 0) picture->GetImageSizes();
    int pw = picture ? picture->Width() : 0, ph = picture ? picture->Height() : 0;
    int th = FLayout == plPictureCenter || !picture ? 0 : CaptionHeight(canvas);
    TShapeContentLayout lay = ShapeContentLayout(FLayout, FWidth, FHeight, pw, ph, th);
    if (picture) {
        TGPGraphics g(canvas.Handle());
        picture->DrawImage(g, lay.Picture.X, lay.Picture.Y);
    }
    if (GetCaption().empty()) return;
    TRect box = lay.Caption;
    if (lay.CaptionTop) {
        if (th == 0) th = CaptionHeight(canvas);
        box.Bottom = std::min(box.Bottom, box.Top + th);
    }
    if (FTextAlignment == TTextAlignment::taLeftJustify)
        box.Left += FTextOffset;
    else
        box.Right -= FTextOffset;
    unsigned format = DT_SINGLELINE | DT_VCENTER;
    format |= FTextAlignment == TTextAlignment::taLeftJustify    ? DT_LEFT
              : FTextAlignment == TTextAlignment::taRightJustify ? DT_RIGHT
                                                                 : DT_CENTER;
    DrawGDIPText(canvas, FTextAlignment, format, box, GetCaption(), Font(), look != slDisabled, true, FAntiAlias, false,
                 false);
}

void TOrvCustomShapeButton::PaintTo(TCanvas& canvas) {
    TShapeLook look = CurrentLook();
    DrawShape(canvas, {0, 0, FWidth - 1, FHeight - 1}, look);
    DrawContent(canvas, look);
}

void TOrvCustomShapeButton::Paint() {
    HDC dc = Canvas().Handle();
    if (FIsAeroVista) {
        // The parent's glass is already there (csParentBackground).
        if (!(ScenicRibbonMode && Office2010Look)) {
            int stripBottom = std::max(0, 27 - FTop);
            if (stripBottom < FHeight) {
                TGdiBrush brush(CreateSolidBrush(ColorToRGB(GetColor())));
                RECT rest{0, stripBottom, FWidth, FHeight};
                FillRect(dc, &rest, brush.Get());
            }
            int line = 28 - FTop;
            if (line >= 0 && line < FHeight) {
                TGdiBrush black(CreateSolidBrush(RGB(0, 0, 0)));
                RECT r{0, line, FWidth, line + 1};
                FillRect(dc, &r, black.Get());
            }
        }
        PaintTo(Canvas());
        if (FRefGlowButton && (++FRef % 2) == 0) FRefGlowButton->Invalidate();
        return;
    }
    if (FWidth <= 0 || FHeight <= 0) return;
    auto paintDirect = [this, dc] {
        DrawParentBackground(dc);
        PaintTo(Canvas());
    };
    if (!ShapeButtonFaceCache) {
        paintDirect();
        return;
    }
    // A parent that names the pixels beneath (the pager's kept backdrop) lets the face be
    // keyed by that name: the background is drawn only when the face is made. Otherwise it
    // goes first into a scratch face, and its pixels are part of the key.
    uint64_t parentKey = 0;
    if (FParent) {
        TParentBackgroundQuery query;
        query.Rect = BoundsRect();
        if (FParent->Perform(WM_ORV_PARENTBACKGROUNDKEY, 0, reinterpret_cast<LPARAM>(&query)) && query.Key)
            parentKey = query.Key;
    }
    std::unique_ptr<TFaceSurface> back;
    if (!parentKey) {
        back = std::make_unique<TFaceSurface>(FWidth, FHeight);
        // No face to be had (the handles ran out): straight onto the canvas.
        if (back->Empty()) {
            paintDirect();
            return;
        }
        DrawParentBackground(back->DC());
    }
    TShapeLook look = CurrentLook();
    TGDIPPicture* picture = FAppearance.GetShowPicture() ? CurrentPicture(look, look == slHot) : nullptr;
    TShapeFace key;
    key.Width = FWidth;
    key.Height = FHeight;
    key.Colors = FAppearance.Look(look);
    key.Shape = static_cast<int>(FAppearance.GetShape());
    key.Office2010 = ScenicRibbonMode && Office2010Look;
    key.Look = look;
    key.MenuShape = FAppearance.GetShowMenuShape();
    key.Picture = picture && !picture->Empty() ? picture : nullptr;
    key.PictureVersion = key.Picture ? picture->Version() : 0;
    key.Layout = FLayout;
    key.Caption = GetCaption();
    key.Font = FontFaceOf(&Font());
    key.Enabled = look != slDisabled;
    key.Alignment = static_cast<int>(FTextAlignment);
    key.TextOffset = FTextOffset;
    key.AntiAlias = FAntiAlias;
    key.ParentKey = parentKey;
    key.Background = back ? HashPixels(back->Bits(), static_cast<size_t>(FWidth) * FHeight) : 0;
    auto face = SharedFaceCache().Get(key, FWidth, FHeight, [&](TFace& f, HDC faceDC) {
        if (back)
            back->Blit(faceDC, 0, 0);
        else
            DrawParentBackground(faceDC);
        TCanvas canvas;
        canvas.SetHandle(faceDC);
        PaintTo(canvas);
        canvas.SetHandle(nullptr);
        (void)f;
    });
    if (face->Empty())
        paintDirect();
    else
        face->Blit(dc, 0, 0);
}

void TOrvCustomShapeButton::DrawOnPreviewMenu(TObject*, TCanvas& canvas, TRect r) {
    if (!FOrvPreviewMenu) return;
    int t = FOrvPreviewMenu->FrameMetrics().TopHeight;
    TShapeLook look = CurrentLook();
    bool scenic = ScenicRibbonMode;
    if (FAppearance.GetShape() == TOrvButtonShape::bsOrb && !scenic) {
        int left = r.Left + 3 - FPreviewMenuOffSet, top = r.Top + t - FHeight - 2;
        DrawShape(canvas, {left, top, left + FWidth - 1, top + FHeight - 1}, look);
    }
    if (!FAppearance.GetShowPicture()) return;
    // The caption follows the shape's shift, so both stay together when the menu moved.
    TPoint origin =
        scenic ? TPoint{r.Left, r.Top + 2} : TPoint{r.Left + 3 - FPreviewMenuOffSet, r.Top + t - FHeight - 2};
    TRect caption{origin.X, origin.Y, origin.X + FWidth, origin.Y + FHeight};
    bool captionTop = false;
    TGDIPPicture* picture = CurrentPicture(look, FMouseInControl);
    if (picture->Empty()) picture = nullptr;
    if (picture && picture->Width() == 0) picture->GetImageSizes();
    int pw = picture ? picture->Width() : 0, ph = picture ? picture->Height() : 0;
    int th = CaptionHeight(canvas);
    int x = 0, y = 0;
    if (scenic) {
        x = r.Left + (FWidth - pw) / 2;
        if (FLayout == plPictureCenter) {
            y = r.Top + 2 + (FHeight - ph) / 2;
        } else if (FLayout == plPictureOnTop) {
            y = r.Top + 3;
            caption = {r.Left, r.Top + ph + 1, r.Left + FWidth, r.Bottom - 2};
            captionTop = true;
        } else {
            caption = {r.Left, r.Top + 3, r.Left + FWidth, r.Top + 3 + th};
            y = r.Top + 3 + th;
            captionTop = true;
        }
    } else {
        x = r.Left + 3 - FPreviewMenuOffSet + (FWidth - pw) / 2;
        int g = (FHeight - ph - th) / 2;
        if (FLayout == plPictureCenter) {
            y = r.Top + t - FHeight - 2 + (FHeight - ph) / 2;
        } else if (FLayout == plPictureOnTop) {
            y = r.Top + t + g - FHeight - 5;
            caption = {origin.X, y + ph + 1, origin.X + FWidth, r.Bottom};
            captionTop = true;
        } else {
            int top = r.Top + t + g - FHeight - 5;
            caption = {origin.X, top, origin.X + FWidth, top + th};
            y = r.Top + t + g + th - FHeight - 2;
            captionTop = true;
        }
    }
    if (picture) {
        // Narrow the menu's clip (in its logical coordinates), never replace it.
        int saved = SaveDC(canvas.Handle());
        IntersectClipRect(canvas.Handle(), r.Left, r.Top, r.Right, r.Bottom - 1);
        {
            TGPGraphics g(canvas.Handle());
            picture->DrawImage(g, x, y);
        }
        RestoreDC(canvas.Handle(), saved);
    }
    if (GetCaption().empty()) return;
    if (captionTop) caption.Bottom = std::min(caption.Bottom, caption.Top + th);
    DrawGDIPText(canvas, TTextAlignment::taCenter, DT_SINGLELINE | DT_CENTER | DT_VCENTER, caption, GetCaption(),
                 Font(), look != slDisabled, true, aaAntiAlias, false, false);
}

}  // namespace orv
