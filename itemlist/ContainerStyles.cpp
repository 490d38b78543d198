// The items container's looks: the default item style, the named style presets and
// the colour and Office 2010 style changes the application button pushes.
#include "itemlist/CustomItemsContainer.h"
#include "itemlist/ContainerStyleTable.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {

void SetColors(TGDIPFill& f, const TStyleFillColors& c) {
    auto set = [](TColor v, auto setter) {
        if (v != kStyleKeep) setter(v);
    };
    set(c.Color, [&](TColor v) { f.SetColor(v); });
    set(c.ColorTo, [&](TColor v) { f.SetColorTo(v); });
    set(c.ColorMirror, [&](TColor v) { f.SetColorMirror(v); });
    set(c.ColorMirrorTo, [&](TColor v) { f.SetColorMirrorTo(v); });
    set(c.BorderColor, [&](TColor v) { f.SetBorderColor(v); });
}

// A look is many fill and font changes: the container lays out and repaints once, at
// the end, instead of once per change.
class TUpdateScope {
public:
    explicit TUpdateScope(TCustomItemsContainer& c) : FContainer(c) { FContainer.BeginUpdate(); }
    ~TUpdateScope() { FContainer.EndUpdate(); }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
    TCustomItemsContainer& FContainer;
};

}  // namespace

void TCustomItemsContainer::ApplyDefaultItemStyle() {
    TUpdateScope update(*this);
    TCustomBaseListAppearance& a = FList->Appearance();
    for (int i = 0; i < TCustomBaseListAppearance::kFillCount; ++i) a.Fills(i)->SetRounding(2);
    for (TGDIPFill* f : {&a.Hovered(), &a.Selected(), &a.Down(), &a.Disabled()}) f->SetGlow(gmGradient);
    SetColors(a.Normal(), {clNone, clNone, clNone, clNone, clNone});
    struct TStateColor {
        TGDIPFill& Fill;
        TGDIPFill& Button;
        TColor Color, Border;
    };
    for (const TStateColor& s : {TStateColor{a.Hovered(), a.ButtonHovered(), 0x8AE3FD, 0x60CDF2},
                                 TStateColor{a.Selected(), a.ButtonSelected(), 0x45E1FE, 0x4FA0CE},
                                 TStateColor{a.Down(), a.ButtonDown(), 0x6BD8FE, 0x308AC2}}) {
        SetColors(s.Fill, {s.Color, clNone, clNone, clNone, s.Border});
        SetColors(s.Button, {s.Color, clNone, clNone, clNone, s.Border});
    }
    TGDIPFill& bn = a.ButtonNormal();
    bn.SetGradientType(gtVertical);
    bn.SetGradientMirrorType(gtNone);
    SetColors(bn, {0xFFFFFF, 0xF1EFED, clNone, clNone, 0xEDEDEC});
}

void TCustomItemsContainer::SetComponentStyle(TZemStyle style) {
    TUpdateScope update(*this);
    TCustomBaseListAppearance& a = FList->Appearance();
    a.Normal().SetGradientType(gtVertical);
    a.Normal().SetGradientMirrorType(gtVertical);
    for (TGDIPFill* f : {&a.Normal(), &a.Disabled(), &a.Hovered(), &a.Down(), &a.Selected()}) f->SetGlow(gmGradient);
    if (const TContainerStyleRow* row = ContainerStyleRow(style)) {
        if (row->FillColor != kStyleKeep) FFill->SetColor(row->FillColor);
        if (row->FillColorTo != kStyleKeep) FFill->SetColorTo(row->FillColorTo);
        if (row->FillBorderColor != kStyleKeep) FFill->SetBorderColor(row->FillBorderColor);
        SetColors(a.Normal(), row->Normal);
        SetColors(a.Hovered(), row->Hovered);
        SetColors(a.Selected(), row->Selected);
        SetColors(a.Disabled(), row->Disabled);
        SetColors(a.Down(), row->Down);
        a.DisabledFont().SetColor(row->DisabledFontColor);
        if (row->NormalSolid) a.Normal().SetGradientType(gtSolid);
        for (TGDIPFill* f : {&a.Normal(), &a.Disabled(), &a.Hovered(), &a.Down(), &a.Selected()}) {
            if (style == tsTerminal)
                f->SetGlow(gmNone);
            else
                f->SetGradientMirrorType(gtVertical);
        }
    }
    a.ButtonDown().Assign(&a.Down());
    a.ButtonSelected().Assign(&a.Selected());
    a.ButtonDisabled().Assign(&a.Disabled());
    a.ButtonHovered().Assign(&a.Hovered());
    for (int i = 0; i < ItemCount(); ++i)
        if (auto* styled = dynamic_cast<IZemStyle*>(Items(i))) styled->SetComponentStyle(style);
}

void TCustomItemsContainer::ChangeStyle(bool /*aWin7*/, int aStyle) {
    if (!FIsMainMenu || aStyle < tsOffice2010Blue || aStyle > tsOffice2010Black) return;
    TUpdateScope update(*this);
    TCustomBaseListAppearance& a = FList->Appearance();
    TFont* fonts[] = {&a.NormalFont(), &a.DownFont(), &a.HoveredFont(), &a.DisabledFont(), &a.SelectedFont()};
    switch (aStyle) {
        case tsOffice2010Blue:
            for (TFont* f : fonts) f->SetColor(clBlack);
            SetColors(*FFill, {0xFBF4EB, 0xECD5C5, kStyleKeep, kStyleKeep, 0xDCC9B6});
            break;
        case tsOffice2010Silver:
            for (TFont* f : fonts) f->SetColor(clBlack);
            SetColors(*FFill, {0xFCFBFA, 0xE9E5E2, kStyleKeep, kStyleKeep, 0xCCCBCA});
            break;
        case tsOffice2010Black:
            for (TFont* f : fonts) f->SetColor(clWhite);
            a.SelectedFont().SetColor(clBlack);
            SetColors(*FFill, {0x707070, 0x3E3E3E, kStyleKeep, kStyleKeep, 0x424242});
            break;
        default:
            break;
    }
}

void TCustomItemsContainer::ChangeMenu(TColor aColor) {
    if (!FIsMainMenu) return;
    TUpdateScope update(*this);
    TCustomBaseListAppearance& a = FList->Appearance();
    for (TGDIPFill* f : {&a.Normal(), &a.Hovered(), &a.Down(), &a.Disabled()}) f->SetGlow(gmNone);
    a.Selected().SetGlow(gmRadialGradient);
    a.Hovered().SetBorderColor(aColor);
    a.Hovered().SetColor(LightenColor(aColor, 40));
    a.Hovered().SetOpacity(40);
    a.Down().Assign(&a.Hovered());
    a.Selected().SetBorderColor(aColor);
    a.Selected().SetColor(LightenColor(aColor, 20));
    a.Selected().SetGlowGradientColor(DarkenColor(aColor, 8));
    a.Selected().SetGlowRadialColor(0xFFFFFF);
}

}  // namespace orv
