#include "framework/Bitmap.h"

#include <algorithm>
#include <cstring>

#include "framework/ImageFormats.h"
#include "framework/Resources.h"
#include "framework/Streams.h"
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
        FPixelFormat = b->FPixelFormat;
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

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (FPixelFormat == value) return;
    FPixelFormat = value;
    if (FBits) {
        GdiFlush();
        size_t count = static_cast<size_t>(FWidth) * FHeight;
        for (size_t i = 0; i < count; ++i)
            FBits[i] = value == pf24bit ? (FBits[i] & 0x00FFFFFF) : (FBits[i] | 0xFF000000);
    }
    Changed();
}

// --- BMP files and resources ---------------------------------------------------------------

void TBitmap::LoadDecoded(const TDecodedBitmap& decoded) {
    SetSize(decoded.Width, decoded.Height);
    if (FBits) {
        GdiFlush();
        std::memcpy(FBits, decoded.Pixels.data(), decoded.Pixels.size() * sizeof(uint32_t));
    }
    FPixelFormat = decoded.BitsPerPixel == 32 ? pf32bit : pf24bit;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
    int64_t start = stream.GetPosition();
    int64_t remaining = stream.GetSize() - start;
    if (remaining <= 0) {
        SetSize(0, 0);
        return;
    }
    // The headers first (the largest info header and its colour masks), then exactly as
    // many bytes as they say the file takes.
    constexpr int64_t kHeadersMax = kBmpFileHeaderSize + 124 + 16;
    std::vector<uint8_t> bytes(static_cast<size_t>(std::min(remaining, kHeadersMax)));
    stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    size_t extent = BmpFileExtent(bytes.data(), bytes.size());
    if (static_cast<int64_t>(extent) > remaining)
        throw EInvalidGraphic(L"Invalid bitmap: the file is truncated (" + IntToStr(remaining) + L" of " +
                              IntToStr(static_cast<long long>(extent)) + L" bytes)");
    size_t have = bytes.size();
    bytes.resize(extent);
    if (extent > have) stream.ReadBuffer(bytes.data() + have, static_cast<int64_t>(extent - have));
    TDecodedBitmap decoded = DecodeBmpFile(bytes.data(), bytes.size());
    stream.SetPosition(start + static_cast<int64_t>(extent));
    LoadDecoded(decoded);
}

void TBitmap::SaveToStream(TStream& stream) const {
    std::vector<uint8_t> bytes = GetData();
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TBitmap::LoadFromFile(const std::wstring& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TBitmap::SaveToFile(const std::wstring& fileName) const {
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

void TBitmap::LoadFromResourceName(HINSTANCE__* module, const std::wstring& name) {
    TResourceBytes bytes = FindResourceBytes(module, name.c_str(), RT_BITMAP);
    if (!bytes) throw EResNotFound(L"Resource " + name + L" not found");
    LoadDecoded(DecodeDib(bytes.Data, bytes.Size));
}

void TBitmap::LoadFromResourceID(HINSTANCE__* module, int id) {
    TResourceBytes bytes = FindResourceBytes(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    if (!bytes) throw EResNotFound(L"Resource " + IntToStr(id) + L" not found");
    LoadDecoded(DecodeDib(bytes.Data, bytes.Size));
}

std::vector<uint8_t> TBitmap::GetData() const {
    if (!FBits) return {};
    GdiFlush();
    return EncodeBmpFile(FWidth, FHeight, FBits, FPixelFormat == pf24bit ? 24 : 32);
}

void TBitmap::SetData(const std::vector<uint8_t>& data) {
    if (data.empty()) {
        SetSize(0, 0);
        return;
    }
    LoadDecoded(DecodeBmpFile(data.data(), data.size()));
}

}  // namespace orv
