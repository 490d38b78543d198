#include "paint/GDIPPicture.h"

#include <windows.h>

#include <cstring>

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/Resources.h"
#include "paint/ImageHeaders.h"
#include "paint/OrvColors.h"

namespace orv {

namespace {
// GDI+ leaves 0xFF in the unused top byte of each pixel; GDI's colour-keyed copy compares
// whole pixels on some platforms, so the key would never match. Clear it.
void ClearTopBytes(TBitmap& bitmap) {
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x) row[x] &= 0x00FFFFFF;
    }
}
}  // namespace

std::unique_ptr<TDecodedImage> DecodeImage(const uint8_t* data, size_t size) {
    if (!data || size == 0) return nullptr;
    // Pixels placed outside the data are not the picture's: such data never reaches the
    // decoder, which would otherwise fail on it only after reading (and, under Wine, keep
    // the stream and its copy of the bytes for good).
    if (!ImageDataWithinBounds(data, size)) return nullptr;
    auto decoded = std::make_unique<TDecodedImage>(CreateImageStream(data, size));
    if (decoded->Image.GetLoadStatus() != TStatus::Ok || !decoded->Image.Native()) return nullptr;
    return decoded;
}

std::vector<uint8_t> BmpFileBytes(const TBitmap& source) {
    auto& bitmap = const_cast<TBitmap&>(source);  // ScanLine is not const; nothing is changed
    if (bitmap.Empty()) return {};
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

// --- TCustomGDIPPicture -------------------------------------------------------------------

std::shared_ptr<TDecodedImage> TCustomGDIPPicture::Decode() const {
    if (!HasBytes()) return nullptr;
    if (!FDecodeTried) {
        TakePendingText();
        // A decoder out of memory throws before this is marked: asked again next time.
        FDecoded = DecodeImage(FDatastream.Memory(), static_cast<size_t>(FDatastream.GetSizeConst()));
        FDecodeTried = true;
    }
    return FDecoded;
}

TImageKind TCustomGDIPPicture::Kind() const {
    if (!HasBytes()) return ikUnknown;
    TakePendingText();
    return ImageKindOf(FDatastream.Memory(), static_cast<size_t>(FDatastream.GetSizeConst()));
}

bool TCustomGDIPPicture::DrawBitmapKind(TCanvas& canvas, const TRect& rect, bool stretch) {
    if (Kind() != ikBmp) return false;
    auto decoded = Decode();
    if (!decoded) return false;
    TGPImage& image = decoded->Image;
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    FSizePending = false;
    TBitmap bitmap(FWidth, FHeight);
    if (bitmap.Empty()) return false;
    {
        TGPGraphics graphics(bitmap.Canvas().Handle());
        // Pixel for pixel: the image's own resolution must not rescale it.
        graphics.DrawImageRect(image, 0, 0, FWidth, FHeight);
    }
    ClearTopBytes(bitmap);
    bitmap.SetTransparentColor(clDefault);
    bitmap.SetTransparent(true);
    if (stretch)
        canvas.StretchDraw(rect, bitmap);
    else
        canvas.Draw(rect.Left, rect.Top, bitmap);
    return true;
}

uint64_t TCustomGDIPPicture::NextPictureVersion() {
    static uint64_t last = 0;
    return ++last;
}

void TCustomGDIPPicture::BytesChanged() {
    FVersion = NextPictureVersion();
    FDecoded.reset();
    FDecodeTried = false;
}

void TCustomGDIPPicture::SetBytes(std::vector<uint8_t> bytes) {
    FPendingText.Clear();
    FDatastream.SetBytes(std::move(bytes));
    BytesChanged();
    FIsEmpty = false;
    FSizePending = false;
}

void TCustomGDIPPicture::SetBytesText(TLayoutHexText text) {
    FDatastream.Clear();
    FPendingText = std::move(text);
    BytesChanged();
    FIsEmpty = false;
    FSizePending = false;
}

void TCustomGDIPPicture::TakePendingText() const {
    if (FPendingText.Empty()) return;
    // The same bytes in another form: the version and any decoded image stay.
    FDatastream.SetBytes(FPendingText.Decode());
    FPendingText.Clear();
}

void TCustomGDIPPicture::DropBytes() {
    FPendingText.Clear();
    FDatastream.Clear();
    BytesChanged();
    FIsEmpty = true;
    FSizePending = false;
    FWidth = 0;
    FHeight = 0;
}

void TCustomGDIPPicture::ResolvePendingSize() const {
    if (!FSizePending) return;
    if (!HasBytes()) {
        FSizePending = false;
        return;
    }
    std::shared_ptr<TDecodedImage> decoded;
    try {
        decoded = Decode();
    } catch (const Exception&) {
        return;  // out of memory: asked again next time
    }
    FSizePending = false;
    FWidth = decoded ? decoded->Image.GetWidth() : 0;
    FHeight = decoded ? decoded->Image.GetHeight() : 0;
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
        FPendingText.Clear();
        FDatastream.SetBytes(picture->GetData());
        BytesChanged();
        FIsEmpty = FDatastream.GetSizeConst() == 0;
        FSizePending = false;
        FWidth = FHeight = 0;
        Changed();
    } else if (auto* bitmap = dynamic_cast<const TBitmap*>(source); bitmap && !bitmap->Empty()) {
        SetBytes(BmpFileBytes(*bitmap));
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
    TakePendingText();
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
    if (!HasBytes()) return false;
    auto decoded = Decode();
    FSizePending = false;
    // Undecodable data measures 0 x 0, like an image the decoder refused.
    FWidth = decoded ? decoded->Image.GetWidth() : 0;
    FHeight = decoded ? decoded->Image.GetHeight() : 0;
    return decoded != nullptr;
}

// --- TOrvGDIPPicture ------------------------------------------------------------------------

void TOrvGDIPPicture::LoadFromStream(TStream* stream) {
    if (!stream || stream->GetSize() == 0) return;
    TMemoryStream copy;
    copy.LoadFromStream(*stream);
    SetBytes(copy.Bytes());
    DeferSize();
    Changed();
}

void TOrvGDIPPicture::SetData(std::vector<uint8_t> value) {
    if (value.empty()) return;
    SetBytes(std::move(value));
    DeferSize();
}

void TOrvGDIPPicture::SetDataText(TLayoutHexText value) {
    if (value.ByteCount() == 0) return;
    SetBytesText(std::move(value));
    DeferSize();
}

void TOrvGDIPPicture::GetImageSizesFromFileName(const std::wstring& fileName) {
    if (!HasBytes()) return;
    TakePendingText();
    TImageHeaderSize size =
        HeaderSizeForFileName(fileName, FDatastream.Memory(), static_cast<size_t>(FDatastream.GetSizeConst()));
    FWidth = size.Width;
    FHeight = size.Height;
}

void TOrvGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) {
    if (Kind() == ikBmp) {
        DrawBitmapKind(canvas, rect, false);
        return;
    }
    auto decoded = Decode();
    if (!decoded) return;
    TGPImage& image = decoded->Image;
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    FSizePending = false;
    TGPGraphics graphics(canvas.Handle());
    graphics.DrawImageRect(image, rect.Left, rect.Top, rect.Width(), rect.Height());
}

ARGB TOrvGDIPPicture::KeyColor(TDecodedImage& decoded) {
    if (FBitmapTransparentMode == tmFixed) return ColorToARGB(FBitmapTransparentColor);
    ARGB color = 0;  // the bottom-left pixel
    decoded.Image.GetPixel(0, decoded.Image.GetHeight() - 1, color);
    return color;
}

void TOrvGDIPPicture::DrawDecoded(TGPGraphics& graphics, TDecodedImage& decoded, const TGPRectF& dest,
                                  bool scaleKeyed) {
    TGPImage& image = decoded.Image;
    FHasAlpha = image.HasAlphaChannel();
    FHasPalette = image.HasPalette();
    FPixelDepth = image.GetPixelDepth();
    FPixelFormat = image.GetPixelFormat();
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    FSizePending = false;
    if (FTransparent && Kind() == ikBmp) {
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

void TGDIPPicture::SetData(std::vector<uint8_t> value) {
    SetBytes(std::move(value));
}

void TGDIPPicture::SetDataText(TLayoutHexText value) {
    SetBytesText(std::move(value));
}

void TGDIPPicture::Draw(TCanvas& canvas, const TRect& rect) {
    if (Kind() == ikBmp) {
        DrawBitmapKind(canvas, rect, true);
        return;
    }
    auto decoded = Decode();
    if (!decoded) return;
    TGPImage& image = decoded->Image;
    FWidth = image.GetWidth();
    FHeight = image.GetHeight();
    FSizePending = false;
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
