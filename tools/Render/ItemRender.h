#pragma once
// Renderer pictures of the list items: text, image-text and wedge items in each state.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ItemRenderItems();

}  // namespace orvtools
