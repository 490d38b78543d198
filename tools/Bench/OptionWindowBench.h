#pragma once
// Benchmark row of the toolbar's option window.
namespace orvtools {

// Opens and closes the option window of a short docked toolbar (hidden buttons, a
// separator copy, both command items) 1,000 times: the time of one cycle as a ratio to
// one positioning pass of the toolbar, and the live GDI, GDI+, window and component
// counts before and after.
void RunOptionWindowBench();

}  // namespace orvtools
