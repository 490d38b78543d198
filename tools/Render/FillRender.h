#pragma once
// Renderer pictures of the fill descriptor: gradient kinds, rounding types, glow modes,
// shadow and focus, picture positions, and the status badge.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> FillRenderItems();

}  // namespace orvtools
