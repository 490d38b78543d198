#include "paint/OrvPictureDraw.h"

#include <cstring>
#include <optional>
#include <vector>

#include "framework/Bitmap.h"
#include "framework/ImageList.h"
#include "paint/GDIPPicture.h"
#include "paint/OrvGDIP.h"

namespace orv {

namespace {

// A decoded image with the COM stream it reads from (GDI+ reads lazily): the stream is
// declared first so it outlives the image.
struct TDecodedImage {
    explicit TDecodedImage(TComStream stream) : Stream(std::move(stream)), Image(Stream.Get()) {}
    TComStream Stream;
    TGPBitmap Image;
};

std::unique_ptr<TDecodedImage> DecodeBytes(const std::vector<uint8_t>& bytes) {
    if (bytes.empty()) return nullptr;
    auto decoded = std::make_unique<TDecodedImage>(CreateImageStream(bytes.data(), bytes.size()));
    if (decoded->Image.GetLoadStatus() != TStatus::Ok || !decoded->Image.Native()) return nullptr;
    return decoded;
}

// The bitmap as the bytes of a 32-bit top-down BMP file.
std::vector<uint8_t> BmpBytes(TBitmap& bitmap) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    size_t pixelBytes = static_cast<size_t>(bitmap.Width()) * bitmap.Height() * 4;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixelBytes);
    info.biSize = sizeof(info);
    info.biWidth = bitmap.Width();
    info.biHeight = -bitmap.Height();
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    std::vector<uint8_t> bytes(file.bfSize);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memcpy(bytes.data() + file.bfOffBits + static_cast<size_t>(y) * bitmap.Width() * 4, bitmap.ScanLine(y),
                    static_cast<size_t>(bitmap.Width()) * 4);
    return bytes;
}

// Natural size at origin, the colour of pixel (keyX, keyY) transparent.
void DrawKeyed(TGPGraphics& graphics, TGPBitmap& image, TPoint origin, int keyX, int keyY) {
    int w = image.GetWidth(), h = image.GetHeight();
    ARGB key = 0;
    image.GetPixel(keyX, keyY, key);
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    graphics.DrawImage(image,
                       MakeRect(static_cast<float>(origin.X), static_cast<float>(origin.Y), static_cast<float>(w),
                                static_cast<float>(h)),
                       0, 0, static_cast<float>(w), static_cast<float>(h), UnitPixel, &attributes);
}

bool IsBitmapFormat(TGPBitmap& image) {
    TGPImageFormat format = image.GetFormat();
    return format == ifBMP || format == ifMemoryBMP;
}

// The caller's surface, or one made for the canvas (anti-aliased) for this call only.
class TSurfaceFor {
public:
    TSurfaceFor(TGPGraphics* graphics, TCanvas* canvas) : FGraphics(graphics) {
        if (!FGraphics && canvas && canvas->Handle()) {
            FOwn.emplace(canvas->Handle());
            FOwn->SetSmoothingMode(SmoothingModeAntiAlias);
            FGraphics = &*FOwn;
        }
    }
    TGPGraphics* Get() const { return FGraphics; }

private:
    std::optional<TGPGraphics> FOwn;
    TGPGraphics* FGraphics;
};

}  // namespace

void DrawImageListImage(TGPGraphics* graphics, TPoint origin, TImageList* imageList, int imageIndex, bool enabled) {
    if (!graphics || !imageList || imageIndex < 0 || imageIndex >= imageList->Count()) return;
    TBitmap offscreen(imageList->GetWidth(), imageList->GetHeight());
    // Magenta behind the image: the bottom-left key then never eats a black glyph.
    offscreen.Canvas().Brush().SetColor(clFuchsia);
    offscreen.Canvas().FillRect({0, 0, offscreen.Width(), offscreen.Height()});
    imageList->Draw(offscreen.Canvas(), 0, 0, imageIndex, enabled);
    auto decoded = DecodeBytes(BmpBytes(offscreen));
    if (decoded) DrawKeyed(*graphics, decoded->Image, origin, 0, offscreen.Height() - 1);
}

void DrawImageListImage(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TImageList* imageList, int imageIndex,
                        bool enabled) {
    if (!imageList || imageIndex < 0) return;
    TSurfaceFor surface(graphics, canvas);
    DrawImageListImage(surface.Get(), origin, imageList, imageIndex, enabled);
}

void DrawPictureAt(TGPGraphics* graphics, TPoint origin, TCustomGDIPPicture* picture) {
    if (!graphics || !picture || picture->Empty()) return;
    auto decoded = DecodeBytes(picture->GetData());
    if (!decoded) return;
    TGPBitmap& image = decoded->Image;
    if (IsBitmapFormat(image))
        DrawKeyed(*graphics, image, origin, 0, image.GetHeight() - 1);
    else
        graphics->DrawImage(image, origin.X, origin.Y);
}

void DrawPictureStretched(TGPGraphics* graphics, TCanvas* canvas, const TRect& rect, TCustomGDIPPicture* picture) {
    if (!picture || picture->Empty()) return;
    auto decoded = DecodeBytes(picture->GetData());
    if (!decoded) return;
    if (IsBitmapFormat(decoded->Image)) {
        if (!canvas) return;
        // The picture's own classic path: a bitmap with automatic transparency, stretched.
        decoded.reset();
        picture->Draw(*canvas, rect);
        return;
    }
    if (graphics) graphics->DrawImageRect(decoded->Image, rect.Left, rect.Top, rect.Width(), rect.Height());
}

void DrawGraphicAt(TGPGraphics* graphics, TCanvas* canvas, TPoint origin, TCustomGDIPPicture* graphic,
                   bool transparent) {
    if (!graphic || graphic->Empty()) return;
    TSurfaceFor surface(graphics, canvas);
    if (!surface.Get()) return;
    auto decoded = DecodeBytes(graphic->GetData());
    if (!decoded) return;
    if (transparent && decoded->Image.GetFormat() != ifPNG)
        DrawKeyed(*surface.Get(), decoded->Image, origin, 0, 0);
    else
        surface.Get()->DrawImage(decoded->Image, origin.X, origin.Y);
}

}  // namespace orv
