#pragma once
// Real input for pictures of live windows: the pointer and the left button go through
// the system's input queue, as a user's would, and messages are pumped meanwhile.
#include "framework/Bitmap.h"
#include "framework/Types.h"

namespace orvtools {

// Dispatches messages for about milliseconds.
void Pump(int milliseconds);
// Puts the pointer at a screen point, then pumps briefly.
void MouseTo(orv::TPoint screen);
// Presses or releases the left button where the pointer is, then pumps briefly.
void MouseButton(bool down);
// Copies a screen rectangle (the windows as they show there) into bmp at (0, 0).
void CopyScreen(orv::TBitmap& bmp, orv::TPoint origin);

}  // namespace orvtools
