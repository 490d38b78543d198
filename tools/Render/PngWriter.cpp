#include "tools/Render/PngWriter.h"

#include <windows.h>

#include <vector>

#include "paint/OrvGDIP.h"

// The few flat entry points the object layer does not wrap: encoder lookup and saving.
extern "C" {
struct TImageCodecInfo {
    CLSID Clsid;
    GUID FormatID;
    const WCHAR* CodecName;
    const WCHAR* DllName;
    const WCHAR* FormatDescription;
    const WCHAR* FilenameExtension;
    const WCHAR* MimeType;
    DWORD Flags;
    DWORD Version;
    DWORD SigCount;
    DWORD SigSize;
    const BYTE* SigPattern;
    const BYTE* SigMask;
};
int WINAPI GdipGetImageEncodersSize(UINT* count, UINT* size);
int WINAPI GdipGetImageEncoders(UINT count, UINT size, TImageCodecInfo* encoders);
int WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, INT format, BYTE* scan0, orv::GpImage** bitmap);
int WINAPI GdipSaveImageToFile(orv::GpImage* image, const WCHAR* fileName, const CLSID* encoder, const void* params);
}

namespace orvtools {

namespace {

bool FindPngEncoder(CLSID& clsid) {
    UINT count = 0, size = 0;
    if (GdipGetImageEncodersSize(&count, &size) != 0 || size == 0) return false;
    std::vector<BYTE> buffer(size);
    auto* encoders = reinterpret_cast<TImageCodecInfo*>(buffer.data());
    if (GdipGetImageEncoders(count, size, encoders) != 0) return false;
    for (UINT i = 0; i < count; ++i)
        if (lstrcmpiW(encoders[i].MimeType, L"image/png") == 0) {
            clsid = encoders[i].Clsid;
            return true;
        }
    return false;
}

}  // namespace

bool WritePng(orv::TBitmap& bitmap, const std::wstring& fileName, int zoom, std::wstring& error) {
    if (bitmap.Empty()) {
        error = L"nothing to write";
        return false;
    }
    if (zoom < 1) zoom = 1;
    int w = bitmap.Width() * zoom, h = bitmap.Height() * zoom;
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const uint32_t* row = bitmap.ScanLine(y / zoom);
        for (int x = 0; x < w; ++x) pixels[static_cast<size_t>(y) * w + x] = row[x / zoom] | 0xFF000000u;
    }
    CLSID png;
    if (!orv::StartGdiplus() || !FindPngEncoder(png)) {
        error = L"no PNG encoder";
        return false;
    }
    orv::GpImage* native = nullptr;
    int status = GdipCreateBitmapFromScan0(w, h, w * 4, orv::PixelFormat32bppARGB,
                                           reinterpret_cast<BYTE*>(pixels.data()), &native);
    orv::TGdipHandle<orv::GpImage> image(status == 0 ? native : nullptr);
    if (!image) {
        error = L"cannot make the image (status " + std::to_wstring(status) + L")";
        return false;
    }
    status = GdipSaveImageToFile(image.Get(), fileName.c_str(), &png, nullptr);
    if (status != 0) {
        error = L"cannot write " + fileName + L" (status " + std::to_wstring(status) + L")";
        return false;
    }
    return true;
}

}  // namespace orvtools
