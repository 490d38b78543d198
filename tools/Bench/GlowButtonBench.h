#pragma once
// Benchmark rows of the glow button's paint.
namespace orvtools {

// Prints the median paint time of a 138 x 61 glow button in each state as a ratio to a
// FillRect of the same area, and the live GDI / GDI+ counts around 10,000 paints.
// Expects the paint and button units to be initialised.
void RunGlowButtonBench();

}  // namespace orvtools
