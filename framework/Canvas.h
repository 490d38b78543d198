#pragma once
// TCanvas draws on a device context with its pen, brush and font. The GDI objects
// for them are made when first needed, kept while they stay valid, and released (the
// DC's original objects selected back) when the canvas lets go of its DC.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/GdiHandles.h"
#include "framework/Graphics.h"

namespace orv {

class TCanvas : public TPersistent {
public:
    ORV_CLASS_NAME(TCanvas)
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The DC; a canvas that can make its own (control, bitmap) does so on demand.
    HDC Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Adopts a DC the canvas does not own; null lets go of the current one.
    void SetHandle(HDC dc);

    TFont& Font() { return FFont; }
    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }

    void FillRect(const TRect& rect);
    void FrameRect(const TRect& rect);
    void Rectangle(const TRect& rect);
    void Rectangle(int x1, int y1, int x2, int y2) { Rectangle(TRect{x1, y1, x2, y2}); }
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight);
    void Ellipse(const TRect& rect);
    void MoveTo(int x, int y);
    // Draws to (x, y) with the end point excluded.
    void LineTo(int x, int y);
    TPoint PenPos() const { return FPenPos; }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);

    TColor GetPixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    void TextOut(int x, int y, const std::wstring& text);
    TSize TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
    // DrawTextW with the given DT_ flags; rect is updated with DT_CALCRECT.
    int DrawText(const std::wstring& text, TRect& rect, unsigned flags);

    void Draw(int x, int y, TGraphic& graphic);
    void StretchDraw(const TRect& rect, TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);

    TRect ClipRect();

    // Selects the DC's original objects back and forgets the ones made for the pen,
    // brush and font; the next drawing call makes them again. Needed around anything
    // that saves and restores the DC's state behind the canvas's back.
    void DeselectObjects();

protected:
    virtual void CreateHandle() {}
    // Lets go of the DC: the original objects go back into it, ours are deleted.
    void ReleaseObjects();

private:
    void RequirePen();
    void RequireBrush();
    void RequireFont();
    void PenChanged(TObject*);
    void BrushChanged(TObject*);
    void FontChanged(TObject*);

    HDC FHandle = nullptr;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
    TGdiPen FPenHandle;
    TGdiBrush FBrushHandle;
    TGdiFont FFontHandle;
    HGDIOBJ FOldPen = nullptr;
    HGDIOBJ FOldBrush = nullptr;
    HGDIOBJ FOldFont = nullptr;
    bool FPenSelected = false;
    bool FBrushSelected = false;
    bool FFontSelected = false;
    TPoint FPenPos;
};

// Saves the DC state of a canvas (clip, origin, modes) and restores it, with the
// canvas's own pen, brush and font let go on both sides, so the canvas never believes
// an object is selected that the restore has replaced.
class TCanvasStateGuard {
public:
    explicit TCanvasStateGuard(TCanvas& canvas);
    ~TCanvasStateGuard();
    TCanvasStateGuard(const TCanvasStateGuard&) = delete;
    TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

private:
    TCanvas& FCanvas;
    HDC FDC;
    int FSaved;
};

// Makes a font handle for a font description.
TGdiFont CreateFontHandle(const TFont& font);
COLORREF ToColorRef(TColor color);

}  // namespace orv
