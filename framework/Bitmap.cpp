#include "framework/Bitmap.h"

#include <cstring>

#include "framework/SysUtils.h"

namespace orv {

void TBitmapCanvas::CreateHandle() {
    if (!FBitmap.FHandle) return;
    FDC.Reset(CreateCompatibleDC(nullptr));
    FOldBitmap = SelectObject(FDC.Get(), FBitmap.FHandle.Get());
    SetHandle(FDC.Get());
}

void TBitmapCanvas::FreeHandle() {
    if (!FDC) return;
    ReleaseObjects();
    SelectObject(FDC.Get(), FOldBitmap);
    FOldBitmap = nullptr;
    FDC.Reset();
}

TBitmap::TBitmap() = default;
TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}
TBitmap::~TBitmap() {
    if (FCanvas) FCanvas->FreeHandle();
}

TCanvas& TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return *FCanvas;
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    if (width == FWidth && height == FHeight) return;
    if (FCanvas) FCanvas->FreeHandle();
    FHandle.Reset();
    FBits = nullptr;
    FWidth = width;
    FHeight = height;
    if (width > 0 && height > 0) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = width;
        bi.bmiHeader.biHeight = -height;  // top-down
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        FHandle.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!FHandle) {
            FWidth = FHeight = 0;
            throw EOutOfResources(L"Out of system resources");
        }
        FBits = static_cast<uint32_t*>(bits);
        std::memset(FBits, 0, static_cast<size_t>(width) * height * 4);
    }
    Changed();
}

uint32_t* TBitmap::ScanLine(int y) {
    if (!FBits || y < 0 || y >= FHeight) return nullptr;
    GdiFlush();
    return FBits + static_cast<size_t>(y) * FWidth;
}

TColor TBitmap::PixelColor(int x, int y) const {
    if (!FBits || x < 0 || y < 0 || x >= FWidth || y >= FHeight) return clNone;
    GdiFlush();
    uint32_t p = FBits[static_cast<size_t>(y) * FWidth + x];
    return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

TColor TBitmap::GetTransparentColor() const {
    if (FTransparentColor == clDefault) return Empty() ? clNone : PixelColor(0, FHeight - 1);
    return FTransparentColor;
}

void TBitmap::SetTransparentColor(TColor value) {
    if (FTransparentColor == value) return;
    FTransparentColor = value;
    Changed();
}

void TBitmap::Assign(const TPersistent* source) {
    if (auto* b = dynamic_cast<const TBitmap*>(source)) {
        if (b == this) return;
        SetSize(b->FWidth, b->FHeight);
        if (FBits && b->FBits) {
            GdiFlush();
            std::memcpy(FBits, b->FBits, static_cast<size_t>(FWidth) * FHeight * 4);
        }
        FTransparent = b->FTransparent;
        FTransparentColor = b->FTransparentColor;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty()) return;
    HDC dest = canvas.Handle();
    HDC src = Canvas().Handle();
    if (!dest || !src) return;
    if (FTransparent) {
        TransparentBlt(dest, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, FWidth, FHeight,
                       ToColorRef(GetTransparentColor()));
    } else {
        SetStretchBltMode(dest, COLORONCOLOR);
        StretchBlt(dest, r.Left, r.Top, r.Width(), r.Height(), src, 0, 0, FWidth, FHeight, SRCCOPY);
    }
}

}  // namespace orv
