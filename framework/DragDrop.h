#pragma once
// The framework's drag operation: a source control starts it (the mouse is captured by
// the source's window), every pointer move asks the control under the pointer whether
// it accepts the drop (IDragTarget::DragOver with enter, move and leave states), the
// release drops on an accepting target, and the operation ends (Escape or a lost
// capture end it without a drop). One operation at a time, on the UI thread.
#include <functional>

#include "framework/WinControl.h"

namespace orv {

enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// Implemented by controls that take drops. x and y are the target's client coordinates.
class IDragTarget {
public:
    virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept) = 0;
    virtual void DragDrop(TObject* source, int x, int y) = 0;

protected:
    ~IDragTarget() = default;
};

// target: the control that took the drop, or null.
using TEndDragEvent = std::function<void(TControl* target, bool dropped)>;

class TDragOperation {
public:
    // Starts dragging from source; onEnd runs once when the drag ends.
    static void Begin(TWinControl* source, TEndDragEvent onEnd = nullptr);
    static bool Active();
    static TWinControl* Source();
    // Pointer moved / released at a screen point (the source's window routes these).
    static void Move(TPoint screen);
    static void Finish(TPoint screen, bool drop);
    static void Cancel() { Finish({0, 0}, false); }
    // The drop target under a screen point: the nearest window control that takes drops.
    static TWinControl* TargetAt(TPoint screen);
};

}  // namespace orv
