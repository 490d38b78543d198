#pragma once

namespace orvtools {

// The status bar: a 681 x 19 repaint against a FillRect of its area, 1,000 ticks with an
// unchanged clock, and live handle counts around 10,000 paints and ticks.
void RunStatusBarBench();

}  // namespace orvtools
