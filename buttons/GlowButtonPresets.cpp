#include "buttons/GlowButtonPresets.h"

namespace orv {

namespace {

// A value the style leaves as it was.
constexpr TColor kKeep = static_cast<TColor>(0x7FFFFFFF);

// Color, ColorTo, ColorMirror, ColorMirrorTo, BorderColor.
struct TPresetSet {
    TColor C[5];
};
struct TPresetRow {
    TZemStyle Style;
    TPresetSet Normal, Hot, Down, Checked;
};

constexpr TPresetSet kOfficeHot{{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB}};
constexpr TPresetSet kOfficeDown{{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B}};
constexpr TPresetSet kOffice2003Checked{{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, kKeep}};
constexpr TPresetSet kOffice2007Checked{{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B}};
constexpr TPresetSet k2010Hot{{0x8AE3FD, 0xD9F9FD, 0xD9F9FD, 0x8AE3FD, 0x58CAF1}};
constexpr TPresetSet k2010Down{{0x6CD0FF, 0x7BEEFF, 0x7BEEFF, 0x6CD0FF, 0x308AC2}};
constexpr TPresetSet k2010Checked{{0xD9F9FD, 0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x308AC2}};

const TPresetRow kRows[] = {
    {tsOffice2003Blue,
     {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}},
     kOfficeHot,
     kOfficeDown,
     kOffice2003Checked},
    {tsOffice2003Silver,
     {{0xE6E9E2, 0xE6D8D8, 0xE6E9E2, 0xC8B2B3, 0x927476}},
     kOfficeHot,
     kOfficeDown,
     kOffice2003Checked},
    {tsOffice2003Olive,
     {{0xCFF0EA, 0xCFF0EA, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1}},
     kOfficeHot,
     kOfficeDown,
     kOffice2003Checked},
    {tsOffice2003Classic,
     {{0xFFFFFF, 0xC9D1D5, 0xFFFFFF, 0xC9D1D5, 0x000000}},
     kOfficeHot,
     kOfficeDown,
     kOffice2003Checked},
    {tsOffice2007Luna,
     {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}},
     kOfficeHot,
     kOfficeDown,
     kOffice2007Checked},
    {tsOffice2007Obsidian,
     {{0xDFDED6, 0xE4E2DB, 0xD7D5CE, 0xE7E5E0, 0xC0BCB2}},
     kOfficeHot,
     kOfficeDown,
     kOffice2007Checked},
    {tsWindowsXP,
     {{0xFFFFFF, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC}},
     {{0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, clHighlight}},
     {{0xB59284, 0xB59284, 0xB59284, 0xB59284, clHighlight}},
     {{0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0xB9D8DC, 0x000000}}},
    {tsWhidbey, {{0xFFFFFF, 0xDFEDF0, 0xDFEDF0, 0xDFEDF0, 0x99A8AC}}, kOfficeHot, kOfficeDown, kOffice2003Checked},
    {tsOffice2007Silver,
     {{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}},
     kOfficeHot,
     kOfficeDown,
     kOffice2007Checked},
    {tsWindowsVista,
     {{0xFDF8F1, 0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFDDE99}},
     {{clNone, 0xFFFAF0, 0xFFFAF0, 0xFFFAF0, 0xFCF2DA}},
     {{0xFCEFD5, 0xFCEFD5, 0xFDF4E3, 0xFDF4E3, 0xFEDF9A}},
     {{0xFCEFD5, 0xFAE9C6, 0xF7DAA2, 0xFBEDD3, 0xFEDF9A}}},
    {tsWindows7,
     {{0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1, 0xCEA27D}},
     {{0xFDFBFA, 0xFDF3EB, 0xFDF3EB, 0xFDFBFA, 0xFBD6B8}},
     {{0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D}},
     {{0xFDFBFA, 0xFDF3EB, 0xFCEBDC, 0xFCEBDC, clHighlight}}},
    {tsTerminal,
     {{clBtnFace, clBtnFace, clBtnFace, clBtnFace, kKeep}},
     {{0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x808080}},
     {{clHighlight, clHighlight, clHighlight, clHighlight, clHighlight}},
     {{0x808080, 0x808080, 0x808080, 0x808080, 0x808080}}},
    {tsOffice2010Blue, {{0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}}, k2010Hot, k2010Down, k2010Checked},
    {tsOffice2010Silver, {{0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xD2CDC8}}, k2010Hot, k2010Down, k2010Checked},
    {tsOffice2010Black, {{0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}}, k2010Hot, k2010Down, k2010Checked},
};

void ApplySet(TGlowButtonAppearance& a, TGlowLook look, const TPresetSet& p, bool gradients) {
    TGlowColorSet s = a.Look(look);
    TColor* fields[5] = {&s.Color, &s.ColorTo, &s.ColorMirror, &s.ColorMirrorTo, &s.BorderColor};
    for (int i = 0; i < 5; ++i)
        if (p.C[i] != kKeep) *fields[i] = p.C[i];
    if (gradients) s.Gradient = s.GradientMirror = ggVertical;
    a.SetLook(look, s);
}

}  // namespace

void ApplyGlowButtonPreset(TGlowButtonAppearance& appearance, TZemStyle style) {
    for (const TPresetRow& row : kRows) {
        if (row.Style != style) continue;
        // The terminal look keeps every gradient as it is.
        bool gradients = style != tsTerminal;
        appearance.BeginUpdate();
        ApplySet(appearance, glNormal, row.Normal, gradients);
        ApplySet(appearance, glHot, row.Hot, gradients);
        ApplySet(appearance, glDown, row.Down, gradients);
        ApplySet(appearance, glChecked, row.Checked, gradients);
        appearance.EndUpdate();
        return;
    }
}

}  // namespace orv
