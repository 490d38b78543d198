// The published properties of the toolbar, its container and the page, for stored layouts.
#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvDockPanel.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

const TEnumInfo kCaptionPositionIdents{{L"cpTop", L"cpBottom"}};
const TEnumInfo kCaptionAlignmentIdents{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo kAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kDockAlignIdents{{L"daLeft", L"daTop", L"daRight", L"daBottom"}};
const TEnumInfo kDockModeIdents{{L"dmAll", L"dmAllParentDockPanels", L"dmParentDockPanelOnly"}};
const TEnumInfo kPersistenceLocationIdents{{L"plRegistry", L"plIniFile"}};

}  // namespace

void RegisterToolBarPageClasses() {
    if (TClassRegistry::Find(L"TOrvToolBar")) return;
    using P = TPersistence;
    TClassBuilder<P>(L"TPersistence", L"TPersistent")
        .Enum(L"Location", &P::GetLocation, &P::SetLocation, kPersistenceLocationIdents)
        .String(L"Key", &P::GetKey, &P::SetKey)
        .String(L"Section", &P::GetSection, &P::SetSection)
        .Bool(L"Enabled", &P::GetEnabled, &P::SetEnabled);
    using T = TOrvCustomToolBar;
    TClassBuilder<T>(L"TOrvCustomToolBar", L"TCustomControl");
    TClassBuilder<TOrvToolBar>(L"TOrvToolBar", L"TOrvCustomToolBar")
        .Factory()
        .Bool(L"AllowFloating", &T::GetAllowFloating, &T::SetAllowFloating)
        .Enum(L"AntiAlias", &T::GetAntiAlias, &T::SetAntiAlias, kAntiAliasIdents)
        .Bool(L"AutoArrangeButtons", &T::GetAutoArrangeButtons, &T::SetAutoArrangeButtons)
        .Bool(L"AutoDockOnClose", &T::GetAutoDockOnClose, &T::SetAutoDockOnClose)
        .Bool(L"AutoMDIButtons", &T::GetAutoMDIButtons, &T::SetAutoMDIButtons)
        .Bool(L"AutoOptionMenu", &T::GetAutoOptionMenu, &T::SetAutoOptionMenu)
        .Bool(L"AutoPositionControls", &T::GetAutoPositionControls, &T::SetAutoPositionControls)
        .Bool(L"AutoSize", &T::GetAutoSize, &T::SetAutoSize)
        .Bool(L"Locked", &T::GetLocked, &T::SetLocked)
        .String(L"Caption", &T::GetCaption, &T::SetCaption)
        .Object(L"CaptionFont", [](T* t) -> TFont& { return t->CaptionFont(); })
        .Int(L"CaptionHeight", &T::GetCaptionHeight, &T::SetCaptionHeight)
        .Enum(L"CaptionPosition", &T::GetCaptionPosition, &T::SetCaptionPosition, kCaptionPositionIdents)
        .Enum(L"CaptionAlignment", &T::GetCaptionAlignment, &T::SetCaptionAlignment, kCaptionAlignmentIdents)
        .String(L"CompactCaption", &T::GetCompactCaption, &T::SetCompactCaption)
        .Object(L"CompactPicture", [](T* t) -> TGDIPPicture& { return t->CompactPicture(); })
        .Int(L"CompactImageIndex", &T::GetCompactImageIndex, &T::SetCompactImageIndex)
        .String(L"CompactShortCutHint", &T::GetCompactShortCutHint, &T::SetCompactShortCutHint)
        .Bool(L"ShowCaption", &T::GetShowCaption, &T::SetShowCaption)
        .String(L"HintOptionButton", &T::GetHintOptionButton, &T::SetHintOptionButton)
        .String(L"HintCloseButton", &T::GetHintCloseButton, &T::SetHintCloseButton)
        .Bool(L"ShowRightHandle", &T::GetShowRightHandle, &T::SetShowRightHandle)
        .Bool(L"ShowClose", &T::GetShowClose, &T::SetShowClose)
        .Bool(L"ShowOptionIndicator", &T::GetShowOptionIndicator, &T::SetShowOptionIndicator)
        .Set(L"DockableTo", &T::GetDockableTo, &T::SetDockableTo, kDockAlignIdents)
        .Enum(L"DockMode", &T::GetDockMode, &T::SetDockMode, kDockModeIdents)
        .Bool(L"FullSize", &T::GetFullSize, &T::SetFullSize)
        .String(L"TextAutoOptionMenu", &T::GetTextAutoOptionMenu, &T::SetTextAutoOptionMenu)
        .String(L"TextOptionMenu", &T::GetTextOptionMenu, &T::SetTextOptionMenu)
        .Bool(L"ParentStyler", &T::GetParentStyler, &T::SetParentStyler)
        .Component<TCustomOrvToolBarStyler>(L"ToolBarStyler", &T::GetToolBarStyler, &T::SetToolBarStyler)
        .Component<TImageList>(L"Images", &T::GetImages, &T::SetImages)
        .Component<TImageList>(L"DisabledImages", &T::GetDisabledImages, &T::SetDisabledImages)
        .Component<TMainMenu>(L"Menu", &T::GetMenu, &T::SetMenu)
        .Component<TPopupMenu>(L"OptionMenu", &T::GetOptionMenu, &T::SetOptionMenu)
        .Object(L"OptionPicture", [](T* t) -> TGDIPPicture& { return t->OptionPicture(); })
        .Object(L"OptionDisabledPicture", [](T* t) -> TGDIPPicture& { return t->OptionDisabledPicture(); })
        .Bool(L"ParentOptionPicture", &T::GetParentOptionPicture, &T::SetParentOptionPicture)
        .Int(L"ToolBarIndex", &T::GetToolBarIndex, &T::SetToolBarIndex)
        .Object(L"OfficeHint", [](T* t) -> TOrvHintInfo& { return t->OfficeHint(); });
    using C = TOrvToolBarContainer;
    TClassBuilder<C>(L"TOrvToolBarContainer", L"TCustomControl")
        .Factory()
        .Bool(L"AutoSize", &C::GetAutoSize, &C::SetAutoSize)
        .Object(L"Color", [](C* c) -> TGradientBackground& { return c->Color(); })
        .Object(L"OfficeHint", [](C* c) -> TOrvHintInfo& { return c->OfficeHint(); })
        .Color(L"LineColor", &C::GetLineColor, &C::SetLineColor)
        .Bool(L"ParentStyler", &C::GetParentStyler, &C::SetParentStyler)
        .Bool(L"Line3D", &C::GetLine3D, &C::SetLine3D)
        .Int(L"Margins", &C::GetMargins, &C::SetMargins)
        .Component<TOrvCustomToolBar>(L"OrvToolBar", &C::GetOrvToolBar, &C::SetOrvToolBar);
    RegisterDockPanelClasses();
    // The page is registered with the pager's classes.
    RegisterToolBarPagerClasses();
}

}  // namespace orv
