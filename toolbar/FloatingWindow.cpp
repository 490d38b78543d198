#include "toolbar/FloatingWindow.h"

#include "framework/Canvas.h"
#include "framework/GdiHandles.h"
#include "toolbar/OrvToolBar.h"

namespace orv {

namespace {

// How far a screen point lies outside an edge of a screen rectangle (negative: inside).
int Outward(TResizingClip clip, const TRect& r, TPoint p) {
    switch (clip) {
        case rcLeft:
            return r.Left - p.X;
        case rcTop:
            return r.Top - p.Y;
        case rcRight:
            return p.X - r.Right;
        case rcBottom:
            return p.Y - r.Bottom;
    }
    return 0;
}

bool Across(TResizingClip clip) {
    return clip == rcLeft || clip == rcRight;
}

}  // namespace

TFloatingWindow::TFloatingWindow(TComponent* owner) : TForm(owner) {
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetBorderIcons(0);
    SetFormStyle(TFormStyle::fsStayOnTop);
    SetPosition(TPosition::poDesigned);
}

void TFloatingWindow::SetOrvCustomToolBar(TOrvCustomToolBar* value) {
    if (FOrvCustomToolBar == value) return;
    FOrvCustomToolBar = value;
    if (value) value->FreeNotification(this);
    UpdateSize();
}

void TFloatingWindow::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == TOperation::opRemove && component == FOrvCustomToolBar) {
        FOrvCustomToolBar = nullptr;
        FResizing = false;
    }
}

void TFloatingWindow::SetBorderWidth(int value) {
    if (FBorderWidth == value) return;
    FBorderWidth = value;
    UpdateSize();
}

void TFloatingWindow::UpdateSize() {
    if (!FOrvCustomToolBar) return;
    const int inset = FBorderWidth + 1;
    TOrvCustomToolBar* bar = FOrvCustomToolBar;
    if (bar->Parent() == this && (bar->Left() != inset || bar->Top() != inset))
        bar->SetBounds(inset, inset, bar->Width(), bar->Height());
    SetBounds(FLeft, FTop, bar->Width() + 2 * FBorderWidth + 2, bar->Height() + 2 * FBorderWidth + 2);
}

void TFloatingWindow::PaintWindow(HDC dc) {
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Brush().SetColor(FColor);
    canvas.FillRect({0, 0, FWidth, FHeight});
    if (FBorderColor != clNone) {
        canvas.Pen().SetColor(FBorderColor);
        canvas.Pen().SetWidth(FBorderWidth);
        canvas.Rectangle(1, 1, FWidth, FHeight);
        const COLORREF c = ColorToRGB(FBorderColor);
        const int bw = FBorderWidth;
        SetPixel(dc, bw, bw, c);
        SetPixel(dc, FWidth - bw - 1, bw, c);
        SetPixel(dc, bw, FHeight - bw - 1, c);
        SetPixel(dc, FWidth - bw - 1, FHeight - bw - 1, c);
    }
    canvas.SetHandle(nullptr);
}

void TFloatingWindow::DoClose(TCloseAction& action) {
    TForm::DoClose(action);
    action = TCloseAction::caHide;
    if (FOrvCustomToolBar) FOrvCustomToolBar->Hide();
}

// --- resizing by rows ------------------------------------------------------------------------

bool TFloatingWindow::EdgeAt(TPoint p, TResizingClip& clip) const {
    if (p.X >= FWidth - 5 && p.X <= FWidth) {
        clip = rcRight;
    } else if (p.Y >= FHeight - 5 && p.Y <= FHeight) {
        clip = rcBottom;
    } else if (p.X >= 0 && p.X <= 5) {
        clip = rcLeft;
    } else if (p.Y >= 0 && p.Y <= 5) {
        clip = rcTop;
    } else {
        return false;
    }
    return true;
}

bool TFloatingWindow::PassEdgeHit(TMessage& message) const {
    TResizingClip clip;
    TPoint screen{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
    if (message.Msg != WM_NCHITTEST || !HandleAllocated() || !EdgeAt(ScreenToClient(screen), clip)) return false;
    message.Result = HTTRANSPARENT;
    return true;
}

void TFloatingWindow::WndProc(TMessage& message) {
    switch (message.Msg) {
        case WM_SETCURSOR: {
            // The sizing cursors over the edge bands (the toolbar lets the pointer through
            // to this window there), the window's own cursor elsewhere.
            TResizingClip clip;
            POINT sp;
            if (reinterpret_cast<HWND>(message.WParam) == Handle() && LOWORD(message.LParam) == HTCLIENT &&
                GetCursorPos(&sp) && EdgeAt(ScreenToClient({sp.x, sp.y}), clip)) {
                ::SetCursor(CursorHandle(Across(clip) ? crSizeWE : crSizeNS));
                message.Result = TRUE;
                return;
            }
            break;
        }
        case WM_CAPTURECHANGED:
            EndResizing();
            break;
        default:
            break;
    }
    TForm::WndProc(message);
}

void TFloatingWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TForm::MouseDown(button, shift, x, y);
    TResizingClip clip;
    if (button != TMouseButton::mbLeft || !FOrvCustomToolBar || !EdgeAt({x, y}, clip)) return;
    TPoint p = ClientToScreen({x, y});
    FMouseX = p.X;
    FMouseY = p.Y;
    FResizingClip = clip;
    FResizingDir = 0;
    FResizing = true;
    SetMouseCapture(true);
}

void TFloatingWindow::MouseMove(TShiftState shift, int x, int y) {
    TForm::MouseMove(shift, x, y);
    if (FResizing) ResizeTo(ClientToScreen({x, y}));
}

void TFloatingWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TForm::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || !FResizing) return;
    EndResizing();
    SetMouseCapture(false);
}

void TFloatingWindow::EndResizing() {
    FResizing = false;
    FResizingDir = 0;
}

TRect TFloatingWindow::BoundsWithRows(int rows) const {
    TSize bar = FOrvCustomToolBar->FloatingSizeFor(rows);
    const int w = bar.cx + 2 * FBorderWidth + 2, h = bar.cy + 2 * FBorderWidth + 2;
    const int left = FResizingClip == rcLeft ? FLeft + FWidth - w : FLeft;
    const int top = FResizingClip == rcTop ? FTop + FHeight - h : FTop;
    return Bounds(left, top, w, h);
}

void TFloatingWindow::ResizeTo(TPoint p) {
    TOrvCustomToolBar* bar = FOrvCustomToolBar;
    if (!bar) return;
    // Outward makes the window wider (fewer rows) on the left and right edges and taller
    // (more rows) on the top and bottom edges.
    const int outwardRows = Across(FResizingClip) ? -1 : 1;
    const TRect now = BoundsRect();
    int wanted = 0;
    if (FResizingDir == 0) {
        // The first step needs more than 5 pixels from the press.
        TRect press = Bounds(FMouseX, FMouseY, 0, 0);
        int moved = Outward(FResizingClip, press, p);
        if (moved > 5) wanted = 1;
        if (moved < -5) wanted = 2;
    } else {
        const int beyond = Outward(FResizingClip, now, p);
        const bool onward = FResizingDir == 1 ? beyond >= 3 : beyond < -2;
        if (onward) {
            wanted = FResizingDir;
        } else {
            // Back the other way only once the pointer passed the edge the window would
            // have with the other row count.
            int back = bar->NextFloatingRows(FResizingDir == 1 ? -outwardRows : outwardRows);
            if (back > 0) {
                int past = Outward(FResizingClip, BoundsWithRows(back), p);
                if (FResizingDir == 1 ? past < 0 : past > 0) wanted = FResizingDir == 1 ? 2 : 1;
            }
        }
    }
    if (wanted == 0) return;
    const int rows = bar->NextFloatingRows(wanted == 1 ? outwardRows : -outwardRows);
    if (rows <= 0) return;
    FResizingDir = wanted;
    // The toolbar re-sizes this window; a left or top edge keeps the opposite one in place.
    bar->SetFloatingRows(rows);
    const int left = FResizingClip == rcLeft ? now.Right - FWidth : FLeft;
    const int top = FResizingClip == rcTop ? now.Bottom - FHeight : FTop;
    if (left != FLeft || top != FTop) SetBounds(left, top, FWidth, FHeight);
    Invalidate();
}

}  // namespace orv
