// The published properties of the toolbar stylers and their records, for stored
// layouts. The preset styler publishes every value itself, Style first, so a stored
// Style is applied before the stored values that follow it (and they win).
#include "buttons/OrvGlowButton.h"
#include "framework/ClassRegistry.h"
#include "menus/OrvMenus.h"
#include "toolbar/OrvToolBar.h"
#include "toolbar/OrvQuickAccessToolBar.h"
#include "toolbar/OrvToolBarButton.h"
#include "toolbar/OrvToolBarCustomizer.h"
#include "toolbar/OrvToolBarStylers.h"

namespace orv {

namespace {

const TEnumInfo kGradientIdents{{L"ggRadial", L"ggVertical", L"ggDiagonalForward", L"ggDiagonalBackward"}};
const TEnumInfo kDirectionIdents{{L"gdHorizontal", L"gdVertical"}};
const TEnumInfo kDragGripIdents{{L"dsDots", L"dsSingleLine", L"dsDoubleLine", L"dsFlatDots", L"dsNone"}};
const TEnumInfo kBackGroundDisplayIdents{{L"bdTile", L"bdCenter", L"bdStretch"}};
const TEnumInfo kBevelIdents{{L"bvNone", L"bvLowered", L"bvRaised", L"bvSpace"}};
const TEnumInfo kToolBarStyleIdents{{L"bsOffice2003Blue", L"bsOffice2003Silver", L"bsOffice2003Olive",
                                     L"bsOffice2003Classic", L"bsOffice2007Luna", L"bsOffice2007Obsidian",
                                     L"bsWindowsXP", L"bsWhidbeyStyle", L"bsCustom", L"bsOffice2007Silver",
                                     L"bsOfficeXP", L"bsWindowsVista", L"bsWindows7", L"bsTerminal",
                                     L"bsOffice2010Blue", L"bsOffice2010Silver", L"bsOffice2010Black"}};
const TEnumInfo kZemStyleIdents{{L"tsOffice2003Blue", L"tsOffice2003Silver", L"tsOffice2003Olive",
                                 L"tsOffice2003Classic", L"tsOffice2007Luna", L"tsOffice2007Obsidian", L"tsWindowsXP",
                                 L"tsWhidbey", L"tsCustom", L"tsOffice2007Silver", L"tsWindowsVista", L"tsWindows7",
                                 L"tsTerminal", L"tsOffice2010Blue", L"tsOffice2010Silver", L"tsOffice2010Black"}};

#define COLOR(C, N) .Color(L## #N, &C::Get##N, &C::Set##N)
#define BOOL(C, N) .Bool(L## #N, &C::Get##N, &C::Set##N)
#define INT(C, N) .Int(L## #N, &C::Get##N, &C::Set##N)
#define GRAD(C, N) .Enum(L## #N, &C::Get##N, &C::Set##N, kGradientIdents)
#define DIR(C, N) .Enum(L## #N, &C::Get##N, &C::Set##N, kDirectionIdents)
#define NESTED(C, T, N) .Object(L## #N, [](C* o) -> T& { return o->N(); })

void RegisterRecords() {
    using G = TGradientBackground;
    TClassBuilder<G>(L"TGradientBackground", L"TPersistent") COLOR(G, Color) COLOR(G, ColorTo) DIR(G, Direction)
        INT(G, Steps);
    using M = TMirrorGradient;
    TClassBuilder<M>(L"TMirrorGradient", L"TPersistent") COLOR(M, Color) COLOR(M, ColorTo) COLOR(M, ColorMirror)
        COLOR(M, ColorMirrorTo);
    using VG = TVistaGradientBackground;
    TClassBuilder<VG>(L"TVistaGradientBackground", L"TGradientBackground") NESTED(VG, TMirrorGradient, Mirror);
    using CA = TContainerAppearance;
    TClassBuilder<CA>(L"TContainerAppearance", L"TPersistent") COLOR(CA, LineColor) BOOL(CA, Line3D);
    using CP = TCaptionAppearance;
    TClassBuilder<CP>(L"TCaptionAppearance", L"TPersistent") COLOR(CP, CaptionColor) COLOR(CP, CaptionColorTo)
        COLOR(CP, CaptionTextColor) COLOR(CP, CaptionBorderColor) COLOR(CP, CaptionColorHot)
            COLOR(CP, CaptionColorHotTo) COLOR(CP, CaptionTextColorHot) COLOR(CP, CaptionBorderColorHot);
    using VB = TVistaBackground;
    TClassBuilder<VB>(L"TVistaBackground", L"TPersistent") COLOR(VB, BorderColor) COLOR(VB, Color) COLOR(VB, ColorTo)
        COLOR(VB, ColorMirror) COLOR(VB, ColorMirrorTo) GRAD(VB, Gradient) GRAD(VB, GradientMirror) INT(VB, Steps);
    using VP = TVistaPageBackground;
    TClassBuilder<VP>(L"TVistaPageBackground", L"TVistaBackground") COLOR(VP, ShadowColor) COLOR(VP, HighLightColor);
    using VT = TVistaTextBackground;
    TClassBuilder<VT>(L"TVistaTextBackground", L"TVistaBackground") COLOR(VT, TextColor) COLOR(VT, TextColorExtended)
        NESTED(VT, TFont, Font) BOOL(VT, SystemFont);
    using Q = TQATAppearance;
    TClassBuilder<Q>(L"TQATAppearance", L"TPersistent") COLOR(Q, BorderColor) COLOR(Q, Color) COLOR(Q, ColorTo)
        COLOR(Q, FullSizeBorderColor) COLOR(Q, FullSizeColor) COLOR(Q, FullSizeColorTo) INT(Q, Steps);
    using TB = TToolBarAppearance;
    TClassBuilder<TB>(L"TToolBarAppearance", L"TPersistent") COLOR(TB, BorderColor) COLOR(TB, BorderColorHot)
        NESTED(TB, TGradientBackground, Color) NESTED(TB, TGradientBackground, ColorHot);
    using T = TCustomTabAppearance;
    TClassBuilder<T>(L"TCustomTabAppearance", L"TPersistent") COLOR(T, BorderColor) COLOR(T, BorderColorHot) COLOR(
        T, BorderColorSelected) COLOR(T, BorderColorSelectedHot) COLOR(T, BorderColorDisabled) COLOR(T, BorderColorDown)
        COLOR(T, Color) COLOR(T, ColorTo) COLOR(T, ColorSelected) COLOR(T, ColorSelectedTo) COLOR(T, ColorDisabled)
            COLOR(T, ColorDisabledTo) COLOR(T, ColorHot) COLOR(T, ColorHotTo) COLOR(T, ColorMirror)
                COLOR(T, ColorMirrorTo) COLOR(T, ColorMirrorHot) COLOR(T, ColorMirrorHotTo)
                    COLOR(T, ColorMirrorSelected) COLOR(T, ColorMirrorSelectedTo) COLOR(T, ColorMirrorDisabled)
                        COLOR(T, ColorMirrorDisabledTo) NESTED(T, TFont, Font) GRAD(T, Gradient) GRAD(T, GradientMirror)
                            GRAD(T, GradientHot) GRAD(T, GradientMirrorHot) GRAD(T, GradientSelected)
                                GRAD(T, GradientMirrorSelected) GRAD(T, GradientDisabled)
                                    GRAD(T, GradientMirrorDisabled) BOOL(T, SystemFont) COLOR(T, TextColor)
                                        COLOR(T, TextColorHot) COLOR(T, TextColorSelected) COLOR(T, TextColorDisabled)
                                            COLOR(T, ShadowColor) COLOR(T, HighLightColor) COLOR(T, HighLightColorHot)
                                                COLOR(T, HighLightColorSelected) COLOR(T, HighLightColorSelectedHot)
                                                    COLOR(T, HighLightColorDown);
    TClassBuilder<TTabAppearance>(L"TTabAppearance", L"TCustomTabAppearance")
        NESTED(TTabAppearance, TGradientBackground, BackGround);
    using GA = TGroupAppearance;
    TClassBuilder<GA>(L"TGroupAppearance", L"TPersistent") COLOR(GA, BorderColor) COLOR(GA, Color) COLOR(GA, ColorTo)
        COLOR(GA, ColorMirror) COLOR(GA, ColorMirrorTo) NESTED(GA, TFont, Font) GRAD(GA, Gradient)
            GRAD(GA, GradientMirror) COLOR(GA, TextColor) NESTED(GA, TCaptionAppearance, CaptionAppearance)
                NESTED(GA, TVistaPageBackground, PageAppearance) BOOL(GA, SystemFont)
                    NESTED(GA, TCustomTabAppearance, TabAppearance) NESTED(GA, TToolBarAppearance, ToolBarAppearance);
    using BA = TButtonAppearance;
    TClassBuilder<BA>(L"TToolBarButtonAppearance", L"TPersistent") COLOR(BA, Color) COLOR(BA, ColorTo)
        COLOR(BA, ColorChecked) COLOR(BA, ColorCheckedTo) COLOR(BA, ColorDown) COLOR(BA, ColorDownTo)
            COLOR(BA, ColorHot) COLOR(BA, ColorHotTo) COLOR(BA, CaptionTextColor) COLOR(BA, CaptionTextColorHot)
                COLOR(BA, CaptionTextColorDown) COLOR(BA, CaptionTextColorChecked) DIR(BA, GradientDirection)
                    DIR(BA, GradientDirectionHot) DIR(BA, GradientDirectionDown) DIR(BA, GradientDirectionChecked)
                        COLOR(BA, BorderColor) COLOR(BA, BorderDownColor) COLOR(BA, BorderHotColor)
                            COLOR(BA, BorderCheckedColor) NESTED(BA, TFont, CaptionFont) BOOL(BA, SystemFont);
}

void RegisterStylers() {
    TClassBuilder<TCustomOrvToolBarStyler>(L"TCustomOrvToolBarStyler", L"TComponent");
    using S = TOrvToolBarOfficeStyler;
    auto never = [](S*) { return false; };
    TClassBuilder<S>(L"TOrvToolBarOfficeStyler", L"TCustomOrvToolBarStyler")
        .Factory()
        .Enum(L"Style", &S::GetStyle, &S::SetStyle, kToolBarStyleIdents)
        .Preset()
        .Component<TCustomOrvMenuStyler>(L"OrvMenuStyler", &S::GetOrvMenuStyler, &S::SetOrvMenuStyler)
            BOOL(S, AutoThemeAdapt) NESTED(S, TBitmap, BackGround) BOOL(S, BackGroundTransparent)
        .Enum(L"BackGroundDisplay", &S::GetBackGroundDisplay, &S::SetBackGroundDisplay, kBackGroundDisplayIdents)
            COLOR(S, BorderColor) COLOR(S, BorderColorHot) NESTED(S, TButtonAppearance, ButtonAppearance)
                NESTED(S, TCaptionAppearance, CaptionAppearance) NESTED(S, TFont, CaptionFont)
                    NESTED(S, TContainerAppearance, ContainerAppearance) NESTED(S, TVistaGradientBackground, Color)
                        NESTED(S, TVistaGradientBackground, ColorHot)
                            NESTED(S, TGlowButtonAppearance, CompactGlowButtonAppearance)
                                NESTED(S, TGradientBackground, DockColor) NESTED(S, TBitmap, DragGripImage)
        .Enum(L"DragGripStyle", &S::GetDragGripStyle, &S::SetDragGripStyle, kDragGripIdents)
            COLOR(S, FloatingWindowBorderColor) INT(S, FloatingWindowBorderWidth) NESTED(S, TFont, Font)
                NESTED(S, TGlowButtonAppearance, GlowButtonAppearance) NESTED(S, TGroupAppearance, GroupAppearance)
                    NESTED(S, TVistaPageBackground, PageAppearance) NESTED(S, TVistaTextBackground, PagerCaption)
                        NESTED(S, TQATAppearance, QATAppearance) COLOR(S, RightHandleColor) COLOR(S, RightHandleColorTo)
                            COLOR(S, RightHandleColorHot) COLOR(S, RightHandleColorHotTo) COLOR(S, RightHandleColorDown)
                                COLOR(S, RightHandleColorDownTo) NESTED(S, TBitmap, RightHandleImage)
                                    NESTED(S, TTabAppearance, TabAppearance) BOOL(S, SystemFont)
        // Public values the presets and the style file address but layouts do not store.
        COLOR(S, SysButtonColor)
        .StoredIf(never) BOOL(S, RoundEdges)
        .StoredIf(never) BOOL(S, UseBevel)
        .StoredIf(never) COLOR(S, FormBorderColor)
        .StoredIf(never)
        .Enum(L"Bevel", &S::GetBevel, &S::SetBevel, kBevelIdents)
        .StoredIf(never) BOOL(S, QatSharpCurve)
        .StoredIf(never)
        .Enum(L"ZemStyle", &S::GetZemStyle, &S::SetZemStyle, kZemStyleIdents)
        .StoredIf(never);
}

#undef COLOR
#undef BOOL
#undef INT
#undef GRAD
#undef DIR
#undef NESTED

}  // namespace

namespace {

#define BOOL(C, N) .Bool(L## #N, &C::Get##N, &C::Set##N)
#define NESTED(C, T, N) .Object(L## #N, [](C* o) -> T& { return o->N(); })

// The customizer and its records; its file name is applied once the layout is read.
void RegisterCustomizerClasses() {
    using BP = TButtonProperties;
    TClassBuilder<BP>(L"TButtonProperties", L"TPersistent") BOOL(BP, Caption) BOOL(BP, Glyph) BOOL(BP, Hint)
        BOOL(BP, Visible) BOOL(BP, ShowCaption);
    using CO = TCustomizedOptions;
    TClassBuilder<CO>(L"TCustomizedOptions", L"TPersistent") BOOL(CO, ReOrder) BOOL(CO, AddButton)
        BOOL(CO, AddSeparator) BOOL(CO, AddGlowButton) BOOL(CO, Delete) BOOL(CO, DeleteAll) BOOL(CO, EditButton);
    using DS = TDialogSettings;
    TClassBuilder<DS> settings(L"TDialogSettings", L"TPersistent");
#define ORV_DIALOG_TEXT_PROP(Name, Default) settings.String(L## #Name, &DS::Get##Name, &DS::Set##Name);
    ORV_DIALOG_TEXTS(ORV_DIALOG_TEXT_PROP)
#undef ORV_DIALOG_TEXT_PROP
    settings BOOL(DS, EditGlyph) BOOL(DS, EditGlyphVisible) BOOL(DS, EditCaption) BOOL(DS, EditGlyphPosition)
        BOOL(DS, LargeIcon);
    using CM = TOTBCommand;
    TClassBuilder<CM>(L"TOTBCommand", L"TPersistent")
        .String(L"Caption", &CM::GetCaption, &CM::SetCaption)
        .Int(L"ItemIndex", &CM::GetItemIndex, &CM::SetItemIndex)
        .Component<TBasicAction>(L"Action", &CM::GetAction, &CM::SetAction)
        .Event(L"OnExecute", &CM::OnExecute);
    using C = TOrvToolBarCustomizer;
    TClassBuilder<C>(L"TOrvToolBarCustomizer", L"TComponent")
        .Factory()
        .Component<TOrvCustomToolBar>(L"OrvToolBar", &C::GetOrvToolBar, &C::SetOrvToolBar)
        .Component<TImageList>(L"LargeImages", &C::GetLargeImages, &C::SetLargeImages)
        .Component<TImageList>(L"SmallImages", &C::GetSmallImages, &C::SetSmallImages)
        .Collection(L"Commands", [](C* c) -> TOTBCommands& { return c->Commands(); })
        .Bool(L"EnablePersistence", &C::GetEnablePersistence, &C::SetEnablePersistence)
        .String(L"FileName", &C::GetFileName, &C::SetFileName)
        NESTED(C, TButtonProperties, ButtonProperties) NESTED(C, TDialogSettings, DialogSettings)
            NESTED(C, TCustomizedOptions, Options)
        .Event(L"OnBeforeDisplay", &C::OnBeforeDisplay)
        .Event(L"OnAfterPost", &C::OnAfterPost)
        .Event(L"OnCanShow", &C::OnCanShow);
}

#undef BOOL
#undef NESTED

}  // namespace

void RegisterToolbarClasses() {
    if (TClassRegistry::Find(L"TOrvToolBarOfficeStyler")) return;
    // The glow button record is the buttons unit's; register it when that unit has not.
    if (!TClassRegistry::Find(L"TGlowButtonAppearance")) RegisterButtonsClasses();
    RegisterRecords();
    RegisterStylers();
    RegisterToolBarPageClasses();
    RegisterToolBarButtonClasses();
    RegisterQuickAccessToolBarClasses();
    RegisterCustomizerClasses();
}

}  // namespace orv
