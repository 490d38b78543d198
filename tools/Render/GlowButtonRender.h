#pragma once
// Renderer pictures of the glow button: states, layouts (anti-aliased and classic text),
// drop-down parts, groups, size states and glyphs at each size state.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> GlowButtonRenderItems();

}  // namespace orvtools
