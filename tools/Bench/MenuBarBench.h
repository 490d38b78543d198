#pragma once
// Benchmark row of the toolbar as a menu bar.
namespace orvtools {

// Opens and closes the menus of a menu bar's buttons 1,000 times (the sub-items moved
// into the temporary popup and back, the message filter installed and removed): the time
// of one cycle as a ratio to one positioning pass of the bar, and the live GDI, GDI+,
// window, component and hook counts before and after.
void RunMenuBarBench();

}  // namespace orvtools
