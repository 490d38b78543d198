#pragma once
// TFloatingWindow: the borderless stay-on-top window a toolbar floats in. Sized to the
// toolbar plus its border; paints the border and its inner corner pixels. Its edges
// resize it a row of the toolbar at a time. Made and freed by the toolbar (owner: the
// toolbar's owner); closing it hides the toolbar.
#include "framework/Forms.h"

namespace orv {

class TOrvCustomToolBar;

// The edge a resize drags.
enum TResizingClip { rcLeft, rcTop, rcRight, rcBottom };

class TFloatingWindow : public TForm {
public:
    ORV_CLASS_NAME(TFloatingWindow)
    explicit TFloatingWindow(TComponent* owner);

    TOrvCustomToolBar* GetOrvCustomToolBar() const { return FOrvCustomToolBar; }
    void SetOrvCustomToolBar(TOrvCustomToolBar* value);
    int GetBorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    TColor GetBorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    // Toolbar size + 2 x BorderWidth + 2 each way; the toolbar at (BorderWidth + 1, BorderWidth + 1).
    void UpdateSize();
    // Hidden by the toolbar's timer because its form was hidden.
    bool AutoHidden() const { return FAutoHidden; }
    void SetAutoHidden(bool value) { FAutoHidden = value; }
    // The edge band a window point (client coordinates) lies in: x 0 ... 5 left, y 0 ... 5
    // top, the last five pixels and the edge itself right and bottom; asked in the order
    // right, bottom, left, top.
    bool EdgeAt(TPoint point, TResizingClip& clip) const;
    // The edge bands reach over the toolbar: its hit test lets the pointer through to this
    // window there (true: the message is answered).
    bool PassEdgeHit(TMessage& message) const;
    bool Resizing() const { return FResizing; }
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void PaintWindow(HDC dc) override;
    void DoClose(TCloseAction& action) override;
    void WndProc(TMessage& message) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    // One row step for the pointer at a screen point, when the pointer went far enough.
    void ResizeTo(TPoint point);
    // The window's screen rectangle with the toolbar in rows rows, the edge opposite the
    // dragged one where it is now.
    TRect BoundsWithRows(int rows) const;
    void EndResizing();

    TOrvCustomToolBar* FOrvCustomToolBar = nullptr;
    int FBorderWidth = 2;
    TColor FBorderColor = 0x6D6D6D;
    bool FAutoHidden = false;
    bool FResizing = false;
    // The press, in screen coordinates.
    int FMouseX = 0;
    int FMouseY = 0;
    // The last step: 0 none yet, 1 the edge went outward, 2 inward.
    int FResizingDir = 0;
    TResizingClip FResizingClip = rcRight;
};

}  // namespace orv
