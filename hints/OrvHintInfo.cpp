#include "hints/OrvHintInfo.h"

#include "paint/GDIPPicture.h"

namespace orv {

TOrvHintInfo::TOrvHintInfo() : FPicture(std::make_unique<TGDIPPicture>()) {}
TOrvHintInfo::~TOrvHintInfo() = default;

void TOrvHintInfo::SetPicture(const TGDIPPicture* value) {
    FPicture->Assign(value);
}

void TOrvHintInfo::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TOrvHintInfo*>(source);
    if (!other || other == this) return;
    FTitle = other->FTitle;
    FNotes = other->FNotes;
    FShowHelp = other->FShowHelp;
    FPicture->Assign(other->FPicture.get());
    FWideTitle = other->FWideTitle;
    FWideNotes = other->FWideNotes;
}

}  // namespace orv
