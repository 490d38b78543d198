#pragma once
// TOrvPageScrollButton: the small left and right scroll buttons of the pager's tab row
// and of a page's toolbar row. A press clicks on release; holding it clicks after the
// initial pause and then at every repeat pause. Also the glyphs of the pager's caption
// and MDI buttons, drawn into 14 x 14 bitmaps.
#include <memory>

#include "buttons/GlowButtonAppearance.h"
#include "buttons/GlowButtonPainter.h"
#include "framework/WinControl.h"
#include "toolbar/OrvVistaButton.h"

namespace orv {

class TTimer;

// The scroll button's face colours for its state (disabled, pressed, hot, normal); with a
// position other than standalone a pressed button keeps the normal border.
TGlowColorSet ScrollButtonColors(const TGlowButtonAppearance& appearance, bool enabled, bool down, bool hot,
                                 TButtonPosition position);
// The arrow of a width x height button in color (the pen of the face): the 1, 3 and 5
// pixel columns of a left or right pointing triangle; nothing for the other arrows.
void DrawScrollArrow(TCanvas& canvas, TScrollArrow arrow, int width, int height, TColor color);

class TOrvPageScrollButton : public TCustomControl {
public:
    ORV_CLASS_NAME(TOrvPageScrollButton)
    explicit TOrvPageScrollButton(TComponent* owner);

    TGlowButtonAppearance& Appearance() { return *FAppearance; }
    void SetAppearance(const TGlowButtonAppearance& value) { FAppearance->Assign(&value); }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TButtonPosition GetButtonPosition() const { return FButtonPosition; }
    void SetButtonPosition(TButtonPosition value);
    TScrollArrow GetScrollArrow() const { return FScrollArrow; }
    void SetScrollArrow(TScrollArrow value);
    bool GetRepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool value) { FRepeatClick = value; }
    unsigned GetInitRepeatPause() const { return FInitRepeatPause; }
    void SetInitRepeatPause(unsigned value) { FInitRepeatPause = value; }
    unsigned GetRepeatPause() const { return FRepeatPause; }
    void SetRepeatPause(unsigned value) { FRepeatPause = value; }

    bool Hot() const { return FHot; }
    bool Down() const { return FDown; }

protected:
    ~TOrvPageScrollButton() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void RepeatTick(TObject*);
    void StopTimer();
    void AppearanceChanged(TObject*) { Invalidate(); }

    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    TTimer* FRepeatTimer = nullptr;  // owned by the button (component owner)
    bool FTransparent = false;
    TButtonPosition FButtonPosition = bpStandalone;
    TScrollArrow FScrollArrow = saLeft;
    bool FRepeatClick = true;
    unsigned FInitRepeatPause = 400;
    unsigned FRepeatPause = 100;
    bool FHot = false;
    bool FDown = false;
};

// --- Caption and MDI button glyphs ---------------------------------------------------------

enum TCaptionGlyph { cgClose, cgMaximize, cgRestore, cgMinimize };
constexpr int kCaptionGlyphSize = 14;
// Draws the glyph in color into a 14 x 14 area at (x, y). Close: a cross two pixels thick
// from (3, 3) to (10, 10) and (10, 3) to (3, 10). Maximize: a box (2, 2)-(11, 11) with a
// two-pixel top. Restore: a box (2, 5)-(8, 11) in front of a box (5, 2)-(11, 8), each
// with a two-pixel top. Minimize: a bar from (3, 9) to (10, 10).
void DrawCaptionGlyph(TCanvas& canvas, TCaptionGlyph glyph, TColor color, int x = 0, int y = 0);

}  // namespace orv
