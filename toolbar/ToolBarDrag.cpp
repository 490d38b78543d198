// Floating and docking a classic toolbar, and dragging it: by its grip inside and
// between the rows of its dock, out of the dock into a floating window, by the floating
// caption, and into any dock panel that takes it. The floating caption's close button
// lives here as well.
#include <algorithm>

#include "framework/Forms.h"
#include "framework/Screen.h"
#include "toolbar/FloatingWindow.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

namespace {

// How far beyond its dock the pointer pulls a toolbar out (27 pulls, 26 does not).
constexpr int kPullOut = 26;
// How far a candidate rectangle reaches past the panel toward the inside of the form.
constexpr int kDockReach = 15;

TRect ReachInward(TRect r, TDockAlign align) {
    switch (align) {
        case daTop:
            r.Bottom += kDockReach;
            break;
        case daBottom:
            r.Top -= kDockReach;
            break;
        case daLeft:
            r.Right += kDockReach;
            break;
        case daRight:
            r.Left -= kDockReach;
            break;
    }
    return r;
}

}  // namespace

// --- floating and docking -----------------------------------------------------------------

void TOrvCustomToolBar::Dock(TOrvDockPanel* panel) {
    if (panel && panel != Parent()) SetParent(panel);
}

void TOrvCustomToolBar::SetParentComponent(TComponent* parent) {
    if (auto* dock = dynamic_cast<TOrvDockPanel*>(parent))
        SetParent(dock);
    else
        TCustomControl::SetParentComponent(parent);
}

void TOrvCustomToolBar::SetToolBarFloating(TPoint point) {
    if (OnPage() || FToolBarState == tsFloating || FFloatingWindow) return;
    auto* window = new TFloatingWindow(Owner());
    FFloatingWindow = window;
    window->FreeNotification(this);
    window->SetBorderWidth(FCurrentToolBarStyler->GetFloatingWindowBorderWidth());
    window->SetBorderColor(FCurrentToolBarStyler->GetFloatingWindowBorderColor());
    const TVistaGradientBackground& color = FCurrentToolBarStyler->Color();
    window->SetColor(color.GetColorTo() == clNone ? color.GetColor() : color.GetColorTo());
    if (!IsHorizontal()) SetPosition(daTop);
    // With a window to go into, the toolbar's own window moves over instead of being
    // made again: a drag's mouse capture stays with it.
    if (HandleAllocated()) window->HandleNeeded();
    SetParent(window);
    SetToolBarState(tsFloating);
    window->SetOrvCustomToolBar(this);
    window->SetBounds(point.X, point.Y, window->Width(), window->Height());
    if (OnUnDocked) OnUnDocked(this);
    if (!FFloatingWindow) return;  // docked again by the handler
    TForm* form = FLastDock ? GetParentForm(FLastDock) : nullptr;
    if (!form || form->GetVisible())
        window->ShowNoActivate();
    else
        window->SetAutoHidden(true);
    StartTimer(kFloatTimer, 40);
}

void TOrvCustomToolBar::FloatTick() {
    TFloatingWindow* window = FFloatingWindow;
    TForm* form = FLastDock ? GetParentForm(FLastDock) : nullptr;
    if (!window || !form) return;
    if (!form->GetVisible()) {
        if (window->GetVisible()) {
            window->Hide();
            window->SetAutoHidden(true);
        }
    } else if (window->AutoHidden()) {
        window->SetAutoHidden(false);
        window->ShowNoActivate();
    }
}

void TOrvCustomToolBar::EndFloating() {
    StopTimer(kFloatTimer);
    TFloatingWindow* window = FFloatingWindow;
    FFloatingWindow = nullptr;
    if (!window) return;
    window->SetOrvCustomToolBar(nullptr);
    window->Hide();
    window->Free();
}

// --- dragging ------------------------------------------------------------------------------

bool TOrvCustomToolBar::StartsDrag(TPoint p) const {
    if (FToolBarState == tsFloating) {
        if (!FFloatingWindow || Parent() != FFloatingWindow) return false;
        return GetCaptionRect().Contains(p) && !GetCloseButtonRect().Contains(p) && !GetOptionButtonRect().Contains(p);
    }
    // A grip exists only on a docked toolbar whose styler draws one.
    if (FLocked || !FCurrentDock || Parent() != FCurrentDock || GripX0() <= 2) return false;
    TRect grip = IsHorizontal() ? TRect{0, 0, GripX0(), FHeight} : TRect{0, 0, FWidth, GripX0()};
    return grip.Contains(p);
}

// --- candidate docks ---------------------------------------------------------------------

void TOrvCustomToolBar::AddDockCandidate(TOrvDockPanel* panel) {
    for (const TDockCandidate& c : FDockCandidates)
        if (c.Panel == panel) return;
    if (!panel->Showing() || !(FDockableTo & (1u << panel->GetAlign()))) return;
    for (const TControl* p = this; p; p = p->Parent())
        if (p == panel) return;
    // A height-locked panel takes the toolbar only into a row that accepts it.
    if (!panel->CanJoin(this)) return;
    TPoint topLeft = panel->ClientToScreen({0, 0});
    TRect screen = Bounds(topLeft.X, topLeft.Y, panel->Width(), panel->Height());
    panel->FreeNotification(this);
    FDockCandidates.push_back({panel, ReachInward(screen, panel->GetAlign())});
}

void TOrvCustomToolBar::CollectDockCandidatesIn(TWinControl* root, bool panelsOnly) {
    for (int i = 0; i < root->ControlCount(); ++i) {
        auto* child = dynamic_cast<TWinControl*>(root->Controls(i));
        if (!child || child == this || !child->Showing()) continue;
        bool holdsThis = false;
        for (const TControl* p = Parent(); p && !holdsThis; p = p->Parent()) holdsThis = p == child;
        if (holdsThis) continue;
        if (auto* panel = dynamic_cast<TOrvDockPanel*>(child))
            AddDockCandidate(panel);
        else if (!panelsOnly)
            CollectDockCandidatesIn(child, false);
    }
}

void TOrvCustomToolBar::CollectDockCandidates() {
    FDockCandidates.clear();
    TOrvDockPanel* last = FLastDock;
    if (!last || last->IsDestroying()) return;
    switch (FDockMode) {
        case dmParentDockPanelOnly:
            AddDockCandidate(last);
            break;
        case dmAllParentDockPanels: {
            TWinControl* root = last->Parent() ? last->Parent() : GetParentForm(last);
            if (root) CollectDockCandidatesIn(root, true);
            break;
        }
        case dmAll:
            if (TForm* form = GetParentForm(last)) CollectDockCandidatesIn(form, false);
            break;
    }
}

// --- the loop ----------------------------------------------------------------------------

void TOrvCustomToolBar::DragLoop(TPoint pressed) {
    HWND window = Handle();
    FOldMouseX = pressed.X;
    FOldMouseY = pressed.Y;
    CollectDockCandidates();
    std::shared_ptr<bool> alive = FMenuBarAlive;  // a handler may free the toolbar
    SetCapture(window);
    FDragging = true;
    if (FToolBarState == tsFloating) Screen->SetCursor(crSizeAll);
    // Re-parenting keeps the window, so the capture outlives docking and floating.
    while (GetCapture() == window) {
        MSG msg;
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            // The program is ending: the outer loop must see the quit message too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (msg.message == WM_LBUTTONUP) break;
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == window) {
            DragMove({msg.pt.x, msg.pt.y});
            if (!*alive) return;
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (!*alive) return;
    }
    FDragging = false;
    if (Screen->GetCursor() == crSizeAll) Screen->SetCursor(crDefault);
    if (GetCapture() == window) ReleaseCapture();
    FDockCandidates.clear();
}

void TOrvCustomToolBar::DragMove(TPoint screen) {
    if (FToolBarState == tsFloating && FFloatingWindow) {
        // The pressed point of the toolbar stays under the pointer.
        TFloatingWindow* window = FFloatingWindow;
        window->SetBounds(screen.X - FLeft - FOldMouseX, screen.Y - FTop - FOldMouseY, window->Width(),
                          window->Height());
        DockOrFloat(screen);
        return;
    }
    if (!FCurrentDock || Parent() != FCurrentDock) return;
    bool pulledOut = DragDocked(screen);
    InvalidateFarEndCorners();
    if (pulledOut && FAllowFloating) DockOrFloat(screen);
}

bool TOrvCustomToolBar::DragDocked(TPoint screen) {
    TOrvDockPanel* dock = FCurrentDock;
    const bool horizontal = dock->IsHorizontal();
    const TPoint p = ScreenToClient(screen);
    const int rowBefore = dock->Rows().IsToolBarAlreadyAdded(this);
    // Along the row by the pointer's move since the press, across rows by how far the
    // pointer left the toolbar's side.
    int requested;
    bool followed;
    if (horizontal) {
        requested = FLeft + p.X - FOldMouseX;
        SetBounds(requested, FTop, FWidth, FHeight);
        followed = FLeft == requested;
        if (p.Y > FHeight)
            SetBounds(FLeft, FTop + p.Y - FHeight, FWidth, FHeight);
        else if (p.Y < 0)
            SetBounds(FLeft, FTop + p.Y, FWidth, FHeight);
    } else {
        requested = FTop + p.Y - FOldMouseY;
        SetBounds(FLeft, requested, FWidth, FHeight);
        followed = FTop == requested;
        if (p.X > FWidth)
            SetBounds(FLeft + p.X - FWidth, FTop, FWidth, FHeight);
        else if (p.X < 0)
            SetBounds(FLeft + p.X, FTop, FWidth, FHeight);
    }
    if (FCurrentDock != dock) return false;
    const TPoint inDock = dock->ScreenToClient(screen);
    const int across = horizontal ? inDock.Y : inDock.X;
    const int along = horizontal ? inDock.X : inDock.Y;
    const int thickness = horizontal ? dock->Height() : dock->Width();
    const int length = horizontal ? dock->Width() : dock->Height();
    bool sameRow = dock->Rows().IsToolBarAlreadyAdded(this) == rowBefore;
    if (sameRow && (across > thickness + kPullOut || across < -kPullOut)) return true;
    return !followed && (requested > length + kPullOut || along < -kPullOut);
}

void TOrvCustomToolBar::DockOrFloat(TPoint screen) {
    for (const TDockCandidate& c : FDockCandidates) {
        if (c.Panel == Parent() || !c.Rect.Contains(screen)) continue;
        TOrvDockPanel* panel = c.Panel;
        Dock(panel);
        if (FCurrentDock == panel) return;  // the drag goes on in the new dock
    }
    if (FToolBarState == tsFloating || FFloatingWindow) return;
    bool canFloat = true;
    if (OnCanFloat) OnCanFloat(this, canFloat);
    if (!canFloat || FToolBarState == tsFloating) return;
    SetToolBarFloating(screen);
    // The panels moved and shrank as the toolbar left.
    if (FToolBarState == tsFloating) CollectDockCandidates();
}

void TOrvCustomToolBar::InvalidateFarEndCorners() {
    const int n = IsHorizontal() ? 2 : 3;
    if (IsHorizontal()) {
        InvalidateRect({FWidth - n, 0, FWidth, n});
        InvalidateRect({FWidth - n, FHeight - n, FWidth, FHeight});
    } else {
        InvalidateRect({0, FHeight - n, n, FHeight});
        InvalidateRect({FWidth - n, FHeight - n, FWidth, FHeight});
    }
}

// --- floating caption buttons ------------------------------------------------------------

void TOrvCustomToolBar::SetCaptionButtonMarks(bool closeHot, bool closeDown, bool optionHot, bool optionDown) {
    if (closeHot != FCloseHot || closeDown != FCloseDown) InvalidateRect(GetCloseButtonRect());
    if (optionHot != FFloatOptionHot || optionDown != FFloatOptionDown) InvalidateRect(GetOptionButtonRect());
    FCloseHot = closeHot;
    FCloseDown = closeDown;
    FFloatOptionHot = optionHot;
    FFloatOptionDown = optionDown;
}

void TOrvCustomToolBar::CloseFloating() {
    if (FToolBarState != tsFloating) return;
    SetCaptionButtonMarks(false, false, false, false);
    if (FAutoDockOnClose && FLastDock) {
        TOrvDockPanel* dock = FLastDock;
        Dock(dock);
        if (FCurrentDock == dock) return;
    }
    if (FFloatingWindow) FFloatingWindow->Hide();
    Hide();
    if (OnClose) OnClose(this);
}

}  // namespace orv
