#pragma once
// Renderer pictures of the toolbar customizer's dialog and its button editor.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> CustomizerRenderItems();

}  // namespace orvtools
