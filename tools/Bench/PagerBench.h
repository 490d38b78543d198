#pragma once
// Benchmark row of the pager's painting.
namespace orvtools {

// Prints the paint of a 681 x 149 pager strip with five tabs and one tab group (off glass,
// from its paint record) as a ratio to a FillRect of its area, and the live GDI and GDI+
// counts around 10,000 paints.
void RunPagerBench();

}  // namespace orvtools
