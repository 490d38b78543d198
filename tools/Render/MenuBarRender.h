#pragma once
// Renderer pictures of a toolbar as a menu bar: a full-size bar in an MDI frame with the
// buttons of a maximised child (the restore button hot), and the same bar with a menu open.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> MenuBarRenderItems();

}  // namespace orvtools
