#include "toolbar/PagerCaptionLayer.h"

#include <windowsx.h>

#include "buttons/OrvGlowButton.h"
#include "framework/Forms.h"
#include "toolbar/GlassCaptionText.h"
#include "toolbar/OrvToolBarForm.h"

namespace orv {

bool CaptionLayerCanResizeTop(TForm* form) {
    if (!form || form->GetWindowState() == TWindowState::wsMaximized) return false;
    const TFormBorderStyle b = form->GetBorderStyle();
    return b != TFormBorderStyle::bsSingle && b != TFormBorderStyle::bsDialog && b != TFormBorderStyle::bsToolWindow;
}

TCaptionLayer::TCaptionLayer(TComponent* owner) : TCustomControl(owner) {
    // Drawn over the parent's background: glass shows through where nothing is drawn.
    SetControlStyle((ControlStyle() | csParentBackground) & ~csOpaque);
    FReferenceButton = new TOrvGlowButton(this);
    FReferenceButton->SetBounds(1, 1, 1, 1);
    FReferenceButton->SetTransparent(true);
    FReferenceButton->SetTabStop(false);
    FReferenceButton->SetParent(this);
}

void TCaptionLayer::SetBackgroundColor(TColor value) {
    if (FBackgroundColor == value) return;
    FBackgroundColor = value;
    Invalidate();
}

void TCaptionLayer::SetText(const std::wstring& value) {
    if (FText == value) return;
    FText = value;
    Invalidate();
}

void TCaptionLayer::SetHost(ICaptionLayerHost* host, TControl* hostControl) {
    FHost = host;
    FHostControl = hostControl;
}

void TCaptionLayer::Loaded() {
    TCustomControl::Loaded();
    FLoadedCursor = GetCursor();
}

void TCaptionLayer::Paint() {
    ++FPaintCount;
    std::wstring text = FText;
    bool handled = false;
    const TRect client = ClientRect();
    if (OnTextPaint) OnTextPaint(this, text, handled, client);
    if (!handled) {
        TGlassCaptionText caption;
        caption.Text = text;
        caption.BackColor = FBackgroundColor;
        Canvas().DeselectObjects();
        DrawGlowingCaptionText(this, Canvas().Handle(), caption, client);
    }
    FFlip = !FFlip;
    if (FFlip && FReferenceButton) FReferenceButton->Invalidate();
}

void TCaptionLayer::WndProc(TMessage& message) {
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return;
    }
    if (message.Msg == WM_NCHITTEST) {
        // The form's own resize zones (top edge, corners) are the form's.
        TCustomControl::WndProc(message);
        if (message.Result == HTCLIENT &&
            InToolBarFormResizeZone(this, {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)}))
            message.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::WndProc(message);
}

TPoint TCaptionLayer::ToHost(int x, int y) const {
    if (!FHostControl) return {x, y};
    return FHostControl->ScreenToClient(ClientToScreen({x, y}));
}

void TCaptionLayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    TForm* form = GetParentForm(this);
    if (button == TMouseButton::mbLeft && !(shift & ssDouble) && InCaptionLayerResizeZone(y) &&
        CaptionLayerCanResizeTop(form)) {
        FResizing = true;
        FResizeStartY = ClientToScreen({x, y}).Y - form->Top();
        return;
    }
    if (shift & ssDouble) return;  // the double click goes to the host as such
    TPoint p = ToHost(x, y);
    if (FHost) FHost->CaptionLayerMouseDown(button, shift, p.X, p.Y);
}

void TCaptionLayer::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    TForm* form = GetParentForm(this);
    if (FResizing && form) {
        const int newTop = ClientToScreen({x, y}).Y - FResizeStartY;
        const int delta = newTop - form->Top();
        if (delta != 0) form->SetBounds(form->Left(), newTop, form->Width(), form->Height() - delta);
        return;
    }
    SetCursor(InCaptionLayerResizeZone(y) && CaptionLayerCanResizeTop(form) ? crSizeNS : FLoadedCursor);
}

void TCaptionLayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (FResizing) {
        FResizing = false;
        return;
    }
    TPoint p = ToHost(x, y);
    if (FHost) FHost->CaptionLayerMouseUp(button, shift, p.X, p.Y);
}

void TCaptionLayer::DblClick() {
    TCustomControl::DblClick();
    POINT cursor{};
    GetCursorPos(&cursor);
    TPoint local = ScreenToClient({cursor.x, cursor.y});
    TPoint p = ToHost(local.X, local.Y);
    if (FHost) FHost->CaptionLayerDblClick(p.X, p.Y);
}

}  // namespace orv
