#include "framework/DragDrop.h"

namespace orv {

namespace {

struct TDragSession {
    TWinControl* Source = nullptr;
    HWND SourceWindow = nullptr;
    int HookId = 0;
    TEndDragEvent OnEnd;
    HWND TargetWindow = nullptr;
    bool Accepted = false;
    bool Ending = false;
};

TDragSession& Session() {
    static TDragSession session;
    return session;
}

TWinControl* LiveTarget() {
    TDragSession& s = Session();
    return s.TargetWindow ? TWinControl::FromHandle(s.TargetWindow) : nullptr;
}

void Over(TWinControl* target, TPoint screen, TDragState state, bool& accept) {
    if (auto* t = dynamic_cast<IDragTarget*>(target)) {
        TPoint p = target->ScreenToClient(screen);
        t->DragOver(Session().Source, p.X, p.Y, state, accept);
    }
}

}  // namespace

TWinControl* TDragOperation::TargetAt(TPoint screen) {
    HWND h = WindowFromPoint({screen.X, screen.Y});
    for (TWinControl* c = h ? TWinControl::FromHandle(h) : nullptr; c; c = c->Parent())
        if (dynamic_cast<IDragTarget*>(c)) return c;
    return nullptr;
}

void TDragOperation::Begin(TWinControl* source, TEndDragEvent onEnd) {
    if (Active()) Cancel();
    TDragSession& s = Session();
    s = TDragSession{};
    s.Source = source;
    s.SourceWindow = source->Handle();
    s.OnEnd = std::move(onEnd);
    s.HookId = source->AddMessageHook([](TMessage& m) {
        POINT sp;
        switch (m.Msg) {
            case WM_MOUSEMOVE:
                GetCursorPos(&sp);
                Move({sp.x, sp.y});
                return true;
            case WM_LBUTTONUP:
            case WM_RBUTTONUP:
            case WM_MBUTTONUP:
                GetCursorPos(&sp);
                Finish({sp.x, sp.y}, true);
                return true;
            case WM_KEYDOWN:
                if (m.WParam == VK_ESCAPE) {
                    Cancel();
                    return true;
                }
                return false;
            case WM_CAPTURECHANGED:
                // Another window took the mouse: the drag is over.
                if (!Session().Ending && reinterpret_cast<HWND>(m.LParam) != Session().SourceWindow) Cancel();
                return false;
            default:
                return false;
        }
    });
    SetCapture(s.SourceWindow);
    POINT sp;
    GetCursorPos(&sp);
    Move({sp.x, sp.y});
}

bool TDragOperation::Active() {
    return Session().Source != nullptr;
}

TWinControl* TDragOperation::Source() {
    return Session().Source;
}

void TDragOperation::Move(TPoint screen) {
    TDragSession& s = Session();
    if (!s.Source) return;
    TWinControl* target = TargetAt(screen);
    TWinControl* old = LiveTarget();
    bool accept = false;
    if (old && old != target) {
        bool ignored = false;
        Over(old, screen, dsDragLeave, ignored);
    }
    if (target) {
        accept = old == target && s.Accepted;
        Over(target, screen, old == target ? dsDragMove : dsDragEnter, accept);
    }
    s.TargetWindow = target ? target->Handle() : nullptr;
    s.Accepted = target && accept;
    ::SetCursor(CursorHandle(s.Accepted ? crArrow : crNo));
}

void TDragOperation::Finish(TPoint screen, bool drop) {
    TDragSession& s = Session();
    if (!s.Source || s.Ending) return;
    s.Ending = true;
    TWinControl* target = LiveTarget();
    bool dropped = drop && target && s.Accepted;
    if (target) {
        bool ignored = false;
        Over(target, screen, dsDragLeave, ignored);
    }
    TObject* source = s.Source;
    if (dropped)
        if (auto* t = dynamic_cast<IDragTarget*>(target)) {
            TPoint p = target->ScreenToClient(screen);
            t->DragDrop(source, p.X, p.Y);
        }
    if (TWinControl* src = TWinControl::FromHandle(s.SourceWindow)) src->RemoveMessageHook(s.HookId);
    if (GetCapture() == s.SourceWindow) ReleaseCapture();
    TEndDragEvent onEnd = std::move(s.OnEnd);
    s = TDragSession{};
    if (onEnd) onEnd(dropped ? target : nullptr, dropped);
}

}  // namespace orv
