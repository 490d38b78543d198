#pragma once
// The toolbar stylers' pictures for the renderer.
#include <vector>

#include "tools/Render/RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ToolBarRenderItems();

}  // namespace orvtools
