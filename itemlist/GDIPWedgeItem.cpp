#include "itemlist/GDIPWedgeItem.h"

#include "paint/GDIPFill.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {

constexpr uint32_t kWedgeItemVersion = (1u << 24) | (0u << 16) | (0u << 8) | 0u;

}  // namespace

TWedgeItem::TWedgeItem(TComponent* owner) : TImageTextItem(owner) {}

uint32_t TWedgeItem::GetVersionNr() const {
    return kWedgeItemVersion;
}

TCustomItem* TWedgeItem::CreateNewItem(TComponent* owner) const {
    return Make<TWedgeItem>(owner);
}

void TWedgeItem::Assign(const TPersistent* source) {
    BeginUpdate();
    TImageTextItem::Assign(source);
    if (auto* s = dynamic_cast<const TWedgeItem*>(source)) {
        SetWedgePositions(s->FWedgePositions);
        SetWedgeSize(s->FWedgeSize);
        SetWedgeStates(s->FWedgeStates);
    }
    EndUpdate();
}

void TWedgeItem::SetWedgePositions(TWedgePositions value) {
    StoreValue(FWedgePositions, static_cast<TWedgePositions>(value & 0x0F));
}
void TWedgeItem::SetWedgeSize(int32_t value) {
    StoreValue(FWedgeSize, value);
}
void TWedgeItem::SetWedgeStates(TItemStates value) {
    StoreValue(FWedgeStates, static_cast<TItemStates>(value & kAllItemStates));
}

bool TWedgeItem::WedgeShows() const {
    return FWedgePositions != 0 && (FWedgeStates & ItemStateBit(GetState())) != 0;
}

TGPRectF TWedgeItem::ContentBox(const TGPRectF& r) const {
    if (!WedgeShows()) return r;
    TGPRectF box = r;
    float s = static_cast<float>(FWedgeSize);
    if (FWedgePositions & WedgeBit(wpRight)) box.Width -= s;
    if (FWedgePositions & WedgeBit(wpLeft)) {
        box.X += s;
        box.Width -= s;
    }
    if (FWedgePositions & WedgeBit(wpTop)) {
        box.Y += s;
        box.Height -= s;
    }
    if (FWedgePositions & WedgeBit(wpBottom)) box.Height -= s;
    return box;
}

std::vector<TWedgeNotch> TWedgeItem::Notches(const TGPRectF& b) const {
    std::vector<TWedgeNotch> notches;
    float s = static_cast<float>(FWedgeSize);
    float right = b.X + b.Width;
    float bottom = b.Y + b.Height;
    if (FWedgePositions & WedgeBit(wpRight)) {
        float mid = b.Y + (b.Height - 1) / 2;
        notches.push_back({wpRight, {{{right, mid - s}, {right - s, mid}, {right, mid + s}}}});
    }
    if (FWedgePositions & WedgeBit(wpLeft)) {
        float mid = b.Y + b.Height / 2;
        notches.push_back({wpLeft, {{{b.X, mid - s}, {b.X + s, mid}, {b.X, mid + s}}}});
    }
    if (FWedgePositions & WedgeBit(wpTop)) {
        float mid = b.X + b.Width / 2;
        notches.push_back({wpTop, {{{mid - s, b.Y}, {mid, b.Y + s}, {mid + s, b.Y}}}});
    }
    if (FWedgePositions & WedgeBit(wpBottom)) {
        float mid = b.X + b.Width / 2;
        notches.push_back({wpBottom, {{{mid - s, bottom}, {mid, bottom - s}, {mid + s, bottom}}}});
    }
    return notches;
}

TGPRectF TWedgeItem::DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText) {
    return TImageTextItem::DrawText(g, ContentBox(r), appearance, doText);
}

void TWedgeItem::DrawImage(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) {
    TImageTextItem::DrawImage(g, ContentBox(r), appearance);
}

void TWedgeItem::DrawFocus(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) {
    TImageTextItem::DrawFocus(g, ContentBox(r), appearance);
}

void TWedgeItem::DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) {
    if (!WedgeShows()) {
        TImageTextItem::DrawInRect(g, appearance, r);
        return;
    }
    TGPRectF b = MakeRect(r.X, r.Y, r.Width + 1, r.Height + 1);
    std::vector<TWedgeNotch> notches = Notches(b);
    TGPRegion region(b);
    {
        TGPGraphicsPath path;
        for (const TWedgeNotch& n : notches) path.AddPolygon(n.Points.data(), 3);
        region.Exclude(path);
    }
    {
        // Inside the caller's clip (the list's visible area), never instead of it.
        TGPClipScope clip(g, region);
        TImageTextItem::DrawInRect(g, appearance, r);
    }

    // The notch's two inner edges in the border colour; a fill without border leaves
    // them open.
    TGDIPFill* fill = StateFill(appearance);
    if (!fill || fill->GetBorderColor() == clNone || fill->GetBorderWidth() <= 0) return;
    TGPPen pen(MakeAlphaColor(fill->GetBorderOpacity(), fill->GetBorderColor()),
               static_cast<float>(fill->GetBorderWidth()));
    for (const TWedgeNotch& n : notches) {
        float dx = n.Side == wpRight ? -1.0f : 0.0f;
        float dy = n.Side == wpBottom ? -1.0f : 0.0f;
        TGPPointF p0{n.Points[0].X + dx, n.Points[0].Y + dy};
        TGPPointF apex{n.Points[1].X + dx, n.Points[1].Y + dy};
        TGPPointF p2{n.Points[2].X + dx, n.Points[2].Y + dy};
        g.DrawLine(pen, p0, apex);
        g.DrawLine(pen, apex, p2);
    }
}

}  // namespace orv
