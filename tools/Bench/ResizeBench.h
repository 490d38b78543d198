#pragma once
// Benchmark rows of live resizing.
namespace orvtools {

// Drags the right edge of the program's main window, and of a form with a pager whose
// page holds five toolbars, from 1,200 to 300 pixels and back in 10-pixel steps (each
// step: the new size, the queued messages handled, an immediate repaint of the window and
// its children), and prints the median and 95th percentile step time beside a bare
// window resized the same way, with GDI, GDI+, window and component counts around it.
void RunResizeBench();

}  // namespace orvtools
