#include "ShapeButtonRender.h"

#include <cstdint>
#include <vector>

#include "appbutton/FrameWindow.h"
#include "appbutton/OrvShapeButton.h"
#include "framework/Forms.h"
#include "framework/GdiHandles.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvLook.h"
#include "toolbar/OrvStyleIF.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kCellW = 70, kCellH = 56;

// The look flags for one picture, put back afterwards.
struct TLookScope {
    bool Scenic = ScenicRibbonMode, Office = Office2010Look;
    TLookScope(bool scenic, bool office) {
        ScenicRibbonMode = scenic;
        Office2010Look = office;
    }
    ~TLookScope() {
        ScenicRibbonMode = Scenic;
        Office2010Look = Office;
    }
};

// A 16 x 16 picture: an orange square with a white bar, as a 24-bit BMP.
std::vector<uint8_t> GlyphBmp() {
    const int w = 16, h = 16, row = w * 3;
    std::vector<uint8_t> out(54 + static_cast<size_t>(row) * h);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
    };
    out[0] = 'B';
    out[1] = 'M';
    put32(2, static_cast<uint32_t>(out.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    out[26] = 1;
    out[28] = 24;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            size_t at = 54 + static_cast<size_t>(y) * row + static_cast<size_t>(x) * 3;
            bool bar = x >= 7 && x <= 8 && y >= 3 && y <= 12;
            bool edge = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            uint32_t c = bar ? 0xFFFFFF : edge ? 0x1F4F90 : 0x2F7FD0;
            out[at] = static_cast<uint8_t>(c);
            out[at + 1] = static_cast<uint8_t>(c >> 8);
            out[at + 2] = static_cast<uint8_t>(c >> 16);
        }
    return out;
}

// A hidden window of the pager's colour hosts the buttons; freed after the paint.
struct THost {
    TOwnedPtr<TForm> Form{Make<TForm>(nullptr)};
    THost() {
        Form->SetBounds(0, 0, 600, 400);
        Form->SetColor(0xF5E7DB);
    }
    TOrvShapeButton* Button(TOrvButtonShape shape, int width, int height, const wchar_t* text) {
        auto* b = new TOrvShapeButton(Form.get());
        b->SetParent(Form.get());
        b->SetBounds(0, 0, width, height);
        b->Appearance().SetShape(shape);
        b->SetText(text);
        b->Font().SetColor(clWhite);
        return b;
    }
};

enum TCellLook { clNormal, clHot, clDown, clDisabled };

void SetLook(TOrvShapeButton* b, TCellLook look) {
    if (look == clHot) b->Perform(CM_MOUSEENTER);
    if (look == clDown) {
        b->SetStyle(tasCheck);
        b->SetDown(true);
    }
    if (look == clDisabled) b->SetEnabled(false);
}

void PaintAt(TBitmap& bmp, int col, int row, TOrvShapeButton* b) {
    HDC dc = bmp.Canvas().Handle();
    TSaveDCGuard saved(dc);
    int x = col * kCellW + 6, y = row * kCellH + 6;
    IntersectClipRect(dc, x, y, x + b->Width(), y + b->Height());
    SetViewportOrgEx(dc, x, y, nullptr);
    b->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
}

void Background(TBitmap& bmp) {
    bmp.Canvas().Brush().SetColor(0xF5E7DB);
    bmp.Canvas().FillRect({0, 0, bmp.Width(), bmp.Height()});
}

// The program's "File" colours.
void FileColours(TOrvShapeButtonAppearance& a) {
    a.SetBorderColor(0xA1481F);
    a.SetBorderColorDown(0xA1481F);
    a.SetInnerBorderColor(0xE58744);
    a.SetInnerBorderColorHot(0xF3A155);
    a.SetInnerBorderColorDown(0xE58744);
    a.SetColor(0xDA7D3E);
    a.SetColorTo(0xB26028);
    a.SetColorHot(0xDD7E43);
    a.SetColorHotTo(0xBC6732);
    a.SetColorDown(0xDA7D3E);
    a.SetColorDownTo(0xB26028);
}

// Rows: the given shape in the four looks; a second row with the menu glyph.
void PaintLooks(TBitmap& bmp, TOrvButtonShape shape, int w, int h, bool scenic, bool office, bool fileColours) {
    TLookScope flags(scenic, office);
    Background(bmp);
    THost host;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 4; ++col) {
            TOrvShapeButton* b = host.Button(shape, w, h, row == 0 ? L"File" : L"");
            if (fileColours) FileColours(b->Appearance());
            b->Appearance().SetShowMenuShape(row == 1);
            SetLook(b, static_cast<TCellLook>(col));
            PaintAt(bmp, col, row, b);
        }
}

void PaintClassic(TBitmap& bmp) {
    PaintLooks(bmp, TOrvButtonShape::bsRectangle, 55, 24, false, false, false);
}

void PaintOffice2010(TBitmap& bmp) {
    PaintLooks(bmp, TOrvButtonShape::bsRectangle, 55, 24, true, true, true);
}

void PaintOrb(TBitmap& bmp) {
    PaintLooks(bmp, TOrvButtonShape::bsOrb, 45, 45, false, false, false);
}

void PaintLayouts(TBitmap& bmp) {
    TLookScope flags(false, false);
    Background(bmp);
    THost host;
    std::vector<uint8_t> glyph = GlyphBmp();
    const TShapeButtonLayout layouts[] = {plPictureCenter, plPictureOnTop, plPictureAtBottom};
    for (int col = 0; col < 3; ++col) {
        TOrvShapeButton* b = host.Button(TOrvButtonShape::bsRectangle, 55, 45, L"File");
        b->Picture().SetData(glyph);
        b->SetLayout(layouts[col]);
        PaintAt(bmp, col, 0, b);
        TOrvShapeButton* custom = host.Button(TOrvButtonShape::bsCustom, 55, 45, L"Go");
        custom->Font().SetColor(clBlack);
        custom->Picture().SetData(glyph);
        custom->SetLayout(layouts[col]);
        PaintAt(bmp, col, 1, custom);
    }
}

void PaintFrameStrip(TBitmap& bmp) {
    Background(bmp);
    THost host;
    TOrvShapeButton* b = host.Button(TOrvButtonShape::bsRectangle, 55, 24, L"File");
    FileColours(b->Appearance());
    b->SetBounds(0, 0, 55, 24);
    auto* w = new TFrameWindow(b);
    w->SetBounds(0, 0, bmp.Width(), bmp.Height());
    TGdiBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    RECT below{0, 3, bmp.Width(), bmp.Height()};
    FillRect(bmp.Canvas().Handle(), &below, white.Get());
    w->PaintStrip(bmp.Canvas().Handle());
}

}  // namespace

std::vector<TRenderItem> ShapeButtonRenderItems() {
    return {
        {L"ShapeButtonClassic", L"classic rectangle (top-right corner round): normal, hot, down, disabled; menu glyph",
         4 * kCellW, 2 * kCellH, 3, PaintClassic},
        {L"ShapeButtonOffice2010", L"Office 2010 rectangle in the program's colours: four looks; menu glyph",
         4 * kCellW, 2 * kCellH, 3, PaintOffice2010},
        {L"ShapeButtonOrb", L"orb 45 x 45: normal, hot, down, disabled; menu glyph", 4 * kCellW, 2 * kCellH, 3,
         PaintOrb},
        {L"ShapeButtonLayouts", L"picture centre, on top, at bottom: rectangle and picture-only", 3 * kCellW,
         2 * kCellH, 3, PaintLayouts},
        {L"FrameWindowStrip", L"the frame window's top strip: colour fade and active-border line", 300, 12, 3,
         PaintFrameStrip},
    };
}

}  // namespace orvtools
