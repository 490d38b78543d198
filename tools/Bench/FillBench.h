#pragma once
// Bench rows of the fill descriptor.
namespace orvtools {

void RunFillBench();

}  // namespace orvtools
