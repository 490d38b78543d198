#pragma once
// Benchmark rows of the toolbar button's paint.
namespace orvtools {

// Prints the median paint time of a 48 x 22 toolbar button (glyph and caption) in each
// state as a ratio to a FillRect of the same area, and the live GDI / GDI+ counts around
// 10,000 paints. Expects the paint and toolbar units to be initialised.
void RunToolBarButtonBench();

}  // namespace orvtools
