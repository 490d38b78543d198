#include "appbutton/ShapeButtonAppearance.h"

#include "appbutton/OrvShapeButton.h"
#include "paint/OrvColors.h"

namespace orv {

TOrvShapeButtonAppearance::TOrvShapeButtonAppearance(TOrvCustomShapeButton* owner) : FOwner(owner) {
    Reset();
}

void TOrvShapeButtonAppearance::Reset() {
    FShape = TOrvButtonShape::bsCustom;
    FBorderColor = 12413505;
    FBorderColorHot = 13993796;
    FBorderColorDown = 12413505;
    FBorderColorDisabled = 8421504;
    FInnerBorderColor = 13607033;
    FInnerBorderColorHot = 15978143;
    FInnerBorderColorDown = 13607033;
    FInnerBorderColorDisabled = 12632256;
    FColor = 13011785;
    FColorTo = 11757871;
    FColorMirror = 8929562;
    FColorMirrorTo = 13540160;
    FColorHot = 15710584;
    FColorHotTo = 13796424;
    FColorHotMirror = 11488785;
    FColorHotMirrorTo = 16777110;
    FColorDown = 13011785;
    FColorDownTo = 11757871;
    FColorDownMirror = 8929562;
    FColorDownMirrorTo = 13540160;
    FColorDisabled = 14408667;
    FColorDisabledTo = 12895428;
    FColorDisabledMirror = 11184810;
    FColorDisabledMirrorTo = 12632256;
    FShowMenuShape = false;
    FMenuShapeColor = 16777215;
    FMenuShapeColorHot = 16777215;
    FMenuShapeColorDown = 16777215;
    FMenuShapeColorDisabled = 16777215;
    FShowPicture = true;
    Changed();
}

TPersistent* TOrvShapeButtonAppearance::GetOwner() const {
    return FOwner;
}

void TOrvShapeButtonAppearance::Changed() {
    if (FInChange) return;
    OnChange(this);
    if (FOwner) FOwner->Invalidate();
}

void TOrvShapeButtonAppearance::CopyColors(const TOrvShapeButtonAppearance& s) {
    FBorderColor = s.FBorderColor;
    FBorderColorHot = s.FBorderColorHot;
    FBorderColorDown = s.FBorderColorDown;
    FBorderColorDisabled = s.FBorderColorDisabled;
    FInnerBorderColor = s.FInnerBorderColor;
    FInnerBorderColorHot = s.FInnerBorderColorHot;
    FInnerBorderColorDown = s.FInnerBorderColorDown;
    FInnerBorderColorDisabled = s.FInnerBorderColorDisabled;
    FColor = s.FColor;
    FColorTo = s.FColorTo;
    FColorMirror = s.FColorMirror;
    FColorMirrorTo = s.FColorMirrorTo;
    FColorHot = s.FColorHot;
    FColorHotTo = s.FColorHotTo;
    FColorHotMirror = s.FColorHotMirror;
    FColorHotMirrorTo = s.FColorHotMirrorTo;
    FColorDown = s.FColorDown;
    FColorDownTo = s.FColorDownTo;
    FColorDownMirror = s.FColorDownMirror;
    FColorDownMirrorTo = s.FColorDownMirrorTo;
    FColorDisabled = s.FColorDisabled;
    FColorDisabledTo = s.FColorDisabledTo;
    FColorDisabledMirror = s.FColorDisabledMirror;
    FColorDisabledMirrorTo = s.FColorDisabledMirrorTo;
    FMenuShapeColor = s.FMenuShapeColor;
    FMenuShapeColorHot = s.FMenuShapeColorHot;
    FMenuShapeColorDown = s.FMenuShapeColorDown;
    FMenuShapeColorDisabled = s.FMenuShapeColorDisabled;
}

void TOrvShapeButtonAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvShapeButtonAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    if (s == this) return;
    CopyColors(*s);
    FShape = s->FShape;
    FShowMenuShape = s->FShowMenuShape;
    FShowPicture = s->FShowPicture;
    Changed();
}

void TOrvShapeButtonAppearance::AssignColors(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvShapeButtonAppearance*>(source);
    if (!s || s == this) return;
    CopyColors(*s);
    Changed();
}

void TOrvShapeButtonAppearance::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    UpdateButtonColor(value);
    Changed();
}

void TOrvShapeButtonAppearance::UpdateButtonColor(TColor color) {
    if (!FOwner || !FOwner->GetUseGlobalColor()) return;
    FInChange = true;
    FBorderColor = DarkenColor(color, 40);
    FInnerBorderColor = LightenColor(color, 40);
    FColor = LightenColor(color, 30);
    FColorTo = LightenColor(color, 10);
    FColorMirror = color;
    FColorMirrorTo = color;
    FBorderColorHot = LightenColor(FBorderColor, 10);
    FInnerBorderColorHot = LightenColor(FInnerBorderColor, 10);
    FColorHot = LightenColor(FColor, 10);
    FColorHotTo = LightenColor(FColorTo, 10);
    FColorHotMirror = LightenColor(FColorMirror, 10);
    FColorHotMirrorTo = LightenColor(FColorMirrorTo, 10);
    FBorderColorDown = FBorderColor;
    FInnerBorderColorDown = FInnerBorderColor;
    FColorDown = FColor;
    FColorDownTo = FColorTo;
    FColorDownMirror = FColorMirror;
    FColorDownMirrorTo = FColorMirrorTo;
    FInChange = false;
    FOwner->TellFrameChangeMenu(color);
    Changed();
}

TShapeColorSet TOrvShapeButtonAppearance::Look(TShapeLook look) const {
    switch (look) {
        case slHot:
            return {FBorderColorHot, FInnerBorderColorHot, FColorHot,         FColorHotTo,
                    FColorHotMirror, FColorHotMirrorTo,    FMenuShapeColorHot};
        case slDown:
            return {FBorderColorDown, FInnerBorderColorDown, FColorDown,         FColorDownTo,
                    FColorDownMirror, FColorDownMirrorTo,    FMenuShapeColorDown};
        case slDisabled:
            return {FBorderColorDisabled, FInnerBorderColorDisabled, FColorDisabled,         FColorDisabledTo,
                    FColorDisabledMirror, FColorDisabledMirrorTo,    FMenuShapeColorDisabled};
        case slNormal:
        default:
            return {FBorderColor, FInnerBorderColor, FColor, FColorTo, FColorMirror, FColorMirrorTo, FMenuShapeColor};
    }
}

}  // namespace orv
