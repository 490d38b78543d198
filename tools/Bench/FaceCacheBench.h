#pragma once
// Bench row of the face cache: what a full cache costs in GDI handles.
namespace orvtools {

void RunFaceCacheBench();

}  // namespace orvtools
