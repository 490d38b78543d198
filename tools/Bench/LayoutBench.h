#pragma once

namespace orvtools {

// Reading a layout of 40 pictures of 32 x 32, as a ratio to reading the same layout
// without their data.
void RunPictureLayoutBench();

}  // namespace orvtools
