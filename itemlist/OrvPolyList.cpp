#include "itemlist/OrvPolyList.h"

#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "paint/GDIPPictureContainer.h"

namespace orv {

namespace {

const TEnumInfo kAutoSizeModeIdents{{L"asmControl", L"asmItems", L"asmNone"}};
const TEnumInfo kAutoSizeTypeIdents{{L"astWidth", L"astHeight", L"astBoth"}};
const TEnumInfo kBorderModeIdents{{L"bmNormal", L"bmTransition"}};
const TEnumInfo kBorderTypeIdents{{L"btNormalLeft", L"btNormalTop", L"btNormalRight", L"btNormalBottom",
                                   L"btGradientLeft", L"btGradientTop", L"btGradientRight", L"btGradientBottom"}};
const TEnumInfo kScrollTypeIdents{{L"stScrollers", L"stHandles"}};
const TEnumInfo kBorderStyleIdents{{L"bsNone", L"bsSingle"}};
const TEnumInfo kTextRenderingIdents{{L"TextRenderingHintSystemDefault", L"TextRenderingHintSingleBitPerPixelGridFit",
                                      L"TextRenderingHintSingleBitPerPixel", L"TextRenderingHintAntiAliasGridFit",
                                      L"TextRenderingHintAntiAlias", L"TextRenderingHintClearTypeGridFit"}};

using A = TCustomBaseListAppearance;
using L = TCustomBaseList;
using C = TCustomItemsContainer;

void RegisterListClasses() {
    TClassBuilder<A>(L"TCustomBaseListAppearance", L"TPersistent")
        .Object(L"Normal", [](A* a) -> TGDIPFill& { return a->Normal(); })
        .Object(L"ButtonNormal", [](A* a) -> TGDIPFill& { return a->ButtonNormal(); })
        .Object(L"Down", [](A* a) -> TGDIPFill& { return a->Down(); })
        .Object(L"ButtonDown", [](A* a) -> TGDIPFill& { return a->ButtonDown(); })
        .Object(L"Disabled", [](A* a) -> TGDIPFill& { return a->Disabled(); })
        .Object(L"ButtonDisabled", [](A* a) -> TGDIPFill& { return a->ButtonDisabled(); })
        .Object(L"Hovered", [](A* a) -> TGDIPFill& { return a->Hovered(); })
        .Object(L"ButtonHovered", [](A* a) -> TGDIPFill& { return a->ButtonHovered(); })
        .Object(L"Selected", [](A* a) -> TGDIPFill& { return a->Selected(); })
        .Object(L"ButtonSelected", [](A* a) -> TGDIPFill& { return a->ButtonSelected(); })
        .Object(L"NormalFont", [](A* a) -> TFont& { return a->NormalFont(); })
        .Object(L"DownFont", [](A* a) -> TFont& { return a->DownFont(); })
        .Object(L"DisabledFont", [](A* a) -> TFont& { return a->DisabledFont(); })
        .Object(L"HoveredFont", [](A* a) -> TFont& { return a->HoveredFont(); })
        .Object(L"SelectedFont", [](A* a) -> TFont& { return a->SelectedFont(); })
        .Component<TGDIPPictureContainer>(L"PictureContainer", &A::GetPictureContainer, &A::SetPictureContainer)
        .Component<TImageList>(L"ImageList", &A::GetImageList, &A::SetImageList)
        .Event(L"OnChange", &A::OnChange);
    // The items are stored as child components of the container, not as a property.
    TClassBuilder<L>(L"TCustomBaseList", L"TPersistent")
        .Object(L"Appearance", [](L* l) -> A& { return l->Appearance(); })
        .Bool(L"MultiSelect", &L::GetMultiSelect, &L::SetMultiSelect)
        .Event(L"OnRefresh", &L::OnRefresh)
        .Event(L"OnChange", &L::OnChange);
    TClassBuilder<THandleAppearance>(L"THandleAppearance", L"TPersistent")
        .Color(L"Color", &THandleAppearance::GetColor, &THandleAppearance::SetColor)
        .Color(L"BorderColor", &THandleAppearance::GetBorderColor, &THandleAppearance::SetBorderColor)
        .Color(L"ArrowColor", &THandleAppearance::GetArrowColor, &THandleAppearance::SetArrowColor)
        .Int(L"Opacity", &THandleAppearance::GetOpacity, &THandleAppearance::SetOpacity)
        .Int(L"Size", &THandleAppearance::GetSize, &THandleAppearance::SetSize)
        .Event(L"OnChange", &THandleAppearance::OnChange);
}

void RegisterContainerClasses() {
    if (!TClassRegistry::Find(L"TScrollingWinControl"))
        TClassBuilder<TScrollingWinControl>(L"TScrollingWinControl", L"TWinControl");
    TClassBuilder<TScrollContainer>(L"TScrollContainer", L"TScrollingWinControl");
    TClassBuilder<C>(L"TCustomItemsContainer", L"TScrollContainer")
        .Enum(L"AutoSizeMode", &C::GetAutoSizeMode, &C::SetAutoSizeMode, kAutoSizeModeIdents)
        .Enum(L"AutoSizeType", &C::GetAutoSizeType, &C::SetAutoSizeType, kAutoSizeTypeIdents)
        .Object(L"List", [](C* c) -> L& { return c->List(); })
        .Object(L"Fill", [](C* c) -> TGDIPFill& { return c->Fill(); })
        .Int(L"HorizontalSpacing", &C::GetHorizontalSpacing, &C::SetHorizontalSpacing)
        .Int(L"VerticalSpacing", &C::GetVerticalSpacing, &C::SetVerticalSpacing)
        .Object(L"ListMargins", [](C* c) -> TMargins& { return c->ListMargins(); })
        .Bool(L"Reorder", &C::GetReorder, &C::SetReorder)
        .Bool(L"ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
        .Int(L"Columns", &C::GetColumns, &C::SetColumns)
        .Int(L"Rows", &C::GetRows, &C::SetRows)
        .Bool(L"ShowFocus", &C::GetShowFocus, &C::SetShowFocus)
        .Enum(L"BorderMode", &C::GetBorderMode, &C::SetBorderMode, kBorderModeIdents)
        .Set(L"BorderTypes", &C::GetBorderTypes, &C::SetBorderTypes, kBorderTypeIdents)
        .Bool(L"Ctl3D", &C::GetCtl3D, &C::SetCtl3D)
        .Enum(L"BorderStyle", &C::GetBorderStyle, &C::SetBorderStyle, kBorderStyleIdents)
        .Component<TGDIPPictureContainer>(L"PictureContainer", &C::GetPictureContainer, &C::SetPictureContainer)
        .Component<TImageList>(L"ImageList", &C::GetImageList, &C::SetImageList)
        .String(L"Version", &C::GetVersion, &C::SetVersion)
        .StoredIf([](C*) { return false; })
        .Bool(L"DragLine", &C::GetDragLine, &C::SetDragLine)
        .Color(L"DragLineColor", &C::GetDragLineColor, &C::SetDragLineColor)
        .Event(L"OnStartDraw", &C::OnStartDraw)
        .Event(L"OnEndDraw", &C::OnEndDraw)
        .Event(L"OnChange", &C::OnChange)
        .Event(L"OnItemCompare", &C::OnItemCompare)
        .Event(L"OnItemSelect", &C::OnItemSelect)
        .Event(L"OnItemDeSelect", &C::OnItemDeSelect)
        .Object(L"HandleAppearance", [](C* c) -> THandleAppearance& { return c->HandleAppearance(); })
        .Enum(L"ScrollType", &C::GetScrollType, &C::SetScrollType, kScrollTypeIdents)
        .Bool(L"ThumbTracking", &C::GetThumbTracking, &C::SetThumbTracking)
        .Bool(L"Transparent", &C::GetTransparent, &C::SetTransparent)
        .Enum(L"TextRendering", &C::GetTextRendering, &C::SetTextRendering, kTextRenderingIdents);
    TClassBuilder<TOrvPolyList>(L"TOrvPolyList", L"TCustomItemsContainer").Factory();
    TClassBuilder<TOrvPolyMenu>(L"TOrvPolyMenu", L"TOrvPolyList")
        .Factory()
        .Bool(L"IsMainMenu", &C::GetIsMainMenu, &C::SetIsMainMenu);
}

}  // namespace

void RegisterPolyListClasses() {
    if (TClassRegistry::Find(L"TOrvPolyList")) return;
    RegisterListClasses();
    RegisterContainerClasses();
}

}  // namespace orv
