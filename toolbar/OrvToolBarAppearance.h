#pragma once
// The appearance records of the tabbed toolbar family: value-like persistent objects
// owned by a toolbar styler (and by pagers, toolbars and dock panels through it). Each
// raises OnChange for its owner; how Assign and each setter report a change is part of
// every record's contract and is stated at the class.
#include <initializer_list>
#include <string>

#include "framework/Event.h"
#include "framework/Graphics.h"
#include "framework/Persistent.h"
#include "framework/SystemFont.h"
#include "framework/Types.h"
#include "paint/OrvGradients.h"

namespace orv {

// Base of the records: the change event, update bracketing and the storing helpers.
class TToolBarRecord : public TPersistent {
public:
    ORV_CLASS_NAME(TToolBarRecord)
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    TNotifyEvent OnChange;

protected:
    TToolBarRecord() = default;
    TToolBarRecord(const TToolBarRecord&) = delete;
    TToolBarRecord& operator=(const TToolBarRecord&) = delete;

    void Changed();
    void ChildChanged(TObject*) { Changed(); }
    template <class V>
    void Store(V& field, V value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    // The published values of source, by the class tables (AssignPublished): those named
    // in loud through their setters, raising OnChange as a setter does; those named in
    // kept not at all; every other one silently (nested records by their own Assign, and
    // their changes are silent too).
    using TNames = std::initializer_list<const wchar_t*>;
    void AssignValues(const TPersistent* source, TNames loud = {}, TNames kept = {});

private:
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
    int FQuiet = 0;  // > 0: Changed raises nothing (a silent copy is under way)
};

// A getter and a setter that stores a differing value and raises OnChange.
#define ORV_TB_PROP(Type, Name)  \
    Type Get##Name() const {     \
        return F##Name;          \
    }                            \
    void Set##Name(Type value) { \
        Store(F##Name, value);   \
    }
// A getter and a setter of a plain field: no event.
#define ORV_TB_FIELD(Type, Name) \
    Type Get##Name() const {     \
        return F##Name;          \
    }                            \
    void Set##Name(Type value) { \
        F##Name = value;         \
    }

// A stepped two-colour band. Its setters raise OnChange whenever called; Assign copies
// the four values from another TGradientBackground silently and ignores other sources.
class TGradientBackground : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TGradientBackground)
    TGradientBackground() = default;
    TGradientBackground(TColor color, TColor colorTo) : FColor(color), FColorTo(colorTo) {}
    void Assign(const TPersistent* source) override;

#define ORV_TB_ALWAYS(Type, Name) \
    Type Get##Name() const {      \
        return F##Name;           \
    }                             \
    void Set##Name(Type value) {  \
        F##Name = value;          \
        Changed();                \
    }
    ORV_TB_ALWAYS(TColor, Color)
    ORV_TB_ALWAYS(TColor, ColorTo)
    ORV_TB_ALWAYS(TGradientDirection, Direction)
    ORV_TB_ALWAYS(int, Steps)
#undef ORV_TB_ALWAYS

private:
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    TGradientDirection FDirection = gdHorizontal;
    int FSteps = 64;
};

// The lower (mirror) half of a two-part background. Assign copies silently.
class TMirrorGradient : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TMirrorGradient)
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, ColorMirror)
    ORV_TB_PROP(TColor, ColorMirrorTo)

private:
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    TColor FColorMirror = 0xEDD9C8;
    TColor FColorMirrorTo = 0xFFF4E3;
};

// A gradient band plus its mirror half; a change of the mirror is this record's change.
class TVistaGradientBackground : public TGradientBackground {
public:
    ORV_CLASS_NAME(TVistaGradientBackground)
    TVistaGradientBackground();
    TVistaGradientBackground(TColor color, TColor colorTo);
    // TGradientBackground's Assign copies the mirror too (silently) from a vista source.
    TMirrorGradient& Mirror() { return FMirror; }
    const TMirrorGradient& Mirror() const { return FMirror; }
    void SetMirror(const TMirrorGradient& value) { FMirror.Assign(&value); }

private:
    TMirrorGradient FMirror;
};

// Separator lines of toolbar containers. Assign goes through the setters.
class TContainerAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TContainerAppearance)
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, LineColor)
    ORV_TB_PROP(bool, Line3D)

private:
    TColor FLineColor = clBtnShadow;
    bool FLine3D = true;
};

// Toolbar caption bars. Assign copies the first six colours silently, the hot text and
// border colours through their setters.
class TCaptionAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TCaptionAppearance)
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, CaptionColor)
    ORV_TB_PROP(TColor, CaptionColorTo)
    ORV_TB_PROP(TColor, CaptionTextColor)
    ORV_TB_PROP(TColor, CaptionBorderColor)
    ORV_TB_PROP(TColor, CaptionColorHot)
    ORV_TB_PROP(TColor, CaptionColorHotTo)
    ORV_TB_PROP(TColor, CaptionTextColorHot)
    ORV_TB_PROP(TColor, CaptionBorderColorHot)

private:
    TColor FCaptionColor = 0x808080;
    TColor FCaptionColorTo = clNone;
    TColor FCaptionTextColor = clWhite;
    TColor FCaptionBorderColor = clNone;
    TColor FCaptionColorHot = clNone;
    TColor FCaptionColorHotTo = clNone;
    TColor FCaptionTextColorHot = clWhite;
    TColor FCaptionBorderColorHot = clNone;
};

// A two-part (mirrored) background with border. Assign copies every value, the two
// gradients through their setters (so only a gradient change raises OnChange).
class TVistaBackground : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TVistaBackground)
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, ColorMirror)
    ORV_TB_PROP(TColor, ColorMirrorTo)
    ORV_TB_PROP(TGDIPGradient, Gradient)
    ORV_TB_PROP(TGDIPGradient, GradientMirror)
    ORV_TB_PROP(int, Steps)
    ORV_TB_FIELD(TColor, ShadowColor)
    ORV_TB_FIELD(TColor, HighLightColor)

protected:
    // The two colours this class keeps without publishing them.
    void AssignShades(const TVistaBackground& source) {
        FShadowColor = source.FShadowColor;
        FHighLightColor = source.FHighLightColor;
    }

private:
    TColor FBorderColor = 0x808080;
    TColor FColor = clWhite;
    TColor FColorTo = clWhite;
    TColor FColorMirror = 0xC0C0C0;
    TColor FColorMirrorTo = clWhite;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientMirror = ggVertical;
    int FSteps = 64;
    TColor FShadowColor = 0xC4AA96;
    TColor FHighLightColor = 0xFDF9CE;
};

// The page background; it publishes the shadow and highlight colours.
class TVistaPageBackground : public TVistaBackground {
public:
    ORV_CLASS_NAME(TVistaPageBackground)
};

// The pager caption: a background with text colours and a font. Assign adds the text
// colours (setters) and the font.
class TVistaTextBackground : public TVistaBackground {
public:
    ORV_CLASS_NAME(TVistaTextBackground)
    TVistaTextBackground();
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, TextColor)
    ORV_TB_PROP(TColor, TextColorExtended)
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(&value); }
    bool GetSystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value);

private:
    TColor FTextColor = 0xFF0000;
    TColor FTextColorExtended = 0x808080;
    TFont FFont;
    bool FSystemFont = true;
};

// The quick access toolbar. Assign copies all but Steps silently, Steps by its setter.
class TQATAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TQATAppearance)
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_PROP(TColor, Color)
    ORV_TB_PROP(TColor, ColorTo)
    ORV_TB_PROP(TColor, FullSizeBorderColor)
    ORV_TB_PROP(TColor, FullSizeColor)
    ORV_TB_PROP(TColor, FullSizeColorTo)
    ORV_TB_PROP(int, Steps)

private:
    TColor FBorderColor = 0x808080;
    TColor FColor = clWhite;
    TColor FColorTo = 0xC0C0C0;
    TColor FFullSizeBorderColor = 0;
    TColor FFullSizeColor = 0xC59F81;
    TColor FFullSizeColorTo = 0xE3B28D;
    int FSteps = 64;
};

// Toolbars inside a tab group. Assign copies all four silently.
class TToolBarAppearance : public TToolBarRecord {
public:
    ORV_CLASS_NAME(TToolBarAppearance)
    TToolBarAppearance();
    void Assign(const TPersistent* source) override;
    ORV_TB_PROP(TColor, BorderColor)
    ORV_TB_PROP(TColor, BorderColorHot)
    TGradientBackground& Color() { return FColor; }
    TGradientBackground& ColorHot() { return FColorHot; }
    const TGradientBackground& Color() const { return FColor; }
    const TGradientBackground& ColorHot() const { return FColorHot; }

private:
    TColor FBorderColor = clNone;
    TColor FBorderColorHot = clNone;
    TGradientBackground FColor;
    TGradientBackground FColorHot{clNone, clNone};
};

}  // namespace orv
