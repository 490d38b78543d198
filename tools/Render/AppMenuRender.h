#pragma once
// Renderer pictures of the application menu's panel in several presets.
#include <vector>

#include "tools/Render/RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> AppMenuRenderItems();

}  // namespace orvtools
