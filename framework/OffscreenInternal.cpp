#include "framework/OffscreenInternal.h"

#include <atomic>

namespace orv::detail {

namespace {
std::atomic<int> gFailures{0};

bool Failing() {
    return gFailures.load(std::memory_order_relaxed) > 0;
}
}  // namespace

HDC CreateOffscreenDC(HDC reference) {
    return Failing() ? nullptr : CreateCompatibleDC(reference);
}

HBITMAP CreateOffscreenBitmap(HDC reference, int width, int height) {
    return Failing() ? nullptr : CreateCompatibleBitmap(reference, width, height);
}

HBITMAP CreateOffscreenDIB(HDC reference, int width, int height, void** bits) {
    if (bits) *bits = nullptr;
    if (Failing()) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(reference, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

TOffscreenFailure::TOffscreenFailure() {
    ++gFailures;
}

TOffscreenFailure::~TOffscreenFailure() {
    --gFailures;
}

}  // namespace orv::detail
