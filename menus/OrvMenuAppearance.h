#pragma once
// Appearance records of the styled menus. Each is a value-like persistent owned
// by a menu styler: Assign copies values, OnChange tells the styler. Colour
// groups read and write through an index (0 colour, 1 colour-to, 2 mirror, 3
// mirror-to); an index outside the group raises EInvalidPropertyIndex.
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "framework/Bitmap.h"
#include "framework/Graphics.h"
#include "menus/OrvMenuUtil.h"
#include "paint/OrvText.h"

namespace orv {
class TMenu;
}

namespace orv::menus {

// Get/Set pair over field F<Name>; the setter stores a differing value and
// reports it.
#define ORV_MENU_PROP(Type, Name)     \
    Type Get##Name() const {          \
        return F##Name;               \
    }                                 \
    void Set##Name(Type value) {      \
        if (F##Name == value) return; \
        F##Name = value;              \
        Changed();                    \
    }

// A colour group of N values with indexed access.
template <int N>
struct TColorGroup {
    std::array<TColor, N> Values;
    TColor Get(int index) const {
        if (index < 0 || index >= N) throw EInvalidPropertyIndex(index);
        return Values[static_cast<size_t>(index)];
    }
    bool Set(int index, TColor value) {
        if (index < 0 || index >= N) throw EInvalidPropertyIndex(index);
        if (Values[static_cast<size_t>(index)] == value) return false;
        Values[static_cast<size_t>(index)] = value;
        return true;
    }
};

#define ORV_MENU_COLOR_GROUP(Group, Field)         \
    TColor Get##Group##At(int index) const {       \
        return Field.Get(index);                   \
    }                                              \
    void Set##Group##At(int index, TColor value) { \
        if (Field.Set(index, value)) Changed();    \
    }

class TMenuRecord : public TPersistent {
public:
    ORV_CLASS_NAME(TMenuRecord)
    TNotifyEvent OnChange;
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

protected:
    void Changed();
    // Copies source's published values by the class tables (AssignPublished), then runs
    // unpublished (what the class keeps without publishing), all inside one update: the
    // copy raises OnChange once, at the end, whether or not a value differed.
    void AssignValues(const TPersistent* source, const std::function<void()>& unpublished = nullptr);

private:
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
};

// Base of the colour records: a colour pair and a direction; knows the menu it
// serves. Assign copies from any bar every value the two classes share (the bars
// below with nothing unpublished need no Assign of their own).
class TGradientBar : public TMenuRecord {
public:
    ORV_CLASS_NAME(TGradientBar)
    void Assign(const TPersistent* source) override;

    // The main colour group: two values, four in records with mirror colours.
    TColor GetColorAt(int index) const;
    void SetColorAt(int index, TColor value);
    TColor GetColor() const { return GetColorAt(0); }
    void SetColor(TColor value) { SetColorAt(0, value); }
    TColor GetColorTo() const { return GetColorAt(1); }
    void SetColorTo(TColor value) { SetColorAt(1, value); }
    ORV_MENU_PROP(TGradientDirection, GradientDirection)

    TMenu* GetMenu() const { return FMenu; }
    void SetMenu(TMenu* menu) { FMenu = menu; }

protected:
    std::array<TColor, 4> FColors{0xD8BDAF, clNone, clNone, clNone};
    int FColorCount = 2;
    TGradientDirection FGradientDirection = gdVertical;
    TMenu* FMenu = nullptr;
};

class TBackground : public TGradientBar {
public:
    ORV_CLASS_NAME(TBackground)
    TBackground();

    TBitmap& Image() { return *FImage; }
    const TBitmap& Image() const { return *FImage; }
    void SetImage(const TBitmap& value);
    ORV_MENU_PROP(TBackgroundPosition, Position)
    ORV_MENU_PROP(int, OffsetX)
    ORV_MENU_PROP(int, OffsetY)
    ORV_MENU_PROP(int, MarginX)
    ORV_MENU_PROP(int, MarginY)

private:
    std::unique_ptr<TBitmap> FImage;
    TBackgroundPosition FPosition = bpCenter;
    int FOffsetX = 0;
    int FOffsetY = 0;
    int FMarginX = 0;
    int FMarginY = 0;
};

class TIconBar : public TGradientBar {
public:
    ORV_CLASS_NAME(TIconBar)
    TIconBar();

    ORV_MENU_COLOR_GROUP(CheckColor, FCheck)
    ORV_MENU_COLOR_GROUP(RadioColor, FRadio)
    TColor GetCheckColor() const { return FCheck.Get(0); }
    void SetCheckColor(TColor v) { SetCheckColorAt(0, v); }
    TColor GetCheckColorTo() const { return FCheck.Get(1); }
    void SetCheckColorTo(TColor v) { SetCheckColorAt(1, v); }
    TColor GetRadioColor() const { return FRadio.Get(0); }
    void SetRadioColor(TColor v) { SetRadioColorAt(0, v); }
    TColor GetRadioColorTo() const { return FRadio.Get(1); }
    void SetRadioColorTo(TColor v) { SetRadioColorAt(1, v); }
    ORV_MENU_PROP(TColor, CheckBorder)
    ORV_MENU_PROP(TGradientDirection, CheckGradientDirection)
    ORV_MENU_PROP(TColor, RadioBorder)
    ORV_MENU_PROP(TGradientDirection, RadioGradientDirection)
    ORV_MENU_PROP(TColor, SeparatorColor)
    ORV_MENU_PROP(int, Size)

private:
    TColorGroup<2> FCheck{{0x6FC0FF, clNone}};
    TColorGroup<2> FRadio{{0x6FC0FF, clNone}};
    TColor FCheckBorder = 0x6F4B4B;
    TGradientDirection FCheckGradientDirection = gdVertical;
    TColor FRadioBorder = 0x6F4B4B;
    TGradientDirection FRadioGradientDirection = gdVertical;
    TColor FSeparatorColor = clNone;
    int FSize = 24;
};

class TSelectedItem : public TGradientBar {
public:
    ORV_CLASS_NAME(TSelectedItem)
    TSelectedItem();

    TColor GetColorMirror() const { return GetColorAt(2); }
    void SetColorMirror(TColor v) { SetColorAt(2, v); }
    TColor GetColorMirrorTo() const { return GetColorAt(3); }
    void SetColorMirrorTo(TColor v) { SetColorAt(3, v); }
    ORV_MENU_PROP(TColor, BorderColor)
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    TFont& NotesFont() { return FNotesFont; }
    const TFont& NotesFont() const { return FNotesFont; }
    ORV_MENU_PROP(bool, UseSystemFont)
    ORV_MENU_COLOR_GROUP(CheckColor, FCheck)
    ORV_MENU_COLOR_GROUP(RadioColor, FRadio)
    TColor GetCheckColor() const { return FCheck.Get(0); }
    void SetCheckColor(TColor v) { SetCheckColorAt(0, v); }
    TColor GetCheckColorTo() const { return FCheck.Get(1); }
    void SetCheckColorTo(TColor v) { SetCheckColorAt(1, v); }
    TColor GetRadioColor() const { return FRadio.Get(0); }
    void SetRadioColor(TColor v) { SetRadioColorAt(0, v); }
    TColor GetRadioColorTo() const { return FRadio.Get(1); }
    void SetRadioColorTo(TColor v) { SetRadioColorAt(1, v); }
    ORV_MENU_PROP(TColor, CheckBorder)
    ORV_MENU_PROP(TGradientDirection, CheckGradientDirection)
    ORV_MENU_PROP(TColor, RadioBorder)
    ORV_MENU_PROP(TGradientDirection, RadioGradientDirection)

private:
    TColor FBorderColor = 0x6F4B4B;
    TFont FFont;
    TFont FNotesFont;
    bool FUseSystemFont = true;
    TColorGroup<2> FCheck{{0x3E80FE, clNone}};
    TColorGroup<2> FRadio{{0x3E80FE, clNone}};
    TColor FCheckBorder = 0x6F4B4B;
    TGradientDirection FCheckGradientDirection = gdVertical;
    TColor FRadioBorder = 0x6F4B4B;
    TGradientDirection FRadioGradientDirection = gdVertical;
};

// Items of the menu bar.
class TRootItem : public TGradientBar {
public:
    ORV_CLASS_NAME(TRootItem)
    TRootItem();

    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    ORV_MENU_PROP(bool, UseSystemFont)
    ORV_MENU_COLOR_GROUP(SelectedColor, FSelected)
    ORV_MENU_COLOR_GROUP(HoverColor, FHover)
    TColor GetSelectedColor() const { return FSelected.Get(0); }
    void SetSelectedColor(TColor v) { SetSelectedColorAt(0, v); }
    TColor GetSelectedColorTo() const { return FSelected.Get(1); }
    void SetSelectedColorTo(TColor v) { SetSelectedColorAt(1, v); }
    TColor GetSelectedColorMirror() const { return FSelected.Get(2); }
    void SetSelectedColorMirror(TColor v) { SetSelectedColorAt(2, v); }
    TColor GetSelectedColorMirrorTo() const { return FSelected.Get(3); }
    void SetSelectedColorMirrorTo(TColor v) { SetSelectedColorAt(3, v); }
    ORV_MENU_PROP(TGradientDirection, SelectedGradientDirection)
    ORV_MENU_PROP(TColor, SelectedBorderColor)
    ORV_MENU_PROP(TColor, SelectedTextColor)
    TColor GetHoverColor() const { return FHover.Get(0); }
    void SetHoverColor(TColor v) { SetHoverColorAt(0, v); }
    TColor GetHoverColorTo() const { return FHover.Get(1); }
    void SetHoverColorTo(TColor v) { SetHoverColorAt(1, v); }
    TColor GetHoverColorMirror() const { return FHover.Get(2); }
    void SetHoverColorMirror(TColor v) { SetHoverColorAt(2, v); }
    TColor GetHoverColorMirrorTo() const { return FHover.Get(3); }
    void SetHoverColorMirrorTo(TColor v) { SetHoverColorAt(3, v); }
    ORV_MENU_PROP(TGradientDirection, HoverGradientDirection)
    ORV_MENU_PROP(TColor, HoverBorderColor)
    ORV_MENU_PROP(TColor, HoverTextColor)

private:
    TFont FFont;
    bool FUseSystemFont = true;
    TColorGroup<4> FSelected{{0xF2E8E8, 0xCDB8B9, clNone, clNone}};
    TGradientDirection FSelectedGradientDirection = gdVertical;
    TColor FSelectedBorderColor = 0x947C7C;
    TColor FSelectedTextColor = clWindowText;
    TColorGroup<4> FHover{{0xCFF6FF, 0x9DD8FF, clNone, clNone}};
    TGradientDirection FHoverGradientDirection = gdVertical;
    TColor FHoverBorderColor = 0x6F4B4B;
    TColor FHoverTextColor = clWindowText;
};

class TSeparator : public TGradientBar {
public:
    ORV_CLASS_NAME(TSeparator)
    TSeparator();

    ORV_MENU_PROP(int, Width)
    ORV_MENU_PROP(TGradientType, GradientType)
    ORV_MENU_PROP(int, GradientWidth)
    ORV_MENU_PROP(int, Margin)

private:
    int FWidth = 1;
    TGradientType FGradientType = gtBoth;
    int FGradientWidth = 0;
    int FMargin = 2;
};

// Sub-menu arrow, check mark and radio dot, loaded from the program's bitmap
// resources.
class TMenuGlyphs : public TMenuRecord {
public:
    ORV_CLASS_NAME(TMenuGlyphs)
    TMenuGlyphs();
    void Assign(const TPersistent* source) override;
    TBitmap& SubMenu() { return FSubMenu; }
    TBitmap& Check() { return FCheck; }
    TBitmap& Radio() { return FRadio; }
    const TBitmap& SubMenu() const { return FSubMenu; }
    const TBitmap& Check() const { return FCheck; }
    const TBitmap& Radio() const { return FRadio; }

private:
    TBitmap FSubMenu;
    TBitmap FCheck;
    TBitmap FRadio;
};

enum TDirection { dDownToUp, dUpToDown };
enum TSideBarVisibleIn { viFirstVisible, viFirstLevel, viAnyLevel };

class TBarCaption : public TMenuRecord {
public:
    ORV_CLASS_NAME(TBarCaption)
    TBarCaption();
    void Assign(const TPersistent* source) override;

    ORV_MENU_PROP(TTextAlignment, Alignment)
    const std::wstring& GetCaption() const { return FCaption; }
    void SetCaption(const std::wstring& value) {
        if (FCaption == value) return;
        FCaption = value;
        Changed();
    }
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    ORV_MENU_PROP(TColor, ShadowColor)
    ORV_MENU_PROP(int, Depth)
    ORV_MENU_PROP(TDirection, Direction)
    ORV_MENU_PROP(TColor, HighlightColor)
    ORV_MENU_PROP(int, Offset)

protected:
    // The values this class keeps without publishing them.
    void AssignUnpublished(const TBarCaption& source) {
        FHighlightColor = source.FHighlightColor;
        FOffset = source.FOffset;
    }

private:
    TTextAlignment FAlignment = TTextAlignment::taLeftJustify;
    std::wstring FCaption;
    TFont FFont;
    TColor FShadowColor = clNone;
    int FDepth = 1;
    TDirection FDirection = dDownToUp;
    TColor FHighlightColor = clNone;
    int FOffset = 6;
};

class TSideBar : public TBarCaption {
public:
    ORV_CLASS_NAME(TSideBar)
    TSideBar();
    void Assign(const TPersistent* source) override;

    ORV_MENU_PROP(bool, Visible)
    ORV_MENU_PROP(TSideBarVisibleIn, VisibleIn)
    TBackground& Image() { return FImage; }
    const TBackground& Image() const { return FImage; }
    TBackground& Background() { return FBackground; }
    const TBackground& Background() const { return FBackground; }
    ORV_MENU_PROP(int, Size)
    ORV_MENU_PROP(TColor, SplitterColor)
    ORV_MENU_PROP(TColor, SplitterColorTo)
    ORV_MENU_PROP(int, SplitterWidth)
    ORV_MENU_PROP(int, SplitterMargin)
    ORV_MENU_PROP(int, SplitterGradientWidth)
    ORV_MENU_PROP(TGradientType, SplitterGradientType)
    ORV_MENU_PROP(TColor, BorderColor)
    // 0: left of the items, 1: right.
    ORV_MENU_PROP(int, Side)

private:
    void RecordChanged(TObject*) { Changed(); }
    bool FVisible = false;
    TSideBarVisibleIn FVisibleIn = viFirstVisible;
    TBackground FImage;
    TBackground FBackground;
    int FSize = 24;
    TColor FSplitterColor = 0x808080;
    TColor FSplitterColorTo = clNone;
    int FSplitterWidth = 1;
    int FSplitterMargin = 0;
    int FSplitterGradientWidth = 0;
    TGradientType FSplitterGradientType = gtBoth;
    TColor FBorderColor = 0xA19D9D;
    int FSide = 0;
};

// Button colours for the toolbars that take them from a menu styler (menus
// don't use it).
class TButtonAppearance : public TMenuRecord {
public:
    ORV_CLASS_NAME(TButtonAppearance)
    TButtonAppearance();
    void Assign(const TPersistent* source) override;

    ORV_MENU_PROP(TColor, Color)
    ORV_MENU_PROP(TColor, ColorTo)
    ORV_MENU_PROP(TColor, DownColor)
    ORV_MENU_PROP(TColor, DownColorTo)
    ORV_MENU_PROP(TColor, HoverColor)
    ORV_MENU_PROP(TColor, HoverColorTo)
    ORV_MENU_PROP(TGradientDirection, GradientDirection)
    ORV_MENU_PROP(TColor, BorderColor)
    ORV_MENU_PROP(TColor, DownBorderColor)
    ORV_MENU_PROP(TColor, HoverBorderColor)
    TFont& CaptionFont() { return FCaptionFont; }
    const TFont& CaptionFont() const { return FCaptionFont; }
    ORV_MENU_PROP(bool, UseSystemFont)

private:
    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FDownColor = 0xB59285;
    TColor FDownColorTo = clNone;
    TColor FHoverColor = 0xD2BDB6;
    TColor FHoverColorTo = clNone;
    TGradientDirection FGradientDirection = gdVertical;
    TColor FBorderColor = clNone;
    TColor FDownBorderColor = 0x6A240A;
    TColor FHoverBorderColor = 0x6A240A;
    TFont FCaptionFont;
    bool FUseSystemFont = true;
};

#undef ORV_MENU_PROP
#undef ORV_MENU_COLOR_GROUP

}  // namespace orv::menus
