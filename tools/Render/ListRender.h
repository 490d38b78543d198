#pragma once
// Renderer pictures of the items containers: a poly list and a poly menu in each style,
// with normal, hovered, down and selected items, and the scroll handles and drop marker.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ListRenderItems();

}  // namespace orvtools
