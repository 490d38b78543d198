#pragma once
// Benchmark row of the list items' paint.
namespace orvtools {

// Prints the median paint time of a 190 x 40 wedge item in its selected state (notch,
// border, glow, caption and picture) as a ratio to a FillRect of the same area, and the
// live GDI / GDI+ counts around 10,000 paints. Expects the paint units to be initialised.
void RunItemBench();

}  // namespace orvtools
