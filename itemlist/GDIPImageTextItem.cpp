#include "itemlist/GDIPImageTextItem.h"

#include <cmath>

#include "framework/ImageList.h"
#include "paint/GDIPPictureContainer.h"
#include "paint/OrvPictureDraw.h"

namespace orv {

namespace {

constexpr uint32_t kImageTextItemVersion = (1u << 24) | (0u << 16) | (0u << 8) | 0u;

}  // namespace

TImageTextItem::TImageTextItem(TComponent* owner) : TTextItem(owner) {
    FImage.OnChange = TNotifyEvent::Bind(this, &TImageTextItem::ImageChanged);
}

uint32_t TImageTextItem::GetVersionNr() const {
    return kImageTextItemVersion;
}

TCustomItem* TImageTextItem::CreateNewItem(TComponent* owner) const {
    return Make<TImageTextItem>(owner);
}

// Only an item placed interactively in a designer shows the sample picture (see
// TCustomItem::AfterConstruction).
void TImageTextItem::InitDesignTime() {
    LoadPictureFromResource(L"PLACEHOLDER", FImage);
}

void TImageTextItem::Assign(const TPersistent* source) {
    BeginUpdate();
    TTextItem::Assign(source);
    if (auto* s = dynamic_cast<const TImageTextItem*>(source)) {
        FImage.Assign(&s->FImage);
        SetImageWidth(s->FImageWidth);
        SetImageHeight(s->FImageHeight);
        SetImageVisible(s->FImageVisible);
        SetSpacing(s->FSpacing);
        SetImageName(s->FImageName);
        SetImageIndex(s->FImageIndex);
    }
    EndUpdate();
}

void TImageTextItem::SetImageHeight(int32_t value) {
    StoreValue(FImageHeight, value);
}
void TImageTextItem::SetImageWidth(int32_t value) {
    StoreValue(FImageWidth, value);
}
void TImageTextItem::SetImageVisible(bool value) {
    StoreValue(FImageVisible, value);
}
void TImageTextItem::SetImageIndex(int32_t value) {
    StoreValue(FImageIndex, value);
}
void TImageTextItem::SetImageName(const std::wstring& value) {
    StoreValue(FImageName, value);
}
void TImageTextItem::SetSpacing(int32_t value) {
    StoreValue(FSpacing, value);
}

bool TImageTextItem::IsImageIndexLinked(TCustomAction* action) {
    return action && FImageIndex == action->GetImageIndex();
}

void TImageTextItem::ActionChange(TObject* sender, bool checkDefaults) {
    TTextItem::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    if (!action) return;
    if (!checkDefaults || FImageIndex == -1) SetImageIndex(action->GetImageIndex());
}

bool TImageTextItem::IsImageVisible(const TItemAppearance& appearance) {
    bool visible = !FImage.Empty();
    if (appearance.ImageList)
        visible = visible || (FImageIndex >= 0 && FImageIndex <= appearance.ImageList->Count() - 1);
    if (appearance.PictureContainer)
        visible = visible || (appearance.PictureContainer->FindPicture(FImageName) && !FImageName.empty());
    return visible && FImageVisible;
}

TGPRectF TImageTextItem::DrawText(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance, bool doText) {
    TGPRectF box = r;
    if (IsImageVisible(appearance)) {
        float shift = static_cast<float>(FImageWidth + FSpacing);
        box.X += shift;
        box.Width -= shift;
    }
    return TTextItem::DrawText(g, box, appearance, doText);
}

bool TImageTextItem::DrawImageListImage(TGPGraphics& g, const TGPRectF& r, int index,
                                        const TItemAppearance& appearance) {
    TImageList* list = appearance.ImageList;
    if (!list || index < 0 || index >= list->Count()) return false;
    // The list image goes through an off-screen ARGB bitmap of the list's size (keyed by
    // its bottom-left pixel, as every list glyph of the library), then scaled into r.
    TGPBitmap bitmap(list->GetWidth(), list->GetHeight(), PixelFormat32bppARGB);
    {
        TGPGraphics offscreen(bitmap);
        offscreen.Clear(0);
        ::orv::DrawImageListImage(&offscreen, TPoint{0, 0}, list, index, GetEnabled());
    }
    g.DrawImage(bitmap, r);
    return true;
}

bool TImageTextItem::DrawContainerImage(TGPGraphics& g, const TGPRectF& r, const std::wstring& name,
                                        const TItemAppearance& appearance) {
    if (!appearance.PictureContainer || name.empty()) return false;
    TOrvGDIPPicture* picture = appearance.PictureContainer->FindPicture(name);
    if (!picture) return false;
    picture->GDIPDraw(g, r);
    return true;
}

void TImageTextItem::DrawImage(TGPGraphics& g, const TGPRectF& r, const TItemAppearance& appearance) {
    if (!FImageVisible) return;
    TGPRectF box = MakeRect(r.X + FSpacing, r.Y + (r.Height - FImageHeight) / 2, static_cast<float>(FImageWidth),
                            static_cast<float>(FImageHeight));
    if (!FImage.Empty()) FImage.GDIPDraw(g, box);
    DrawImageListImage(g, box, FImageIndex, appearance);
    DrawContainerImage(g, box, FImageName, appearance);
}

void TImageTextItem::DrawInRect(TGPGraphics& g, const TItemAppearance& appearance, const TGPRectF& r) {
    if (!GetVisible()) return;
    DoItemStartDraw(g, r);
    DoInternalItemStartDraw(g, r);
    TTextItem::DrawInRect(g, appearance, r);
    DrawImage(g, r, appearance);
    DoItemEndDraw(g, r);
    DoInternalItemEndDraw(g, r);
}

}  // namespace orv
