#pragma once
// TOrvVistaButton: the small window-less button of the quick access toolbar (its
// customize and overflow buttons). It draws a glow face only when hot, pressed or
// disabled, and one of a few glyphs: a left or right triangle, the double chevron of
// the overflow button, or the bar-and-triangle of the customize button. It clicks on
// the release of any mouse button itself (no framework click-on-release). Owns its
// appearance record.
#include <memory>

#include "buttons/GlowButtonAppearance.h"
#include "buttons/GlowButtonPainter.h"
#include "framework/Controls.h"

namespace orv {

enum TScrollArrow { saLeft, saTop, saRight, saBottom, saNone };
enum TArrowStyle { asSingle, asDouble, asWithLine };

// The glyph of a width x height Vista button, drawn with pen colour color (the
// double chevron and the customize glyph have their own black and white).
void DrawVistaButtonGlyph(TCanvas& canvas, TScrollArrow arrow, TArrowStyle style, int width, int height, TColor color);

class TOrvVistaButton : public TGraphicControl {
public:
    ORV_CLASS_NAME(TOrvVistaButton)
    explicit TOrvVistaButton(TComponent* owner);

    TGlowButtonAppearance& Appearance() { return *FAppearance; }
    void SetAppearance(const TGlowButtonAppearance& value) { FAppearance->Assign(&value); }
    bool GetTransparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    TButtonPosition GetButtonPosition() const { return FButtonPosition; }
    void SetButtonPosition(TButtonPosition value);
    // Always repaints, also when the arrow is the same.
    TScrollArrow GetScrollArrow() const { return FScrollArrow; }
    void SetScrollArrow(TScrollArrow value);
    TArrowStyle GetArrowStyle() const { return FArrowStyle; }
    void SetArrowStyle(TArrowStyle value);
    // Drawn pressed while set (a menu or window it opened is showing).
    bool GetDown() const { return FDown; }
    void SetDown(bool value);

    // No longer hot nor pressed (a menu it opened took the pointer away).
    void ClearHot();
    bool MouseEntered() const { return FMouseEnter; }
    bool MouseIsDown() const { return FMouseDown; }
    // The colours the face paints with now; a normal-state button draws no face.
    TGlowColorSet CurrentColors(bool& faceDrawn) const;

protected:
    ~TOrvVistaButton() override;
    void Paint() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    bool FMouseEnter = false;
    bool FTransparent = false;
    TButtonPosition FButtonPosition = bpStandalone;
    bool FMouseDown = false;
    TScrollArrow FScrollArrow = saLeft;
    TArrowStyle FArrowStyle = asSingle;
    bool FDown = false;
};

}  // namespace orv
