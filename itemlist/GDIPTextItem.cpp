#include "itemlist/GDIPTextItem.h"

#include "framework/Graphics.h"
#include "itemlist/ItemText.h"
#include "paint/GDIPFill.h"

namespace orv {

namespace {

constexpr uint32_t kTextItemVersion = (1u << 24) | (0u << 16) | (0u << 8) | 0u;

}  // namespace

TTextItem::TTextItem(TComponent* owner) : TCustomItem(owner) {
    FCaptionMargin.OnChange = TNotifyEvent::Bind(this, &TTextItem::MarginChanged);
    FDescriptionMargin.OnChange = TNotifyEvent::Bind(this, &TTextItem::MarginChanged);
}

uint32_t TTextItem::GetVersionNr() const {
    return kTextItemVersion;
}

TCustomItem* TTextItem::CreateNewItem(TComponent* owner) const {
    return Make<TTextItem>(owner);
}

void TTextItem::Assign(const TPersistent* source) {
    BeginUpdate();
    TCustomItem::Assign(source);
    if (auto* s = dynamic_cast<const TTextItem*>(source)) {
        SetCaption(s->FCaption);
        FCaptionMargin.Assign(&s->FCaptionMargin);
        SetCaptionColor(s->FCaptionColor);
        SetCaptionOpacity(s->FCaptionOpacity);
        SetCaptionLeft(s->FCaptionLeft);
        SetCaptionTop(s->FCaptionTop);
        SetCaptionLocation(s->FCaptionLocation);
        SetCaptionSize(s->FCaptionSize);
        SetDescription(s->FDescription);
        FDescriptionMargin.Assign(&s->FDescriptionMargin);
        SetDescriptionColor(s->FDescriptionColor);
        SetDescriptionOpacity(s->FDescriptionOpacity);
        SetDescriptionSize(s->FDescriptionSize);
        SetDescriptionLocation(s->FDescriptionLocation);
        SetDescriptionLeft(s->FDescriptionLeft);
        SetDescriptionTop(s->FDescriptionTop);
        SetWordWrap(s->FWordWrap);
        SetEllipsis(s->FEllipsis);
    }
    EndUpdate();
}

void TTextItem::SetCaption(const std::wstring& value) {
    StoreValue(FCaption, value);
}
void TTextItem::SetCaptionColor(TColor value) {
    StoreValue(FCaptionColor, value);
}
void TTextItem::SetCaptionOpacity(uint8_t value) {
    StoreValue(FCaptionOpacity, value);
}
void TTextItem::SetCaptionLeft(int32_t value) {
    StoreValue(FCaptionLeft, value);
}
void TTextItem::SetCaptionTop(int32_t value) {
    StoreValue(FCaptionTop, value);
}
void TTextItem::SetCaptionLocation(TItemLocation value) {
    StoreValue(FCaptionLocation, value);
}
void TTextItem::SetCaptionSize(int32_t value) {
    StoreValue(FCaptionSize, value);
}
void TTextItem::SetDescription(const std::wstring& value) {
    StoreValue(FDescription, value);
}
void TTextItem::SetDescriptionColor(TColor value) {
    StoreValue(FDescriptionColor, value);
}
void TTextItem::SetDescriptionOpacity(uint8_t value) {
    StoreValue(FDescriptionOpacity, value);
}
void TTextItem::SetDescriptionSize(int32_t value) {
    StoreValue(FDescriptionSize, value);
}
void TTextItem::SetDescriptionLocation(TItemLocation value) {
    StoreValue(FDescriptionLocation, value);
}
void TTextItem::SetDescriptionLeft(int32_t value) {
    StoreValue(FDescriptionLeft, value);
}
void TTextItem::SetDescriptionTop(int32_t value) {
    StoreValue(FDescriptionTop, value);
}
void TTextItem::SetWordWrap(bool value) {
    StoreValue(FWordWrap, value);
}
void TTextItem::SetEllipsis(bool value) {
    StoreValue(FEllipsis, value);
}

TGPRectF TTextItem::DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText) {
    if (FCaption.empty() && FDescription.empty()) return r;
    TFont fallback;
    const TFont* font = StateFont(appearance);
    TItemTextFace face(font ? *font : fallback);

    TGPRectF result{};
    float captionHeight = 0;
    if (!FCaption.empty()) {
        TItemTextBlock caption;
        caption.Text = FCaption;
        caption.Size = FCaptionSize;
        caption.Color = FCaptionColor;
        caption.Opacity = FCaptionOpacity;
        caption.Location = FCaptionLocation;
        caption.Left = FCaptionLeft;
        caption.Top = FCaptionTop;
        // With a description the caption wraps unless Ellipsis cuts it to one line.
        if (FDescription.empty())
            caption.SetWrapping(FWordWrap, FEllipsis);
        else
            caption.SetWrapping(!FEllipsis, FEllipsis);
        TGPRectF box = MakeRect(r.X + FCaptionMargin.GetLeft(), r.Y + FCaptionMargin.GetTop(),
                                r.Width - FCaptionMargin.GetRight() - FCaptionMargin.GetLeft(),
                                r.Height - FCaptionMargin.GetBottom() - FCaptionMargin.GetTop());
        TItemTextPlacement placed = face.Measure(g, caption, box);
        // Beside a description the caption keeps a band of its own height.
        if (!FDescription.empty()) {
            box.Height = FCaptionMargin.GetBottom() + placed.Height + FCaptionMargin.GetTop();
            placed = face.Place(caption, box, placed.Width, placed.Height);
        }
        if (doText) face.Draw(g, caption, box, placed);
        captionHeight = box.Height;
        result = MakeRect(placed.X, placed.Y, placed.Width, placed.Height);
    }

    if (!FDescription.empty()) {
        TItemTextBlock description;
        description.Text = FDescription;
        description.Size = FDescriptionSize;
        description.Color = FDescriptionColor;
        description.Opacity = FDescriptionOpacity;
        description.Location = FDescriptionLocation;
        description.Left = FDescriptionLeft;
        description.Top = FDescriptionTop;
        description.SetWrapping(FWordWrap, FEllipsis);
        const TMargins& d = FDescriptionMargin;
        TGPRectF box;
        if (captionHeight != 0) {
            float top = static_cast<float>(FCaptionMargin.GetTop() + d.GetTop());
            box = MakeRect(r.X + d.GetLeft(), r.Y + top + captionHeight, r.Width - d.GetRight() - d.GetLeft(),
                           r.Height - d.GetBottom() - top - captionHeight);
        } else {
            box = MakeRect(r.X + d.GetLeft(), r.Y + d.GetTop(), r.Width - d.GetRight() - d.GetLeft(),
                           r.Height - d.GetBottom() - d.GetTop());
        }
        TItemTextPlacement placed = face.Measure(g, description, box);
        if (doText) face.Draw(g, description, box, placed);
    }
    return result;
}

void TTextItem::DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) {
    if (!GetVisible()) return;
    DoItemStartDraw(g, r);
    DoInternalItemStartDraw(g, r);
    if (TGDIPFill* fill = StateFill(appearance)) fill->Fill(&g, r, 255, 255, 255, 255, 255);
    if (appearance.Focus && appearance.FocusedItem == GetIndex()) DrawFocus(g, r, appearance);
    TGPRectF captionRect = DrawText(g, r, appearance, true);
    // A badge at the text hangs at the caption's top-right corner.
    DrawStatus(g, Status().GetPosition() == spItemRectangle ? r : captionRect, appearance);
    DoItemEndDraw(g, r);
    DoInternalItemEndDraw(g, r);
}

}  // namespace orv
