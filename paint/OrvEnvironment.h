#pragma once
// Queries that choose between themed, composited and classic painting.

namespace orv {

// The loaded common-controls library is version 6 or later.
bool VisualStylesAvailable();
// Desktop composition is on; false when the composition library or entry is missing.
bool CompositionEnabled();
// The kernel has the locale functions that arrived with Vista.
bool IsVistaOrLater();

}  // namespace orv
