// The compact window, and compact mode of the toolbar: entering (controls move to a
// clone in the window, the toolbar shows one compact glow button), opening, hiding
// and leaving (controls come back at their places and in their order).
#include "toolbar/CompactWindow.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "framework/GdiHandles.h"
#include "framework/Screen.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "toolbar/MinimizedRibbonWindow.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

namespace {

constexpr UINT_PTR kHideTimer = 1;

bool IsMouseDown(uintptr_t message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
            return true;
        default:
            return false;
    }
}

}  // namespace

// --- TCompactWindow -------------------------------------------------------------------------

TCompactWindow::TCompactWindow(TOrvCustomToolBar* owner) : TForm(owner), FOwner(owner) {
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetBounds(0, 0, 30, 30);
    if (TForm* form = GetParentForm(owner)) Font().Assign(&form->Font());
}

void TCompactWindow::CreateParams(TCreateParams& params) {
    TForm::CreateParams(params);
    params.Style = (params.Style & ~(WS_CHILD | WS_CAPTION | WS_THICKFRAME)) | WS_POPUP;
    params.ClassStyle |= CS_DROPSHADOW;
    params.WinClassName = L"OrvCompactWindow";
    if (TForm* form = GetParentForm(FOwner)) params.WndParent = form->Handle();
}

void TCompactWindow::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FRibbon) FRibbon = nullptr;
}

void TCompactWindow::BeforeDestruction() {
    FMouseHook.reset();
    TForm::BeforeDestruction();
}

void TCompactWindow::PaintWindow(HDC dc) {
    TGdiBrush brush(CreateSolidBrush(ColorToRGB(GetColor())));
    RECT r{-4, -4, ClientWidth() + 4, ClientHeight() + 4};
    FillRect(dc, &r, brush.Get());
}

void TCompactWindow::WndProc(TMessage& message) {
    if (message.Msg == WM_NCHITTEST) {
        POINT p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
        if (HandleAllocated()) ::ScreenToClient(FHandle, &p);
        if (p.x > FWidth - 10 && p.y > FHeight - 10) {
            message.Result = HTBOTTOMRIGHT;
            return;
        }
    }
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    TForm::WndProc(message);
}

void TCompactWindow::Activate() {
    TForm::Activate();
    if (FOrvToolBar && FOrvToolBar->Showing() && FOrvToolBar->CanFocus()) FOrvToolBar->SetFocus();
    // The owner's caption stays active while its pop-up has the focus.
    if (TForm* form = GetParentForm(FOwner))
        if (form->HandleAllocated()) SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

bool TCompactWindow::MayHide() {
    if (!FHideOnDeActivate || !GetVisible()) return false;
    if (FOrvToolBar && FOrvToolBar->MenuDropped()) return false;
    bool canClose = true;
    if (FOwner->OnCompactCloseQuery) FOwner->OnCompactCloseQuery(this, canClose);
    return canClose;
}

void TCompactWindow::Deactivate() {
    TForm::Deactivate();
    if (MayHide()) StartHideTimer();
}

void TCompactWindow::StartHideTimer() {
    if (FHideTimerRunning) return;
    FHideTimerRunning = true;
    StartTimer(kHideTimer, 1);
}

void TCompactWindow::WindowTimer(UINT_PTR id) {
    if (id == kHideTimer)
        HideTick();
    else
        TForm::WindowTimer(id);
}

void TCompactWindow::HideTick() {
    // Stopped here and never freed inside its own tick.
    StopTimer(kHideTimer);
    FHideTimerRunning = false;
    HideWindow();
}

bool TCompactWindow::MouseHook(uintptr_t message, intptr_t info) {
    if (!IsMouseDown(message) || !GetVisible() || !HandleAllocated()) return false;
    auto* hook = reinterpret_cast<const MOUSEHOOKSTRUCT*>(info);
    HWND target = hook->hwnd;
    if (target == FHandle || IsChild(FHandle, target)) return false;
    // A window that may not go now lets the press through to its target untouched.
    if (!MayHide()) return false;
    StartHideTimer();
    // The button that opened the window closes it: a press reaching it would open the
    // window again on its click. Every other press goes on to what lies under the pointer.
    if (FDropDownButton && FDropDownButton->HandleAllocated() && target == FDropDownButton->Handle()) return true;
    return false;
}

TPoint TCompactWindow::PlaceFor(TPoint anchor, TSize size, const TRect& workArea) {
    TPoint p = anchor;
    if (p.X + size.cx > workArea.Right) p.X = workArea.Right - size.cx;
    return p;
}

void TCompactWindow::ShowUnder(TOrvCustomGlowButton* button) {
    FDropDownButton = button;
    if (TForm* form = GetParentForm(FOwner)) Font().Assign(&form->Font());
    int w = FOrvToolBar ? FOrvToolBar->Width() + 2 : 30;
    int h = FOrvToolBar ? FOrvToolBar->Height() + 2 : 30;
    if (FOrvToolBar) FOrvToolBar->SetBounds(1, 1, FOrvToolBar->Width(), FOrvToolBar->Height());
    TPoint anchor{FOwner->Left(), FOwner->Top() + FOwner->Height() + 1};
    if (FOwner->Parent()) anchor = FOwner->Parent()->ClientToScreen(anchor);
    TRect work;
    TMonitor monitor = Screen ? Screen->MonitorFromRect(Bounds(anchor.X, anchor.Y, w, h)) : TMonitor{};
    if (monitor.IsValid()) {
        work = monitor.WorkareaRect;
    } else {
        RECT r{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        work = {r.left, r.top, r.right, r.bottom};
    }
    TPoint at = PlaceFor(anchor, {w, h}, work);
    // A page shown in the minimized-ribbon pop-up: that pop-up loses the activation to
    // this one (under some window managers only later, through the queue) and must not
    // hide for it while this window shows; HideWindow gives the setting back.
    TMinimizedRibbonWindow* ribbon = nullptr;
    for (TControl* c = FOwner; c && !ribbon; c = c->Parent()) ribbon = dynamic_cast<TMinimizedRibbonWindow*>(c);
    if (ribbon && !FRibbon) {
        FRibbon = ribbon;
        FRibbonHides = ribbon->GetHideOnDeActivate();
        ribbon->SetHideOnDeActivate(false);
        FreeNotification(ribbon);
    }
    SetBounds(at.X, at.Y, 0, 0);
    Show();
    SetBounds(at.X, at.Y, w, h);
    TGdiRegion region(CreateRoundRectRgn(0, 0, w + 1, h + 1, 4, 4));
    if (SetWindowRgn(Handle(), region.Get(), TRUE)) region.Release();  // the window owns it now
    if (!FMouseHook)
        FMouseHook = std::make_unique<TThreadHook>(
            WH_MOUSE, [this](int, uintptr_t message, intptr_t info) { return MouseHook(message, info); });
}

void TCompactWindow::HideWindow() {
    FMouseHook.reset();
    if (FHideTimerRunning) {
        StopTimer(kHideTimer);
        FHideTimerRunning = false;
    }
    bool wasVisible = GetVisible();
    Hide();
    if (TMinimizedRibbonWindow* ribbon = std::exchange(FRibbon, nullptr)) {
        ribbon->SetHideOnDeActivate(FRibbonHides);
        RemoveFreeNotification(ribbon);
    }
    if (FDropDownButton) FDropDownButton->SetDown(false);
    if (wasVisible && FOwner->HandleAllocated()) PostMessageW(FOwner->Handle(), CompactWinHideMessage(), 0, 0);
}

// --- compact mode of the toolbar --------------------------------------------------------------------

void TOrvCustomToolBar::SetCompact(bool value) {
    if (FCompact == value) return;
    FCompact = value;
    if (IsLoading()) return;
    if (value && !IsCompacted()) EnterCompact(false, false);
    if (value) FCompactedByPage = false;
    if (!value && IsCompacted()) LeaveCompact();
    if (auto* page = Page()) page->UpdateAllToolBars();
}

void TOrvCustomToolBar::EnterCompact(bool byPage, bool smallest) {
    if (IsCompacted() || !Page() || IsLoading() || IsDestroying()) return;
    FOldAutoPosition = FAutoPositionControls;
    FOldAutoSize = FAutoSize;
    FOldAutoArrangeButtons = FAutoArrangeButtons;
    FAutoPositionControls = FAutoSize = FAutoArrangeButtons = false;
    FCompactedByPage = byPage;
    FCompactSmallest = smallest;
    FCloneShrunk = false;

    FSavedPlaces.clear();
    FSeqControlList.AssignList(FOTBControls);
    for (TControl* c : FOTBControls) FSavedPlaces.push_back({c, c->BoundsRect()});

    // The window, clone and button are made at the first compact and kept, hidden, after
    // leaving it: a dragged window edge compacts and expands a toolbar many times.
    TCompactWindow* window = std::exchange(FSpareCompactWindow, nullptr);
    TOrvCustomToolBar* clone = std::exchange(FSpareClone, nullptr);
    TOrvCustomGlowButton* button = std::exchange(FSpareCompactBtn, nullptr);
    if (!window || !clone) {
        if (window) window->Free();
        // Named only after a named toolbar: two unnamed ones on a form must not collide.
        window = new TCompactWindow(this);
        if (!GetName().empty()) window->SetName(GetName() + L"_CompactWindow");
        clone = new TOrvToolBar(window);
        if (!GetName().empty()) clone->SetName(GetName() + L"_SelfClone");
        clone->FIsClone = true;
        clone->FSelfClone = this;
        window->SetOrvToolBar(clone);
        clone->SetParent(window);
        window->FreeNotification(this);
    }
    // With windows of their own (the window hidden) the window and clone take the controls
    // over with the controls' windows: moving in and out re-parents, nothing is rebuilt.
    if (HandleAllocated() && !window->HandleAllocated()) window->HandleNeeded();
    clone->OnDblClick = OnDblClick;
    clone->OnKeyDown = OnKeyDown;
    clone->OnKeyUp = OnKeyUp;
    clone->OnKeyPress = OnKeyPress;
    clone->TControl::SetCaption(GetCaption());
    clone->FCaptionFont.Assign(&FCaptionFont);
    clone->Font().Assign(&Font());
    clone->FCaptionHeight = FCaptionHeight;
    clone->FCaptionPosition = FCaptionPosition;
    clone->FCaptionAlignment = FCaptionAlignment;
    clone->FShowCaption = FShowCaption;
    clone->FShowRightHandle = FShowRightHandle;
    clone->FShowClose = FShowClose;
    clone->FShowOptionIndicator = FShowOptionIndicator;
    clone->FAllowFloating = FAllowFloating;
    clone->FAutoOptionMenu = FAutoOptionMenu;
    clone->FOptionMenu = FOptionMenu;
    clone->FParentStyler = FParentStyler;
    clone->FToolBarStyler = FToolBarStyler;
    clone->FAutoPositionControls = FOldAutoPosition;
    clone->FAutoSize = FOldAutoSize;
    clone->TCustomControl::SetBounds(1, 1, FWidth, FHeight);
    FSelfClone = clone;
    FCompactWindow = window;
    clone->BeginUpdate();
    for (const TSavedPlace& place : FSavedPlaces) place.Control->SetParent(clone);
    clone->EndUpdate();
    window->SetColor(FCurrentToolBarStyler->Color().GetColor());

    bool made = !button;
    if (made) button = new TOrvGlowButton(this);
    FCompactBtn = button;
    button->SetFocusType(ftNone);
    button->Picture().Assign(FCompactPicture.get());
    bool fromImages = FImages && FCompactImageIndex >= 0;
    button->SetImages(fromImages ? FImages : nullptr);
    button->SetImageIndex(fromImages ? FCompactImageIndex : -1);
    button->SetCaption(FCompactCaption);
    button->SetLayout(blGlyphTop);
    button->SetAppearance(FCurrentToolBarStyler->CompactGlowButtonAppearance());
    button->SetDropDownButton(true);
    button->SetDropDownPosition(dpBottom);
    button->SetDropDownSplit(false);
    button->SetStyle(bsCheck);
    button->SetDown(false);
    button->OfficeHint().Assign(FOfficeHint.get());
    button->SetShortCutHint(FCompactShortCutHint);
    button->SetShortCutHintPos(shpBelowBottomCenter);
    button->OnClick = [this](TObject*) { OpenCompactWindow(); };
    button->SetBounds(0, 0, kCompactMinWidth, FHeight);
    if (made)
        button->SetParent(this);
    else
        button->SetVisible(true);
    TCustomControl::SetBounds(FLeft, FTop, kCompactMinWidth, FHeight);
    Invalidate();
}

void TOrvCustomToolBar::ReturnControlsFromClone() {
    if (!FSelfClone) return;
    TOrvCustomToolBar* clone = FSelfClone;
    std::vector<TSavedPlace> places = FSavedPlaces;
    // Controls added to the clone while compact come back after the others.
    for (TControl* c : clone->FOTBControls) {
        bool known = std::any_of(places.begin(), places.end(), [c](const TSavedPlace& p) { return p.Control == c; });
        if (!known) places.push_back({c, c->BoundsRect()});
    }
    for (const TSavedPlace& place : places) {
        if (place.Control->Parent() != clone) continue;
        place.Control->SetParent(this);
        place.Control->SetBounds(place.Bounds.Left, place.Bounds.Top, place.Control->Width(), place.Control->Height());
    }
    FSavedPlaces.clear();
}

void TOrvCustomToolBar::LeaveCompact() {
    if (!IsCompacted()) return;
    if (FCompactWindow) FCompactWindow->HideWindow();
    ReturnControlsFromClone();
    // Kept hidden for the next compact (see EnterCompact); hidden while still the compact
    // button, so the toolbar does not take its hiding for one of its controls'.
    if (FCompactBtn) FCompactBtn->SetVisible(false);
    FSpareCompactBtn = std::exchange(FCompactBtn, nullptr);
    FSpareCompactWindow = std::exchange(FCompactWindow, nullptr);
    FSpareClone = std::exchange(FSelfClone, nullptr);
    if (!FSpareCompactWindow) FSpareClone = nullptr;
    FAutoPositionControls = FOldAutoPosition;
    FAutoSize = FOldAutoSize;
    FAutoArrangeButtons = FOldAutoArrangeButtons;
    FCompactedByPage = false;
    FCompactSmallest = false;
    PositionControls();
}

void TOrvCustomToolBar::OpenCompactWindow() {
    if (!FCompactWindow || !FSelfClone) return;
    if (FCompactWindow->GetVisible()) {
        FCompactWindow->HideWindow();
        return;
    }
    TOrvCustomToolBar* clone = FSelfClone;
    if (FCompactSmallest) {
        clone->BeginUpdate();
        for (int i = 0; i < FSeqControlList.Count(); ++i) {
            int at = clone->FOTBControls.IndexOf(FSeqControlList[i]);
            if (at >= 0 && at != i && i < clone->FOTBControls.Count()) clone->FOTBControls.Move(at, i);
        }
        clone->FAutoPositionControls = FOldAutoPosition;
        clone->FAutoSize = FOldAutoSize;
        clone->EndUpdate();
        int kind = 0;
        for (int guard = 0; guard < 1000 && clone->GrowStep(true, kind) > 0; ++guard) {
        }
        FCompactSmallest = false;
        FCloneShrunk = false;
    }
    FCompactWindow->ShowUnder(FCompactBtn);
}

void TOrvCustomToolBar::HideCompactWindow() {
    if (FCompactWindow && FCompactWindow->GetVisible()) FCompactWindow->HideWindow();
}

int TOrvCustomToolBar::ExpandedWidth() {
    if (!FSelfClone) return FWidth;
    if (!FCompactSmallest && !FCloneShrunk) {
        int kind = 0;
        for (int guard = 0; guard < 1000 && FSelfClone->ShrinkStep(true, kind) > 0; ++guard) {
        }
        FCloneShrunk = true;
    }
    return FSelfClone->Width();
}

}  // namespace orv
