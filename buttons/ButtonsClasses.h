#pragma once
// Enumeration names the glow button publishes and the application button shares.
#include "framework/ClassRegistry.h"

namespace orv {

extern const TEnumInfo kAntiAliasIdents;
extern const TEnumInfo kShortCutHintPosIdents;

}  // namespace orv
