#pragma once
// Renderer pictures of the glow button: states, layouts, drop-down parts, groups and
// size states.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> GlowButtonRenderItems();

}  // namespace orvtools
