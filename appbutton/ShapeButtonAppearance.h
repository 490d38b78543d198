#pragma once
// TOrvShapeButtonAppearance: the shape and colours of the application (shape) button in
// its four looks (normal, hot, down, disabled), each a border, an inner border, a
// two-half fill and the colour of the small menu glyph. Owned by its button, to which it
// keeps a back reference (not owned): every setter that changes a value invalidates the
// button and fires OnChange.
//
// Assign copies the whole record, all 31 values including Shape, ShowMenuShape and
// ShowPicture: assigning an appearance hands over a complete look. AssignColors copies
// only the 28 colours and leaves those three alone.
#include <tuple>

#include "framework/Event.h"
#include "framework/Persistent.h"
#include "framework/Types.h"

namespace orv {

class TOrvCustomShapeButton;

// Scoped: bsCustom is also a toolbar style name.
enum class TOrvButtonShape { bsCustom, bsRectangle, bsOrb };

enum TShapeLook { slNormal, slHot, slDown, slDisabled };

// One look's colours.
struct TShapeColorSet {
    TColor BorderColor = clNone;
    TColor InnerBorderColor = clNone;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    TColor ColorMirror = clNone;
    TColor ColorMirrorTo = clNone;
    TColor MenuShapeColor = clNone;
    friend bool operator==(const TShapeColorSet&, const TShapeColorSet&) = default;
    auto Tie() const {
        return std::tie(BorderColor, InnerBorderColor, Color, ColorTo, ColorMirror, ColorMirrorTo, MenuShapeColor);
    }
};

class TOrvShapeButtonAppearance : public TPersistent {
public:
    ORV_CLASS_NAME(TOrvShapeButtonAppearance)
    explicit TOrvShapeButtonAppearance(TOrvCustomShapeButton* owner = nullptr);

    void Assign(const TPersistent* source) override;
    // From another shape-button appearance: the 24 fill and border colours and the four
    // menu glyph colours. Any other source is ignored.
    void AssignColors(const TPersistent* source);
    // With the owner's UseGlobalColor on: the whole palette from one colour (lighter fills,
    // darker border, hot a shade lighter, down as normal), then the frame's children are
    // told the colour and the button repaints. Does nothing otherwise.
    void UpdateButtonColor(TColor color);
    // Every value back to its default.
    void Reset();

    TShapeColorSet Look(TShapeLook look) const;
    TOrvCustomShapeButton* Owner() const { return FOwner; }

#define ORV_SHAPE_PROP(Type, Name) \
    Type Get##Name() const {       \
        return F##Name;            \
    }                              \
    void Set##Name(Type value) {   \
        Store(F##Name, value);     \
    }
    ORV_SHAPE_PROP(TOrvButtonShape, Shape)
    ORV_SHAPE_PROP(TColor, BorderColor)
    ORV_SHAPE_PROP(TColor, BorderColorHot)
    ORV_SHAPE_PROP(TColor, BorderColorDown)
    ORV_SHAPE_PROP(TColor, BorderColorDisabled)
    ORV_SHAPE_PROP(TColor, InnerBorderColor)
    ORV_SHAPE_PROP(TColor, InnerBorderColorHot)
    ORV_SHAPE_PROP(TColor, InnerBorderColorDown)
    ORV_SHAPE_PROP(TColor, InnerBorderColorDisabled)
    ORV_SHAPE_PROP(TColor, ColorTo)
    ORV_SHAPE_PROP(TColor, ColorMirror)
    ORV_SHAPE_PROP(TColor, ColorMirrorTo)
    ORV_SHAPE_PROP(TColor, ColorHot)
    ORV_SHAPE_PROP(TColor, ColorHotTo)
    ORV_SHAPE_PROP(TColor, ColorHotMirror)
    ORV_SHAPE_PROP(TColor, ColorHotMirrorTo)
    ORV_SHAPE_PROP(TColor, ColorDown)
    ORV_SHAPE_PROP(TColor, ColorDownTo)
    ORV_SHAPE_PROP(TColor, ColorDownMirror)
    ORV_SHAPE_PROP(TColor, ColorDownMirrorTo)
    ORV_SHAPE_PROP(TColor, ColorDisabled)
    ORV_SHAPE_PROP(TColor, ColorDisabledTo)
    ORV_SHAPE_PROP(TColor, ColorDisabledMirror)
    ORV_SHAPE_PROP(TColor, ColorDisabledMirrorTo)
    ORV_SHAPE_PROP(bool, ShowMenuShape)
    ORV_SHAPE_PROP(TColor, MenuShapeColor)
    ORV_SHAPE_PROP(TColor, MenuShapeColorHot)
    ORV_SHAPE_PROP(TColor, MenuShapeColorDown)
    ORV_SHAPE_PROP(TColor, MenuShapeColorDisabled)
    ORV_SHAPE_PROP(bool, ShowPicture)
#undef ORV_SHAPE_PROP
    TColor GetColor() const {
        return FColor;
    }
    // Also derives the one-colour palette (UpdateButtonColor) before the repaint.
    void SetColor(TColor value);

    TNotifyEvent OnChange;

protected:
    TPersistent* GetOwner() const override;

private:
    template <class V>
    void Store(V& field, V value) {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed();
    void CopyColors(const TOrvShapeButtonAppearance& s);

    TOrvCustomShapeButton* FOwner;
    TOrvButtonShape FShape;
    TColor FBorderColor, FBorderColorHot, FBorderColorDown, FBorderColorDisabled;
    TColor FInnerBorderColor, FInnerBorderColorHot, FInnerBorderColorDown, FInnerBorderColorDisabled;
    TColor FColor, FColorTo, FColorMirror, FColorMirrorTo;
    TColor FColorHot, FColorHotTo, FColorHotMirror, FColorHotMirrorTo;
    TColor FColorDown, FColorDownTo, FColorDownMirror, FColorDownMirrorTo;
    TColor FColorDisabled, FColorDisabledTo, FColorDisabledMirror, FColorDisabledMirrorTo;
    bool FShowMenuShape;
    TColor FMenuShapeColor, FMenuShapeColorHot, FMenuShapeColorDown, FMenuShapeColorDisabled;
    bool FShowPicture;
    bool FInChange = false;
};

}  // namespace orv
