#pragma once
// Benchmark rows of the items containers.
namespace orvtools {

// Prints: a 413 x 395 poly list with three text items and a 161 x 395 poly menu with
// nine items, each painted as a ratio to a FillRect of the same area; a list of 1,000
// items scrolled to the middle against one of ten; one change pass over 1,000 items
// against setting X and Y of the same items; live GDI / GDI+ counts around 10,000
// paints. Expects the item list units to be initialised.
void RunListBench();

}  // namespace orvtools
