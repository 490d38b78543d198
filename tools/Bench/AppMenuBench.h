#pragma once
// Bench rows of the application menu: a panel paint and its layout pass, with live GDI,
// GDI+, window and thread-hook counts around many paints and show/hide cycles.
namespace orvtools {

void RunAppMenuBench();

}  // namespace orvtools
