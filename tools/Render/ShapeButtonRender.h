#pragma once
// Renderer pictures of the application (shape) button: each shape in each look, the
// Office 2010 rectangle, the menu glyph, picture layouts and the frame window's strip.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ShapeButtonRenderItems();

}  // namespace orvtools
