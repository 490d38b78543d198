#pragma once
// Benchmark rows of the page toolbar: its paint, and a shrink-and-grow cycle of a page.
namespace orvtools {

// Prints the paint of a page toolbar with caption and seven glow buttons as a ratio to
// a FillRect of its area, one full-width-to-compact-and-back cycle of a page of five
// toolbars as a ratio to one positioning pass of them, and the live GDI, GDI+ and
// component counts around 10,000 paints and 1,000 cycles.
void RunToolBarBench();

}  // namespace orvtools
