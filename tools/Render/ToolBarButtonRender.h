#pragma once
// Renderer pictures of the toolbar's light-weight controls: toolbar buttons in each state
// and glyph position (flat and rotated), split drop-down parts, menu buttons and separators.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ToolBarButtonRenderItems();

}  // namespace orvtools
