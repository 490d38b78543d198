#include "paint/GDIPPicture.h"

#include <windows.h>

#include <cstring>

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Resources.h"
#include "paint/ImageHeaders.h"

namespace orv {

namespace {
// A framework bitmap as the bytes of a 32-bit bottom-up BMP file.
std::vector<uint8_t> BitmapFileBytes(const TBitmap& source) {
    auto& bitmap = const_cast<TBitmap&>(source);
    const int w = bitmap.Width(), h = bitmap.Height();
    const size_t row = static_cast<size_t>(w) * 4;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = static_cast<DWORD>(file.bfOffBits + row * h);
    info.biSize = sizeof(info);
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(row * h);
    std::vector<uint8_t> bytes(file.bfSize);
    std::memcpy(bytes.data(), &file, sizeof(file));
    std::memcpy(bytes.data() + sizeof(file), &info, sizeof(info));
    for (int y = 0; y < h; ++y) std::memcpy(bytes.data() + file.bfOffBits + row * (h - 1 - y), bitmap.ScanLine(y), row);
    return bytes;
}

// Some GDI+ implementations report icons as BMP; only real BMP bytes take the BMP paths.
bool IsBmp(TGPImage& image, const TMemoryStream& data) {
    return image.GetFormat() == ifBMP && data.GetSizeConst() >= 2 && data.Memory()[0] == 'B' && data.Memory()[1] == 'M';
}

ARGB OpaqueARGB(TColor color) {
    TColor rgb = ColorToRGB(color);
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
}  // namespace

// --- TCustomGDIPPicture -------------------------------------------------------------------

std::unique_ptr<TCustomGDIPPicture::TDecoded> TCustomGDIPPicture::Decode() const {
    if (!HasBytes()) return nullptr;
    const auto& bytes = FDatastream.Bytes();
    return std::make_unique<TDecoded>(CreateImageStream(bytes.data(), bytes.size()));
}

void TCustomGDIPPicture::SetBytes(std::vector<uint8_t> bytes) {
    FDatastream.SetBytes(std::move(bytes));
    FIsEmpty = false;
}

void TCustomGDIPPicture::DropBytes() {
    FDatastream.Clear();
    FIsEmpty = true;
    FWidth = 0;
    FHeight = 0;
}

void TCustomGDIPPicture::Assign(const TPersistent* source) {
    if (source == this) return;
    const bool wasEmpty = FIsEmpty;
    if (!source) {
        DropBytes();
        Changed();
        OnClear(this);
        return;
    }
    if (auto* picture = dynamic_cast<const TCustomGDIPPicture*>(source)) {
        FDatastream.SetBytes(picture->FDatastream.Bytes());
        FIsEmpty = FDatastream.GetSizeConst() == 0;
        FWidth = FHeight = 0;
        Changed();
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source); bitmap && !bitmap->Empty()) {
        SetBytes(BitmapFileBytes(*bitmap));
        Changed();
    } else {
        // Nothing we can take: the picture is empty and keeps nothing of its old bytes.
        DropBytes();
        if (!wasEmpty) Changed();
    }
    GetImageSizes();
}

void TCustomGDIPPicture::LoadFromFile(const std::wstring& fileName) {
    std::vector<uint8_t> bytes;
    try {
        TMemoryStream file;
        file.LoadFromFile(fileName);
        bytes = file.Bytes();
    } catch (const Exception&) {
        const bool wasEmpty = FIsEmpty;
        DropBytes();
        if (!wasEmpty) Changed();
        return;
    }
    SetBytes(std::move(bytes));
    OnClear(this);
    try {
        SizeAfterFileLoad(fileName);
    } catch (const Exception&) {
        FWidth = FHeight = 0;
    }
    Changed();
}

void TCustomGDIPPicture::SaveToStream(TStream* stream) const {
    if (!stream || FIsEmpty) return;
    FDatastream.SaveToStream(*stream);
}

void TCustomGDIPPicture::LoadFromResourceName(HINSTANCE__* module, const std::wstring& name) {
    if (!ResourceExists(module, name, RawDataResourceType())) return;
    TResourceStream stream(module, name, RawDataResourceType());
    LoadFromStream(&stream);
}

void TCustomGDIPPicture::LoadFromResourceID(HINSTANCE__* module, int id) {
    TResourceStream stream(module, id, RawDataResourceType());
    LoadFromStream(&stream);
}

void TCustomGDIPPicture::LoadFromURL(const std::wstring& url) {
    auto hasPrefix = [&](const std::wstring& prefix) {
        return url.size() > prefix.size() && SameText(url.substr(0, prefix.size()), prefix);
    };
    if (hasPrefix(L"RES://"))
        LoadFromResourceName(MainInstance(), url.substr(6));
    else if (hasPrefix(L"FILE://"))
        LoadFromFile(url.substr(7));
}

bool TCustomGDIPPicture::GetImageSizes() {
    auto decoded = Decode();
    if (!decoded) return false;
    FWidth = decoded->Image.GetWidth();
    FHeight = decoded->Image.GetHeight();
    return decoded->Image.GetLoadStatus() == TStatus::Ok;
}

void TCustomGDIPPicture::RenderBitmap(TGPImage& image, TBitmap& bitmap) {
    bitmap.SetSize(image.GetWidth(), image.GetHeight());
    if (bitmap.Empty()) return;
    TGPGraphics graphics(bitmap.Canvas().Handle());
    // Pixel for pixel: the image's own resolution must not rescale it.
    graphics.DrawImageRect(image, 0, 0, bitmap.Width(), bitmap.Height());
    // GDI+ leaves 0xFF in the unused top byte of each pixel; GDI's colour-keyed copy compares
    // whole pixels on some platforms, so the key would never match. Clear it.
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) row[x] &= 0x00FFFFFF;
    }
}

// --- TOrvGDIPPicture ------------------------------------------------------------------------

void TOrvGDIPPicture::LoadFromStream(TStream* stream) {
    if (!stream || stream->GetSize() == 0) return;
    TMemoryStream copy;
    copy.LoadFromStream(*stream);
    SetBytes(copy.Bytes());
    GetImageSizes();
    Changed();
}

void TOrvGDIPPicture::SetData(const std::vector<uint8_t>& value) {
    if (value.empty()) return;
    SetBytes(value);
    GetImageSizes();
}

void TOrvGDIPPicture::GetImageSizesFromFileName(const std::wstring& fileName) {
    if (!HasBytes()) return;
    TImageHeaderSize size =
        HeaderSizeForFileName(fileName, FDatastream.Memory(), static_cast<size_t>(FDatastream.GetSizeConst()));
    FWidth = size.Width;
    FHeight = size.Height;
}

void TOrvGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) {
    auto decoded = Decode();
    if (!decoded) return;
    TGPImage& image = decoded->Image;
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    if (IsBmp(image, FDatastream)) {
        TBitmap bitmap;
        RenderBitmap(image, bitmap);
        bitmap.SetTransparentColor(clDefault);
        bitmap.SetTransparent(true);
        canvas.Draw(rect.Left, rect.Top, bitmap);
        return;
    }
    TGPGraphics graphics(canvas.Handle());
    graphics.DrawImageRect(image, rect.Left, rect.Top, rect.Width(), rect.Height());
}

ARGB TOrvGDIPPicture::KeyColor(TDecoded& decoded) {
    if (FBitmapTransparentMode == tmFixed) return OpaqueARGB(FBitmapTransparentColor);
    // The bottom-left pixel; decoded from a stream of its own, as the image may still be
    // reading the first one.
    const auto& bytes = FDatastream.Bytes();
    TComStream stream = CreateImageStream(bytes.data(), bytes.size());
    TGPBitmap bitmap(stream.Get());
    ARGB color = 0;
    bitmap.GetPixel(0, decoded.Image.GetHeight() - 1, color);
    return color;
}

void TOrvGDIPPicture::DrawDecoded(TGPGraphics& graphics, TDecoded& decoded, const TGPRectF& dest, bool scaleKeyed) {
    TGPImage& image = decoded.Image;
    FHasAlpha = image.HasAlphaChannel();
    FHasPalette = image.HasPalette();
    FPixelDepth = image.GetPixelDepth();
    FPixelFormat = image.GetPixelFormat();
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    if (FTransparent && IsBmp(image, FDatastream)) {
        ARGB key = KeyColor(decoded);
        TGPImageAttributes attributes;
        attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
        TGPRectF target =
            scaleKeyed ? dest : TGPRectF{dest.X, dest.Y, static_cast<float>(FWidth), static_cast<float>(FHeight)};
        graphics.DrawImage(image, target, 0, 0, static_cast<float>(FWidth), static_cast<float>(FHeight), UnitPixel,
                           &attributes);
        return;
    }
    graphics.DrawImageRect(image, dest);
}

void TOrvGDIPPicture::GDIPDraw(TGPGraphics& graphics, const TRect& rect) {
    auto decoded = Decode();
    if (!decoded) return;
    DrawDecoded(graphics, *decoded,
                TGPRectF{static_cast<float>(rect.Left), static_cast<float>(rect.Top), static_cast<float>(rect.Width()),
                         static_cast<float>(rect.Height())},
                false);
}

void TOrvGDIPPicture::GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect) {
    if (FDrawing) return;
    FDrawing = true;
    try {
        if (auto decoded = Decode()) DrawDecoded(graphics, *decoded, rect, true);
    } catch (...) {
        FDrawing = false;
        throw;
    }
    FDrawing = false;
}

void TOrvGDIPPicture::FillRect(TGPGraphics& graphics, const TGPRectF& rect) {
    auto decoded = Decode();
    if (!decoded) return;
    TGPTextureBrush brush(decoded->Image, WrapModeTile);
    graphics.FillRectangle(brush, rect);
}

void TOrvGDIPPicture::FillPath(TGPGraphics& graphics, const TGPGraphicsPath& path) {
    auto decoded = Decode();
    if (!decoded) return;
    TGPTextureBrush brush(decoded->Image, WrapModeTile);
    graphics.FillPath(brush, path);
}

// --- TGDIPPicture -----------------------------------------------------------------------------

void TGDIPPicture::LoadFromStream(TStream* stream) {
    if (!stream) return;
    TMemoryStream copy;
    copy.LoadFromStream(*stream);
    SetBytes(copy.Bytes());
    if (!GetImageSizes()) FWidth = FHeight = 0;
    Changed();
}

void TGDIPPicture::SetData(const std::vector<uint8_t>& value) {
    SetBytes(value);
}

void TGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) {
    auto decoded = Decode();
    if (!decoded) return;
    TGPImage& image = decoded->Image;
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    if (IsBmp(image, FDatastream)) {
        TBitmap bitmap;
        RenderBitmap(image, bitmap);
        bitmap.SetTransparentColor(clDefault);
        bitmap.SetTransparent(true);
        canvas.StretchDraw(rect, bitmap);
        return;
    }
    TGPGraphics graphics(canvas.Handle());
    graphics.DrawImageRect(image, rect.Left, rect.Top, rect.Width(), rect.Height());
}

void TGDIPPicture::DrawImage(TGPGraphics& graphics, int x, int y) {
    if (auto decoded = Decode()) graphics.DrawImage(decoded->Image, x, y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics& graphics, int x, int y, int width, int height) {
    if (auto decoded = Decode()) graphics.DrawImageRect(decoded->Image, x, y, width, height);
}

}  // namespace orv
