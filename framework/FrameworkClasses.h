#pragma once
// Published properties of the framework's own classes, for stored layouts.
#include "framework/ClassRegistry.h"

namespace orv {

void RegisterFrameworkClasses();

extern const TEnumInfo kAlignIdents;
extern const TEnumInfo kAnchorIdents;
extern const TEnumInfo kFontStyleIdents;

}  // namespace orv
