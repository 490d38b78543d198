#pragma once
// Benchmark rows of the dock panel: its paint, the bounds filter, and floating and
// docking again.
namespace orvtools {

// Prints the paint of a dock panel of three rows of four toolbars as a ratio to a
// FillRect of its area (alone, and with its toolbars), 1,000 moves of a docked toolbar
// through the bounds filter as a ratio to 1,000 plain moves of an undocked toolbar, and
// the live GDI, GDI+, window and component counts around 100 float-and-dock cycles and
// 10,000 paints.
void RunDockPanelBench();

}  // namespace orvtools
