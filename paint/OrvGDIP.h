#pragma once
// A thin object layer over the GDI+ flat interface. Each wrapper owns exactly one native
// GDI+ object (deleted with the wrapper; wrappers are move-only), forwards each call to one
// flat function and records the status of the last failing call: nothing here throws for a
// failed GDI+ call, a failed call simply draws nothing. GetLastStatus returns the recorded
// status and resets it to Ok. Live counts per kind let tests prove a paint released all.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "framework/SysUtils.h"

struct HDC__;
struct HBITMAP__;
struct IStream;

namespace orv {

class TFont;

// Native objects, opaque to callers. Every brush kind is a GpBrush, every bitmap a GpImage.
struct GpGraphics;
struct GpPath;
struct GpRegion;
struct GpPen;
struct GpBrush;
struct GpFontFamily;
struct GpFont;
struct GpStringFormat;
struct GpImage;
struct GpImageAttributes;
struct GpMatrix;

// 0xAARRGGBB.
using ARGB = uint32_t;

struct TGPPointF {
    float X = 0;
    float Y = 0;
};
struct TGPPoint {
    int32_t X = 0;
    int32_t Y = 0;
};
struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};
struct TGPRect {
    int32_t X = 0;
    int32_t Y = 0;
    int32_t Width = 0;
    int32_t Height = 0;
};

inline TGPPointF MakePoint(float x, float y) {
    return {x, y};
}
inline TGPRectF MakeRect(float x, float y, float width, float height) {
    return {x, y, width, height};
}

// GDI+ enumerations with their platform ordinals.
enum class TStatus : int {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    Win32Error = 7,
    WrongState = 8,
    Aborted = 9,
    FileNotFound = 10,
    ValueOverflow = 11,
    AccessDenied = 12,
    UnknownImageFormat = 13,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    NotTrueTypeFont = 16,
    UnsupportedGdiplusVersion = 17,
    GdiplusNotInitialized = 18,
    PropertyNotFound = 19,
    PropertyNotSupported = 20,
};

enum TFillMode : int { FillModeAlternate = 0, FillModeWinding = 1 };
enum TSmoothingMode : int {
    SmoothingModeInvalid = -1,
    SmoothingModeDefault = 0,
    SmoothingModeHighSpeed = 1,
    SmoothingModeHighQuality = 2,
    SmoothingModeNone = 3,
    SmoothingModeAntiAlias = 4,
};
enum TTextRenderingHint : int {
    TextRenderingHintSystemDefault = 0,
    TextRenderingHintSingleBitPerPixelGridFit = 1,
    TextRenderingHintSingleBitPerPixel = 2,
    TextRenderingHintAntiAliasGridFit = 3,
    TextRenderingHintAntiAlias = 4,
    TextRenderingHintClearTypeGridFit = 5,
};
enum TLinearGradientMode : int {
    LinearGradientModeHorizontal = 0,
    LinearGradientModeVertical = 1,
    LinearGradientModeForwardDiagonal = 2,
    LinearGradientModeBackwardDiagonal = 3,
};
enum TWrapMode : int { WrapModeTile = 0, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum TDashStyle : int { DashStyleSolid = 0, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot };
enum TLineCap : int {
    LineCapFlat = 0,
    LineCapSquare = 1,
    LineCapRound = 2,
    LineCapTriangle = 3,
    LineCapNoAnchor = 0x10,
    LineCapSquareAnchor = 0x11,
    LineCapRoundAnchor = 0x12,
    LineCapDiamondAnchor = 0x13,
    LineCapArrowAnchor = 0x14,
};
enum THatchStyle : int {
    HatchStyleHorizontal = 0,
    HatchStyleVertical = 1,
    HatchStyleForwardDiagonal = 2,
    HatchStyleBackwardDiagonal = 3,
    HatchStyleCross = 4,
    HatchStyleDiagonalCross = 5,
    HatchStyle05Percent = 6,
    HatchStyle50Percent = 12,
    HatchStyleSolidDiamond = 52,
};
enum TStringAlignment : int { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum TStringTrimming : int {
    StringTrimmingNone = 0,
    StringTrimmingCharacter = 1,
    StringTrimmingWord = 2,
    StringTrimmingEllipsisCharacter = 3,
    StringTrimmingEllipsisWord = 4,
    StringTrimmingEllipsisPath = 5,
};
enum THotkeyPrefix : int { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };
enum TStringFormatFlags : int {
    StringFormatFlagsDirectionRightToLeft = 0x0001,
    StringFormatFlagsDirectionVertical = 0x0002,
    StringFormatFlagsNoFitBlackBox = 0x0004,
    StringFormatFlagsDisplayFormatControl = 0x0020,
    StringFormatFlagsNoFontFallback = 0x0400,
    StringFormatFlagsMeasureTrailingSpaces = 0x0800,
    StringFormatFlagsNoWrap = 0x1000,
    StringFormatFlagsLineLimit = 0x2000,
    StringFormatFlagsNoClip = 0x4000,
};
enum TFontStyle : int {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};
enum TColorAdjustType : int { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1 };
enum TUnit : int { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5 };
enum TCombineMode : int {
    CombineModeReplace = 0,
    CombineModeIntersect = 1,
    CombineModeUnion = 2,
    CombineModeXor = 3,
    CombineModeExclude = 4,
    CombineModeComplement = 5,
};

// GDI+ pixel format identifiers (bits per pixel in bits 8-15, flags above).
using TGPPixelFormat = int;
constexpr TGPPixelFormat PixelFormatIndexed = 0x00010000;
constexpr TGPPixelFormat PixelFormatAlpha = 0x00040000;
constexpr TGPPixelFormat PixelFormatPAlpha = 0x00080000;
constexpr TGPPixelFormat PixelFormat24bppRGB = 0x00021808;
constexpr TGPPixelFormat PixelFormat32bppRGB = 0x00022009;
constexpr TGPPixelFormat PixelFormat32bppARGB = 0x0026200A;
constexpr TGPPixelFormat PixelFormat32bppPARGB = 0x000E200B;

enum TGPImageFormat : int {
    ifUndefined = 0,
    ifMemoryBMP,
    ifBMP,
    ifEMF,
    ifWMF,
    ifJPEG,
    ifPNG,
    ifGIF,
    ifTIFF,
    ifEXIF,
    ifIcon,
};

// Maps a raw image format identifier (the 16 bytes of a GUID as laid out in memory) to
// the format enumeration; anything unknown is ifUndefined.
TGPImageFormat ImageFormatFromGuid(const void* guid16);

// --- live counts ------------------------------------------------------------------------

enum class TGdipKind {
    Graphics,
    Path,
    Region,
    Pen,
    Brush,
    FontFamily,
    Font,
    StringFormat,
    Image,
    ImageAttributes,
    Matrix,
    Count
};
int GdipLiveCount(TGdipKind kind);
// How many objects of a kind were ever made: tests read what a paint costs.
long GdipMadeCount(TGdipKind kind);
int GdipLiveTotal();

namespace detail {
void GdipCountUp(TGdipKind kind);
void GdipCountDown(TGdipKind kind);
void GdipDestroy(GpGraphics* p);
void GdipDestroy(GpPath* p);
void GdipDestroy(GpRegion* p);
void GdipDestroy(GpPen* p);
void GdipDestroy(GpBrush* p);
void GdipDestroy(GpFontFamily* p);
void GdipDestroy(GpFont* p);
void GdipDestroy(GpStringFormat* p);
void GdipDestroy(GpImage* p);
void GdipDestroy(GpImageAttributes* p);
void GdipDestroy(GpMatrix* p);
template <class T>
constexpr TGdipKind KindOf();
template <>
constexpr TGdipKind KindOf<GpGraphics>() {
    return TGdipKind::Graphics;
}
template <>
constexpr TGdipKind KindOf<GpPath>() {
    return TGdipKind::Path;
}
template <>
constexpr TGdipKind KindOf<GpRegion>() {
    return TGdipKind::Region;
}
template <>
constexpr TGdipKind KindOf<GpPen>() {
    return TGdipKind::Pen;
}
template <>
constexpr TGdipKind KindOf<GpBrush>() {
    return TGdipKind::Brush;
}
template <>
constexpr TGdipKind KindOf<GpFontFamily>() {
    return TGdipKind::FontFamily;
}
template <>
constexpr TGdipKind KindOf<GpFont>() {
    return TGdipKind::Font;
}
template <>
constexpr TGdipKind KindOf<GpStringFormat>() {
    return TGdipKind::StringFormat;
}
template <>
constexpr TGdipKind KindOf<GpImage>() {
    return TGdipKind::Image;
}
template <>
constexpr TGdipKind KindOf<GpImageAttributes>() {
    return TGdipKind::ImageAttributes;
}
template <>
constexpr TGdipKind KindOf<GpMatrix>() {
    return TGdipKind::Matrix;
}
}  // namespace detail

// The single owner of one native GDI+ object.
template <class T>
class TGdipHandle {
public:
    TGdipHandle() = default;
    explicit TGdipHandle(T* native) { Reset(native); }
    ~TGdipHandle() { Reset(); }
    TGdipHandle(const TGdipHandle&) = delete;
    TGdipHandle& operator=(const TGdipHandle&) = delete;
    TGdipHandle(TGdipHandle&& other) noexcept : FNative(std::exchange(other.FNative, nullptr)) {}
    TGdipHandle& operator=(TGdipHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            FNative = std::exchange(other.FNative, nullptr);
        }
        return *this;
    }
    T* Get() const { return FNative; }
    explicit operator bool() const { return FNative != nullptr; }
    void Reset(T* native = nullptr) {
        if (FNative) {
            detail::GdipDestroy(FNative);
            detail::GdipCountDown(detail::KindOf<T>());
        }
        FNative = native;
        if (FNative) detail::GdipCountUp(detail::KindOf<T>());
    }

private:
    T* FNative = nullptr;
};

// --- start-up -----------------------------------------------------------------------------

// Registers the "GDI+" start-up step (GDI+ started once, stopped at finalisation) and
// the shared face cache's shut-down step (its faces released).
void RegisterPaintUnits();
// Starts GDI+ when it is not running (idempotent); false when the platform refused.
bool StartGdiplus();
// Stops GDI+ with the token kept at start-up; harmless when it is not running.
void StopGdiplus();
bool GdiplusStarted();

// --- wrappers -------------------------------------------------------------------------------

class TGdiplusBase {
public:
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;
    // The status of the last failing call (Ok when none failed); resets it to Ok.
    TStatus GetLastStatus() { return std::exchange(lastResult, TStatus::Ok); }

protected:
    TGdiplusBase() = default;
    TGdiplusBase(TGdiplusBase&&) noexcept = default;
    TGdiplusBase& operator=(TGdiplusBase&&) noexcept = default;
    ~TGdiplusBase() = default;
    // Records a failing status and passes any status through.
    TStatus SetStatus(TStatus status) {
        if (status != TStatus::Ok) lastResult = status;
        return status;
    }
    TStatus SetStatus(int status) { return SetStatus(static_cast<TStatus>(status)); }
    // After a create call: Ok with no object is reported as OutOfMemory. native is taken by
    // reference so that it is read after the create call in the same argument list ran.
    template <class T>
    TStatus Created(int status, TGdipHandle<T>& handle, T* const& native) {
        handle.Reset(status == 0 ? native : nullptr);
        if (status == 0 && !native) status = static_cast<int>(TStatus::OutOfMemory);
        return SetStatus(status);
    }

    TStatus lastResult = TStatus::Ok;
};

class TGPGraphicsPath;
class TGPRegion;
class TGPPen;
class TGPBrush;
class TGPFontFamily;
class TGPFont;
class TGPStringFormat;
class TGPImage;
class TGPImageAttributes;
class TGPMatrix;

class TGPGraphics : public TGdiplusBase {
public:
    explicit TGPGraphics(HDC__* dc);
    // A surface drawing into an image (an off-screen bitmap).
    explicit TGPGraphics(TGPImage& image);
    TGPGraphics(TGPGraphics&&) noexcept = default;
    TGPGraphics& operator=(TGPGraphics&&) noexcept = default;
    GpGraphics* Native() const { return nativeGraphics.Get(); }

    // The surface's DC, to be handed back with ReleaseHDC before the surface draws again.
    HDC__* GetHDC();
    void ReleaseHDC(HDC__* dc);
    TStatus SetSmoothingMode(TSmoothingMode mode);
    TSmoothingMode GetSmoothingMode();
    TStatus SetTextRenderingHint(TTextRenderingHint hint);
    TStatus SetClip(const TGPRegion& region, TCombineMode mode = CombineModeReplace);
    TStatus SetClip(const TGPGraphicsPath& path, TCombineMode mode = CombineModeReplace);
    // Copies the surface's clip into region (an infinite region when there is none).
    TStatus GetClip(TGPRegion& region);
    TStatus ResetClip();
    TStatus Clear(ARGB color);
    TStatus ResetTransform();
    TStatus TranslateTransform(float dx, float dy);

    TStatus FillPath(const TGPBrush& brush, const TGPGraphicsPath& path);
    TStatus FillRectangle(const TGPBrush& brush, const TGPRectF& rect);
    TStatus FillRectangle(const TGPBrush& brush, float x, float y, float width, float height);
    TStatus FillEllipse(const TGPBrush& brush, const TGPRectF& rect);
    TStatus FillEllipse(const TGPBrush& brush, float x, float y, float width, float height);
    TStatus FillPolygon(const TGPBrush& brush, const TGPPointF* points, int count, TFillMode mode = FillModeAlternate);
    TStatus DrawPath(const TGPPen& pen, const TGPGraphicsPath& path);
    TStatus DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2);
    TStatus DrawLine(const TGPPen& pen, const TGPPointF& p1, const TGPPointF& p2);
    TStatus DrawRectangle(const TGPPen& pen, const TGPRectF& rect);
    TStatus DrawRectangle(const TGPPen& pen, float x, float y, float width, float height);
    TStatus DrawEllipse(const TGPPen& pen, const TGPRectF& rect);
    TStatus DrawEllipse(const TGPPen& pen, float x, float y, float width, float height);
    TStatus DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus DrawArc(const TGPPen& pen, const TGPRectF& rect, float startAngle, float sweepAngle);

    // A null format uses the default layout.
    TStatus DrawString(const std::wstring& text, const TGPFont& font, const TGPRectF& layoutRect,
                       const TGPStringFormat* format, const TGPBrush& brush);
    TStatus DrawString(const std::wstring& text, const TGPFont& font, const TGPPointF& origin,
                       const TGPStringFormat* format, const TGPBrush& brush);
    TStatus MeasureString(const std::wstring& text, const TGPFont& font, const TGPRectF& layoutRect,
                          const TGPStringFormat* format, TGPRectF& boundingBox);

    TStatus DrawImage(TGPImage& image, int x, int y);
    TStatus DrawImage(TGPImage& image, const TGPRectF& dest);
    TStatus DrawImage(TGPImage& image, const TGPRectF& dest, float srcX, float srcY, float srcWidth, float srcHeight,
                      TUnit srcUnit, const TGPImageAttributes* attributes);
    TStatus DrawImageRect(TGPImage& image, int x, int y, int width, int height);
    // Rounds the rectangle's four values to integers first.
    TStatus DrawImageRect(TGPImage& image, const TGPRectF& rect);

private:
    TGdipHandle<GpGraphics> nativeGraphics;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(TFillMode fillMode = FillModeAlternate);
    TGPGraphicsPath(TGPGraphicsPath&&) noexcept = default;
    TGPGraphicsPath& operator=(TGPGraphicsPath&&) noexcept = default;
    GpPath* Native() const { return nativePath.Get(); }

    TStatus AddLine(float x1, float y1, float x2, float y2);
    TStatus AddLine(const TGPPointF& p1, const TGPPointF& p2);
    TStatus AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    TStatus AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
    TStatus AddEllipse(const TGPRectF& rect);
    TStatus AddEllipse(float x, float y, float width, float height);
    TStatus AddRectangle(const TGPRectF& rect);
    TStatus AddPolygon(const TGPPointF* points, int count);
    TStatus AddPolygon(const TGPPoint* points, int count);
    TStatus AddCurve(const TGPPointF* points, int count);
    TStatus AddCurve(const TGPPoint* points, int count, float tension);
    TStatus AddString(const std::wstring& text, const TGPFontFamily& family, int style, float emSize,
                      const TGPRectF& layoutRect, const TGPStringFormat* format);
    TStatus CloseFigure();
    TStatus Reset();
    int GetPointCount();

private:
    TGdipHandle<GpPath> nativePath;
};

class TGPRegion : public TGdiplusBase {
public:
    // The infinite region.
    TGPRegion();
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath& path);
    TGPRegion(TGPRegion&&) noexcept = default;
    TGPRegion& operator=(TGPRegion&&) noexcept = default;
    GpRegion* Native() const { return nativeRegion.Get(); }

    TStatus Exclude(const TGPGraphicsPath& path);
    TStatus Union(const TGPRegion& region);
    // Whether the point lies in the region (no surface transform applied).
    bool IsVisible(float x, float y);

private:
    TGdipHandle<GpRegion> nativeRegion;
};

// Narrows the surface's clip for one scope (intersects it with the given shape) and gives
// the caller's clip back at the end: a painter never widens or drops a clip it did not set.
class TGPClipScope {
public:
    TGPClipScope(TGPGraphics& g, const TGPGraphicsPath& path);
    TGPClipScope(TGPGraphics& g, const TGPRegion& region);
    TGPClipScope(TGPGraphics& g, const TGPRectF& rect);
    ~TGPClipScope();
    TGPClipScope(const TGPClipScope&) = delete;
    TGPClipScope& operator=(const TGPClipScope&) = delete;

private:
    TGPGraphics& FGraphics;
    TGPRegion FSaved;
};

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush(TGPBrush&&) noexcept = default;
    TGPBrush& operator=(TGPBrush&&) noexcept = default;
    GpBrush* Native() const { return nativeBrush.Get(); }

protected:
    TGPBrush() = default;
    TGdipHandle<GpBrush> nativeBrush;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    // Wrap mode tile.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, TLinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable);
    TStatus SetGammaCorrection(bool useGammaCorrection);
    // Preset blend: count colours at positions 0..1 (first 0, last 1).
    TStatus SetInterpolationColors(const ARGB* colors, const float* positions, int count);
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath& path);
    TStatus SetCenterPoint(const TGPPointF& point);
    TStatus SetCenterColor(ARGB color);
    // count is updated with the number of colours taken.
    TStatus SetSurroundColors(const ARGB* colors, int& count);
    TStatus SetInterpolationColors(const ARGB* colors, const float* positions, int count);
    TStatus SetWrapMode(TWrapMode mode);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(THatchStyle style, ARGB foreColor, ARGB backColor);
};

class TGPTextureBrush : public TGPBrush {
public:
    TGPTextureBrush(TGPImage& image, TWrapMode wrapMode = WrapModeTile);
};

class TGPPen : public TGdiplusBase {
public:
    // Width in world units (pixels on an untransformed surface).
    explicit TGPPen(ARGB color, float width = 1.0f);
    explicit TGPPen(const TGPBrush& brush, float width = 1.0f);
    TGPPen(TGPPen&&) noexcept = default;
    TGPPen& operator=(TGPPen&&) noexcept = default;
    GpPen* Native() const { return nativePen.Get(); }

    TStatus SetDashStyle(TDashStyle style);
    TStatus SetEndCap(TLineCap cap);

private:
    TGdipHandle<GpPen> nativePen;
};

class TGPFontFamily : public TGdiplusBase {
public:
    // Records FontFamilyNotFound (14) when no font of that face is installed.
    explicit TGPFontFamily(const std::wstring& name);
    TGPFontFamily(TGPFontFamily&&) noexcept = default;
    TGPFontFamily& operator=(TGPFontFamily&&) noexcept = default;
    GpFontFamily* Native() const { return nativeFamily.Get(); }

private:
    TGdipHandle<GpFontFamily> nativeFamily;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily& family, float emSize, int style = FontStyleRegular, TUnit unit = UnitPoint);
    TGPFont(TGPFont&&) noexcept = default;
    TGPFont& operator=(TGPFont&&) noexcept = default;
    GpFont* Native() const { return nativeFont.Get(); }

private:
    TGdipHandle<GpFont> nativeFont;
};

// A framework font as a GDI+ font: face name, point size, bold/italic/underline (strike-out
// is not carried over), unit point. familyStatus, when given, receives the family's status.
TGPFont MakeGPFont(const TFont& font, TStatus* familyStatus = nullptr);

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(int formatFlags = 0, uint16_t language = 0);
    TGPStringFormat(TGPStringFormat&&) noexcept = default;
    TGPStringFormat& operator=(TGPStringFormat&&) noexcept = default;
    GpStringFormat* Native() const { return nativeFormat.Get(); }

    TStatus SetAlignment(TStringAlignment align);
    TStatus SetLineAlignment(TStringAlignment align);
    TStatus SetFormatFlags(int flags);
    TStatus SetTrimming(TStringTrimming trimming);
    TStatus SetHotkeyPrefix(THotkeyPrefix prefix);

private:
    TGdipHandle<GpStringFormat> nativeFormat;
};

class TGPImage : public TGdiplusBase {
public:
    // Decodes from a COM stream of the file bytes; the stream may be released afterwards
    // only when the image is gone (GDI+ reads it lazily).
    explicit TGPImage(IStream* stream, bool useEmbeddedColorManagement = false);
    explicit TGPImage(const std::wstring& fileName, bool useEmbeddedColorManagement = false);
    TGPImage(TGPImage&&) noexcept = default;
    TGPImage& operator=(TGPImage&&) noexcept = default;
    GpImage* Native() const { return nativeImage.Get(); }

    // Status of decoding; Ok when the image was decoded.
    TStatus GetLoadStatus() const { return loadStatus; }
    int GetWidth();
    int GetHeight();
    TGPImageFormat GetFormat();
    TGPPixelFormat GetPixelFormat();
    int GetPixelDepth();
    bool HasAlphaChannel();
    bool HasPalette();
    // A raster image's pixel; only for images decoded from raster formats (BMP, PNG, JPEG,
    // GIF, TIFF, ICO), never for metafiles.
    TStatus GetPixel(int x, int y, ARGB& color);

protected:
    TGPImage() = default;
    TGdipHandle<GpImage> nativeImage;
    TStatus loadStatus = TStatus::Ok;
};

class TGPBitmap : public TGPImage {
public:
    explicit TGPBitmap(IStream* stream, bool useEmbeddedColorManagement = false);
    TGPBitmap(int width, int height, TGPPixelFormat format = PixelFormat32bppARGB);
    TStatus SetPixel(int x, int y, ARGB color);
    // A new GDI bitmap the caller owns (wrap it in TGdiBitmap).
    TStatus GetHBITMAP(ARGB background, HBITMAP__*& bitmap);
};

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();
    TGPImageAttributes(TGPImageAttributes&&) noexcept = default;
    TGPImageAttributes& operator=(TGPImageAttributes&&) noexcept = default;
    GpImageAttributes* Native() const { return nativeImageAttr.Get(); }

    TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, TColorAdjustType type = ColorAdjustTypeDefault);

private:
    TGdipHandle<GpImageAttributes> nativeImageAttr;
};

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(TGPMatrix&&) noexcept = default;
    TGPMatrix& operator=(TGPMatrix&&) noexcept = default;
    GpMatrix* Native() const { return nativeMatrix.Get(); }
    TStatus Translate(float dx, float dy);

private:
    TGdipHandle<GpMatrix> nativeMatrix;
};

// --- image bytes for the decoder ----------------------------------------------------------

// Raised when the memory block for an image cannot be had.
class EImageMemoryError : public EOutOfResources {
public:
    EImageMemoryError();
};

// Owns one reference to a COM stream.
class TComStream {
public:
    TComStream() = default;
    explicit TComStream(IStream* stream) : FStream(stream) {}
    ~TComStream();
    TComStream(const TComStream&) = delete;
    TComStream& operator=(const TComStream&) = delete;
    TComStream(TComStream&& other) noexcept : FStream(std::exchange(other.FStream, nullptr)) {}
    TComStream& operator=(TComStream&& other) noexcept;
    IStream* Get() const { return FStream; }
    explicit operator bool() const { return FStream != nullptr; }

private:
    IStream* FStream = nullptr;
};

// A read-only COM stream over a movable global memory copy of the bytes, positioned at 0,
// that never reads outside them (paint/ImageStream.h) and frees its memory when released.
// Raises EImageMemoryError when the memory cannot be allocated.
TComStream CreateImageStream(const void* data, size_t size);
// Replaces the global memory allocator (GlobalAlloc flags, size -> HGLOBAL) so tests can
// make it fail; null restores the platform's.
using TGlobalAllocFn = std::function<void*(unsigned flags, size_t size)>;
void SetImageMemoryAllocator(TGlobalAllocFn allocator);

}  // namespace orv
