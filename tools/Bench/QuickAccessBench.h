#pragma once
// Benchmark rows of the quick access toolbar.
namespace orvtools {

// The strip in the caption off glass with eight toolbar buttons: one paint of the capsule
// and its buttons as a ratio to a FillRect of its area, with the live GDI, GDI+ and window
// counts around 10,000 paints; narrowing the pager by one pixel 200 times (each step
// re-lays out the strip and checks its overflow) as a ratio to 200 positioning passes of
// the strip alone; and 1,000 open and close cycles of the overflow window with the live
// GDI, GDI+, window, component and hook counts before and after.
void RunQuickAccessBench();

}  // namespace orvtools
