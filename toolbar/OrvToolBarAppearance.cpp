#include "toolbar/OrvToolBarAppearance.h"

#include <windows.h>

#include "toolbar/OrvToolBarTabAppearance.h"

namespace orv {

const wchar_t* SystemFontName() {
    static const bool vistaOrLater = [] {
        HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
        return kernel && GetProcAddress(kernel, "GetLocaleInfoEx") != nullptr;
    }();
    return vistaOrLater ? L"Segoe UI" : L"Tahoma";
}

void ApplySystemFont(TFont& font) {
    font.SetName(SystemFontName());
}

namespace {

// The font of a record that follows the system: the system face at 8 points.
void InitRecordFont(TFont& font) {
    ApplySystemFont(font);
    font.SetSize(8);
}

}  // namespace

// --- TToolBarRecord -------------------------------------------------------------

void TToolBarRecord::Changed() {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    OnChange(this);
}

void TToolBarRecord::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        OnChange(this);
    }
}

// --- small records --------------------------------------------------------------

void TGradientBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TGradientBackground*>(source);
    if (!s) return;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FDirection = s->FDirection;
    FSteps = s->FSteps;
}

void TMirrorGradient::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TMirrorGradient*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
}

TVistaGradientBackground::TVistaGradientBackground() {
    FMirror.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaGradientBackground::ChildChanged);
}

TVistaGradientBackground::TVistaGradientBackground(TColor color, TColor colorTo) : TGradientBackground(color, colorTo) {
    FMirror.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaGradientBackground::ChildChanged);
}

void TVistaGradientBackground::Assign(const TPersistent* source) {
    TGradientBackground::Assign(source);
    if (auto* s = dynamic_cast<const TVistaGradientBackground*>(source)) FMirror.Assign(&s->FMirror);
}

void TContainerAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TContainerAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    SetLineColor(s->FLineColor);
    SetLine3D(s->FLine3D);
}

void TCaptionAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCaptionAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FCaptionColor = s->FCaptionColor;
    FCaptionColorTo = s->FCaptionColorTo;
    FCaptionTextColor = s->FCaptionTextColor;
    FCaptionBorderColor = s->FCaptionBorderColor;
    FCaptionColorHot = s->FCaptionColorHot;
    FCaptionColorHotTo = s->FCaptionColorHotTo;
    SetCaptionTextColorHot(s->FCaptionTextColorHot);
    SetCaptionBorderColorHot(s->FCaptionBorderColorHot);
}

void TVistaBackground::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TVistaBackground*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FSteps = s->FSteps;
    FShadowColor = s->FShadowColor;
    FHighLightColor = s->FHighLightColor;
    SetGradient(s->FGradient);
    SetGradientMirror(s->FGradientMirror);
}

TVistaTextBackground::TVistaTextBackground() {
    InitRecordFont(FFont);
    FFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TVistaTextBackground::ChildChanged);
}

void TVistaTextBackground::Assign(const TPersistent* source) {
    TVistaBackground::Assign(source);
    if (auto* s = dynamic_cast<const TVistaTextBackground*>(source)) {
        SetTextColor(s->FTextColor);
        SetTextColorExtended(s->FTextColorExtended);
        FFont.Assign(&s->FFont);
    }
}

void TVistaTextBackground::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) ApplySystemFont(FFont);
}

void TQATAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TQATAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FFullSizeBorderColor = s->FFullSizeBorderColor;
    FFullSizeColor = s->FFullSizeColor;
    FFullSizeColorTo = s->FFullSizeColorTo;
    SetSteps(s->FSteps);
}

TToolBarAppearance::TToolBarAppearance() {
    auto hook = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TToolBarAppearance::ChildChanged);
    FColor.OnChange = hook;
    FColorHot.OnChange = hook;
}

void TToolBarAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TToolBarAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FBorderColorHot = s->FBorderColorHot;
    FColor.Assign(&s->FColor);
    FColorHot.Assign(&s->FColorHot);
}

// --- tabs, groups, buttons ------------------------------------------------------

TCustomTabAppearance::TCustomTabAppearance() {
    InitRecordFont(FFont);
    FFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TCustomTabAppearance::ChildChanged);
}

void TCustomTabAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomTabAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FBorderColor = s->FBorderColor;
    FBorderColorHot = s->FBorderColorHot;
    FBorderColorSelected = s->FBorderColorSelected;
    FBorderColorSelectedHot = s->FBorderColorSelectedHot;
    FBorderColorDisabled = s->FBorderColorDisabled;
    FBorderColorDown = s->FBorderColorDown;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorSelected = s->FColorSelected;
    FColorSelectedTo = s->FColorSelectedTo;
    FColorDisabled = s->FColorDisabled;
    FColorDisabledTo = s->FColorDisabledTo;
    FColorHot = s->FColorHot;
    FColorHotTo = s->FColorHotTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FColorMirrorHot = s->FColorMirrorHot;
    FColorMirrorHotTo = s->FColorMirrorHotTo;
    FColorMirrorSelected = s->FColorMirrorSelected;
    FColorMirrorSelectedTo = s->FColorMirrorSelectedTo;
    FColorMirrorDisabled = s->FColorMirrorDisabled;
    FColorMirrorDisabledTo = s->FColorMirrorDisabledTo;
    FGradient = s->FGradient;
    FGradientMirror = s->FGradientMirror;
    FGradientHot = s->FGradientHot;
    FGradientMirrorHot = s->FGradientMirrorHot;
    FGradientSelected = s->FGradientSelected;
    FGradientMirrorSelected = s->FGradientMirrorSelected;
    FGradientDisabled = s->FGradientDisabled;
    FGradientMirrorDisabled = s->FGradientMirrorDisabled;
    FTextColorSelected = s->FTextColorSelected;
    FTextColorDisabled = s->FTextColorDisabled;
    FShadowColor = s->FShadowColor;
    FHighLightColor = s->FHighLightColor;
    FHighLightColorHot = s->FHighLightColorHot;
    FHighLightColorSelected = s->FHighLightColorSelected;
    FHighLightColorSelectedHot = s->FHighLightColorSelectedHot;
    FHighLightColorDown = s->FHighLightColorDown;
    SetTextColor(s->FTextColor);
    SetTextColorHot(s->FTextColorHot);
    FFont.Assign(&s->FFont);
}

void TCustomTabAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) ApplySystemFont(FFont);
}

TTabAppearance::TTabAppearance() {
    FBackGround.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TTabAppearance::ChildChanged);
}

void TTabAppearance::Assign(const TPersistent* source) {
    TCustomTabAppearance::Assign(source);
    if (auto* s = dynamic_cast<const TTabAppearance*>(source)) FBackGround.Assign(&s->FBackGround);
}

TGroupAppearance::TGroupAppearance() {
    InitRecordFont(FFont);
    auto hook = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TGroupAppearance::ChildChanged);
    FFont.OnChange = hook;
    FCaptionAppearance.OnChange = hook;
    FPageAppearance.OnChange = hook;
    FTabAppearance.OnChange = hook;
    FToolBarAppearance.OnChange = hook;
}

void TGroupAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TGroupAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FCaptionAppearance.Assign(&s->FCaptionAppearance);
    FPageAppearance.Assign(&s->FPageAppearance);
    FTabAppearance.Assign(&s->FTabAppearance);
    FToolBarAppearance.Assign(&s->FToolBarAppearance);
    FBorderColor = s->FBorderColor;
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorMirror = s->FColorMirror;
    FColorMirrorTo = s->FColorMirrorTo;
    FTextColor = s->FTextColor;
    FSteps = s->FSteps;
    {
        // The font's own change event is this record's: copy it without raising.
        TNotifyEvent hook = FFont.OnChange;
        FFont.OnChange = nullptr;
        FFont.Assign(&s->FFont);
        FFont.OnChange = hook;
    }
    SetGradient(s->FGradient);
    SetGradientMirror(s->FGradientMirror);
}

void TGroupAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) ApplySystemFont(FFont);
}

TButtonAppearance::TButtonAppearance() {
    ApplySystemFont(FCaptionFont);
    FCaptionFont.OnChange = TNotifyEvent::Bind(static_cast<TToolBarRecord*>(this), &TButtonAppearance::ChildChanged);
}

void TButtonAppearance::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TButtonAppearance*>(source);
    if (!s) {
        TPersistent::Assign(source);
        return;
    }
    FColor = s->FColor;
    FColorTo = s->FColorTo;
    FColorChecked = s->FColorChecked;
    FColorCheckedTo = s->FColorCheckedTo;
    FColorDown = s->FColorDown;
    FColorDownTo = s->FColorDownTo;
    FColorHot = s->FColorHot;
    FColorHotTo = s->FColorHotTo;
    FCaptionTextColor = s->FCaptionTextColor;
    FCaptionTextColorHot = s->FCaptionTextColorHot;
    FCaptionTextColorDown = s->FCaptionTextColorDown;
    FCaptionTextColorChecked = s->FCaptionTextColorChecked;
    FGradientDirection = s->FGradientDirection;
    FBorderColor = s->FBorderColor;
    FBorderDownColor = s->FBorderDownColor;
    FBorderHotColor = s->FBorderHotColor;
    FBorderCheckedColor = s->FBorderCheckedColor;
}

void TButtonAppearance::SetSystemFont(bool value) {
    if (FSystemFont == value) return;
    FSystemFont = value;
    if (value) ApplySystemFont(FCaptionFont);
}

}  // namespace orv
