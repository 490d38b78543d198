// The published properties of the button classes, for stored layouts. Style-like
// presets come before the values they preset, so stored values win.
#include "buttons/ButtonsClasses.h"
#include "buttons/OrvGlowButton.h"
#include "framework/ClassRegistry.h"
#include "framework/Menus.h"
#include "hints/HintsClasses.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "paint/PaintClasses.h"

namespace orv {

// Shared with the application button's registration.
const TEnumInfo kAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kShortCutHintPosIdents{{L"shpLeft", L"shpTop", L"shpRight", L"shpBottom", L"shpCenter", L"shpAuto",
                                        L"shpTopLeft", L"shpTopRight", L"shpAboveTop", L"shpAboveTopLeft",
                                        L"shpAboveTopRight", L"shpBottomLeft", L"shpBottomRight", L"shpBelowBottom",
                                        L"shpBelowBottomLeft", L"shpBelowBottomRight", L"shpBelowBottomCenter"}};

namespace {

const TEnumInfo kGradientIdents{{L"ggRadial", L"ggVertical", L"ggDiagonalForward", L"ggDiagonalBackward"}};
const TEnumInfo kBorderStyleIdents{{L"bsNone", L"bsSingle"}};
const TEnumInfo kFocusTypeIdents{{L"ftBorder", L"ftHot", L"ftHotBorder", L"ftNone"}};
const TEnumInfo kImageListTypeIdents{{L"ipActionList", L"ipOwnLists"}};
const TEnumInfo kButtonPositionIdents{{L"bpStandalone", L"bpLeft", L"bpMiddle", L"bpRight"}};
const TEnumInfo kTrimmingIdents{{L"StringTrimmingNone", L"StringTrimmingCharacter", L"StringTrimmingWord",
                                 L"StringTrimmingEllipsisCharacter", L"StringTrimmingEllipsisWord",
                                 L"StringTrimmingEllipsisPath"}};
const TEnumInfo kLayoutIdents{{L"blGlyphLeft", L"blGlyphTop", L"blGlyphRight", L"blGlyphBottom", L"blGlyphLeftAdjusted",
                               L"blGlyphRightAdjusted", L"blGlyphTopAdjusted", L"blGlyphBottomAdjusted"}};
const TEnumInfo kButtonStyleIdents{{L"bsButton", L"bsCheck"}};
const TEnumInfo kSizeStateIdents{{L"bsGlyph", L"bsLabel", L"bsLarge"}};
const TEnumInfo kDropDownPositionIdents{{L"dpRight", L"dpBottom"}};
const TEnumInfo kDropDownDirectionIdents{{L"ddDown", L"ddRight"}};

using A = TGlowButtonAppearance;
using B = TOrvCustomGlowButton;

void RegisterAppearance() {
    TClassBuilder<A>(L"TGlowButtonAppearance", L"TPersistent")
        .Color(L"BorderColor", &A::GetBorderColor, &A::SetBorderColor)
        .Color(L"BorderColorHot", &A::GetBorderColorHot, &A::SetBorderColorHot)
        .Color(L"BorderColorDown", &A::GetBorderColorDown, &A::SetBorderColorDown)
        .Color(L"BorderColorChecked", &A::GetBorderColorChecked, &A::SetBorderColorChecked)
        .Color(L"BorderColorDisabled", &A::GetBorderColorDisabled, &A::SetBorderColorDisabled)
        .Color(L"Color", &A::GetColor, &A::SetColor)
        .Color(L"ColorTo", &A::GetColorTo, &A::SetColorTo)
        .Color(L"ColorChecked", &A::GetColorChecked, &A::SetColorChecked)
        .Color(L"ColorCheckedTo", &A::GetColorCheckedTo, &A::SetColorCheckedTo)
        .Color(L"ColorDisabled", &A::GetColorDisabled, &A::SetColorDisabled)
        .Color(L"ColorDisabledTo", &A::GetColorDisabledTo, &A::SetColorDisabledTo)
        .Color(L"ColorDown", &A::GetColorDown, &A::SetColorDown)
        .Color(L"ColorDownTo", &A::GetColorDownTo, &A::SetColorDownTo)
        .Color(L"ColorHot", &A::GetColorHot, &A::SetColorHot)
        .Color(L"ColorHotTo", &A::GetColorHotTo, &A::SetColorHotTo)
        .Color(L"ColorMirror", &A::GetColorMirror, &A::SetColorMirror)
        .Color(L"ColorMirrorTo", &A::GetColorMirrorTo, &A::SetColorMirrorTo)
        .Color(L"ColorMirrorHot", &A::GetColorMirrorHot, &A::SetColorMirrorHot)
        .Color(L"ColorMirrorHotTo", &A::GetColorMirrorHotTo, &A::SetColorMirrorHotTo)
        .Color(L"ColorMirrorDown", &A::GetColorMirrorDown, &A::SetColorMirrorDown)
        .Color(L"ColorMirrorDownTo", &A::GetColorMirrorDownTo, &A::SetColorMirrorDownTo)
        .Color(L"ColorMirrorChecked", &A::GetColorMirrorChecked, &A::SetColorMirrorChecked)
        .Color(L"ColorMirrorCheckedTo", &A::GetColorMirrorCheckedTo, &A::SetColorMirrorCheckedTo)
        .Color(L"ColorMirrorDisabled", &A::GetColorMirrorDisabled, &A::SetColorMirrorDisabled)
        .Color(L"ColorMirrorDisabledTo", &A::GetColorMirrorDisabledTo, &A::SetColorMirrorDisabledTo)
        .Enum(L"Gradient", &A::GetGradient, &A::SetGradient, kGradientIdents)
        .Enum(L"GradientMirror", &A::GetGradientMirror, &A::SetGradientMirror, kGradientIdents)
        .Enum(L"GradientHot", &A::GetGradientHot, &A::SetGradientHot, kGradientIdents)
        .Enum(L"GradientMirrorHot", &A::GetGradientMirrorHot, &A::SetGradientMirrorHot, kGradientIdents)
        .Enum(L"GradientDown", &A::GetGradientDown, &A::SetGradientDown, kGradientIdents)
        .Enum(L"GradientMirrorDown", &A::GetGradientMirrorDown, &A::SetGradientMirrorDown, kGradientIdents)
        .Enum(L"GradientChecked", &A::GetGradientChecked, &A::SetGradientChecked, kGradientIdents)
        .Enum(L"GradientMirrorChecked", &A::GetGradientMirrorChecked, &A::SetGradientMirrorChecked, kGradientIdents)
        .Enum(L"GradientDisabled", &A::GetGradientDisabled, &A::SetGradientDisabled, kGradientIdents)
        .Enum(L"GradientMirrorDisabled", &A::GetGradientMirrorDisabled, &A::SetGradientMirrorDisabled, kGradientIdents)
        .Bool(L"SystemFont", &A::GetSystemFont, &A::SetSystemFont);
}

// Records the library publishes in several places; registered once by whoever comes first.
void RegisterSharedRecords() {
    if (!TClassRegistry::Find(L"TGDIPPicture")) RegisterPaintClasses();
    RegisterHintClasses();
    if (!TClassRegistry::Find(L"TImageList"))
        TClassBuilder<TImageList>(L"TImageList", L"TComponent")
            .Factory()
            .Int(L"Width", &TImageList::GetWidth, &TImageList::SetWidth)
            .Int(L"Height", &TImageList::GetHeight, &TImageList::SetHeight);
    if (!TClassRegistry::Find(L"TPopupMenu")) TClassBuilder<TPopupMenu>(L"TPopupMenu", L"TComponent").Factory();
    RegisterActionClasses();
}


}  // namespace

void RegisterButtonsClasses() {
    if (TClassRegistry::Find(L"TOrvGlowButton")) return;
    RegisterSharedRecords();
    RegisterAppearance();
    TClassBuilder<B>(L"TOrvCustomGlowButton", L"TCustomControl")
        .Enum(L"AntiAlias", &B::GetAntiAlias, &B::SetAntiAlias, kAntiAliasIdents)
        .Bool(L"AutoSize", &B::GetAutoSize, &B::SetAutoSize)
        .Enum(L"BorderStyle", &B::GetBorderStyle, &B::SetBorderStyle, kBorderStyleIdents)
        .Bool(L"Cancel", &B::GetCancel, &B::SetCancel)
        .Bool(L"Default", &B::GetDefault, &B::SetDefault)
        .Int(L"ImageIndex", &B::GetImageIndex, &B::SetImageIndex)
        .Component<TImageList>(L"Images", &B::GetImages, &B::SetImages)
        .Component<TImageList>(L"DisabledImages", &B::GetDisabledImages, &B::SetDisabledImages)
        .Component<TImageList>(L"HotImages", &B::GetHotImages, &B::SetHotImages)
        .Object(L"Picture", [](B* b) -> TGDIPPicture& { return b->Picture(); })
        .Object(L"DisabledPicture", [](B* b) -> TGDIPPicture& { return b->DisabledPicture(); })
        .Object(L"HotPicture", [](B* b) -> TGDIPPicture& { return b->HotPicture(); })
        .Enum(L"FocusType", &B::GetFocusType, &B::SetFocusType, kFocusTypeIdents)
        .Enum(L"ImageListType", &B::GetImageListType, &B::SetImageListType, kImageListTypeIdents)
        .Int(L"MarginVert", &B::GetMarginVert, &B::SetMarginVert)
        .Int(L"MarginHorz", &B::GetMarginHorz, &B::SetMarginHorz)
        .Int(L"ModalResult", &B::GetModalResult, &B::SetModalResult)
        .Strings(L"Notes", &B::GetNotes, &B::SetNotes)
        .Object(L"NotesFont", [](B* b) -> TFont& { return b->NotesFont(); })
        .Object(L"OfficeHint", [](B* b) -> TOrvHintInfo& { return b->OfficeHint(); })
        .Enum(L"Position", &B::GetPosition, &B::SetPosition, kButtonPositionIdents)
        .Int(L"InitRepeatPause", &B::GetInitRepeatPause, &B::SetInitRepeatPause)
        .Int(L"RepeatPause", &B::GetRepeatPause, &B::SetRepeatPause)
        .Bool(L"RepeatClick", &B::GetRepeatClick, &B::SetRepeatClick)
        .Bool(L"Rounded", &B::GetRounded, &B::SetRounded)
        .String(L"ShortCutHint", &B::GetShortCutHint, &B::SetShortCutHint)
        .Enum(L"ShortCutHintPos", &B::GetShortCutHintPos, &B::SetShortCutHintPos, kShortCutHintPosIdents)
        .Bool(L"ShowCaption", &B::GetShowCaption, &B::SetShowCaption)
        .Bool(L"ShowDisabled", &B::GetShowDisabled, &B::SetShowDisabled)
        .Int(L"Spacing", &B::GetSpacing, &B::SetSpacing)
        .Bool(L"Transparent", &B::GetTransparent, &B::SetTransparent)
        .Enum(L"Trimming", &B::GetTrimming, &B::SetTrimming, kTrimmingIdents)
        .Bool(L"WordWrap", &B::GetWordWrap, &B::SetWordWrap)
        .Event(L"OnDropDown", &B::OnDropDown)
        .Event(L"OnDrawButton", &B::OnDrawButton);
    TClassBuilder<TOrvGlowButton>(L"TOrvGlowButton", L"TOrvCustomGlowButton")
        .Factory()
        .Bool(L"AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp)
        .Object(L"Appearance", [](B* b) -> TGlowButtonAppearance& { return b->Appearance(); })
        .Int(L"GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex)
        .Bool(L"Down", &B::GetDown, &B::SetDown)
        .Enum(L"Layout", &B::GetLayout, &B::SetLayout, kLayoutIdents)
        .Enum(L"Style", &B::GetStyle, &B::SetStyle, kButtonStyleIdents)
        .Enum(L"MaxButtonSizeState", &B::GetMaxButtonSizeState, &B::SetMaxButtonSizeState, kSizeStateIdents)
        .Enum(L"MinButtonSizeState", &B::GetMinButtonSizeState, &B::SetMinButtonSizeState, kSizeStateIdents)
        .Bool(L"DropDownButton", &B::GetDropDownButton, &B::SetDropDownButton)
        .Enum(L"DropDownPosition", &B::GetDropDownPosition, &B::SetDropDownPosition, kDropDownPositionIdents)
        .Enum(L"DropDownDirection", &B::GetDropDownDirection, &B::SetDropDownDirection, kDropDownDirectionIdents)
        .Bool(L"DropDownSplit", &B::GetDropDownSplit, &B::SetDropDownSplit)
        .Component<TPopupMenu>(L"DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu);
}

}  // namespace orv
