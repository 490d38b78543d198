#pragma once
// Pictures kept as the bytes of a complete image file (PNG, JPEG, GIF, BMP, ICO, TIFF, EMF,
// WMF), decoded by GDI+ at the first draw or size query and kept decoded until the bytes
// change. The persisted "Data" property is exactly those bytes. Reading a TOrvGDIPPicture
// from a layout or stream stores the bytes only: decoding waits for the first size query
// or draw, so a layout with many pictures reads as fast as one without; a layout's digits
// are even kept as text until the bytes are first needed (SetDataText).
//   TOrvGDIPPicture: draws on a canvas or a GDI+ surface, with colour-keyed BMPs and tiled
//                    fills; ignores empty data.
//   TGDIPPicture:    the plain variant (no transparency, no pixel information).
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Graphics.h"
#include "framework/LayoutHex.h"
#include "framework/Streams.h"
#include "paint/ImageHeaders.h"
#include "paint/OrvGDIP.h"

struct HINSTANCE__;

namespace orv {

class TBitmap;
class TCanvas;

// A decoded image with the COM stream it reads from: GDI+ may read the stream lazily, so the
// stream is declared first and outlives the image.
struct TDecodedImage {
    explicit TDecodedImage(TComStream stream) : Stream(std::move(stream)), Image(Stream.Get()) {}
    TComStream Stream;
    TGPImage Image;
};

// Decodes the bytes of an image file. Null when there are none or the decoder refused them:
// such a picture draws nothing and measures 0 x 0. No byte outside [data, data + size) is
// read. Raises EImageMemoryError when the memory block cannot be had.
std::unique_ptr<TDecodedImage> DecodeImage(const uint8_t* data, size_t size);

// A framework bitmap as the bytes of a 32-bit bottom-up BMP file (empty for an empty bitmap).
std::vector<uint8_t> BmpFileBytes(const TBitmap& bitmap);

// What the two pictures share: the data, its loading and saving, and decoding.
class TCustomGDIPPicture : public TGraphic {
public:
    ORV_CLASS_NAME(TCustomGDIPPicture)
    TCustomGDIPPicture() = default;
    TCustomGDIPPicture(const TCustomGDIPPicture&) = delete;
    TCustomGDIPPicture& operator=(const TCustomGDIPPicture&) = delete;

    bool Empty() const override { return FIsEmpty; }
    // A size still to be learnt (see TOrvGDIPPicture) is decoded for here, once.
    int Width() const override {
        ResolvePendingSize();
        return FWidth;
    }
    int Height() const override {
        ResolvePendingSize();
        return FHeight;
    }
    // The size is the image's own; setting it does nothing.
    void SetWidth(int /*value*/) {}
    void SetHeight(int /*value*/) {}

    // Copies the data of another picture (either class), a TBitmap (as BMP bytes), or
    // clears with null. Any other source empties the picture and drops its bytes.
    void Assign(const TPersistent* source) override;

    // Swallows every error: a missing or unreadable file leaves the picture empty.
    void LoadFromFile(const std::wstring& fileName);
    // Null does nothing.
    virtual void LoadFromStream(TStream* stream) = 0;
    // Writes the data bytes; nothing for an empty picture or a null stream.
    void SaveToStream(TStream* stream) const;
    // The raw-data resource of that name; nothing when the module has none.
    void LoadFromResourceName(HINSTANCE__* module, const std::wstring& name);
    // Raises EResNotFound when the module has no raw-data resource of that number.
    void LoadFromResourceID(HINSTANCE__* module, int id);
    // "RES://name" (program module) or "FILE://path", prefixes in any case; else nothing.
    void LoadFromURL(const std::wstring& url);
    // Decodes and stores the natural size (0 x 0 for undecodable data); true when an image
    // was decoded. Raises EImageMemoryError when the memory block cannot be had.
    bool GetImageSizes();

    // The persisted "Data" property; written only when the picture is not empty.
    std::vector<uint8_t> GetData() const {
        TakePendingText();
        return FDatastream.Bytes();
    }
    virtual void SetData(std::vector<uint8_t> value) = 0;
    // "Data" as a layout holds it: the digits are converted when the bytes are first needed
    // (a draw, a size query, Kind, GetData, saving, being assigned from); until then and after,
    // the picture behaves as after SetData of those bytes.
    virtual void SetDataText(TLayoutHexText value) { SetData(value.Decode()); }
    bool IsDataStored() const { return !FIsEmpty; }

    // The kind of image the data holds, from its own header; decides colour keying.
    TImageKind Kind() const;
    // The decoded image, decoded at the first call and kept until the bytes change; null
    // for an empty picture or undecodable data (which is not tried again either).
    std::shared_ptr<TDecodedImage> Decode() const;
    // Bitmap-kind data through a classic bitmap whose bottom-left colour is transparent,
    // stretched into rect, or in natural size at its top-left corner when not stretch.
    // False (nothing drawn) for other kinds and undecodable data.
    bool DrawBitmapKind(TCanvas& canvas, const TRect& rect, bool stretch);

    // Differs between pictures and moves on whenever the bytes change: a face drawn from
    // the picture is known by it.
    uint64_t Version() const { return FVersion; }

    bool GetDoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }

    TNotifyEvent OnClear;

protected:
    bool HasBytes() const { return !FIsEmpty && (FPendingText.ByteCount() > 0 || FDatastream.GetSizeConst() > 0); }
    // Replaces the bytes and marks the picture loaded (the size is not touched).
    void SetBytes(std::vector<uint8_t> bytes);
    // The same with bytes still as layout digits, converted by TakePendingText.
    void SetBytesText(TLayoutHexText text);
    // Converts bytes kept as digits into FDatastream, once; every reader of FDatastream
    // calls it first.
    void TakePendingText() const;
    // The size is learnt from the bytes at the first size query or draw, not now.
    void DeferSize() { FSizePending = true; }
    // Decodes for the size when it is pending; a decoder out of memory leaves it pending.
    void ResolvePendingSize() const;
    // Drops the bytes and the size: an empty picture keeps nothing.
    void DropBytes();
    // The bytes changed.
    void BytesChanged();
    virtual void SizeAfterFileLoad(const std::wstring& fileName) = 0;

    mutable TMemoryStream FDatastream;  // filled from FPendingText on first need
    mutable TLayoutHexText FPendingText;
    bool FIsEmpty = true;
    mutable bool FSizePending = false;
    mutable int FWidth = 0;
    mutable int FHeight = 0;
    bool FDoubleBuffered = false;
    uint64_t FVersion = NextPictureVersion();
    mutable std::shared_ptr<TDecodedImage> FDecoded;
    mutable bool FDecodeTried = false;

private:
    static uint64_t NextPictureVersion();
};

enum TTransparentMode { tmAuto, tmFixed };

class TOrvGDIPPicture : public TCustomGDIPPicture {
public:
    ORV_CLASS_NAME(TOrvGDIPPicture)

    // A stream of length 0 is ignored (no event). The size is learnt when first asked for.
    void LoadFromStream(TStream* stream) override;
    // Length 0 is ignored; otherwise loaded like a stream, without the change event.
    void SetData(std::vector<uint8_t> value) override;
    void SetDataText(TLayoutHexText value) override;
    // The early size from the data's header, reader chosen by the name's extension.
    void GetImageSizesFromFileName(const std::wstring& fileName);

    // A BMP goes through a classic bitmap (transparent by its bottom-left pixel), drawn in
    // natural size at the rectangle's top-left; other formats are scaled into the rectangle.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Onto a GDI+ surface. A BMP with Transparent set is colour-keyed and drawn in natural
    // size at the top-left corner; anything else is scaled into the rectangle.
    void GDIPDraw(TGPGraphics& graphics, const TRect& rect);
    // As above, but a keyed BMP is scaled into the rectangle too; ignored while a draw of
    // this picture is running (a draw that repaints the same picture).
    void GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect);
    // Tiles the picture from the surface origin over the rectangle or path.
    void FillRect(TGPGraphics& graphics, const TGPRectF& rect);
    void FillPath(TGPGraphics& graphics, const TGPGraphicsPath& path);

    TTransparentMode GetTransparentMode() const { return FBitmapTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FBitmapTransparentMode = value; }
    TColor GetTransparentColor() const { return FBitmapTransparentColor; }
    void SetTransparentColor(TColor value) { FBitmapTransparentColor = value; }
    const std::wstring& GetID() const { return FID; }
    void SetID(const std::wstring& value) { FID = value; }
    // Filled in by GDIPDraw.
    int PixelDepth() const { return FPixelDepth; }
    bool HasAlpha() const { return FHasAlpha; }
    bool HasPalette() const { return FHasPalette; }
    int PixelFormat() const { return FPixelFormat; }

protected:
    void SizeAfterFileLoad(const std::wstring& fileName) override { GetImageSizesFromFileName(fileName); }

private:
    // Draws the decoded image into dest; keyed BMPs use natural size unless scaleKeyed.
    void DrawDecoded(TGPGraphics& graphics, TDecodedImage& decoded, const TGPRectF& dest, bool scaleKeyed);
    ARGB KeyColor(TDecodedImage& decoded);

    bool FDrawing = false;
    TTransparentMode FBitmapTransparentMode = tmAuto;
    TColor FBitmapTransparentColor = clWhite;
    std::wstring FID;
    int FPixelDepth = 0;
    bool FHasAlpha = false;
    bool FHasPalette = false;
    int FPixelFormat = 0;
};

class TGDIPPicture : public TCustomGDIPPicture {
public:
    ORV_CLASS_NAME(TGDIPPicture)

    // A stream of length 0 is loaded too: the picture is then non-empty with size 0 x 0.
    void LoadFromStream(TStream* stream) override;
    // Loads any data; the size stays as it was until GetImageSizes or a draw.
    void SetData(std::vector<uint8_t> value) override;
    void SetDataText(TLayoutHexText value) override;

    // A BMP goes through a classic bitmap stretched into the rectangle; other formats are
    // drawn scaled into it by GDI+.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    // Natural size at (x, y), and scaled into (x, y, width, height).
    void DrawImage(TGPGraphics& graphics, int x, int y);
    void DrawImageRect(TGPGraphics& graphics, int x, int y, int width, int height);

    TColor GetBackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(TColor value) { FBackgroundColor = value; }

protected:
    void SizeAfterFileLoad(const std::wstring& /*fileName*/) override { GetImageSizes(); }

private:
    TColor FBackgroundColor = clNone;
};

}  // namespace orv
