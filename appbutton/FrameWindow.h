#pragma once
// TFrameWindow: the borderless, stay-on-top pop-up that the application (shape) button
// opens below itself over the main window. It hosts the button's frame, which is moved
// into it (the frame keeps its window) and covers all but the top 3-pixel strip; the
// window paints only that strip. It never takes the activation from the main window,
// closes on Escape and wants every key. Owned by the shape button that made it.
#include "framework/PopupForm.h"

namespace orv {

class TOrvCustomShapeButton;

// The window's shape for a client size: a plain rectangle with the scenic look, else a
// rectangle with 4 x 4 rounded corners. False (and no region) for a width of 10 or less,
// which keeps the region the window had.
bool FrameWindowRegionWanted(int width);

class TFrameWindow : public TPopupForm {
public:
    ORV_CLASS_NAME(TFrameWindow)
    explicit TFrameWindow(TComponent* owner);

    void ApplyRegion();
    bool GetShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value) { FShowBorder = value; }
    TColor GetBorderColor() const { return FBorderColor; }
    // Paints the top strip into dc (client coordinates), as the window's paint does.
    void PaintStrip(HDC dc);

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void PaintWindow(HDC dc) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    LRESULT DialogCode() override { return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB; }

private:
    bool FShowBorder = true;
    TColor FBorderColor = clNone;
};

}  // namespace orv
