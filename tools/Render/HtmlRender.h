#pragma once
// Renderer pictures of rich panel text: a page of every tag on a gradient body, and one-line
// panel strips as the status bar shows them.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> HtmlRenderItems();

}  // namespace orvtools
