#pragma once
// Renderer pictures of the toolbar: a page toolbar with its caption, and a compacted
// toolbar with its clone.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ToolBarPageRenderItems();

}  // namespace orvtools
