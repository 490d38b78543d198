#include "hints/HintsClasses.h"

#include "framework/ClassRegistry.h"
#include "hints/OrvHintInfo.h"
#include "paint/GDIPPicture.h"
#include "paint/PaintClasses.h"

namespace orv {

void RegisterHintClasses() {
    if (TClassRegistry::Find(L"TOrvHintInfo")) return;
    // The record's picture is read through the picture classes' own table.
    if (!TClassRegistry::Find(L"TGDIPPicture")) RegisterPaintClasses();
    TClassBuilder<TOrvHintInfo>(L"TOrvHintInfo", L"TPersistent")
        .String(L"Title", &TOrvHintInfo::GetTitle, &TOrvHintInfo::SetTitle)
        .Strings(L"Notes", &TOrvHintInfo::GetNotes, &TOrvHintInfo::SetNotes)
        .Object(L"Picture", [](TOrvHintInfo* h) -> TGDIPPicture& { return h->Picture(); })
        .Bool(L"ShowHelp", &TOrvHintInfo::GetShowHelp, &TOrvHintInfo::SetShowHelp);
}

}  // namespace orv
