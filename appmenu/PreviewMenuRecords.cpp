#include "appmenu/PreviewMenuRecords.h"

#include "appmenu/OrvPreviewMenu.h"
#include "framework/ClassRegistry.h"
#include "framework/SystemFont.h"

namespace orv {

TSelectionAppearance::TSelectionAppearance() {
    ApplySystemFace();
}

void TSelectionAppearance::ApplySystemFace() {
    for (TFont* f : {&FFont, &FSubMenuCaptionFont, &FSubItemTitleFont, &FSubItemFont}) f->SetName(SystemFontName());
}

void TSelectionAppearance::SetSystemFont(bool value) {
    TGlowButtonAppearance::SetSystemFont(value);
    if (value) ApplySystemFace();
}

void TSelectionAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TSelectionAppearance*>(source);
    if (s) {
        FTextColor = s->FTextColor;
        FTextColorHot = s->FTextColorHot;
        FTextColorDown = s->FTextColorDown;
        FTextColorChecked = s->FTextColorChecked;
        FTextColorDisabled = s->FTextColorDisabled;
        FRounded = s->FRounded;
        FFont.Assign(&s->FFont);
        FSubMenuCaptionFont.Assign(&s->FSubMenuCaptionFont);
        FSubItemTitleFont.Assign(&s->FSubItemTitleFont);
        FSubItemFont.Assign(&s->FSubItemFont);
    }
    // The glow-button part last: its Assign raises OnChange once for the whole copy. It
    // copies through the class tables, which must know this class.
    if (!TClassRegistry::Find(ClassName())) RegisterAppMenuClasses();
    TGlowButtonAppearance::Assign(source);
}

void appmenu::TVistaBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TVistaBackground*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FCaptionBackground = s->FCaptionBackground;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FGradient = s->FGradient;
    FGradientMirror = s->FGradientMirror;
    FSteps = s->FSteps;
    OnChange(this);
}

TOrvCustomPreviewMenuStyler::TOrvCustomPreviewMenuStyler(TComponent* owner) : TComponent(owner) {
    // Items show the column colour until a preset gives them a background.
    FMenuItemAppearance.BeginUpdate();
    FMenuItemAppearance.SetColor(clNone);
    FMenuItemAppearance.SetColorTo(clNone);
    FMenuItemAppearance.SetBorderColor(clNone);
    FMenuItemAppearance.SetColorMirror(clNone);
    FMenuItemAppearance.SetColorMirrorTo(clNone);
    FMenuItemAppearance.EndUpdate();
}

void TOrvCustomPreviewMenuStyler::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TOrvCustomPreviewMenuStyler*>(source);
    if (!s) {
        TComponent::Assign(source);
        return;
    }
    FButtonAppearance.Assign(&s->FButtonAppearance);
    FMenuItemAppearance.Assign(&s->FMenuItemAppearance);
    FFrameAppearance.Assign(&s->FFrameAppearance);
    FRightFrameColor = s->FRightFrameColor;
    FLeftFrameColor = s->FLeftFrameColor;
    FRightFrameBorderColor = s->FRightFrameBorderColor;
}

}  // namespace orv
