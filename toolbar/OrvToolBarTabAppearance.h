#pragma once
// The larger appearance records of the toolbar family: pager tabs, tab groups and the
// classic toolbar buttons.
#include "toolbar/OrvToolBarAppearance.h"

namespace orv {

// Pager tabs in their normal, hot, selected and disabled looks. BorderColorHot,
// ShadowColor and the six HighLight colours are plain fields; the other setters raise
// OnChange on a change. Assign copies every property but SystemFont, TextColor and
// TextColorHot through their setters, the rest silently, and the font by assignment.
class TCustomTabAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TCustomTabAppearance)
    TCustomTabAppearance();
    void Assign(const TPersistent* source) override;

    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_FIELD(TColor, BorderColorHot)
    ORV_TB_PROP(TColor, BorderColorSelected)
    ORV_TB_PROP(TColor, BorderColorSelectedHot)
    ORV_TB_PROP(TColor, BorderColorDisabled)
    ORV_TB_PROP(TColor, BorderColorDown)
    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, ColorSelected)
    ORV_TB_PROP(TColor, ColorSelectedTo)
    ORV_TB_PROP(TColor, ColorDisabled)
    ORV_TB_PROP(TColor, ColorDisabledTo)
    ORV_TB_PROP(TColor, ColorHot)
    ORV_TB_PROP(TColor, ColorHotTo)
    ORV_TB_PROP(TColor, ColorMirror)
    ORV_TB_PROP(TColor, ColorMirrorTo)
    ORV_TB_PROP(TColor, ColorMirrorHot)
    ORV_TB_PROP(TColor, ColorMirrorHotTo)
    ORV_TB_PROP(TColor, ColorMirrorSelected)
    ORV_TB_PROP(TColor, ColorMirrorSelectedTo)
    ORV_TB_PROP(TColor, ColorMirrorDisabled)
    ORV_TB_PROP(TColor, ColorMirrorDisabledTo)
    ORV_TB_PROP(TGDIPGradient, Gradient)
    ORV_TB_PROP(TGDIPGradient, GradientMirror)
    ORV_TB_PROP(TGDIPGradient, GradientHot)
    ORV_TB_PROP(TGDIPGradient, GradientMirrorHot)
    ORV_TB_PROP(TGDIPGradient, GradientSelected)
    ORV_TB_PROP(TGDIPGradient, GradientMirrorSelected)
    ORV_TB_PROP(TGDIPGradient, GradientDisabled)
    ORV_TB_PROP(TGDIPGradient, GradientMirrorDisabled)
    ORV_TB_PROP(TColor, TextColor)
    ORV_TB_PROP(TColor, TextColorHot)
    ORV_TB_PROP(TColor, TextColorSelected)
    ORV_TB_PROP(TColor, TextColorDisabled)
    ORV_TB_FIELD(TColor, ShadowColor)
    ORV_TB_FIELD(TColor, HighLightColor)
    ORV_TB_FIELD(TColor, HighLightColorHot)
    ORV_TB_FIELD(TColor, HighLightColorSelected)
    ORV_TB_FIELD(TColor, HighLightColorSelectedHot)
    ORV_TB_FIELD(TColor, HighLightColorDown)
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    bool GetSystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);

private:
    TColor FBorderColor = clBtnFace, FBorderColorHot = 0xFF0000, FBorderColorSelected = clBtnFace;
    TColor FBorderColorSelectedHot = clNone, FBorderColorDisabled = clNone, FBorderColorDown = clNone;
    TColor FColor = clBtnFace, FColorTo = clWhite, FColorSelected = clWhite, FColorSelectedTo = clBtnFace;
    TColor FColorDisabled = clNone, FColorDisabledTo = clNone, FColorHot = 0x00FFFF, FColorHotTo = clNone;
    TColor FColorMirror = clWhite, FColorMirrorTo = clWhite, FColorMirrorHot = clNone, FColorMirrorHotTo = clNone;
    TColor FColorMirrorSelected = clWhite, FColorMirrorSelectedTo = clWhite;
    TColor FColorMirrorDisabled = clNone, FColorMirrorDisabledTo = clNone;
    TGDIPGradient FGradient = ggVertical, FGradientMirror = ggVertical, FGradientHot = ggVertical;
    TGDIPGradient FGradientMirrorHot = ggVertical, FGradientSelected = ggVertical;
    TGDIPGradient FGradientMirrorSelected = ggVertical, FGradientDisabled = ggVertical;
    TGDIPGradient FGradientMirrorDisabled = ggVertical;
    TColor FTextColor = 0xFF0000, FTextColorHot = 0xFF0000, FTextColorSelected = 0xFF0000;
    TColor FTextColorDisabled = clWhite;
    TColor FShadowColor = 0xE8C7AE, FHighLightColor = 0xFFFABF, FHighLightColorHot = 0xFDF4ED;
    TColor FHighLightColorSelected = 0x63CCF8, FHighLightColorSelectedHot = 0xBDFFFF, FHighLightColorDown = 0xFFFBD0;
    TFont FFont;
    bool FSystemFont = true;
};

// The pager's tabs: adds the strip behind the tabs, whose change is this record's.
// Assign copies the strip too (silently) from another TTabAppearance.
class TTabAppearance : public TCustomTabAppearance {
public:
    ORV_CLASS_NAME(TTabAppearance)
    TTabAppearance();
    TGradientBackground& BackGround() { return FBackGround; }
    const TGradientBackground& BackGround() const { return FBackGround; }
    void SetBackGround(const TGradientBackground& value) { FBackGround.Assign(&value); }

private:
    TGradientBackground FBackGround;
};

// Tab groups: their own colours and font plus nested caption, page, tab and toolbar
// records, whose changes are this record's. Assign copies the nested records, then the
// colours, font and text colour silently, then both gradients through their setters.
class TGroupAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TGroupAppearance)
    TGroupAppearance();
    void Assign(const TPersistent* source) override;

    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, ColorMirror)
    ORV_TB_PROP(TColor, ColorMirrorTo)
    ORV_TB_PROP(TGDIPGradient, Gradient)
    ORV_TB_PROP(TGDIPGradient, GradientMirror)
    ORV_TB_PROP(TColor, TextColor)
    ORV_TB_FIELD(int, Steps)
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    bool GetSystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);
    TCaptionAppearance& CaptionAppearance() { return FCaptionAppearance; }
    TVistaPageBackground& PageAppearance() { return FPageAppearance; }
    TCustomTabAppearance& TabAppearance() { return FTabAppearance; }
    TToolBarAppearance& ToolBarAppearance() { return FToolBarAppearance; }
    const TCaptionAppearance& CaptionAppearance() const { return FCaptionAppearance; }
    const TVistaPageBackground& PageAppearance() const { return FPageAppearance; }
    const TCustomTabAppearance& TabAppearance() const { return FTabAppearance; }
    const TToolBarAppearance& ToolBarAppearance() const { return FToolBarAppearance; }

private:
    TColor FBorderColor = 0xA3B8AC, FColor = clWhite, FColorTo = clWhite, FColorMirror = 0xC0C0C0;
    TColor FColorMirrorTo = clWhite;
    TGDIPGradient FGradient = ggVertical, FGradientMirror = ggVertical;
    TColor FTextColor = 0xFF0000;
    int FSteps = 64;
    TFont FFont;
    bool FSystemFont = true;
    TCaptionAppearance FCaptionAppearance;
    TVistaPageBackground FPageAppearance;
    TCustomTabAppearance FTabAppearance;
    TToolBarAppearance FToolBarAppearance;
};

// Classic toolbar buttons. Assign copies, from another TButtonAppearance of this family
// only, the colours, caption text colours, GradientDirection and the four border
// colours, silently; the font, SystemFont and the three state directions stay.
// (Registered as "TToolBarButtonAppearance": the styled menus' record of the same short
// name is registered already.)
class TButtonAppearance : public TToolBarRecord {
public:
    const wchar_t* ClassName() const override { return L"TToolBarButtonAppearance"; }
    TButtonAppearance();
    void Assign(const TPersistent* source) override;

    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, ColorChecked)
    ORV_TB_PROP(TColor, ColorCheckedTo)
    ORV_TB_PROP(TColor, ColorDown)
    ORV_TB_PROP(TColor, ColorDownTo)
    ORV_TB_PROP(TColor, ColorHot)
    ORV_TB_PROP(TColor, ColorHotTo)
    ORV_TB_PROP(TColor, CaptionTextColor)
    ORV_TB_PROP(TColor, CaptionTextColorHot)
    ORV_TB_PROP(TColor, CaptionTextColorDown)
    ORV_TB_PROP(TColor, CaptionTextColorChecked)
    ORV_TB_PROP(TGradientDirection, GradientDirection)
    ORV_TB_PROP(TGradientDirection, GradientDirectionHot)
    ORV_TB_PROP(TGradientDirection, GradientDirectionDown)
    ORV_TB_PROP(TGradientDirection, GradientDirectionChecked)
    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_PROP(TColor, BorderDownColor)
    ORV_TB_PROP(TColor, BorderHotColor)
    ORV_TB_PROP(TColor, BorderCheckedColor)
    TFont& CaptionFont() { return FCaptionFont; }
    const TFont& CaptionFont() const { return FCaptionFont; }
    void SetCaptionFont(const TFont& value) { FCaptionFont.Assign(&value); }
    bool GetSystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);

private:
    TColor FColor = clNone, FColorTo = clNone, FColorChecked = 0xD8D5D4, FColorCheckedTo = clNone;
    TColor FColorDown = 0xB59285, FColorDownTo = clNone, FColorHot = 0xD2BDB6, FColorHotTo = clNone;
    TColor FCaptionTextColor = 0, FCaptionTextColorHot = 0, FCaptionTextColorDown = 0, FCaptionTextColorChecked = 0;
    TGradientDirection FGradientDirection = gdVertical, FGradientDirectionHot = gdVertical;
    TGradientDirection FGradientDirectionDown = gdVertical, FGradientDirectionChecked = gdVertical;
    TColor FBorderColor = clNone, FBorderDownColor = 0x6A240A, FBorderHotColor = 0x6A240A;
    TColor FBorderCheckedColor = 0x6A240A;
    TFont FCaptionFont;
    bool FSystemFont = true;
};

}  // namespace orv
