#pragma once
// The colour records of the application menu and the styler component that owns them.
// The menu reads them whenever it paints; nothing is told when they change.
#include "buttons/GlowButtonAppearance.h"
#include "framework/Component.h"
#include "framework/Graphics.h"

namespace orv {

// The look of menu items and sub-items: the glow-button colours plus fonts and text
// colours per state.
class TSelectionAppearance : public TGlowButtonAppearance {
public:
    ORV_CLASS_NAME(TSelectionAppearance)
    TSelectionAppearance();

    // The glow-button part from any appearance; fonts, text colours and Rounded from
    // another selection appearance.
    void Assign(const TPersistent* source) override;

    // Turning it on gives the four fonts the system's UI face.
    void SetSystemFont(bool value);
    bool GetSystemFont() const { return TGlowButtonAppearance::GetSystemFont(); }

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    TFont& SubMenuCaptionFont() { return FSubMenuCaptionFont; }
    const TFont& SubMenuCaptionFont() const { return FSubMenuCaptionFont; }
    TFont& SubItemTitleFont() { return FSubItemTitleFont; }
    const TFont& SubItemTitleFont() const { return FSubItemTitleFont; }
    TFont& SubItemFont() { return FSubItemFont; }
    const TFont& SubItemFont() const { return FSubItemFont; }

#define ORV_SEL_COLOR(Name)           \
    TColor Get##Name() const {        \
        return F##Name;               \
    }                                 \
    void Set##Name(TColor value) {    \
        if (F##Name == value) return; \
        F##Name = value;              \
        OnChange(this);               \
    }
    ORV_SEL_COLOR(TextColor)
    ORV_SEL_COLOR(TextColorHot)
    ORV_SEL_COLOR(TextColorDown)
    ORV_SEL_COLOR(TextColorChecked)
    ORV_SEL_COLOR(TextColorDisabled)
#undef ORV_SEL_COLOR
    bool GetRounded() const {
        return FRounded;
    }
    void SetRounded(bool value) {
        FRounded = value;
    }

private:
    void ApplySystemFace();
    TFont FFont, FSubMenuCaptionFont, FSubItemTitleFont, FSubItemFont;
    TColor FTextColor = clBlack;
    TColor FTextColorHot = clWhite;
    TColor FTextColorDown = clWhite;
    TColor FTextColorChecked = clBlack;
    TColor FTextColorDisabled = clGray;
    bool FRounded = true;
};

namespace appmenu {

// The frame of the menu: outline, caption band and the two-part top and bottom gradients.
// (The toolbar and the status bar have records of the same name; this one is the menu's.)
class TVistaBackground : public TPersistent {
public:
    const wchar_t* ClassName() const override { return L"TPreviewMenuVistaBackground"; }
    void Assign(const TPersistent* source) override;

#define ORV_VB_PROP(Type, Name)       \
    Type Get##Name() const {          \
        return F##Name;               \
    }                                 \
    void Set##Name(Type value) {      \
        if (F##Name == value) return; \
        F##Name = value;              \
        OnChange(this);               \
    }
    ORV_VB_PROP(TColor, BorderColor)
    ORV_VB_PROP(TColor, CaptionBackground)
    ORV_VB_PROP(TColor, Color)
    ORV_VB_PROP(TColor, ColorTo)
    ORV_VB_PROP(TColor, ColorMirror)
    ORV_VB_PROP(TColor, ColorMirrorTo)
    ORV_VB_PROP(TGDIPGradient, Gradient)
    ORV_VB_PROP(TGDIPGradient, GradientMirror)
    ORV_VB_PROP(int, Steps)
#undef ORV_VB_PROP

    TNotifyEvent OnChange;

private:
    TColor FBorderColor = clGray;
    TColor FCaptionBackground = 15656925;
    TColor FColor = clWhite;
    TColor FColorTo = clWhite;
    TColor FColorMirror = clSilver;
    TColor FColorMirrorTo = clWhite;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientMirror = ggVertical;
    int FSteps = 64;
};

}  // namespace appmenu

// The colour source of an application menu: three records and three colours, which the
// preset styler publishes.
class TOrvCustomPreviewMenuStyler : public TComponent {
public:
    ORV_CLASS_NAME(TOrvCustomPreviewMenuStyler)
    explicit TOrvCustomPreviewMenuStyler(TComponent* owner);

    void Assign(const TPersistent* source) override;

    TGlowButtonAppearance& ButtonAppearance() { return FButtonAppearance; }
    TSelectionAppearance& MenuItemAppearance() { return FMenuItemAppearance; }
    appmenu::TVistaBackground& FrameAppearance() { return FFrameAppearance; }
    void SetButtonAppearance(const TGlowButtonAppearance& value) { FButtonAppearance.Assign(&value); }
    void SetMenuItemAppearance(const TSelectionAppearance& value) { FMenuItemAppearance.Assign(&value); }
    void SetFrameAppearance(const appmenu::TVistaBackground& value) { FFrameAppearance.Assign(&value); }

    TColor GetRightFrameColor() const { return FRightFrameColor; }
    void SetRightFrameColor(TColor value) { FRightFrameColor = value; }
    TColor GetLeftFrameColor() const { return FLeftFrameColor; }
    void SetLeftFrameColor(TColor value) { FLeftFrameColor = value; }
    TColor GetRightFrameBorderColor() const { return FRightFrameBorderColor; }
    void SetRightFrameBorderColor(TColor value) { FRightFrameBorderColor = value; }

private:
    TGlowButtonAppearance FButtonAppearance;
    TSelectionAppearance FMenuItemAppearance;
    appmenu::TVistaBackground FFrameAppearance;
    TColor FRightFrameColor = 15657705;
    TColor FLeftFrameColor = clWhite;
    TColor FRightFrameBorderColor = clGray;
};

}  // namespace orv
