#include "framework/ScrollingWinControl.h"

#include <algorithm>

namespace orv {

void TControlScrollBar::SetRange(int value) {
    value = std::max(0, value);
    if (FRange == value) return;
    FRange = value;
    FPosition = std::min(FPosition, MaxPosition());
    Update();
}

void TControlScrollBar::SetPosition(int value) {
    value = std::clamp(value, 0, MaxPosition());
    if (FPosition == value) return;
    FPosition = value;
    Update();
}

void TControlScrollBar::SetThumbSize(int value) {
    value = std::max(0, value);
    if (FThumbSize == value) return;
    FThumbSize = value;
    FPosition = std::min(FPosition, MaxPosition());
    Update();
}

void TControlScrollBar::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Update();
}

int TControlScrollBar::Size() const {
    return GetSystemMetrics(FKind == sbVertical ? SM_CXVSCROLL : SM_CYHSCROLL);
}

int TControlScrollBar::PositionFor(TScrollCode code, int trackPos) const {
    int page = std::max(1, FThumbSize);
    switch (code) {
        case scLineUp:
            return FPosition - FIncrement;
        case scLineDown:
            return FPosition + FIncrement;
        case scPageUp:
            return FPosition - page;
        case scPageDown:
            return FPosition + page;
        case scPosition:
        case scTrack:
            return trackPos;
        case scTop:
            return 0;
        case scBottom:
            return MaxPosition();
        case scEndScroll:
            break;
    }
    return FPosition;
}

void TControlScrollBar::Update() {
    if (!FControl.HandleAllocated()) return;
    // A bar that stays hidden costs nothing: showing and hiding re-frames the window.
    if (!IsScrollBarVisible() && !FShownInWindow) return;
    FShownInWindow = IsScrollBarVisible();
    HWND h = FControl.Handle();
    int bar = FKind == sbVertical ? SB_VERT : SB_HORZ;
    SCROLLINFO si{};
    si.cbSize = sizeof(si);
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (IsScrollBarVisible()) {
        si.nMax = FRange - 1;
        si.nPage = static_cast<UINT>(FThumbSize);
        si.nPos = FPosition;
    }
    // A page above the range hides the platform's bar.
    SetScrollInfo(h, bar, &si, TRUE);
    ShowScrollBar(h, bar, IsScrollBarVisible() ? TRUE : FALSE);
}

void TControlScrollBar::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TControlScrollBar*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FRange = s->FRange;
    FThumbSize = s->FThumbSize;
    FIncrement = s->FIncrement;
    FVisible = s->FVisible;
    FTracking = s->FTracking;
    FPosition = std::clamp(s->FPosition, 0, MaxPosition());
    Update();
}

TScrollingWinControl::TScrollingWinControl(TComponent* owner)
    : TWinControl(owner), FHorzScrollBar(*this, sbHorizontal), FVertScrollBar(*this, sbVertical) {}

void TScrollingWinControl::CreateHandleDone() {
    TWinControl::CreateHandleDone();
    FHorzScrollBar.Update();
    FVertScrollBar.Update();
}

void TScrollingWinControl::ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos) {
    TControlScrollBar& bar = kind == sbVertical ? FVertScrollBar : FHorzScrollBar;
    if (code == scEndScroll || (code == scTrack && !bar.GetTracking())) return;
    int old = bar.GetPosition();
    bar.SetPosition(bar.PositionFor(code, trackPos));
    if (bar.GetPosition() != old) ScrollPositionChanged(kind);
}

void TScrollingWinControl::WndProc(TMessage& m) {
    if (m.Msg == WM_HSCROLL || m.Msg == WM_VSCROLL) {
        TScrollBarKind kind = m.Msg == WM_VSCROLL ? sbVertical : sbHorizontal;
        int request = LOWORD(m.WParam);
        // The 32-bit thumb position: the message carries only 16 bits.
        int trackPos = HIWORD(m.WParam);
        if ((request == SB_THUMBTRACK || request == SB_THUMBPOSITION) && HandleAllocated() &&
            (kind == sbVertical ? FVertScrollBar : FHorzScrollBar).GetRange() > 0xFFFF) {
            SCROLLINFO si{};
            si.cbSize = sizeof(si);
            si.fMask = SIF_TRACKPOS;
            if (GetScrollInfo(Handle(), kind == sbVertical ? SB_VERT : SB_HORZ, &si)) trackPos = si.nTrackPos;
        }
        static constexpr TScrollCode kCodes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition,
                                                 scTrack,  scTop,      scBottom, scEndScroll};
        if (request >= 0 && request <= SB_ENDSCROLL) ScrollMessage(kind, kCodes[request], trackPos);
        m.Result = 0;
        return;
    }
    TWinControl::WndProc(m);
}

}  // namespace orv
