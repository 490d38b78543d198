#include "ItemRender.h"

#include "framework/Bitmap.h"
#include "itemlist/GDIPWedgeItem.h"
#include "paint/GDIPFill.h"

using namespace orv;

namespace orvtools {

namespace {

constexpr int kItemWidth = 190;
constexpr int kItemHeight = 40;
constexpr int kColumn = 220;
constexpr int kRow = 56;
constexpr int kTop = 24;

// A list look in the blue family: a flat white normal state, warm hover, a darker down
// and a blue selected state with a border.
struct TItemLook {
    TItemLook() {
        for (TGDIPFill* f : {&Normal, &Hover, &Down, &Selected, &Disabled}) f->SetRounding(2);
        Normal.SetColor(clWhite);
        Normal.SetColorTo(clWhite);
        Normal.SetBorderColor(clNone);
        Hover.SetColor(0xDDF4FF);
        Hover.SetColorTo(0x9CE0FF);
        Hover.SetBorderColor(0x5ABFF2);
        Down.SetColor(0x7BC6FF);
        Down.SetColorTo(0x4FB2FF);
        Down.SetBorderColor(0x3A8EE0);
        Selected.SetColor(0xF5E3D1);
        Selected.SetColorTo(0xE8C7A4);
        Selected.SetBorderColor(0xC08F5E);
        Selected.SetGlow(gmGradient);
        Disabled.SetColor(0xF0F0F0);
        Disabled.SetColorTo(0xF0F0F0);
        Disabled.SetBorderColor(clNone);
        for (TGDIPFill* f : {&Normal, &Hover, &Down, &Selected, &Disabled}) f->SetFocusColor(0x404040);
        Font.SetName(L"Tahoma");
        Font.SetHeight(-11);
        Font.SetColor(0x202020);
        DisabledFont.Assign(&Font);
        DisabledFont.SetColor(clGray);
        A.Normal = &Normal;
        A.Hover = &Hover;
        A.Down = &Down;
        A.Selected = &Selected;
        A.Disabled = &Disabled;
        A.NormalFont = A.HoverFont = A.DownFont = A.SelectedFont = &Font;
        A.DisabledFont = &DisabledFont;
    }
    TGDIPFill Normal, Hover, Down, Selected, Disabled;
    TFont Font, DisabledFont;
    TItemAppearance A;
};

void Label(TBitmap& b, int x, int y, const std::wstring& text) {
    TCanvas& c = b.Canvas();
    c.Font().SetName(L"Tahoma");
    c.Font().SetHeight(-11);
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.TextOut(x, y, text);
}

// One column per item class, one row per state; the last row is disabled, the
// selected row has the keyboard focus, the hovered row a badge.
void PaintItemStates(TBitmap& b) {
    b.Canvas().Brush().SetColor(0xF3E9DF);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    TItemLook look;
    TOrvGDIPPicture placeholder;
    LoadPictureFromResource(L"PLACEHOLDER", placeholder);

    TOwnedPtr<TTextItem> text(Make<TTextItem>(nullptr));
    text->SetCaption(L"Recent &document.txt");
    text->SetDescription(L"C:\\Users\\Public\\Documents");
    TOwnedPtr<TImageTextItem> image(Make<TImageTextItem>(nullptr));
    image->SetCaption(L"&Save As");
    image->Image().Assign(&placeholder);
    image->SetImageWidth(24);
    image->SetImageHeight(24);
    TOwnedPtr<TWedgeItem> wedge(Make<TWedgeItem>(nullptr));
    wedge->SetCaption(L"Menu Item &1");
    wedge->SetWedgeStates(ItemStateBit(isSelected));
    wedge->CaptionMargin().SetLeft(40);
    TTextItem* items[] = {text.get(), image.get(), wedge.get()};
    const wchar_t* names[] = {L"TTextItem", L"TImageTextItem", L"TWedgeItem (notch when selected)"};

    const TItemState states[] = {isNormal, isHovered, isDown, isSelected};
    const wchar_t* stateNames[] = {L"normal", L"hovered + badge", L"down", L"selected + focus", L"disabled"};
    for (int row = 0; row < 5; ++row) Label(b, 4, kTop + row * kRow + 14, stateNames[row]);
    for (int col = 0; col < 3; ++col) {
        TTextItem* item = items[col];
        Label(b, 110 + col * kColumn, 4, names[col]);
        item->SetWidth(kItemWidth);
        item->SetHeight(kItemHeight);
        item->SetX(110 + col * kColumn);
        for (int row = 0; row < 5; ++row) {
            item->SetY(kTop + row * kRow + 8);
            item->SetEnabled(row < 4);
            item->SetState(row < 4 ? states[row] : isNormal);
            item->Status().SetVisible(row == 1);
            item->Status().SetCaption(L"3");
            item->SetIndex(row);
            look.A.Focus = row == 3;
            look.A.FocusedItem = 3;
            TGPGraphics g(b.Canvas().Handle());
            g.SetSmoothingMode(SmoothingModeAntiAlias);
            g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
            item->Draw(g, look.A);
        }
    }
}

// The right end of a selected wedge item with a 2-pixel border, magnified: the notch
// shows the background and its two inner edges carry the border.
void PaintWedgeNotch(TBitmap& b) {
    b.Canvas().Brush().SetColor(0xF3E9DF);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    TItemLook look;
    look.Selected.SetBorderWidth(2);
    TOwnedPtr<TWedgeItem> wedge(Make<TWedgeItem>(nullptr));
    wedge->SetX(-130);
    wedge->SetY(5);
    wedge->SetWidth(190);
    wedge->SetHeight(40);
    wedge->SetWedgeSize(8);
    wedge->SetState(isSelected);
    TGPGraphics g(b.Canvas().Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    wedge->Draw(g, look.A);
}

// The same notch under the fill steps that clip for themselves: a radial body, both glows
// and the border; the notch still shows the background.
void PaintWedgeNotchGlow(TBitmap& b) {
    b.Canvas().Brush().SetColor(0xF3E9DF);
    b.Canvas().FillRect({0, 0, b.Width(), b.Height()});
    TItemLook look;
    look.Selected.SetColor(0xBE5A10);
    look.Selected.SetColorTo(0xF49C59);
    look.Selected.SetGradientType(gtRadial);
    look.Selected.SetBorderColor(0x973F07);
    look.Selected.SetGlow(gmRadialGradient);
    look.Selected.SetGlowGradientColor(0xB1500D);
    look.Selected.SetGlowRadialColor(0xF49C59);
    TOwnedPtr<TWedgeItem> wedge(Make<TWedgeItem>(nullptr));
    wedge->SetX(-130);
    wedge->SetY(5);
    wedge->SetWidth(190);
    wedge->SetHeight(40);
    wedge->SetWedgeSize(8);
    wedge->SetState(isSelected);
    TGPGraphics g(b.Canvas().Handle());
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    wedge->Draw(g, look.A);
}

}  // namespace

std::vector<TRenderItem> ItemRenderItems() {
    return {{L"items", L"text, image-text and wedge items in each state", 110 + 3 * kColumn, kTop + 5 * kRow + 8, 1,
             PaintItemStates},
            {L"item-wedge-notch", L"a selected wedge item's notch, magnified", 72, 50, 6, PaintWedgeNotch},
            {L"item-wedge-notch-glow", L"the notch under a radial body, both glows and the border, magnified", 72, 50,
             6, PaintWedgeNotchGlow}};
}

}  // namespace orvtools
