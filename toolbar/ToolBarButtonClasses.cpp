// The published properties of the toolbar controls, for stored layouts.
#include "framework/Bitmap.h"
#include "framework/ClassRegistry.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "toolbar/OrvToolBarMenuButton.h"
#include "toolbar/OrvToolBarSeparator.h"

namespace orv {

namespace {

const TEnumInfo kDockAlignIdents{{L"daLeft", L"daTop", L"daRight", L"daBottom"}};
const TEnumInfo kGlyphPositionIdents{{L"gpLeft", L"gpTop", L"gpRight", L"gpBottom"}};
const TEnumInfo kToolButtonStyleIdents{{L"tasButton", L"tasCheck"}};
const TEnumInfo kSeparatorStyleIdents{{L"ssOffice2003", L"ssBlank"}};

using C = TOrvCustomToolBarControl;
using B = TOrvCustomToolBarButton;
using D = TOrvToolBarButtonDrawPosition;

}  // namespace

void RegisterToolBarButtonClasses() {
    if (TClassRegistry::Find(L"TOrvToolBarButton")) return;
    TClassBuilder<D>(L"TOrvToolBarButtonDrawPosition", L"TPersistent")
        .Bool(L"Enabled", &D::GetEnabled, &D::SetEnabled)
        .Int(L"TextX", &D::GetTextX, &D::SetTextX)
        .Int(L"TextY", &D::GetTextY, &D::SetTextY)
        .Int(L"ImageX", &D::GetImageX, &D::SetImageX)
        .Int(L"ImageY", &D::GetImageY, &D::SetImageY);
    TClassBuilder<C>(L"TOrvCustomToolBarControl", L"TGraphicControl")
        .Enum(L"Position", &C::GetPosition, &C::SetPosition, kDockAlignIdents);
    TClassBuilder<B>(L"TOrvCustomToolBarButton", L"TOrvCustomToolBarControl")
        .Object(L"Appearance", [](B* b) -> TButtonAppearance& { return b->Appearance(); })
        .Bool(L"CanRotate", &B::GetCanRotate, &B::SetCanRotate)
        .Enum(L"GlyphPosition", &B::GetGlyphPosition, &B::SetGlyphPosition, kGlyphPositionIdents)
        .Bool(L"DropDownButton", &B::GetDropDownButton, &B::SetDropDownButton)
        .Component<TPopupMenu>(L"DropDownMenu", &B::GetDropDownMenu, &B::SetDropDownMenu)
        .Bool(L"DropDownSplit", &B::GetDropDownSplit, &B::SetDropDownSplit)
        .Object(L"Glyph", [](B* b) -> TBitmap& { return b->Glyph(); })
        .Object(L"GlyphHot", [](B* b) -> TBitmap& { return b->GlyphHot(); })
        .Object(L"GlyphDown", [](B* b) -> TBitmap& { return b->GlyphDown(); })
        .Object(L"GlyphDisabled", [](B* b) -> TBitmap& { return b->GlyphDisabled(); })
        .Object(L"GlyphChecked", [](B* b) -> TBitmap& { return b->GlyphChecked(); })
        .Int(L"ImageIndex", &B::GetImageIndex, &B::SetImageIndex)
        .Object(L"Picture", [](B* b) -> TGDIPPicture& { return b->Picture(); })
        .Bool(L"ParentStyler", &B::GetParentStyler, &B::SetParentStyler)
        .Bool(L"Shaded", &B::GetShaded, &B::SetShaded)
        .Bool(L"ShowCaption", &B::GetShowCaption, &B::SetShowCaption)
        .Object(L"OfficeHint", [](B* b) -> TOrvHintInfo& { return b->OfficeHint(); })
        // Read-only: a stored value is accepted and ignored.
        .String(L"Version", &B::GetVersion, [](B*, const std::wstring&) {})
        .Event(L"OnDropDown", &B::OnDropDown);
    TClassBuilder<TOrvToolBarButton>(L"TOrvToolBarButton", L"TOrvCustomToolBarButton")
        .Factory()
        .Bool(L"AllowAllUp", &B::GetAllowAllUp, &B::SetAllowAllUp)
        .Bool(L"AutoSize", &B::GetAutoSize, &B::SetAutoSize)
        .Int(L"GroupIndex", &B::GetGroupIndex, &B::SetGroupIndex)
        .Bool(L"Down", &B::GetDown, &B::SetDown)
        .Object(L"DrawPosition", [](B* b) -> TOrvToolBarButtonDrawPosition& { return b->DrawPosition(); })
        .Object(L"PictureDisabled", [](B* b) -> TGDIPPicture& { return b->PictureDisabled(); })
        .Enum(L"Style", &B::GetStyle, &B::SetStyle, kToolButtonStyleIdents);
    TClassBuilder<TOrvToolBarMenuButton>(L"TOrvToolBarMenuButton", L"TOrvCustomToolBarButton").Factory();
    using S = TOrvToolBarSeparator;
    TClassBuilder<S>(L"TOrvToolBarSeparator", L"TOrvCustomToolBarControl")
        .Factory()
        .Enum(L"SeparatorStyle", &S::GetSeparatorStyle, &S::SetSeparatorStyle, kSeparatorStyleIdents)
        .Color(L"LineColor", &S::GetLineColor, &S::SetLineColor)
        .Bool(L"AutoSize", &S::GetAutoSize, &S::SetAutoSize);
}

}  // namespace orv
