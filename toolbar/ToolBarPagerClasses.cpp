// The published properties of the pager, its caption, tab settings and tab groups, and
// the page's tab data, for stored layouts.
#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "toolbar/OrvPage.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvToolBarForm.h"
#include "toolbar/OrvToolBarPager.h"

namespace orv {

namespace {

const TEnumInfo kPagerAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kCaptionButtonIdents{{L"cbClose", L"cbMinimize", L"cbMaximize"}};
const TEnumInfo kGroupAlignmentIdents{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo kPageHintPosIdents{{L"shpLeft", L"shpTop", L"shpRight", L"shpBottom", L"shpCenter", L"shpAuto",
                                    L"shpTopLeft", L"shpTopRight", L"shpAboveTop", L"shpAboveTopLeft",
                                    L"shpAboveTopRight", L"shpBottomLeft", L"shpBottomRight", L"shpBelowBottom",
                                    L"shpBelowBottomLeft", L"shpBelowBottomRight", L"shpBelowBottomCenter"}};

}  // namespace

void RegisterToolBarPagerClasses() {
    if (TClassRegistry::Find(L"TOrvToolBarPager")) return;
    TClassBuilder<TOrvToolBarForm>(L"TOrvToolBarForm", L"TForm");
    using PC = TOrvPageCaption;
    TClassBuilder<PC>(L"TOrvPageCaption", L"TPersistent")
        .String(L"Caption", &PC::GetCaption, &PC::SetCaption)
        .Bool(L"Visible", &PC::GetVisible, &PC::SetVisible)
        .Int(L"Height", &PC::GetHeight, &PC::SetHeight)
        .Int(L"Indent", &PC::GetIndent, &PC::SetIndent)
        .Int(L"MinWidth", &PC::GetMinWidth, &PC::SetMinWidth);
    using TS = TOTBTabSettings;
    TClassBuilder<TS>(L"TOTBTabSettings", L"TPersistent")
        .Int(L"LeftMargin", &TS::GetLeftMargin, &TS::SetLeftMargin)
        .Int(L"RightMargin", &TS::GetRightMargin, &TS::SetRightMargin)
        .Int(L"StartMargin", &TS::GetStartMargin, &TS::SetStartMargin)
        .Int(L"EndMargin", &TS::GetEndMargin, &TS::SetEndMargin)
        .Int(L"Height", &TS::GetHeight, &TS::SetHeight)
        .Int(L"Spacing", &TS::GetSpacing, &TS::SetSpacing)
        .Bool(L"Office2010Look", &TS::GetOffice2010Look, &TS::SetOffice2010Look);
    using GI = TTabGroupItem;
    TClassBuilder<GI>(L"TTabGroupItem", L"TPersistent")
        .String(L"Caption", &GI::GetCaption, &GI::SetCaption)
        .Enum(L"CaptionAlignment", &GI::GetCaptionAlignment, &GI::SetCaptionAlignment, kGroupAlignmentIdents)
        .Bool(L"DefaultAppearance", &GI::GetDefaultAppearance, &GI::SetDefaultAppearance)
        .Int(L"ImageIndex", &GI::GetImageIndex, &GI::SetImageIndex)
        .Int(L"TabIndexStart", &GI::GetTabIndexStart, &GI::SetTabIndexStart)
        .Int(L"TabIndexEnd", &GI::GetTabIndexEnd, &GI::SetTabIndexEnd)
        .Object(L"GroupAppearance", [](GI* g) -> TGroupAppearance& { return g->GroupAppearance(); });
    TClassBuilder<TTabGroups>(L"TTabGroups", L"TPersistent");

    using P = TOrvToolBarPager;
    TClassBuilder<P>(L"TOrvToolBarPager", L"TCustomControl")
        .Factory()
        .Component<TOrvPage>(L"ActivePage", &P::GetActivePage, &P::SetActivePage)
        .Enum(L"AntiAlias", &P::GetAntiAlias, &P::SetAntiAlias, kPagerAntiAliasIdents)
        .Bool(L"AutoMDIButtons", &P::GetAutoMDIButtons, &P::SetAutoMDIButtons)
        .Bool(L"CanMove", &P::GetCanMove, &P::SetCanMove)
        .Object(L"Caption", [](P* p) -> TOrvPageCaption& { return p->Caption(); })
        .Set(L"CaptionButtons", &P::GetCaptionButtons, &P::SetCaptionButtons, kCaptionButtonIdents)
        .Component<TImageList>(L"Images", &P::GetImages, &P::SetImages)
        .Component<TImageList>(L"DisabledImages", &P::GetDisabledImages, &P::SetDisabledImages)
        .Bool(L"HidePagesOnDblClick", &P::GetHidePagesOnDblClick, &P::SetHidePagesOnDblClick)
        .Bool(L"EnableWheel", &P::GetEnableWheel, &P::SetEnableWheel)
        .Collection(L"TabGroups", [](P* p) -> TTabGroups& { return p->TabGroups(); })
        .Object(L"TabSettings", [](P* p) -> TOTBTabSettings& { return p->TabSettings(); })
        .Object(L"Persistence", [](P* p) -> TPersistence& { return p->Persistence(); })
        .Component<TCustomOrvToolBarStyler>(L"ToolBarStyler", &P::GetToolBarStyler, &P::SetToolBarStyler)
        .Bool(L"ShowHelpButton", &P::GetShowHelpButton, &P::SetShowHelpButton)
        .Bool(L"ShowExpandCollapsButton", &P::GetShowExpandCollapsButton, &P::SetShowExpandCollapsButton)
        .Bool(L"ShowNonSelectedTabs", &P::GetShowNonSelectedTabs, &P::SetShowNonSelectedTabs)
        .Bool(L"ShowTabHint", &P::GetShowTabHint, &P::SetShowTabHint)
        .Object(L"OfficeHint", [](P* p) -> TOrvHintInfo& { return p->OfficeHint(); })
        .Int(L"PageLeftMargin", &P::GetPageLeftMargin, &P::SetPageLeftMargin)
        .Int(L"PageRightMargin", &P::GetPageRightMargin, &P::SetPageRightMargin)
        .Object(L"OptionPicture", [](P* p) -> TGDIPPicture& { return p->OptionPicture(); })
        .Object(L"OptionDisabledPicture", [](P* p) -> TGDIPPicture& { return p->OptionDisabledPicture(); })
        .Bool(L"Win7ScenicRibbon", &P::GetWin7ScenicRibbon, &P::SetWin7ScenicRibbon)
        .Event(L"OnCloseButtonClick", &P::OnCloseButtonClick)
        .Event(L"OnMinButtonClick", &P::OnMinButtonClick)
        .Event(L"OnMaxButtonClick", &P::OnMaxButtonClick)
        .Event(L"OnChange", &P::OnChange)
        .Event(L"OnChanging", &P::OnChanging)
        .Event(L"OnTabClick", &P::OnTabClick)
        .Event(L"OnTabDblClick", &P::OnTabDblClick)
        .Event(L"OnTabGroupClick", &P::OnTabGroupClick)
        .Event(L"OnExpand", &P::OnExpand)
        .Event(L"OnCollaps", &P::OnCollaps)
        .Event(L"OnHelpClick", &P::OnHelpClick);

    using G = TOrvPage;
    TClassBuilder<G>(L"TOrvPage", L"TCustomControl")
        .Factory()
        .Bool(L"AutoPosition", &G::GetAutoPosition, &G::SetAutoPosition)
        .Int(L"ImageIndex", &G::GetImageIndex, &G::SetImageIndex)
        .String(L"TabHint", &G::GetTabHint, &G::SetTabHint)
        .Bool(L"TabVisible", &G::GetTabVisible, &G::SetTabVisible)
        .Bool(L"TabEnabled", &G::GetTabEnabled, &G::SetTabEnabled)
        .Object(L"OfficeHint", [](G* g) -> TOrvHintInfo& { return g->OfficeHint(); })
        .String(L"ShortCutHint", &G::GetShortCutHint, &G::SetShortCutHint)
        .Enum(L"ShortCutHintPos", &G::GetShortCutHintPos, &G::SetShortCutHintPos, kPageHintPosIdents);
}

}  // namespace orv
