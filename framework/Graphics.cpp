#include "framework/Graphics.h"

#include <windows.h>

#include <cmath>

namespace orv {

TColor ColorToRGB(TColor color) {
    if (IsSystemColor(color)) return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;
}

int ScreenPixelsPerInch() {
    static int ppi = 0;
    if (ppi == 0) {
        HDC dc = GetDC(nullptr);
        ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
        if (dc) ReleaseDC(nullptr, dc);
        if (ppi <= 0) ppi = 96;
    }
    return ppi;
}

// --- TFont -------------------------------------------------------------------

TFont::TFont() = default;

void TFont::Assign(const TPersistent* source) {
    if (auto* f = dynamic_cast<const TFont*>(source)) {
        if (SameAs(*f)) return;
        FName = f->FName;
        FHeight = f->FHeight;
        FStyle = f->FStyle;
        FColor = f->FColor;
        FCharset = f->FCharset;
        FOrientation = f->FOrientation;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}

bool TFont::SameAs(const TFont& o) const {
    return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FColor == o.FColor &&
           FCharset == o.FCharset && FOrientation == o.FOrientation;
}

void TFont::Changed() { OnChange(this); }

void TFont::SetName(const std::wstring& value) {
    if (FName == value || value.empty()) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(int value) {
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

int TFont::GetSize() const {
    return static_cast<int>(std::lround(-static_cast<double>(FHeight) * 72.0 / ScreenPixelsPerInch()));
}

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TFont::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TFont::SetCharset(uint8_t value) {
    if (FCharset == value) return;
    FCharset = value;
    Changed();
}

void TFont::SetOrientation(int value) {
    if (FOrientation == value) return;
    FOrientation = value;
    Changed();
}

// --- TPen / TBrush ---------------------------------------------------------------

void TPen::Assign(const TPersistent* source) {
    if (auto* p = dynamic_cast<const TPen*>(source)) {
        FColor = p->FColor;
        FWidth = p->FWidth;
        FStyle = p->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
void TPen::Changed() { OnChange(this); }
void TPen::SetColor(TColor value) {
    if (FColor == value) return;
    FColor = value;
    Changed();
}
void TPen::SetWidth(int value) {
    if (FWidth == value) return;
    FWidth = value;
    Changed();
}
void TPen::SetStyle(TPenStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TBrush::Assign(const TPersistent* source) {
    if (auto* b = dynamic_cast<const TBrush*>(source)) {
        FColor = b->FColor;
        FStyle = b->FStyle;
        Changed();
        return;
    }
    TPersistent::Assign(source);
}
void TBrush::Changed() { OnChange(this); }
void TBrush::SetColor(TColor value) {
    if (FColor == value && FStyle == TBrushStyle::bsSolid) return;
    FColor = value;
    // Picking a colour makes a clear brush solid again, as callers expect.
    FStyle = TBrushStyle::bsSolid;
    Changed();
}
void TBrush::SetStyle(TBrushStyle value) {
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

// --- TGraphic -------------------------------------------------------------------

void TGraphic::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    Changed();
}
void TGraphic::Changed() { OnChange(this); }

}  // namespace orv
