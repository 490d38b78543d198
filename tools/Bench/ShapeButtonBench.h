#pragma once
// Benchmark rows of the application (shape) button and its frame window.
namespace orvtools {

// Prints the median paint time of a 55 x 24 shape button in each look as a ratio to a
// FillRect of the same area; the time from the delayed show to the end of the frame's
// first paint as a ratio to one repaint of the shown frame; and the live GDI, GDI+ and
// window counts around 100 open and close cycles and 10,000 paints.
void RunShapeButtonBench();

}  // namespace orvtools
