#include "FillRender.h"

#include "framework/Bitmap.h"
#include "paint/GDIPFill.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr TColor kLightBlue = 0xFAF0E6;
constexpr TColor kBlue = 0xE4C8A8;
constexpr TColor kDeepBlue = 0xD6A87C;
constexpr TColor kBorder = 0xB99D7F;
constexpr TColor kOrange = 0x4FB9FF;
constexpr TColor kAmber = 0x2E8BF5;

void Background(TBitmap& b) {
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
}

void Label(TBitmap& b, int x, int y, const std::wstring& text) {
    TCanvas& c = b.Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
}

// Paints one fill per cell of a grid, the label above each.
struct TGrid {
    TBitmap& Bitmap;
    int CellWidth, CellHeight, Columns;
    void Cell(int index, const std::wstring& label, TGDIPFill& fill, int w, int h) {
        const int x = 10 + (index % Columns) * CellWidth, y = 6 + (index / Columns) * CellHeight;
        Label(Bitmap, x, y, label);
        TGPGraphics g(Bitmap.Canvas().Handle());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        fill.Fill(&g,
                  {static_cast<float>(x), static_cast<float>(y + 16), static_cast<float>(w), static_cast<float>(h)});
    }
};

// A small 16 x 16 glyph picture (a BMP keyed by its bottom-left magenta).
void LoadGlyph(TOrvGDIPPicture& picture) {
    TBitmap glyph(16, 16);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetColor(clFuchsia);
    c.FillRect({0, 0, 16, 16});
    c.Brush().SetColor(0x2F7FD0);
    c.Pen().SetColor(0x1F4F90);
    c.Ellipse({1, 1, 15, 15});
    c.Brush().SetColor(clWhite);
    c.FillRect({7, 4, 9, 12});
    picture.SetData(BmpFileBytes(glyph));
}

void Office(TGDIPFill& f) {
    f.SetColor(kLightBlue);
    f.SetColorTo(kBlue);
    f.SetColorMirror(kBlue);
    f.SetColorMirrorTo(kDeepBlue);
    f.SetBorderColor(kBorder);
}

void PaintGradientKinds(TBitmap& b) {
    Background(b);
    TGrid grid{b, 130, 62, 5};
    TOrvGDIPPicture tile;
    LoadGlyph(tile);
    struct Kind {
        TOrvGradientType type;
        const wchar_t* name;
    } kinds[] = {{gtSolid, L"solid"},
                 {gtRadial, L"radial"},
                 {gtVertical, L"vertical"},
                 {gtHorizontal, L"horizontal"},
                 {gtForwardDiagonal, L"forward diag."},
                 {gtBackwardDiagonal, L"backward diag."},
                 {gtAngle, L"angle 30"},
                 {gtHatch, L"hatch"},
                 {gtTexture, L"texture (tiled)"},
                 {gtNone, L"none"}};
    int i = 0;
    for (const Kind& k : kinds) {
        TGDIPFill one;
        one.SetColor(kOrange);
        one.SetColorTo(kAmber);
        one.SetBorderColor(kBorder);
        one.SetGradientType(k.type);
        one.SetAngle(30);
        one.SetHatchStyle(static_cast<THatchStyle>(HatchStyleDiagonalCross));
        one.SetBackGroundPicture(&tile);
        one.SetBackGroundPicturePosition(ppTiled);
        grid.Cell(i++, k.name, one, 110, 38);
    }
    // Two-part bodies: the upper kind over a mirror of each kind.
    for (const Kind& k : {kinds[0], kinds[1], kinds[2], kinds[3], kinds[6]}) {
        TGDIPFill two;
        Office(two);
        two.SetGradientMirrorType(k.type);
        two.SetGradientType(k.type == gtRadial ? gtRadial : gtVertical);
        two.SetAngle(30);
        grid.Cell(i++, std::wstring(L"two: ") + k.name, two, 110, 38);
    }
}

void PaintRoundingTypes(TBitmap& b) {
    Background(b);
    TGrid grid{b, 130, 62, 6};
    const wchar_t* names[] = {L"rtNone", L"rtTop", L"rtBottom", L"rtBoth", L"rtLeft", L"rtRight"};
    for (int part = 0; part < 2; ++part)
        for (int t = rtNone; t <= rtRight; ++t) {
            TGDIPFill f;
            Office(f);
            if (part == 0) f.SetColorMirror(clNone);
            f.SetRounding(8);
            f.SetRoundingType(static_cast<TFillRoundingType>(t));
            grid.Cell(part * 6 + t, std::wstring(names[t]) + (part ? L" two" : L" one"), f, 110, 38);
        }
}

void PaintGlowModes(TBitmap& b) {
    Background(b);
    TGrid grid{b, 180, 62, 4};
    const wchar_t* names[] = {L"gmNone", L"gmGradient", L"gmRadial", L"gmRadialGradient"};
    for (int m = gmNone; m <= gmRadialGradient; ++m) {
        TGDIPFill f;
        f.SetColor(kAmber);
        f.SetColorTo(kOrange);
        f.SetColorMirror(kOrange);
        f.SetColorMirrorTo(0x80E0FF);
        f.SetBorderColor(0x1F6FC0);
        f.SetRounding(3);
        f.SetGlow(static_cast<TGlowMode>(m));
        f.SetGlowRadialColor(0x80FFFF);
        grid.Cell(m, names[m], f, 160, 35);
    }
    TGDIPFill shadow;
    Office(shadow);
    shadow.SetRounding(4);
    shadow.SetShadowOffset(4);
    grid.Cell(4, L"shadow 4", shadow, 160, 35);
    TGDIPFill focus;
    Office(focus);
    focus.SetRounding(4);
    focus.SetBorderWidth(2);
    focus.SetFocus(true);
    grid.Cell(5, L"focus, border 2", focus, 160, 35);
    TGDIPFill line;
    line.SetBorderColor(clNavy);
    grid.Cell(6, L"height 1: a line", line, 160, 1);
    TGDIPFill faded;
    Office(faded);
    faded.SetOpacity(120);
    faded.SetOpacityTo(40);
    faded.SetOpacityMirror(40);
    faded.SetOpacityMirrorTo(160);
    grid.Cell(7, L"opacities", faded, 160, 35);
}

void PaintPicturePositions(TBitmap& b) {
    Background(b);
    TGrid grid{b, 110, 70, 6};
    TOrvGDIPPicture glyph;
    LoadGlyph(glyph);
    const wchar_t* names[] = {L"TopLeft",      L"TopCenter",    L"TopRight",    L"BottomLeft",
                              L"BottomCenter", L"BottomRight",  L"Tiled",       L"Stretched",
                              L"CenterLeft",   L"CenterCenter", L"CenterRight", L"Custom: at 4,4 of the picture"};
    for (int p = ppTopLeft; p <= ppCustom; ++p) {
        TGDIPFill f;
        Office(f);
        f.SetPicture(&glyph);
        f.GetPicture()->SetTransparent(true);  // the BMP's magenta is its key
        f.SetPicturePosition(static_cast<TFillPicturePosition>(p));
        f.SetPictureLeft(4);
        f.SetPictureTop(4);
        grid.Cell(p, names[p], f, 90, 44);
    }
}

void PaintStatusBadges(TBitmap& b) {
    Background(b);
    const wchar_t* captions[] = {L"1", L"12", L"New", L"Beta 2"};
    TGPGraphics g(b.Canvas().Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    g.SetTextRenderingHint(TextRenderingHintAntiAlias);
    int x = 10;
    for (const wchar_t* caption : captions) {
        for (int glow = 0; glow < 2; ++glow) {
            TGDIPStatus status;
            status.GetFill()->SetColor(clRed);
            status.GetFill()->SetColorTo(clNone);
            status.GetFill()->SetBorderColor(clGray);
            status.GetFont()->SetColor(clWhite);
            status.GetFont()->SetName(L"Tahoma");
            status.SetGlow(glow == 1);
            status.SetSpacing(2);
            status.CalculateSize(&g, caption);
            status.Draw(&g, x, 10 + glow * 26, 0, 0, true, caption);
        }
        x += 50;
    }
}

}  // namespace

std::vector<TRenderItem> FillRenderItems() {
    return {
        {L"FillGradients", L"fill bodies: each gradient kind in one part, then two-part bodies", 660, 190, 1,
         PaintGradientKinds},
        {L"FillRounding", L"fill rounding types 8 px, one-part (top) and two-part (bottom) bodies", 790, 130, 1,
         PaintRoundingTypes},
        {L"FillGlow", L"fill glow modes, shadow, focus outline, the one-pixel line and opacities", 730, 130, 2,
         PaintGlowModes},
        {L"FillPictures", L"fill foreground picture at its twelve positions", 670, 150, 2, PaintPicturePositions},
        {L"FillStatus", L"status badges: pill, caption centred, without and with shine", 210, 64, 3, PaintStatusBadges},
    };
}

}  // namespace orvtools
