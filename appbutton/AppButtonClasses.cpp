// The published properties of the application (shape) button, for stored layouts.
#include "appbutton/OrvShapeButton.h"
#include "appmenu/OrvPreviewMenu.h"
#include "buttons/ButtonsClasses.h"
#include "buttons/OrvGlowButton.h"
#include "framework/ClassRegistry.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"

namespace orv {

namespace {

const TEnumInfo kShapeIdents{{L"bsCustom", L"bsRectangle", L"bsOrb"}};
const TEnumInfo kShapeLayoutIdents{{L"plPictureCenter", L"plPictureOnTop", L"plPictureAtBottom"}};
const TEnumInfo kToolButtonStyleIdents{{L"tasButton", L"tasCheck"}};
const TEnumInfo kAlignmentIdents{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};

void RegisterShapeAppearance() {
    using SA = TOrvShapeButtonAppearance;
    TClassBuilder<SA>(L"TOrvShapeButtonAppearance", L"TPersistent")
        .Enum(L"Shape", &SA::GetShape, &SA::SetShape, kShapeIdents)
        .Color(L"BorderColor", &SA::GetBorderColor, &SA::SetBorderColor)
        .Color(L"BorderColorHot", &SA::GetBorderColorHot, &SA::SetBorderColorHot)
        .Color(L"BorderColorDown", &SA::GetBorderColorDown, &SA::SetBorderColorDown)
        .Color(L"BorderColorDisabled", &SA::GetBorderColorDisabled, &SA::SetBorderColorDisabled)
        .Color(L"InnerBorderColor", &SA::GetInnerBorderColor, &SA::SetInnerBorderColor)
        .Color(L"InnerBorderColorHot", &SA::GetInnerBorderColorHot, &SA::SetInnerBorderColorHot)
        .Color(L"InnerBorderColorDown", &SA::GetInnerBorderColorDown, &SA::SetInnerBorderColorDown)
        .Color(L"InnerBorderColorDisabled", &SA::GetInnerBorderColorDisabled, &SA::SetInnerBorderColorDisabled)
        .Color(L"Color", &SA::GetColor, &SA::SetColor)
        .Color(L"ColorTo", &SA::GetColorTo, &SA::SetColorTo)
        .Color(L"ColorMirror", &SA::GetColorMirror, &SA::SetColorMirror)
        .Color(L"ColorMirrorTo", &SA::GetColorMirrorTo, &SA::SetColorMirrorTo)
        .Color(L"ColorHot", &SA::GetColorHot, &SA::SetColorHot)
        .Color(L"ColorHotTo", &SA::GetColorHotTo, &SA::SetColorHotTo)
        .Color(L"ColorHotMirror", &SA::GetColorHotMirror, &SA::SetColorHotMirror)
        .Color(L"ColorHotMirrorTo", &SA::GetColorHotMirrorTo, &SA::SetColorHotMirrorTo)
        .Color(L"ColorDown", &SA::GetColorDown, &SA::SetColorDown)
        .Color(L"ColorDownTo", &SA::GetColorDownTo, &SA::SetColorDownTo)
        .Color(L"ColorDownMirror", &SA::GetColorDownMirror, &SA::SetColorDownMirror)
        .Color(L"ColorDownMirrorTo", &SA::GetColorDownMirrorTo, &SA::SetColorDownMirrorTo)
        .Color(L"ColorDisabled", &SA::GetColorDisabled, &SA::SetColorDisabled)
        .Color(L"ColorDisabledTo", &SA::GetColorDisabledTo, &SA::SetColorDisabledTo)
        .Color(L"ColorDisabledMirror", &SA::GetColorDisabledMirror, &SA::SetColorDisabledMirror)
        .Color(L"ColorDisabledMirrorTo", &SA::GetColorDisabledMirrorTo, &SA::SetColorDisabledMirrorTo)
        .Bool(L"ShowMenuShape", &SA::GetShowMenuShape, &SA::SetShowMenuShape)
        .Color(L"MenuShapeColor", &SA::GetMenuShapeColor, &SA::SetMenuShapeColor)
        .Color(L"MenuShapeColorHot", &SA::GetMenuShapeColorHot, &SA::SetMenuShapeColorHot)
        .Color(L"MenuShapeColorDown", &SA::GetMenuShapeColorDown, &SA::SetMenuShapeColorDown)
        .Color(L"MenuShapeColorDisabled", &SA::GetMenuShapeColorDisabled, &SA::SetMenuShapeColorDisabled)
        .Bool(L"ShowPicture", &SA::GetShowPicture, &SA::SetShowPicture);
}

}  // namespace

void RegisterShapeButtonClasses() {
    if (TClassRegistry::Find(L"TOrvShapeButton")) return;
    // The shared records come with the glow button's registration.
    RegisterButtonsClasses();
    RegisterShapeAppearance();
    using S = TOrvCustomShapeButton;
    TClassBuilder<S>(L"TOrvCustomShapeButton", L"TCustomControl")
        .Object(L"Appearance", [](S* b) -> TOrvShapeButtonAppearance& { return b->Appearance(); })
        .Component<TOrvPreviewMenu>(L"OrvPreviewMenu", &S::GetOrvPreviewMenu, &S::SetOrvPreviewMenu)
        .Bool(L"AllowAllUp", &S::GetAllowAllUp, &S::SetAllowAllUp)
        .Enum(L"AntiAlias", &S::GetAntiAlias, &S::SetAntiAlias, kAntiAliasIdents)
        .Int(L"GroupIndex", &S::GetGroupIndex, &S::SetGroupIndex)
        .Bool(L"Down", &S::GetDown, &S::SetDown)
        .Enum(L"Layout", &S::GetLayout, &S::SetLayout, kShapeLayoutIdents)
        .Object(L"Picture", [](S* b) -> TGDIPPicture& { return b->Picture(); })
        .Object(L"PictureHot", [](S* b) -> TGDIPPicture& { return b->PictureHot(); })
        .Object(L"PictureDown", [](S* b) -> TGDIPPicture& { return b->PictureDown(); })
        .Object(L"PictureDisabled", [](S* b) -> TGDIPPicture& { return b->PictureDisabled(); })
        .Object(L"OfficeHint", [](S* b) -> TOrvHintInfo& { return b->OfficeHint(); })
        .String(L"ShortCutHint", &S::GetShortCutHint, &S::SetShortCutHint)
        .Enum(L"ShortCutHintPos", &S::GetShortCutHintPos, &S::SetShortCutHintPos, kShortCutHintPosIdents)
        .String(L"Text", &S::GetText, &S::SetText)
        .Enum(L"TextAlignment", &S::GetTextAlignment, &S::SetTextAlignment, kAlignmentIdents)
        .Int(L"TextOffset", &S::GetTextOffset, &S::SetTextOffset)
        .Enum(L"Style", &S::GetStyle, &S::SetStyle, kToolButtonStyleIdents)
        .Component<TWinControl>(L"Frame", &S::GetFrame, &S::SetFrame);
    TClassBuilder<TOrvShapeButton>(L"TOrvShapeButton", L"TOrvCustomShapeButton").Factory();
}

}  // namespace orv
