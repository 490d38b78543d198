#pragma once
// Renderer pictures of the picture routines: natural size whatever the stored resolution,
// colour keys by picture kind, stretched bitmaps of both picture classes.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> PictureRenderItems();

}  // namespace orvtools
