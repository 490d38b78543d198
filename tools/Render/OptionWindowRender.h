#pragma once
// Renderer pictures of a toolbar's option window: the controls it took off a short
// toolbar with a separator copy and both command items, and its check list opened.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> OptionWindowRenderItems();

}  // namespace orvtools
