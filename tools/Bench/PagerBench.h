#pragma once
// Benchmark rows of the pager.
namespace orvtools {

// Prints the paint of a real 681 x 149 pager window with five tabs and one tab group (off
// glass; the pager, its page and caption buttons) as a ratio to a FillRect of its area; the
// live GDI, GDI+ and window counts around 10,000 paints and 1,000 collapse and pop-up
// cycles; and one tab layout pass of 20 tabs in a pager too narrow for them as a ratio to
// measuring the 20 captions.
void RunPagerBench();

}  // namespace orvtools
