#pragma once
// Renderer pictures of the program's main window as read from its layout: as it opens,
// and with "File" pressed, the backstage frame open over it and an entry chosen.
#include <vector>

#include "RenderCatalog.h"

namespace orvtools {

std::vector<TRenderItem> ProgramRenderItems();

}  // namespace orvtools
