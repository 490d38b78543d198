#include "itemlist/ItemListClasses.h"

#include "framework/ClassRegistry.h"
#include "framework/Margins.h"
#include "framework/WinControl.h"
#include "itemlist/GDIPWedgeItem.h"
#include "itemlist/OrvPolyList.h"
#include "paint/GDIPFill.h"
#include "paint/PaintClasses.h"

namespace orv {

namespace {

const TEnumInfo kItemLocationIdents{{L"tlTopLeft", L"tlTopCenter", L"tlTopRight", L"tlCenterLeft", L"tlCenterCenter",
                                     L"tlCenterRight", L"tlBottomLeft", L"tlBottomCenter", L"tlBottomRight",
                                     L"tlCustom"}};
const TEnumInfo kStatusPositionIdents{{L"spItemRectangle", L"spItemText"}};
const TEnumInfo kItemShortCutHintPosIdents{
    {L"ishpLeft", L"ishpTop", L"ishpRight", L"ishpBottom", L"ishpCenter", L"ishpAuto", L"ishpTopLeft", L"ishpTopRight",
     L"ishpAboveTop", L"ishpAboveTopLeft", L"ishpAboveTopRight", L"ishpBottomLeft", L"ishpBottomRight",
     L"ishpBelowBottom", L"ishpBelowBottomLeft", L"ishpBelowBottomRight", L"ishpBelowBottomCenter"}};
const TEnumInfo kItemStateIdents{{L"isNormal", L"isDown", L"isHovered", L"isSelected"}};
const TEnumInfo kWedgePositionIdents{{L"wpLeft", L"wpTop", L"wpBottom", L"wpRight"}};

using C = TCustomItem;
using T = TTextItem;
using I = TImageTextItem;
using W = TWedgeItem;

void RegisterStatus() {
    TClassBuilder<TItemStatus>(L"TItemStatus", L"TPersistent")
        .Bool(L"Visible", &TItemStatus::GetVisible, &TItemStatus::SetVisible)
        .String(L"Caption", &TItemStatus::GetCaption, &TItemStatus::SetCaption)
        .Int(L"OffsetLeft", &TItemStatus::GetOffsetLeft, &TItemStatus::SetOffsetLeft)
        .Int(L"OffsetTop", &TItemStatus::GetOffsetTop, &TItemStatus::SetOffsetTop)
        .Object(L"Appearance", [](TItemStatus* s) -> TGDIPStatus& { return s->Appearance(); })
        .Enum(L"Position", &TItemStatus::GetPosition, &TItemStatus::SetPosition, kStatusPositionIdents)
        .String(L"Hint", &TItemStatus::GetHint, &TItemStatus::SetHint);
}

void RegisterCustomItem() {
    TClassBuilder<C>(L"TCustomItem", L"TComponent")
        .Factory()
        .Int(L"X", &C::GetX, &C::SetX)
        .Int(L"Y", &C::GetY, &C::SetY)
        .Int(L"Height", &C::GetHeight, &C::SetHeight)
        .Int(L"Width", &C::GetWidth, &C::SetWidth)
        .Bool(L"Visible", &C::GetVisible, &C::SetVisible)
        .Bool(L"Enabled", &C::GetEnabled, &C::SetEnabled)
        .Component<TComponent>(
            L"ItemObject", [](C* c) { return dynamic_cast<TComponent*>(c->GetItemObject()); },
            [](C* c, TComponent* v) { c->SetItemObject(v); })
        .Int(L"Level", &C::GetLevel, &C::SetLevel)
        .Int(L"Index", &C::GetIndex, &C::SetIndex)
        .Object(L"Status", [](C* c) -> TItemStatus& { return c->Status(); })
        .String(L"Hint", &C::GetHint, &C::SetHint)
        .Event(L"OnChange", &C::OnChange)
        .Event(L"OnRefresh", &C::OnRefresh)
        .Event(L"OnItemHint", &C::OnItemHint)
        .Event(L"OnItemStatusHint", &C::OnItemStatusHint)
        .Event(L"OnItemSelect", &C::OnItemSelect)
        .Event(L"OnItemDeSelect", &C::OnItemDeSelect)
        .Event(L"OnItemClick", &C::OnItemClick)
        .Event(L"OnItemDblClick", &C::OnItemDblClick)
        .Event(L"OnItemStartDraw", &C::OnItemStartDraw)
        .Event(L"OnItemEndDraw", &C::OnItemEndDraw)
        .Component<TWinControl>(L"Control", &C::GetControl, &C::SetControl)
        .Object(L"ControlMargin", [](C* c) -> TMargins& { return c->ControlMargin(); })
        .Enum(L"ControlLocation", &C::GetControlLocation, &C::SetControlLocation, kItemLocationIdents)
        .Bool(L"ControlStretched", &C::GetControlStretched, &C::SetControlStretched)
        .Bool(L"ReadOnly", &C::GetReadOnly, &C::SetReadOnly)
        .Bool(L"Selectable", &C::GetSelectable, &C::SetSelectable)
        .Bool(L"TabStop", &C::GetTabStop, &C::SetTabStop)
        .String(L"Version", &C::GetVersion, &C::SetVersion)
        .StoredIf([](C*) { return false; })
        .String(L"ShortCutHint", &C::GetShortCutHint, &C::SetShortCutHint)
        .Enum(L"ShortCutHintPos", &C::GetShortCutHintPos, &C::SetShortCutHintPos, kItemShortCutHintPosIdents);
}

void RegisterTextItem() {
    TClassBuilder<T>(L"TTextItem", L"TCustomItem")
        .Factory()
        .String(L"Caption", &T::GetCaption, &T::SetCaption)
        .Object(L"CaptionMargin", [](T* t) -> TMargins& { return t->CaptionMargin(); })
        .Color(L"CaptionColor", &T::GetCaptionColor, &T::SetCaptionColor)
        .Int(L"CaptionOpacity", &T::GetCaptionOpacity, &T::SetCaptionOpacity)
        .Int(L"CaptionLeft", &T::GetCaptionLeft, &T::SetCaptionLeft)
        .Int(L"CaptionTop", &T::GetCaptionTop, &T::SetCaptionTop)
        .Enum(L"CaptionLocation", &T::GetCaptionLocation, &T::SetCaptionLocation, kItemLocationIdents)
        .Int(L"CaptionSize", &T::GetCaptionSize, &T::SetCaptionSize)
        .String(L"Description", &T::GetDescription, &T::SetDescription)
        .Object(L"DescriptionMargin", [](T* t) -> TMargins& { return t->DescriptionMargin(); })
        .Color(L"DescriptionColor", &T::GetDescriptionColor, &T::SetDescriptionColor)
        .Int(L"DescriptionOpacity", &T::GetDescriptionOpacity, &T::SetDescriptionOpacity)
        .Int(L"DescriptionSize", &T::GetDescriptionSize, &T::SetDescriptionSize)
        .Enum(L"DescriptionLocation", &T::GetDescriptionLocation, &T::SetDescriptionLocation, kItemLocationIdents)
        .Int(L"DescriptionLeft", &T::GetDescriptionLeft, &T::SetDescriptionLeft)
        .Int(L"DescriptionTop", &T::GetDescriptionTop, &T::SetDescriptionTop)
        .Bool(L"WordWrap", &T::GetWordWrap, &T::SetWordWrap)
        .Bool(L"Ellipsis", &T::GetEllipsis, &T::SetEllipsis);
}

void RegisterImageTextItem() {
    TClassBuilder<I>(L"TImageTextItem", L"TTextItem")
        .Factory()
        .Component<TBasicAction>(L"Action", &I::GetActionProp, &I::SetAction)
        .Object(L"Image", [](I* i) -> TOrvGDIPPicture& { return i->Image(); })
        .Int(L"ImageHeight", &I::GetImageHeight, &I::SetImageHeight)
        .Int(L"ImageWidth", &I::GetImageWidth, &I::SetImageWidth)
        .Bool(L"ImageVisible", &I::GetImageVisible, &I::SetImageVisible)
        .Int(L"ImageIndex", &I::GetImageIndex, &I::SetImageIndex)
        .String(L"ImageName", &I::GetImageName, &I::SetImageName)
        .Int(L"Spacing", &I::GetSpacing, &I::SetSpacing);
    TClassBuilder<W>(L"TWedgeItem", L"TImageTextItem")
        .Factory()
        .Set(L"WedgePositions", &W::GetWedgePositions, &W::SetWedgePositions, kWedgePositionIdents)
        .Int(L"WedgeSize", &W::GetWedgeSize, &W::SetWedgeSize)
        .Set(L"WedgeStates", &W::GetWedgeStates, &W::SetWedgeStates, kItemStateIdents);
}

}  // namespace

void RegisterItemListClasses() {
    if (TClassRegistry::Find(L"TCustomItem")) return;
    if (!TClassRegistry::Find(L"TGDIPPicture")) RegisterPaintClasses();
    RegisterFillClasses();
    RegisterMarginsClass();
    RegisterActionClasses();
    RegisterStatus();
    RegisterCustomItem();
    RegisterTextItem();
    RegisterImageTextItem();
    RegisterPolyListClasses();
}

}  // namespace orv
