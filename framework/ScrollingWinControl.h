#pragma once
// TScrollingWinControl: a windowed control with a horizontal and a vertical scroll bar
// object. Each bar keeps its range, position, increment and thumb size and shows itself
// in the window (the platform's own scroll bars) while it is visible and its range
// exceeds the thumb. Scroll-bar messages move the position by the bar's increment, by
// a thumb (page) or to the dragged thumb (only with Tracking while the thumb moves);
// subclasses hear every move through ScrollPositionChanged.
#include <cstdint>

#include "framework/WinControl.h"

namespace orv {

class TScrollingWinControl;

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
enum TScrollCode : uint8_t {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

class TControlScrollBar : public TPersistent {
public:
    ORV_CLASS_NAME(TControlScrollBar)
    TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind) : FControl(control), FKind(kind) {}

    TScrollBarKind Kind() const { return FKind; }
    // Size of what can be scrolled, in pixels; the position runs from 0 to Range - ThumbSize.
    int GetRange() const { return FRange; }
    void SetRange(int value);
    int GetPosition() const { return FPosition; }
    // Clamped into [0, Range - ThumbSize].
    void SetPosition(int value);
    int GetIncrement() const { return FIncrement; }
    void SetIncrement(int value) { FIncrement = value < 1 ? 1 : value; }
    // The part of the range in view at once (the window's page).
    int GetThumbSize() const { return FThumbSize; }
    void SetThumbSize(int value);
    bool GetVisible() const { return FVisible; }
    void SetVisible(bool value);
    // While the thumb is dragged, scroll along (true) or only when it is let go.
    bool GetTracking() const { return FTracking; }
    void SetTracking(bool value) { FTracking = value; }
    // The largest position the range allows.
    int MaxPosition() const { return FRange > FThumbSize ? FRange - FThumbSize : 0; }
    // Shown in the window: visible and the range exceeds the thumb.
    bool IsScrollBarVisible() const { return FVisible && FRange > FThumbSize; }
    // The platform's width of a vertical bar, height of a horizontal one.
    int Size() const;

    // The new position for a scroll-bar request (trackPos for scTrack and scPosition).
    int PositionFor(TScrollCode code, int trackPos) const;
    // Puts range, thumb, position and visibility into the window, when it exists.
    void Update();
    void Assign(const TPersistent* source) override;

private:
    TScrollingWinControl& FControl;
    TScrollBarKind FKind;
    int FRange = 0;
    int FPosition = 0;
    int FIncrement = 8;
    int FThumbSize = 0;
    bool FVisible = true;
    bool FTracking = false;
    bool FShownInWindow = true;  // the window may show a bar until told otherwise
};

class TScrollingWinControl : public TWinControl {
public:
    ORV_CLASS_NAME(TScrollingWinControl)
    explicit TScrollingWinControl(TComponent* owner);

    TControlScrollBar& HorzScrollBar() { return FHorzScrollBar; }
    TControlScrollBar& VertScrollBar() { return FVertScrollBar; }
    const TControlScrollBar& HorzScrollBar() const { return FHorzScrollBar; }
    const TControlScrollBar& VertScrollBar() const { return FVertScrollBar; }

protected:
    void WndProc(TMessage& message) override;
    void CreateHandleDone() override;
    // A scroll-bar request arrived: the base moves the bar (a thumb drag only with
    // Tracking) and reports a change of position.
    virtual void ScrollMessage(TScrollBarKind kind, TScrollCode code, int trackPos);
    // The bar's position moved because of a scroll-bar request.
    virtual void ScrollPositionChanged(TScrollBarKind /*kind*/) {}

private:
    TControlScrollBar FHorzScrollBar;
    TControlScrollBar FVertScrollBar;
};

}  // namespace orv
