#pragma once
// The bytes of an image file as a read-only COM stream for the GDI+ decoder. The system's
// stream over global memory trusts the decoder's seeks: a decoder that seeks past the end
// (a BMP pixel offset or a TIFF strip offset beyond the data) then reads memory that is not
// the image's, and can crash the process. This stream never hands out a byte outside the
// data: a read at or past the end gives fewer bytes (none at all past it) and S_FALSE.
#include <cstddef>

struct IStream;

namespace orv {

// Takes ownership of a movable global memory block (HGLOBAL) that holds the size bytes of
// the image; the block is freed when the last reference to the stream (or a clone) goes.
// The stream starts at position 0 with one reference. Returns null when the block cannot
// be locked (the block is freed then too).
IStream* NewBoundedImageStream(void* globalBlock, size_t size);

// Streams of this kind alive now, clones included (tests prove a decode released its own).
int ImageStreamLiveCount();

}  // namespace orv
