#include "paint/OrvGDIP.h"
#include "paint/PaintClasses.h"

#include <windows.h>
#include <objidl.h>

#include <array>
#include <cmath>
#include <cstring>

#include "framework/Graphics.h"
#include "framework/Units.h"
#include "paint/FaceCache.h"
#include "paint/GDIPFill.h"
#include "paint/ImageStream.h"

// The flat interface of gdiplus.dll, declared here so that nothing of the SDK's C++ classes
// comes in. Every brush kind is passed as GpBrush and every bitmap as GpImage: the native
// objects are the same in memory, only the SDK's typedefs differ.
using orv::GpBrush;
using orv::GpFont;
using orv::GpFontFamily;
using orv::GpGraphics;
using orv::GpImage;
using orv::GpImageAttributes;
using orv::GpMatrix;
using orv::GpPath;
using orv::GpPen;
using orv::GpRegion;
using orv::GpStringFormat;
using orv::TGPPoint;
using orv::TGPPointF;
using orv::TGPRectF;

namespace {
struct TStartupInput {
    UINT32 GdiplusVersion;
    void* DebugEventCallback;
    BOOL SuppressBackgroundThread;
    BOOL SuppressExternalCodecs;
};
using TNotificationHook = int(WINAPI*)(ULONG_PTR* token);
using TNotificationUnhook = void(WINAPI*)(ULONG_PTR token);
struct TStartupOutput {
    TNotificationHook NotificationHook;
    TNotificationUnhook NotificationUnhook;
};
}  // namespace

extern "C" {
int WINAPI GdiplusStartup(ULONG_PTR* token, const TStartupInput* input, TStartupOutput* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);

int WINAPI GdipCreateFromHDC(HDC dc, GpGraphics** graphics);
int WINAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
int WINAPI GdipDeleteGraphics(GpGraphics* graphics);
int WINAPI GdipGetDC(GpGraphics* graphics, HDC* dc);
int WINAPI GdipReleaseDC(GpGraphics* graphics, HDC dc);
int WINAPI GdipSetSmoothingMode(GpGraphics* graphics, int mode);
int WINAPI GdipGetSmoothingMode(GpGraphics* graphics, int* mode);
int WINAPI GdipSetTextRenderingHint(GpGraphics* graphics, int hint);
int WINAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, int mode);
int WINAPI GdipSetClipPath(GpGraphics* graphics, GpPath* path, int mode);
int WINAPI GdipResetClip(GpGraphics* graphics);
int WINAPI GdipGetClip(GpGraphics* graphics, GpRegion* region);
int WINAPI GdipGraphicsClear(GpGraphics* graphics, orv::ARGB color);
int WINAPI GdipResetWorldTransform(GpGraphics* graphics);
int WINAPI GdipTranslateWorldTransform(GpGraphics* graphics, float dx, float dy, int order);
int WINAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
int WINAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, float x, float y, float w, float h);
int WINAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, float x, float y, float w, float h);
int WINAPI GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const TGPPointF* points, int count, int mode);
int WINAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
int WINAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, float x1, float y1, float x2, float y2);
int WINAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, float x, float y, float w, float h);
int WINAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, float x, float y, float w, float h);
int WINAPI GdipDrawArc(GpGraphics* graphics, GpPen* pen, float x, float y, float w, float h, float start, float sweep);
int WINAPI GdipDrawString(GpGraphics* graphics, const WCHAR* text, int length, const GpFont* font,
                          const TGPRectF* layout, const GpStringFormat* format, const GpBrush* brush);
int WINAPI GdipMeasureString(GpGraphics* graphics, const WCHAR* text, int length, const GpFont* font,
                             const TGPRectF* layout, const GpStringFormat* format, TGPRectF* bounds, int* fitted,
                             int* lines);
int WINAPI GdipDrawImageI(GpGraphics* graphics, GpImage* image, int x, int y);
int WINAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, float x, float y, float w, float h);
int WINAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, float dx, float dy, float dw, float dh, float sx,
                                 float sy, float sw, float sh, int srcUnit, const GpImageAttributes* attributes,
                                 void* abort, void* abortData);

int WINAPI GdipCreatePath(int fillMode, GpPath** path);
int WINAPI GdipDeletePath(GpPath* path);
int WINAPI GdipAddPathLine(GpPath* path, float x1, float y1, float x2, float y2);
int WINAPI GdipAddPathArc(GpPath* path, float x, float y, float w, float h, float start, float sweep);
int WINAPI GdipAddPathEllipse(GpPath* path, float x, float y, float w, float h);
int WINAPI GdipAddPathRectangle(GpPath* path, float x, float y, float w, float h);
int WINAPI GdipAddPathPolygon(GpPath* path, const TGPPointF* points, int count);
int WINAPI GdipAddPathPolygonI(GpPath* path, const TGPPoint* points, int count);
int WINAPI GdipAddPathCurve(GpPath* path, const TGPPointF* points, int count);
int WINAPI GdipAddPathCurve2I(GpPath* path, const TGPPoint* points, int count, float tension);
int WINAPI GdipAddPathString(GpPath* path, const WCHAR* text, int length, const GpFontFamily* family, int style,
                             float emSize, const TGPRectF* layout, const GpStringFormat* format);
int WINAPI GdipClosePathFigure(GpPath* path);
int WINAPI GdipResetPath(GpPath* path);
int WINAPI GdipGetPointCount(GpPath* path, int* count);

int WINAPI GdipCreateRegion(GpRegion** region);
int WINAPI GdipCreateRegionRect(const TGPRectF* rect, GpRegion** region);
int WINAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
int WINAPI GdipCombineRegionPath(GpRegion* region, GpPath* path, int mode);
int WINAPI GdipCombineRegionRegion(GpRegion* region, GpRegion* other, int mode);
int WINAPI GdipIsVisibleRegionPoint(GpRegion* region, float x, float y, GpGraphics* graphics, BOOL* result);
int WINAPI GdipDeleteRegion(GpRegion* region);

int WINAPI GdipCreateSolidFill(orv::ARGB color, GpBrush** brush);
int WINAPI GdipCreateLineBrushFromRect(const TGPRectF* rect, orv::ARGB c1, orv::ARGB c2, int mode, int wrap,
                                       GpBrush** brush);
int WINAPI GdipCreateLineBrushFromRectWithAngle(const TGPRectF* rect, orv::ARGB c1, orv::ARGB c2, float angle,
                                                BOOL scalable, int wrap, GpBrush** brush);
int WINAPI GdipSetLineGammaCorrection(GpBrush* brush, BOOL use);
int WINAPI GdipSetLinePresetBlend(GpBrush* brush, const orv::ARGB* colors, const float* positions, int count);
int WINAPI GdipCreatePathGradientFromPath(const GpPath* path, GpBrush** brush);
int WINAPI GdipSetPathGradientCenterPoint(GpBrush* brush, const TGPPointF* point);
int WINAPI GdipSetPathGradientCenterColor(GpBrush* brush, orv::ARGB color);
int WINAPI GdipSetPathGradientSurroundColorsWithCount(GpBrush* brush, const orv::ARGB* colors, int* count);
int WINAPI GdipSetPathGradientPresetBlend(GpBrush* brush, const orv::ARGB* colors, const float* positions, int count);
int WINAPI GdipSetPathGradientWrapMode(GpBrush* brush, int wrap);
int WINAPI GdipCreateHatchBrush(int style, orv::ARGB fore, orv::ARGB back, GpBrush** brush);
int WINAPI GdipCreateTexture(GpImage* image, int wrap, GpBrush** brush);
int WINAPI GdipDeleteBrush(GpBrush* brush);

int WINAPI GdipCreatePen1(orv::ARGB color, float width, int unit, GpPen** pen);
int WINAPI GdipCreatePen2(GpBrush* brush, float width, int unit, GpPen** pen);
int WINAPI GdipSetPenDashStyle(GpPen* pen, int style);
int WINAPI GdipSetPenEndCap(GpPen* pen, int cap);
int WINAPI GdipDeletePen(GpPen* pen);

int WINAPI GdipCreateFontFamilyFromName(const WCHAR* name, void* collection, GpFontFamily** family);
int WINAPI GdipDeleteFontFamily(GpFontFamily* family);
int WINAPI GdipCreateFont(const GpFontFamily* family, float emSize, int style, int unit, GpFont** font);
int WINAPI GdipDeleteFont(GpFont* font);
int WINAPI GdipCreateStringFormat(int flags, LANGID language, GpStringFormat** format);
int WINAPI GdipDeleteStringFormat(GpStringFormat* format);
int WINAPI GdipSetStringFormatAlign(GpStringFormat* format, int align);
int WINAPI GdipSetStringFormatLineAlign(GpStringFormat* format, int align);
int WINAPI GdipSetStringFormatFlags(GpStringFormat* format, int flags);
int WINAPI GdipSetStringFormatTrimming(GpStringFormat* format, int trimming);
int WINAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, int prefix);

int WINAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
int WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
int WINAPI GdipLoadImageFromFile(const WCHAR* fileName, GpImage** image);
int WINAPI GdipLoadImageFromFileICM(const WCHAR* fileName, GpImage** image);
int WINAPI GdipDisposeImage(GpImage* image);
int WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
int WINAPI GdipGetImageHeight(GpImage* image, UINT* height);
int WINAPI GdipGetImageRawFormat(GpImage* image, GUID* format);
int WINAPI GdipGetImagePixelFormat(GpImage* image, int* format);
int WINAPI GdipCreateBitmapFromStream(IStream* stream, GpImage** bitmap);
int WINAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpImage** bitmap);
int WINAPI GdipCreateBitmapFromScan0(int width, int height, int stride, int format, BYTE* scan0, GpImage** bitmap);
int WINAPI GdipBitmapGetPixel(GpImage* bitmap, int x, int y, orv::ARGB* color);
int WINAPI GdipBitmapSetPixel(GpImage* bitmap, int x, int y, orv::ARGB color);
int WINAPI GdipCreateHBITMAPFromBitmap(GpImage* bitmap, HBITMAP* result, orv::ARGB background);

int WINAPI GdipCreateImageAttributes(GpImageAttributes** attributes);
int WINAPI GdipDisposeImageAttributes(GpImageAttributes* attributes);
int WINAPI GdipSetImageAttributesColorKeys(GpImageAttributes* attributes, int type, BOOL enable, orv::ARGB low,
                                           orv::ARGB high);

int WINAPI GdipCreateMatrix(GpMatrix** matrix);
int WINAPI GdipDeleteMatrix(GpMatrix* matrix);
int WINAPI GdipTranslateMatrix(GpMatrix* matrix, float dx, float dy, int order);
}

namespace orv {

// --- live counts ------------------------------------------------------------------------

namespace {
std::array<int, static_cast<size_t>(TGdipKind::Count)> gGdipLive{};
std::array<long, static_cast<size_t>(TGdipKind::Count)> gGdipMade{};
}  // namespace

int GdipLiveCount(TGdipKind kind) {
    return gGdipLive[static_cast<size_t>(kind)];
}

long GdipMadeCount(TGdipKind kind) {
    return gGdipMade[static_cast<size_t>(kind)];
}

int GdipLiveTotal() {
    int total = 0;
    for (int n : gGdipLive) total += n;
    return total;
}

namespace detail {
void GdipCountUp(TGdipKind kind) {
    ++gGdipLive[static_cast<size_t>(kind)];
    ++gGdipMade[static_cast<size_t>(kind)];
}
void GdipCountDown(TGdipKind kind) {
    --gGdipLive[static_cast<size_t>(kind)];
}
void GdipDestroy(GpGraphics* p) {
    GdipDeleteGraphics(p);
}
void GdipDestroy(GpPath* p) {
    GdipDeletePath(p);
}
void GdipDestroy(GpRegion* p) {
    GdipDeleteRegion(p);
}
void GdipDestroy(GpPen* p) {
    GdipDeletePen(p);
}
void GdipDestroy(GpBrush* p) {
    GdipDeleteBrush(p);
}
void GdipDestroy(GpFontFamily* p) {
    GdipDeleteFontFamily(p);
}
void GdipDestroy(GpFont* p) {
    GdipDeleteFont(p);
}
void GdipDestroy(GpStringFormat* p) {
    GdipDeleteStringFormat(p);
}
void GdipDestroy(GpImage* p) {
    GdipDisposeImage(p);
}
void GdipDestroy(GpImageAttributes* p) {
    GdipDisposeImageAttributes(p);
}
void GdipDestroy(GpMatrix* p) {
    GdipDeleteMatrix(p);
}
}  // namespace detail

// --- start-up -----------------------------------------------------------------------------

namespace {
// One start per process: the token and the unhook function are kept for shut-down.
ULONG_PTR gToken = 0;
bool gStarted = false;
TNotificationUnhook gUnhook = nullptr;
ULONG_PTR gHookToken = 0;
}  // namespace

bool StartGdiplus() {
    if (gStarted) return true;
    // No background thread (we run the notification hook ourselves), external codecs allowed.
    TStartupInput input{1, nullptr, TRUE, FALSE};
    TStartupOutput output{};
    ULONG_PTR token = 0;
    if (GdiplusStartup(&token, &input, &output) != 0) return false;
    gToken = token;
    gStarted = true;
    gUnhook = output.NotificationUnhook;
    if (output.NotificationHook && output.NotificationHook(&gHookToken) != 0) gUnhook = nullptr;
    return true;
}

void StopGdiplus() {
    if (!gStarted) return;
    if (gUnhook) gUnhook(gHookToken);
    gUnhook = nullptr;
    GdiplusShutdown(gToken);
    gToken = 0;
    gStarted = false;
}

bool GdiplusStarted() {
    return gStarted;
}

void RegisterPaintUnits() {
    RegisterUnit(
        L"GDI+", [] { StartGdiplus(); }, [] { StopGdiplus(); });
    // The controls are gone by the time the steps shut down; the faces they shared go
    // with them, so the process ends holding no bitmap or DC of ours.
    RegisterUnit(L"Faces", nullptr, [] {
        SharedFaceCache().Clear();
        ReleaseFaceBlitSurface();
    });
    RegisterUnit(L"Pictures", RegisterPaintClasses, nullptr);
    // The fill's clipboard format is registered at start-up, so every instance of the
    // program knows it before the first copy.
    RegisterUnit(
        L"Fill",
        [] {
            RegisterFillClasses();
            FillClipboardFormat();
        },
        nullptr);
}

namespace {
// A wrapper made before start-up (or after shut-down) starts GDI+ itself rather than
// holding a null object; the start-up step then finds it running.
void EnsureStarted() {
    if (!gStarted) StartGdiplus();
}
int TextLength(const std::wstring& text) {
    return static_cast<int>(text.size());
}
}  // namespace

// --- image formats ------------------------------------------------------------------------

TGPImageFormat ImageFormatFromGuid(const void* guid16) {
    GUID g;
    std::memcpy(&g, guid16, sizeof(g));
    // {B96B3CAx-0728-11D3-9D7B-0000F81EF32E}: only the first field differs between formats.
    static const unsigned char kTail[8] = {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E};
    if (g.Data2 != 0x0728 || g.Data3 != 0x11D3 || std::memcmp(g.Data4, kTail, 8) != 0) return ifUndefined;
    switch (g.Data1) {
        case 0xB96B3CAA:
            return ifMemoryBMP;
        case 0xB96B3CAB:
            return ifBMP;
        case 0xB96B3CAC:
            return ifEMF;
        case 0xB96B3CAD:
            return ifWMF;
        case 0xB96B3CAE:
            return ifJPEG;
        case 0xB96B3CAF:
            return ifPNG;
        case 0xB96B3CB0:
            return ifGIF;
        case 0xB96B3CB1:
            return ifTIFF;
        case 0xB96B3CB2:
            return ifEXIF;
        case 0xB96B3CB5:
            return ifIcon;
        default:
            return ifUndefined;
    }
}

// --- TGPGraphics ----------------------------------------------------------------------------

TGPGraphics::TGPGraphics(HDC__* dc) {
    EnsureStarted();
    GpGraphics* g = nullptr;
    Created(GdipCreateFromHDC(dc, &g), nativeGraphics, g);
}

TGPGraphics::TGPGraphics(TGPImage& image) {
    EnsureStarted();
    GpGraphics* g = nullptr;
    Created(GdipGetImageGraphicsContext(image.Native(), &g), nativeGraphics, g);
}

HDC__* TGPGraphics::GetHDC() {
    HDC dc = nullptr;
    SetStatus(GdipGetDC(nativeGraphics.Get(), &dc));
    return dc;
}
void TGPGraphics::ReleaseHDC(HDC__* dc) {
    SetStatus(GdipReleaseDC(nativeGraphics.Get(), dc));
}
TStatus TGPGraphics::SetSmoothingMode(TSmoothingMode mode) {
    return SetStatus(GdipSetSmoothingMode(nativeGraphics.Get(), mode));
}
TSmoothingMode TGPGraphics::GetSmoothingMode() {
    int mode = SmoothingModeInvalid;
    SetStatus(GdipGetSmoothingMode(nativeGraphics.Get(), &mode));
    return static_cast<TSmoothingMode>(mode);
}
TStatus TGPGraphics::SetTextRenderingHint(TTextRenderingHint hint) {
    return SetStatus(GdipSetTextRenderingHint(nativeGraphics.Get(), hint));
}
TStatus TGPGraphics::SetClip(const TGPRegion& region, TCombineMode mode) {
    return SetStatus(GdipSetClipRegion(nativeGraphics.Get(), region.Native(), mode));
}
TStatus TGPGraphics::SetClip(const TGPGraphicsPath& path, TCombineMode mode) {
    return SetStatus(GdipSetClipPath(nativeGraphics.Get(), path.Native(), mode));
}
TStatus TGPGraphics::GetClip(TGPRegion& region) {
    return SetStatus(GdipGetClip(nativeGraphics.Get(), region.Native()));
}
TStatus TGPGraphics::ResetClip() {
    return SetStatus(GdipResetClip(nativeGraphics.Get()));
}
TStatus TGPGraphics::Clear(ARGB color) {
    return SetStatus(GdipGraphicsClear(nativeGraphics.Get(), color));
}
TStatus TGPGraphics::ResetTransform() {
    return SetStatus(GdipResetWorldTransform(nativeGraphics.Get()));
}
TStatus TGPGraphics::TranslateTransform(float dx, float dy) {
    return SetStatus(GdipTranslateWorldTransform(nativeGraphics.Get(), dx, dy, 0));
}

TStatus TGPGraphics::FillPath(const TGPBrush& brush, const TGPGraphicsPath& path) {
    return SetStatus(GdipFillPath(nativeGraphics.Get(), brush.Native(), path.Native()));
}
TStatus TGPGraphics::FillRectangle(const TGPBrush& brush, const TGPRectF& r) {
    return FillRectangle(brush, r.X, r.Y, r.Width, r.Height);
}
TStatus TGPGraphics::FillRectangle(const TGPBrush& brush, float x, float y, float width, float height) {
    return SetStatus(GdipFillRectangle(nativeGraphics.Get(), brush.Native(), x, y, width, height));
}
TStatus TGPGraphics::FillEllipse(const TGPBrush& brush, const TGPRectF& r) {
    return FillEllipse(brush, r.X, r.Y, r.Width, r.Height);
}
TStatus TGPGraphics::FillEllipse(const TGPBrush& brush, float x, float y, float width, float height) {
    return SetStatus(GdipFillEllipse(nativeGraphics.Get(), brush.Native(), x, y, width, height));
}
TStatus TGPGraphics::FillPolygon(const TGPBrush& brush, const TGPPointF* points, int count, TFillMode mode) {
    return SetStatus(GdipFillPolygon(nativeGraphics.Get(), brush.Native(), points, count, mode));
}
TStatus TGPGraphics::DrawPath(const TGPPen& pen, const TGPGraphicsPath& path) {
    return SetStatus(GdipDrawPath(nativeGraphics.Get(), pen.Native(), path.Native()));
}
TStatus TGPGraphics::DrawLine(const TGPPen& pen, float x1, float y1, float x2, float y2) {
    return SetStatus(GdipDrawLine(nativeGraphics.Get(), pen.Native(), x1, y1, x2, y2));
}
TStatus TGPGraphics::DrawLine(const TGPPen& pen, const TGPPointF& p1, const TGPPointF& p2) {
    return DrawLine(pen, p1.X, p1.Y, p2.X, p2.Y);
}
TStatus TGPGraphics::DrawRectangle(const TGPPen& pen, const TGPRectF& r) {
    return DrawRectangle(pen, r.X, r.Y, r.Width, r.Height);
}
TStatus TGPGraphics::DrawRectangle(const TGPPen& pen, float x, float y, float width, float height) {
    return SetStatus(GdipDrawRectangle(nativeGraphics.Get(), pen.Native(), x, y, width, height));
}
TStatus TGPGraphics::DrawEllipse(const TGPPen& pen, const TGPRectF& r) {
    return DrawEllipse(pen, r.X, r.Y, r.Width, r.Height);
}
TStatus TGPGraphics::DrawEllipse(const TGPPen& pen, float x, float y, float width, float height) {
    return SetStatus(GdipDrawEllipse(nativeGraphics.Get(), pen.Native(), x, y, width, height));
}
TStatus TGPGraphics::DrawArc(const TGPPen& pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
    return SetStatus(GdipDrawArc(nativeGraphics.Get(), pen.Native(), x, y, width, height, startAngle, sweepAngle));
}
TStatus TGPGraphics::DrawArc(const TGPPen& pen, const TGPRectF& r, float startAngle, float sweepAngle) {
    return DrawArc(pen, r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
}

TStatus TGPGraphics::DrawString(const std::wstring& text, const TGPFont& font, const TGPRectF& layoutRect,
                                const TGPStringFormat* format, const TGPBrush& brush) {
    return SetStatus(GdipDrawString(nativeGraphics.Get(), text.c_str(), TextLength(text), font.Native(), &layoutRect,
                                    format ? format->Native() : nullptr, brush.Native()));
}
TStatus TGPGraphics::DrawString(const std::wstring& text, const TGPFont& font, const TGPPointF& origin,
                                const TGPStringFormat* format, const TGPBrush& brush) {
    // An empty layout box: no wrapping and no clipping, laid out from the origin.
    return DrawString(text, font, TGPRectF{origin.X, origin.Y, 0, 0}, format, brush);
}
TStatus TGPGraphics::MeasureString(const std::wstring& text, const TGPFont& font, const TGPRectF& layoutRect,
                                   const TGPStringFormat* format, TGPRectF& boundingBox) {
    boundingBox = {};
    return SetStatus(GdipMeasureString(nativeGraphics.Get(), text.c_str(), TextLength(text), font.Native(), &layoutRect,
                                       format ? format->Native() : nullptr, &boundingBox, nullptr, nullptr));
}

TStatus TGPGraphics::DrawImage(TGPImage& image, int x, int y) {
    return SetStatus(GdipDrawImageI(nativeGraphics.Get(), image.Native(), x, y));
}
TStatus TGPGraphics::DrawImage(TGPImage& image, const TGPRectF& d) {
    return SetStatus(GdipDrawImageRect(nativeGraphics.Get(), image.Native(), d.X, d.Y, d.Width, d.Height));
}
TStatus TGPGraphics::DrawImage(TGPImage& image, const TGPRectF& d, float srcX, float srcY, float srcWidth,
                               float srcHeight, TUnit srcUnit, const TGPImageAttributes* attributes) {
    return SetStatus(GdipDrawImageRectRect(nativeGraphics.Get(), image.Native(), d.X, d.Y, d.Width, d.Height, srcX,
                                           srcY, srcWidth, srcHeight, srcUnit,
                                           attributes ? attributes->Native() : nullptr, nullptr, nullptr));
}
TStatus TGPGraphics::DrawImageRect(TGPImage& image, int x, int y, int width, int height) {
    return SetStatus(GdipDrawImageRect(nativeGraphics.Get(), image.Native(), static_cast<float>(x),
                                       static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)));
}
TStatus TGPGraphics::DrawImageRect(TGPImage& image, const TGPRectF& r) {
    return DrawImageRect(image, static_cast<int>(std::lround(r.X)), static_cast<int>(std::lround(r.Y)),
                         static_cast<int>(std::lround(r.Width)), static_cast<int>(std::lround(r.Height)));
}

// --- TGPGraphicsPath --------------------------------------------------------------------------

TGPGraphicsPath::TGPGraphicsPath(TFillMode fillMode) {
    EnsureStarted();
    GpPath* p = nullptr;
    Created(GdipCreatePath(fillMode, &p), nativePath, p);
}
TStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
    return SetStatus(GdipAddPathLine(nativePath.Get(), x1, y1, x2, y2));
}
TStatus TGPGraphicsPath::AddLine(const TGPPointF& p1, const TGPPointF& p2) {
    return AddLine(p1.X, p1.Y, p2.X, p2.Y);
}
TStatus TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return SetStatus(GdipAddPathArc(nativePath.Get(), x, y, width, height, startAngle, sweepAngle));
}
TStatus TGPGraphicsPath::AddArc(const TGPRectF& r, float startAngle, float sweepAngle) {
    return AddArc(r.X, r.Y, r.Width, r.Height, startAngle, sweepAngle);
}
TStatus TGPGraphicsPath::AddEllipse(const TGPRectF& r) {
    return AddEllipse(r.X, r.Y, r.Width, r.Height);
}
TStatus TGPGraphicsPath::AddEllipse(float x, float y, float width, float height) {
    return SetStatus(GdipAddPathEllipse(nativePath.Get(), x, y, width, height));
}
TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& r) {
    return SetStatus(GdipAddPathRectangle(nativePath.Get(), r.X, r.Y, r.Width, r.Height));
}
TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count) {
    return SetStatus(GdipAddPathPolygon(nativePath.Get(), points, count));
}
TStatus TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count) {
    return SetStatus(GdipAddPathPolygonI(nativePath.Get(), points, count));
}
TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, int count) {
    return SetStatus(GdipAddPathCurve(nativePath.Get(), points, count));
}
TStatus TGPGraphicsPath::AddCurve(const TGPPoint* points, int count, float tension) {
    return SetStatus(GdipAddPathCurve2I(nativePath.Get(), points, count, tension));
}
TStatus TGPGraphicsPath::AddString(const std::wstring& text, const TGPFontFamily& family, int style, float emSize,
                                   const TGPRectF& layoutRect, const TGPStringFormat* format) {
    return SetStatus(GdipAddPathString(nativePath.Get(), text.c_str(), TextLength(text), family.Native(), style, emSize,
                                       &layoutRect, format ? format->Native() : nullptr));
}
TStatus TGPGraphicsPath::CloseFigure() {
    return SetStatus(GdipClosePathFigure(nativePath.Get()));
}
TStatus TGPGraphicsPath::Reset() {
    return SetStatus(GdipResetPath(nativePath.Get()));
}
int TGPGraphicsPath::GetPointCount() {
    int count = 0;
    SetStatus(GdipGetPointCount(nativePath.Get(), &count));
    return count;
}

// --- TGPRegion --------------------------------------------------------------------------------

TGPRegion::TGPRegion() {
    EnsureStarted();
    GpRegion* r = nullptr;
    Created(GdipCreateRegion(&r), nativeRegion, r);
}
TGPRegion::TGPRegion(const TGPRectF& rect) {
    EnsureStarted();
    GpRegion* r = nullptr;
    Created(GdipCreateRegionRect(&rect, &r), nativeRegion, r);
}
TGPRegion::TGPRegion(const TGPGraphicsPath& path) {
    EnsureStarted();
    GpRegion* r = nullptr;
    Created(GdipCreateRegionPath(path.Native(), &r), nativeRegion, r);
}
TStatus TGPRegion::Exclude(const TGPGraphicsPath& path) {
    return SetStatus(GdipCombineRegionPath(nativeRegion.Get(), path.Native(), CombineModeExclude));
}
TStatus TGPRegion::Union(const TGPRegion& region) {
    return SetStatus(GdipCombineRegionRegion(nativeRegion.Get(), region.Native(), CombineModeUnion));
}
bool TGPRegion::IsVisible(float x, float y) {
    BOOL result = FALSE;
    SetStatus(GdipIsVisibleRegionPoint(nativeRegion.Get(), x, y, nullptr, &result));
    return result != FALSE;
}

// --- TGPClipScope -----------------------------------------------------------------------------

TGPClipScope::TGPClipScope(TGPGraphics& g, const TGPGraphicsPath& path) : FGraphics(g) {
    FGraphics.GetClip(FSaved);
    FGraphics.SetClip(path, CombineModeIntersect);
}
TGPClipScope::TGPClipScope(TGPGraphics& g, const TGPRegion& region) : FGraphics(g) {
    FGraphics.GetClip(FSaved);
    FGraphics.SetClip(region, CombineModeIntersect);
}
TGPClipScope::TGPClipScope(TGPGraphics& g, const TGPRectF& rect) : TGPClipScope(g, TGPRegion(rect)) {}
TGPClipScope::~TGPClipScope() {
    FGraphics.SetClip(FSaved, CombineModeReplace);
}

// --- brushes ----------------------------------------------------------------------------------

TGPSolidBrush::TGPSolidBrush(ARGB color) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreateSolidFill(color, &b), nativeBrush, b);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2,
                                               TLinearGradientMode mode) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreateLineBrushFromRect(&rect, color1, color2, mode, WrapModeTile, &b), nativeBrush, b);
}
TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreateLineBrushFromRectWithAngle(&rect, color1, color2, angle, isAngleScalable ? TRUE : FALSE,
                                                 WrapModeTile, &b),
            nativeBrush, b);
}
TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection) {
    return SetStatus(GdipSetLineGammaCorrection(nativeBrush.Get(), useGammaCorrection ? TRUE : FALSE));
}
TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions, int count) {
    return SetStatus(GdipSetLinePresetBlend(nativeBrush.Get(), colors, positions, count));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath& path) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreatePathGradientFromPath(path.Native(), &b), nativeBrush, b);
}
TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point) {
    return SetStatus(GdipSetPathGradientCenterPoint(nativeBrush.Get(), &point));
}
TStatus TGPPathGradientBrush::SetCenterColor(ARGB color) {
    return SetStatus(GdipSetPathGradientCenterColor(nativeBrush.Get(), color));
}
TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count) {
    return SetStatus(GdipSetPathGradientSurroundColorsWithCount(nativeBrush.Get(), colors, &count));
}
TStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* colors, const float* positions, int count) {
    return SetStatus(GdipSetPathGradientPresetBlend(nativeBrush.Get(), colors, positions, count));
}
TStatus TGPPathGradientBrush::SetWrapMode(TWrapMode mode) {
    return SetStatus(GdipSetPathGradientWrapMode(nativeBrush.Get(), mode));
}

TGPHatchBrush::TGPHatchBrush(THatchStyle style, ARGB foreColor, ARGB backColor) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreateHatchBrush(style, foreColor, backColor, &b), nativeBrush, b);
}

TGPTextureBrush::TGPTextureBrush(TGPImage& image, TWrapMode wrapMode) {
    EnsureStarted();
    GpBrush* b = nullptr;
    Created(GdipCreateTexture(image.Native(), wrapMode, &b), nativeBrush, b);
}

// --- pens ---------------------------------------------------------------------------------------

TGPPen::TGPPen(ARGB color, float width) {
    EnsureStarted();
    GpPen* p = nullptr;
    Created(GdipCreatePen1(color, width, UnitWorld, &p), nativePen, p);
}
TGPPen::TGPPen(const TGPBrush& brush, float width) {
    EnsureStarted();
    GpPen* p = nullptr;
    Created(GdipCreatePen2(brush.Native(), width, UnitWorld, &p), nativePen, p);
}
TStatus TGPPen::SetDashStyle(TDashStyle style) {
    return SetStatus(GdipSetPenDashStyle(nativePen.Get(), style));
}
TStatus TGPPen::SetEndCap(TLineCap cap) {
    return SetStatus(GdipSetPenEndCap(nativePen.Get(), cap));
}

// --- text ---------------------------------------------------------------------------------------

TGPFontFamily::TGPFontFamily(const std::wstring& name) {
    EnsureStarted();
    GpFontFamily* f = nullptr;
    Created(GdipCreateFontFamilyFromName(name.c_str(), nullptr, &f), nativeFamily, f);
}

TGPFont::TGPFont(const TGPFontFamily& family, float emSize, int style, TUnit unit) {
    EnsureStarted();
    GpFont* f = nullptr;
    Created(GdipCreateFont(family.Native(), emSize, style, unit, &f), nativeFont, f);
}

TGPFont MakeGPFont(const TFont& font, TStatus* familyStatus) {
    TGPFontFamily family(font.GetName());
    TStatus status = family.GetLastStatus();
    if (familyStatus) *familyStatus = status;
    int style = FontStyleRegular;
    if (font.GetStyle() & fsBold) style |= FontStyleBold;
    if (font.GetStyle() & fsItalic) style |= FontStyleItalic;
    if (font.GetStyle() & fsUnderline) style |= FontStyleUnderline;
    return TGPFont(family, static_cast<float>(font.GetSize()), style, UnitPoint);
}

TGPStringFormat::TGPStringFormat(int formatFlags, uint16_t language) {
    EnsureStarted();
    GpStringFormat* f = nullptr;
    Created(GdipCreateStringFormat(formatFlags, language, &f), nativeFormat, f);
}
TStatus TGPStringFormat::SetAlignment(TStringAlignment align) {
    return SetStatus(GdipSetStringFormatAlign(nativeFormat.Get(), align));
}
TStatus TGPStringFormat::SetLineAlignment(TStringAlignment align) {
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat.Get(), align));
}
TStatus TGPStringFormat::SetFormatFlags(int flags) {
    return SetStatus(GdipSetStringFormatFlags(nativeFormat.Get(), flags));
}
TStatus TGPStringFormat::SetTrimming(TStringTrimming trimming) {
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat.Get(), trimming));
}
TStatus TGPStringFormat::SetHotkeyPrefix(THotkeyPrefix prefix) {
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat.Get(), prefix));
}

// --- images -------------------------------------------------------------------------------------

TGPImage::TGPImage(IStream* stream, bool useEmbeddedColorManagement) {
    EnsureStarted();
    GpImage* i = nullptr;
    int status =
        useEmbeddedColorManagement ? GdipLoadImageFromStreamICM(stream, &i) : GdipLoadImageFromStream(stream, &i);
    loadStatus = Created(status, nativeImage, i);
}
TGPImage::TGPImage(const std::wstring& fileName, bool useEmbeddedColorManagement) {
    EnsureStarted();
    GpImage* i = nullptr;
    int status = useEmbeddedColorManagement ? GdipLoadImageFromFileICM(fileName.c_str(), &i)
                                            : GdipLoadImageFromFile(fileName.c_str(), &i);
    loadStatus = Created(status, nativeImage, i);
}
int TGPImage::GetWidth() {
    UINT w = 0;
    SetStatus(GdipGetImageWidth(nativeImage.Get(), &w));
    return static_cast<int>(w);
}
int TGPImage::GetHeight() {
    UINT h = 0;
    SetStatus(GdipGetImageHeight(nativeImage.Get(), &h));
    return static_cast<int>(h);
}
TGPImageFormat TGPImage::GetFormat() {
    GUID g{};
    if (SetStatus(GdipGetImageRawFormat(nativeImage.Get(), &g)) != TStatus::Ok) return ifUndefined;
    return ImageFormatFromGuid(&g);
}
TGPPixelFormat TGPImage::GetPixelFormat() {
    int format = 0;
    SetStatus(GdipGetImagePixelFormat(nativeImage.Get(), &format));
    return format;
}
int TGPImage::GetPixelDepth() {
    return (GetPixelFormat() >> 8) & 0xFF;
}
bool TGPImage::HasAlphaChannel() {
    return (GetPixelFormat() & PixelFormatAlpha) != 0;
}
bool TGPImage::HasPalette() {
    return (GetPixelFormat() & PixelFormatIndexed) != 0;
}

TGPBitmap::TGPBitmap(IStream* stream, bool useEmbeddedColorManagement) {
    EnsureStarted();
    GpImage* i = nullptr;
    int status =
        useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(stream, &i) : GdipCreateBitmapFromStream(stream, &i);
    loadStatus = Created(status, nativeImage, i);
}
TGPBitmap::TGPBitmap(int width, int height, TGPPixelFormat format) {
    EnsureStarted();
    GpImage* i = nullptr;
    loadStatus = Created(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &i), nativeImage, i);
}
TStatus TGPImage::GetPixel(int x, int y, ARGB& color) {
    color = 0;
    return SetStatus(GdipBitmapGetPixel(nativeImage.Get(), x, y, &color));
}
TStatus TGPBitmap::SetPixel(int x, int y, ARGB color) {
    return SetStatus(GdipBitmapSetPixel(nativeImage.Get(), x, y, color));
}
TStatus TGPBitmap::GetHBITMAP(ARGB background, HBITMAP__*& bitmap) {
    HBITMAP result = nullptr;
    TStatus status = SetStatus(GdipCreateHBITMAPFromBitmap(nativeImage.Get(), &result, background));
    bitmap = result;
    return status;
}

TGPImageAttributes::TGPImageAttributes() {
    EnsureStarted();
    GpImageAttributes* a = nullptr;
    Created(GdipCreateImageAttributes(&a), nativeImageAttr, a);
}
TStatus TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, TColorAdjustType type) {
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr.Get(), type, TRUE, colorLow, colorHigh));
}

TGPMatrix::TGPMatrix() {
    EnsureStarted();
    GpMatrix* m = nullptr;
    Created(GdipCreateMatrix(&m), nativeMatrix, m);
}
TStatus TGPMatrix::Translate(float dx, float dy) {
    return SetStatus(GdipTranslateMatrix(nativeMatrix.Get(), dx, dy, 0));
}

// --- image bytes for the decoder ----------------------------------------------------------

EImageMemoryError::EImageMemoryError() : EOutOfResources(L"Could not allocate memory for image") {}

TComStream::~TComStream() {
    if (FStream) FStream->Release();
}

TComStream& TComStream::operator=(TComStream&& other) noexcept {
    if (this != &other) {
        if (FStream) FStream->Release();
        FStream = std::exchange(other.FStream, nullptr);
    }
    return *this;
}

namespace {
TGlobalAllocFn& AllocatorHook() {
    static TGlobalAllocFn hook;
    return hook;
}
}  // namespace

void SetImageMemoryAllocator(TGlobalAllocFn allocator) {
    AllocatorHook() = std::move(allocator);
}

TComStream CreateImageStream(const void* data, size_t size) {
    auto& hook = AllocatorHook();
    HGLOBAL block = hook ? static_cast<HGLOBAL>(hook(GMEM_MOVEABLE, size)) : GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) throw EImageMemoryError();
    if (size > 0) {
        void* p = GlobalLock(block);
        if (!p) {
            GlobalFree(block);
            throw EImageMemoryError();
        }
        std::memcpy(p, data, size);
        GlobalUnlock(block);
    }
    // Our own stream, not the system's: it stops at the data's end whatever the decoder
    // seeks to, and frees the block when its last reference goes.
    IStream* stream = NewBoundedImageStream(block, size);
    if (!stream) throw EImageMemoryError();
    return TComStream(stream);
}

}  // namespace orv
