// The published properties of the application menu's classes, for stored layouts. The
// styler's Style comes after its records, so a stored preset applies over them.
#include "appmenu/OrvPreviewMenu.h"
#include "appmenu/OrvPreviewMenuStylers.h"
#include "buttons/OrvGlowButton.h"
#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"

namespace orv {

namespace {

const TEnumInfo kGradientIdents{{L"ggRadial", L"ggVertical", L"ggDiagonalForward", L"ggDiagonalBackward"}};
const TEnumInfo kAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kPreviewMenuStyleIdents{{L"psOffice2003Blue", L"psOffice2003Silver", L"psOffice2003Olive",
                                         L"psOffice2003Classic", L"psOffice2007Luna", L"psOffice2007Obsidian",
                                         L"psWindowsXP", L"psWhidbeyStyle", L"psCustom", L"psOfficeXP",
                                         L"psOffice2007Silver", L"psWindowsVista", L"psWindows7", L"psTerminal",
                                         L"psOffice2010Blue", L"psOffice2010Silver", L"psOffice2010Black"}};

// The values every item kind shares; linked values are left out of the layout.
template <class I>
void SharedItemProps(TClassBuilder<I>& b) {
    b.template Component<TBasicAction>(L"Action", &I::GetAction, &I::SetAction)
        .Bool(L"Enabled", &I::GetEnabled, &I::SetEnabled)
        .StoredIf([](I* i) { return i->IsEnabledStored(); })
        .Int(L"ImageIndex", &I::GetImageIndex, &I::SetImageIndex)
        .StoredIf([](I* i) { return i->IsImageIndexStored(); })
        .Object(L"DisabledPicture", [](I* i) -> TGDIPPicture& { return i->DisabledPicture(); })
        .Object(L"Picture", [](I* i) -> TGDIPPicture& { return i->Picture(); })
        .Object(L"OfficeHint", [](I* i) -> TOrvHintInfo& { return i->OfficeHint(); })
        .Int(L"Tag", &I::GetTag, &I::SetTag)
        .Bool(L"Visible", &I::GetVisible, &I::SetVisible)
        .StoredIf([](I* i) { return i->IsVisibleStored(); });
}

void RegisterRecords() {
    using S = TSelectionAppearance;
    TClassBuilder<S>(L"TSelectionAppearance", L"TGlowButtonAppearance")
        .Object(L"Font", [](S* s) -> TFont& { return s->Font(); })
        .Object(L"SubMenuCaptionFont", [](S* s) -> TFont& { return s->SubMenuCaptionFont(); })
        .Object(L"SubItemTitleFont", [](S* s) -> TFont& { return s->SubItemTitleFont(); })
        .Object(L"SubItemFont", [](S* s) -> TFont& { return s->SubItemFont(); })
        .Color(L"TextColor", &S::GetTextColor, &S::SetTextColor)
        .Color(L"TextColorHot", &S::GetTextColorHot, &S::SetTextColorHot)
        .Color(L"TextColorDown", &S::GetTextColorDown, &S::SetTextColorDown)
        .Color(L"TextColorChecked", &S::GetTextColorChecked, &S::SetTextColorChecked)
        .Color(L"TextColorDisabled", &S::GetTextColorDisabled, &S::SetTextColorDisabled)
        .Bool(L"Rounded", &S::GetRounded, &S::SetRounded);
    using V = appmenu::TVistaBackground;
    TClassBuilder<V>(L"TPreviewMenuVistaBackground", L"TPersistent")
        .Color(L"BorderColor", &V::GetBorderColor, &V::SetBorderColor)
        .Color(L"CaptionBackground", &V::GetCaptionBackground, &V::SetCaptionBackground)
        .Color(L"Color", &V::GetColor, &V::SetColor)
        .Color(L"ColorTo", &V::GetColorTo, &V::SetColorTo)
        .Color(L"ColorMirror", &V::GetColorMirror, &V::SetColorMirror)
        .Color(L"ColorMirrorTo", &V::GetColorMirrorTo, &V::SetColorMirrorTo)
        .Enum(L"Gradient", &V::GetGradient, &V::SetGradient, kGradientIdents)
        .Enum(L"GradientMirror", &V::GetGradientMirror, &V::SetGradientMirror, kGradientIdents)
        .Int(L"Steps", &V::GetSteps, &V::SetSteps);
    TClassBuilder<TOrvCustomPreviewMenuStyler>(L"TOrvCustomPreviewMenuStyler", L"TComponent");
    using O = TOrvPreviewMenuOfficeStyler;
    TClassBuilder<O>(L"TOrvPreviewMenuOfficeStyler", L"TOrvCustomPreviewMenuStyler")
        .Factory()
        .Object(L"FrameAppearance", [](O* o) -> appmenu::TVistaBackground& { return o->FrameAppearance(); })
        .Color(L"LeftFrameColor", &O::GetLeftFrameColor, &O::SetLeftFrameColor)
        .Color(L"RightFrameColor", &O::GetRightFrameColor, &O::SetRightFrameColor)
        .Object(L"MenuItemAppearance", [](O* o) -> TSelectionAppearance& { return o->MenuItemAppearance(); })
        .Object(L"ButtonAppearance", [](O* o) -> TGlowButtonAppearance& { return o->ButtonAppearance(); })
        .Enum(L"Style", &O::GetStyle, &O::SetStyle, kPreviewMenuStyleIdents)
        .StoredIf([](O*) { return true; });
}

void RegisterItems() {
    using U = TOrvPreviewSubMenuItem;
    TClassBuilder<U> sub(L"TOrvPreviewSubMenuItem", L"TPersistent");
    SharedItemProps(sub);
    sub.String(L"Title", &U::GetTitle, &U::SetTitle)
        .StoredIf([](U* u) { return u->IsCaptionStored(); })
        .String(L"WideTitle", &U::GetWideTitle, &U::SetWideTitle)
        .Strings(L"Notes", &U::GetNotes, &U::SetNotes)
        .String(L"WideNotes", &U::GetWideNotes, &U::SetWideNotes)
        .Bool(L"Separator", &U::GetSeparator, &U::SetSeparator)
        .Component<TPopupMenu>(L"SubMenu", &U::GetSubMenu, &U::SetSubMenu)
        .String(L"ShortCutHint", &U::GetShortCutHint, &U::SetShortCutHint)
        .Event(L"OnClick", static_cast<TNotifyEvent U::*>(&TPreviewItemBase::OnClick))
        .StoredIf([](U* u) { return u->IsOnClickStored(); });

    using I = TOrvPreviewMenuItem;
    TClassBuilder<I> item(L"TOrvPreviewMenuItem", L"TPersistent");
    SharedItemProps(item);
    item.Bool(L"CanSelect", &I::GetCanSelect, &I::SetCanSelect)
        .String(L"Caption", &I::GetCaption, &I::SetCaption)
        .StoredIf([](I* i) { return i->IsCaptionStored(); })
        .String(L"WideCaption", &I::GetWideCaption, &I::SetWideCaption)
        .Collection(L"SubItems", [](I* i) -> TOrvPreviewSubMenuItems& { return i->SubItems(); })
        .String(L"SubMenuCaption", &I::GetSubMenuCaption, &I::SetSubMenuCaption)
        .Int(L"SubMenuItemHeight", &I::GetSubMenuItemHeight, &I::SetSubMenuItemHeight)
        .String(L"WideSubMenuCaption", &I::GetWideSubMenuCaption, &I::SetWideSubMenuCaption)
        .Bool(L"Separator", &I::GetSeparator, &I::SetSeparator)
        .Int(L"SubMenuItemSpacing", &I::GetSubMenuItemSpacing, &I::SetSubMenuItemSpacing)
        .String(L"ShortCutHint", &I::GetShortCutHint, &I::SetShortCutHint)
        .String(L"ShortCutSubItemsHint", &I::GetShortCutSubItemsHint, &I::SetShortCutSubItemsHint)
        .Event(L"OnClick", static_cast<TNotifyEvent I::*>(&TPreviewItemBase::OnClick))
        .StoredIf([](I* i) { return i->IsOnClickStored(); });

    using B = TButtonCollectionItem;
    TClassBuilder<B> button(L"TButtonCollectionItem", L"TPersistent");
    SharedItemProps(button);
    button.String(L"Caption", &B::GetCaption, &B::SetCaption)
        .StoredIf([](B* b) { return b->IsCaptionStored(); })
        .Object(L"Font", [](B* b) -> TFont& { return b->Font(); })
        .Int(L"Width", &B::GetWidth, &B::SetWidth)
        .Event(L"OnClick", &B::OnClick);
}

void RegisterMenu() {
    using M = TOrvPreviewMenu;
    TClassBuilder<M>(L"TOrvPreviewMenu", L"TComponent")
        .Factory()
        .Enum(L"AntiAlias", &M::GetAntiAlias, &M::SetAntiAlias, kAntiAliasIdents)
        .Collection(L"Buttons", [](M* m) -> TButtonCollection& { return m->Buttons(); })
        .Int(L"ButtonSpacing", &M::GetButtonSpacing, &M::SetButtonSpacing)
        .Int(L"ButtonHeight", &M::GetButtonHeight, &M::SetButtonHeight)
        .Collection(L"MenuItems", [](M* m) -> TOrvPreviewMenuItems& { return m->MenuItems(); })
        .Int(L"MenuSpacing", &M::GetMenuSpacing, &M::SetMenuSpacing)
        .Component<TImageList>(L"MenuImages", &M::GetMenuImages, &M::SetMenuImages)
        .Component<TImageList>(L"MenuDisabledImages", &M::GetMenuDisabledImages, &M::SetMenuDisabledImages)
        .Int(L"MenuWidth", &M::GetMenuWidth, &M::SetMenuWidth)
        .String(L"MenuText", &M::GetMenuText, &M::SetMenuText)
        .Object(L"MenuFont", [](M* m) -> TFont& { return m->MenuFont(); })
        .Int(L"SubMenuWidth", &M::GetSubMenuWidth, &M::SetSubMenuWidth)
        .Collection(L"SubMenuItems", [](M* m) -> TOrvPreviewSubMenuItems& { return m->SubMenuItems(); })
        .String(L"SubMenuCaption", &M::GetSubMenuCaption, &M::SetSubMenuCaption)
        .Int(L"SubMenuItemHeight", &M::GetSubMenuItemHeight, &M::SetSubMenuItemHeight)
        .String(L"WideSubMenuCaption", &M::GetWideSubMenuCaption, &M::SetWideSubMenuCaption)
        .Int(L"SubMenuItemSpacing", &M::GetSubMenuItemSpacing, &M::SetSubMenuItemSpacing)
        .Component<TImageList>(L"SubMenuImages", &M::GetSubMenuImages, &M::SetSubMenuImages)
        .Component<TImageList>(L"SubMenuDisabledImages", &M::GetSubMenuDisabledImages, &M::SetSubMenuDisabledImages)
        .Component<TImageList>(L"ButtonImages", &M::GetButtonImages, &M::SetButtonImages)
        .Component<TImageList>(L"ButtonDisabledImages", &M::GetButtonDisabledImages, &M::SetButtonDisabledImages)
        .Component<TOrvCustomPreviewMenuStyler>(L"Styler", &M::GetStyler, &M::SetStyler)
        .Bool(L"ShowHint", &M::GetShowHint, &M::SetShowHint)
        .Event(L"OnButtonClick", &M::OnButtonClick)
        .Event(L"OnMenuItemClick", &M::OnMenuItemClick)
        .Event(L"OnSubMenuItemClick", &M::OnSubMenuItemClick)
        .Event(L"OnMenuDrawItem", &M::OnMenuDrawItem)
        .Event(L"OnSubMenuDrawItem", &M::OnSubMenuDrawItem);
}

}  // namespace

void RegisterAppMenuClasses() {
    if (TClassRegistry::Find(L"TOrvPreviewMenu")) return;
    if (!TClassRegistry::Find(L"TGlowButtonAppearance")) RegisterButtonsClasses();
    RegisterRecords();
    RegisterItems();
    RegisterMenu();
}

}  // namespace orv
