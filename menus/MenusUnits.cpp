#include "menus/MenusUnits.h"

#include "framework/ClassRegistry.h"
#include "framework/Units.h"
#include "menus/OrvMenus.h"

namespace orv {

namespace {
using namespace menus;

const TEnumInfo kMenuBreakIdents{{L"mbNone", L"mbBreak", L"mbBarBreak"}};
const TEnumInfo kPopupAlignmentIdents{{L"paLeft", L"paRight", L"paCenter"}};
const TEnumInfo kMenuGradientDirectionIdents{{L"gdVertical", L"gdHorizontal"}};
const TEnumInfo kAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kBackgroundPositionIdents{{L"bpTopLeft", L"bpTopRight", L"bpBottomLeft", L"bpBottomRight",
                                           L"bpTopCenter", L"bpBottomCenter", L"bpTiled", L"bpStretched", L"bpCenter",
                                           L"bpXY"}};
const TEnumInfo kGradientTypeIdents{{L"gtLeft", L"gtRight", L"gtBoth"}};
const TEnumInfo kDirectionIdents{{L"dDownToUp", L"dUpToDown"}};
const TEnumInfo kSideBarVisibleInIdents{{L"viFirstVisible", L"viFirstLevel", L"viAnyLevel"}};
const TEnumInfo kAlignmentIdents{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};

template <class T>
void GradientBarProps(TClassBuilder<T>& b) {
    b.Color(L"Color", &T::GetColor, &T::SetColor)
        .Color(L"ColorTo", &T::GetColorTo, &T::SetColorTo)
        .Enum(L"GradientDirection", &T::GetGradientDirection, &T::SetGradientDirection, kMenuGradientDirectionIdents);
}

template <class T>
void StyledMenuProps(TClassBuilder<T>& b) {
    b.template Component<TImageList>(L"DisabledImages", &T::GetDisabledImages, &T::SetDisabledImages)
        .template Component<TCustomOrvMenuStyler>(L"MenuStyler", &T::GetMenuStyler, &T::SetMenuStyler)
        .Bool(L"IntlKeybShortCuts", &T::GetIntlKeybShortCuts, &T::SetIntlKeybShortCuts)
        .Bool(L"ShowNotes", &T::GetShowNotes, &T::SetShowNotes)
        .String(L"Version", &T::GetVersion, &T::SetVersion);
}
}  // namespace

void RegisterMenusClasses() {
    TClassBuilder<TMenuItem>(L"TMenuItem", L"TComponent")
        .Factory()
        .Component<TBasicAction>(L"Action", &TMenuItem::GetAction, &TMenuItem::SetAction)
        .Bool(L"AutoCheck", &TMenuItem::GetAutoCheck, &TMenuItem::SetAutoCheck)
        .Enum(L"Break", &TMenuItem::GetBreak, &TMenuItem::SetBreak, kMenuBreakIdents)
        .String(L"Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption)
        .Bool(L"Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked)
        .Bool(L"Default", &TMenuItem::GetDefault, &TMenuItem::SetDefault)
        .Bool(L"Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled)
        .Int(L"GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex)
        .String(L"Hint", &TMenuItem::GetHint, &TMenuItem::SetHint)
        .Int(L"ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex)
        .Bool(L"RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem)
        .Int(L"ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut)
        .Bool(L"Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible)
        .Event(L"OnClick", &TMenuItem::OnClick)
        .Event(L"OnMeasureItem", &TMenuItem::OnMeasureItem)
        .Event(L"OnDrawItem", &TMenuItem::OnDrawItem)
        .Event(L"OnAdvancedDrawItem", &TMenuItem::OnAdvancedDrawItem);
    TClassBuilder<TMenu>(L"TMenu", L"TComponent")
        .Component<TImageList>(L"Images", &TMenu::GetImages, &TMenu::SetImages)
        .Bool(L"OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw);
    TClassBuilder<TMainMenu>(L"TMainMenu", L"TMenu").Factory();
    TClassBuilder<TPopupMenu>(L"TPopupMenu", L"TMenu")
        .Factory()
        .Enum(L"Alignment", &TPopupMenu::GetAlignment, &TPopupMenu::SetAlignment, kPopupAlignmentIdents)
        .Bool(L"AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup)
        .Event(L"OnPopup", &TPopupMenu::OnPopup);

    auto mainMenu = TClassBuilder<TOrvMainMenu>(L"TOrvMainMenu", L"TMainMenu");
    mainMenu.Factory();
    StyledMenuProps(mainMenu);
    auto popupMenu = TClassBuilder<TOrvPopupMenu>(L"TOrvPopupMenu", L"TPopupMenu");
    popupMenu.Factory();
    StyledMenuProps(popupMenu);

    auto gradientBar = TClassBuilder<TGradientBar>(L"TGradientBar", L"TPersistent");
    GradientBarProps(gradientBar);
    TClassBuilder<TBackground>(L"TBackground", L"TGradientBar")
        .Object(L"Image", [](TBackground* s) -> TBitmap& { return s->Image(); })
        .Enum(L"Position", &TBackground::GetPosition, &TBackground::SetPosition, kBackgroundPositionIdents)
        .Int(L"OffsetX", &TBackground::GetOffsetX, &TBackground::SetOffsetX)
        .Int(L"OffsetY", &TBackground::GetOffsetY, &TBackground::SetOffsetY)
        .Int(L"MarginX", &TBackground::GetMarginX, &TBackground::SetMarginX)
        .Int(L"MarginY", &TBackground::GetMarginY, &TBackground::SetMarginY);
    TClassBuilder<TIconBar>(L"TIconBar", L"TGradientBar")
        .Color(L"CheckColor", &TIconBar::GetCheckColor, &TIconBar::SetCheckColor)
        .Color(L"CheckColorTo", &TIconBar::GetCheckColorTo, &TIconBar::SetCheckColorTo)
        .Color(L"CheckBorder", &TIconBar::GetCheckBorder, &TIconBar::SetCheckBorder)
        .Enum(L"CheckGradientDirection", &TIconBar::GetCheckGradientDirection, &TIconBar::SetCheckGradientDirection,
              kMenuGradientDirectionIdents)
        .Color(L"RadioColor", &TIconBar::GetRadioColor, &TIconBar::SetRadioColor)
        .Color(L"RadioColorTo", &TIconBar::GetRadioColorTo, &TIconBar::SetRadioColorTo)
        .Color(L"RadioBorder", &TIconBar::GetRadioBorder, &TIconBar::SetRadioBorder)
        .Enum(L"RadioGradientDirection", &TIconBar::GetRadioGradientDirection, &TIconBar::SetRadioGradientDirection,
              kMenuGradientDirectionIdents)
        .Color(L"SeparatorColor", &TIconBar::GetSeparatorColor, &TIconBar::SetSeparatorColor)
        .Int(L"Size", &TIconBar::GetSize, &TIconBar::SetSize);
    TClassBuilder<TSelectedItem>(L"TSelectedItem", L"TGradientBar")
        .Color(L"ColorMirror", &TSelectedItem::GetColorMirror, &TSelectedItem::SetColorMirror)
        .Color(L"ColorMirrorTo", &TSelectedItem::GetColorMirrorTo, &TSelectedItem::SetColorMirrorTo)
        .Color(L"BorderColor", &TSelectedItem::GetBorderColor, &TSelectedItem::SetBorderColor)
        .Object(L"Font", [](TSelectedItem* s) -> TFont& { return s->Font(); })
        .Object(L"NotesFont", [](TSelectedItem* s) -> TFont& { return s->NotesFont(); })
        .Bool(L"UseSystemFont", &TSelectedItem::GetUseSystemFont, &TSelectedItem::SetUseSystemFont)
        .Color(L"CheckColor", &TSelectedItem::GetCheckColor, &TSelectedItem::SetCheckColor)
        .Color(L"CheckColorTo", &TSelectedItem::GetCheckColorTo, &TSelectedItem::SetCheckColorTo)
        .Color(L"CheckBorder", &TSelectedItem::GetCheckBorder, &TSelectedItem::SetCheckBorder)
        .Enum(L"CheckGradientDirection", &TSelectedItem::GetCheckGradientDirection,
              &TSelectedItem::SetCheckGradientDirection, kMenuGradientDirectionIdents)
        .Color(L"RadioColor", &TSelectedItem::GetRadioColor, &TSelectedItem::SetRadioColor)
        .Color(L"RadioColorTo", &TSelectedItem::GetRadioColorTo, &TSelectedItem::SetRadioColorTo)
        .Color(L"RadioBorder", &TSelectedItem::GetRadioBorder, &TSelectedItem::SetRadioBorder)
        .Enum(L"RadioGradientDirection", &TSelectedItem::GetRadioGradientDirection,
              &TSelectedItem::SetRadioGradientDirection, kMenuGradientDirectionIdents);
    TClassBuilder<TRootItem>(L"TRootItem", L"TGradientBar")
        .Object(L"Font", [](TRootItem* s) -> TFont& { return s->Font(); })
        .Bool(L"UseSystemFont", &TRootItem::GetUseSystemFont, &TRootItem::SetUseSystemFont)
        .Color(L"SelectedColor", &TRootItem::GetSelectedColor, &TRootItem::SetSelectedColor)
        .Color(L"SelectedColorTo", &TRootItem::GetSelectedColorTo, &TRootItem::SetSelectedColorTo)
        .Color(L"SelectedColorMirror", &TRootItem::GetSelectedColorMirror, &TRootItem::SetSelectedColorMirror)
        .Color(L"SelectedColorMirrorTo", &TRootItem::GetSelectedColorMirrorTo, &TRootItem::SetSelectedColorMirrorTo)
        .Enum(L"SelectedGradientDirection", &TRootItem::GetSelectedGradientDirection,
              &TRootItem::SetSelectedGradientDirection, kMenuGradientDirectionIdents)
        .Color(L"SelectedBorderColor", &TRootItem::GetSelectedBorderColor, &TRootItem::SetSelectedBorderColor)
        .Color(L"SelectedTextColor", &TRootItem::GetSelectedTextColor, &TRootItem::SetSelectedTextColor)
        .Color(L"HoverColor", &TRootItem::GetHoverColor, &TRootItem::SetHoverColor)
        .Color(L"HoverColorTo", &TRootItem::GetHoverColorTo, &TRootItem::SetHoverColorTo)
        .Color(L"HoverColorMirror", &TRootItem::GetHoverColorMirror, &TRootItem::SetHoverColorMirror)
        .Color(L"HoverColorMirrorTo", &TRootItem::GetHoverColorMirrorTo, &TRootItem::SetHoverColorMirrorTo)
        .Enum(L"HoverGradientDirection", &TRootItem::GetHoverGradientDirection, &TRootItem::SetHoverGradientDirection,
              kMenuGradientDirectionIdents)
        .Color(L"HoverBorderColor", &TRootItem::GetHoverBorderColor, &TRootItem::SetHoverBorderColor)
        .Color(L"HoverTextColor", &TRootItem::GetHoverTextColor, &TRootItem::SetHoverTextColor);
    TClassBuilder<TSeparator>(L"TSeparator", L"TGradientBar")
        .Int(L"Width", &TSeparator::GetWidth, &TSeparator::SetWidth)
        .Enum(L"GradientType", &TSeparator::GetGradientType, &TSeparator::SetGradientType, kGradientTypeIdents)
        .Int(L"GradientWidth", &TSeparator::GetGradientWidth, &TSeparator::SetGradientWidth)
        .Int(L"Margin", &TSeparator::GetMargin, &TSeparator::SetMargin);
    TClassBuilder<TMenuGlyphs>(L"TMenuGlyphs", L"TPersistent")
        .Object(L"SubMenu", [](TMenuGlyphs* s) -> TBitmap& { return s->SubMenu(); })
        .Object(L"Check", [](TMenuGlyphs* s) -> TBitmap& { return s->Check(); })
        .Object(L"Radio", [](TMenuGlyphs* s) -> TBitmap& { return s->Radio(); });
    TClassBuilder<TBarCaption>(L"TBarCaption", L"TPersistent")
        .Enum(L"Alignment", &TBarCaption::GetAlignment, &TBarCaption::SetAlignment, kAlignmentIdents)
        .String(L"Caption", &TBarCaption::GetCaption, &TBarCaption::SetCaption)
        .Object(L"Font", [](TBarCaption* s) -> TFont& { return s->Font(); })
        .Color(L"ShadowColor", &TBarCaption::GetShadowColor, &TBarCaption::SetShadowColor)
        .Int(L"Depth", &TBarCaption::GetDepth, &TBarCaption::SetDepth)
        .Enum(L"Direction", &TBarCaption::GetDirection, &TBarCaption::SetDirection, kDirectionIdents);
    TClassBuilder<TSideBar>(L"TSideBar", L"TBarCaption")
        .Bool(L"Visible", &TSideBar::GetVisible, &TSideBar::SetVisible)
        .Enum(L"VisibleIn", &TSideBar::GetVisibleIn, &TSideBar::SetVisibleIn, kSideBarVisibleInIdents)
        .Object(L"Image", [](TSideBar* s) -> TBackground& { return s->Image(); })
        .Object(L"Background", [](TSideBar* s) -> TBackground& { return s->Background(); })
        .Int(L"Size", &TSideBar::GetSize, &TSideBar::SetSize)
        .Color(L"SplitterColor", &TSideBar::GetSplitterColor, &TSideBar::SetSplitterColor)
        .Color(L"SplitterColorTo", &TSideBar::GetSplitterColorTo, &TSideBar::SetSplitterColorTo)
        .Int(L"SplitterWidth", &TSideBar::GetSplitterWidth, &TSideBar::SetSplitterWidth)
        .Int(L"SplitterMargin", &TSideBar::GetSplitterMargin, &TSideBar::SetSplitterMargin)
        .Int(L"SplitterGradientWidth", &TSideBar::GetSplitterGradientWidth, &TSideBar::SetSplitterGradientWidth)
        .Enum(L"SplitterGradientType", &TSideBar::GetSplitterGradientType, &TSideBar::SetSplitterGradientType,
              kGradientTypeIdents)
        .Color(L"BorderColor", &TSideBar::GetBorderColor, &TSideBar::SetBorderColor);
    TClassBuilder<TButtonAppearance>(L"TButtonAppearance", L"TPersistent")
        .Color(L"Color", &TButtonAppearance::GetColor, &TButtonAppearance::SetColor)
        .Color(L"ColorTo", &TButtonAppearance::GetColorTo, &TButtonAppearance::SetColorTo)
        .Color(L"DownColor", &TButtonAppearance::GetDownColor, &TButtonAppearance::SetDownColor)
        .Color(L"DownColorTo", &TButtonAppearance::GetDownColorTo, &TButtonAppearance::SetDownColorTo)
        .Color(L"HoverColor", &TButtonAppearance::GetHoverColor, &TButtonAppearance::SetHoverColor)
        .Color(L"HoverColorTo", &TButtonAppearance::GetHoverColorTo, &TButtonAppearance::SetHoverColorTo)
        .Enum(L"GradientDirection", &TButtonAppearance::GetGradientDirection, &TButtonAppearance::SetGradientDirection,
              kMenuGradientDirectionIdents)
        .Color(L"BorderColor", &TButtonAppearance::GetBorderColor, &TButtonAppearance::SetBorderColor)
        .Color(L"DownBorderColor", &TButtonAppearance::GetDownBorderColor, &TButtonAppearance::SetDownBorderColor)
        .Color(L"HoverBorderColor", &TButtonAppearance::GetHoverBorderColor, &TButtonAppearance::SetHoverBorderColor)
        .Object(L"CaptionFont", [](TButtonAppearance* s) -> TFont& { return s->CaptionFont(); })
        .Bool(L"UseSystemFont", &TButtonAppearance::GetUseSystemFont, &TButtonAppearance::SetUseSystemFont);

    TClassBuilder<TCustomOrvMenuStyler>(L"TCustomOrvMenuStyler", L"TComponent");
    // Published in this order.
    TClassBuilder<TOrvMenuStyler>(L"TOrvMenuStyler", L"TCustomOrvMenuStyler")
        .Factory()
        .Enum(L"AntiAlias", &TOrvMenuStyler::GetAntiAlias, &TOrvMenuStyler::SetAntiAlias, kAntiAliasIdents)
        .Object(L"Background", [](TOrvMenuStyler* s) -> TBackground& { return s->Background(); })
        .Object(L"IconBar", [](TOrvMenuStyler* s) -> TIconBar& { return s->IconBar(); })
        .Object(L"SelectedItem", [](TOrvMenuStyler* s) -> TSelectedItem& { return s->SelectedItem(); })
        .Object(L"RootItem", [](TOrvMenuStyler* s) -> TRootItem& { return s->RootItem(); })
        .Object(L"Glyphs", [](TOrvMenuStyler* s) -> TMenuGlyphs& { return s->Glyphs(); })
        .Object(L"SideBar", [](TOrvMenuStyler* s) -> TSideBar& { return s->SideBar(); })
        .Object(L"Separator", [](TOrvMenuStyler* s) -> TSeparator& { return s->Separator(); })
        .Object(L"Font", [](TOrvMenuStyler* s) -> TFont& { return s->Font(); })
        .Object(L"NotesFont", [](TOrvMenuStyler* s) -> TFont& { return s->NotesFont(); })
        .Bool(L"UseSystemFont", &TOrvMenuStyler::GetUseSystemFont, &TOrvMenuStyler::SetUseSystemFont)
        .Color(L"MenuBorderColor", &TOrvMenuStyler::GetMenuBorderColor, &TOrvMenuStyler::SetMenuBorderColor)
        .Object(L"ButtonAppearance", [](TOrvMenuStyler* s) -> TButtonAppearance& { return s->ButtonAppearance(); });
}

void RegisterMenusUnits() {
    RegisterUnit(L"OrvMenus", RegisterMenusClasses, nullptr);
}

}  // namespace orv
