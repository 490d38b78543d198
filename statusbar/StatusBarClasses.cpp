// The published properties of the status bar, its panels and stylers, for stored layouts.
// The preset styler publishes Style first, so a stored Style is applied before the stored
// values that follow it (and they win).
#include "framework/ClassRegistry.h"
#include "framework/ImageList.h"
#include "hints/HintsClasses.h"
#include "statusbar/OrvOfficeStatusBarStylers.h"
#include "statusbar/PictureContainer.h"

namespace orv {

namespace {

const TEnumInfo kPanelStyleIdents{{L"psHTML", L"psText", L"psOwnerDraw", L"psTime", L"psDate", L"psNumLock",
                                   L"psCapsLock", L"psScrollLock", L"psProgress", L"psImage", L"psImageList",
                                   L"psAnimation", L"psEllipsText", L"psFileEllipsText"}};
const TEnumInfo kAppearanceStyleIdents{{L"psLight", L"psDark"}};
const TEnumInfo kIndicationIdents{{L"piPercentage", L"piAbsolute", L"piNone"}};
const TEnumInfo kAntiAliasIdents{{L"aaNone", L"aaClearType", L"aaAntiAlias"}};
const TEnumInfo kAlignmentIdents{{L"taLeftJustify", L"taRightJustify", L"taCenter"}};
const TEnumInfo kBiDiModeIdents{
    {L"bdLeftToRight", L"bdRightToLeft", L"bdRightToLeftNoAlign", L"bdRightToLeftReadingOnly"}};
const TEnumInfo kFontStyleIdents{{L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"}};
const TEnumInfo kStatusStyleIdents{
    {L"psOffice2003Blue", L"psOffice2003Silver", L"psOffice2003Olive", L"psOffice2003Classic", L"psOffice2007Luna",
     L"psOffice2007Obsidian", L"psWindowsXP", L"psWhidbey", L"psCustom", L"psOffice2007Silver", L"psWindowsVista",
     L"psWindows7", L"psTerminal", L"psOffice2010Blue", L"psOffice2010Silver", L"psOffice2010Black"}};

#define COLOR(C, N) .Color(L## #N, &C::Get##N, &C::Set##N)
#define BOOL(C, N) .Bool(L## #N, &C::Get##N, &C::Set##N)
#define INT(C, N) .Int(L## #N, &C::Get##N, &C::Set##N)
#define STR(C, N) .String(L## #N, &C::Get##N, &C::Set##N)

}  // namespace

void RegisterStatusBarClasses() {
    if (TClassRegistry::Find(L"TOrvOfficeStatusBar")) return;
    RegisterHintClasses();
    if (!TClassRegistry::Find(L"TPictureContainer")) html::RegisterPictureContainerClasses();

    using VB = statusbar::TVistaBackground;
    TClassBuilder<VB>(L"TStatusVistaBackground", L"TPersistent") COLOR(VB, BorderColor) COLOR(VB, BorderColorHot)
        COLOR(VB, BorderColorDown) COLOR(VB, Color) COLOR(VB, ColorTo) COLOR(VB, ColorHot) COLOR(VB, ColorHotTo)
            COLOR(VB, ColorDown) COLOR(VB, ColorDownTo) COLOR(VB, ColorMirror) COLOR(VB, ColorMirrorTo)
                COLOR(VB, ColorMirrorHot) COLOR(VB, ColorMirrorHotTo) COLOR(VB, ColorMirrorDown)
                    COLOR(VB, ColorMirrorDownTo) INT(VB, Steps) COLOR(VB, TextColor) COLOR(VB, TextColorHot)
                        COLOR(VB, TextColorDown)
                            .Set(L"TextStyle", &VB::GetTextStyle, &VB::SetTextStyle, kFontStyleIdents);

    using P = TProgressStyle;
    TClassBuilder<P>(L"TProgressStyle", L"TPersistent") COLOR(P, BackGround)
        .Enum(L"Indication", &P::GetIndication, &P::SetIndication, kIndicationIdents) INT(P, Min) INT(P, Max)
            INT(P, Position) COLOR(P, Level0Color) COLOR(P, Level0ColorTo) COLOR(P, Level1Color) COLOR(P, Level1ColorTo)
                COLOR(P, Level2Color) COLOR(P, Level2ColorTo) COLOR(P, Level3Color) COLOR(P, Level3ColorTo)
                    INT(P, Level1Perc) INT(P, Level2Perc) COLOR(P, BorderColor) BOOL(P, ShowBorder) BOOL(P, Stacked)
                        BOOL(P, ShowPercentage) BOOL(P, CompletionSmooth) STR(P, Suffix) STR(P, Prefix)
                            BOOL(P, ShowGradient);

    using I = TOrvOfficeStatusPanel;
    TClassBuilder<I>(L"TOrvOfficeStatusPanel", L"TPersistent")
        .Enum(L"Alignment", &I::GetAlignment, &I::SetAlignment, kAlignmentIdents) BOOL(I, Animated)
        .Component<TImageList>(L"AnimationImages", &I::GetAnimationImages, &I::SetAnimationImages)
            INT(I, AnimationDelay)
        .Enum(L"AppearanceStyle", &I::GetAppearanceStyle, &I::SetAppearanceStyle, kAppearanceStyleIdents)
            BOOL(I, AutoSize)
        .Enum(L"BiDiMode", &I::GetBiDiMode, &I::SetBiDiMode, kBiDiModeIdents)
        .StoredIf([](I* p) { return !p->GetParentBiDiMode(); }) BOOL(I, ParentBiDiMode) BOOL(I, Button)
            STR(I, DateFormat) BOOL(I, Enabled) INT(I, HTMLOffsetX) INT(I, HTMLOffsetY) INT(I, ImageIndex)
                INT(I, MinWidth)
        .Object(L"Progress", [](I* p) -> TProgressStyle& { return p->Progress(); })
        .Enum(L"Style", &I::GetStyle, &I::SetStyle, kPanelStyleIdents) STR(I, Text) STR(I, TimeFormat) INT(I, Width)
        .Object(L"OfficeHint", [](I* p) -> TOrvHintInfo& { return p->OfficeHint(); })
        .Strings(L"ImageIndexes", &I::GetImageIndexes, &I::SetImageIndexes);

    using S = TCustomOrvOfficeStatusBarStyler;
    TClassBuilder<S>(L"TCustomOrvOfficeStatusBarStyler", L"TComponent");
    using O = TOrvOfficeStatusBarOfficeStyler;
    TClassBuilder<O>(L"TOrvOfficeStatusBarOfficeStyler", L"TCustomOrvOfficeStatusBarStyler")
        .Factory()
        .Enum(L"Style", &O::GetStyle, &O::SetStyle, kStatusStyleIdents)
        .Preset() BOOL(O, AutoThemeAdapt) COLOR(O, BorderColor)
        .Object(L"PanelAppearanceLight", [](O* o) -> VB& { return o->PanelAppearanceLight(); })
        .Object(L"PanelAppearanceDark", [](O* o) -> VB& { return o->PanelAppearanceDark(); });

    using B = TOrvOfficeStatusBar;
    TClassBuilder<B>(L"TOrvOfficeStatusBar", L"TCustomControl")
        .Factory()
        .Bool(L"AnchorHint", &B::GetAnchorHint, &B::SetAnchorHint)
        .Enum(L"AntiAlias", &B::GetAntiAlias, &B::SetAntiAlias, kAntiAliasIdents) BOOL(B, AutoHint)
        .Component<TImageList>(L"Images", &B::GetImages, &B::SetImages)
        .Component<TImageList>(L"DisabledImages", &B::GetDisabledImages, &B::SetDisabledImages)
        .Collection(L"Panels", [](B* b) -> TOrvOfficeStatusPanels& { return b->Panels(); })
        .Component<html::TPictureContainer>(L"PictureContainer", &B::GetPictureContainer, &B::SetPictureContainer)
            BOOL(B, SimplePanel) STR(B, SimpleText) BOOL(B, SizeGrip) COLOR(B, URLColor) INT(B, StretchPanel)
        .Component<TCustomOrvOfficeStatusBarStyler>(L"Styler", &B::GetStyler, &B::SetStyler) BOOL(B, UseSystemFont)
        .Enum(L"BiDiMode", &B::GetBiDiMode, &B::SetBiDiMode, kBiDiModeIdents) BOOL(B, ParentBiDiMode)
        .Event(L"OnDrawPanel", &B::OnDrawPanel)
        .Event(L"OnPanelClick", &B::OnPanelClick)
        .Event(L"OnPanelRightClick", &B::OnPanelRightClick)
        .Event(L"OnPanelDblClick", &B::OnPanelDblClick)
        .Event(L"OnAnchorClick", &B::OnAnchorClick)
        .Event(L"OnAnchorEnter", &B::OnAnchorEnter)
        .Event(L"OnAnchorExit", &B::OnAnchorExit)
        .Event(L"OnHint", &B::OnHint);
}

}  // namespace orv
