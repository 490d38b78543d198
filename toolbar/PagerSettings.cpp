#include "toolbar/PagerSettings.h"

#include <algorithm>

#include "toolbar/OrvStyleIF.h"

namespace orv {

// --- caption -------------------------------------------------------------------------------

void TOrvPageCaption::Assign(const TPersistent* source) {
    auto* src = dynamic_cast<const TOrvPageCaption*>(source);
    if (!src) {
        TPersistent::Assign(source);
        return;
    }
    FCaption = src->FCaption;
    FVisible = src->FVisible;
    FHeight = src->FHeight;
    FIndent = src->FIndent;
    FMinWidth = src->FMinWidth;
    Changed();
}

void TOrvPageCaption::SetCaption(const std::wstring& value) {
    if (FCaption == value) return;
    FCaption = value;
    Changed();
}

void TOrvPageCaption::SetVisible(bool value) {
    if (FVisible == value) return;
    FVisible = value;
    Changed();
}

void TOrvPageCaption::SetHeight(int value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

void TOrvPageCaption::SetIndent(int value) {
    if (FIndent == value) return;
    FIndent = value;
    Changed();
}

void TOrvPageCaption::SetMinWidth(int value) {
    if (FMinWidth == value) return;
    FMinWidth = value;
    Changed();
}

// --- tab settings --------------------------------------------------------------------------

void TOTBTabSettings::Store(int& field, int value) {
    if (field == value) return;
    field = value;
    OnChange(this);
}

void TOTBTabSettings::Assign(const TPersistent* source) {
    auto* src = dynamic_cast<const TOTBTabSettings*>(source);
    if (!src) {
        TPersistent::Assign(source);
        return;
    }
    SetLeftMargin(src->FLeftMargin);
    SetRightMargin(src->FRightMargin);
    SetHeight(src->FHeight);
    SetStartMargin(src->FStartMargin);
    SetEndMargin(src->FEndMargin);
}

void TOTBTabSettings::SetLeftMargin(int value) {
    Store(FLeftMargin, value);
}
void TOTBTabSettings::SetRightMargin(int value) {
    Store(FRightMargin, value);
}
void TOTBTabSettings::SetStartMargin(int value) {
    Store(FStartMargin, value);
}
void TOTBTabSettings::SetEndMargin(int value) {
    Store(FEndMargin, value);
}
void TOTBTabSettings::SetHeight(int value) {
    Store(FHeight, value);
}
void TOTBTabSettings::SetSpacing(int value) {
    Store(FSpacing, value);
}

bool TOTBTabSettings::GetOffice2010Look() const {
    return Office2010Look;
}

void TOTBTabSettings::SetOffice2010Look(bool value) {
    if (Office2010Look == value) return;
    Office2010Look = value;
    OnGlassChange(this);
}

TTabSettingsValues TOTBTabSettings::Values() const {
    return {FSpacing, FLeftMargin, FRightMargin, MinSpacing, MinMargin};
}

// --- tab groups ----------------------------------------------------------------------------

TTabGroupItem::TTabGroupItem(TCollection* collection)
    : TCollectionItem(collection), FGroupAppearance(std::make_unique<TGroupAppearance>()) {
    FGroupAppearance->OnChange = [this](TObject*) { Changed(false); };
}

void TTabGroupItem::Assign(const TPersistent* source) {
    auto* src = dynamic_cast<const TTabGroupItem*>(source);
    if (!src) {
        TCollectionItem::Assign(source);
        return;
    }
    FCaption = src->FCaption;
    FCaptionAlignment = src->FCaptionAlignment;
    FDefaultAppearance = src->FDefaultAppearance;
    FImageIndex = src->FImageIndex;
    FTabIndexStart = src->FTabIndexStart;
    FTabIndexEnd = src->FTabIndexEnd;
    FGroupAppearance->Assign(src->FGroupAppearance.get());
    Changed(false);
}

void TTabGroupItem::SetCaption(const std::wstring& value) {
    Store(FCaption, value);
}
void TTabGroupItem::SetCaptionAlignment(TTextAlignment value) {
    Store(FCaptionAlignment, value);
}
void TTabGroupItem::SetDefaultAppearance(bool value) {
    Store(FDefaultAppearance, value);
}
void TTabGroupItem::SetImageIndex(int value) {
    Store(FImageIndex, value);
}
void TTabGroupItem::SetTabIndexStart(int value) {
    Store(FTabIndexStart, value);
}
void TTabGroupItem::SetTabIndexEnd(int value) {
    Store(FTabIndexEnd, value);
}

bool TTabGroupItem::PageRange(int pageCount, int& first, int& last) const {
    // A reversed range or one that ends before the first page spans nothing.
    if (FTabIndexEnd < 0 || FTabIndexStart > FTabIndexEnd) return false;
    first = std::max(0, FTabIndexStart);
    last = std::min(FTabIndexEnd, pageCount - 1);
    return first <= last;
}

int TTabGroups::GroupOfPage(int pageIndex) const {
    for (int i = 0; i < Count(); ++i) {
        const TTabGroupItem* g = Items(i);
        if (g->GetTabIndexStart() <= pageIndex && pageIndex <= g->GetTabIndexEnd()) return i;
    }
    return -1;
}

void TTabGroups::Update(TCollectionItem* item) {
    TTypedCollection<TTabGroupItem>::Update(item);
    OnChange(this);
}

}  // namespace orv
