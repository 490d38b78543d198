#pragma once
// Renderer pictures of the quick access toolbar: the capsule in the caption and the
// full-size strip, each with an overflow and its window open, and the frame its glass
// look draws.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> QuickAccessRenderItems();

}  // namespace orvtools
