#include "itemlist/ItemText.h"

#include "paint/OrvColors.h"

namespace orv {

void TItemTextBlock::SetWrapping(bool wordWrap, bool ellipsis) {
    Flags = 0;
    Trimming = StringTrimmingNone;
    if (wordWrap) return;
    Flags = StringFormatFlagsNoWrap;
    if (ellipsis) Trimming = StringTrimmingEllipsisWord;
}

namespace {

TGPFontFamily MakeFamily(const std::wstring& name, bool& fallback) {
    TGPFontFamily family(name);
    TStatus status = family.GetLastStatus();
    fallback = status == TStatus::FontFamilyNotFound || status == TStatus::FontStyleNotFound;
    if (fallback) return TGPFontFamily(L"Arial");
    return family;
}

}  // namespace

TItemTextFace::TItemTextFace(const TFont& font)
    : FFamily(MakeFamily(font.GetName(), FFallback)),
      FFontSize(static_cast<float>(font.GetSize())),
      FFontColor(font.GetColor()) {
    TFontStyles s = font.GetStyle();
    if (s & fsBold) FStyle |= FontStyleBold;
    if (s & fsItalic) FStyle |= FontStyleItalic;
    if (s & fsUnderline) FStyle |= FontStyleUnderline;
}

TGPFont TItemTextFace::MakeFont(const TItemTextBlock& block) const {
    float size = block.Size == -1 ? FFontSize : static_cast<float>(block.Size);
    return TGPFont(FFamily, size, FStyle, UnitPoint);
}

TGPStringFormat TItemTextFace::MakeFormat(const TItemTextBlock& block) const {
    TGPStringFormat format(0, 0);
    format.SetHotkeyPrefix(HotkeyPrefixShow);
    format.SetFormatFlags(block.Flags);
    format.SetTrimming(block.Trimming);
    return format;
}

TItemTextPlacement TItemTextFace::Place(const TItemTextBlock& block, const TGPRectF& box, float w, float h) const {
    float dx = 0;
    float dy = 0;
    if (block.Location == tlCustom) {
        dx = static_cast<float>(block.Left);
        dy = static_cast<float>(block.Top);
    } else {
        GetObjectLocation(dx, dy, box, block.Location, w, h);
    }
    return {box.X + dx, box.Y + dy, w, h};
}

TItemTextPlacement TItemTextFace::Measure(TGPGraphics& g, const TItemTextBlock& block, const TGPRectF& box) {
    TGPFont font = MakeFont(block);
    TGPStringFormat format = MakeFormat(block);
    TGPRectF bounds{};
    g.MeasureString(block.Text, font, box, &format, bounds);
    return Place(block, box, bounds.Width, bounds.Height);
}

void TItemTextFace::Draw(TGPGraphics& g, const TItemTextBlock& block, const TGPRectF& box,
                         const TItemTextPlacement& placed) {
    TGPFont font = MakeFont(block);
    TGPStringFormat format = MakeFormat(block);
    TColor color = block.Color == clNone ? FFontColor : block.Color;
    TGPSolidBrush brush(MakeAlphaColor(block.Opacity, color));
    TGPRectF layout = MakeRect(placed.X, placed.Y, box.Width - (placed.X - box.X), box.Height - (placed.Y - box.Y));
    g.DrawString(block.Text, font, layout, &format, brush);
}

}  // namespace orv
