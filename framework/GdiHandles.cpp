#include "framework/GdiHandles.h"

#include <array>

namespace orv {

namespace {
// Painting runs on the one UI thread, so plain counters suffice.
std::array<int, static_cast<size_t>(TGdiKind::Count)> gLive{};
}  // namespace

int GdiLiveCount(TGdiKind kind) {
    return gLive[static_cast<size_t>(kind)];
}

int GdiLiveTotal() {
    int total = 0;
    for (int n : gLive) total += n;
    return total;
}

namespace detail {
void GdiCountUp(TGdiKind kind) {
    ++gLive[static_cast<size_t>(kind)];
}
void GdiCountDown(TGdiKind kind) {
    --gLive[static_cast<size_t>(kind)];
}
}  // namespace detail

TWindowDC::TWindowDC(HWND window) : FWindow(window), FDC(GetDC(window)) {
    if (FDC) detail::GdiCountUp(TGdiKind::WindowDC);
}

TWindowDC::~TWindowDC() {
    if (FDC) {
        ReleaseDC(FWindow, FDC);
        detail::GdiCountDown(TGdiKind::WindowDC);
    }
}

}  // namespace orv
