#include "toolbar/CustomizerSettings.h"

namespace orv {

void TButtonProperties::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TButtonProperties*>(source);
    if (!s) return TPersistent::Assign(source);
    FCaption = s->FCaption;
    FGlyph = s->FGlyph;
    FHint = s->FHint;
    FVisible = s->FVisible;
    FShowCaption = s->FShowCaption;
    OnChange(this);
}

void TCustomizedOptions::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TCustomizedOptions*>(source);
    if (!s) return TPersistent::Assign(source);
    FReOrder = s->FReOrder;
    FAddButton = s->FAddButton;
    FAddSeparator = s->FAddSeparator;
    FAddGlowButton = s->FAddGlowButton;
    FDelete = s->FDelete;
    FDeleteAll = s->FDeleteAll;
    FEditButton = s->FEditButton;
    OnChange(this);
}

void TDialogSettings::Assign(const TPersistent* source) {
    auto* s = dynamic_cast<const TDialogSettings*>(source);
    if (!s) return TPersistent::Assign(source);
#define ORV_DIALOG_TEXT_COPY(Name, Default) F##Name = s->F##Name;
    ORV_DIALOG_TEXTS(ORV_DIALOG_TEXT_COPY)
#undef ORV_DIALOG_TEXT_COPY
    FEditGlyph = s->FEditGlyph;
    FEditGlyphVisible = s->FEditGlyphVisible;
    FEditCaption = s->FEditCaption;
    FEditGlyphPosition = s->FEditGlyphPosition;
    FLargeIcon = s->FLargeIcon;
    OnChange(this);
}

}  // namespace orv
