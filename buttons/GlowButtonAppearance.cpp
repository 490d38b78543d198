#include "buttons/GlowButtonAppearance.h"

#include "buttons/OrvGlowButton.h"
#include "framework/ClassRegistry.h"
#include "paint/OrvColors.h"

namespace orv {

TGlowButtonAppearance::TGlowButtonAppearance() {
    FBorderColor = 0xC0C0C0;
    FBorderColorHot = 0xFF0000;
    FBorderColorDown = 0x800000;
    FBorderColorChecked = 0xFF0000;
    FBorderColorDisabled = 0x808080;
    FColor = 0xFFFFFF;
    FColorTo = 0xFFFFFF;
    FColorMirror = 0xC0C0C0;
    FColorMirrorTo = 0xFFFFFF;
    FColorHot = 0xF5F0E1;
    FColorHotTo = 0xF9D2B2;
    FColorMirrorHot = 0xF5C8AD;
    FColorMirrorHotTo = 0xFFF8F4;
    // Pressed and checked are the hot colours with red and green taken down; disabled is
    // the normal look a shade darker.
    FColorDown = FColorChecked = AdjustColorChannels(FColorHot, -10, -10, 0);
    FColorDownTo = FColorCheckedTo = AdjustColorChannels(FColorHotTo, -10, -10, 0);
    FColorMirrorDown = FColorMirrorChecked = AdjustColorChannels(FColorMirrorHot, -10, -10, 0);
    FColorMirrorDownTo = FColorMirrorCheckedTo = AdjustColorChannels(FColorMirrorHotTo, -10, -10, 0);
    FColorDisabled = AdjustColorChannels(0xFFFFFF, -5, -5, -5);
    FColorDisabledTo = AdjustColorChannels(0xFFFFFF, -5, -5, -5);
    FColorMirrorDisabled = AdjustColorChannels(0xC0C0C0, -5, -5, -5);
    FColorMirrorDisabledTo = AdjustColorChannels(0xFFFFFF, -5, -5, -5);
    FGradient = ggVertical;
    FGradientMirror = ggVertical;
    FGradientHot = ggRadial;
    FGradientMirrorHot = ggRadial;
    FGradientDown = ggRadial;
    FGradientMirrorDown = ggRadial;
    FGradientChecked = ggRadial;
    FGradientMirrorChecked = ggVertical;
    FGradientDisabled = ggRadial;
    FGradientMirrorDisabled = ggRadial;
}

void TGlowButtonAppearance::Changed() {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    OnChange(this);
}

void TGlowButtonAppearance::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        OnChange(this);
    }
}

void TGlowButtonAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TGlowButtonAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    // Every value is published: the tables copy them, inside one update so the copy
    // raises OnChange once, at the end, whether or not a value differed.
    if (!TClassRegistry::Find(ClassName())) RegisterButtonsClasses();
    BeginUpdate();
    try {
        AssignPublished(s, this);
    } catch (...) {
        EndUpdate();
        throw;
    }
    Changed();
    EndUpdate();
}

TGlowColorSet TGlowButtonAppearance::Look(TGlowLook look) const {
    switch (look) {
        case glHot:
            return {FColorHot,       FColorHotTo,  FColorMirrorHot,   FColorMirrorHotTo,
                    FBorderColorHot, FGradientHot, FGradientMirrorHot};
        case glDown:
            return {FColorDown,       FColorDownTo,  FColorMirrorDown,   FColorMirrorDownTo,
                    FBorderColorDown, FGradientDown, FGradientMirrorDown};
        case glChecked:
            return {FColorChecked,       FColorCheckedTo,  FColorMirrorChecked,   FColorMirrorCheckedTo,
                    FBorderColorChecked, FGradientChecked, FGradientMirrorChecked};
        case glDisabled:
            return {FColorDisabled,       FColorDisabledTo,  FColorMirrorDisabled,   FColorMirrorDisabledTo,
                    FBorderColorDisabled, FGradientDisabled, FGradientMirrorDisabled};
        case glNormal:
        default:
            return {FColor, FColorTo, FColorMirror, FColorMirrorTo, FBorderColor, FGradient, FGradientMirror};
    }
}

void TGlowButtonAppearance::SetLook(TGlowLook look, const TGlowColorSet& v) {
    BeginUpdate();
    switch (look) {
        case glHot:
            SetColorHot(v.Color), SetColorHotTo(v.ColorTo), SetColorMirrorHot(v.ColorMirror);
            SetColorMirrorHotTo(v.ColorMirrorTo), SetBorderColorHot(v.BorderColor);
            SetGradientHot(v.Gradient), SetGradientMirrorHot(v.GradientMirror);
            break;
        case glDown:
            SetColorDown(v.Color), SetColorDownTo(v.ColorTo), SetColorMirrorDown(v.ColorMirror);
            SetColorMirrorDownTo(v.ColorMirrorTo), SetBorderColorDown(v.BorderColor);
            SetGradientDown(v.Gradient), SetGradientMirrorDown(v.GradientMirror);
            break;
        case glChecked:
            SetColorChecked(v.Color), SetColorCheckedTo(v.ColorTo), SetColorMirrorChecked(v.ColorMirror);
            SetColorMirrorCheckedTo(v.ColorMirrorTo), SetBorderColorChecked(v.BorderColor);
            SetGradientChecked(v.Gradient), SetGradientMirrorChecked(v.GradientMirror);
            break;
        case glDisabled:
            SetColorDisabled(v.Color), SetColorDisabledTo(v.ColorTo), SetColorMirrorDisabled(v.ColorMirror);
            SetColorMirrorDisabledTo(v.ColorMirrorTo), SetBorderColorDisabled(v.BorderColor);
            SetGradientDisabled(v.Gradient), SetGradientMirrorDisabled(v.GradientMirror);
            break;
        case glNormal:
            SetColor(v.Color), SetColorTo(v.ColorTo), SetColorMirror(v.ColorMirror);
            SetColorMirrorTo(v.ColorMirrorTo), SetBorderColor(v.BorderColor);
            SetGradient(v.Gradient), SetGradientMirror(v.GradientMirror);
            break;
    }
    EndUpdate();
}

}  // namespace orv
