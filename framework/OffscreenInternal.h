#pragma once
// Internal to the library, not part of its face: the off-screen surfaces painting makes
// (a window's back buffer, a kept face) all come from here, so a test can make them fail
// the way they fail near the process's handle quota. Whoever asks paints directly when
// the answer is null, and asks again at the next paint.
#include <windows.h>

namespace orv::detail {

// CreateCompatibleDC.
HDC CreateOffscreenDC(HDC reference);
// CreateCompatibleBitmap.
HBITMAP CreateOffscreenBitmap(HDC reference, int width, int height);
// A 32-bit top-down DIB section of width x height (CreateDIBSection); bits receives its
// pixels, or null.
HBITMAP CreateOffscreenDIB(HDC reference, int width, int height, void** bits);

// While one lives, the three above answer null (on every thread).
class TOffscreenFailure {
public:
    TOffscreenFailure();
    ~TOffscreenFailure();
    TOffscreenFailure(const TOffscreenFailure&) = delete;
    TOffscreenFailure& operator=(const TOffscreenFailure&) = delete;
};

}  // namespace orv::detail
