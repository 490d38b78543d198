#pragma once
// Renderer pictures of the styled menus.
#include <vector>

#include "tools/Render/RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> MenuRenderItems();

}  // namespace orvtools
