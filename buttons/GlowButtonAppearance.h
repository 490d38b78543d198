#pragma once
// TGlowButtonAppearance: the colours of a glow button in its five looks (normal, hot,
// down, checked, disabled), each a two-half glass fill with a border. Owned by its
// button; the toolbar styler, the quick access toolbar and the application menu keep
// their own copies and assign them. Every setter that changes a value fires OnChange;
// Assign fires it once at the end; BeginUpdate/EndUpdate gather changes into one.
#include <tuple>

#include "framework/Event.h"
#include "framework/Persistent.h"
#include "framework/Types.h"
#include "paint/OrvGradients.h"

namespace orv {

// One look: the upper half runs Color -> ColorTo, the lower half ColorMirrorTo (at the
// middle) -> ColorMirror (at the bottom).
struct TGlowColorSet {
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor BorderColor = clNone;
    TGDIPGradient Gradient = ggVertical;
    TGDIPGradient GradientMirror = ggVertical;
    friend bool operator==(const TGlowColorSet&, const TGlowColorSet&) = default;
    auto Tie() const {
        return std::tie(Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor, Gradient, GradientMirror);
    }
};

enum TGlowLook { glNormal, glHot, glDown, glChecked, glDisabled };

class TGlowButtonAppearance : public TPersistent {
public:
    ORV_CLASS_NAME(TGlowButtonAppearance)
    TGlowButtonAppearance();

    void Assign(const TPersistent* source) override;
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // The colour set of one look.
    TGlowColorSet Look(TGlowLook look) const;
    // Sets the four fills, the border and both gradients of one look at once.
    void SetLook(TGlowLook look, const TGlowColorSet& value);

#define ORV_GLOW_PROP(Type, Name) \
    Type Get##Name() const {      \
        return F##Name;           \
    }                             \
    void Set##Name(Type value) {  \
        Store(F##Name, value);    \
    }
    ORV_GLOW_PROP(TColor, BorderColor)
    ORV_GLOW_PROP(TColor, BorderColorHot)
    ORV_GLOW_PROP(TColor, BorderColorDown)
    ORV_GLOW_PROP(TColor, BorderColorChecked)
    ORV_GLOW_PROP(TColor, BorderColorDisabled)
    ORV_GLOW_PROP(TColor, Color)
    ORV_GLOW_PROP(TColor, ColorTo)
    ORV_GLOW_PROP(TColor, ColorChecked)
    ORV_GLOW_PROP(TColor, ColorCheckedTo)
    ORV_GLOW_PROP(TColor, ColorDisabled)
    ORV_GLOW_PROP(TColor, ColorDisabledTo)
    ORV_GLOW_PROP(TColor, ColorDown)
    ORV_GLOW_PROP(TColor, ColorDownTo)
    ORV_GLOW_PROP(TColor, ColorHot)
    ORV_GLOW_PROP(TColor, ColorHotTo)
    ORV_GLOW_PROP(TColor, ColorMirror)
    ORV_GLOW_PROP(TColor, ColorMirrorTo)
    ORV_GLOW_PROP(TColor, ColorMirrorHot)
    ORV_GLOW_PROP(TColor, ColorMirrorHotTo)
    ORV_GLOW_PROP(TColor, ColorMirrorDown)
    ORV_GLOW_PROP(TColor, ColorMirrorDownTo)
    ORV_GLOW_PROP(TColor, ColorMirrorChecked)
    ORV_GLOW_PROP(TColor, ColorMirrorCheckedTo)
    ORV_GLOW_PROP(TColor, ColorMirrorDisabled)
    ORV_GLOW_PROP(TColor, ColorMirrorDisabledTo)
    ORV_GLOW_PROP(TGDIPGradient, Gradient)
    ORV_GLOW_PROP(TGDIPGradient, GradientMirror)
    ORV_GLOW_PROP(TGDIPGradient, GradientHot)
    ORV_GLOW_PROP(TGDIPGradient, GradientMirrorHot)
    ORV_GLOW_PROP(TGDIPGradient, GradientDown)
    ORV_GLOW_PROP(TGDIPGradient, GradientMirrorDown)
    ORV_GLOW_PROP(TGDIPGradient, GradientChecked)
    ORV_GLOW_PROP(TGDIPGradient, GradientMirrorChecked)
    ORV_GLOW_PROP(TGDIPGradient, GradientDisabled)
    ORV_GLOW_PROP(TGDIPGradient, GradientMirrorDisabled)
    ORV_GLOW_PROP(bool, SystemFont)
#undef ORV_GLOW_PROP

    TNotifyEvent OnChange;

private:
    template <class V>
    void Store(V& field, V value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed();

    TColor FBorderColor, FBorderColorHot, FBorderColorDown, FBorderColorChecked, FBorderColorDisabled;
    TColor FColor, FColorTo, FColorChecked, FColorCheckedTo, FColorDisabled, FColorDisabledTo;
    TColor FColorDown, FColorDownTo, FColorHot, FColorHotTo;
    TColor FColorMirror, FColorMirrorTo, FColorMirrorHot, FColorMirrorHotTo, FColorMirrorDown, FColorMirrorDownTo;
    TColor FColorMirrorChecked, FColorMirrorCheckedTo, FColorMirrorDisabled, FColorMirrorDisabledTo;
    TGDIPGradient FGradient, FGradientMirror, FGradientHot, FGradientMirrorHot, FGradientDown, FGradientMirrorDown;
    TGDIPGradient FGradientChecked, FGradientMirrorChecked, FGradientDisabled, FGradientMirrorDisabled;
    bool FSystemFont = true;
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
};

}  // namespace orv
