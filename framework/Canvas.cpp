#include "framework/Canvas.h"

namespace orv {

COLORREF ToColorRef(TColor color) {
    TColor c = color == clNone ? clWhite : ColorToRGB(color);
    return static_cast<COLORREF>(c) & 0x00FFFFFF;
}

TGdiFont CreateFontHandle(const TFont& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.GetHeight();
    lf.lfEscapement = font.GetOrientation();
    lf.lfOrientation = font.GetOrientation();
    lf.lfWeight = (font.GetStyle() & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (font.GetStyle() & fsItalic) ? TRUE : FALSE;
    lf.lfUnderline = (font.GetStyle() & fsUnderline) ? TRUE : FALSE;
    lf.lfStrikeOut = (font.GetStyle() & fsStrikeOut) ? TRUE : FALSE;
    lf.lfCharSet = font.GetCharset();
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynW(lf.lfFaceName, font.GetName().c_str(), LF_FACESIZE);
    return TGdiFont(CreateFontIndirectW(&lf));
}

TCanvas::TCanvas() {
    FPen.OnChange = TNotifyEvent::Bind(this, &TCanvas::PenChanged);
    FBrush.OnChange = TNotifyEvent::Bind(this, &TCanvas::BrushChanged);
    FFont.OnChange = TNotifyEvent::Bind(this, &TCanvas::FontChanged);
}

TCanvas::~TCanvas() {
    ReleaseObjects();
}

HDC TCanvas::Handle() {
    if (!FHandle) CreateHandle();
    return FHandle;
}

void TCanvas::SetHandle(HDC dc) {
    if (FHandle == dc) return;
    ReleaseObjects();
    FHandle = dc;
}

void TCanvas::DeselectObjects() {
    HDC dc = FHandle;
    ReleaseObjects();
    FHandle = dc;
}

TCanvasStateGuard::TCanvasStateGuard(TCanvas& canvas) : FCanvas(canvas) {
    FCanvas.DeselectObjects();
    FDC = FCanvas.Handle();
    FSaved = FDC ? SaveDC(FDC) : 0;
}

TCanvasStateGuard::~TCanvasStateGuard() {
    FCanvas.DeselectObjects();
    if (FSaved) RestoreDC(FDC, FSaved);
}

void TCanvas::ReleaseObjects() {
    if (FHandle) {
        if (FPenSelected) SelectObject(FHandle, FOldPen);
        if (FBrushSelected) SelectObject(FHandle, FOldBrush);
        if (FFontSelected) SelectObject(FHandle, FOldFont);
    }
    FPenSelected = FBrushSelected = FFontSelected = false;
    FOldPen = FOldBrush = FOldFont = nullptr;
    FPenHandle.Reset();
    FBrushHandle.Reset();
    FFontHandle.Reset();
    FHandle = nullptr;
}

void TCanvas::PenChanged(TObject*) {
    if (FPenHandle || FPenSelected) {
        if (FHandle && FPenSelected) SelectObject(FHandle, FOldPen);
        FPenSelected = false;
        FPenHandle.Reset();
    }
}

void TCanvas::BrushChanged(TObject*) {
    if (FBrushHandle || FBrushSelected) {
        if (FHandle && FBrushSelected) SelectObject(FHandle, FOldBrush);
        FBrushSelected = false;
        FBrushHandle.Reset();
    }
}

void TCanvas::FontChanged(TObject*) {
    if (FFontHandle || FFontSelected) {
        if (FHandle && FFontSelected) SelectObject(FHandle, FOldFont);
        FFontSelected = false;
        FFontHandle.Reset();
    }
}

void TCanvas::RequirePen() {
    HDC dc = Handle();
    if (!dc || FPenSelected) return;
    HGDIOBJ pen;
    if (FPen.GetStyle() == TPenStyle::psClear) {
        pen = GetStockObject(NULL_PEN);
    } else {
        static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        FPenHandle.Reset(
            CreatePen(kStyles[static_cast<int>(FPen.GetStyle())], FPen.GetWidth(), ToColorRef(FPen.GetColor())));
        pen = FPenHandle.Get();
    }
    FOldPen = SelectObject(dc, pen);
    FPenSelected = true;
}

void TCanvas::RequireBrush() {
    HDC dc = Handle();
    if (!dc || FBrushSelected) return;
    HGDIOBJ brush;
    if (FBrush.GetStyle() == TBrushStyle::bsClear) {
        brush = GetStockObject(NULL_BRUSH);
        SetBkMode(dc, TRANSPARENT);
    } else {
        FBrushHandle.Reset(CreateSolidBrush(ToColorRef(FBrush.GetColor())));
        brush = FBrushHandle.Get();
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ToColorRef(FBrush.GetColor()));
    }
    FOldBrush = SelectObject(dc, brush);
    FBrushSelected = true;
}

void TCanvas::RequireFont() {
    HDC dc = Handle();
    if (!dc) return;
    if (!FFontSelected) {
        FFontHandle = CreateFontHandle(FFont);
        FOldFont = SelectObject(dc, FFontHandle.Get());
        FFontSelected = true;
    }
    SetTextColor(dc, ToColorRef(FFont.GetColor()));
}

void TCanvas::FillRect(const TRect& r) {
    RequireBrush();
    HDC dc = Handle();
    if (!dc || FBrush.GetStyle() == TBrushStyle::bsClear) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FillRect(dc, &rc, FBrushHandle.Get());
}

void TCanvas::FrameRect(const TRect& r) {
    RequireBrush();
    HDC dc = Handle();
    if (!dc || FBrush.GetStyle() == TBrushStyle::bsClear) return;
    RECT rc{r.Left, r.Top, r.Right, r.Bottom};
    ::FrameRect(dc, &rc, FBrushHandle.Get());
}

void TCanvas::Rectangle(const TRect& r) {
    RequirePen();
    RequireBrush();
    if (HDC dc = Handle()) ::Rectangle(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::RoundRect(const TRect& r, int cw, int ch) {
    RequirePen();
    RequireBrush();
    if (HDC dc = Handle()) ::RoundRect(dc, r.Left, r.Top, r.Right, r.Bottom, cw, ch);
}

void TCanvas::Ellipse(const TRect& r) {
    RequirePen();
    RequireBrush();
    if (HDC dc = Handle()) ::Ellipse(dc, r.Left, r.Top, r.Right, r.Bottom);
}

void TCanvas::MoveTo(int x, int y) {
    if (HDC dc = Handle()) MoveToEx(dc, x, y, nullptr);
    FPenPos = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    RequirePen();
    if (HDC dc = Handle()) {
        MoveToEx(dc, FPenPos.X, FPenPos.Y, nullptr);
        ::LineTo(dc, x, y);
    }
    FPenPos = {x, y};
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    RequirePen();
    RequireBrush();
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (auto& p : points) pts.push_back({p.X, p.Y});
    if (HDC dc = Handle()) ::Polygon(dc, pts.data(), static_cast<int>(pts.size()));
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
    if (points.empty()) return;
    RequirePen();
    std::vector<POINT> pts;
    pts.reserve(points.size());
    for (auto& p : points) pts.push_back({p.X, p.Y});
    if (HDC dc = Handle()) ::Polyline(dc, pts.data(), static_cast<int>(pts.size()));
    FPenPos = points.back();
}

TColor TCanvas::GetPixel(int x, int y) {
    HDC dc = Handle();
    return dc ? static_cast<TColor>(::GetPixel(dc, x, y)) : clNone;
}

void TCanvas::SetPixel(int x, int y, TColor color) {
    if (HDC dc = Handle()) ::SetPixelV(dc, x, y, ToColorRef(color));
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
    RequireFont();
    RequireBrush();
    if (HDC dc = Handle()) ::TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

TSize TCanvas::TextExtent(const std::wstring& text) {
    RequireFont();
    SIZE s{0, 0};
    if (HDC dc = Handle()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &s);
    return {s.cx, s.cy};
}

int TCanvas::DrawText(const std::wstring& text, TRect& rect, unsigned flags) {
    RequireFont();
    RequireBrush();
    HDC dc = Handle();
    if (!dc) return 0;
    RECT rc{rect.Left, rect.Top, rect.Right, rect.Bottom};
    // DrawTextW may write into the buffer with DT_MODIFYSTRING; give it a private copy.
    std::wstring buffer = text;
    buffer.resize(text.size() + 4);
    int h = ::DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rc, flags);
    rect = {rc.left, rc.top, rc.right, rc.bottom};
    return h;
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& d, TCanvas& source, const TRect& s) {
    HDC dc = Handle();
    HDC src = source.Handle();
    if (!dc || !src) return;
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, d.Left, d.Top, d.Width(), d.Height(), src, s.Left, s.Top, s.Width(), s.Height(), SRCCOPY);
}

TRect TCanvas::ClipRect() {
    RECT rc{};
    if (HDC dc = Handle()) GetClipBox(dc, &rc);
    return {rc.left, rc.top, rc.right, rc.bottom};
}

}  // namespace orv
